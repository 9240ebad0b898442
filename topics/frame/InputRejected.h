#pragma once
// "This input is refused": what a topic's reading or computation throws when
// a field (or a grid cell) holds something it cannot use. The frame shows the
// message on the input page and puts the focus on that field, with its text
// selected (TopicWindow::rejectInput), whichever entry from the event loop
// the refusal came through: OK, a page change, a grid click, a check box, a
// step of a long run. No topic shows such a box itself.
//
// Qt-free, so the computations without a window throw it too.
#include <string>
#include <utility>

#include "kernel/CalcFailure.h"

namespace zw {

class InputRejected : public CalcFailure {
public:
  // `field`: the worksheet key of the field or grid cell at fault ("a0",
  // "b7"); empty: the window's first input.
  explicit InputRejected(std::string field, int message = msg::InvalidInput)
      : CalcFailure(message, "input refused: " + field), field_(std::move(field)) {}
  const std::string& field() const noexcept { return field_; }

private:
  std::string field_;
};

}  // namespace zw
