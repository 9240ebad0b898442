#pragma once
// TNumLab: one number in a framed value box, with an optional text on its
// left and one on its right, in one of fifteen display formats. The chart
// pages use two of them as the mouse read-outs "x=" and "y=".
#include <QColor>
#include <QString>
#include <QWidget>
#include <functional>

#include "charts/ChartBase.h"

namespace zw {

enum class TDisplay {
  dtFloat, dtFixP, dtExp, dtHex, dtZeroInt, dtInt, dtDateTime, dtState, dtBin, dtOct, dtDeg,
  dtDegMin, dtDegMinSec, dtEEng, dtEEngNoDP
};

class TNumLab : public QWidget {
  Q_OBJECT
public:
  using TBeforeDisplayEvent = std::function<void(TNumLab* sender, QString& text)>;

  explicit TNumLab(QWidget* parent = nullptr);

  int LeftSpace() const { return FLeftSpace; }
  bool Empty() const { return FEmpty; }
  int LabelWidth() const { return FLabWidth; }
  int Precision() const { return FDecP; }
  bool Comma() const { return FComma; }
  bool ForcePlusSign() const { return FPlusSign; }
  bool Transparent() const { return FTransParent; }
  const QString& LeftText() const { return FLeftText; }
  const QString& RightText() const { return FRightText; }
  TFrameStyle FrameStyle() const { return FFrameStyle; }
  const QString& StateText() const { return FStateText; }
  Qt::Alignment Alignment() const { return FAlignment; }
  Qt::Alignment LeftTextAlignment() const { return FLTAlignment; }
  Qt::Alignment RightTextAlignment() const { return FRTAlignment; }
  int MouseAreaCode() const { return FMouseAreaCode; }
  const QString& OverflowIndicator() const { return FOverFlowIndi; }
  double Value() const { return FLabValue; }
  bool Enabled() const { return FEnabled; }
  QColor ColorLabBakG() const { return FColorLabBakG; }
  QColor ColorLabText() const { return FColorLabText; }
  QColor ColorOutBakG() const { return FColorOutBakG; }
  QColor ColorOutText() const { return FColorOutText; }
  TColorScheme ColorScheme() const { return FColorScheme; }
  TDisplay DisplayType() const { return FDisplayType; }
  const QString& DTFormat() const { return FDtFormat; }

  void setLeftSpace(int v);
  void setEmpty(bool v);
  void setLabelWidth(int v);
  void setPrecision(int v);
  void setComma(bool v);
  void setForcePlusSign(bool v);
  void setTransparent(bool v);
  void setLeftText(const QString& v);
  void setRightText(const QString& v);
  void setFrameStyle(TFrameStyle v);
  void setStateText(const QString& v);
  void setAlignment(Qt::Alignment v);
  void setLeftTextAlignment(Qt::Alignment v);
  void setRightTextAlignment(Qt::Alignment v);
  void setOverflowIndicator(const QString& v);
  void setValue(double v);
  void setEnabled(bool v);  // hides QWidget::setEnabled on purpose: it also repaints
  void setColorLabBakG(QColor v);
  void setColorLabText(QColor v);
  void setColorOutBakG(QColor v);
  void setColorOutText(QColor v);
  void setColorScheme(TColorScheme v);
  void setDisplayType(TDisplay v);
  void setDTFormat(const QString& v);

  TBeforeDisplayEvent OnBeforeDisplay;

  void Assign(const TNumLab& source);

  // The value as text by the display type, before OnBeforeDisplay and before
  // the width check (pure: needs no display).
  QString formatValue() const;
  // What the box shows: formatValue, OnBeforeDisplay, then the overflow
  // indicator when the text is wider than the box (not for dtState).
  QString displayedText() const;

  // How often the label has been painted (tests check that unchanged
  // values cause no repaint).
  int paintCount() const { return paintCount_; }

protected:
  void paintEvent(QPaintEvent*) override;
  void mouseMoveEvent(QMouseEvent* e) override;

private:
  void redraw();
  template <class T>
  void setAndRedraw(T& field, const T& v) {
    if (field == v) return;
    field = v;
    redraw();
  }

  int FLeftSpace = 35;
  bool FEmpty = false;
  int FLabWidth = 80;
  int FDecP = 2;
  bool FComma = false;
  bool FPlusSign = false;
  bool FTransParent = false;
  QString FLeftText;
  QString FRightText;
  TFrameStyle FFrameStyle = TFrameStyle::fsLowered;
  QString FStateText = QStringLiteral("undefined");
  Qt::Alignment FAlignment = Qt::AlignHCenter;
  Qt::Alignment FLTAlignment = Qt::AlignRight;
  Qt::Alignment FRTAlignment = Qt::AlignLeft;
  int FMouseAreaCode = 0;
  QString FOverFlowIndi = QStringLiteral("*********");
  double FLabValue = 0;
  bool FEnabled = true;
  QColor FColorLabBakG, FColorLabText = Qt::black;
  QColor FColorOutBakG, FColorOutText = Qt::black;
  QColor FColBlackLine = Qt::black, FColGrayLine = QColor(0x80, 0x80, 0x80), FColWhiteLine = Qt::white;
  TColorScheme FColorScheme = TColorScheme::csBWG;
  TDisplay FDisplayType = TDisplay::dtFixP;
  QString FDtFormat = QStringLiteral("mmm-dd, yyyy");
  int paintCount_ = 0;
};

}  // namespace zw
