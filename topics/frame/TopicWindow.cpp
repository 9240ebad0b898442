#include "topics/frame/TopicWindow.h"

#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTextDocument>
#include <QTextOption>
#include <algorithm>
#include <exception>

#include "kernel/CalcFailure.h"
#include "platform/folders/Folders.h"
#include "platform/ini/IniFile.h"
#include "shell/Guard.h"
#include "shell/KernelMessages.h"
#include "shell/Metrics.h"
#include "shell/State.h"
#include "shell/catalogue/TopicRegistry.h"
#include "shell/commands/Commands.h"
#include "shell/help/Help.h"
#include "shell/kit/Grids.h"
#include "shell/kit/InputRows.h"
#include "shell/kit/PageLayout.h"
#include "topics/frame/InputRejected.h"
#include "topics/frame/LongRun.h"
#include "topics/frame/TopicPrinting.h"

namespace zw {

namespace {
// The dynamic property holding the place a stretched row needs at least.
constexpr const char* kLeastPlace = "zwLeastPlace";
}  // namespace

// ----- configuration --------------------------------------------------------

std::vector<PageSpec> TopicConfig::inputAndResults(int resultsItem) {
  return {{PageKind::Input, 1}, {PageKind::Results, resultsItem}};
}
std::vector<PageSpec> TopicConfig::inputAndChart() { return {{PageKind::Input, 1}, {PageKind::Chart, 4}}; }
std::vector<PageSpec> TopicConfig::inputResultsChart() {
  return {{PageKind::Input, 1}, {PageKind::Results, 3}, {PageKind::Chart, 4}};
}
std::vector<PageSpec> TopicConfig::singlePage() { return {{PageKind::Input, 1}}; }
std::vector<PageSpec> TopicConfig::fourPages() {
  return {{PageKind::Input, 1}, {PageKind::Results, 3}, {PageKind::Chart, 4}, {PageKind::Other, 5}};
}

// ----- widgets ----------------------------------------------------------------

struct TopicWindow::PageWidgets {
  PageSpec spec;
  QWidget* page = nullptr;
  QGroupBox* content = nullptr;
  QGroupBox* legend = nullptr;
  QPushButton* ok = nullptr;
  QPushButton* esc = nullptr;
  QPushButton* help = nullptr;
};

// The window's side of an input check.
class TopicWindow::CheckUi : public InputCheckUi {
public:
  explicit CheckUi(TopicWindow& w) : w_(w) {}
  void showInputPage() override { w_.showPageSilently(std::max(0, w_.pageOf(PageKind::Input))); }
  bool showError(int message) override {
    QPointer<TopicWindow> alive(&w_);
    ShowErrorBox(&w_, GetMessageText(message));
    return !alive.isNull();
  }
  void focusField(QWidget* field) override {
    if (field) field->setFocus(Qt::OtherFocusReason);
  }
  void focusCell(StringGrid* grid, int col, int row) override { FocusCell(grid, col, row); }

private:
  TopicWindow& w_;
};

namespace {
// The results memo. Its lines are numbers and formulas, written from left to
// right in every language; the memo itself follows the window's direction,
// so that right to left its scroll bar stands on the left like the rest of
// the window mirrored.
QPlainTextEdit* newMemo(QWidget* parent) {
  auto* memo = new QPlainTextEdit(parent);
  memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  QTextOption text = memo->document()->defaultTextOption();
  text.setTextDirection(Qt::LeftToRight);
  text.setAlignment(Qt::AlignLeft | Qt::AlignAbsolute);
  memo->document()->setDefaultTextOption(text);
  return memo;
}
}  // namespace

TopicWindow::TopicWindow(QWidget* owner, std::string_view className, TopicConfig config)
    : TopicWindowBase(owner, className), config_(std::move(config)) {
  if (config_.pages.empty()) config_.pages = TopicConfig::singlePage();
  scroll_ = new QScrollArea(this);
  scroll_->setFrameShape(QFrame::NoFrame);
  // The page control fills the window, but never gets smaller than its
  // pages' inputs need (fitPageControl); a smaller window scrolls.
  scroll_->setWidgetResizable(false);
  tabs_ = new PageControl(config_.tabStyle == TabStyle::Shell ? CaptionTabBar::CaptionStyle::Shell
                                                              : CaptionTabBar::CaptionStyle::Topic,
                          scroll_);
  scroll_->setWidget(tabs_);
  buildPages();
  longRun_ = new LongRun(this);
  // A step that fails (or refuses an input) fails like a computation.
  longRun_->setFailureReaction([self = QPointer<TopicWindow>(this)](const CalcFailure& f) {
    if (self) self->failWith(f);
  });
  connect(tabs_, &QTabWidget::currentChanged, this, &TopicWindow::pageChanged);
}

TopicWindow::~TopicWindow() {
  // Qt hides the window and deletes the controls only after this part of the
  // window is gone; hiding moves the focus, and a control that computes when
  // it loses the focus must not call into a window half taken down.
  for (QObject* o : findChildren<QObject*>()) o->disconnect(this);
}

void TopicWindow::buildPages() {
  for (const PageSpec& spec : config_.pages) {
    PageWidgets p{spec};
    p.page = new QWidget;
    p.content = new QGroupBox(p.page);
    p.legend = new QGroupBox(p.page);
    p.ok = new QPushButton(p.legend);
    p.esc = new QPushButton(p.legend);
    p.help = new QPushButton(p.legend);
    connect(p.ok, &QPushButton::clicked, this, guardedSlot([this] { okClicked(); }));
    connect(p.esc, &QPushButton::clicked, this, guardedSlot([this] { escClicked(); }));
    connect(p.help, &QPushButton::clicked, this, guardedSlot([this] { helpClicked(); }));
    p.legend->installEventFilter(this);
    p.page->installEventFilter(this);
    if (spec.kind == PageKind::Input && !taskPanel_) {
      taskPanel_ = new QFrame(p.content);
      taskLabel_ = new QLabel(taskPanel_);
      inputArea_ = new QWidget(p.content);
    }
    if (spec.kind == PageKind::Results && !memo_) memo_ = newMemo(p.content);
    tabs_->addTab(p.page, QString());
    pages_.push_back(p);
  }
  // One-page topics show their memo below the inputs; the topic places it.
  if (!memo_ && inputArea_) memo_ = newMemo(inputArea_);
}

QString TopicWindow::section() const {
  return classInfo() ? QString::fromUtf8(classInfo()->section.data(), static_cast<qsizetype>(classInfo()->section.size()))
                     : QString();
}

QString TopicWindow::memoryFile() const {
  const QString& folder = shellState().DataFolder;
  return folder.isEmpty() ? QString() : locateFile(folder, config_.memoryFileName);
}

int TopicWindow::pageCount() const { return static_cast<int>(pages_.size()); }
int TopicWindow::currentPage() const { return tabs_->currentIndex(); }

QWidget* TopicWindow::page(int i) const { return i >= 0 && i < pageCount() ? pages_[i].page : nullptr; }
QGroupBox* TopicWindow::contentBox(int i) const { return i >= 0 && i < pageCount() ? pages_[i].content : nullptr; }
QGroupBox* TopicWindow::legendBox(int i) const { return i >= 0 && i < pageCount() ? pages_[i].legend : nullptr; }
QPushButton* TopicWindow::okButton(int i) const { return i >= 0 && i < pageCount() ? pages_[i].ok : nullptr; }
QPushButton* TopicWindow::escButton(int i) const { return i >= 0 && i < pageCount() ? pages_[i].esc : nullptr; }
QPushButton* TopicWindow::helpButton(int i) const { return i >= 0 && i < pageCount() ? pages_[i].help : nullptr; }

int TopicWindow::pageOf(PageKind kind) const {
  for (int i = 0; i < pageCount(); ++i)
    if (pages_[static_cast<std::size_t>(i)].spec.kind == kind) return i;
  return -1;
}

QStringList TopicWindow::memoLines() const {
  if (!memo_ || memo_->document()->isEmpty()) return {};
  return memo_->toPlainText().split(u'\n');
}

void TopicWindow::setMemoLines(const QStringList& lines) {
  if (memo_) memo_->setPlainText(lines.join(u'\n'));
}

void TopicWindow::appendMemoLines(const QStringList& lines) {
  if (!memo_) return;
  for (const QString& l : lines) memo_->appendPlainText(l);
}

QFont TopicWindow::memoFont() const { return fonts()[config_.memoFont].font; }

// ----- creation, size, layout ---------------------------------------------

void TopicWindow::initTopic() {
  setDefaultSize();
  showPageSilently(0);
  if (memo_) memo_->clear();
  // A memory file that fails to load still leaves a usable window.
  // A window without stored inputs opens with the topic's initial values,
  // whether the memory option is on (a memory file without the section) or
  // off (no file at all).
  runGuarded([this] {
    if (shellState().MemoryOption) {
      loadInputs(memoryFile());
    } else {
      loadInputs(QString());
      noMemoryDefaults();
    }
  });
  created_ = true;
  relayout();
  // The first layout told what the input page needs.
  setDefaultSize();
}

QSize TopicWindow::defaultSize() const { return atLeastInputs(DefaultFormSizeAt(textPage(), shellState().Zoom)); }

QSize TopicWindow::atLeastInputs(QSize size) const {
  if (!tabs_ || !scroll_) return size;
  // Never smaller than the input page needs: a window opens without scroll bars.
  const QSize around = scroll_->size() - scroll_->maximumViewportSize();
  return size.expandedTo(tabs_->minimumSize() + around);
}

QSize TopicWindow::sizeHint() const { return defaultSize(); }

void TopicWindow::setDefaultSize() {
  const QSize size = defaultSize();
  if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) {
    if (sub->windowState() & (Qt::WindowMaximized | Qt::WindowMinimized)) return;
    sub->resize(size + (sub->size() - sub->contentsRect().size()));
    return;
  }
  if (windowState() & (Qt::WindowMaximized | Qt::WindowMinimized)) return;
  resize(size);
}

void TopicWindow::applySizePolicy() {
  switch (config_.size) {
    case SizePolicy::DefaultOnCreate: break;
    case SizePolicy::KeepDefault: setDefaultSize(); break;
    case SizePolicy::HoldWidth: {
      const int w = config_.heldWidth > 0 ? ScalePixels(config_.heldWidth) : defaultSize().width();
      if (width() == w || (windowState() & (Qt::WindowMaximized | Qt::WindowMinimized))) break;
      if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) {
        if (sub->windowState() & (Qt::WindowMaximized | Qt::WindowMinimized)) break;
        sub->resize(w + (sub->width() - sub->contentsRect().width()), sub->height());
      } else
        resize(w, height());
      break;
    }
  }
}

void TopicWindow::relayout() {
  if (inLayout_) return;
  inLayout_ = true;
  guardedLayout([this] {
    applySizePolicy();
    fitPageControl();
    setWindowTitle(GetText(textPage(), 0));
    tabs_->setFont(fonts().TextFont.font);
    for (int i = 0; i < pageCount(); ++i) {
      const PageSpec& s = pages_[static_cast<std::size_t>(i)].spec;
      tabs_->setTabText(i, GetText(s.captionPage, s.captionItem));
    }
    layoutPages();
  });
  inLayout_ = false;
  secondPass_ = false;
  rebuildPictureGuarded();
}

void TopicWindow::rebuildPictureGuarded() {
  if (created_) runGuarded([this] { rebuildPicture(); });
}

void TopicWindow::layoutPage(int index) {
  const PageWidgets& p = pages_[static_cast<std::size_t>(index)];
  LayoutInputPage(p.page->width(), p.content, p.legend, p.ok, p.esc, p.help);
}

void TopicWindow::layoutPages() {
  // The page control sizes only the page showing; the others would keep the
  // size they had when last shown, or none at all. A picture printed or
  // copied from a page not showing is laid out at the size it shows with.
  if (QWidget* shown = tabs_->currentWidget())
    for (const PageWidgets& p : pages_)
      if (p.page != shown && p.page->geometry() != shown->geometry()) p.page->setGeometry(shown->geometry());
  for (int i = 0; i < pageCount(); ++i) {
    const PageWidgets& p = pages_[static_cast<std::size_t>(i)];
    if (p.spec.kind == PageKind::Input || p.spec.kind == PageKind::Results)
      LayoutInputPage(p.page->width(), p.content, p.legend, p.ok, p.esc, p.help);
    else
      layoutPage(i);
    if (p.spec.kind == PageKind::Input && taskPanel_ && taskPanel_->parentWidget() == p.content) {
      SetupTextPanelTop(taskLabel_, taskPanel_, fonts().TextFont.font, GetText(textPage(), 1), config_.taskLines);
      const QRect client = p.content->contentsRect();
      const int top = taskPanel_->geometry().bottom() + 1;
      inputArea_->setGeometry(client.left(), top, client.width(), std::max(0, client.bottom() + 1 - top));
      // Topics place their rows from the left; a right-to-left window shows
      // them mirrored, captions right of their fields.
      UnmirrorChildren(inputArea_);
      layoutInputs();
      MirrorChildren(inputArea_);
    }
    if (p.spec.kind == PageKind::Results && memo_ && memo_->parentWidget() == p.content) {
      memo_->setGeometry(p.content->contentsRect());
      memo_->setFont(memoFont());
    }
  }
  // A new minimum size resizes the pages: one more pass lays them out at
  // their new size (and only one, should a topic place its rows by the page
  // width).
  if (updateScrollRange() && !secondPass_) {
    secondPass_ = true;
    layoutPages();
    secondPass_ = false;
  }
}

bool TopicWindow::updateScrollRange() {
  // The input page must show its last field and the button bar beside it;
  // a smaller window scrolls.
  const int input = pageOf(PageKind::Input);
  if (input < 0) return false;
  QWidget* pageWidget = page(input);
  QRect used;
  // A control counts with its place in the page; a stretched row with the
  // place it needs at least.
  const auto count = [&](const QWidget* w) {
    // A grid registered on another page (a second matrix) needs no room here.
    if (!pageWidget->isAncestorOf(w)) return;
    const QWidget* parent = w->parentWidget();
    const QVariant least = w->property(kLeastPlace);
    QRect r = w->geometry();
    if (least.isValid()) {
      r = least.toRect();  // placed from the left; the rows stand mirrored right to left
      if (parent->isRightToLeft()) r.moveLeft(parent->width() - r.right() - 1);
    }
    used |= QRect(parent->mapTo(pageWidget, r.topLeft()), r.size());
  };
  // Every control of the input area counts (rows, radio groups, panels,
  // charts), not only the registered fields.
  if (inputArea_ && inputArea_->parentWidget())
    for (const QWidget* c : inputArea_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
      if (!c->isWindow() && !c->isHidden()) count(c);
  for (const InputField& f : fields_.fields())
    if (f.edit) count(f.edit);
  for (const GridBinding& g : fields_.grids())
    if (g.grid) count(g.grid);
  if (used.isNull()) return false;
  // Mirrored, the controls need the room from their leftmost edge to the
  // page's right edge: what they need from the left edge unmirrored.
  if (pageWidget->isRightToLeft()) used.moveLeft(pageWidget->width() - used.right() - 1);
  // What the page control adds around a page (its tab row and frame); before
  // the control is laid out, the height of its tab row.
  const QSize around = tabs_->size() - pageWidget->size();
  const int aroundH = std::max(around.height(), tabs_->tabBar()->sizeHint().height());
  // The frame of the input box beside and below the input area: a control
  // at the area's edge must not end under it.
  QMargins frame;
  if (inputArea_ && inputArea_->parentWidget()) {
    const QWidget* box = inputArea_->parentWidget();
    const QRect area = inputArea_->geometry();
    frame = QMargins(0, 0, std::max(0, box->width() - area.right() - 1), std::max(0, box->height() - area.bottom() - 1));
  }
  const QSize minimum(used.right() + 1 + frame.right() + ScalePixels(88) + std::max(0, around.width()),
                      used.bottom() + 1 + frame.bottom() + aroundH);
  if (minimum == tabs_->minimumSize()) return false;
  // A window at its default size keeps it as the need changes.
  const bool atDefault = size() == defaultSize();
  tabs_->setMinimumSize(minimum);
  if (atDefault) setDefaultSize();
  fitPageControl();
  return true;
}

void TopicWindow::countAsPlaced(QWidget* w, const QRect& least) { w->setProperty(kLeastPlace, least); }

void TopicWindow::placeStretched(QWidget* w, const QRect least, int right, int bottom) {
  const QSize area = inputArea_->size();
  const int width = std::max(least.width(), area.width() - least.left() - right);
  const int height = bottom < 0 ? least.height() : std::max(least.height(), area.height() - least.top() - bottom);
  w->setGeometry(least.left(), least.top(), width, height);
  countAsPlaced(w, least);
}

void TopicWindow::fitPageControl() {
  scroll_->setGeometry(rect());
  const QSize minimum = tabs_->minimumSize();
  QSize room = scroll_->maximumViewportSize();
  const int bar = scroll_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scroll_);
  bool across = false, down = false;
  for (int pass = 0; pass < 2; ++pass) {  // one scroll bar can make room for the other one too small
    if (!across && minimum.width() > room.width()) {
      across = true;
      room.rheight() -= bar;
    }
    if (!down && minimum.height() > room.height()) {
      down = true;
      room.rwidth() -= bar;
    }
  }
  tabs_->resize(room.expandedTo(minimum));
}

// ----- pages --------------------------------------------------------------

void TopicWindow::showPageSilently(int index) {
  const QSignalBlocker block(tabs_);
  tabs_->setCurrentIndex(index);
}

void TopicWindow::pageChanged(int index) {
  if (longRun_->running() || index < 0 || index >= pageCount()) return;
  QPointer<TopicWindow> self(this);
  bool otherFailure = false;
  runGuarded([this, index, &otherFailure] {
    try {
      switch (pages_[static_cast<std::size_t>(index)].spec.kind) {
        case PageKind::Input: focusFirstInput(); break;
        case PageKind::Results: computeAndReport(); break;
        case PageKind::Chart:
          enterChartPage(index);
          // Unless entering it failed and brought the inputs back.
          if (currentPage() == index) rebuildPicture();
          break;
        case PageKind::Other: enterOtherPage(index); break;
      }
    } catch (const CalcFailure&) {
      throw;  // failComputation or rejectInput, through the guard
    } catch (...) {
      // Whatever else failed, the inputs come back to the front.
      otherFailure = true;
      showPageSilently(std::max(0, pageOf(PageKind::Input)));
      throw;
    }
  });
  if (otherFailure && self && currentPage() == pageOf(PageKind::Input)) focusFirstInput();
}

void TopicWindow::guardedLayout(const std::function<void()>& layout) {
  // A layout that fails fails again at every resize: it is shown once, and
  // again only after a layout in between went through.
  if (!layoutFailing_) {
    layoutFailing_ = !runGuarded(layout);
    return;
  }
  try {
    layout();
    layoutFailing_ = false;
  } catch (...) {
    // Already shown.
  }
}

bool TopicWindow::runGuarded(const std::function<void()>& action) {
  QPointer<TopicWindow> self(this);
  return RunGuarded(this, action, [self](const CalcFailure& f) {
    if (self) self->failWith(f);
  });
}

void TopicWindow::computeNow() {
  if (longRun_->running()) return;
  runGuarded([this] { runComputation(); });
}

bool TopicWindow::readInputs() {
  CheckUi ui(*this);
  return CheckInputs(config_.check, fields_, ui);
}

void TopicWindow::runComputation() {
  if (!readInputs()) return;
  computeMemo();
  hasResults_ = true;
  ++resultsStamp_;
  rebuildPicture();
}

void TopicWindow::computeMemo() {
  if (!memo_ || config_.memo != MemoPolicy::ClearPerComputation) return compute();
  // A computation that fails before it writes a line leaves the last results
  // in place; one that fails later leaves what it wrote.
  const QString before = memo_->toPlainText();
  memo_->clear();
  try {
    compute();
  } catch (...) {
    if (memo_->document()->isEmpty()) memo_->setPlainText(before);
    throw;
  }
}

void TopicWindow::computeAndReport() {
  // What the kernel had to say while computing is shown once the
  // computation is over, in order, before a failure of the computation.
  try {
    runComputation();
  } catch (...) {
    ShowPendingKernelMessages(this);
    throw;
  }
  ShowPendingKernelMessages(this);
}

void TopicWindow::failComputation(int message) { rejectInput(failureFocus(), message); }

void TopicWindow::failWith(const CalcFailure& failure) {
  if (const auto* refused = dynamic_cast<const InputRejected*>(&failure))
    rejectField(QString::fromStdString(refused->field()), refused->message());
  else
    failComputation(failure.message());
}

QWidget* TopicWindow::inputFor(const QString& key) const {
  const InputField* f = fields_.field(key);
  return f ? f->edit : nullptr;
}

void TopicWindow::rejectField(const QString& key, int message) {
  if (key.isEmpty()) return failComputation(message);
  // A grid cell: the box first, then the cell editor.
  for (const GridBinding& g : fields_.grids()) {
    if (!g.grid || !g.cellKey) continue;
    for (int row = 1; row < g.grid->RowCount(); ++row)
      for (int col = 1; col < g.grid->ColCount(); ++col) {
        if (g.cellKey(col, row).compare(key, Qt::CaseInsensitive) != 0) continue;
        showPageSilently(std::max(0, pageOf(PageKind::Input)));
        QPointer<StringGrid> grid(g.grid);
        ShowErrorBox(this, GetMessageText(message));
        if (grid) FocusCell(grid, col, row);
        return;
      }
  }
  QWidget* field = inputFor(key);
  rejectInput(field ? field : failureFocus(), message);
}

bool TopicWindow::rejectInput(QWidget* field, int message) {
  // A field of the page showing (a value table's step, say) keeps its page;
  // any other brings the input page to the front.
  const int current = currentPage();
  if (!field || current < 0 || !page(current)->isAncestorOf(field))
    showPageSilently(std::max(0, pageOf(PageKind::Input)));
  QPointer<TopicWindow> alive(this);
  QPointer<QWidget> bad(field);
  ShowErrorBox(this, GetMessageText(message));
  if (alive && bad) {
    bad->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(bad.data())) edit->selectAll();
  }
  return false;
}

bool TopicWindow::startLongRun(std::unique_ptr<Stepper> stepper) { return longRun_->start(std::move(stepper)); }

QWidget* TopicWindow::firstInput() const {
  for (const InputField& f : fields_.fields())
    if (f.edit) return f.edit;
  for (const GridBinding& g : fields_.grids())
    if (g.grid) return g.grid;
  return nullptr;
}

void TopicWindow::focusFirstInput() {
  if (QWidget* w = firstInput()) w->setFocus(Qt::OtherFocusReason);
}

void TopicWindow::okClicked() {
  if (longRun_->running()) return;
  const int n = pageCount();
  // A one-page window computes in place.
  if (n == 1) return computeNow();
  const int i = currentPage();
  const int next = n == 2 ? 1 - i : (n > 0 ? (i + 1) % n : 0);
  showPageSilently(next);
  pageChanged(next);
}

void TopicWindow::escClicked() {
  if (longRun_->running()) {
    longRun_->stop();
    return;
  }
  if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
    sub->close();
  else
    close();
}

void TopicWindow::legendClicked(int) { setDefaultSize(); }

void TopicWindow::helpClicked() { ShowCompiledHelp(HelpContextOf(textPage())); }

// ----- worksheets -----------------------------------------------------------

void TopicWindow::loadInputs(const QString& file) {
  // The results of the inputs before are gone (a topic whose loading
  // computes gives new ones).
  hasResults_ = false;
  ++resultsStamp_;
  showPageSilently(std::max(0, pageOf(PageKind::Input)));
  const IniFile ini(file);  // no file (an empty name) reads as empty: the defaults
  fields_.load(ini, section());
  if (!ini.hasSection(section())) initialValues();
  afterLoad();
}

bool TopicWindow::saveInputs(const QString& file, QString* error) {
  if (file.isEmpty()) return true;
  IniFile ini(file);
  fields_.save(ini, section(), config_.save);
  return ini.save(error);
}

void TopicWindow::cmdLoad(const QString& file) {
  loadInputs(file);
  rebuildPicture();
}

void TopicWindow::cmdSave(const QString& file) {
  QString error;
  if (!saveInputs(file, &error)) ShowErrorBox(this, FileNotWrittenText(file, error));
}

void TopicWindow::cmdNew(const QString& file) {
  if (!file.isEmpty()) {
    // Only this window's section goes; a file without it stays as it is.
    IniFile ini(file);
    if (ini.hasSection(section())) {
      ini.eraseSection(section());
      QString error;
      if (!ini.save(&error)) {
        QPointer<TopicWindow> alive(this);
        ShowErrorBox(this, FileNotWrittenText(file, error));
        if (!alive) return;
      }
    }
  }
  // A new worksheet: no result of the inputs before stays in the memo; the
  // initial values come back (a topic whose loading computes writes anew).
  if (memo_) memo_->clear();
  loadInputs(file);
  rebuildPicture();
}

// ----- printing, help, snapshot --------------------------------------------

void TopicWindow::cmdPrint() {
  QPointer<TopicWindow> alive(this);
  const int pages = std::max(1, config_.printPages);
  PrintPages chosen{1, pages};
  if (!RunPrintDialog(this, pages, &chosen) || !alive) return;
  QPrinter& printer = ShellPrinter();
  QPainter painter;
  if (!painter.begin(&printer)) return;
  PrintCursor cursor;
  try {
    if (pages > 1) {
      printPageRange(painter, printer, cursor, chosen.first, chosen.last);
    } else {
      PrintPageHeader(painter, cursor, GetText(textPage(), 0));
      printBody(painter, printer, cursor);
    }
  } catch (...) {
    // No unfinished printout is left behind as a file.
    painter.end();
    if (!printer.outputFileName().isEmpty()) QFile::remove(printer.outputFileName());
    throw;
  }
  painter.end();
}

void TopicWindow::printBody(QPainter& painter, QPagedPaintDevice& device, PrintCursor& cursor) {
  if (memo_) PrintMemoLines(painter, device, memoFont(), memoLines(), cursor);
  if (TopicPicture* p = picture()) p->print(painter, device, cursor);
}

void TopicWindow::cmdHelp() { ShowWebHelp(HelpContextOf(textPage())); }

void TopicWindow::cmdSnapshot() {
  if (TopicPicture* p = picture()) p->copyToClipboard(shellState().ClipboardBlackWhite);
}

// ----- events -------------------------------------------------------------

void TopicWindow::resizeEvent(QResizeEvent* event) {
  TopicWindowBase::resizeEvent(event);
  relayout();
}

void TopicWindow::showEvent(QShowEvent* event) {
  TopicWindowBase::showEvent(event);
  relayout();
  runGuarded([this] {
    if ((config_.focus == FocusPolicy::OnShow || config_.focus == FocusPolicy::OnShowAndActivate) &&
        currentPage() == pageOf(PageKind::Input))
      focusFirstInput();
  });
}

bool TopicWindow::event(QEvent* event) {
  const bool handled = TopicWindowBase::event(event);
  // Inside the MDI area a window is activated when its subwindow becomes the
  // active one. The WindowActivate that Qt passes down to every child when
  // the main window regains the activation (after any message box, too)
  // does not count: it reaches inactive windows as well, and would pull the
  // focus off a bad field the moment its error box closed.
  if (event->type() == QEvent::ParentChange)
    watchSubWindow();
  else if (event->type() == QEvent::WindowActivate && isWindow())
    activated();
  return handled;
}

void TopicWindow::watchSubWindow() {
  auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget());
  if (!sub || sub == watchedSubWindow_) return;
  watchedSubWindow_ = sub;
  connect(sub, &QMdiSubWindow::windowStateChanged, this, [this, sub](Qt::WindowStates before, Qt::WindowStates now) {
    if (sub == parentWidget() && !(before & Qt::WindowActive) && (now & Qt::WindowActive)) activated();
  });
}

void TopicWindow::activated() {
  if (config_.focus == FocusPolicy::OnShowAndActivate && currentPage() == pageOf(PageKind::Input))
    runGuarded([this] { focusFirstInput(); });
  else if (config_.focus == FocusPolicy::RecomputeOnActivate)
    pageChanged(currentPage());
}

void TopicWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && longRun_->running()) {
    runGuarded([this] { longRun_->stop(); });
    return;
  }
  TopicWindowBase::keyPressEvent(event);
}

namespace {
// Said once per run: closing windows one after another must not repeat it.
bool g_toldInputsNotKept = false;
}  // namespace

void resetInputsNotKeptNotice() { g_toldInputsNotKept = false; }

void TopicWindow::closeEvent(QCloseEvent* event) {
  runGuarded([this] {
    if (longRun_->running()) longRun_->stop();
    if (!created_ || !shellState().MemoryOption) return;
    // Inputs that cannot be kept (no data folder, or a memory file that
    // cannot be written: a folder, read-only, a full disk) are said once per
    // run instead of being found gone at the next start; the window closes
    // either way.
    auto tellOnce = [this](const QString& text) {
      if (g_toldInputsNotKept) return;
      g_toldInputsNotKept = true;
      ShowInfoBox(this, text);
    };
    const QString folder = shellState().DataFolder;
    if (!folder.isEmpty() && !QDir().mkpath(folder)) {
      tellOnce(GetText(IDatei, 23) + QStringLiteral(":\n") + QDir::toNativeSeparators(folder));
      return;
    }
    const QString file = memoryFile();
    QString error;
    if (!saveInputs(file, &error))
      tellOnce(GetText(IDatei, 26) + QStringLiteral(":\n") + QDir::toNativeSeparators(file) + u'\n' + error);
  });
  event->accept();
}

bool TopicWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease) {
    for (int i = 0; i < pageCount(); ++i)
      if (watched == pages_[static_cast<std::size_t>(i)].legend) runGuarded([this, i] { legendClicked(i); });
  } else if (event->type() == QEvent::Resize && !inLayout_) {
    for (const PageWidgets& p : pages_)
      if (watched == p.page) {
        inLayout_ = true;
        guardedLayout([this] { layoutPages(); });
        inLayout_ = false;
        secondPass_ = false;
        if (p.spec.kind == PageKind::Chart) rebuildPictureGuarded();  // the picture fits its view again
        break;
      }
  }
  return TopicWindowBase::eventFilter(watched, event);
}

}  // namespace zw
