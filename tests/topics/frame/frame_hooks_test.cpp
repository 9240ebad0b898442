// The frame's hooks for windows with a picture page and checks of their own:
// one box with the focus on the last bad field, the focus after a failed
// computation, a window's own default size, when the picture is rebuilt, and
// the 3D view as the picture that prints, copies and recentres on a click.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QImage>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <memory>

#include "charts/Rot3D.h"
#include "kernel/CalcFailure.h"
#include "platform/ini/IniFile.h"
#include "shell/State.h"
#include "tests/topics/PdfText.h"
#include "tests/topics/TopicTestBase.h"
#include "topics/frame/TopicWindow.h"
#include "topics/frame/View3DPicture.h"

namespace zw {
namespace {

// Three pages (input, results, picture) with a wire frame on the picture page.
class PictureTopic : public TopicWindow {
public:
  explicit PictureTopic(TopicConfig config) : TopicWindow(nullptr, "TFTetra", withPages(std::move(config))) {
    for (int i = 0; i < 3; ++i) edits[i] = new QLineEdit(inputArea());
    fields().addField("a", edits[0], u'p');
    fields().addField("b", edits[1], u'P');
    fields().addField("c", edits[2], u'P');
    view = new TRot3D(contentBox(2));
    view->setAxNameX("Xachse");
    picture_ = std::make_unique<View3DPicture>(*this, *view, View3DPicture::Click::Recentre);
    initTopic();
    setAttribute(Qt::WA_DeleteOnClose, false);
  }
  QLineEdit* edits[3] = {};
  TRot3D* view = nullptr;
  int rebuilds = 0;
  QWidget* focusAfterFailure = nullptr;
  QSize ownSize;
  std::function<void()> onCompute;

protected:
  static TopicConfig withPages(TopicConfig c) {
    c.pages = TopicConfig::inputResultsChart();
    return c;
  }
  void layoutInputs() override {
    for (int i = 0; i < 3; ++i) edits[i]->setGeometry(16, 16 + 24 * i, 100, 20);
  }
  void layoutPage(int index) override {
    TopicWindow::layoutPage(index);
    view->setGeometry(contentBox(index)->contentsRect());
  }
  void compute() override {
    if (onCompute) onCompute();
    setMemoLines({"Ergebniszeile"});
  }
  void rebuildPicture() override {
    ++rebuilds;
    view->Clear();
    view->setColorData(Qt::red);
    view->setLineWidth(3);
    view->Line(-1, -1, -1, 1, 1, 1);
    view->Line(-1, 1, -1, 1, -1, 1);
    view->MakeVisible();
  }
  QWidget* failureFocus() const override {
    return focusAfterFailure ? focusAfterFailure : TopicWindow::failureFocus();
  }
  QSize defaultSize() const override {
    return ownSize.isValid() ? atLeastInputs(ownSize) : TopicWindow::defaultSize();
  }
  TopicPicture* picture() override { return picture_.get(); }

private:
  std::unique_ptr<View3DPicture> picture_;
};

class FrameHooksTest : public TopicTestBase {
protected:
  void SetUp() override {
    TopicTestBase::SetUp();
    shellState().MemoryOption = false;
  }
  std::unique_ptr<PictureTopic> open(TopicConfig config = {}) {
    auto w = std::make_unique<PictureTopic>(std::move(config));
    w->show();
    return w;
  }
};

TEST_F(FrameHooksTest, OneBoxForAllBadFieldsAndTheLastKeepsTheFocus) {
  TopicConfig c;
  c.check = InputCheck::OneBoxLastField;
  struct Case { const char* a; const char* b; const char* c; int focus; int boxes; } cases[] = {
      {"-1", "#", "2", 1, 1},  // a and b bad: b, the last, keeps the focus
      {"-1", "1", "2", 0, 1},
      {"#", "1", "-3", 2, 1},
      {"1", "1", "1", -1, 0},  // all good: computed
  };
  for (const Case& k : cases) {
    errors_.clear();
    auto w = open(c);
    w->edits[0]->setText(k.a);
    w->edits[1]->setText(k.b);
    w->edits[2]->setText(k.c);
    w->okButton(0)->click();
    EXPECT_EQ(static_cast<int>(errors_.size()), k.boxes) << k.a << k.b << k.c;
    if (k.focus < 0) {
      EXPECT_EQ(w->currentPage(), 1);
      continue;
    }
    EXPECT_EQ(errors_.front(), "Unzulässige Eingabe");
    EXPECT_EQ(w->currentPage(), 0);
    EXPECT_EQ(w->focusWidget(), w->edits[k.focus]) << k.a << k.b << k.c;
  }
}

TEST_F(FrameHooksTest, FailedComputationFocusesWhatTheWindowNames) {
  auto w = open();
  w->edits[0]->setText("1");
  w->onCompute = [] { throw CalcFailure(msg::NoSolution); };
  w->focusAfterFailure = w->edits[2];
  w->okButton(0)->click();
  EXPECT_EQ(errors_, std::vector<QString>{"Keine Lösung"});
  EXPECT_EQ(w->currentPage(), 0);
  EXPECT_EQ(w->focusWidget(), w->edits[2]);
}

TEST_F(FrameHooksTest, AWindowComputesItsOwnDefaultSizeButNeverBelowItsInputs) {
  auto w = std::make_unique<PictureTopic>(TopicConfig{});
  w->ownSize = QSize(632, 320);
  w->setDefaultSize();
  w->show();
  EXPECT_EQ(w->size(), QSize(632, 320));
  w->resize(400, 250);
  QTest::mouseClick(w->legendBox(0), Qt::LeftButton, {}, QPoint(20, 150));
  EXPECT_EQ(w->size(), QSize(632, 320));
  // Smaller than its inputs need, the window keeps room for them.
  w->ownSize = QSize(100, 60);
  w->setDefaultSize();
  EXPECT_GT(w->width(), 100);
  EXPECT_GT(w->height(), 60 + 16 + 24 * 2);
}

TEST_F(FrameHooksTest, PictureIsRebuiltAfterComputingLoadingEnteringItsPageAndResizing) {
  auto w = open();
  w->edits[0]->setText("1");
  struct Step { const char* what; std::function<void()> act; bool rebuilt; } steps[] = {
      {"computation", [&] { w->okButton(0)->click(); }, true},
      {"picture page", [&] { w->okButton(1)->click(); }, true},
      {"resize", [&] { w->resize(w->width() + 40, w->height() + 20); }, true},
      {"load", [&] { w->cmdLoad(file("none.dat")); }, true},
      {"new", [&] { w->cmdNew(file("none.dat")); }, true},
      {"bad input", [&] {
         w->edits[0]->setText("-1");
         w->okButton(0)->click();
       }, false},
      {"failed computation", [&] {
         w->edits[0]->setText("1");
         w->onCompute = [] { throw CalcFailure(msg::NoSolution); };
         w->okButton(0)->click();
       }, false},
  };
  for (const Step& s : steps) {
    const int before = w->rebuilds;
    s.act();
    EXPECT_EQ(w->rebuilds > before, s.rebuilt) << s.what;
  }
}

TEST_F(FrameHooksTest, PrintShowsTitleMemoAndTheViewNeverOpened) {
  auto w = open();
  w->edits[0]->setText("1");
  w->okButton(0)->click();  // the picture page stays closed
  const QString pdf = printToPdf("picture.pdf");
  w->cmdPrint();
  const QString text = PdfText(pdf);
  EXPECT_TRUE(text.contains("Zahlwerk 10.0: Das Tetraeder")) << text.toStdString();
  EXPECT_TRUE(text.contains("Ergebniszeile"));
  EXPECT_TRUE(text.contains("Xachse"));  // an axis name of the 3D view
  EXPECT_LT(text.indexOf("Ergebniszeile"), text.indexOf("Xachse"));
}

TEST_F(FrameHooksTest, SnapshotIsInColourOrBlackAndWhiteAsTheSettingSays) {
  auto w = open();
  w->edits[0]->setText("1");
  w->okButton(0)->click();
  const auto redPixels = [](const QImage& image) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) n += image.pixelColor(x, y) == QColor(Qt::red);
    return n;
  };
  for (bool blackWhite : {false, true}) {
    shellState().ClipboardBlackWhite = blackWhite;
    QApplication::clipboard()->clear();
    w->cmdSnapshot();
    const QImage image = QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), w->view->size());
    EXPECT_EQ(redPixels(image) > 0, !blackWhite) << blackWhite;
  }
}

TEST_F(FrameHooksTest, AClickOnTheViewRecentresIt) {
  auto w = open();
  w->okButton(0)->click();
  w->okButton(1)->click();
  TRot3D& v = *w->view;
  v.setCentX(5);
  v.setCentY(7);
  const QPointF at(v.width() / 3.0, v.height() / 3.0);
  QMouseEvent press(QEvent::MouseButtonPress, at, at, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&v, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, at, at, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(&v, &release);
  EXPECT_EQ(v.CentX(), v.width() / 2);
  EXPECT_EQ(v.CentY(), v.height() / 2);
}

}  // namespace
}  // namespace zw
