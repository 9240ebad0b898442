#include "topics/plane/PlaneWindowKit.h"

#include <QPointer>

#include "kernel/CheckedInput.h"
#include "shell/commands/Commands.h"
#include "shell/gridexchange/GridExchange.h"
#include "shell/gridexchange/GridMenu.h"
#include "shell/kit/Grids.h"
#include "shell/texts/Texts.h"
#include "topics/plane/GetAB2D.h"
#include "topics/frame/InputRejected.h"
#include "topics/plane/PlaneKit.h"

namespace zw {

TopicConfig PlaneChartConfig() {
  TopicConfig c;
  c.pages = TopicConfig::inputResultsChart();
  c.check = InputCheck::OneBoxPerField;
  c.memoFont = SharedFontId::TextFont2;
  return c;
}

void FillLineFromTwoPoints(TopicWindow& window, QLineEdit* a, QLineEdit* b, QLineEdit* c, int undetermined,
                           QWidget* focus, const std::function<int(TFGetAB2D*)>& run) {
  QPointer<TopicWindow> alive(&window);
  LineABC line;
  if (!AskLineByTwoPoints(&window, line, run) || !alive) return;
  if (line.a != 0 || line.b != 0) {
    const QStringList t = LineFieldTexts(line);
    a->setText(t[0]);
    b->setText(t[1]);
    c->setText(t[2]);
  } else {
    ShowErrorBox(&window, GetMessageText(undetermined));
  }
  if (alive && focus) focus->setFocus();
}

ChartRange TriangleChartRange(const TriangleData& t, const TVIrada& c) {
  const Extended d = 1.1L * t.ku.c * (c.height() > 0 ? Extended(c.width()) / c.height() : 1);
  if (!(d > 0)) return {};
  return {t.ku.a - d, t.ku.b - d, t.ku.a + d, t.ku.b + d};
}

void DrawTriangleWithCircles(TVIrada& chart, const ChartPage& p, const TriangleData& t) {
  DrawTriangle(chart, t.A, t.B, t.C, p.color(1), p.width(1));
  DrawCircle(chart, t.M(), p.color(2), t.ku.c, p.width(2));
  DrawCircle(chart, t.O(), p.color(3), t.ki.c, p.width(3));
  chart.setLineWidth(1);
}

void TriangleGraphHints(std::array<QString, 13>& hints) {
  hints[1] = GetText(IDrei, 0);
  hints[2] = GetText(IDrei, 7);
  hints[3] = GetText(IDrei, 8);
}

QString PlaneCellKey(int col, int row) { return QChar(char16_t(u'w' + col)) + QString::number(row); }

StringGrid* AddPointGrid(TopicWindow& window, int rows) {
  auto* grid = new StringGrid(window.inputArea());
  grid->setObjectName(QStringLiteral("Parameter"));
  grid->setColCount(3);
  grid->setRowCount(rows + 1);
  grid->setCellsCentred(true);
  GridMenuOptions menu;
  menu.afterImport = [rows](StringGrid* g) { GridResize(g, rows + 1, 3); };
  AttachGridMenu(grid, std::move(menu));
  window.fields().addGrid(grid, [](int col, int row) { return PlaneCellKey(col, row); });
  return grid;
}

std::vector<TVec2> ReadGridPoints(const StringGrid* grid, int rows) {
  std::vector<TVec2> points(std::size_t(std::max(rows, 0)));
  for (int row = 1; row <= rows; ++row)
    for (int col = 1; col <= 2; ++col) {
      Extended v = 0;
      std::int32_t ok = 0;
      ReadValue(grid->Cells(col, row).toStdU16String(), v, u'f', ok);
      if (ok != 1) throw InputRejected(PlaneCellKey(col, row).toStdString());
      (col == 1 ? points[std::size_t(row - 1)].x : points[std::size_t(row - 1)].y) = v;
    }
  return points;
}

}  // namespace zw
