#pragma once
// The main window's commands: the worksheet commands that go to the active
// topic window (New, Load, Demo, Save, Snapshot, Print, Help), cut, copy and
// paste on its focused edit field, the printer set-up and the options dialog.
//
// Every command acts on the topic window that is active when it starts. A
// command that needs a topic window and finds none shows its numbered
// message in an error box (47; 48 for Snapshot; 45 for Cut and Copy; 46 for
// Paste); Help then opens the overview page. Load, Demo, Save and New hand
// their file to the topic's handler as its argument. The window is guarded
// across the file dialog: when it closes meanwhile, nothing is sent.
//
// Error and information boxes carry the program's title ("Zahlwerk 10.0").
//
// Dialogs and message boxes go through commandUi(), whose hooks tests fill
// in; an empty hook means the real dialog.
#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <functional>

class QPrinter;
class QWidget;

namespace zw {

class TFMenu;
class TopicWindowBase;
enum class MainCommand;

struct CommandUi {
  // Open and save dialogs: (parent, start folder, filter "desc|pattern|...")
  // -> the chosen path, or empty when cancelled.
  std::function<QString(QWidget*, const QString&, const QString&)> openFile;
  std::function<QString(QWidget*, const QString&, const QString&)> saveFile;
  // Error box with an OK button; plain information box.
  std::function<void(QWidget*, const QString&)> error;
  std::function<void(QWidget*, const QString&)> information;
  // Yes/No question (parent, text, caption) -> Yes.
  std::function<bool(QWidget*, const QString&, const QString&)> question;
  // Printer set-up and print dialog on the shell's printer -> accepted.
  std::function<bool(QWidget*, QPrinter&)> printerSetup;
  std::function<bool(QWidget*, QPrinter&)> printDialog;
};
CommandUi& commandUi();
// Empties every hook (tests).
void resetCommandUi();

// The file dialogs through the hooks: Qt's own dialog starting in `folder`,
// patterns matched without regard to case; empty when cancelled.
QString AskOpenFile(QWidget* parent, const QString& folder, const QString& filter);
QString AskSaveFile(QWidget* parent, const QString& folder, const QString& filter);

// A message box as every box of the program is made: never narrower than its
// title, which the window manager would otherwise cut ("Za… .0"). The caller
// owns it.
QMessageBox* NewMessageBox(QMessageBox::Icon icon, const QString& title, const QString& text,
                           QMessageBox::StandardButtons buttons, QWidget* parent);

// The boxes through the hooks: error box with OK, plain information box,
// Yes/No question (No is the default).
void ShowErrorBox(QWidget* parent, const QString& text);
void ShowInfoBox(QWidget* parent, const QString& text);
bool AskYesNo(QWidget* parent, const QString& text, const QString& caption);

// The file name with its extension replaced by `ext` (".dat"); a name
// without extension gets it appended. Only the last part of the path counts.
QString ReplaceExtension(const QString& fileName, const QString& ext);

// "desc (*.dat)|*.dat|desc2 (*.*)|*.*" as file-dialog name filters
// ("desc (*.dat)", ...), each shown in the dialog with its own pattern.
QStringList FileDialogFilters(const QString& filter);

// Whether the window keeps its worksheets as CSV files (logistic growth).
bool UsesCsvWorksheets(const TopicWindowBase* window);

// The commands. `window` is the active topic window or null; `parent` owns
// the dialogs and message boxes.
void CmdNew(TopicWindowBase* window, QWidget* parent);
void CmdLoad(TopicWindowBase* window, QWidget* parent);
void CmdDemo(TopicWindowBase* window, QWidget* parent);
void CmdSave(TopicWindowBase* window, QWidget* parent);
void CmdSnapshot(TopicWindowBase* window, QWidget* parent);
void CmdPrint(TopicWindowBase* window, QWidget* parent);
void CmdHelp(TopicWindowBase* window, QWidget* parent);
enum class EditAction { Cut, Copy, Paste };
// Cut, copy or paste on the window's focused edit field (single- or
// multi-line, a grid's open cell editor included); nothing for any other
// focused control.
void CmdEdit(TopicWindowBase* window, QWidget* parent, EditAction action);

// The shell's one printer, for the topics' printouts and the set-up.
QPrinter& ShellPrinter();
// Its resolution in dots per inch.
inline constexpr int PrintResolution = 600;
// "Drucker einrichten": the printer set-up dialog on ShellPrinter().
bool PrinterSetup(QWidget* parent);
// The print dialog on ShellPrinter(), which a topic shows before printing.
// With pageCount > 1 it offers pages 1 … pageCount and gives the chosen
// range in *chosen (all of them unless a range was chosen).
struct PrintPages {
  int first = 1, last = 1;
};
bool RunPrintDialog(QWidget* parent, int pageCount = 1, PrintPages* chosen = nullptr);

// Runs a command of the main window on its active topic window, through the
// guard of event-loop entries (shell/Guard.h).
void RunMainCommand(TFMenu& menu, MainCommand command);
// Connects the main window's command requests to RunMainCommand.
void InstallCommandHandlers(TFMenu& menu);

}  // namespace zw
