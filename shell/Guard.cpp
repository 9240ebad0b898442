#include "shell/Guard.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <new>
#include <stdexcept>
#include <vector>

#include "common/ZwError.h"
#include "kernel/CalcFailure.h"
#include "shell/KernelMessages.h"
#include "shell/commands/Commands.h"
#include "shell/texts/Texts.h"

namespace zw {

namespace {

int g_depth = 0;  // guarded work running, one inside the other

// The outermost guarded work shows the kernel's messages once it is over;
// guarded work nested in it (a layout a computation set off) leaves them.
struct Depth {
  Depth() { ++g_depth; }
  ~Depth() { --g_depth; }
  bool outermost() const { return g_depth == 1; }
};

void showKernelMessages(QWidget* parent, const Depth& depth) {
  if (depth.outermost()) ShowPendingKernelMessages(parent);
}

// One failure to show.
struct Report {
  QPointer<QWidget> owner;
  bool hadOwner = false;
  std::exception_ptr failure;
  CalcFailureReaction reaction;
  int message = 0;
};

// The windows whose failure box is open, each with the messages it showed
// or queued while the box is open and the failures that wait for it.
struct OpenBox {
  std::vector<int> messages;
  std::vector<Report> waiting;
};
std::map<const QWidget*, OpenBox>& openBoxes() {
  static std::map<const QWidget*, OpenBox> boxes;
  return boxes;
}

// For the developer: what the failure said, in its own words.
void tellDeveloper(const std::exception_ptr& failure) noexcept {
  try {
    std::rethrow_exception(failure);
  } catch (const CalcFailure&) {
    // A refused input or a failed computation: nothing went wrong in the program.
  } catch (const std::exception& e) {
    std::fprintf(stderr, "Zahlwerk: %s\n", e.what());
  } catch (...) {
    std::fputs("Zahlwerk: an exception that is no std::exception\n", stderr);
  }
}

void show(const Report& r) {
  if (r.hadOwner && !r.owner) return;  // its window is gone
  try {
    std::rethrow_exception(r.failure);
  } catch (const CalcFailure& f) {
    if (r.reaction) return r.reaction(f);
  } catch (...) {
  }
  ShowErrorBox(r.owner, GetMessageText(r.message));
}

void report(Report r, const Depth& depth) noexcept {
  tellDeveloper(r.failure);
  const QWidget* key = r.owner.data();
  std::map<const QWidget*, OpenBox>& boxes = openBoxes();
  try {
    if (auto open = boxes.find(key); open != boxes.end()) {
      // A repeat (a layout that fails at every resize) is shown once.
      std::vector<int>& seen = open->second.messages;
      if (std::find(seen.begin(), seen.end(), r.message) == seen.end()) {
        seen.push_back(r.message);
        open->second.waiting.push_back(std::move(r));
      }
      return;
    }
    boxes[key].messages.push_back(r.message);
  } catch (...) {
    return;  // no memory left even to remember the failure
  }
  for (bool first = true;; first = false) {
    try {
      if (first) showKernelMessages(r.owner, depth);
      show(r);
    } catch (...) {
      // Showing a box must not fail the entry a second time.
    }
    // The boxes of other windows opened and closed meanwhile: look this one up again.
    std::vector<Report>& waiting = boxes[key].waiting;
    if (waiting.empty()) break;
    r = std::move(waiting.front());
    waiting.erase(waiting.begin());
  }
  boxes.erase(key);
}

}  // namespace

int FailureMessage(const std::exception_ptr& failure) noexcept {
  try {
    std::rethrow_exception(failure);
  } catch (const CalcFailure& f) {
    return f.message();
  } catch (const EZwError&) {
    return msg::ImproperData;
  } catch (const std::bad_alloc&) {
    return msg::TooManyData;
  } catch (const std::out_of_range&) {
    return msg::Overflow;
  } catch (const std::length_error&) {
    return msg::Overflow;
  } catch (const std::range_error&) {
    return msg::Overflow;
  } catch (const std::overflow_error&) {
    return msg::Overflow;
  } catch (const std::underflow_error&) {
    return msg::Overflow;
  } catch (...) {
    return msg::ImproperArgument;
  }
}

bool RunGuarded(QWidget* parent, const std::function<void()>& action,
                const CalcFailureReaction& onCalcFailure) noexcept {
  QPointer<QWidget> owner(parent);
  const Depth depth;
  bool completed = false;
  try {
    action();
    completed = true;
  } catch (...) {
    const std::exception_ptr failure = std::current_exception();
    report({owner, parent != nullptr, failure, onCalcFailure, FailureMessage(failure)}, depth);
  }
  try {
    showKernelMessages(owner, depth);
  } catch (...) {
    // A box that fails to show is not a failure of the work.
  }
  return completed;
}

}  // namespace zw
