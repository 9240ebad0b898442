#pragma once
// Prints a 3D view on the open print job, beside PrintPageHeader and
// PrintMemoLines: the solid and analytic-3D topics call it after their memo,
// the surface-plot topic after its term lines.
class QPainter;
class QPagedPaintDevice;

namespace zw {

class TView3DBase;

// Draws `view` without frame at x = 100, y = `y` (printer pixels) with the
// shell's print scale and black-and-white option. The caller's y is not
// moved. When the picture would run past the page end and y > 300, a new page
// begins and the picture goes to y = 300 there.
void PrintRot3D(QPainter& painter, QPagedPaintDevice& device, int y, TView3DBase& view);

}  // namespace zw
