#pragma once
// The texts of one picture that must never cover each other (the scale
// labels and captions of a surface plot, the axis names of a 3D view): each
// placed text's rectangle is kept, and a text that would cover one already
// placed is moved aside or left out.
#include <QPoint>
#include <QRect>
#include <initializer_list>
#include <vector>

namespace zw {

class LabelPlacer {
public:
  // True when `r` covers no placed text; it then counts as placed.
  bool take(const QRect& r);
  // The nearest free place for `r`: r itself, else r moved k steps (k = 1 ..
  // tries) in one of the directions, nearer places first; true (r placed
  // there) or false (r left out, nothing placed).
  bool place(QRect& r, std::initializer_list<QPoint> steps, int tries);

private:
  std::vector<QRect> placed_;
};

}  // namespace zw
