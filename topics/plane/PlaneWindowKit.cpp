#include "topics/plane/PlaneWindowKit.h"

#include <QPointer>

#include "shell/commands/Commands.h"
#include "shell/texts/Texts.h"
#include "topics/plane/GetAB2D.h"
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

}  // namespace zw
