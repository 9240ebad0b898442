// Every window of the area: no sideways scrolling at the default size, every
// worksheet key round-trips through Save and Load, and bad text in any field
// or cell is answered with a message, never a crash or a hang.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>

#include "shell/State.h"
#include "shell/catalogue/TopicRegistry.h"
#include "shell/commands/Commands.h"
#include "shell/kit/Grids.h"
#include "tests/topics/TopicTestBase.h"
#include "topics/frame/TopicWindow.h"

namespace zw {
namespace {

const char* const kWindows[] = {"TFLGS",  "TFMatInv", "TFMatMul", "TFPseudo", "TFSProd",
                                "TFVProd", "TFSpat",   "TFLinKom", "TFKombi",  "TFLinOpt"};

class LinalgWindows : public TopicTestBase {
protected:
  void SetUp() override {
    TopicTestBase::SetUp();
    shellState().MemoryOption = false;
  }
  static std::unique_ptr<TopicWindow> create(const char* name) {
    std::unique_ptr<TopicWindow> w(dynamic_cast<TopicWindow*>(createTopicWindow(name, nullptr)));
    if (w) {
      w->setAttribute(Qt::WA_DeleteOnClose, false);
      w->show();
    }
    return w;
  }
  // Every cell that has a worksheet key.
  template <typename F>
  static void forEachKeyedCell(TopicWindow& w, F f) {
    for (const GridBinding& g : w.fields().grids())
      for (int r = 1; r < g.grid->RowCount(); ++r)
        for (int c = 1; c < g.grid->ColCount(); ++c)
          if (!g.cellKey(c, r).isEmpty()) f(*g.grid, c, r);
  }
};

TEST_F(LinalgWindows, NoWindowScrollsSideways) {
  EXPECT_EQ(windowsScrollingSideways().join(u' ').toStdString(), "");
}

TEST_F(LinalgWindows, EveryWorksheetKeyRoundTrips) {
  for (const char* name : kWindows) {
    auto w = create(name);
    ASSERT_TRUE(w) << name;
    int i = 0;
    for (const InputField& f : w->fields().fields()) f.edit->setText(QStringLiteral("%1").arg(++i));
    forEachKeyedCell(*w, [&](StringGrid& g, int c, int r) { g.setCells(c, r, QStringLiteral("%1").arg(++i)); });
    deliverCommand(w.get(), WM_SAVEWORKSHEET, file("all.dat"));
    auto other = create(name);
    deliverCommand(other.get(), WM_LOADWORKSHEET, file("all.dat"));
    i = 0;
    for (const InputField& f : other->fields().fields()) EXPECT_EQ(f.edit->text(), QString::number(++i)) << name;
    forEachKeyedCell(*other, [&](StringGrid& g, int c, int r) {
      EXPECT_EQ(g.Cells(c, r), QString::number(++i)) << name << " " << c << "," << r;
    });
    EXPECT_TRUE(errors_.empty()) << name;
  }
}

TEST_F(LinalgWindows, BadTextIsAnsweredWithAMessage) {
  const QString bad[] = {QStringLiteral("abc?"), QStringLiteral("1e999"), QString(10000, u'9'),
                         QStringLiteral("1\t2\x01"), QStringLiteral("1/0")};
  for (const char* name : kWindows)
    for (const QString& text : bad) {
      auto w = create(name);
      for (const InputField& f : w->fields().fields()) f.edit->setText(text);
      forEachKeyedCell(*w, [&](StringGrid& g, int c, int r) { g.setCells(c, r, text); });
      errors_.clear();
      w->okButton(0)->click();
      if (w->currentPage() == 1 && w->pageCount() == 3 && std::string(name) == "TFMatMul") w->okButton(1)->click();
      EXPECT_FALSE(errors_.empty()) << name << " " << text.left(10).toStdString();
      EXPECT_EQ(w->currentPage(), 0) << name << " " << text.left(10).toStdString();
    }
  // Empty inputs compute (but for the linear programme, which needs an objective).
  for (const char* name : kWindows) {
    auto w = create(name);
    errors_.clear();
    w->okButton(0)->click();
    if (std::string(name) == "TFMatMul") w->okButton(1)->click();
    if (std::string(name) == "TFLinOpt")
      EXPECT_EQ(errors_, std::vector<QString>{"Zu wenig Eingaben"});
    else
      EXPECT_TRUE(errors_.empty()) << name;
  }
}

}  // namespace
}  // namespace zw
