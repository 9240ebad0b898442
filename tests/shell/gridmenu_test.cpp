// The pop-up menu of the input grids: its items in the current language,
// the right click on a cell that is being edited, text still in the editor,
// export and import through the file dialogs, and a failing action.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>

#include "kernel/CalcFailure.h"
#include "platform/folders/Folders.h"
#include "shell/State.h"
#include "shell/commands/Commands.h"
#include "shell/gridexchange/GridExchange.h"
#include "shell/gridexchange/GridMenu.h"
#include "shell/kit/Grids.h"
#include "shell/texts/Texts.h"

namespace zw {
namespace {

class GridMenuTest : public ::testing::Test {
protected:
  void SetUp() override {
    resetCommandUi();
    commandUi().error = [this](QWidget*, const QString& m) { messages_.push_back(m); };
    grid_.setColCount(3);
    grid_.setRowCount(3);
    grid_.resize(300, 120);
  }
  void TearDown() override {
    resetCommandUi();
    shellState().LanguageKind = 0;
    if (QWidget* p = QApplication::activePopupWidget()) p->close();
  }
  QString path(const char* name) const { return joinPath(dir_.path(), QString::fromUtf8(name)); }
  static QStringList captions(QMenu* m) {
    QStringList out;
    for (QAction* a : m->actions()) out << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return out;
  }
  // Opens the editor on cell (col, row) and types text into it without
  // leaving it.
  QLineEdit* typeInto(int col, int row, const QString& text) {
    grid_.show();
    FocusCell(&grid_, col, row);
    auto* editor = qobject_cast<QLineEdit*>(grid_.indexWidget(grid_.currentIndex()));
    if (editor) editor->setText(text);
    return editor;
  }

  StringGrid grid_;
  QTemporaryDir dir_;
  std::vector<QString> messages_;
};

TEST_F(GridMenuTest, ItemsFollowTheLanguageAndTheTransposeOption) {
  struct Case {
    bool transpose;
    int language;
    QStringList want;
  };
  const Case cases[] = {
      {false, 0, {"Matrix ausschneiden", "Matrix kopieren", "Matrix einfügen", "-", "Matrix exportieren",
                  "Matrix importieren"}},
      {true, 1, {"Cut Matrix", "Copy Matrix", "Paste Matrix", "-", "Transpose Matrix", "-", "Export Matrix",
                 "Import Matrix"}},
  };
  for (const Case& c : cases) {
    StringGrid g;
    GridMenuOptions options;
    options.transpose = c.transpose;
    GridMenu* m = AttachGridMenu(&g, options);
    // The language changes while the grid's window is open: the next popup shows it.
    shellState().LanguageKind = c.language;
    m->popup(QPoint(0, 0));
    EXPECT_EQ(captions(m->menu()), c.want);
    EXPECT_EQ(m->transposeAction() != nullptr, c.transpose);
    m->menu()->close();
  }
}

TEST_F(GridMenuTest, RightClickOnACellBeingEditedShowsTheGridMenu) {
  GridMenu* m = AttachGridMenu(&grid_);
  QLineEdit* editor = typeInto(1, 1, "12");
  ASSERT_NE(editor, nullptr);
  const QPoint at(4, 4);
  QContextMenuEvent click(QContextMenuEvent::Mouse, at, editor->mapToGlobal(at));
  QApplication::sendEvent(editor, &click);
  EXPECT_EQ(QApplication::activePopupWidget(), m->menu());
  m->menu()->close();
  // A cell that is not being edited and a head as well.
  for (QWidget* target : {grid_.viewport(), static_cast<QWidget*>(&grid_)}) {
    QContextMenuEvent onGrid(QContextMenuEvent::Mouse, at, target->mapToGlobal(at));
    QApplication::sendEvent(target, &onGrid);
    EXPECT_EQ(QApplication::activePopupWidget(), m->menu());
    m->menu()->close();
  }
}

TEST_F(GridMenuTest, ActionsTakeTheTextStillInTheEditor) {
  GridMenuOptions options;
  options.transpose = true;
  GridMenu* m = AttachGridMenu(&grid_, options);
  grid_.setCells(2, 2, "4");
  ASSERT_NE(typeInto(1, 2, "3"), nullptr);  // typed, not yet in the cell
  m->copy();
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral(";\r\n3;4\r\n"));
  grid_.setCurrentGridCell(2, 1);
  QLineEdit* editor = qobject_cast<QLineEdit*>(grid_.indexWidget(grid_.currentIndex()));
  ASSERT_NE(editor, nullptr);
  editor->setText("2");
  m->transpose();
  EXPECT_EQ(grid_.Cells(1, 2), QStringLiteral("2"));
  EXPECT_EQ(grid_.Cells(2, 1), QStringLiteral("3"));
  // The editor shows what the cell now holds, so closing it writes nothing old back.
  EXPECT_EQ(editor->text(), QStringLiteral("3"));
  m->cut();
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral(";3\r\n2;4\r\n"));
  EXPECT_EQ(editor->text(), QString());
  grid_.setCurrentGridCell(1, 1);
  EXPECT_EQ(GridText(&grid_), QStringLiteral(";\r\n;\r\n"));
}

TEST_F(GridMenuTest, ExportAndImportThroughTheFileDialogs) {
  int imports = 0;
  GridMenuOptions options;
  options.afterImport = [&](StringGrid* g) {
    ++imports;
    GridResize(g, 3, 3);
  };
  GridMenu* m = AttachGridMenu(&grid_, options);
  grid_.setCells(1, 1, "1");
  grid_.setCells(2, 2, "a b");
  QString folder;
  commandUi().saveFile = [&](QWidget*, const QString& f, const QString&) {
    folder = f;
    return path("points");
  };
  m->exportCsv();
  EXPECT_EQ(folder, shellState().DataFolder);
  QFile out(path("points.csv"));
  ASSERT_TRUE(out.open(QIODevice::ReadOnly));
  EXPECT_EQ(out.readAll(), QByteArray("1;\r\n;\"a b\"\r\n"));

  QFile big(path("big.csv"));
  ASSERT_TRUE(big.open(QIODevice::WriteOnly));
  big.write("1;2;3\n4;5;6\n7;8;9\n");
  big.close();
  QString file = path("big.csv");
  commandUi().openFile = [&](QWidget*, const QString&, const QString&) { return file; };
  m->importCsv();
  EXPECT_EQ(imports, 1);
  EXPECT_EQ(grid_.RowCount(), 3);
  EXPECT_EQ(grid_.ColCount(), 3);
  EXPECT_EQ(GridText(&grid_), QStringLiteral("1;2\r\n4;5\r\n"));
  // A file that cannot be read: its message, the grid as it was, no callback.
  file = path("missing.csv");
  m->importCsv();
  EXPECT_EQ(imports, 1);
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_TRUE(messages_[0].contains("missing.csv"));
  EXPECT_EQ(GridText(&grid_), QStringLiteral("1;2\r\n4;5\r\n"));
  // Cancelled dialogs do nothing.
  file.clear();
  commandUi().saveFile = [](QWidget*, const QString&, const QString&) { return QString(); };
  m->importCsv();
  m->exportCsv();
  EXPECT_EQ(messages_.size(), 1u);
}

TEST_F(GridMenuTest, AFailingItemShowsItsMessageAndTheGridStaysUsable) {
  QFile f(path("one.csv"));
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("7\n");
  f.close();
  commandUi().openFile = [&](QWidget*, const QString&, const QString&) { return path("one.csv"); };
  GridMenuOptions options;
  options.afterImport = [](StringGrid*) { throw CalcFailure(msg::Overflow); };
  GridMenu* m = AttachGridMenu(&grid_, options);
  QAction* import = m->menu()->actions().back();
  import->trigger();  // as the menu runs it: guarded
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(messages_[0], GetMessageText(msg::Overflow));
  EXPECT_EQ(grid_.Cells(1, 1), QStringLiteral("7"));
}

}  // namespace
}  // namespace zw
