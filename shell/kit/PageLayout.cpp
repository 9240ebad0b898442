#include "shell/kit/PageLayout.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QGroupBox>
#include <QPainter>
#include <QPushButton>
#include <QStyleOptionTab>
#include <QStylePainter>
#include <algorithm>

#include "charts/NumLab.h"
#include "shell/Fonts.h"
#include "shell/Metrics.h"
#include "shell/State.h"

namespace zw {

namespace {

struct SizeClass {
  int width, height;
  std::initializer_list<TTextIndex> pages;
};

// Pages not listed (and every page outside the topic range) take 520 x 260.
const SizeClass kSizeClasses[] = {
    {520, 260, {IHuge, ISysteme, IBruch, IComplex, IWinCalc, IGeo, IPlaton, IKoerp, IGetAB, IGetABC, IGetVGl,
                IX2d, IX3d, IAbstand, IAbstGG, IAbstGE, IAbstEE, IAna, ISto, ILinAlg}},
    {600, 340, {IPrim,    IPrimtup, IPrfz,    IggT,    IProz,  IDez2Br, IBr2Dez, IBino,    IGlei4,  IDio,
                IPyth,    IDrei,    IDrei1,   IDrei2,  IDrei3, IPoly1,  IPoly2,  IKreis,   ITang,   IKoSys,
                ITetra,   IHexa,    IOkta,    IDodeka, IIkosa, IPrisma, IZyl,    IPyra,    IKegel,  IKugel1,
                IGerade,  IEbene,   IKugel2,  IXGer2d, IXGerKr, IXKreis, IXGer3d, IXGerEb, IXEbene, IXGerK,
                IXEbKu,   IXKugel,  IAbstPP,  IAbstPG, IAbstPE, IAbstGPS, IIter,  IKombi,   ILGS,    ILinKom,
                ISProd,   IVProd,   ISpat,    IMatInv, IMatMul, IPseudo}},
    {640, 400, {IBesGer, ISchar, IKudis, IReihen, IInteg, IStat, IRegr, IBinVer, IHypVer, INormVer}},
    {720, 440, {IBigInt, IFolgen, IPolDiv, IPolFak, IPolTrans, IPolyggT, IFPlot1, IFPLot2, IFPLot3, IPolFkt, IRatFkt}},
    {720, 480, {IAbb, IVerhulst}},
    {600, 520, {IPlot3d, ILinOpt}},
};

int pageHeightOf(QWidget* w) {
  if (!w) return 0;
  return w->parentWidget() ? w->parentWidget()->height() : w->height();
}

void clearCaption(QWidget* box) {
  if (auto* g = qobject_cast<QGroupBox*>(box)) g->setTitle(QString());
}

void setButton(QAbstractButton* b, const QRect& r, const QString& caption) {
  if (!b) return;
  b->setGeometry(r);
  b->setText(caption);
  b->setFont(fonts().BoldFont.font);
  if (auto* pb = qobject_cast<QPushButton*>(b)) {
    // Enter does not press OK.
    pb->setDefault(false);
    pb->setAutoDefault(false);
  }
}

}  // namespace

QSize DefaultFormBaseSize(TTextIndex page) {
  const int p = static_cast<int>(page) % 128;
  for (const SizeClass& c : kSizeClasses)
    for (TTextIndex t : c.pages)
      if (static_cast<int>(t) == p) return {c.width, c.height};
  return {520, 260};
}

QSize DefaultFormSizeAt(TTextIndex page, int zoom) {
  const QSize s = DefaultFormBaseSize(page);
  return {ScalePixelsAt(s.width(), zoom), ScalePixelsAt(s.height(), zoom)};
}

void DefaultFormSize(TTextIndex page, QSize& size) { size = DefaultFormSizeAt(page, shellState().Zoom); }

ButtonBarRects buttonBarRects(int zoom) {
  auto s = [zoom](int v) { return ScalePixelsAt(v, zoom); };
  ButtonBarRects r;
  r.legendWidth = s(88);
  r.ok = QRect(s(4), s(12), s(80), s(20));
  r.cancel = QRect(s(4), r.ok.y() + s(20) + s(4), s(80), s(20));
  r.help = QRect(s(4), r.cancel.y() + s(20) + s(4), s(80), s(20));
  return r;
}

PageRects pageRects(QSize page, int zoom, Qt::LayoutDirection direction) {
  const int lw = ScalePixelsAt(88, zoom);
  const int cw = std::max(0, page.width() - lw);
  if (direction == Qt::RightToLeft) return {QRect(lw, 0, cw, page.height()), QRect(0, 0, lw, page.height())};
  return {QRect(0, 0, cw, page.height()), QRect(page.width() - lw, 0, lw, page.height())};
}

std::array<QRect, 3> chartToolButtonRects(QSize legendBox, QSize toolButton, const QRect& helpButton) {
  const int x = legendBox.width() / 2 - toolButton.width() / 2;
  const int yc = legendBox.height() / 2 - (3 * toolButton.height()) / 2;
  const int ymin = helpButton.top() + helpButton.height() + 2;
  const int y0 = std::max(yc, ymin);
  const int step = toolButton.height() + 2;
  return {QRect(QPoint(x, y0), toolButton), QRect(QPoint(x, y0 + step), toolButton),
          QRect(QPoint(x, y0 + 2 * step), toolButton)};
}

std::array<QRect, 2> readoutRects(QSize container) {
  constexpr int h = 28;
  return {QRect(0, container.height() - 2 * h, container.width(), h),
          QRect(0, container.height() - h, container.width(), h)};
}

void DrawTabCaption(QPainter& canvas, const QRect& rect, const QString& caption) {
  const QFont& f = fonts().BoldFont.font;
  canvas.save();
  canvas.setFont(f);
  canvas.setPen(fonts().BoldFont.color);
  const QPoint topLeft(rect.left() + ScalePixels(2), rect.top() + ScalePixels(4));
  canvas.drawText(topLeft.x(), topLeft.y() + QFontMetrics(f).ascent(), u' ' + caption + u' ');
  canvas.restore();
}

namespace {
QFont topicTabFont() {
  QFont f = fonts().TextFont.font;
  f.setPixelSize(std::max(1, f.pixelSize() * 9 / 10));
  f.setBold(true);
  return f;
}
}  // namespace

void DrawTopicTabCaption(QPainter& canvas, const QRect& rect, const QString& caption) {
  const QFont f = topicTabFont();
  canvas.save();
  canvas.setFont(f);
  canvas.setPen(fonts().TextFont.color);
  canvas.drawText(rect.left() + 4, rect.top() + 4 + QFontMetrics(f).ascent(), u' ' + caption);
  canvas.restore();
}

CaptionTabBar::CaptionTabBar(CaptionStyle style, QWidget* parent) : QTabBar(parent), style_(style) {}

void CaptionTabBar::setCaptionStyle(CaptionStyle style) {
  style_ = style;
  updateGeometry();
  update();
}

QSize CaptionTabBar::tabSizeHint(int index) const {
  QSize base = QTabBar::tabSizeHint(index);
  const QString t = tabText(index);
  int textW, textH, offX, offY;
  if (style_ == CaptionStyle::Shell) {
    QFontMetrics fm(fonts().BoldFont.font);
    textW = fm.horizontalAdvance(u' ' + t + u' ');
    textH = fm.height();
    offX = ScalePixels(2);
    offY = ScalePixels(4);
  } else {
    QFontMetrics fm(topicTabFont());
    textW = fm.horizontalAdvance(u' ' + t);
    textH = fm.height();
    offX = offY = 4;
  }
  // Room for the caption at its offset and the same margin on the far side.
  return {std::max(base.width(), textW + 2 * offX), std::max(base.height(), textH + 2 * offY)};
}

void CaptionTabBar::paintEvent(QPaintEvent*) {
  QStylePainter p(this);
  for (int i = 0; i < count(); ++i) {
    QStyleOptionTab opt;
    initStyleOption(&opt, i);
    opt.text.clear();
    p.drawControl(QStyle::CE_TabBarTabShape, opt);
    if (style_ == CaptionStyle::Shell)
      DrawTabCaption(p, tabRect(i), tabText(i));
    else
      DrawTopicTabCaption(p, tabRect(i), tabText(i));
  }
}

PageControl::PageControl(CaptionTabBar::CaptionStyle style, QWidget* parent)
    : QTabWidget(parent), bar_(new CaptionTabBar(style)) {
  setTabBar(bar_);
}

void SetupButtonBar(QWidget* legendBox, QAbstractButton* okButton, QAbstractButton* cancelButton,
                    QAbstractButton* helpButton) {
  const int zoom = shellState().Zoom;
  const ButtonBarRects r = buttonBarRects(zoom);
  if (legendBox) {
    clearCaption(legendBox);
    const QWidget* page = legendBox->parentWidget();
    const int pw = page ? page->width() : legendBox->x() + legendBox->width();
    legendBox->setGeometry(
        pageRects(QSize(pw, pageHeightOf(legendBox)), zoom, legendBox->layoutDirection()).legend);
    legendBox->setFont(fonts().BoldFont.font);
  }
  setButton(okButton, r.ok, QStringLiteral("OK"));
  setButton(cancelButton, r.cancel, GetText(IQuit, 3));
  setButton(helpButton, r.help, GetText(IHelp, 0));
}

namespace {
void placeContentBox(int pageWidth, QWidget* box, QWidget* legendBox) {
  if (!box) return;
  clearCaption(box);
  box->setFont(fonts().TextFont.font);
  const int h = pageHeightOf(legendBox ? legendBox : box);
  // In a right-to-left window the button bar stands on the left.
  box->setGeometry(pageRects(QSize(pageWidth, h), shellState().Zoom, box->layoutDirection()).content);
}
}  // namespace

void LayoutInputPage(int pageWidth, QWidget* inputBox, QWidget* legendBox, QAbstractButton* okButton,
                     QAbstractButton* cancelButton, QAbstractButton* helpButton) {
  SetupButtonBar(legendBox, okButton, cancelButton, helpButton);
  placeContentBox(pageWidth, inputBox, legendBox);
}

void LayoutChartPage(int pageWidth, QWidget* chartBox, QWidget* legendBox, QAbstractButton* okButton,
                     QAbstractButton* cancelButton, QAbstractButton* helpButton, QAbstractButton* aspectButton,
                     QAbstractButton* centerButton, QAbstractButton* settingsButton, TNumLab* xReadout,
                     TNumLab* yReadout) {
  SetupButtonBar(legendBox, okButton, cancelButton, helpButton);
  placeContentBox(pageWidth, chartBox, legendBox);
  if (aspectButton) aspectButton->setToolTip(GetText(IRange, 4) + QStringLiteral("  1 : 1"));
  if (settingsButton) settingsButton->setToolTip(GetText(IRange, 5));
  if (centerButton) centerButton->setToolTip(GetText(IRange, 6));
  if (legendBox && aspectButton && helpButton) {
    const auto r = chartToolButtonRects(legendBox->size(), aspectButton->size(), helpButton->geometry());
    aspectButton->setGeometry(r[0]);
    if (centerButton) centerButton->setGeometry(r[1]);
    if (settingsButton) settingsButton->setGeometry(r[2]);
  }
  TNumLab* readouts[2] = {yReadout, xReadout};
  const char16_t* leftTexts[2] = {u"y=", u"x="};
  for (int i = 0; i < 2; ++i) {
    TNumLab* lab = readouts[i];
    if (!lab) continue;
    const QSize container = lab->parentWidget() ? lab->parentWidget()->size() : lab->size();
    lab->setGeometry(readoutRects(container)[i]);
    QFont f = lab->font();
    f.setPointSize(10);
    f.setBold(false);
    f.setItalic(false);
    f.setUnderline(false);
    f.setStrikeOut(false);
    lab->setFont(f);
    lab->setAlignment(Qt::AlignLeft);
    lab->setFrameStyle(TFrameStyle::fsNone);
    lab->setLabelWidth(100);
    lab->setLeftSpace(20);
    lab->setLeftText(QString::fromUtf16(leftTexts[i]));
    lab->setTransparent(true);
  }
}

}  // namespace zw
