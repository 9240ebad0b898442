// The plane windows in their frames: no sideways scrolling at the default
// size, and the circle-and-line window's border that follows its pages.
#include <QApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <functional>
#include <memory>

#include "shell/kit/PageLayout.h"
#include "tests/topics/TopicTestBase.h"
#include "topics/frame/SubWindowBorder.h"
#include "topics/plane/KreisWindow.h"
#include "topics/plane/TangWindow.h"
#include "topics/plane/XGer2dWindow.h"
#include "topics/plane/XGerKrWindow.h"
#include "topics/plane/XKreisWindow.h"

namespace zw {
namespace {

class PlaneFrameTest : public TopicTestBase {};

// The frame's scroll area: the window's first direct child of that kind.
QScrollBar* SideBar(TopicWindow& w) {
  const auto areas = w.findChildren<QScrollArea*>(Qt::FindDirectChildrenOnly);
  return areas.isEmpty() ? nullptr : areas.front()->horizontalScrollBar();
}

template <typename W>
std::unique_ptr<TopicWindow> Open() {
  auto w = std::make_unique<W>();
  w->setAttribute(Qt::WA_DeleteOnClose, false);
  w->show();
  return w;
}

TEST_F(PlaneFrameTest, EveryWindowFitsItsDefaultSizeWithoutScrollingSideways) {
  EXPECT_EQ(windowsScrollingSideways().join(u' ').toStdString(), "");
}

TEST_F(PlaneFrameTest, EveryTangentTaskFitsTheDefaultSize) {
  auto w = Open<TFTang>();
  for (int task = 1; task <= 4; ++task) {
    static_cast<TFTang*>(w.get())->setTask(task);
    QApplication::processEvents();
    QScrollBar* bar = SideBar(*w);
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->maximum(), 0) << "task " << task << ": the inputs need " << w->pageControl()->minimumWidth();
  }
}

// The circle-and-line window inside an MDI area framed as the main window
// frames its children.
class BorderTest : public PlaneFrameTest {
protected:
  void SetUp() override {
    PlaneFrameTest::SetUp();
    area_.resize(1200, 800);
    area_.show();
    w_ = new TFXGerKr;
    sub_ = area_.addSubWindow(w_);
    sub_->setAttribute(Qt::WA_DeleteOnClose);
    sub_->setWindowFlags(Qt::SubWindow | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                         Qt::WindowCloseButtonHint | Qt::WindowTitleHint);
    sub_->show();
    area_.setActiveSubWindow(sub_);
    const QStringList texts = {"0", "1", "1", "0", "0", "2"};
    for (int i = 0; i < 6; ++i) w_->fields().fields()[std::size_t(i)].edit->setText(texts[i]);
  }
  bool frameless() const { return sub_->windowFlags().testFlag(Qt::FramelessWindowHint); }
  bool fixed() const { return sub_->windowFlags().testFlag(Qt::MSWindowsFixedSizeDialogHint); }

  QMdiArea area_;
  TFXGerKr* w_ = nullptr;
  QPointer<QMdiSubWindow> sub_;
};

TEST_F(BorderTest, SingleAtCreationNoneOnTheInputPageSizeableElsewhere) {
  EXPECT_FALSE(frameless());
  EXPECT_TRUE(fixed());
  EXPECT_EQ(w_->border().border(), WindowBorder::Single);
  // The page's size, or larger where the inputs need it.
  const QSize defaultSize = w_->sizeHint();
  EXPECT_EQ(defaultSize, DefaultFormSizeAt(IXGerKr, 100).expandedTo(defaultSize));

  struct Step {
    int page;
    bool frameless, fixed;
  };
  for (const Step& s : {Step{1, false, false}, Step{0, true, false}, Step{2, false, false}, Step{0, true, false}}) {
    w_->pageControl()->setCurrentIndex(s.page);
    ASSERT_FALSE(sub_.isNull());
    EXPECT_EQ(w_->currentPage(), s.page);
    EXPECT_EQ(frameless(), s.frameless) << s.page;
    EXPECT_EQ(fixed(), s.fixed) << s.page;
    EXPECT_TRUE(sub_->isVisible()) << s.page;
    EXPECT_EQ(area_.activeSubWindow(), sub_.data()) << s.page;
    // The window keeps its size inside whatever frame it has.
    EXPECT_EQ(w_->size(), defaultSize) << s.page;
  }
  // The input page's frame is gone: the title bar with it, so the window
  // fills its subwindow.
  EXPECT_EQ(sub_->contentsRect().size(), sub_->size());
  EXPECT_EQ(w_->focusWidget(), static_cast<QWidget*>(w_->fields().fields()[0].edit));
  EXPECT_TRUE(errors_.empty());
}

TEST_F(BorderTest, InputPageRestoresTheDefaultSizeAndKeepsThePosition) {
  w_->pageControl()->setCurrentIndex(1);
  sub_->move(40, 30);
  sub_->resize(sub_->size() + QSize(120, 90));  // sizeable on the results page
  const QPoint corner = sub_->pos();
  w_->pageControl()->setCurrentIndex(0);
  EXPECT_EQ(w_->size(), w_->sizeHint());
  EXPECT_EQ(sub_->pos(), corner);
}

TEST_F(BorderTest, EscClosesTheFramelessInputPage) {
  w_->pageControl()->setCurrentIndex(1);
  w_->pageControl()->setCurrentIndex(0);
  ASSERT_TRUE(frameless());
  w_->escButton(0)->click();
  QApplication::processEvents();
  QTest::qWait(0);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(sub_.isNull() || !sub_->isVisible());
}

TEST_F(BorderTest, AMaximisedWindowKeepsItsFrameUntilRestored) {
  w_->pageControl()->setCurrentIndex(1);
  sub_->showMaximized();
  w_->pageControl()->setCurrentIndex(0);
  EXPECT_FALSE(frameless());
  EXPECT_TRUE(sub_->isMaximized());
  sub_->showNormal();
  EXPECT_TRUE(frameless());
  w_->pageControl()->setCurrentIndex(2);
  EXPECT_FALSE(frameless());
}

TEST_F(BorderTest, AFramelessMaximisedChildIsLeftAlone) {
  // Without MDI children the main window shows every window maximised and
  // without a frame of its own.
  QMdiArea area;
  area.show();
  auto* w = new TFXGerKr;
  QMdiSubWindow* sub = area.addSubWindow(w);
  sub->setWindowFlags(Qt::SubWindow | Qt::FramelessWindowHint);
  sub->showMaximized();
  const Qt::WindowFlags flags = sub->windowFlags();
  for (int page : {1, 0, 2}) {
    w->pageControl()->setCurrentIndex(page);
    EXPECT_EQ(sub->windowFlags(), flags) << page;
    EXPECT_TRUE(sub->isMaximized()) << page;
  }
}

}  // namespace
}  // namespace zw
