#pragma once
// What the 3D view and the surface plot share: the picture image that every
// change renders into and the paint event copies to the screen, and the print
// transform that keeps a picture's on-screen size in inches on any device.
#include <QImage>
#include <QWidget>
#include <functional>

class QPainter;
class QPrinter;

namespace zw {

class TView3DBase : public QWidget {
  Q_OBJECT
public:
  // The picture as it shows on screen (with the frame).
  const QImage& GrafBmp() const { return FGrafBmp; }

  // The picture rendered afresh as an image; blkWhite as it prints in black and white.
  virtual QImage Snapshot(bool includeFrame, bool blkWhite = false) = 0;
  // Draws onto the open page of `printer` with the top left corner at device
  // point (x, y), keeping the on-screen size in inches times scaleF, clipped
  // to the picture, then advances x and y past it (see printScaled). The
  // painter's state and colours changed for black and white come back on
  // every exit.
  virtual void CopyToOpenPrinter(QPainter& printer, int& x, int& y, double scaleF, bool blkWhite,
                                 bool includeFrame) = 0;

  void CopyToClipboard(bool includeFrame, bool blkWhite = false);
  // Saves a BMP file named after `fname` cut at its first "." plus ".bmp",
  // in the same folder; false when it cannot be written.
  bool CopyToBMP(const QString& fname, bool includeFrame);
  // One page of its own: the job is named after the control's object name,
  // the picture centred across the page (never left of its edge) and half an
  // inch from the top. False when the job cannot be begun.
  bool PrintIt(QPrinter& printer, double scaleF, bool blkWhite, bool includeFrame);
  // The picture as an SVG drawing (the program's vector picture format), one
  // pixel wider and higher than the control.
  QByteArray SvgPicture(bool includeFrame);
  // SVG and, for programs that take no SVG, the same picture as an image.
  void CopyToClipboardSVG(bool includeFrame);
  // Saves `fname` cut at its first "." plus ".svg"; false when it cannot be written.
  bool CopyToSVG(const QString& fname, bool includeFrame);

protected:
  explicit TView3DBase(QWidget* parent);
  // Renders the screen picture onto `canvas`, in the control's pixels.
  virtual void paintScreenPicture(QPainter& canvas) = 0;
  virtual bool paintingSuppressed() const { return false; }
  // Renders the picture in colour onto `canvas` (background, scene, frame when asked).
  virtual void paintExport(QPainter& canvas, bool includeFrame) = 0;

  void renderGrafBmp();  // at the control's size
  void redraw();         // renders and schedules a repaint
  void paintEvent(QPaintEvent* event) override;

  // Draws with `paint` onto the open page of `printer`, top left corner at
  // device point (x, y): one control pixel becomes scaleF * ppi / 96 device
  // pixels (the smaller of the two directions, as an isotropic mapping),
  // clipped to Round(scaleF * ppi * (W - 1) / 96) by the same of H. The
  // painter's state is restored on every exit; x and y then move past the
  // picture by Round(scaleF * W / 96 * ppiX) and Round(scaleF * H / 96 * ppiY).
  void printScaled(QPainter& printer, int& x, int& y, double scaleF, const std::function<void(QPainter&)>& paint);

  QImage FGrafBmp;
};

}  // namespace zw
