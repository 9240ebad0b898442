#pragma once

namespace zw {

// Registers every window and text page of the algebra topics
// (topics/algebra/AlgebraTopics.cpp). Called once at start-up by app/main.cpp and by
// the area's test main; calling it again changes nothing.
void RegisterAlgebraTopics();

}  // namespace zw
