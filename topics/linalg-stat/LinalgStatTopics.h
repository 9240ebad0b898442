#pragma once

namespace zw {

// Registers every window and text page of the linear algebra and statistics topics
// (topics/linalg-stat/LinalgStatTopics.cpp). Called once at start-up by app/main.cpp and by
// the area's test main; calling it again changes nothing.
void RegisterLinalgStatTopics();

}  // namespace zw
