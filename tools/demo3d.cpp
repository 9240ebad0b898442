// A demonstration page of the 3D views and the HTML label, for trying them by
// hand (it is not in the program's menu): a turnable wire-frame solid, a
// 40 x 40 surface z = sin x * cos y and formula captions.
//
// Build and run from the repository root (after building zw_charts_base):
//   bash tools/demo3d.sh [build folder]
#include <QApplication>
#include <QGridLayout>
#include <QWidget>
#include <cmath>

#include "charts/HtmlLab.h"
#include "charts/Plot3D.h"
#include "charts/Rot3D.h"

using namespace zw;

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget page;
  page.setWindowTitle("3D views");
  auto* grid = new QGridLayout(&page);

  auto* solid = new TRot3D(&page);
  solid->setObjectName("solid");
  solid->setMinimumSize(450, 300);
  solid->setMouseAction(TMouseActMode::maRotAndZoom);
  solid->setAutoOrigin(false);
  solid->setIsoMetric(true);
  // A cube with its space diagonal and its corners marked.
  for (int i = 0; i < 8; ++i)
    for (int j : kCornerNeighbours[i])
      if (j > i) {
        solid->setColorData(Qt::blue);
        solid->setLineWidth(2);
        solid->Line((i & 4) ? 1 : -1, (i & 2) ? 1 : -1, (i & 1) ? 1 : -1, (j & 4) ? 1 : -1, (j & 2) ? 1 : -1,
                    (j & 1) ? 1 : -1);
      }
  solid->setColorData(Qt::red);
  solid->setLineWidth(1);
  solid->Line(-1, -1, -1, 1, 1, 1);
  for (int i = 0; i < 8; ++i) {
    solid->setColorData(Qt::darkGreen);
    solid->MarkAt((i & 4) ? 1 : -1, (i & 2) ? 1 : -1, (i & 1) ? 1 : -1, 3);
  }
  solid->setColorData(Qt::black);
  solid->MarkAt(1.15, 1.15, 1.15, 'A');
  solid->MakeVisible();

  auto* surface = new TPlot3D(&page);
  surface->setMinimumSize(650, 500);
  surface->setMouseAction(TMouseActMode::maRotAndZoom);
  surface->GridMat.Resize(40, 40);
  for (int i = 1; i <= 40; ++i)
    for (int j = 1; j <= 40; ++j) {
      const double x = -3 + 6.0 * (i - 1) / 39, y = -3 + 6.0 * (j - 1) / 39;
      surface->GridMat.SetElem(i, j, std::sin(x) * std::cos(y));
    }
  surface->setColorScaleLow(-1);
  surface->setColorScaleHigh(1);
  surface->SetRange(-3, 3, -3, 3, -1, 1);

  auto* cap1 = new THtmlLab(&page);
  cap1->setCaption("x<sub>n+1</sub> = x<sub>n</sub> - f(x<sub>n</sub>) / f'(x<sub>n</sub>)");
  cap1->setFixedSize(450, 40);
  auto* cap2 = new THtmlLab(&page);
  cap2->setCaption("a<sup>2</sup> + b<sup>2</sup> = <font color=\"#C00000\"><b>c</b><sup>2</sup></font>");
  cap2->setTransparent(true);
  cap2->setFixedSize(450, 40);
  auto* cap3 = new THtmlLab(&page);
  cap3->setFixedSize(450, 40);  // the default caption

  grid->addWidget(solid, 0, 0);
  grid->addWidget(surface, 0, 1, 4, 1);
  grid->addWidget(cap1, 1, 0);
  grid->addWidget(cap2, 2, 0);
  grid->addWidget(cap3, 3, 0);
  page.show();
  return app.exec();
}
