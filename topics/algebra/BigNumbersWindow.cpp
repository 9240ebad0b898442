#include "topics/algebra/BigNumbersWindow.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "kernel/KernelState.h"
#include "shell/Fonts.h"
#include "shell/Metrics.h"
#include "shell/catalogue/TopicRegistry.h"
#include "shell/commands/Commands.h"
#include "shell/kit/InputRows.h"
#include "shell/kit/Symbols.h"
#include "topics/algebra/AlgebraKit.h"
#include "topics/frame/LongRun.h"

namespace zw {

namespace {

// ----- registration of the window (one place, moved as a whole) -----

// Items 5 to 7 head the range columns of n and k.
constexpr TextItem kDe[] = {{1, u"Gerechnet wird mit ganzen Zahlen mit maximal 10000 Ziffern."},
                            {4, u"Rest"},
                            {5, u"von"},
                            {6, u"bis"},
                            {7, u"step"}};
constexpr TextItem kEn[] = {{1, u"Calculates with integers of at most 10000 digits."},
                            {4, u"remainder"},
                            {5, u"from"},
                            {6, u"to"},
                            {7, u"step"}};
constexpr TextItem kFr[] = {{1, u"Calcule avec des entiers de 10000 chiffres au plus."},
                            {4, u"reste"},
                            {5, u"de"},
                            {6, u"à"},
                            {7, u"pas"}};
constexpr int kFirstHeadItem = 5;

const char* const kDefaults[8] = {"3", "4", "4", "4", "4", "4", "4", "4"};
const QString kGroupCaption = QStringLiteral("  0 000");

TopicConfig bigIntConfig() {
  TopicConfig c;
  c.pages = TopicConfig::singlePage();
  c.size = SizePolicy::HoldWidth;
  c.heldWidth = 760;
  c.memo = MemoPolicy::RunningRecord;
  c.taskLines = 1;
  return c;
}

std::u16string text(const QLineEdit* e) { return e->text().toStdU16String(); }

// One row of a table per step; ESC ends the table after the current row.
class TableStepper : public Stepper {
public:
  TableStepper(TFBigInt* window, BigTableRows rows, std::function<void(const QStringList&)> append,
               std::function<void(const TBigInt&)> result)
      : window_(window), rows_(std::move(rows)), append_(std::move(append)), result_(std::move(result)) {}

  bool step() override {
    QStringList lines;
    // The question between two values of n opens between slices: the
    // stepper's timer is armed again only after this step.
    const bool more = rows_.next(lines, [this] {
      return window_ && AskYesNo(window_, QStringLiteral("Continue"), GetText(IBigInt, 0));
    });
    if (!window_) return false;
    if (!lines.isEmpty()) append_(lines);
    result_(rows_.value());
    return more;
  }
  void finish(End, int) override {}

private:
  QPointer<TFBigInt> window_;
  BigTableRows rows_;
  std::function<void(const QStringList&)> append_;
  std::function<void(const TBigInt&)> result_;
};

// A division of numbers of thousands of digits takes a moment. It runs as a
// run of one step, so that the wait line and the hourglass show before it
// starts; both go when its lines are written. The run owns its operands.
class DivisionStepper : public Stepper {
public:
  using Done = std::function<void(bool finished, const QStringList& lines, const TBigInt& c, const TBigInt& r)>;
  DivisionStepper(const TBigInt& a, const TBigInt& b, std::u16string remainderWord, BigIntTextOptions options,
                  Done done)
      : a_(std::make_unique<TBigInt>(a)), b_(std::make_unique<TBigInt>(b)), c_(std::make_unique<TBigInt>()),
        r_(std::make_unique<TBigInt>()), remainderWord_(std::move(remainderWord)), options_(options),
        done_(std::move(done)) {
    BigIntZero(*c_);
    BigIntZero(*r_);
  }

  bool step() override {
    lines_ = BigOperation(BigOp::Div, *a_, *b_, *c_, *r_, remainderWord_, options_);
    return false;
  }
  // Stopped before the step (ESC, closing): no line, and c and r unchanged.
  void finish(End end, int) override { done_(end == End::Finished, lines_, *c_, *r_); }

private:
  std::unique_ptr<TBigInt> a_, b_, c_, r_;
  std::u16string remainderWord_;
  BigIntTextOptions options_;
  Done done_;
  QStringList lines_;
};

}  // namespace

TFBigInt::TFBigInt(QWidget* owner)
    : TopicWindow(owner, ClassName, bigIntConfig()),
      a_(std::make_unique<TBigInt>()),
      b_(std::make_unique<TBigInt>()),
      c_(std::make_unique<TBigInt>()),
      r_(std::make_unique<TBigInt>()) {
  for (auto* v : {a_.get(), b_.get(), c_.get(), r_.get()}) BigIntZero(*v);
  QWidget* box = inputArea();
  for (int i = 0; i < 8; ++i) {
    QLineEdit* e = edits_[static_cast<std::size_t>(i)] = new QLineEdit(box);
    e->setObjectName(QStringLiteral("ed%1").arg(QString::fromLatin1(BigFieldKeys[i])));
    fields().addField(QString::fromLatin1(BigFieldKeys[i]), e, 0, QString::fromLatin1(kDefaults[i]));
  }
  for (auto& l : opCaptions_) l = new QLabel(box);
  for (auto& l : rangeCaptions_) l = new QLabel(box);
  for (auto& l : heads_) l = new QLabel(box);
  cba_ = new QCheckBox(kGroupCaption, box);
  cbb_ = new QCheckBox(kGroupCaption, box);
  radioBox_ = new QGroupBox(box);
  for (int i = 0; i < 4; ++i) {
    items_[static_cast<std::size_t>(i)] = new QRadioButton(radioBox_);
    itemGroup_.addButton(items_[static_cast<std::size_t>(i)], i);
  }
  items_[0]->setChecked(true);
  keys_ = new QGroupBox(box);
  for (int i = 0; i < ButtonCount; ++i) {
    auto* b = buttons_[static_cast<std::size_t>(i)] = new QPushButton(keys_);
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this, guardedSlot([this, i] { clicked(static_cast<Button>(i)); }));
  }
  cbc_ = new QCheckBox(kGroupCaption, keys_);
  cbSci_ = new QCheckBox(QStringLiteral("     SCI"), keys_);
  const KernelState& ks = kernelState();
  cba_->setChecked(ks.BigIntGroupA);
  cbb_->setChecked(ks.BigIntGroupB);
  cbc_->setChecked(ks.BigIntGrouping);
  cbSci_->setChecked(ks.BigIntShortForm);
  connect(edits_[0], &QLineEdit::textEdited, this, guardedSlot([this] { regroup(edits_[0], cba_); }));
  connect(edits_[1], &QLineEdit::textEdited, this, guardedSlot([this] { regroup(edits_[1], cbb_); }));
  connect(cba_, &QCheckBox::clicked, this, guardedSlot([this] { regroup(edits_[0], cba_); }));
  connect(cbb_, &QCheckBox::clicked, this, guardedSlot([this] { regroup(edits_[1], cbb_); }));
  connect(cbc_, &QCheckBox::clicked, this, [this] { kernelState().BigIntGrouping = cbc_->isChecked(); });
  connect(cbSci_, &QCheckBox::clicked, this, [this] { kernelState().BigIntShortForm = cbSci_->isChecked(); });
  okButton(0)->setDefault(false);
  okButton(0)->setAutoDefault(false);
  initTopic();
}

void TFBigInt::regroup(QLineEdit* e, QCheckBox* box) {
  const bool on = box->isChecked();
  (box == cba_ ? kernelState().BigIntGroupA : kernelState().BigIntGroupB) = on;
  std::u16string s = BigIntStripBlanks(text(e));
  if (on) s = BigIntGroupDigits(s);
  e->setText(QString::fromStdU16String(s));
  e->setCursorPosition(static_cast<int>(e->text().size()));
}

BigIntTextOptions TFBigInt::textOptions() const { return {cbc_->isChecked(), cbSci_->isChecked()}; }

void TFBigInt::appendLines(const QStringList& lines) { appendMemoLines(lines); }

void TFBigInt::setMemoText(const QString& t) { memo()->setPlainText(t); }

void TFBigInt::operation(BigOp op, bool resultToA) {
  // One division at a time; its result is still to come.
  if (op == BigOp::Div && longRun().running()) return;
  // A bad operand or range is refused by the frame (InputRejected).
  ReadBigOperand(text(edits_[0]), 0, *a_);
  ReadBigOperand(text(edits_[1]), 1, *b_);
  const std::u16string remainderWord = GetText(IBigInt, 4).toStdU16String();
  if (op != BigOp::Div) {
    appendLines(BigOperation(op, *a_, *b_, *c_, *r_, remainderWord, textOptions()));
    if (resultToA) edits_[0]->setText(QString::fromStdU16String(BigIntToStr(*c_)));
    return;
  }
  const QString wait = GetMessageText(1);
  appendLines({wait});
  startLongRun(std::make_unique<DivisionStepper>(
      *a_, *b_, remainderWord, textOptions(),
      [this, wait, resultToA](bool finished, const QStringList& lines, const TBigInt& c, const TBigInt& r) {
        removeLastLine(wait);
        if (!finished) return;
        *c_ = c;
        *r_ = r;
        appendLines(lines);
        if (resultToA) edits_[0]->setText(QString::fromStdU16String(BigIntToStr(*c_)));
      }));
}

void TFBigInt::removeLastLine(const QString& line) {
  QTextBlock last = memo()->document()->lastBlock();
  if (last.text() != line) return;
  QTextCursor cursor(last);
  // With the line break before it, unless it is the only line.
  cursor.select(QTextCursor::BlockUnderCursor);
  cursor.removeSelectedText();
}

void TFBigInt::table(BigTable t) {
  if (longRun().running()) return;
  BigRange n, k;
  if (t == BigTable::PowA) ReadBigOperand(text(edits_[0]), 0, *a_);
  n = ReadBigRange(text(edits_[2]), text(edits_[3]), text(edits_[4]), 2);
  if (t == BigTable::Binomial || t == BigTable::Permutations)
    k = ReadBigRange(text(edits_[5]), text(edits_[6]), text(edits_[7]), 5);
  startLongRun(std::make_unique<TableStepper>(
      this, BigTableRows(t, *a_, n, k, textOptions()), [this](const QStringList& lines) { appendLines(lines); },
      [this](const TBigInt& v) { *c_ = v; }));
}

void TFBigInt::compute() {
  static constexpr BigOp ops[4] = {BigOp::Add, BigOp::Sub, BigOp::Mul, BigOp::Div};
  const int item = std::max(0, itemGroup_.checkedId());
  operation(ops[item], true);
}

void TFBigInt::clicked(Button b) {
  QClipboard* clip = QGuiApplication::clipboard();
  switch (b) {
    case BtnAdd: operation(BigOp::Add); break;
    case BtnSub: operation(BigOp::Sub); break;
    case BtnMult: operation(BigOp::Mul); break;
    case BtnDiv: operation(BigOp::Div); break;
    case BtnPot10: table(BigTable::Pow10); break;
    case BtnPot2: table(BigTable::Pow2); break;
    case BtnPot: table(BigTable::PowA); break;
    case BtnFak: table(BigTable::Factorial); break;
    case BtnBino: table(BigTable::Binomial); break;
    case BtnnPr: table(BigTable::Permutations); break;
    case BtnCopyToa: edits_[0]->setText(QString::fromStdU16String(BigIntToStr(*c_))); break;
    case BtnCopyTob: edits_[1]->setText(QString::fromStdU16String(BigIntToStr(*c_))); break;
    case BtnCopyrTob: edits_[1]->setText(QString::fromStdU16String(BigIntToStr(*r_))); break;
    case BtnSwap: {
      const QString t = edits_[0]->text();
      edits_[0]->setText(edits_[1]->text());
      edits_[1]->setText(t);
      break;
    }
    case BtnCLE:
      for (int i : {0, 1, 2, 5}) edits_[static_cast<std::size_t>(i)]->clear();
      break;
    case BtnCLR:
      clip->setText(memo()->toPlainText());
      memo()->clear();
      break;
    case BtnDEL: {
      if (memo()->toPlainText().isEmpty()) break;
      clip->setText(memo()->toPlainText());
      setMemoLines(BigDeleteLastBlock(memoLines()));
      break;
    }
    case BtnReset: setMemoText(clip->text()); break;
    case ButtonCount: break;
  }
}

void TFBigInt::layoutInputs() {
  const LayoutMetrics& m = metrics();
  const QFont& tf = fonts().TextFont.font;
  const FontTextMeasurer font(tf);
  const int left = ScalePixels(16);
  const int capW = font.width(QStringLiteral(" a =  "));
  const int rowH = m.RowHeight;
  const int cbW = ScalePixels(76);
  // a and b: caption, field, grouping box.
  const int opW = ScalePixels(238);
  const QString opTexts[2] = {QStringLiteral(" a = "), QStringLiteral(" b = ")};
  // The rows one row step apart, as the kit places rows: the fields never touch.
  const int step = m.RowTop[2] - m.RowTop[1];
  for (int i = 0; i < 2; ++i) {
    PlaceLabelEditSized(opCaptions_[static_cast<std::size_t>(i)], edits_[static_cast<std::size_t>(i)], left, i * step,
                        capW, opW, opTexts[i]);
  }
  cba_->setGeometry(left + capW + opW + ScalePixels(4), 0, cbW, rowH);
  cbb_->setGeometry(left + capW + opW + ScalePixels(4), step, cbW, rowH);
  // The ranges: heads, then the n and k rows.
  const int rangeW = ScalePixels(60);
  const int rangeTop = 2 * step + ScalePixels(4);
  for (int j = 0; j < 3; ++j) {
    QLabel* h = heads_[static_cast<std::size_t>(j)];
    h->setText(GetText(IBigInt, kFirstHeadItem + j));
    h->setFont(tf);
    h->setAlignment(Qt::AlignCenter);
    h->setGeometry(left + capW + j * (rangeW + ScalePixels(4)), rangeTop, rangeW, rowH);
  }
  const QString rowTexts[2] = {QStringLiteral(" n = "), QStringLiteral(" k = ")};
  for (int r = 0; r < 2; ++r) {
    const int top = rangeTop + (r + 1) * step;
    PlaceLabelEditSized(rangeCaptions_[static_cast<std::size_t>(r)], edits_[static_cast<std::size_t>(2 + 3 * r)], left, top,
                        capW, rangeW, rowTexts[r]);
    for (int j = 1; j < 3; ++j)
      edits_[static_cast<std::size_t>(2 + 3 * r + j)]->setGeometry(left + capW + j * (rangeW + ScalePixels(4)), top, rangeW,
                                                                   rowH);
  }
  // The operation items of OK.
  const QString dot = MulDot(), dash = EnDash(), thin = ThinSpace();
  const QString itemTexts[4] = {
      QStringLiteral("a+b+...+b"), QStringLiteral("a") + dash + QStringLiteral(" b") + dash + QStringLiteral("...") + dash + QStringLiteral(" b"),
      QStringLiteral("a") + dot + QStringLiteral(" b") + dot + QStringLiteral(" ... ") + dot + QStringLiteral(" b"),
      QStringLiteral("a") + thin + QStringLiteral(":") + thin + QStringLiteral("b") + thin + QStringLiteral(":") + thin +
          QStringLiteral("...") + thin + QStringLiteral(":") + thin + QStringLiteral("b")};
  // Below the ranges, two items a row.
  const int radioTop = edits_[5]->geometry().bottom() + ScalePixels(8);
  radioBox_->setGeometry(left + capW, radioTop, ScalePixels(288), 2 * ScalePixels(20) + ScalePixels(8));
  for (int i = 0; i < 4; ++i) {
    QRadioButton* rb = items_[static_cast<std::size_t>(i)];
    rb->setText(itemTexts[i]);
    rb->setFont(tf);
    rb->setGeometry(ScalePixels(6) + (i % 2) * ScalePixels(140), ScalePixels(4 + 20 * (i / 2)), ScalePixels(136),
                    ScalePixels(20));
  }
  // The key group to the right.
  const QString sup = SuperscriptNSign();
  const QString captions[ButtonCount] = {
      QStringLiteral("a + b"), QStringLiteral("a ") + dash + QStringLiteral(" b"), QStringLiteral("a ") + dot + QStringLiteral(" b"),
      QStringLiteral("a div b"), QStringLiteral("10") + sup, QStringLiteral("2") + sup, QStringLiteral("a") + sup,
      QStringLiteral("n!"), QStringLiteral("nCr(n,k)"), QStringLiteral("nPr(n,k)"), QStringLiteral("c → a"),
      QStringLiteral("c → b"), QStringLiteral("r → b"), QStringLiteral("a ↔ b"), QStringLiteral("CLE"),
      QStringLiteral("CLR"), QStringLiteral("DEL"), QStringLiteral("⟲")};
  // Three keys a row, right of the inputs (the page holds the window's width).
  const int keysX = left + capW + opW + cbW + ScalePixels(8);
  const int bw = ScalePixels(72), bh = ScalePixels(24), cols = 3;
  const int rows = (ButtonCount + cols - 1) / cols;
  keys_->setGeometry(keysX, m.RowTop[0], cols * (bw + ScalePixels(4)) + ScalePixels(8),
                     rows * (bh + ScalePixels(4)) + rowH + ScalePixels(12));
  for (int i = 0; i < ButtonCount; ++i) {
    QPushButton* b = buttons_[static_cast<std::size_t>(i)];
    b->setText(captions[i]);
    QFont f = tf;
    if (i == BtnReset) f.setPointSize(18);
    b->setFont(f);
    b->setGeometry(ScalePixels(6) + (i % cols) * (bw + ScalePixels(4)), ScalePixels(6) + (i / cols) * (bh + ScalePixels(4)), bw, bh);
  }
  const int cbTop = ScalePixels(6) + rows * (bh + ScalePixels(4));
  cbc_->setGeometry(ScalePixels(6), cbTop, cbW, rowH);
  cbSci_->setGeometry(ScalePixels(6) + cbW + ScalePixels(8), cbTop, cbW + ScalePixels(16), rowH);
  // The memo fills the rest.
  const int memoTop = std::max(radioBox_->geometry().bottom(), std::max(keys_->geometry().bottom(), edits_[5]->geometry().bottom())) +
                      ScalePixels(8);
  QFont mf = tf;
  mf.setPointSize(11);
  mf.setBold(false);
  memo()->setFont(mf);
  // As wide as the rows above it: a width taken from the area would hold the
  // area at its widest.
  memo()->setGeometry(left, memoTop, keys_->geometry().right() - left, 6 * rowH);
}

// The texts of the topic's page; called by the area's registration.
void RegisterBigNumbersTexts() {
  static const TextPageRegistration regDe{IBigInt, TextLanguage::German, kDe};
  static const TextPageRegistration regEn{IBigInt, TextLanguage::English, kEn};
  static const TextPageRegistration regFr{IBigInt, TextLanguage::French, kFr};
}

}  // namespace zw
