#include "topics/space/SpaceTopics.h"

#include "topics/frame/TopicRegistration.h"

namespace zw {

void RegisterSpaceTexts();

void RegisterSpaceTopics() { RegisterSpaceTexts(); }

}  // namespace zw
