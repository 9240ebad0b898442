#pragma once

namespace zw {

// Registers every window and text page of the analytic geometry in space topics
// (topics/space/SpaceTopics.cpp). Called once at start-up by app/main.cpp and by
// the area's test main; calling it again changes nothing.
void RegisterSpaceTopics();

}  // namespace zw
