// The line and plane dialogs (reading, one message for bad cells, Esc, the
// grid's pop-up menu with real CSV files and the clipboard) and what their
// answers become in a window's fields.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "kernel/CalcFailure.h"
#include "shell/gridexchange/GridExchange.h"
#include "shell/gridexchange/GridMenu.h"
#include "shell/kit/Grids.h"
#include "shell/texts/Texts.h"
#include "tests/topics/TopicTestBase.h"
#include "topics/space/DialogInputs.h"
#include "topics/space/SpaceDialogs.h"

namespace zw {
namespace {

class SpaceDialogsTest : public TopicTestBase {
protected:
  void SetUp() override {
    TopicTestBase::SetUp();
    kernelState().RegionalDecimalSeparator = u'.';
  }
  void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
  }
};

template <std::size_t N>
std::vector<std::string> Utf8(const std::array<std::u16string, N>& texts) {
  std::vector<std::string> out;
  for (const auto& t : texts) out.push_back(QString::fromStdU16String(t).toStdString());
  return out;
}

TEST_F(SpaceDialogsTest, LineFieldsFromTwoPoints) {
  struct Case {
    TVec3 a, b;
    DirectionFrom direction;
    int undetermined;
    int message;  // 0: fields
    std::vector<std::string> texts;
  } cases[] = {
      {{1, 2, 3}, {4, 6, 3}, DirectionFrom::AToB, 10, 0, {"1", "2", "3", "3", "4", "0"}},
      {{1, 2, 3}, {4, 6, 3}, DirectionFrom::BToA, 10, 0, {"1", "2", "3", "-3", "-4", "0"}},
      {{0.5L, 0, 0}, {0, 0, 0}, DirectionFrom::AToB, 10, 0, {"0.5", "0", "0", "-0.5", "0", "0"}},
      {{1, 1, 1}, {1, 1, 1}, DirectionFrom::AToB, 10, 10, {}},
      {{0, 0, 0}, {0, 0, 0}, DirectionFrom::BToA, 11, 11, {}},
  };
  for (const Case& c : cases) {
    try {
      const LineFields f = LineFieldsFromTwoPoints(c.a, c.b, c.direction, c.undetermined);
      EXPECT_EQ(c.message, 0);
      EXPECT_EQ(Utf8(f.texts), c.texts);
    } catch (const CalcFailure& e) {
      EXPECT_EQ(e.message(), c.message);
    }
  }
}

TEST_F(SpaceDialogsTest, PlaneFieldsFromPointsOrVectorEquation) {
  struct Case {
    const char* what;
    std::function<PlaneFields()> convert;
    int message;
    std::vector<std::string> texts;
  } cases[] = {
      {"three points", [] { return PlaneFieldsFromThreePoints({0, 0, 0}, {1, 0, 0}, {0, 1, 0}); }, 0,
       {"0", "0", "1", "0"}},
      {"x + y + z = 1", [] { return PlaneFieldsFromThreePoints({1, 0, 0}, {0, 1, 0}, {0, 0, 1}); }, 0,
       {"1", "1", "1", "1"}},
      {"collinear", [] { return PlaneFieldsFromThreePoints({0, 0, 0}, {1, 1, 1}, {2, 2, 2}); }, 8, {}},
      {"equal points", [] { return PlaneFieldsFromThreePoints({1, 2, 3}, {1, 2, 3}, {1, 2, 3}); }, 8, {}},
      {"vector equation", [] { return PlaneFieldsFromVectorEquation({1, 2, 3}, {1, 0, 0}, {0, 1, 0}); }, 0,
       {"0", "0", "1", "3"}},
      {"parallel u and v", [] { return PlaneFieldsFromVectorEquation({1, 2, 3}, {1, 2, 3}, {2, 4, 6}); }, 22, {}},
      {"u = 0", [] { return PlaneFieldsFromVectorEquation({1, 2, 3}, {0, 0, 0}, {0, 1, 0}); }, 22, {}},
  };
  for (const Case& c : cases) {
    try {
      const PlaneFields f = c.convert();
      EXPECT_EQ(c.message, 0) << c.what;
      EXPECT_EQ(Utf8(f.texts), c.texts) << c.what;
    } catch (const CalcFailure& e) {
      EXPECT_EQ(e.message(), c.message) << c.what;
    }
  }
}

TEST_F(SpaceDialogsTest, GridDialogsReadEveryCellAndReportBadOnesOnce) {
  TFGetAB3D d;
  EXPECT_EQ(d.windowTitle(), GetText(IGetAB, 0));
  EXPECT_EQ(d.grid()->RowCount(), 3);
  EXPECT_EQ(d.grid()->ColCount(), 4);
  d.grid()->setCells(1, 1, "2*3");
  d.grid()->setCells(2, 1, "abc");  // A.y
  d.grid()->setCells(1, 2, "1e999");  // B.x
  d.okClicked();
  ASSERT_EQ(errors_, std::vector<QString>{GetMessageText(22)});
  EXPECT_NE(d.result(), QDialog::Accepted);
  EXPECT_EQ(d.grid()->Col(), 2);
  EXPECT_EQ(d.grid()->Row(), 1);
  d.grid()->setCells(2, 1, "");
  d.grid()->setCells(1, 2, "-1/4");
  d.okClicked();
  EXPECT_EQ(d.result(), QDialog::Accepted);
  EXPECT_EQ(d.p1.x, 6);
  EXPECT_EQ(d.p1.y, 0);  // an empty cell reads as 0
  EXPECT_EQ(d.p2.x, -0.25L);

  // Three points: the answer through the Ask function, answered in code.
  const auto answer = AskThreePoints3D(nullptr, [](TFGetABC* c) {
    EXPECT_EQ(c->grid()->RowCount(), 4);
    for (int i = 0; i < 9; ++i) c->grid()->setCells(1 + i % 3, 1 + i / 3, QString::number(i + 1));
    c->okClicked();
    return c->result();
  });
  ASSERT_TRUE(answer);
  EXPECT_EQ(answer->c.z, 9);
  EXPECT_EQ(answer->b.x, 4);
  // Cancel answers nothing.
  EXPECT_FALSE(AskTwoPoints3D(nullptr, [](TFGetAB3D* c) {
    c->escButton()->click();
    return c->result();
  }));
}

TEST_F(SpaceDialogsTest, VectorEquationDialogReadsItsNineFields) {
  TFGetVGl d;
  const char* texts[9] = {"1", "2", "3", "1", "", "0", "0", "1", "0"};
  for (int i = 0; i < 9; ++i) d.edit(i)->setText(texts[i]);
  d.edit(4)->setText("1#");
  d.edit(7)->setText(QString(10000, u'9'));
  d.show();
  d.okClicked();
  ASSERT_EQ(errors_, std::vector<QString>{GetMessageText(22)});
  EXPECT_TRUE(d.isVisible());
  EXPECT_EQ(d.focusWidget(), d.edit(4)) << d.focusWidget()->objectName().toStdString();
  d.edit(4)->setText("");
  d.edit(7)->setText("1");
  d.okClicked();
  EXPECT_EQ(d.result(), QDialog::Accepted);
  EXPECT_EQ(d.p.z, 3);
  EXPECT_EQ(d.u.x, 1);
  EXPECT_EQ(d.v.y, 1);
  const PlaneFields f = PlaneFieldsFromVectorEquation(d.p, d.u, d.v);
  EXPECT_EQ(Utf8(f.texts), (std::vector<std::string>{"0", "0", "1", "3"}));
}

TEST_F(SpaceDialogsTest, EscClosesOnlyTheVectorEquationDialog) {
  TFGetVGl vgl;
  vgl.show();
  QTest::keyClick(&vgl, Qt::Key_Escape);
  EXPECT_FALSE(vgl.isVisible());
  EXPECT_EQ(vgl.result(), QDialog::Rejected);

  TFGetABC abc;
  abc.show();
  QTest::keyClick(&abc, Qt::Key_Escape);
  EXPECT_TRUE(abc.isVisible());
  abc.escButton()->click();
  EXPECT_FALSE(abc.isVisible());
  EXPECT_EQ(abc.result(), QDialog::Rejected);
}

TEST_F(SpaceDialogsTest, GridMenuWithTheClipboardAndCsvFiles) {
  TFGetABC d;
  StringGrid* g = d.grid();
  // Copy and paste through the real clipboard.
  g->setCells(1, 1, "1");
  g->setCells(3, 3, "9");
  d.gridMenu()->copy();
  EXPECT_TRUE(QApplication::clipboard()->text().contains("9"));
  QApplication::clipboard()->setText("7;8;9\r\n4;5;6");
  g->setCurrentGridCell(1, 1);
  d.gridMenu()->paste();
  EXPECT_EQ(g->Cells(3, 1), "9");
  EXPECT_EQ(g->Cells(1, 2), "4");

  // Export to a real file.
  commandUi().saveFile = [&](QWidget*, const QString&, const QString&) { return file("abc.csv"); };
  d.gridMenu()->exportCsv();
  QFile out(file("abc.csv"));
  ASSERT_TRUE(out.open(QIODevice::ReadOnly));
  EXPECT_TRUE(QString::fromUtf8(out.readAll()).contains("4;5;6"));

  // Five lines of four values: only A, B, C with x, y, z stay.
  writeFile(file("big.csv"), "1;2;3;4\n5;6;7;8\n9;10;11;12\n13;14;15;16\n17;18;19;20\n");
  commandUi().openFile = [&](QWidget*, const QString&, const QString&) { return file("big.csv"); };
  d.gridMenu()->importCsv();
  EXPECT_EQ(g->RowCount(), 4);
  EXPECT_EQ(g->ColCount(), 4);
  EXPECT_EQ(g->Cells(1, 1), "1");
  EXPECT_EQ(g->Cells(3, 3), "11");
  // A file that cannot be read is reported, and the grid stays as it was.
  errors_.clear();
  commandUi().openFile = [&](QWidget*, const QString&, const QString&) { return file("missing.csv"); };
  d.gridMenu()->importCsv();
  EXPECT_EQ(errors_.size(), 1u);
  EXPECT_EQ(g->RowCount(), 4);
  EXPECT_EQ(g->Cells(3, 3), "11");
  writeFile(file("binary.csv"), QByteArray("\x00\x01\x02\x03", 4));
  commandUi().openFile = [&](QWidget*, const QString&, const QString&) { return file("binary.csv"); };
  d.gridMenu()->importCsv();
  EXPECT_EQ(errors_.size(), 2u);
  EXPECT_EQ(g->Cells(1, 1), "1");
}

}  // namespace
}  // namespace zw
