// The decimal-to-fraction topic: the three record lines of terminating and
// repeating inputs, exact results against Boost's rationals, the 10^18
// bound with the field at fault, and the window's running record.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <boost/multiprecision/cpp_int.hpp>
#include <boost/rational.hpp>
#include <memory>
#include <random>

#include "kernel/KernelState.h"
#include "platform/ini/IniFile.h"
#include "shell/State.h"
#include "shell/commands/Commands.h"
#include "tests/topics/PdfText.h"
#include "tests/topics/TopicTestBase.h"
#include "topics/algebra/Dez2Br.h"
#include "topics/algebra/Dez2BrWindow.h"

namespace zw {
namespace {

class Dez2BrComputeTest : public TopicTestBase {};

TEST_F(Dez2BrComputeTest, RecordLinesOfTerminatingAndRepeatingInputs) {
  struct Case {
    const char* ns;
    const char* ps;
    QStringList lines;
  };
  const Case cases[] = {
      {"0.1", "6", {QString(9, u' ') + "_", "      0,16 = 1/10 + 6/90", QString(10, u' ') + " = 1/6"}},
      {"", "", {QString(9, u' ') + "_", "       0,0 = 0/1 + 0/9", QString(10, u' ') + " = 0"}},
      {"0,25", "", {QString(9, u' ') + "_", "     0,250 = 25/100 + 0/900", QString(10, u' ') + " = 1/4"}},
      {"12", "3", {QString(9, u' ') + "_", "      12,3 = 12/1 + 3/9", QString(10, u' ') + " = 37/3"}},
      {"0", "142857", {QString(4, u' ') + "______", "  0,142857 = 0/1 + 142857/999999", QString(10, u' ') + " = 1/7"}},
      {" 2.5 ", "0", {QString(9, u' ') + "_", "      2,50 = 25/10 + 0/90", QString(10, u' ') + " = 5/2"}},
      // A key longer than 10 widens the column.
      {"3.14159", "2653", {QString(8, u' ') + "____", " 3,141592653 = 314159/100000 + 2653/999900000",
                           QString(12, u' ') + " = 1570639247/499950000"}},
  };
  for (const Case& c : cases) {
    const Dez2BrConversion r = ConvertDecimal(QString::fromUtf8(c.ns), QString::fromUtf8(c.ps));
    ASSERT_EQ(r.badField, -1) << c.ns;
    EXPECT_EQ(r.lines, c.lines) << c.ns << "|" << c.ps;
  }
  // The language's decimal sign, not the regional one.
  kernelState().LanguageDecimalSeparator.assign(1, u'.');
  EXPECT_EQ(ConvertDecimal("0,1", "6").lines.value(1), "      0.16 = 1/10 + 6/90");
}

TEST_F(Dez2BrComputeTest, BadTextsAndTheBoundNameTheFieldAtFault) {
  struct Case {
    const char* ns;
    const char* ps;
    int bad;
  };
  const Case cases[] = {
      {"2/5", "", 0},       {"1.2.3", "", 0},   {"-1", "", 0},     {"1e3", "", 0},     {".", "", 0},
      {"0,5 ", "1a", 1},    {"1", "-3", 1},     {"1", "3 3", 1},
      {"1000000000000000001", "", 0},   // N above 10^18
      {"0.0000000000000000001", "", 0}, // B = 10^19
      {"0.1", "123456789012345678", 1}, // D2 = 10 * (10^18 - 1)
      {"1000000000000000000", "", -1},  // N = 10^18 passes
      {"0", "999999999999999999", -1},  // D2 = 10^18 - 1 passes
  };
  for (const Case& c : cases)
    EXPECT_EQ(ConvertDecimal(QString::fromUtf8(c.ns), QString::fromUtf8(c.ps)).badField, c.bad) << c.ns << "|" << c.ps;
  // The longest texts the window sizes its fields for pass.
  EXPECT_EQ(ConvertDecimal(QString::fromUtf16(Dez2BrLongestDecimal), QString()).badField, -1);
  EXPECT_EQ(ConvertDecimal(QString(), QString::fromUtf16(Dez2BrLongestPeriod)).badField, -1);
}

TEST_F(Dez2BrComputeTest, ResultsAreExactUpToTheBound) {
  using boost::multiprecision::cpp_int;
  using Q = boost::rational<cpp_int>;
  std::mt19937_64 rng(7);
  for (int round = 0; round < 300; ++round) {
    const int k = static_cast<int>(rng() % 9), lp = 1 + static_cast<int>(rng() % 9);
    QString ints = QString::number(rng() % 1000000000ull), decs, period;
    for (int i = 0; i < k; ++i) decs += QChar(u'0' + static_cast<int>(rng() % 10));
    for (int i = 0; i < lp; ++i) period += QChar(u'0' + static_cast<int>(rng() % 10));
    const Dez2BrConversion r = ConvertDecimal(ints + "." + decs, period);
    ASSERT_EQ(r.badField, -1);
    cpp_int ten = 1;
    for (int i = 0; i < k; ++i) ten *= 10;
    cpp_int nines = 1;
    for (int i = 0; i < lp; ++i) nines *= 10;
    const Q expected = Q(cpp_int(std::stoull((ints + decs).toStdString())), ten) +
                       Q(cpp_int(std::stoull(period.toStdString())), ten * (nines - 1));
    const QString want = expected.denominator() == 1
                             ? QString::fromStdString(expected.numerator().str())
                             : QString::fromStdString(expected.numerator().str() + "/" + expected.denominator().str());
    // Up to 16 digits the record shows the exact parts.
    const cpp_int digits16("10000000000000000");
    if (expected.numerator() < digits16 && expected.denominator() < digits16) {
      EXPECT_TRUE(r.lines[2].endsWith(" = " + want)) << r.lines[2].toStdString() << " " << want.toStdString();
    }
  }
}

class Dez2BrWindowTest : public TopicTestBase {
protected:
  std::unique_ptr<TFDez2Br> open() {
    auto w = std::make_unique<TFDez2Br>();
    w->setAttribute(Qt::WA_DeleteOnClose, false);
    w->show();
    return w;
  }
  static void run(TFDez2Br& w, const QString& ns, const QString& ps) {
    if (w.currentPage() == 1) w.okButton(1)->click();
    w.edit(0)->setText(ns);
    w.edit(1)->setText(ps);
    w.okButton(0)->click();
  }
};

TEST_F(Dez2BrWindowTest, RecordGrowsSkipsRepeatsAndKeepsLinesOnBadInput) {
  auto w = open();
  run(*w, "0.1", "6");
  ASSERT_EQ(w->memoLines().size(), 3);
  EXPECT_EQ(w->memoLines()[1], "      0,16 = 1/10 + 6/90");
  run(*w, "0.1", "6");
  EXPECT_EQ(w->memoLines().size(), 3);  // the same request again: nothing appended
  run(*w, "0.25", "");
  run(*w, "0.1", "6");
  EXPECT_EQ(w->memoLines().size(), 9);  // another one in between: listed again

  const QStringList before = w->memoLines();
  struct Case {
    const char* ns;
    const char* ps;
    int focus;
  };
  for (const Case& c : {Case{"2/5", "1", 0}, Case{"0,1", "6x", 1}, Case{"1", "1234567890123456789", 1}}) {
    errors_.clear();
    run(*w, c.ns, c.ps);
    EXPECT_EQ(errors_, std::vector<QString>{"Unzulässige Eingabe"}) << c.ns;
    EXPECT_EQ(w->currentPage(), 0);
    EXPECT_EQ(w->focusWidget(), w->edit(c.focus)) << c.ns;
    EXPECT_EQ(w->edit(1)->text(), c.ps);
    EXPECT_EQ(w->memoLines(), before);
  }
}

TEST_F(Dez2BrWindowTest, SaveReloadAndPrint) {
  shellState().MemoryOption = false;
  auto w = open();
  w->edit(0)->setText(" 0.1");
  w->edit(1)->setText("6 ");
  deliverCommand(w.get(), WM_SAVEWORKSHEET, file("d.dat"));
  EXPECT_EQ(IniFile(file("d.dat")).readString("Dez2Br", "nichtperiodisch"), "0.1");
  auto other = open();
  deliverCommand(other.get(), WM_LOADWORKSHEET, file("d.dat"));
  EXPECT_EQ(other->edit(0)->text(), "0.1");
  EXPECT_EQ(other->edit(1)->text(), "6");

  const QString pdf = printToPdf("d.pdf");
  other->okButton(0)->click();
  deliverCommand(other.get(), WM_PRINTWORKSHEET);
  const QString text = PdfText(pdf);
  EXPECT_TRUE(text.contains(QString::fromUtf8("Dezimalzahlen -> Brüche")));
  EXPECT_TRUE(text.contains("0,16 = 1/10 + 6/90"));
  EXPECT_TRUE(text.contains("= 1/6"));
}

}  // namespace
}  // namespace zw
