#include "topics/algebra/DioWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <algorithm>

#include "charts/HtmlLab.h"
#include "shell/Fonts.h"
#include "shell/Metrics.h"
#include "shell/catalogue/TopicRegistry.h"
#include "shell/kit/Symbols.h"
#include "shell/texts/Texts.h"
#include "topics/algebra/AlgebraKit.h"
#include "topics/algebra/Dio.h"

namespace zw {

namespace {

// -----

TopicConfig dioConfig() {
  TopicConfig c;
  c.memo = MemoPolicy::RunningRecord;
  c.taskLines = 2;
  return c;
}

}  // namespace

TFDio::TFDio(QWidget* owner) : TopicWindow(owner, ClassName, dioConfig()) {
  QWidget* box = inputArea();
  equation_ = new THtmlLab(box);
  equation_->setObjectName(QStringLiteral("HtmlGleichung"));
  equation_->setTransparent(true);
  equation_->setAlignment(Qt::AlignLeft);  // in line with the task text above it
  equation_->setFrameStyle(TFrameStyle::fsNone);
  equation_->setSuppressExceptions(true);
  const char16_t* const keys[3] = {u"a", u"b", u"c"};
  for (int i = 0; i < 3; ++i) {
    captions_[static_cast<std::size_t>(i)] = new QLabel(box);
    QLineEdit* e = edits_[static_cast<std::size_t>(i)] = new QLineEdit(box);
    e->setObjectName(QStringLiteral("Edit%1").arg(i + 1));
    fields().addField(QString::fromUtf16(keys[i]), e, u'Z');  // whole numbers of any sign
  }
  memo()->setObjectName(QStringLiteral("Memo1"));
  initTopic();
}

void TFDio::layoutInputs() {
  // The equation form right below the task text, its baseline 16 scaled pixels down.
  const int labelHeight = ScalePixels(24);
  equation_->setFont(fonts().LabelFont.font);
  const auto form = [](const QString& on, const QString& off) {
    return on + QStringLiteral("a") + MulDot() + QStringLiteral("x + b") + MulDot() +
           QStringLiteral("y + c = 0 ,   a, b, c") + off + QStringLiteral(" ") + GetText(IDio, 2);
  };
  equation_->setCaption(form(QStringLiteral("<I>"), QStringLiteral("</I>")));
  equation_->setPosY(ScalePixels(16));
  const int least = FontTextMeasurer(fonts().LabelFont.font).width(form({}, {})) + ScalePixels(8);
  placeStretched(equation_, QRect(ScalePixels(8), 0, least, labelHeight), ScalePixels(24));
  const QString texts[3] = {QStringLiteral(" a =  "), QStringLiteral(" b =  "), QStringLiteral(" c =  ")};
  const int shift = labelHeight - metrics().RowTop[1] + ScalePixels(8);
  const int tops[3] = {metrics().RowTop[1] + shift, metrics().RowTop[2] + shift, metrics().RowTop[3] + shift};
  PlaceCaptionRows(captions_, edits_, texts, tops);
}

void TFDio::compute() {
  const auto a = static_cast<std::int64_t>(fields().value(0));
  const auto b = static_cast<std::int64_t>(fields().value(1));
  const auto c = static_cast<std::int64_t>(fields().value(2));
  const QString e = DioEquationLine(a, b, c);
  if (e == lastShown_) return;  // the same equation is listed once
  appendMemoLines({e, DioSolutionLine(SolveDio(a, b, c)), QString()});
  lastShown_ = e;
}

}  // namespace zw
