#pragma once
// The skeleton every topic window shares: a page control whose pages hold a
// content box on the left and a narrow legend box on the right with OK,
// Cancel and Help stacked in it (the chart page adds three tool buttons and
// two read-outs). The *Rects functions compute the positions from the zoom
// and the sizes alone, so tests need no display; the routines with the
// controls apply them from the window's relayout().
#include <QRect>
#include <QSize>
#include <QString>
#include <QTabBar>
#include <QTabWidget>
#include <array>

#include "shell/texts/Texts.h"

class QAbstractButton;
class QPainter;
class QWidget;

namespace zw {

class TNumLab;

// Default outer size of the topic window of a text page, before scaling.
QSize DefaultFormBaseSize(TTextIndex page);
// The same scaled by ScalePixelsAt(.., zoom).
QSize DefaultFormSizeAt(TTextIndex page, int zoom);
// The same at the zoom of the shell state.
void DefaultFormSize(TTextIndex page, QSize& size);

// Legend box and its three buttons, in the legend box's coordinates.
struct ButtonBarRects {
  int legendWidth = 0;
  QRect ok, cancel, help;
};
ButtonBarRects buttonBarRects(int zoom);

// Content box and legend box of a page of the given size; from right to
// left the legend box stands on the left.
struct PageRects {
  QRect content, legend;
};
PageRects pageRects(QSize page, int zoom, Qt::LayoutDirection direction = Qt::LeftToRight);

// The chart tool buttons (aspect, centre, settings) in the legend box:
// centred vertically, but never above the help button.
std::array<QRect, 3> chartToolButtonRects(QSize legendBox, QSize toolButton, const QRect& helpButton);

// The two chart read-outs (y first, then x) stacked at the bottom of their
// container, the x read-out lowest.
std::array<QRect, 2> readoutRects(QSize container);

// Paints " " + caption + " " in BoldFont with its top-left corner at
// (rect.left + S(2), rect.top + S(4)).
void DrawTabCaption(QPainter& canvas, const QRect& rect, const QString& caption);
// The form several topics use instead: " " + caption in TextFont at 9/10 of
// its size, bold, at (rect.left + 4, rect.top + 4).
void DrawTopicTabCaption(QPainter& canvas, const QRect& rect, const QString& caption);

// A tab bar that paints its captions itself in one of the two forms above.
class CaptionTabBar : public QTabBar {
  Q_OBJECT
public:
  enum class CaptionStyle { Shell, Topic };
  explicit CaptionTabBar(CaptionStyle style = CaptionStyle::Shell, QWidget* parent = nullptr);
  CaptionStyle captionStyle() const { return style_; }
  void setCaptionStyle(CaptionStyle style);

protected:
  QSize tabSizeHint(int index) const override;
  void paintEvent(QPaintEvent*) override;

private:
  CaptionStyle style_;
};

// The page control of a topic window: a QTabWidget whose tab bar is a
// CaptionTabBar.
class PageControl : public QTabWidget {
  Q_OBJECT
public:
  explicit PageControl(CaptionTabBar::CaptionStyle style = CaptionTabBar::CaptionStyle::Shell,
                       QWidget* parent = nullptr);
  CaptionTabBar* captionTabBar() const { return bar_; }

private:
  CaptionTabBar* bar_;
};

void SetupButtonBar(QWidget* legendBox, QAbstractButton* okButton, QAbstractButton* cancelButton,
                    QAbstractButton* helpButton);
void LayoutInputPage(int pageWidth, QWidget* inputBox, QWidget* legendBox, QAbstractButton* okButton,
                     QAbstractButton* cancelButton, QAbstractButton* helpButton);
void LayoutChartPage(int pageWidth, QWidget* chartBox, QWidget* legendBox, QAbstractButton* okButton,
                     QAbstractButton* cancelButton, QAbstractButton* helpButton, QAbstractButton* aspectButton,
                     QAbstractButton* centerButton, QAbstractButton* settingsButton, TNumLab* xReadout,
                     TNumLab* yReadout);

}  // namespace zw
