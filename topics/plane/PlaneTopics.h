#pragma once

namespace zw {

// Registers every window and text page of the plane geometry topics
// (topics/plane/PlaneTopics.cpp). Called once at start-up by app/main.cpp and by
// the area's test main; calling it again changes nothing.
void RegisterPlaneTopics();

// The area's text pages in German, English and French
// (topics/plane/PlaneTexts.cpp), called by RegisterPlaneTopics().
void RegisterPlaneTexts();

}  // namespace zw
