#include "shell/commands/Commands.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QFontMetrics>
#include <QGridLayout>
#include <QStyle>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextEdit>
#include <memory>

#include "platform/folders/Folders.h"
#include "shell/Settings.h"
#include "shell/Guard.h"
#include "shell/Startup.h"
#include "shell/State.h"
#include "shell/TopicWindowBase.h"
#include "shell/catalogue/TopicRegistry.h"
#include "shell/gridexchange/GridExchange.h"
#include "shell/help/Help.h"
#include "shell/mainwindow/MainWindow.h"
#include "shell/options/OptionsDialog.h"
#include "shell/texts/Texts.h"

namespace zw {

namespace {

constexpr const char* kDemoCsvName = "DEMO.CSV";

QString chooseFile(QWidget* parent, const QString& folder, const QString& filter, bool save) {
  // Qt's own dialog: its file list matches the patterns without regard to
  // case, so "*.dat" also shows "DEMO.DAT".
  QFileDialog dlg(parent);
  dlg.setOption(QFileDialog::DontUseNativeDialog, true);
  dlg.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dlg.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dlg.setDirectory(folder);
  dlg.setNameFilters(FileDialogFilters(filter));
  if (dlg.exec() != QDialog::Accepted) return {};
  const QStringList files = dlg.selectedFiles();
  return files.isEmpty() ? QString() : files.front();
}

void showMessageNumber(QWidget* parent, int number) { ShowErrorBox(parent, GetMessageText(number)); }

QString worksheetFilter(const TopicWindowBase* window) {
  return UsesCsvWorksheets(window) ? CsvFileFilter() : DatFileFilter();
}

void send(TopicWindowBase* window, TopicCommand command, const QString& fileName) {
  deliverCommand(window, command, fileName);
}

}  // namespace

CommandUi& commandUi() {
  static CommandUi ui;
  return ui;
}

void resetCommandUi() { commandUi() = CommandUi{}; }

QString AskOpenFile(QWidget* parent, const QString& folder, const QString& filter) {
  if (commandUi().openFile) return commandUi().openFile(parent, folder, filter);
  return chooseFile(parent, folder, filter, false);
}

QString AskSaveFile(QWidget* parent, const QString& folder, const QString& filter) {
  if (commandUi().saveFile) return commandUi().saveFile(parent, folder, filter);
  return chooseFile(parent, folder, filter, true);
}

QMessageBox* NewMessageBox(QMessageBox::Icon icon, const QString& title, const QString& text,
                           QMessageBox::StandardButtons buttons, QWidget* parent) {
  auto* box = new QMessageBox(icon, title, text, buttons, parent);
  // The title bar holds the title in a bold face, the window's icon and up to
  // three buttons, each about as wide as the bar is high. A spacer across
  // the box's grid keeps the box that wide; the box sizes itself from its
  // layout's minimum when it shows.
  QFont titleFont = QApplication::font();
  titleFont.setBold(true);
  const int bar = box->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, box);
  const int width = QFontMetrics(titleFont).horizontalAdvance(title) + 4 * bar;
  if (auto* grid = qobject_cast<QGridLayout*>(box->layout()))
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(), 0, 1,
                  grid->columnCount());
  return box;
}

void ShowErrorBox(QWidget* parent, const QString& text) {
  if (commandUi().error) return commandUi().error(parent, text);
  std::unique_ptr<QMessageBox> box(
      NewMessageBox(QMessageBox::Critical, QString::fromLatin1(ProgramTitle), text, QMessageBox::Ok, parent));
  box->exec();
}

void ShowInfoBox(QWidget* parent, const QString& text) {
  if (commandUi().information) return commandUi().information(parent, text);
  std::unique_ptr<QMessageBox> box(
      NewMessageBox(QMessageBox::NoIcon, QString::fromLatin1(ProgramTitle), text, QMessageBox::Ok, parent));
  box->exec();
}

bool AskYesNo(QWidget* parent, const QString& text, const QString& caption) {
  if (commandUi().question) return commandUi().question(parent, text, caption);
  std::unique_ptr<QMessageBox> box(
      NewMessageBox(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No, parent));
  box->setDefaultButton(QMessageBox::No);
  return box->exec() == QMessageBox::Yes;
}

QString ReplaceExtension(const QString& fileName, const QString& ext) {
  const qsizetype slash = fileName.lastIndexOf(u'/');
  const qsizetype dot = fileName.lastIndexOf(u'.');
  if (dot > slash) return fileName.left(dot) + ext;
  return fileName + ext;
}

QStringList FileDialogFilters(const QString& filter) {
  const QStringList parts = filter.split(u'|');
  QStringList out;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    const QString& desc = parts[i];
    const QString patterns = parts[i + 1].split(u';', Qt::SkipEmptyParts).join(u' ');
    // The dialog reads the patterns from the last parentheses of a filter
    // and matches them without regard to case, so a description that
    // already names them in another case serves as it stands.
    if (desc.endsWith(QStringLiteral("(") + patterns + QStringLiteral(")"), Qt::CaseInsensitive))
      out.append(desc);
    else
      out.append(desc + QStringLiteral(" (") + patterns + QStringLiteral(")"));
  }
  return out;
}

bool UsesCsvWorksheets(const TopicWindowBase* window) {
  return window && window->classInfo() && window->classInfo()->csvWorksheet;
}

void CmdNew(TopicWindowBase* window, QWidget* parent) {
  if (!window) return showMessageNumber(parent, 47);
  send(window, WM_NEWWORKSHEET, locateFile(shellState().DataFolder, MemoryFileName));
}

void CmdLoad(TopicWindowBase* window, QWidget* parent) {
  if (!window) return showMessageNumber(parent, 47);
  QPointer<TopicWindowBase> guard(window);
  const QString file = AskOpenFile(parent, shellState().DataFolder, worksheetFilter(window));
  if (!guard || file.isEmpty()) return;
  send(guard, WM_LOADWORKSHEET, file);
}

void CmdDemo(TopicWindowBase* window, QWidget* parent) {
  if (!window) return showMessageNumber(parent, 47);
  const char* name = UsesCsvWorksheets(window) ? kDemoCsvName : DemoFileName;
  send(window, WM_LOADWORKSHEET, locateFile(shellState().DataFolder, QString::fromLatin1(name)));
}

void CmdSave(TopicWindowBase* window, QWidget* parent) {
  if (!window) return showMessageNumber(parent, 47);
  QPointer<TopicWindowBase> guard(window);
  const bool csv = UsesCsvWorksheets(window);
  const QString file = AskSaveFile(parent, shellState().DataFolder, worksheetFilter(window));
  if (!guard || file.isEmpty()) return;
  send(guard, WM_SAVEWORKSHEET, ReplaceExtension(file, csv ? QStringLiteral(".csv") : QStringLiteral(".dat")));
}

void CmdSnapshot(TopicWindowBase* window, QWidget* parent) {
  if (!window) return showMessageNumber(parent, 48);
  deliverCommand(window, WM_SNAPSHOT);
}

void CmdPrint(TopicWindowBase* window, QWidget* parent) {
  if (!window) return showMessageNumber(parent, 47);
  deliverCommand(window, WM_PRINTWORKSHEET);
}

void CmdHelp(TopicWindowBase* window, QWidget*) {
  if (!window) return ShowWebHelp(1000);
  deliverCommand(window, WM_TOPICHELP);
}

void CmdEdit(TopicWindowBase* window, QWidget* parent, EditAction action) {
  if (!window) return showMessageNumber(parent, action == EditAction::Paste ? 46 : 45);
  QWidget* focus = window->focusWidget();
  if (auto* combo = qobject_cast<QComboBox*>(focus)) focus = combo->lineEdit();
  if (!focus) return;
  auto apply = [action](auto* edit) {
    switch (action) {
      case EditAction::Cut: edit->cut(); break;
      case EditAction::Copy: edit->copy(); break;
      case EditAction::Paste: edit->paste(); break;
    }
  };
  if (auto* line = qobject_cast<QLineEdit*>(focus))
    apply(line);
  else if (auto* text = qobject_cast<QTextEdit*>(focus))
    apply(text);
  else if (auto* plain = qobject_cast<QPlainTextEdit*>(focus))
    apply(plain);
}

QPrinter& ShellPrinter() {
  // Made on first use and kept to the end of the process: a printer must not
  // be destroyed after the application object, which a static would be.
  // 600 dpi: the printouts place their header, memo and pictures at fixed
  // device pixels (left edge 500, top 300, chart at 200).
  static QPrinter* printer = [] {
    auto* p = new QPrinter(QPrinter::HighResolution);
    p->setResolution(PrintResolution);
    return p;
  }();
  return *printer;
}

bool PrinterSetup(QWidget* parent) {
  QPrinter& printer = ShellPrinter();
  if (commandUi().printerSetup) return commandUi().printerSetup(parent, printer);
  QPrintDialog dlg(&printer, parent);
  dlg.setWindowTitle(GetText(IPrint, 1));
  dlg.setOptions(QAbstractPrintDialog::PrintToFile);
  return dlg.exec() == QDialog::Accepted;
}

bool RunPrintDialog(QWidget* parent, int pageCount, PrintPages* chosen) {
  QPrinter& printer = ShellPrinter();
  // A range chosen for an earlier printout does not carry over.
  printer.setPrintRange(QPrinter::AllPages);
  printer.setFromTo(0, 0);
  bool ok = false;
  if (commandUi().printDialog) {
    ok = commandUi().printDialog(parent, printer);
  } else {
    QPrintDialog dlg(&printer, parent);
    if (pageCount > 1) {
      dlg.setMinMax(1, pageCount);
      dlg.setOption(QAbstractPrintDialog::PrintPageRange, true);
    }
    ok = dlg.exec() == QDialog::Accepted;
  }
  if (ok && chosen) {
    chosen->first = 1, chosen->last = std::max(1, pageCount);
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
      chosen->first = std::clamp(printer.fromPage(), 1, chosen->last);
      chosen->last = std::clamp(std::max(printer.toPage(), printer.fromPage()), chosen->first, chosen->last);
    }
  }
  return ok;
}

namespace {
void runMainCommand(TFMenu& menu, MainCommand command);
}  // namespace

void RunMainCommand(TFMenu& menu, MainCommand command) {
  RunGuarded(&menu, [&menu, command] { runMainCommand(menu, command); });
}

namespace {
void runMainCommand(TFMenu& menu, MainCommand command) {
  TopicWindowBase* w = menu.activeTopicWindow();
  QWidget* parent = &menu;
  switch (command) {
    case MainCommand::New: CmdNew(w, parent); break;
    case MainCommand::Load: CmdLoad(w, parent); break;
    case MainCommand::Demo: CmdDemo(w, parent); break;
    case MainCommand::Save: CmdSave(w, parent); break;
    case MainCommand::Snapshot: CmdSnapshot(w, parent); break;
    case MainCommand::Print: CmdPrint(w, parent); break;
    case MainCommand::Help: CmdHelp(w, parent); break;
    case MainCommand::Cut: CmdEdit(w, parent, EditAction::Cut); break;
    case MainCommand::Copy: CmdEdit(w, parent, EditAction::Copy); break;
    case MainCommand::Paste: CmdEdit(w, parent, EditAction::Paste); break;
    case MainCommand::PrinterSetup: PrinterSetup(parent); break;
    case MainCommand::Options: RunOptionsDialog(&menu); break;
  }
}
}  // namespace

void InstallCommandHandlers(TFMenu& menu) {
  QObject::connect(&menu, &TFMenu::commandRequested, &menu,
                   [m = &menu](MainCommand command) { RunMainCommand(*m, command); });
}

}  // namespace zw
