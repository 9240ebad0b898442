#pragma once

namespace zw {

// Registers every window and text page of the analysis topics
// (topics/analysis/AnalysisTopics.cpp). Called once at start-up by app/main.cpp and by
// the area's test main; calling it again changes nothing.
void RegisterAnalysisTopics();

// The area's text pages in German, English and French
// (topics/analysis/AnalysisTexts.cpp), called by RegisterAnalysisTopics().
void RegisterAnalysisTexts();

}  // namespace zw
