#pragma once

namespace zw {

// Registers every window and text page of the plane geometry topics
// (topics/plane/PlaneTopics.cpp). Called once at start-up by app/main.cpp and by
// the area's test main; calling it again changes nothing.
void RegisterPlaneTopics();

}  // namespace zw
