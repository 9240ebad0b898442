// The printout and the snapshot of every registered window with a chart show
// the chart of the current results, whether or not its page was ever shown:
// the example worksheet computed with OK and printed at once gives the same
// curves as a printout after the chart page was looked at.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QImage>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>

#include "kernel/KernelState.h"
#include "platform/folders/Folders.h"
#include "shell/State.h"
#include "shell/commands/Commands.h"
#include "tests/topics/PdfText.h"
#include "tests/windows/WindowVisit.h"
#include "topics/frame/ChartPage.h"
#include "topics/frame/LongRun.h"
#include "topics/frame/TopicWindow.h"

namespace zw {
namespace {

class ChartPrintoutTest : public WindowTestBase {
protected:
  static void waitForRun(TopicWindow& w) {
    QElapsedTimer clock;
    clock.start();
    while (w.longRun().running() && clock.elapsed() < 20000) QApplication::processEvents();
    settle();
  }
  static int chartPageOf(const TopicWindow& w) {
    for (int i = 0; i < int(w.config().pages.size()); ++i)
      if (w.config().pages[std::size_t(i)].kind == PageKind::Chart) return i;
    return -1;
  }
  // A window of the class with the example worksheet computed by OK.
  static std::unique_ptr<TopicWindowBase> computedExample(const std::string& className) {
    std::unique_ptr<TopicWindowBase> w = openWindow(className);
    TopicWindow* t = asTopicWindow(w.get());
    if (!t) return w;  // the calculators have no pages and no chart
    deliverCommand(w.get(), WM_LOADWORKSHEET, QStringLiteral(ZW_SOURCE_DIR "/data/DEMO.DAT"));
    t->okButton(0)->click();
    waitForRun(*t);
    return w;
  }
  QStringList printedPaths(TopicWindowBase* w, const QString& name) {
    const QString path = joinPath(dir_.path(), name);
    QFile::remove(path);
    commandUi().printDialog = [path](QWidget*, QPrinter& printer) {
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(path);
      return true;
    };
    deliverCommand(w, WM_PRINTWORKSHEET);
    return PdfPaths(path);
  }
  static QImage snapshot(TopicWindowBase* w) {
    QApplication::clipboard()->clear();
    deliverCommand(w, WM_SNAPSHOT);
    return QApplication::clipboard()->image();
  }
};

TEST_F(ChartPrintoutTest, ChartOfTheResultsWithoutItsPageShown) {
  shellState().MemoryOption = false;
  int checked = 0;
  for (const std::string& className : registeredTopicWindows()) {
    std::unique_ptr<TopicWindowBase> unseen = computedExample(className);
    TopicWindow* a = asTopicWindow(unseen.get());
    if (!a || chartPageOf(*a) < 0 || !a->hasResults()) continue;
    const int chart = chartPageOf(*a), after = a->currentPage();
    if (after == chart) continue;  // OK showed the chart itself
    const QStringList printedUnseen = printedPaths(unseen.get(), QStringLiteral("unseen.pdf"));
    const QImage copiedUnseen = snapshot(unseen.get());

    // The same results, the chart page looked at and left again.
    std::unique_ptr<TopicWindowBase> seen = computedExample(className);
    TopicWindow* b = asTopicWindow(seen.get());
    b->showPageSilently(chart);
    b->pageChanged(chart);
    waitForRun(*b);
    ASSERT_EQ(b->currentPage(), chart) << className;
    b->showPageSilently(after);
    settle();
    const QStringList printedSeen = printedPaths(seen.get(), QStringLiteral("seen.pdf"));
    const QImage copiedSeen = snapshot(seen.get());

    ++checked;
    EXPECT_EQ(printedUnseen.size(), printedSeen.size()) << className;
    EXPECT_TRUE(printedUnseen == printedSeen) << className << ": the printout's curves differ";
    EXPECT_TRUE(copiedUnseen == copiedSeen) << className << ": the snapshots differ";

    // New: no chart of the results before. (A printout that holds the
    // results only has none to lose.) A picture that is not a chart, such as
    // a 3D view, prints no more than in a window just opened (whose view may
    // be zoomed otherwise).
    deliverCommand(unseen.get(), WM_NEWWORKSHEET, QString());
    settle();
    if (dynamic_cast<ChartTopicWindow*>(a)) {
      if (!printedSeen.isEmpty()) {
        EXPECT_LT(printedPaths(unseen.get(), QStringLiteral("new.pdf")).size(), printedSeen.size()) << className;
      }
    } else {
      std::unique_ptr<TopicWindowBase> fresh = openWindow(className);
      EXPECT_LE(printedPaths(unseen.get(), QStringLiteral("new.pdf")).size(),
                printedPaths(fresh.get(), QStringLiteral("fresh.pdf")).size())
          << className << ": the printout after New still shows the results before";
    }
  }
  EXPECT_GT(checked, 0);
}

}  // namespace
}  // namespace zw
