#pragma once
// The widget style of the program: the platform's style, with the marks of
// radio buttons and check boxes grown with the zoom as the fonts are, so a
// caption at 150 % does not sit beside a mark drawn for 100 %; and menu
// items that read from the right in a right-to-left language (the platform
// style mirrors the item but keeps its text left-aligned).
#include <QProxyStyle>

namespace zw {

class ZoomStyle : public QProxyStyle {
public:
  using QProxyStyle::QProxyStyle;
  int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr) const override;
  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget = nullptr) const override;
};

// Makes ZoomStyle the application's style (the program does so at start-up).
void InstallZoomStyle();

}  // namespace zw
