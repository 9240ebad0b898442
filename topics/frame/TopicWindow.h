#pragma once
// The base of every topic window: the pages with their button bars, the page
// change that reads the inputs and computes, the worksheet commands, printing,
// help, the memory file and closing. A topic describes itself with a
// TopicConfig and a FieldRegistry and fills in a few hooks; the variants the
// topics differ in are configuration values, not copies of this code.
// topics/frame/README.md shows how a topic is added.
//
// Widgets, named as the topics' layouts name them:
//   page(i)        the tab pages (TabSheet1 ...), in pageControl() (Tabulator)
//   contentBox(i)  the group box filling a page left of its button bar
//                  (Eingabe on the input page, Ausgabe on the results page)
//   legendBox(i)   the button bar of a page (Legende1 ...) with okButton(i),
//                  escButton(i), helpButton(i)
//   taskPanel()    the task text at the top of the input box (panAufgabe)
//   inputArea()    the rest of the input box below the task text: the
//                  parent of the input rows, whose RowTop positions count
//                  from its top
//   memo()         the results text on the results page (Memo)
#include <QPointer>
#include <QStringList>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

#include "shell/Fonts.h"
#include "shell/TopicWindowBase.h"
#include "topics/frame/FieldRegistry.h"
#include "topics/frame/InputCheck.h"

class QGroupBox;
class QLabel;
class QPagedPaintDevice;
class QPainter;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;
class QTabWidget;

namespace zw {

class CalcFailure;
class LongRun;
class Stepper;
struct PrintCursor;

enum class PageKind { Input, Results, Chart, Other };

struct PageSpec {
  PageKind kind;
  int captionItem;                // item of captionPage that captions the tab
  TTextIndex captionPage = IPage; // IPage: 1 "Eingabe", 2 "Ausgabe", 3 "Ergebnisse", 4 "Grafik", 5 "Wertetabelle"
};

// Tab captions: the shell's DrawTabCaption, or the topic form (TextFont at
// 9/10 size, bold, offset 4, 4).
enum class TabStyle { Shell, Topic };
// When the input page's first field takes the focus besides a change to the
// input page: when the window is shown; also when it is activated; never;
// or activation re-runs the change handler of the page showing (recompute).
enum class FocusPolicy { OnShow, OnShowAndActivate, None, RecomputeOnActivate };
// The default size: applied at creation and on a click on a button bar; also
// restored by every layout; or only its width restored by every layout.
enum class SizePolicy { DefaultOnCreate, KeepDefault, HoldWidth };
// The results memo: cleared for every computation, or a running record the
// computations append to.
enum class MemoPolicy { ClearPerComputation, RunningRecord };

// A picture that a topic shows (a chart, a 3D view, a sketch): what the
// snapshot and print commands need of it. Chart and 3D topics supply one.
class TopicPicture {
public:
  virtual ~TopicPicture() = default;
  virtual void copyToClipboard(bool blackWhite) = 0;
  // Draws on the open printer page at the cursor and advances it.
  virtual void print(QPainter& painter, QPagedPaintDevice& device, PrintCursor& cursor) = 0;
};

// The defaults are those of the gcd topic, the reference instance.
struct TopicConfig {
  std::vector<PageSpec> pages = inputAndResults();
  TabStyle tabStyle = TabStyle::Topic;
  SavePolicy save = SavePolicy::RawTexts;
  FocusPolicy focus = FocusPolicy::OnShow;
  SizePolicy size = SizePolicy::DefaultOnCreate;
  MemoPolicy memo = MemoPolicy::ClearPerComputation;
  InputCheck check = InputCheck::OneBoxFirstField;
  int taskLines = 3;                              // height of the task panel in text lines
  int heldWidth = 0;                              // HoldWidth: unscaled width held (0: the default width)
  // The file of the data folder that keeps the inputs between runs while the
  // memory option is on (a topic with CSV worksheets names its own).
  QString memoryFileName = QStringLiteral("memory.dat");
  SharedFontId memoFont = SharedFontId::TextFont; // font of the memo, its measurer and printout
  // Pages of the printout the print dialog offers to choose from; with more
  // than one the topic prints the chosen ones in printPageRange().
  int printPages = 1;

  // Input and results (results captioned "Ausgabe" = 2, or "Ergebnisse" = 3).
  static std::vector<PageSpec> inputAndResults(int resultsItem = 2);
  static std::vector<PageSpec> inputAndChart();
  static std::vector<PageSpec> inputResultsChart();  // Eingabe / Ergebnisse / Grafik
  static std::vector<PageSpec> singlePage();
  static std::vector<PageSpec> fourPages();  // Eingabe / Ergebnisse / Grafik / Wertetabelle
};

class TopicWindow : public TopicWindowBase {
  Q_OBJECT
public:
  // `className` is the topic's class in the topic registry, which gives the
  // text page and the worksheet section.
  TopicWindow(QWidget* owner, std::string_view className, TopicConfig config = {});
  ~TopicWindow() override;

  const TopicConfig& config() const { return config_; }
  QString section() const;
  // The memory file in the data folder (empty when there is no data folder).
  QString memoryFile() const;

  // ----- widgets
  QTabWidget* pageControl() const { return tabs_; }
  int pageCount() const;
  int currentPage() const;
  QWidget* page(int index) const;
  QGroupBox* contentBox(int index) const;
  QGroupBox* legendBox(int index) const;
  QPushButton* okButton(int index) const;
  QPushButton* escButton(int index) const;
  QPushButton* helpButton(int index) const;
  QWidget* taskPanel() const { return taskPanel_; }
  QLabel* taskLabel() const { return taskLabel_; }
  QWidget* inputArea() const { return inputArea_; }
  QPlainTextEdit* memo() const { return memo_; }
  QStringList memoLines() const;
  FieldRegistry& fields() { return fields_; }
  const FieldRegistry& fields() const { return fields_; }
  LongRun& longRun() const { return *longRun_; }
  // Whether a computation gave results since the inputs were last loaded
  // (creation, Load, Demo, New): a picture of nothing is neither printed
  // nor copied.
  bool hasResults() const { return hasResults_; }
  // Changes with every computation and every load: a picture drawn at one
  // stamp shows the results of that moment, and is drawn again when the
  // stamp moved on.
  unsigned resultsStamp() const { return resultsStamp_; }

  // ----- the frame's operations
  // The default size of the text page, unless maximised or minimised.
  void setDefaultSize();
  // The default size: what the MDI area gives the window when it cascades
  // or tiles the windows (after a zoom change, for one).
  QSize sizeHint() const override;
  // The section of the file into the inputs; the input page to the front.
  // Creation, Load, Demo and New read through it, closing and Save write
  // through saveInputs: a topic whose worksheets are not INI sections
  // (CSV files) overrides both. An empty name (creation with the memory
  // option off, no data folder) stands for no stored inputs: every input
  // takes its initial value, as from a file without the section.
  virtual void loadInputs(const QString& file);
  // The inputs into the section of the file; false (with a reason) when the
  // file could not be written.
  virtual bool saveInputs(const QString& file, QString* error = nullptr);
  // A page change made in code: the page shows, its change handler does not run.
  void showPageSilently(int index);
  // The change handler of the pages (also called by OK).
  void pageChanged(int index);
  void okClicked();
  // Closes the window; during a long run it stops the run instead.
  void escClicked();
  void helpClicked();

  // ----- main-window commands and layout
  void relayout() override;
  void cmdLoad(const QString& file) override;
  void cmdSave(const QString& file) override;
  void cmdPrint() override;
  void cmdHelp() override;
  void cmdNew(const QString& file) override;
  void cmdSnapshot() override;

  // The widget of a field's worksheet key (an InputRejected names its field
  // so): the registered field; a topic with inputs of its own (text keys)
  // adds them. Null when there is none.
  virtual QWidget* inputFor(const QString& key) const;

  // ----- the guard of event-loop entries (shell/Guard.h)
  // Runs `action` so that nothing it throws leaves the window: an
  // InputRejected refuses its field (rejectInput), any other CalcFailure
  // fails like a computation (input page, its message, focus on the first
  // input), any other exception shows the message of its family
  // (shell/Guard.h). True when it ran to its end.
  // The frame's own handlers (layout, pages, buttons, commands, closing, long
  // runs) already run through it; a topic uses it for handlers of its own.
  bool runGuarded(const std::function<void()>& action);
  // A slot for connect() (a timer, a control of the topic) through runGuarded:
  //   connect(&timer_, &QTimer::timeout, this, guardedSlot([this] { tick(); }));
  template <class F>
  auto guardedSlot(F f) {
    return [w = QPointer<TopicWindow>(this), f = std::move(f)]() mutable {
      if (w) w->runGuarded([&f] { f(); });
    };
  }

protected:
  // The creation sequence; the topic calls it at the end of its constructor,
  // once its fields are registered: default size, input page, memo cleared,
  // the memory file loaded while the memory option is on.
  void initTopic();

  // Places `w` at `least`'s top left in inputArea(), stretched to the area's
  // right edge less `right` and, with `bottom` >= 0, to its bottom edge less
  // `bottom`; never smaller than `least`. The window's minimum size counts
  // it as `least`, so a row that follows the window's width cannot widen the
  // window at every layout.
  // (`least` by value: callers pass w->geometry(), which the placing changes.)
  void placeStretched(QWidget* w, QRect least, int right, int bottom = -1);
  // Counts `w` (placed relative to a stretched row) at `least` in the
  // window's minimum size.
  static void countAsPlaced(QWidget* w, const QRect& least);

  // ----- hooks
  // Places the input rows in inputArea() (relayout, after the task panel).
  virtual void layoutInputs() {}
  // Lays out a page other than the input and results pages (default: button bar and content box).
  virtual void layoutPage(int index);
  // Runs the computation after the inputs passed (their values in fields().values()),
  // writing into the memo. Throws CalcFailure{message} when it fails.
  virtual void compute() {}
  // After the inputs were loaded from a file.
  virtual void afterLoad() {}
  // At creation with the memory option off, in place of loading the memory file.
  virtual void noMemoryDefaults() {}
  // There are no stored inputs (creation with the memory option off or a
  // memory file without the window's section, New, a worksheet without the
  // section): after the registry's defaults, the inputs a topic's creation
  // sets otherwise than a section without the key reads (a task, a count).
  virtual void initialValues() {}
  // Entering a chart page, or a page of kind Other.
  virtual void enterChartPage(int index) {}
  virtual void enterOtherPage(int index) {}
  // What is printed under the header: the memo lines, then the picture.
  virtual void printBody(QPainter& painter, QPagedPaintDevice& device, PrintCursor& cursor);
  // A printout of several pages (TopicConfig::printPages): pages first … last
  // as the print dialog chose them, each with its own head.
  virtual void printPageRange(QPainter& painter, QPagedPaintDevice& device, PrintCursor& cursor, int first,
                              int last) {}
  // A click on the background of a page's button bar (default: the default size).
  virtual void legendClicked(int index);
  // The topic's picture for snapshot and printing, or null.
  virtual TopicPicture* picture() { return nullptr; }
  // Reads and checks the inputs with the configured strategy.
  virtual bool readInputs();
  // The control that takes the focus after a failed computation (default:
  // the first input).
  virtual QWidget* failureFocus() const { return firstInput(); }
  // Builds the picture from the last computation. The frame calls it after a
  // computation, a load, on entering the picture page and after every
  // layout, so a picture never waits for a paint event and always fits its
  // view's size.
  virtual void rebuildPicture() {}
  // The window's default size: DefaultFormSizeAt of its text page, never
  // smaller than the input page needs. A window that computes its own size
  // returns atLeastInputs(its size).
  virtual QSize defaultSize() const;
  QSize atLeastInputs(QSize size) const;

  // ----- helpers for topics
  void setMemoLines(const QStringList& lines);
  void appendMemoLines(const QStringList& lines);
  QFont memoFont() const;
  // The first registered field, or the first focusable child of the input box.
  QWidget* firstInput() const;
  void focusFirstInput();
  // Reads the fields and computes: the results page's change handler.
  void runComputation();
  // runComputation from an event of a one-page window (OK, a grid click, a
  // check box), through the guard: a failure is reported, never thrown.
  void computeNow();
  // The input page, the message in an error box, the focus on the first input.
  void failComputation(int message);

  // A topic's own input check found `field` bad: the input page, the message
  // in an error box, the focus on that field (selected). Returns false, so a
  // check can end with `return rejectInput(field, message);`.
  bool rejectInput(QWidget* field, int message = 22);
  // A long run started from the page-change handler; refused while one runs.
  bool startLongRun(std::unique_ptr<Stepper> stepper);
  // The index of the first page of a kind, or -1.
  int pageOf(PageKind kind) const;

  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  struct PageWidgets;
  class CheckUi;
  void buildPages();
  void layoutPages();
  void applySizePolicy();
  bool updateScrollRange();  // true when the minimum size changed
  // The window became the active one: the MDI child activated, or the
  // top-level window (no MDI area) activated.
  void activated();
  void watchSubWindow();
  void fitPageControl();
  // rebuildPicture through the guard, once the window is created.
  void rebuildPictureGuarded();
  // compute() with the memo policy: a failure before the first line keeps the memo.
  void computeMemo();
  // runComputation, then the kernel's messages raised meanwhile.
  void computeAndReport();
  // The guard's reaction to a CalcFailure: an InputRejected refuses its
  // field, any other fails the computation.
  void failWith(const CalcFailure& failure);
  // rejectInput on the field or grid cell with that worksheet key (the
  // first input when there is none).
  void rejectField(const QString& key, int message);
  // A layout pass through the guard; a failure shows once while it repeats.
  void guardedLayout(const std::function<void()>& layout);

  TopicConfig config_;
  FieldRegistry fields_;
  QScrollArea* scroll_ = nullptr;
  QTabWidget* tabs_ = nullptr;
  std::vector<PageWidgets> pages_;
  QWidget* taskPanel_ = nullptr;
  QLabel* taskLabel_ = nullptr;
  QWidget* inputArea_ = nullptr;
  QPlainTextEdit* memo_ = nullptr;
  LongRun* longRun_ = nullptr;
  QPointer<QWidget> watchedSubWindow_;
  bool created_ = false;
  bool inLayout_ = false;
  bool secondPass_ = false;
  bool layoutFailing_ = false;
  bool hasResults_ = false;
  unsigned resultsStamp_ = 0;
};

// The notice that inputs cannot be kept is given once per run; tests start again.
void resetInputsNotKeptNotice();

}  // namespace zw
