#include "shell/options/OptionsDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QColorDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QStyle>
#include <QRadioButton>
#include <QVBoxLayout>

#include "platform/desktop/Desktop.h"
#include "platform/folders/Folders.h"
#include "shell/Fonts.h"
#include "shell/Guard.h"
#include "shell/Metrics.h"
#include "shell/Settings.h"
#include "shell/State.h"
#include "shell/commands/Commands.h"
#include "shell/help/Help.h"
#include "shell/kit/PageLayout.h"
#include "shell/mainwindow/MainWindow.h"
#include "shell/options/OptionsCommandLine.h"
#include "shell/texts/LanguageFiles.h"
#include "shell/texts/Texts.h"

namespace zw {

namespace {

int S(int v) { return ScalePixels(v); }

// The four fonts the dialog shows and lets the user change.
constexpr SharedFontId kFontIds[4] = {SharedFontId::LabelFont, SharedFontId::TextFont, SharedFontId::FixedFont,
                                      SharedFontId::ItalicFont};
constexpr int kFontTextItems[4] = {11, 12, 14, 16};

QColor colourOf(ColorValue v) { return QColor(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF)); }

void paintPanel(QLabel* panel, int paletteIndex, bool framed) {
  const QColor c = colourOf(PaletteColor(paletteIndex));
  panel->setStyleSheet(QStringLiteral("background-color: %1; border: %2;")
                           .arg(c.name(), framed ? QStringLiteral("2px solid black") : QStringLiteral("none")));
}

TFOpt::FontChooser& fontChooser() {
  static TFOpt::FontChooser chooser;
  return chooser;
}

// The font dialog with the effects and a colour button beside it.
bool runFontDialog(QWidget* parent, QFont& font, QColor& colour) {
  QDialog dlg(parent);
  dlg.setWindowTitle(GetText(IOpt, 3));
  auto* fontDlg = new QFontDialog(font, &dlg);
  fontDlg->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
  fontDlg->setWindowFlags(Qt::Widget);
  auto* colourBtn = new QPushButton(GetText(IRange, 44), &dlg);
  QColor chosen = colour;
  QObject::connect(colourBtn, &QPushButton::clicked, &dlg, [&] {
    const QColor c = QColorDialog::getColor(chosen, &dlg, GetText(IRange, 44));
    if (c.isValid()) chosen = c;
  });
  auto* ok = new QPushButton(QStringLiteral("OK"), &dlg);
  auto* cancel = new QPushButton(GetText(IQuit, 3), &dlg);
  QObject::connect(ok, &QPushButton::clicked, &dlg, &QDialog::accept);
  QObject::connect(cancel, &QPushButton::clicked, &dlg, &QDialog::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(colourBtn);
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(&dlg);
  layout->addWidget(fontDlg);
  layout->addLayout(buttons);
  if (dlg.exec() != QDialog::Accepted) return false;
  font = fontDlg->currentFont();
  colour = chosen;
  return true;
}

}  // namespace

void ClickLabel::mouseReleaseEvent(QMouseEvent* e) {
  QLabel::mouseReleaseEvent(e);
  if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) emit clicked();
}

void TFOpt::setFontChooser(FontChooser chooser) { fontChooser() = std::move(chooser); }

TFOpt::TFOpt(TFMenu* menu, QWidget* parent) : QDialog(parent ? parent : menu), menu_(menu) {
  build();
  // The values the program runs with, not the file's: a zoom that the work
  // area limited stays what it is, and so does everything else.
  loadColoursAndWidths();
  gbFarbtabelle_->hide();
  refreshStates();
  setDialogSize();
  relayout();
  btnOk_->setFocus();
}

void TFOpt::build() {
  inputBox_ = new QWidget(this);
  legendBox_ = new QWidget(this);
  auto radio = [](QWidget* parent) { return new QRadioButton(parent); };

  optSpr_ = new QGroupBox(inputBox_);
  for (int i = 0; i < 7; ++i) {
    lang_[size_t(i)] = radio(optSpr_);
    connect(lang_[size_t(i)], &QRadioButton::clicked, this, Guarded(this, [this, i] { onLanguage(i); }));
  }
  for (int k = 3; k <= 6; ++k) {
    auto* b = new QPushButton(QStringLiteral(">"), optSpr_);
    slotBtn_[size_t(k - 3)] = b;
    connect(b, &QPushButton::clicked, this, Guarded(this, [this, k] { onLanguageFile(k); }));
  }

  optLay_ = new QGroupBox(inputBox_);
  checkMdi_ = new QCheckBox(optLay_);
  connect(checkMdi_, &QCheckBox::toggled, this, [](bool on) { shellState().MdiOption = on; });
  checkMax_ = new QCheckBox(optLay_);
  connect(checkMax_, &QCheckBox::toggled, this, [](bool on) { shellState().MaxOption = on; });
  optSize_ = new QGroupBox(optLay_);
  static const char* const kSizeTexts[8] = {"150 %", "140 %", "130 %", "120 %", "110 %", "100 %", "90 %", "auto"};
  for (int i = 0; i < 8; ++i) {
    size_[size_t(i)] = radio(optSize_);
    size_[size_t(i)]->setText(QString::fromLatin1(kSizeTexts[i]));
    connect(size_[size_t(i)], &QRadioButton::clicked, this, Guarded(this, [this, i] { onZoom(i); }));
  }
  rgPrintSize_ = new QGroupBox(inputBox_);
  for (int i = 0; i < 6; ++i) {
    print_[size_t(i)] = radio(rgPrintSize_);
    print_[size_t(i)]->setText(QString::number(100 - 10 * i) + QStringLiteral(" %"));
    connect(print_[size_t(i)], &QRadioButton::clicked, this,
            [i] { shellState().PrintScale = PrintScaleValues[i]; });
  }
  checkFarbe_ = new QCheckBox(rgPrintSize_);

  optFont_ = new QGroupBox(inputBox_);
  for (int i = 0; i < 4; ++i) {
    fontLbl_[size_t(i)] = new ClickLabel(optFont_);
    fontLbl_[size_t(i)]->setCursor(Qt::PointingHandCursor);
    connect(fontLbl_[size_t(i)], &ClickLabel::clicked, this, Guarded(this, [this, i] { onFont(i); }));
  }

  rgLineStyle_ = new QGroupBox(inputBox_);
  for (int i = 0; i < 4; ++i) {
    grid_[size_t(i)] = radio(rgLineStyle_);
    connect(grid_[size_t(i)], &QRadioButton::clicked, this, [i] { shellState().ChartGridOption = i; });
  }

  gbGrafColor_ = new QGroupBox(inputBox_);
  gbGrafWidth_ = new QGroupBox(inputBox_);
  gbFlaeche_ = new QGroupBox(inputBox_);
  lblAreaColour_ = new QLabel(gbFlaeche_);
  lblAreaWidth_ = new QLabel(gbFlaeche_);
  for (int k = 0; k <= 12; ++k) {
    QWidget* colourParent = k == 0 ? gbFlaeche_ : gbGrafColor_;
    QWidget* widthParent = k == 0 ? gbFlaeche_ : gbGrafWidth_;
    panCol_[size_t(k)] = new ClickLabel(colourParent);
    connect(panCol_[size_t(k)], &ClickLabel::clicked, this, Guarded(this, [this, k] { onColourSlot(k); }));
    edWid_[size_t(k)] = new QLineEdit(widthParent);
    edWid_[size_t(k)]->setAlignment(Qt::AlignCenter);
    connect(edWid_[size_t(k)], &QLineEdit::textEdited, this,
            [this, k](const QString& t) { wid_[size_t(k)] = StrToIntDefault(t, 1); });
  }
  btnResetC_ = new QPushButton(QStringLiteral("Reset"), gbGrafColor_);
  connect(btnResetC_, &QPushButton::clicked, this, [this] {
    col_[0] = shellState().SettingsAreaColor;
    for (int k = 1; k <= GraphCount; ++k)
      col_[size_t(k)] = StrToIntDefault(CommaListItem(QString::fromLatin1(DefaultLineColor), k), 1);
    refreshColours();
  });
  btnResetW_ = new QPushButton(QStringLiteral("Reset"), gbGrafWidth_);
  connect(btnResetW_, &QPushButton::clicked, this, [this] {
    wid_[0] = shellState().SettingsRandWidth;
    for (int k = 1; k <= GraphCount; ++k) wid_[size_t(k)] = GraphLineWidth(shellState().SettingsLineWidth, k);
    refreshColours();
  });

  gbFarbtabelle_ = new QGroupBox(inputBox_);
  for (int k = 1; k <= PaletteSize; ++k) {
    square_[size_t(k - 1)] = new ClickLabel(gbFarbtabelle_);
    paintPanel(square_[size_t(k - 1)], k, false);
    connect(square_[size_t(k - 1)], &ClickLabel::clicked, this, Guarded(this, [this, k] { onPaletteSquare(k); }));
  }
  btnClose_ = new QPushButton(QStringLiteral("x"), gbFarbtabelle_);
  connect(btnClose_, &QPushButton::clicked, this, [this] {
    gbFarbtabelle_->hide();
    optDir_->show();
  });

  optDir_ = new QGroupBox(inputBox_);
  lblInstallation_ = new QLabel(optDir_);
  lblAccessverz_ = new QLabel(optDir_);
  lblDatenverz_ = new ClickLabel(optDir_);
  lblDatenverz_->setCursor(Qt::PointingHandCursor);
  connect(lblDatenverz_, &ClickLabel::clicked, this,
          Guarded(this, [] { desktop().openFolder(shellState().DataFolder); }));
  for (QLabel* l : {lblInstallation_, lblAccessverz_, static_cast<QLabel*>(lblDatenverz_)})
    l->setTextInteractionFlags(Qt::NoTextInteraction);

  cbMemory_ = new QCheckBox(inputBox_);
  connect(cbMemory_, &QCheckBox::toggled, this, [](bool on) { shellState().MemoryOption = on; });
  btnDefault_ = new QPushButton(inputBox_);
  connect(btnDefault_, &QPushButton::clicked, this, Guarded(this, [this] { onDefault(); }));
  btnExport_ = new QPushButton(QStringLiteral("Export"), inputBox_);
  connect(btnExport_, &QPushButton::clicked, this, Guarded(this, [this] { onExport(); }));
  btnSave_ = new QPushButton(inputBox_);
  // The shield: the settings file may need elevated rights.
  btnSave_->setIcon(style()->standardIcon(QStyle::SP_VistaShield));
  connect(btnSave_, &QPushButton::clicked, this, Guarded(this, [this] { onSave(); }));

  btnOk_ = new QPushButton(legendBox_);
  btnEsc_ = new QPushButton(legendBox_);
  btnHelp_ = new QPushButton(legendBox_);
  btnOk_->setDefault(true);
  connect(btnOk_, &QPushButton::clicked, this, Guarded(this, [this] { onOk(); }));
  connect(btnEsc_, &QPushButton::clicked, this, &QDialog::reject);
  connect(btnHelp_, &QPushButton::clicked, this, Guarded(this, [] { ShowCompiledHelp(HelpContextOf(IOpt)); }));
}

void TFOpt::loadColoursAndWidths() {
  const ShellState& s = shellState();
  col_[0] = s.SettingsAreaColor;
  wid_[0] = s.SettingsRandWidth;
  for (int k = 1; k <= GraphCount; ++k) {
    col_[size_t(k)] = GraphColorIndex(s.SettingsLineColor, k);
    wid_[size_t(k)] = GraphLineWidth(s.SettingsLineWidth, k);
  }
}

namespace {
constexpr int kFirstColumn = 150, kSecondColumn = 150, kLegendWidth = 88;
}  // namespace

int TFOpt::secondColumnWidth() const {
  // Wide enough for the longer of the two layout check boxes.
  const QFontMetrics fm(fonts().TextFont.font);
  const int indicator =
      style()->pixelMetric(QStyle::PM_IndicatorWidth) + style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
  const int text = std::max(fm.horizontalAdvance(checkMdi_->text()), fm.horizontalAdvance(checkMax_->text()));
  return std::max(S(kSecondColumn), text + indicator + S(24));
}

int TFOpt::thirdColumnLeft() const { return S(6) + S(kFirstColumn) + S(6) + secondColumnWidth() + S(6); }

void TFOpt::setDialogSize() {
  // The base size, wider only where the captions of the current language
  // and fonts need more room in the third column than it leaves.
  const QFontMetrics fm(fonts().TextFont.font);
  int needed = 0;
  for (const QGroupBox* g : {gbGrafColor_, gbGrafWidth_, gbFlaeche_})
    needed = std::max(needed, fm.horizontalAdvance(g->title()) + S(24));
  needed = std::max(needed, fm.horizontalAdvance(lblAreaColour_->text()) + fm.horizontalAdvance(lblAreaWidth_->text()) +
                                2 * S(28) + S(36));
  const int available = S(620) - S(kLegendWidth) - thirdColumnLeft() - S(6);
  resize(S(620) + std::max(0, needed - available), S(520));
}

void TFOpt::refreshStates() {
  const ShellState& s = shellState();
  auto check = [](QAbstractButton* b, bool on) {
    const QSignalBlocker block(b);
    b->setChecked(on);
  };
  // A radio list selects nothing when its value is outside the list; an
  // exclusive group cannot show that, so exclusivity is lifted meanwhile.
  auto select = [&check](auto& items, int selected) {
    for (size_t i = 0; i < items.size(); ++i) items[i]->setAutoExclusive(false);
    for (size_t i = 0; i < items.size(); ++i) check(items[i], int(i) == selected);
    for (size_t i = 0; i < items.size(); ++i) items[i]->setAutoExclusive(true);
  };
  select(lang_, s.DisplayedLanguageKind);
  check(checkMdi_, s.MdiOption);
  check(checkMax_, s.MaxOption);
  select(size_, ZoomListItem(s.ZoomAuto ? 0 : s.Zoom));
  select(print_, PrintScaleListItem(s.PrintScale));
  check(checkFarbe_, !s.PrintBlackWhite);
  select(grid_, s.ChartGridOption);
  check(cbMemory_, s.MemoryOption);
  refreshColours();
  refreshTexts();
}

void TFOpt::refreshColours() {
  for (int k = 0; k <= 12; ++k) {
    paintPanel(panCol_[size_t(k)], col_[size_t(k)], gbFarbtabelle_->isVisibleTo(this) && k == selectedSlot_);
    edWid_[size_t(k)]->setText(QString::number(wid_[size_t(k)]));
  }
}

void TFOpt::refreshTexts() {
  const ShellState& s = shellState();
  setWindowTitle(GetText(IOpt, 0));
  optSpr_->setTitle(GetText(IOpt, 1));
  for (int i = 0; i < 7; ++i) lang_[size_t(i)]->setText(s.LanguageNames[size_t(i)]);
  optLay_->setTitle(GetText(IOpt, 2));
  checkMdi_->setText(QStringLiteral(" ") + GetText(IOpt, 9));
  checkMax_->setText(QStringLiteral(" ") + GetText(IOpt, 10));
  optSize_->setTitle(GetText(IOpt, 8));
  rgPrintSize_->setTitle(GetText(IRange, 43));
  checkFarbe_->setText(GetText(IRange, 44));
  optFont_->setTitle(GetText(IOpt, 3));
  for (int i = 0; i < 4; ++i) {
    fontLbl_[size_t(i)]->setText(GetText(IOpt, kFontTextItems[i]));
    applySharedFont(fontLbl_[size_t(i)], fonts()[kFontIds[i]]);
  }
  rgLineStyle_->setTitle(GetText(IRange, 20));
  for (int i = 0; i < 4; ++i) grid_[size_t(i)]->setText(GetText(IRange, 210 + i));
  gbGrafColor_->setTitle(GetTextColon(IRange, 30) + GetText(IRange, 41));
  gbGrafWidth_->setTitle(GetTextColon(IRange, 30) + GetText(IRange, 42));
  gbFlaeche_->setTitle(GetText(IRange, 251));
  lblAreaColour_->setText(GetText(IRange, 44));
  lblAreaWidth_->setText(GetText(IRange, 252));
  gbFarbtabelle_->setTitle(GetText(IRange, 410));
  optDir_->setTitle(GetText(IOpt, 4));
  lblInstallation_->setText(s.PortableOption ? GetTextColon(IOpt, 21) : GetTextColon(IOpt, 20));
  lblAccessverz_->setText(GetTextColon(IOpt, 18) + s.InstallFolder);
  lblDatenverz_->setToolTip(s.DataFolder);
  elideDataFolder();
  cbMemory_->setText(QStringLiteral(" Memory"));
  btnDefault_->setText(GetText(IOpt, 17));
  btnSave_->setText(GetText(IDatei, 20));
}

void TFOpt::elideDataFolder() {
  // A long path is cut in the middle, so that its start and its last
  // folders stay readable; the tool tip has all of it.
  const QString caption = GetTextColon(IOpt, 19);
  const QFontMetrics fm(lblDatenverz_->font());
  const int room = lblDatenverz_->width() - fm.horizontalAdvance(caption) - 2 * lblDatenverz_->margin() - 4;
  lblDatenverz_->setText(caption + fm.elidedText(shellState().DataFolder, Qt::ElideMiddle, std::max(0, room)));
}

void TFOpt::relayout() {
  LayoutInputPage(width(), inputBox_, legendBox_, btnOk_, btnEsc_, btnHelp_);
  inputBox_->setGeometry(0, 0, std::max(0, width() - S(88)), height());
  legendBox_->setGeometry(width() - S(88), 0, S(88), height());
  const int rh = S(20), gap = S(6), top = S(18);
  auto stack = [&](QGroupBox* box, auto& items, int x0, int w) {
    for (size_t i = 0; i < items.size(); ++i) items[i]->setGeometry(x0, top + int(i) * rh, w, rh);
    (void)box;
  };
  // Column 1: language, grid style, fonts, memory and the three buttons.
  const int c1 = S(6), w1 = S(kFirstColumn);
  optSpr_->setGeometry(c1, S(4), w1, top + 7 * rh + gap);
  stack(optSpr_, lang_, S(8), w1 - S(40));
  for (int k = 0; k < 4; ++k) slotBtn_[size_t(k)]->setGeometry(w1 - S(30), top + (k + 3) * rh, S(24), rh - 2);
  int y = optSpr_->geometry().bottom() + gap;
  rgLineStyle_->setGeometry(c1, y, w1, top + 4 * rh + gap);
  stack(rgLineStyle_, grid_, S(8), w1 - S(16));
  y = rgLineStyle_->geometry().bottom() + gap;
  optFont_->setGeometry(c1, y, w1, top + 4 * S(24) + gap);
  for (int i = 0; i < 4; ++i) fontLbl_[size_t(i)]->setGeometry(S(8), top + i * S(24), w1 - S(16), S(24));
  y = optFont_->geometry().bottom() + gap;
  cbMemory_->setGeometry(c1 + S(4), y, w1, rh);

  // Column 2: layout, window size, printing.
  const int c2 = c1 + w1 + S(6), w2 = secondColumnWidth();
  optLay_->setGeometry(c2, S(4), w2, top + 2 * rh + gap + top + 8 * rh + 2 * gap);
  checkMdi_->setGeometry(S(8), top, w2 - S(16), rh);
  checkMax_->setGeometry(S(8), top + rh, w2 - S(16), rh);
  optSize_->setGeometry(S(6), top + 2 * rh + gap, w2 - S(12), top + 8 * rh + gap);
  stack(optSize_, size_, S(8), w2 - S(28));
  y = optLay_->geometry().bottom() + gap;
  rgPrintSize_->setGeometry(c2, y, w2, top + 7 * rh + gap);
  stack(rgPrintSize_, print_, S(8), w2 - S(16));
  checkFarbe_->setGeometry(S(8), top + 6 * rh, w2 - S(16), rh);

  // Column 3: graph colours and widths, the area, then folders or palette.
  const int c3 = thirdColumnLeft(), w3 = std::max(S(120), inputBox_->width() - c3 - S(6));
  const int cell = std::max(8, (w3 - S(16)) / 6);
  auto slotGrid = [&](QGroupBox* box, auto makeRect, QPushButton* reset) {
    for (int k = 1; k <= 12; ++k) {
      const int col = (k - 1) % 6, row = (k - 1) / 6;
      makeRect(k, QRect(S(8) + col * cell, top + row * (rh + 2), cell - 2, rh - 2));
    }
    reset->setGeometry(S(8), top + 2 * (rh + 2), w3 - S(16), rh);
    box->setFixedHeight(top + 3 * (rh + 2) + gap);
  };
  gbGrafColor_->setGeometry(c3, S(4), w3, 0);
  slotGrid(gbGrafColor_, [&](int k, QRect r) { panCol_[size_t(k)]->setGeometry(r); }, btnResetC_);
  y = gbGrafColor_->geometry().bottom() + gap;
  gbGrafWidth_->setGeometry(c3, y, w3, 0);
  slotGrid(gbGrafWidth_, [&](int k, QRect r) { edWid_[size_t(k)]->setGeometry(r); }, btnResetW_);
  y = gbGrafWidth_->geometry().bottom() + gap;
  gbFlaeche_->setGeometry(c3, y, w3, top + rh + gap);
  // Colour label, panel, width label, edit: each as wide as it needs.
  int x = S(8);
  for (QWidget* w : {static_cast<QWidget*>(lblAreaColour_), static_cast<QWidget*>(panCol_[0]),
                     static_cast<QWidget*>(lblAreaWidth_), static_cast<QWidget*>(edWid_[0])}) {
    const auto* label = qobject_cast<QLabel*>(w);
    const bool isLabel = label && w != panCol_[0];
    const int ww = isLabel ? label->fontMetrics().horizontalAdvance(label->text()) + S(4) : cell - 2;
    w->setGeometry(x, top, ww, isLabel ? rh : rh - 2);
    x += ww + (isLabel ? S(2) : S(10));
  }
  y = gbFlaeche_->geometry().bottom() + gap;
  for (QPushButton* b : {btnDefault_, btnExport_, btnSave_}) {
    b->setGeometry(c3, y, w3, S(24));
    y += S(24) + S(4);
  }

  // Folders below columns 2 and 3; the palette table takes their place.
  const int yDir = std::max(y, rgPrintSize_->geometry().bottom() + gap);
  const QRect dir(c2, yDir, inputBox_->width() - c2 - S(6), std::max(S(60), height() - yDir - S(6)));
  optDir_->setGeometry(dir);
  lblInstallation_->setGeometry(S(8), top, dir.width() - S(16), rh);
  lblAccessverz_->setGeometry(S(8), top + rh, dir.width() - S(16), rh);
  lblDatenverz_->setGeometry(S(8), top + 2 * rh, dir.width() - S(16), rh);
  elideDataFolder();
  gbFarbtabelle_->setGeometry(dir);
  const int sq = std::max(6, std::min((dir.width() - S(40)) / 12, (dir.height() - top - S(4)) / 4));
  for (int k = 1; k <= PaletteSize; ++k)
    square_[size_t(k - 1)]->setGeometry(S(8) + ((k - 1) % 12) * sq, top + ((k - 1) / 12) * sq, sq - 2, sq - 2);
  btnClose_->setGeometry(dir.width() - S(28), top, S(22), S(22));
}

void TFOpt::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  relayout();
  btnOk_->setFocus();
}

void TFOpt::resizeEvent(QResizeEvent* e) {
  QDialog::resizeEvent(e);
  relayout();
}

void TFOpt::applyLayout() {
  if (menu_) {
    menu_->ApplyWindowLayout();
  } else {
    applyZoom(shellState().Zoom);
  }
  refreshTexts();
  setDialogSize();
  relayout();
}

void TFOpt::onLanguage(int item) {
  ShellState& s = shellState();
  s.LanguageNumber = item;
  s.DisplayedLanguageKind = s.LanguageKind = LanguageNumberToKind(item);
  if (menu_) menu_->SetLanguage(s.LanguageKind);
  refreshTexts();
  setDialogSize();
  relayout();  // the button bar takes its captions there
}

void TFOpt::onLanguageFile(int slot) {
  ShellState& s = shellState();
  const QString filter = GetText(IDatei, 11) + QStringLiteral(" (*.txt)|*.TXT|") + GetText(IDatei, 12) +
                         QStringLiteral(" (*.*)|*.*");
  QPointer<TFOpt> self(this);
  const QString file = AskOpenFile(this, s.AppFolder, filter);
  // A cancelled dialog leaves the slot as it was.
  if (!self || file.isEmpty()) return;
  s.LanguageNames[size_t(slot)] = QFileInfo(file).completeBaseName();
  const QString path = LanguageFileName(slot);
  LanguageFileProblem problem = LanguageFileProblem::None;
  if (!setLanguageFile(slot, path, &problem)) {
    ShowErrorBox(this, LanguageFileMessage(problem, path));
    if (!self) return;
  }
  sprChanged_ = true;
  if (menu_ && s.LanguageKind == slot) menu_->SetLanguage(slot);
  refreshTexts();
  setDialogSize();
  relayout();
}

void TFOpt::onZoom(int item) {
  shellState().Zoom = ZoomListValues[item];
  shellState().ZoomAuto = ZoomListValues[item] == 0;
  applyLayout();
}

void TFOpt::onFont(int i) {
  SharedFont& shared = fonts()[kFontIds[i]];
  QFont font = shared.font;
  QColor colour = shared.color;
  QPointer<TFOpt> self(this);
  const bool ok = fontChooser() ? fontChooser()(this, font, colour) : runFontDialog(this, font, colour);
  if (!self || !ok) return;
  shared.font = font;
  shared.color = colour;
  // The layout sets the heights back to the zoom's.
  if (menu_)
    menu_->ApplyWindowLayout();
  else
    ApplyFontHeights();
  refreshTexts();
  relayout();
}

void TFOpt::onColourSlot(int slot) {
  selectedSlot_ = slot;
  optDir_->hide();
  gbFarbtabelle_->show();
  refreshColours();
}

void TFOpt::onPaletteSquare(int k) {
  ShellState& s = shellState();
  if (selectedSlot_ == 0) {
    s.GraphAreaColor = k;
    col_[0] = k;
  } else {
    col_[size_t(selectedSlot_)] = k;
    s.GraphColorValues[size_t(selectedSlot_)] = PaletteColor(k);
  }
  gbFarbtabelle_->hide();
  optDir_->show();
  refreshColours();
}

void TFOpt::onDefault() {
  ApplyFonts();
  ReadSettings(true);
  if (menu_) menu_->SetLanguage(shellState().LanguageKind);
  loadColoursAndWidths();
  refreshStates();
  applyLayout();
}

void TFOpt::onExport() {
  if (QClipboard* cb = QGuiApplication::clipboard()) cb->setText(ExportLanguageText());
}

void TFOpt::applyGraphValues() {
  ShellState& s = shellState();
  s.GraphAreaColor = col_[0];
  s.GraphAreaWidth = wid_[0];
  QStringList colours, widths;
  for (int k = 1; k <= GraphCount; ++k) {
    colours.append(QString::number(col_[size_t(k)]));
    widths.append(QString::number(wid_[size_t(k)]));
  }
  s.GraphColorList = colours.join(u',');
  s.GraphWidthList = widths.join(u',');
}

void TFOpt::onSave() {
  applyGraphValues();
  int languageItem = -1, gridItem = -1;
  for (int i = 0; i < 7; ++i)
    if (lang_[size_t(i)]->isChecked()) languageItem = i;
  for (int i = 0; i < 4; ++i)
    if (grid_[size_t(i)]->isChecked()) gridItem = i;
  if (languageItem < 0) languageItem = shellState().LanguageNumber;
  if (gridItem < 0) gridItem = shellState().ChartGridOption;
  QPointer<TFOpt> self(this);
  const bool written = RunSettingsWriter(this, OptionsCommandLine(languageItem, checkFarbe_->isChecked(), gridItem));
  if (!self) return;
  // Nothing was stored: the dialog stays open and the settings-level values
  // keep describing the file.
  if (!written) return;
  ShellState& s = shellState();
  s.SettingsLineColor = s.GraphColorList;
  s.SettingsLineWidth = s.GraphWidthList;
  s.SettingsAreaColor = s.GraphAreaColor;
  s.SettingsRandWidth = s.GraphAreaWidth;
  setResult(QDialog::Accepted);
  if (sprChanged_ && AskYesNo(this, GetText(IQuit, 4), GetText(IQuit, 2))) {
    if (!self) return;
    restarting_ = RestartProgram(menu_);
  }
  if (self) accept();
}

void TFOpt::onOk() {
  if (menu_) menu_->relayout();  // tile pictures and captions
  applyGraphValues();
  accept();
}

void RunOptionsDialog(TFMenu* menu) {
  QPointer<TFMenu> guard(menu);
  TFOpt dlg(menu);
  const int result = dlg.exec();
  if (dlg.restarting()) return;
  if (result == QDialog::Accepted) ShowInfoBox(guard ? guard.data() : nullptr, QStringLiteral("OK!"));
}

namespace {
std::function<void()>& restartEnder() {
  static std::function<void()> ender;
  return ender;
}
}  // namespace

void setRestartEnder(std::function<void()> ender) { restartEnder() = std::move(ender); }

bool RestartProgram(TFMenu* menu) {
  if (menu) {
    menu->closeAllTopicWindows();
    if (!menu->topicWindows().empty()) return false;
  }
  if (!desktop().startDetached(QCoreApplication::applicationFilePath(), {})) return false;
  // Ends the event loops without closing the main window, so neither its
  // closing question nor the date in the sample worksheet follow.
  if (restartEnder())
    restartEnder()();
  else
    QCoreApplication::exit(0);
  return true;
}

}  // namespace zw
