#include "topics/linalg-stat/LinalgStatTopics.h"

#include "topics/frame/TopicRegistration.h"

namespace zw {

// Each topic of the area adds its window and its text pages here, as
// RegisterAlgebraTopics does for the gcd topic.
void RegisterLinalgStatTopics() {}

}  // namespace zw
