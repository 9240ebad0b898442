#pragma once

namespace zw {

// Registers every window and text page of the solid geometry topics
// (topics/solids/SolidsTopics.cpp). Called once at start-up by app/main.cpp and by
// the area's test main; calling it again changes nothing.
void RegisterSolidsTopics();

}  // namespace zw
