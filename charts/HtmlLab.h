#pragma once
// THtmlLab: a one-line caption with a small HTML subset, for formula captions
// such as "x<sub>n</sub>" or "a<sup>2</sup>" on the topic pages.
//
// Markup (tag names without regard to case):
//   <sub>..</sub>, <sup>..</sup>  three quarters of the size, lowered / raised
//                                 by 0.8 of the new size (in pixels)
//   <b>, <i>, <u>, <s>            bold, italic, underline, strike-out
//   <font color="#RRGGBB" size=12 face="Liberation Sans">
//                                 colour as #RRGGBB (HTML order) or as a
//                                 decimal 0xBBGGRR value; size in points
//                                 (1..500); attribute values quoted or bare
//   any other tag (<br>, ...)     a level in the label's own style
// Runs are laid out along one baseline, each 2 pixels after the previous one.
// At most nine tags can be open at once. A wrong end tag or a tenth open tag
// is an error (see RenderHtmlText); the end of a text that does not end with
// a tag counts as one more opening tag.
//
// Use on a page:
//   auto* lab = new THtmlLab(page);
//   lab->setTransparent(true);
//   lab->setCaption("x<sub>n</sub> = a<sup>2</sup>");
//   lab->setPosY(18);                     // baseline, pixels from the top
#include <QColor>
#include <QFont>
#include <QString>
#include <QWidget>

#include "charts/ChartBase.h"
#include "common/ZwError.h"

class QPainter;

namespace zw {

class EZwHtmlLabelError : public EZwError {
public:
  using EZwError::EZwError;
};

// Draws `text` on `canvas` from x = startX with its baseline at y = baseY and
// returns the x behind the last run. The style of the outermost level is the
// painter's current font (its point size; a pixel-sized font counts at 96
// ppi) and pen colour; fonts are set in pixels at 96 ppi, so the result does
// not depend on the device's resolution. With ignoreColorTags the colour
// attribute of <font> is not read.
// Throws EZwHtmlLabelError unless suppressExceptions:
//   "invalid tag sequence: </i> follows <b>" for an end tag that does not
//   close the innermost open tag (names outside the table as "*default*");
//   "HTML label rendering stack overflow" for a tenth open level.
// With suppressExceptions a wrong end tag still closes the innermost level
// and a tenth level replaces the ninth. The painter's font and pen are left
// as the last run set them.
int RenderHtmlText(QPainter& canvas, const QString& text, int startX, bool ignoreColorTags,
                   bool suppressExceptions, int baseY);

class THtmlLab : public QWidget {
  Q_OBJECT
public:
  explicit THtmlLab(QWidget* parent = nullptr);  // 520 x 50

  Qt::Alignment Alignment() const { return FAlignment; }  // AlignLeft, AlignRight or AlignHCenter
  QColor ColorBkg() const { return FColorBkg; }
  bool Transparent() const { return FTransparent; }
  TFrameStyle FrameStyle() const { return FFrameStyle; }
  const QString& Caption() const { return FCaption; }
  int PosY() const { return FBaseY; }
  bool SuppressExceptions() const { return FSuppExcept; }
  bool IgnoreColorTags() const { return FIgnoreColTags; }

  // Each setter acts only on a change and repaints through update().
  void setAlignment(Qt::Alignment v);
  void setColorBkg(QColor v);
  // Transparent: no background is filled, the parent shows through.
  void setTransparent(bool v);
  void setFrameStyle(TFrameStyle v);
  void setCaption(const QString& v);
  void setPosY(int v);
  void setSuppressExceptions(bool v) { FSuppExcept = v; }  // no repaint
  void setIgnoreColorTags(bool v);

  // Copies alignment, background, frame, caption, baseline, the two flags and
  // transparency, then repaints.
  void Assign(const THtmlLab& source);

  // The x behind the rendered caption in the last paint (the caption's width
  // plus one); 0 before the first paint.
  int RenderedEndX() const { return FRenderedEndX; }

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  Qt::Alignment FAlignment = Qt::AlignHCenter;
  QColor FColorBkg;
  bool FTransparent = false;
  TFrameStyle FFrameStyle = TFrameStyle::fsEmbossed;
  QString FCaption = QStringLiteral("<B>H</B><sup>tml</sup><font color=\"#0000EE\">Lab</font>");
  int FBaseY = 18;
  bool FSuppExcept = false;
  bool FIgnoreColTags = false;
  int FRenderedEndX = 0;
  QString FReportedCaption;  // a caption's error is reported once
};

}  // namespace zw
