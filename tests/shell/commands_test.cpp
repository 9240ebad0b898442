// The main window's commands on the active topic window: messages without a
// window, file names and extension rules, dialogs guarded against a window
// that closes, cut/copy/paste on the focused edit, printing to a PDF file.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QStyle>
#include <QTemporaryDir>
#include <QTimer>
#include <QVBoxLayout>
#include <memory>

#include "platform/desktop/Desktop.h"
#include "platform/folders/Folders.h"
#include "shell/Settings.h"
#include "shell/State.h"
#include "shell/catalogue/PlaceholderTopicWindow.h"
#include "shell/catalogue/TopicRegistry.h"
#include "shell/commands/Commands.h"
#include "shell/gridexchange/GridExchange.h"
#include "shell/help/Help.h"
#include "shell/kit/Grids.h"
#include "shell/mainwindow/MainWindow.h"
#include "shell/texts/Texts.h"

namespace zw {
namespace {

struct DialogCall {
  QString folder, filter;
};

class CommandsTest : public ::testing::Test {
protected:
  void SetUp() override {
    resetShellState();
    shellState().DataFolder = withSeparator(dir_.path());
    resetCommandUi();
    CommandUi& ui = commandUi();
    ui.error = [this](QWidget*, const QString& text) { errors_.push_back(text); };
    ui.openFile = [this](QWidget*, const QString& folder, const QString& filter) {
      dialogs_.push_back({folder, filter});
      if (onDialog_) onDialog_();
      return answer_;
    };
    ui.saveFile = ui.openFile;
  }
  void TearDown() override { resetCommandUi(); }

  std::unique_ptr<PlaceholderTopicWindow> open(const char* className) {
    return std::unique_ptr<PlaceholderTopicWindow>(
        static_cast<PlaceholderTopicWindow*>(createTopicWindow(className, nullptr)));
  }
  void touch(const QString& name) {
    QFile f(joinPath(dir_.path(), name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  }

  QTemporaryDir dir_;
  std::vector<QString> errors_;
  std::vector<DialogCall> dialogs_;
  QString answer_;
  std::function<void()> onDialog_;
};

using Command = void (*)(TopicWindowBase*, QWidget*);
void cut(TopicWindowBase* w, QWidget* p) { CmdEdit(w, p, EditAction::Cut); }
void copy(TopicWindowBase* w, QWidget* p) { CmdEdit(w, p, EditAction::Copy); }
void paste(TopicWindowBase* w, QWidget* p) { CmdEdit(w, p, EditAction::Paste); }

TEST_F(CommandsTest, WithoutTopicWindowEachCommandShowsItsMessage) {
  struct Case { const char* name; Command run; int message; };
  const Case cases[] = {{"New", CmdNew, 47},         {"Load", CmdLoad, 47},   {"Demo", CmdDemo, 47},
                        {"Save", CmdSave, 47},       {"Print", CmdPrint, 47}, {"Snapshot", CmdSnapshot, 48},
                        {"Cut", cut, 45},            {"Copy", copy, 45},      {"Paste", paste, 46}};
  for (const Case& c : cases) {
    errors_.clear();
    c.run(nullptr, nullptr);
    ASSERT_EQ(errors_.size(), 1u) << c.name;
    EXPECT_EQ(errors_[0], GetMessageText(c.message)) << c.name;
  }
  EXPECT_TRUE(dialogs_.empty());
  EXPECT_EQ(GetMessageText(47), QStringLiteral("Diese Funktion ist nur möglich, wenn ein Programmfenster geöffnet ist."));
}

TEST_F(CommandsTest, HelpWithoutTopicWindowOpensTheOverviewPage) {
  RecordingDesktopServices rec;
  ScopedDesktopServices use(rec);
  CmdHelp(nullptr, nullptr);
  ASSERT_EQ(rec.calls.size(), 1u);
  EXPECT_EQ(rec.calls[0].kind, DesktopCall::OpenUrl);
  EXPECT_EQ(rec.calls[0].target, webHelpAddress(1000, currentHelpLanguageLetter()));
  EXPECT_TRUE(errors_.empty());
}

TEST_F(CommandsTest, WorksheetCommandsReachTheWindowWithTheirFileName) {
  touch(QStringLiteral("Memory.DAT"));
  touch(QStringLiteral("demo.dat"));
  auto w = open("TFggT");
  const QString chosen = joinPath(dir_.path(), QStringLiteral("Aufgabe.dat"));
  answer_ = chosen;

  CmdNew(w.get(), nullptr);
  CmdLoad(w.get(), nullptr);
  CmdDemo(w.get(), nullptr);
  CmdSave(w.get(), nullptr);
  const QStringList files{joinPath(dir_.path(), QStringLiteral("Memory.DAT")), chosen,
                          joinPath(dir_.path(), QStringLiteral("demo.dat")), chosen};
  EXPECT_EQ(w->receivedFiles(), files);
  CmdPrint(w.get(), nullptr);
  CmdSnapshot(w.get(), nullptr);  // no picture: ignored, no message
  CmdHelp(w.get(), nullptr);

  const std::vector<TopicCommand> expected{WM_NEWWORKSHEET, WM_LOADWORKSHEET, WM_LOADWORKSHEET,
                                           WM_SAVEWORKSHEET, WM_PRINTWORKSHEET, WM_TOPICHELP};
  EXPECT_EQ(w->receivedCommands(), expected);
  EXPECT_TRUE(errors_.empty());
  ASSERT_EQ(dialogs_.size(), 2u);
  for (const DialogCall& d : dialogs_) {
    EXPECT_EQ(d.folder, shellState().DataFolder);
    EXPECT_EQ(d.filter, DatFileFilter());
  }
  EXPECT_EQ(DatFileFilter(), QStringLiteral("Datendateien (*.dat)|*.dat|Alle Dateien (*.*)|*.*"));
}

TEST_F(CommandsTest, CancelledDialogSendsNothingAndKeepsTheFileName) {
  auto w = open("TFggT");
  answer_.clear();
  CmdLoad(w.get(), nullptr);
  CmdSave(w.get(), nullptr);
  EXPECT_TRUE(w->receivedCommands().empty());
}

TEST_F(CommandsTest, WindowClosedDuringTheDialogReceivesNothing) {
  auto* w = static_cast<PlaceholderTopicWindow*>(createTopicWindow("TFggT", nullptr));
  answer_ = joinPath(dir_.path(), QStringLiteral("x.dat"));
  onDialog_ = [w] { delete w; };
  CmdLoad(w, nullptr);  // must not touch the deleted window
  EXPECT_TRUE(errors_.empty());
}

TEST_F(CommandsTest, SaveReplacesTheExtension) {
  struct Case { const char* className; const char* chosen; const char* sent; };
  const QString d = withSeparator(dir_.path());
  const Case cases[] = {
      {"TFggT", "Aufgabe.txt", "Aufgabe.dat"},    {"TFggT", "Aufgabe", "Aufgabe.dat"},
      {"TFggT", "Aufgabe.DAT", "Aufgabe.dat"},    {"TFggT", "a.b/Aufgabe", "a.b/Aufgabe.dat"},
      {"TFggT", "Aufgabe.", "Aufgabe.dat"},       {"TFVerhulst", "Hopfen.txt", "Hopfen.csv"},
      {"TFVerhulst", "Hopfen", "Hopfen.csv"},
  };
  for (const Case& c : cases) {
    auto w = open(c.className);
    answer_ = d + QString::fromUtf8(c.chosen);
    CmdSave(w.get(), nullptr);
    ASSERT_EQ(w->receivedCommands().size(), 1u);
    EXPECT_EQ(w->receivedFiles().front(), d + QString::fromUtf8(c.sent)) << c.chosen;
  }
}

TEST_F(CommandsTest, LogisticGrowthUsesCsvFilesAndHasNoNew) {
  touch(QStringLiteral("DEMO.csv"));
  auto w = open("TFVerhulst");
  answer_ = joinPath(dir_.path(), QStringLiteral("data.csv"));
  CmdNew(w.get(), nullptr);
  EXPECT_TRUE(w->receivedCommands().empty());
  CmdDemo(w.get(), nullptr);
  ASSERT_EQ(w->receivedFiles().size(), 1);
  EXPECT_EQ(w->receivedFiles().front(), joinPath(dir_.path(), QStringLiteral("DEMO.csv")));
  CmdLoad(w.get(), nullptr);
  ASSERT_EQ(dialogs_.size(), 1u);
  EXPECT_EQ(dialogs_[0].filter, CsvFileFilter());
  EXPECT_EQ(w->receivedCommands(), (std::vector<TopicCommand>{WM_LOADWORKSHEET, WM_LOADWORKSHEET}));
}

TEST_F(CommandsTest, CalculatorHandlesOnlyHelp) {
  auto w = open("TFsysteme");
  answer_ = joinPath(dir_.path(), QStringLiteral("x.dat"));
  for (Command c : {CmdNew, CmdLoad, CmdDemo, CmdSave, CmdPrint, CmdSnapshot, CmdHelp}) c(w.get(), nullptr);
  EXPECT_EQ(w->receivedCommands(), std::vector<TopicCommand>{WM_TOPICHELP});
  EXPECT_TRUE(errors_.empty());
}

TEST_F(CommandsTest, FileDialogFiltersKeepEachPattern) {
  EXPECT_EQ(FileDialogFilters(DatFileFilter()),
            (QStringList{QStringLiteral("Datendateien (*.dat)"), QStringLiteral("Alle Dateien (*.*)")}));
  EXPECT_EQ(FileDialogFilters(QStringLiteral("Text (*.txt)|*.TXT|All|*.csv;*.dat")),
            (QStringList{QStringLiteral("Text (*.txt)"), QStringLiteral("All (*.csv *.dat)")}));
}

// A topic window with an edit field, a memo and a button.
class EditTopic : public TopicWindowBase {
public:
  EditTopic() : TopicWindowBase(nullptr, "TFggT") {
    auto* l = new QVBoxLayout(this);
    line = new QLineEdit(this);
    memo = new QPlainTextEdit(this);
    button = new QPushButton(QStringLiteral("OK"), this);
    grid = new StringGrid(this);
    grid->setColCount(3);
    grid->setRowCount(3);
    l->addWidget(line);
    l->addWidget(memo);
    l->addWidget(button);
    l->addWidget(grid);
  }
  QLineEdit* line;
  QPlainTextEdit* memo;
  QPushButton* button;
  StringGrid* grid;
};

TEST_F(CommandsTest, CutCopyPasteActOnTheFocusedEditOnly) {
  EditTopic w;
  w.show();
  QApplication::setActiveWindow(&w);
  QClipboard* cb = QGuiApplication::clipboard();

  w.line->setText(QStringLiteral("12345"));
  w.line->setFocus();
  w.line->setSelection(1, 2);
  CmdEdit(&w, nullptr, EditAction::Cut);
  EXPECT_EQ(cb->text(), QStringLiteral("23"));
  EXPECT_EQ(w.line->text(), QStringLiteral("145"));
  w.line->setCursorPosition(3);
  CmdEdit(&w, nullptr, EditAction::Paste);
  EXPECT_EQ(w.line->text(), QStringLiteral("14523"));

  w.memo->setPlainText(QStringLiteral("a\nb"));
  w.memo->setFocus();
  w.memo->selectAll();
  CmdEdit(&w, nullptr, EditAction::Copy);
  EXPECT_EQ(cb->text(), QStringLiteral("a\nb"));

  // A button with the focus: nothing happens anywhere.
  w.button->setFocus();
  cb->setText(QStringLiteral("zz"));
  CmdEdit(&w, nullptr, EditAction::Paste);
  CmdEdit(&w, nullptr, EditAction::Cut);
  EXPECT_EQ(w.line->text(), QStringLiteral("14523"));
  EXPECT_EQ(w.memo->toPlainText(), QStringLiteral("a\nb"));
  EXPECT_EQ(cb->text(), QStringLiteral("zz"));

  // A grid without an open cell editor: nothing; with one: its editor.
  w.grid->setFocus();
  CmdEdit(&w, nullptr, EditAction::Paste);
  EXPECT_TRUE(w.grid->Cells(1, 1).isEmpty());
  w.grid->setEditorMode(true);
  w.grid->setCurrentGridCell(1, 1);
  QApplication::processEvents();
  auto* editor = qobject_cast<QLineEdit*>(w.focusWidget());
  ASSERT_NE(editor, nullptr);
  CmdEdit(&w, nullptr, EditAction::Paste);
  EXPECT_EQ(editor->text(), QStringLiteral("zz"));
  EXPECT_TRUE(errors_.empty());
}

// A topic that prints a line on the shell's printer.
class PrintingTopic : public TopicWindowBase {
public:
  PrintingTopic() : TopicWindowBase(nullptr, "TFggT") {}
  void cmdPrint() override {
    if (!RunPrintDialog(this)) return;
    QPainter p(&ShellPrinter());
    p.drawText(500, 300, QStringLiteral("Zahlwerk 10.0: ggT"));
    printed = true;
  }
  bool printed = false;
};

TEST_F(CommandsTest, PrintGoesToTheShellPrinterAndItsSetUp) {
  const QString pdf = joinPath(dir_.path(), QStringLiteral("out.pdf"));
  QPrinter* seen = nullptr;
  commandUi().printerSetup = [&](QWidget*, QPrinter& printer) {
    seen = &printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    return true;
  };
  commandUi().printDialog = [](QWidget*, QPrinter&) { return true; };
  EXPECT_TRUE(PrinterSetup(nullptr));
  EXPECT_EQ(seen, &ShellPrinter());

  PrintingTopic w;
  CmdPrint(&w, nullptr);
  EXPECT_TRUE(w.printed);
  QFile f(pdf);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_TRUE(f.read(5).startsWith("%PDF"));

  // A cancelled print dialog prints nothing.
  commandUi().printDialog = [](QWidget*, QPrinter&) { return false; };
  PrintingTopic cancelled;
  CmdPrint(&cancelled, nullptr);
  EXPECT_FALSE(cancelled.printed);
  ShellPrinter().setOutputFileName(QString());
}

TEST_F(CommandsTest, MainWindowRequestsRunOnItsActiveTopicWindow) {
  TFMenu menu;
  menu.setQuitQuestion([] { return true; });
  InstallCommandHandlers(menu);
  emit menu.commandRequested(MainCommand::Print);
  ASSERT_EQ(errors_.size(), 1u);
  EXPECT_EQ(errors_[0], GetMessageText(47));
  auto* w = static_cast<PlaceholderTopicWindow*>(menu.openTopic("MggT"));
  ASSERT_NE(w, nullptr);
  menu.show();
  QApplication::processEvents();
  ASSERT_EQ(menu.activeTopicWindow(), w);
  emit menu.commandRequested(MainCommand::Print);
  emit menu.commandRequested(MainCommand::Help);
  EXPECT_EQ(w->receivedCommands(), (std::vector<TopicCommand>{WM_PRINTWORKSHEET, WM_TOPICHELP}));
  EXPECT_EQ(errors_.size(), 1u);
  menu.closeAllTopicWindows();
}

}  // namespace
}  // namespace zw

namespace zw {
namespace {

// Every error and information box carries the program's title, whatever the
// application was called when it started.
TEST_F(CommandsTest, BoxesCarryTheProgramTitle) {
  resetCommandUi();
  const QString before = QCoreApplication::applicationName();
  QCoreApplication::setApplicationName(QStringLiteral("zahlwerk"));
  QStringList titles;
  for (auto show : {&ShowErrorBox, &ShowInfoBox}) {
    QTimer::singleShot(0, [&titles] {
      if (QWidget* box = QApplication::activeModalWidget()) {
        titles << box->windowTitle();
        box->close();
      }
    });
    show(nullptr, QStringLiteral("text"));
  }
  QCoreApplication::setApplicationName(before);
  EXPECT_EQ(titles, QStringList(2, QStringLiteral("Zahlwerk 10.0")));
}

}  // namespace
}  // namespace zw

namespace zw {
namespace {

// A box with a short text is still as wide as its title with the title
// bar's icon and buttons: the window manager would cut "Zahlwerk 10.0" to
// "Za… .0" in a box sized for "Unzulässige Eingabe" alone.
TEST(MessageBoxTest, EveryBoxIsAsWideAsItsTitle) {
  QFont bold = QApplication::font();
  bold.setBold(true);
  for (const QString& title : {QStringLiteral("Zahlwerk 10.0"), QStringLiteral("Bitte bestätigen"),
                               QStringLiteral("Zahlwerk 10.0 \u2014 Rechnen mit komplexen Zahlen")}) {
    std::unique_ptr<QMessageBox> box(NewMessageBox(QMessageBox::Critical, title, QStringLiteral("x"),
                                                   QMessageBox::Ok, nullptr));
    box->show();
    QApplication::processEvents();
    const int bar = box->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, box.get());
    EXPECT_GE(box->width(), QFontMetrics(bold).horizontalAdvance(title) + 3 * bar) << title.toStdString();
    box->hide();
  }
}

}  // namespace
}  // namespace zw
