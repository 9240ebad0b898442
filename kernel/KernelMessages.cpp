#include "kernel/KernelMessages.h"

#include <algorithm>
#include <utility>

namespace zw {

namespace {
// Per thread: a computation on a worker thread collects its own messages.
thread_local KernelMessageCollector* t_current = nullptr;
}  // namespace

KernelMessageCollector::KernelMessageCollector() : previous_(t_current) { t_current = this; }

KernelMessageCollector::~KernelMessageCollector() {
  t_current = previous_;
  if (previous_)
    for (int n : messages_) previous_->add(n);
}

std::vector<int> KernelMessageCollector::take() { return std::exchange(messages_, {}); }

void KernelMessageCollector::add(int messageNumber) {
  // A routine called in a loop reports the same refusal many times; the
  // user is told once.
  if (std::find(messages_.begin(), messages_.end(), messageNumber) == messages_.end())
    messages_.push_back(messageNumber);
}

bool CollectKernelMessage(int messageNumber) {
  if (!t_current) return false;
  t_current->add(messageNumber);
  return true;
}

}  // namespace zw
