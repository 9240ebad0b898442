// The matrix windows on the offscreen platform: grids and their sizes, the
// cell check, worksheets, the grid and output pop-up menus with a real
// clipboard and real files, and the pages of the multiplication.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>

#include "platform/ini/IniFile.h"
#include "shell/State.h"
#include "shell/commands/Commands.h"
#include "shell/gridexchange/GridMenu.h"
#include "tests/topics/TopicTestBase.h"
#include "topics/linalg-stat/LGSWindow.h"
#include "topics/linalg-stat/MatInvWindow.h"
#include "topics/linalg-stat/MatMulWindow.h"
#include "topics/linalg-stat/PseudoWindow.h"

namespace zw {
namespace {

class MatrixWindows : public TopicTestBase {
protected:
  void SetUp() override {
    TopicTestBase::SetUp();
    kernelState().RegionalDecimalSeparator = u',';
    QApplication::clipboard()->clear();
  }
  static void fill(StringGrid* g, const std::vector<QStringList>& rows) {
    for (std::size_t r = 0; r < rows.size(); ++r)
      for (int c = 0; c < rows[r].size(); ++c) g->setCells(c + 1, static_cast<int>(r) + 1, rows[r][c]);
  }
  static QStringList row(const StringGrid* g, int r) {
    QStringList cells;
    for (int c = 1; c < g->ColCount(); ++c) cells << g->Cells(c, r);
    return cells;
  }
  static GridMenu* menuOf(StringGrid* g) { return g->findChild<GridMenu*>(); }
  void writeFile(const QString& name, const QByteArray& bytes) {
    QFile f(file(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
  }
  static QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  void answerOpen(const QString& name) {
    const QString path = file(name);
    commandUi().openFile = [path](QWidget*, const QString&, const QString&) { return path; };
  }
  void answerSave(const QString& name) {
    const QString path = file(name);
    commandUi().saveFile = [path](QWidget*, const QString&, const QString&) { return path; };
  }
};

// ----- equation systems --------------------------------------------------

TEST_F(MatrixWindows, EquationSystemFromTheGrid) {
  shellState().MemoryOption = false;
  auto w = openTopic<TFLGS>();
  // A new window: three equations, heads a, 1..3, b.
  EXPECT_EQ(w->orderSpin()->value(), 3);
  EXPECT_EQ(w->grid()->ColCount(), 5);
  EXPECT_EQ(w->grid()->RowCount(), 4);
  EXPECT_EQ(w->grid()->Cells(0, 0), "a");
  EXPECT_EQ(w->grid()->Cells(4, 0), "b");
  w->okButton(0)->click();
  EXPECT_TRUE(errors_.empty());
  EXPECT_EQ(w->memoLines().last(), "allgemeingültig");

  w->okButton(1)->click();
  w->orderSpin()->setValue(2);
  EXPECT_EQ(w->grid()->ColCount(), 4);
  fill(w->grid(), {{"2", "1", "3"}, {"1", "-1", "0"}});
  w->refBox()->setChecked(true);
  w->rrefBox()->setChecked(true);
  w->okButton(0)->click();
  EXPECT_EQ(w->memoLines(), QStringList({"", "    2·x1 + 1·x2 =    3", "    1·x1 - 1·x2 =    0", "", "ref(A) :",
                                         "  2    1 |     3", "  0 -1,5 |  -1,5", "", "rref(A) :", "  1  0 |   1",
                                         "  0  1 |   1", "", "L = { ( 1; 1)}"}));
  // Cells hold terms.
  w->okButton(1)->click();
  fill(w->grid(), {{"sqrt(2)", "1/3", "0"}, {"0", "1", "1"}});
  w->okButton(0)->click();
  EXPECT_TRUE(w->memoLines()[1].contains("1,4142136·x1 + 0,33333333·x2")) << w->memoLines()[1].toStdString();
}

TEST_F(MatrixWindows, BadCellsAreEachReportedThenOnceMore) {
  shellState().MemoryOption = false;
  auto w = openTopic<TFLGS>();
  fill(w->grid(), {{"1", "x?"}, {"", "", "1e999"}});
  w->okButton(0)->click();
  EXPECT_EQ(errors_, std::vector<QString>(3, "Unzulässige Eingabe"));
  EXPECT_EQ(w->currentPage(), 0);
  EXPECT_EQ(w->grid()->Col(), 1);
  EXPECT_EQ(w->grid()->Row(), 1);
  EXPECT_EQ(w->grid()->Cells(2, 1), "x?");  // nothing typed is lost
}

TEST_F(MatrixWindows, EquationSystemWorksheetKeys) {
  shellState().MemoryOption = false;
  auto w = openTopic<TFLGS>();
  w->orderSpin()->setValue(12);
  EXPECT_EQ(w->grid()->ColCount(), 14);
  w->grid()->setCells(12, 12, "7");
  w->grid()->setCells(13, 12, "8");
  deliverCommand(w.get(), WM_SAVEWORKSHEET, file("lgs.dat"));
  const IniFile ini(file("lgs.dat"));
  const QStringList keys = ini.keys("lgs");
  ASSERT_EQ(keys.size(), 1 + 12 * 13);
  EXPECT_EQ(keys.mid(0, 4), (QStringList{"n", "a0101", "a0102", "a0103"}));
  EXPECT_EQ(keys.mid(13, 3), (QStringList{"b1", "a0201", "a0202"}));
  EXPECT_EQ(keys.last(), "b12");
  EXPECT_EQ(ini.readString("lgs", "a1212"), "7");

  auto other = openTopic<TFLGS>();
  deliverCommand(other.get(), WM_LOADWORKSHEET, file("lgs.dat"));
  EXPECT_EQ(other->orderSpin()->value(), 12);
  EXPECT_EQ(other->grid()->Cells(12, 12), "7");
  EXPECT_EQ(other->grid()->Cells(13, 12), "8");

  // A stored order that is not a whole number in range loads as 3.
  for (const char* bad : {"1", "26", "99", "3.5", "x", "", "-4"}) {
    IniFile f(file("bad.dat"));
    f.writeString("lgs", "n", bad);
    ASSERT_TRUE(f.save());
    deliverCommand(other.get(), WM_LOADWORKSHEET, file("bad.dat"));
    EXPECT_EQ(other->orderSpin()->value(), 3) << bad;
    EXPECT_EQ(other->grid()->ColCount(), 5) << bad;
  }
}

TEST_F(MatrixWindows, EquationSystemImportChecksTheWholeFile) {
  shellState().MemoryOption = false;
  auto w = openTopic<TFLGS>();
  fill(w->grid(), {{"9", "9", "9", "9"}});
  writeFile("short.csv", "1;2;3\r\n4;5\r\n");
  writeFile("long.csv", QByteArray("1;1\r\n").repeated(26));
  answerOpen("short.csv");
  menuOf(w->grid())->importCsv();
  EXPECT_EQ(errors_, std::vector<QString>{"Unzulässige Daten"});
  EXPECT_EQ(row(w->grid(), 1), (QStringList{"9", "9", "9", "9"}));  // unchanged
  answerOpen("long.csv");
  menuOf(w->grid())->importCsv();
  EXPECT_EQ(errors_.size(), 2u);
  EXPECT_EQ(w->orderSpin()->value(), 3);

  writeFile("two.csv", "2;1;3\r\n1;-1;0;extra\r\n");
  answerOpen("two.csv");
  menuOf(w->grid())->importCsv();
  EXPECT_EQ(errors_.size(), 2u);
  EXPECT_EQ(w->orderSpin()->value(), 2);
  EXPECT_EQ(row(w->grid(), 2), (QStringList{"1", "-1", "0"}));
  w->okButton(0)->click();
  EXPECT_EQ(w->memoLines().last(), "L = { ( 1; 1)}");
}

TEST_F(MatrixWindows, GridMenuWithTheClipboardAndFiles) {
  shellState().MemoryOption = false;
  auto w = openTopic<TFLGS>();
  w->orderSpin()->setValue(2);
  // Long cells are never cut.
  const QString longCell = QString(300, u'1');
  fill(w->grid(), {{longCell, "2", "3"}, {"4", "5", "6"}});
  menuOf(w->grid())->copy();
  EXPECT_EQ(QApplication::clipboard()->text(), longCell + ";2;3\r\n4;5;6\r\n");
  menuOf(w->grid())->cut();
  EXPECT_EQ(row(w->grid(), 1), (QStringList{"", "", ""}));
  QApplication::clipboard()->setText("7;8;9\r\n1;2;3\r\n");
  menuOf(w->grid())->paste();
  EXPECT_EQ(row(w->grid(), 1), (QStringList{"7", "8", "9"}));
  answerSave("out");
  menuOf(w->grid())->exportCsv();
  EXPECT_EQ(readFile(file("out.csv")), "7;8;9\r\n1;2;3\r\n");
}

// ----- inversion ----------------------------------------------------------

TEST_F(MatrixWindows, InversionAndItsOutputMenu) {
  shellState().MemoryOption = false;
  auto w = openTopic<TFMatInv>();
  EXPECT_FALSE(w->resultMenu()->copyAction()->isEnabled());  // nothing computed yet
  w->orderSpin()->setValue(2);
  fill(w->grid(), {{"2", "1"}, {"1", "1"}});
  w->okButton(0)->click();
  EXPECT_EQ(w->memoLines().last(), "Ordnung = 2,  Rang = 2,  Determinante = 1");
  ASSERT_TRUE(w->resultMenu()->copyAction()->isEnabled());
  w->resultMenu()->copyAction()->trigger();
  EXPECT_EQ(QApplication::clipboard()->text(), "1;-1\r\n-1;2\r\n");

  // Fifteen digits in the copy, eight in the memo.
  w->okButton(1)->click();
  fill(w->grid(), {{"3", "0"}, {"0", "1"}});
  w->okButton(0)->click();
  answerSave("inverse.txt");
  w->resultMenu()->exportAction()->trigger();
  EXPECT_EQ(readFile(file("inverse.txt.csv")), "0,333333333333333;0\r\n0;1\r\n");
  EXPECT_TRUE(w->memoLines().join('\n').contains("0,33333333 "));

  w->okButton(1)->click();
  fill(w->grid(), {{"1", "2"}, {"2", "4"}});
  w->okButton(0)->click();
  EXPECT_TRUE(w->memoLines().contains("Matrix nicht invertierbar"));
  EXPECT_EQ(w->memoLines().last(), "Ordnung = 2,  Rang = 1,  Determinante = 0");
  EXPECT_FALSE(w->resultMenu()->copyAction()->isEnabled());
  EXPECT_FALSE(w->resultMenu()->exportAction()->isEnabled());
}

TEST_F(MatrixWindows, InversionImportTakesTheOrderFromTheLastLine) {
  shellState().MemoryOption = false;
  auto w = openTopic<TFMatInv>();
  writeFile("m.csv", "1;2;3;4\r\n5;6;7;8\r\n9;10;11;12\r\n");
  answerOpen("m.csv");
  menuOf(w->grid())->importCsv();
  EXPECT_EQ(w->orderSpin()->value(), 4);
  EXPECT_EQ(w->grid()->ColCount(), 5);
  EXPECT_EQ(w->grid()->RowCount(), 5);
  EXPECT_EQ(row(w->grid(), 3), (QStringList{"9", "10", "11", "12"}));
  EXPECT_EQ(row(w->grid(), 4), (QStringList{"", "", "", ""}));
  // A cancelled dialog changes nothing; an order of 31 is refused.
  commandUi().openFile = [](QWidget*, const QString&, const QString&) { return QString(); };
  menuOf(w->grid())->importCsv();
  EXPECT_EQ(w->orderSpin()->value(), 4);
  writeFile("wide.csv", QByteArray("1").append(QByteArray(";1").repeated(30)) + "\r\n");
  answerOpen("wide.csv");
  menuOf(w->grid())->importCsv();
  EXPECT_EQ(errors_, std::vector<QString>{"Unzulässige Daten"});
  EXPECT_EQ(w->orderSpin()->value(), 4);
  // Transpose mirrors the square block.
  w->grid()->setCells(2, 1, "T");
  menuOf(w->grid())->transpose();
  EXPECT_EQ(w->grid()->Cells(1, 2), "T");
}

// ----- multiplication -----------------------------------------------------

TEST_F(MatrixWindows, MultiplicationOverThreePages) {
  shellState().MemoryOption = false;
  auto w = openTopic<TFMatMul>();
  EXPECT_EQ(w->pageControl()->tabText(0), "1. Matrix");
  EXPECT_EQ(w->pageControl()->tabText(2), "Produktmatrix");
  EXPECT_FALSE(w->spin(2)->isEnabled());
  for (int i : {0, 1, 3}) w->spin(i)->setValue(2);
  EXPECT_EQ(w->grid2()->RowCount(), 3);
  fill(w->grid1(), {{"1", "2"}, {"3", "4"}});
  fill(w->grid2(), {{"5", "6"}, {"7", "8"}});
  w->okButton(0)->click();
  EXPECT_EQ(w->currentPage(), 1);
  w->okButton(1)->click();
  EXPECT_EQ(w->currentPage(), 2);
  EXPECT_TRUE(errors_.empty());
  const QStringList lines = w->memoLines();
  EXPECT_EQ(lines.mid(lines.size() - 2), (QStringList{"  ⎛  19  22  ⎞", "  ⎝  43  50  ⎠"}));
  w->resultMenu()->copyAction()->trigger();
  EXPECT_EQ(QApplication::clipboard()->text(), "19;22\r\n43;50\r\n");
  w->okButton(2)->click();
  EXPECT_EQ(w->currentPage(), 0);

  // Changing mz on the first page changes the rows of A2.
  w->spin(1)->setValue(3);
  EXPECT_EQ(w->spin(2)->value(), 3);
  EXPECT_EQ(w->grid2()->RowCount(), 4);
  EXPECT_EQ(w->grid1()->ColCount(), 4);
}

TEST_F(MatrixWindows, MultiplicationChecksBothMatricesForTheProduct) {
  shellState().MemoryOption = false;
  auto w = openTopic<TFMatMul>();
  w->grid1()->setCells(1, 1, "bad");
  w->grid2()->setCells(2, 2, "worse");
  // Straight from the first page to the product: A1 is checked first.
  w->pageControl()->setCurrentIndex(2);
  EXPECT_EQ(errors_, std::vector<QString>(2, "Unzulässige Eingabe"));
  EXPECT_EQ(w->currentPage(), 0);
  errors_.clear();
  w->grid1()->setCells(1, 1, "1");
  w->pageControl()->setCurrentIndex(2);
  EXPECT_EQ(errors_, std::vector<QString>(2, "Unzulässige Eingabe"));
  EXPECT_EQ(w->currentPage(), 1);
  // Entering A2's page checks A1 with one box per bad cell.
  errors_.clear();
  w->pageControl()->setCurrentIndex(0);
  w->grid1()->setCells(2, 2, "?");
  w->okButton(0)->click();
  EXPECT_EQ(errors_, std::vector<QString>{"Unzulässige Eingabe"});
  EXPECT_EQ(w->currentPage(), 0);
}

TEST_F(MatrixWindows, MultiplicationImports) {
  shellState().MemoryOption = false;
  auto w = openTopic<TFMatMul>();
  writeFile("a.csv", "1;2\r\n3;4\r\n5;6\r\n7;8\r\n");
  answerOpen("a.csv");
  menuOf(w->grid1())->importCsv();
  EXPECT_EQ(w->spin(0)->value(), 4);
  EXPECT_EQ(w->spin(1)->value(), 2);
  EXPECT_EQ(w->grid2()->RowCount(), 3);  // A2 takes two rows
  writeFile("b.csv", "1;0;0;1;5\r\n0;1;0;1;5\r\n9;9;9;9;9\r\n");
  answerOpen("b.csv");
  menuOf(w->grid2())->importCsv();
  EXPECT_EQ(w->spin(3)->value(), 5);
  EXPECT_EQ(w->spin(1)->value(), 2);  // of a longer file only the first mz lines
  EXPECT_EQ(w->grid2()->RowCount(), 3);
  EXPECT_EQ(row(w->grid2(), 2), (QStringList{"0", "1", "0", "1", "5"}));
}

// ----- pseudo-inverse -----------------------------------------------------

TEST_F(MatrixWindows, PseudoInverseCopiesTheRightInverse) {
  shellState().MemoryOption = false;
  auto w = openTopic<TFPseudo>();
  w->rowsSpin()->setValue(2);
  fill(w->grid(), {{"1", "0", "0"}, {"0", "1", "0"}});
  w->okButton(0)->click();
  EXPECT_TRUE(w->memoLines().contains(QStringLiteral("A\u1D40\u00B7 A nicht invertierbar")));
  w->resultMenu()->copyAction()->trigger();
  EXPECT_EQ(QApplication::clipboard()->text(), "1;0\r\n0;1\r\n0;0\r\n");
  w->okButton(1)->click();
  fill(w->grid(), {{"0", "0", "0"}, {"0", "0", "0"}});
  w->okButton(0)->click();
  EXPECT_FALSE(w->resultMenu()->copyAction()->isEnabled());
}

TEST_F(MatrixWindows, EveryWorksheetKeyRoundTrips) {
  shellState().MemoryOption = false;
  {
    auto w = openTopic<TFMatMul>();
    w->spin(0)->setValue(2);
    w->spin(1)->setValue(4);
    w->spin(3)->setValue(3);
    for (int r = 1; r <= 2; ++r)
      for (int c = 1; c <= 4; ++c) w->grid1()->setCells(c, r, QString::number(10 * r + c));
    for (int r = 1; r <= 4; ++r)
      for (int c = 1; c <= 3; ++c) w->grid2()->setCells(c, r, QString::number(-10 * r - c));
    deliverCommand(w.get(), WM_SAVEWORKSHEET, file("mm.dat"));
    const IniFile ini(file("mm.dat"));
    const QStringList keys = ini.keys("matmul");
    EXPECT_EQ(keys.mid(0, 4), (QStringList{"n", "m", "l", "a0101"}));
    EXPECT_TRUE(keys.contains("b0403"));
    EXPECT_EQ(keys.size(), 3 + 8 + 12);
    auto other = openTopic<TFMatMul>();
    deliverCommand(other.get(), WM_LOADWORKSHEET, file("mm.dat"));
    EXPECT_EQ(other->spin(1)->value(), 4);
    EXPECT_EQ(row(other->grid1(), 2), (QStringList{"21", "22", "23", "24"}));
    EXPECT_EQ(row(other->grid2(), 4), (QStringList{"-41", "-42", "-43"}));
  }
  {
    auto w = openTopic<TFPseudo>();
    w->rowsSpin()->setValue(30);
    w->columnsSpin()->setValue(25);
    w->grid()->setCells(25, 30, "last");
    deliverCommand(w.get(), WM_SAVEWORKSHEET, file("p.dat"));
    EXPECT_EQ(IniFile(file("p.dat")).readString("pseudo", "a3025"), "last");
    auto other = openTopic<TFPseudo>();
    deliverCommand(other.get(), WM_LOADWORKSHEET, file("p.dat"));
    EXPECT_EQ(other->grid()->Cells(25, 30), "last");
    // New: order 3, empty cells.
    deliverCommand(other.get(), WM_NEWWORKSHEET, file("p.dat"));
    EXPECT_EQ(other->rowsSpin()->value(), 3);
    EXPECT_EQ(other->grid()->Cells(1, 1), "");
  }
  {
    auto w = openTopic<TFMatInv>();
    w->orderSpin()->setValue(4);
    w->grid()->setCells(4, 4, "44");
    deliverCommand(w.get(), WM_SAVEWORKSHEET, file("mi.dat"));
    const QStringList keys = IniFile(file("mi.dat")).keys("matinv");
    EXPECT_EQ(keys.size(), 17);
    EXPECT_EQ(keys.last(), "a0404");
    EXPECT_FALSE(keys.contains("b1"));
  }
}

}  // namespace
}  // namespace zw
