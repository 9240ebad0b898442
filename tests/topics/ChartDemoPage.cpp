#include "tests/topics/ChartDemoPage.h"

#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QWheelEvent>

#include "charts/ChartExport.h"
#include "shell/Settings.h"
#include "shell/State.h"
#include "topics/frame/ChartDialog.h"
#include "topics/frame/ChartHelpers.h"
#include "topics/frame/ChartPrinting.h"
#include "topics/frame/TopicPrinting.h"

namespace zw {

ChartDemoPage::ChartDemoPage(QWidget* parent) : QWidget(parent) {
  chart_ = new TVIrada(this);
  x_ = new TNumLab(this);
  y_ = new TNumLab(this);
  x_->setLeftText("x=");
  y_->setLeftText("y=");
  x_->hide();
  y_->hide();
  aspect_ = new QPushButton("1:1", this);
  center_ = new QPushButton("+", this);
  settings_ = new QPushButton("...", this);
  resize(640, 480);

  chart_->OnMouseEnter = [this](TVIrada*) {
    x_->show();
    y_->show();
  };
  chart_->OnMouseLeave = [this](TVIrada*) {
    x_->hide();
    y_->hide();
  };
  chart_->OnMouseMoveInChart = [this](TVIrada* c, bool in, Qt::KeyboardModifiers shift, Qt::MouseButtons b,
                                      double x, double y) {
    if ((b & Qt::LeftButton) && ((b & Qt::RightButton) || (shift & Qt::ShiftModifier)))
      c->setMouseAction(TMouseActMode::maZoomDrag);
    else if ((b & Qt::RightButton) && !(b & Qt::LeftButton) && !(shift & Qt::ShiftModifier))
      c->setMouseAction(TMouseActMode::maNone);
    x_->setEmpty(!in);
    y_->setEmpty(!in);
    if (in) {
      x_->setValue(x);
      y_->setValue(y);
    }
  };
  chart_->OnMouseUp = [this](TVIrada* c, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
    c->setMouseAction(TMouseActMode::maPan);
    DrawChart();
  };
  chart_->OnDblClick = [this](TVIrada*) { InitChart(); };
  connect(aspect_, &QPushButton::clicked, this, [this] {
    SetAspect11(*chart_);
    DrawChart();
  });
  connect(center_, &QPushButton::clicked, this, [this] {
    for (TScaleProps* p : {static_cast<TScaleProps*>(&chart_->Layers().X(1)), static_cast<TScaleProps*>(&chart_->Layers().Y(1))}) {
      const double span = std::fabs(p->RangeHigh() - p->RangeLow());
      p->setRangeLow(-span / 2);
      p->setRangeHigh(span / 2);
    }
    DrawChart();
  });
  connect(settings_, &QPushButton::clicked, this, [this] { ChartSettings(); });
  layoutPage();
  chart_->Loaded();
  InitChart();
}

void ChartDemoPage::resizeEvent(QResizeEvent*) { layoutPage(); }

void ChartDemoPage::layoutPage() {
  chart_->setGeometry(8, 8, width() - 16, height() - 60);
  const int y = height() - 44;
  x_->setGeometry(8, y, 150, 24);
  y_->setGeometry(166, y, 150, 24);
  aspect_->setGeometry(width() - 136, y, 36, 26);
  center_->setGeometry(width() - 94, y, 36, 26);
  settings_->setGeometry(width() - 52, y, 36, 26);
}

void ChartDemoPage::InitChart() {
  SetDefaultChartColors(*chart_);
  SetGridStyle(*chart_);
  chart_->SetRange(1, -5, -4, 5, 4);
  SetAspect11(*chart_);
  DrawChart();
}

void ChartDemoPage::DrawChart() {
  chart_->ClearGraf();
  const ShellState& s = shellState();
  chart_->setFillColor(PaletteColor(GraphColorIndex(s.GraphColorList, 3)));
  chart_->setDataColor(clBlack);
  chart_->Bar3D(1, 0, 2, 2.5, 8, 45);
  DrawAxes(*chart_);
  PlotTerm("sin(x)*x", *chart_, GraphColor(s.GraphColorList, 1), GraphLineWidth(s.GraphWidthList, 1),
           FormulaContext::current());
  DrawCircle(*chart_, {-2, 1}, GraphColor(s.GraphColorList, 2), 1, GraphLineWidth(s.GraphWidthList, 2));
  chart_->ShowGraf();
}

void ChartDemoPage::Snapshot() { ChartCopyToClipboard(*chart_, shellState().ClipboardBlackWhite); }

void ChartDemoPage::Print(QPrinter& printer) {
  QPainter p(&printer);
  PrintCursor cur;
  PrintPageHeader(p, cur, "Diagramm");
  PrintMemoLines(p, printer, font(), {"f(x) = sin(x)*x", "k: M(-2|1), r = 1"}, cur);
  PrintChart(p, printer, cur, *chart_);
}

void ChartDemoPage::ChartSettings() {
  ShellState& s = shellState();
  ChartGraphRows rows;
  rows.colorList = s.GraphColorList;
  rows.widthList = s.GraphWidthList;
  {
    TFFormChart dlg(this);
    if (prepareDialog) prepareDialog(dlg);
    if (!dlg.SetGrid(*chart_, rows)) return;
  }
  s.GraphColorList = rows.colorList;
  s.GraphWidthList = rows.widthList;
  DrawChart();
}

void ChartDemoPage::wheelEvent(QWheelEvent* e) {
  const int d = e->angleDelta().y();
  const int sgn = d > 0 ? 1 : (d < 0 ? -1 : 0);
  for (TScaleProps* p : {static_cast<TScaleProps*>(&chart_->Layers().X(1)), static_cast<TScaleProps*>(&chart_->Layers().Y(1))}) {
    const double step = sgn * (p->RangeHigh() - p->RangeLow()) / 16;
    p->setRangeLow(p->RangeLow() + step);
    p->setRangeHigh(p->RangeHigh() - step);
  }
  DrawChart();
  e->accept();
}

}  // namespace zw
