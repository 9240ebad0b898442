#include "topics/solids/SolidsTopics.h"

#include "topics/frame/TopicRegistration.h"

namespace zw {

// Each topic of the area adds its window and its text pages here, as
// RegisterAlgebraTopics does for the gcd topic.
void RegisterSolidsTopics() {}

}  // namespace zw
