#include "shell/mainwindow/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDate>
#include <QFile>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QScreen>
#include <QStandardPaths>
#include <QVBoxLayout>

#include "kernel/KernelState.h"
#include "platform/desktop/Desktop.h"
#include "platform/folders/Folders.h"
#include "platform/ini/IniFile.h"
#include "shell/Fonts.h"
#include "shell/Guard.h"
#include "shell/Metrics.h"
#include "shell/QtTranslations.h"
#include "shell/Settings.h"
#include "shell/State.h"
#include "shell/about/AboutBox.h"
#include "shell/about/FlipFlopDialog.h"
#include "shell/catalogue/TopicRegistry.h"
#include "shell/commands/Commands.h"
#include "shell/help/Help.h"
#include "shell/mainwindow/Glyphs.h"
#include "shell/mainwindow/JpegImage.h"
#include "shell/mainwindow/WindowLayout.h"
#include "shell/texts/Texts.h"

namespace zw {

namespace {

const QColor kNavy(0x00, 0x00, 0x80);
const QColor kStatusGreen(0x00, 0x80, 0x00);
constexpr int kSpeedPanelHeight = 24;
constexpr int kBottomBarHeight = 28;
constexpr int kLanguagePanelWidth = 256;

// The fixed items of the Datei, Fenster and Hilfe menus: component name and
// caption text.
struct FixedItem {
  const char* name;
  TTextIndex page;
  int item;
};
constexpr FixedItem kFixedItems[] = {
    {"MNew", ITabelle, 4},    {"MLoad", IDatei, 10},    {"MSave", IDatei, 20},
    {"MClose", IDatei, 30},   {"MPrint", IPrint, 0},    {"MSetup", IPrint, 1},
    {"MOpt", IOpt, 0},        {"MQuit", IQuit, 0},      {"MCascade", IFenster, 1},
    {"MTile", IFenster, 2},   {"MArrange", IFenster, 3}, {"MCloseAll", IFenster, 4},
    {"MIndex", IHelp, 1},     {"MAbout", IHelp, 3},
};

// Toolbar buttons: name, glyph, left edge (-1: follows the width), hint text.
struct ToolItem {
  const char* name;
  ToolGlyph glyph;
  int left;
  TTextIndex page;
  int item;
};
constexpr ToolItem kToolItems[] = {
    {"BtnNew", ToolGlyph::New, 10, ITabelle, 4},     {"btnopen", ToolGlyph::Open, 32, IDatei, 10},
    {"BtnSave", ToolGlyph::Save, 54, IDatei, 20},    {"BtnCut", ToolGlyph::Cut, 90, ITool, 1},
    {"BtnCopy", ToolGlyph::Copy, 112, ITool, 2},     {"BtnPaste", ToolGlyph::Paste, 134, ITool, 3},
    {"BtnPrint", ToolGlyph::Print, 156, IPrint, 0},  {"BtnSnap", ToolGlyph::Snapshot, 178, ITool, 4},
    {"BtnQuit", ToolGlyph::Quit, 216, IQuit, 0},     {"BtnHint", ToolGlyph::Demo, -80, ITool, 5},
    {"BtnHelp", ToolGlyph::Help, -50, IHelp, 0},
};

constexpr const char* kMenuNames[9] = {"MDatei", "MAlg", "MGeo2d", "MGeo3d", "MAna",
                                       "MSto", "MLin", "MFenster", "MHilfe"};
constexpr const char* kTileNames[6] = {"panAlg", "panG2D", "panG3D", "panAna", "panSto", "panLin"};
constexpr const char* kTilePictures[6] = {"tile_algebra.jpg",   "tile_geometry2d.jpg",
                                          "tile_geometry3d.jpg", "tile_analysis.jpg",
                                          "tile_stochastics.jpg", "tile_linearalgebra.jpg"};
constexpr const char* kLanguageButtonNames[7] = {"BitBtnDE", "BitBtnUK", "BitBtnFR", "BitBtn3",
                                                 "BitBtn4",  "BitBtn5",  "BitBtn6"};

// "&" marks an accelerator; a label without a buddy would show it as it is.
QString withoutAccelerator(const QString& text) {
  QString out;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == u'&' && i + 1 < text.size()) ++i;
    out += text[i];
  }
  return out;
}

QString geometryCaption(const char* suffix) {
  const QString geo = GetText(IGeo, 0);
  if (shellState().RightToLeft) return QStringLiteral("&") + QLatin1String(suffix) + QStringLiteral("-") + geo;
  return geo + QStringLiteral(" &") + QLatin1String(suffix);
}

QString calculatorMessage() {
  const QString list = QStringLiteral("gnome-calculator, kcalc, galculator, qalculate-gtk, xcalc");
  switch (shellState().LanguageKind) {
    case 0: return QStringLiteral("Es ist kein Rechnerprogramm installiert (gesucht: %1).").arg(list);
    case 2: return QStringLiteral("Aucune calculatrice n\u2019est install\u00e9e (cherch\u00e9 : %1).").arg(list);
    default: return QStringLiteral("No calculator program is installed (looked for: %1).").arg(list);
  }
}

}  // namespace

// ---------------------------------------------------------------- SubjectTile

SubjectTile::SubjectTile(const QString& name, QWidget* parent) : QFrame(parent) {
  setObjectName(name);
  setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, Qt::white);
  pal.setColor(QPalette::WindowText, Qt::black);
  setPalette(pal);
  setCursor(Qt::PointingHandCursor);
  image_ = new QLabel(this);
  image_->setObjectName(name.mid(3).prepend(QStringLiteral("img")));
  label_ = new QLabel(this);
  label_->setObjectName(name.mid(3).prepend(QStringLiteral("lbl")));
  label_->setAlignment(Qt::AlignCenter);
}

void SubjectTile::setPicture(const QImage& picture) {
  picture_ = picture;
  pictureZoom_ = 0;
}

void SubjectTile::setCaption(const QString& captionWithAccelerator) {
  caption_ = captionWithAccelerator;
  label_->setText(withoutAccelerator(caption_));
}

void SubjectTile::relayout(int zoom) {
  const QRect pic = tilePictureRect(zoom);
  image_->setGeometry(pic);
  if (pictureZoom_ != zoom && !picture_.isNull()) {
    image_->setPixmap(QPixmap::fromImage(
        picture_.scaled(pic.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
    pictureZoom_ = zoom;
  }
  QFont f = fonts().ItalicFont.font;
  f.setPointSize(std::max(1, TileCaptionPointSize()));
  label_->setFont(f);
  const int top = pic.bottom() + 1;
  label_->setGeometry(0, top, width(), std::max(0, height() - top - 2));
}

void SubjectTile::mousePressEvent(QMouseEvent* e) { e->accept(); }

void SubjectTile::mouseReleaseEvent(QMouseEvent* e) {
  if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) emit clicked();
}

// ---------------------------------------------------------------- TFMenu

TFMenu::TFMenu(QWidget* parent) : QMainWindow(parent) {
  setObjectName(QStringLiteral("TFMenu"));
  auto* central = new QWidget(this);
  auto* column = new QVBoxLayout(central);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  buildToolbar();
  mdi_ = new QMdiArea(central);
  mdi_->setObjectName(QStringLiteral("ClientArea"));
  mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  buildBottomBar();
  column->addWidget(speedPanel_);
  column->addWidget(mdi_, 1);
  column->addWidget(panel1_);
  setCentralWidget(central);
  buildMenu();
  buildTiles();
  mdi_->viewport()->installEventFilter(this);

  // 1. The menu font (this program's menus only).
  applyMenuFont();
  // 2. Caption and the program picture as the window icon.
  setWindowTitle(QStringLiteral("Zahlwerk 10.0"));
  setWindowIcon(QIcon(QPixmap::fromImage(programPicture())));
  // 3. Fonts, language, layout with the settings' values.
  ApplyFonts();
  SetLanguage(shellState().LanguageKind);
  ApplyWindowLayout();
  // 4. From now on topic windows open as MDI children, and the MAX setting
  //    follows the real window state.
  shellState().MdiOption = true;
  shellState().MaxOption = true;
  // 6. Activation changes keep the Datei items in step (creation and
  //    destruction do too, see TestMDI).
  connect(mdi_, &QMdiArea::subWindowActivated, this, [this] { UpdateMenuItems(); });
  // 8. Hints of the language buttons.
  for (int k = 0; k < 7; ++k) languageButtons_[k]->setToolTip(shellState().LanguageNames[k]);
  // (No working buffers for the prime topics: each run's sieve owns its own.)
  // 11. Glyph files of the external languages.
  loadLanguageGlyphs();

  // F1 anywhere in the window opens the overview. A topic window that gives
  // F1 a meaning of its own accepts the key's ShortcutOverride event and then
  // receives the key press itself.
  auto* help = new QAction(this);
  help->setObjectName(QStringLiteral("HelpKey"));
  help->setShortcut(Qt::Key_F1);
  help->setShortcutContext(Qt::WindowShortcut);
  connect(help, &QAction::triggered, this, [] { ShowCompiledHelp(1000); });
  addAction(help);

  programFinder_ = [](const QString& name) { return QStandardPaths::findExecutable(name); };
  UpdateMenuItems();
  updateTileVisibility();
}

TFMenu::~TFMenu() {
  // The topic windows die with the MDI area after this body; they must not
  // call back into a window that is half gone.
  for (const auto& sub : subWindows_)
    if (sub) sub->disconnect(this);
}

QAction* TFMenu::addItem(QMenu* menu, const std::string& name) {
  QAction* a = menu->addAction(QString());
  a->setObjectName(QString::fromStdString(name));
  items_[name] = a;
  return a;
}

void TFMenu::buildMenu() {
  QMenuBar* bar = menuBar();
  for (int i = 0; i < 9; ++i) {
    menus_[i] = bar->addMenu(QString());
    menus_[i]->setObjectName(QString::fromLatin1(kMenuNames[i]));
    items_[kMenuNames[i]] = menus_[i]->menuAction();
  }
  // Datei
  QMenu* datei = menus_[0];
  datei->setToolTipsVisible(true);  // the hint of "Öffnen"
  connect(addItem(datei, "MNew"), &QAction::triggered, this, [this] { requestCommand(MainCommand::New); });
  connect(addItem(datei, "MLoad"), &QAction::triggered, this, [this] { requestCommand(MainCommand::Load); });
  connect(addItem(datei, "MSave"), &QAction::triggered, this, [this] { requestCommand(MainCommand::Save); });
  connect(addItem(datei, "MClose"), &QAction::triggered, this, Guarded(this, [this] {
            if (QMdiSubWindow* sub = mdi_->activeSubWindow()) sub->close();
            UpdateMenuItems();
            updateTileVisibility();
          }));
  datei->addSeparator();
  connect(addItem(datei, "MPrint"), &QAction::triggered, this, [this] { requestCommand(MainCommand::Print); });
  connect(addItem(datei, "MSetup"), &QAction::triggered, this,
          [this] { requestCommand(MainCommand::PrinterSetup); });
  datei->addSeparator();
  connect(addItem(datei, "MOpt"), &QAction::triggered, this, [this] { requestCommand(MainCommand::Options); });
  datei->addSeparator();
  connect(addItem(datei, "MQuit"), &QAction::triggered, this, &QWidget::close);

  // The subject menus from the catalogue.
  std::map<std::string, QMenu*, std::less<>> submenus;
  for (const CatalogueItem& item : catalogueItems()) {
    QMenu* column = menus_[static_cast<int>(item.menu)];
    if (!item.parent.empty()) column = submenus.at(std::string(item.parent));
    const std::string name(item.name);
    QAction* action = nullptr;
    switch (item.kind) {
      case CatalogueItem::Kind::Submenu: {
        QMenu* sub = column->addMenu(QString());
        sub->setObjectName(QString::fromStdString(name));
        submenus[name] = sub;
        action = sub->menuAction();
        action->setObjectName(QString::fromStdString(name));
        items_[name] = action;
        break;
      }
      case CatalogueItem::Kind::Calculator:
        action = addItem(column, name);
        connect(action, &QAction::triggered, this, Guarded(this, [this] { startCalculator(); }));
        break;
      case CatalogueItem::Kind::Topic:
        action = addItem(column, name);
        connect(action, &QAction::triggered, this, [this, name] { openTopic(name); });
        break;
    }
    if (item.separatorAfter) column->addSeparator();
  }

  // Fenster
  QMenu* fenster = menus_[7];
  connect(addItem(fenster, "MCascade"), &QAction::triggered, this, Guarded(this, [this] { mdi_->cascadeSubWindows(); }));
  connect(addItem(fenster, "MTile"), &QAction::triggered, this, Guarded(this, [this] { mdi_->tileSubWindows(); }));
  connect(addItem(fenster, "MArrange"), &QAction::triggered, this, Guarded(this, [this] { arrangeIcons(); }));
  fenster->addSeparator();
  connect(addItem(fenster, "MCloseAll"), &QAction::triggered, this,
          Guarded(this, [this] { closeAllTopicWindows(); }));

  // Hilfe
  QMenu* hilfe = menus_[8];
  connect(addItem(hilfe, "MIndex"), &QAction::triggered, this, Guarded(this, [] { ShowCompiledHelp(1000); }));
  hilfe->addSeparator();
  connect(addItem(hilfe, "MAbout"), &QAction::triggered, this, Guarded(this, [this] { showAbout(); }));
}

void TFMenu::buildToolbar() {
  speedPanel_ = new QWidget(this);
  speedPanel_->setObjectName(QStringLiteral("SpeedPanel"));
  speedPanel_->setFixedHeight(kSpeedPanelHeight);
  speedPanel_->installEventFilter(this);
  for (const ToolItem& t : kToolItems) {
    auto* b = new QToolButton(speedPanel_);
    b->setObjectName(QString::fromLatin1(t.name));
    b->setIcon(toolGlyph(t.glyph));
    b->setIconSize(QSize(16, 16));
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::TabFocus);
    toolButtons_[t.name] = b;
  }
  auto on = [this](const char* name, MainCommand c) {
    connect(toolButtons_.at(name), &QToolButton::clicked, this, [this, c] { requestCommand(c); });
  };
  on("BtnNew", MainCommand::New);
  on("btnopen", MainCommand::Load);
  on("BtnSave", MainCommand::Save);
  on("BtnCut", MainCommand::Cut);
  on("BtnCopy", MainCommand::Copy);
  on("BtnPaste", MainCommand::Paste);
  on("BtnPrint", MainCommand::Print);
  on("BtnSnap", MainCommand::Snapshot);
  on("BtnHint", MainCommand::Demo);
  on("BtnHelp", MainCommand::Help);
  connect(toolButtons_.at("BtnQuit"), &QToolButton::clicked, this, &QWidget::close);
}

void TFMenu::buildBottomBar() {
  panel1_ = new QWidget(this);
  panel1_->setObjectName(QStringLiteral("Panel1"));
  panel1_->setFixedHeight(kBottomBarHeight);
  panel1_->installEventFilter(this);
  statusLine_ = new QLabel(QStringLiteral(" Zahlwerk 10.0"), panel1_);
  statusLine_->setObjectName(QStringLiteral("StatusLine"));
  statusLine_->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  QPalette pal = statusLine_->palette();
  pal.setColor(QPalette::WindowText, kStatusGreen);
  statusLine_->setPalette(pal);
  statusLine_->installEventFilter(this);
  panel2_ = new QWidget(panel1_);
  panel2_->setObjectName(QStringLiteral("Panel2"));
  panel2_->installEventFilter(this);
  for (int k = 0; k < 7; ++k) {
    auto* b = new QToolButton(panel2_);
    b->setObjectName(QString::fromLatin1(kLanguageButtonNames[k]));
    b->setIcon(languageGlyph(k, shellState().LanguageNames[k]));
    b->setIconSize(QSize(30, 18));
    b->setAutoRaise(true);
    connect(b, &QToolButton::clicked, this, Guarded(this, [this, k] { onLanguageButton(k); }));
    languageButtons_[k] = b;
  }
}

void TFMenu::buildTiles() {
  ensurePictureResources();
  QWidget* client = mdi_->viewport();
  for (int i = 0; i < 6; ++i) {
    tiles_[i] = new SubjectTile(QString::fromLatin1(kTileNames[i]), client);
    QFile file(QStringLiteral(":/pictures/") + QString::fromLatin1(kTilePictures[i]));
    if (file.open(QIODevice::ReadOnly)) tiles_[i]->setPicture(decodeJpeg(file.readAll()));
    connect(tiles_[i], &SubjectTile::clicked, this, Guarded(this, [this, i] { OpenMenu(i + 1); }));
  }
}

void TFMenu::applyMenuFont() {
  // "Segoe UI" 11, navy, for this program's menu bar and menus only.
  QFont f;
  f.setFamilies(fontFamiliesFor(QStringLiteral("Segoe UI")));
  f.setPointSize(11);
  QPalette pal = menuBar()->palette();
  for (auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text}) {
    pal.setColor(QPalette::Active, role, kNavy);
    pal.setColor(QPalette::Inactive, role, kNavy);
  }
  menuBar()->setFont(f);
  menuBar()->setPalette(pal);
  for (QMenu* m : menuBar()->findChildren<QMenu*>()) {
    m->setFont(f);
    m->setPalette(pal);
  }
}

// ---------------------------------------------------------------- topics

TopicWindowBase* TFMenu::openTopic(std::string_view itemName) {
  const CatalogueItem* item = findCatalogueItem(itemName);
  if (!item || item->kind != CatalogueItem::Kind::Topic) return nullptr;
  // Creating a window is an entry from the event loop like any other: a
  // topic whose creation fails is reported and the program goes on.
  QPointer<TopicWindowBase> w;
  RunGuarded(this, [&] {
    w = createTopicWindow(item->className, this);
    if (w) TestMDI(w);
  });
  return w.data();
}

void TFMenu::TestMDI(TopicWindowBase* form) {
  if (!form) return;
  QMdiSubWindow* sub = mdi_->addSubWindow(form);
  sub->setAttribute(Qt::WA_DeleteOnClose);
  if (form->windowIcon().cacheKey() == QApplication::windowIcon().cacheKey()) sub->setWindowIcon(windowIcon());
  subWindows_.emplace_back(sub);
  connect(sub, &QObject::destroyed, this, [this](QObject* gone) {
    std::erase_if(subWindows_, [gone](const QPointer<QWidget>& p) {
      return p.isNull() || static_cast<QObject*>(p.data()) == gone;
    });
    UpdateMenuItems();
    updateTileVisibility();
  });
  if (shellState().MdiOption) {
    sub->setWindowFlags(Qt::SubWindow | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                        Qt::WindowCloseButtonHint | Qt::WindowTitleHint);
    sub->resize(sub->sizeHint().expandedTo(form->size() + (sub->size() - sub->contentsRect().size())));
    sub->show();
    // Cascaded like the windows before it, so that it never opens half outside
    // the client area while there is room for it.
    const int step = std::max(1, form->geometry().top());
    sub->move(cascadePosition(static_cast<int>(topicWindows().size()) - 1, step, sub->size(),
                              mdi_->viewport()->size()));
  } else {
    sub->setWindowFlags(Qt::SubWindow | Qt::FramelessWindowHint);
    sub->showMaximized();
  }
  unsetCursor();
  form->setLayoutDirection(shellState().RightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
  UpdateMenuItems();
  updateTileVisibility();
}

std::vector<TopicWindowBase*> TFMenu::topicWindows() const {
  std::vector<TopicWindowBase*> out;
  for (const auto& p : subWindows_) {
    auto* sub = qobject_cast<QMdiSubWindow*>(p.data());  // null while one is being destroyed
    if (sub && !sub->isHidden())                           // a closed window waits hidden for its deletion
      if (auto* w = qobject_cast<TopicWindowBase*>(sub->widget())) out.push_back(w);
  }
  return out;
}

TopicWindowBase* TFMenu::activeTopicWindow() const {
  QMdiSubWindow* sub = mdi_->activeSubWindow();
  if (!sub && !subWindows_.empty()) sub = mdi_->currentSubWindow();
  return sub ? qobject_cast<TopicWindowBase*>(sub->widget()) : nullptr;
}

void TFMenu::closeAllTopicWindows() {
  // Index 0 upward; each window saves its inputs when it closes.
  const auto subs = subWindows_;
  for (const auto& sub : subs)
    if (sub) sub->close();
  UpdateMenuItems();
  updateTileVisibility();
}

void TFMenu::arrangeIcons() {
  // Minimised windows in a row along the bottom of the client area.
  int x = 0;
  const int bottom = mdi_->viewport()->height();
  for (const auto& sub : subWindows_) {
    if (!sub || !sub->isMinimized()) continue;
    sub->move(x, bottom - sub->height());
    x += sub->width();
  }
}

void TFMenu::UpdateMenuItems() {
  const bool any = !topicWindows().empty();
  for (const char* name : {"MNew", "MLoad", "MSave", "MClose", "MPrint"}) items_.at(name)->setEnabled(any);
  applyMenuDirection();
}

void TFMenu::applyMenuDirection() {
  // Drop-down menus are windows of their own and do not inherit the main
  // window's direction.
  const auto direction = shellState().RightToLeft ? Qt::RightToLeft : Qt::LeftToRight;
  menuBar()->setLayoutDirection(direction);
  for (QMenu* m : menuBar()->findChildren<QMenu*>()) m->setLayoutDirection(direction);
}

void TFMenu::updateTileVisibility() {
  const bool empty = topicWindows().empty();
  for (SubjectTile* t : tiles_) t->setVisible(empty);
}

void TFMenu::OpenMenu(int index) {
  if (index < 0 || index >= 9) return;
  menuBar()->setFocus(Qt::MenuBarFocusReason);
  menuBar()->setActiveAction(menus_[index]->menuAction());
}

// ---------------------------------------------------------------- language

void TFMenu::SetLanguage(int kind) {
  ShellState& s = shellState();
  // 1. Language and its decimal separator.
  s.LanguageKind = kind;
  kernelState().LanguageDecimalSeparator = kind == 1 ? u"." : u",";
  ApplyQtTranslations(kind);
  // 2. Reading direction.
  s.RightToLeft = GetText(IPage, 0).trimmed() == QLatin1String("right");
  const auto direction = s.RightToLeft ? Qt::RightToLeft : Qt::LeftToRight;
  setLayoutDirection(direction);
  applyMenuDirection();
  // 3. Toolbar hints.
  for (const ToolItem& t : kToolItems) toolButtons_.at(t.name)->setToolTip(GetText(t.page, t.item));
  // 4. Menu captions, item captions, the Load hint and the tile captions.
  menus_[0]->setTitle(GetText(IDatei, 0));
  menus_[1]->setTitle(GetText(IAlg, 0));
  menus_[2]->setTitle(geometryCaption("2D"));
  menus_[3]->setTitle(geometryCaption("3D"));
  menus_[4]->setTitle(GetText(IAna, 0));
  menus_[5]->setTitle(GetText(ISto, 0));
  menus_[6]->setTitle(GetText(ILinAlg, 0));
  menus_[7]->setTitle(GetText(IFenster, 0));
  menus_[8]->setTitle(GetText(IHelp, 0));
  for (const FixedItem& f : kFixedItems) items_.at(f.name)->setText(GetText(f.page, f.item));
  items_.at("MLoad")->setStatusTip(GetText(IDatei, -10));
  items_.at("MLoad")->setToolTip(GetText(IDatei, -10));
  for (const CatalogueItem& item : catalogueItems())
    items_.at(std::string(item.name))->setText(GetText(item.captionPage, 0));
  tiles_[0]->setCaption(GetText(IAlg, 0));
  tiles_[1]->setCaption(GetText(IGeo, 0) + QStringLiteral(" &2D"));
  tiles_[2]->setCaption(GetText(IGeo, 0) + QStringLiteral(" &3D"));
  tiles_[3]->setCaption(GetText(IAna, 0));
  tiles_[4]->setCaption(GetText(ISto, 0));
  tiles_[5]->setCaption(GetText(ILinAlg, 0));
  // 5. Open topic windows follow the direction and fetch their texts again.
  for (TopicWindowBase* w : topicWindows()) {
    w->setLayoutDirection(direction);
    w->relayout();
    w->update();
  }
  // 6. The compiled help of the language.
  s.HelpFile = CurrentHelpFile();
  relayout();
}

void TFMenu::onLanguageButton(int k) {
  toolButtons_.at("BtnHelp")->setFocus();
  shellState().LanguageKind = k;
  if (k >= 3) shellState().LanguageNumber = k;
  SetLanguage(k);
  if (k == 0) languageButtons_[0]->setToolTip(shellState().LanguageNames[0]);
}

void TFMenu::loadLanguageGlyphs() {
  const ShellState& s = shellState();
  for (int k = 3; k <= 6; ++k) {
    const QString name = s.LanguageNames[k];
    if (name.isEmpty() || s.AppFolder.isEmpty()) continue;
    const QString file = name + QStringLiteral(".bmp");
    if (!fileExistsIgnoringCase(s.AppFolder, file)) continue;
    const QImage glyph(locateFile(s.AppFolder, file));
    if (!glyph.isNull()) languageButtons_[k]->setIcon(QIcon(QPixmap::fromImage(glyph)));
  }
}

// ---------------------------------------------------------------- layout

void TFMenu::ApplyWindowLayout() {
  ShellState& s = shellState();
  QScreen* scr = screen() ? screen() : QGuiApplication::primaryScreen();
  const QRect work = scr ? scr->availableGeometry() : QRect(0, 0, 1000, 700);
  const QSize full = scr ? scr->geometry().size() : work.size();
  const WindowPlacement p = computeWindowPlacement(s.Zoom, s.MaxOption, work.height(), full);
  applyZoom(p.zoom);  // Zoom, metrics and font heights
  if (p.maximised) {
    setWindowState(windowState() | Qt::WindowMaximized);
  } else {
    setWindowState(windowState() & ~(Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen));
    resize(p.bounds.size());
    move(work.topLeft() + p.bounds.topLeft());
  }
  relayout();
  if (s.MdiOption) {
    const auto windows = topicWindows();
    for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
      (*it)->relayout();
      (*it)->update();
    }
    mdi_->cascadeSubWindows();
  }
}

void TFMenu::relayout() {
  placeToolbar();
  placeBottomBar();
  placeTiles();
  statusLine_->setFont(fonts().GreenFont.font);
}

void TFMenu::placeToolbar() {
  // The buttons and their pictures grow with the zoom, as the fonts do.
  speedPanel_->setFixedHeight(ScalePixels(kSpeedPanelHeight));
  const int w = speedPanel_->width();
  const int icon = ScalePixels(16), size = ScalePixels(20);
  // Right to left the bar is mirrored: the file buttons at the right edge,
  // help at the left, as the menu bar above it.
  const bool mirrored = speedPanel_->isRightToLeft();
  for (const ToolItem& t : kToolItems) {
    const int edge = ScalePixels(t.left >= 0 ? t.left : -t.left);
    const int left = t.left >= 0 ? edge : w - edge;
    QToolButton* b = toolButtons_.at(t.name);
    b->setGeometry(mirrored ? w - left - size : left, ScalePixels(2), size, size);
    b->setIconSize(QSize(icon, icon));
  }
}

void TFMenu::placeBottomBar() {
  const int w = panel1_->width();
  const int h = panel1_->height();
  panel2_->setGeometry(w - kLanguagePanelWidth, 0, kLanguagePanelWidth, h);
  statusLine_->setGeometry(0, 0, std::max(0, w - kLanguagePanelWidth), h);
  for (int k = 0; k < 7; ++k) languageButtons_[k]->setGeometry(languageButtonRect(k, kLanguagePanelWidth));
}

void TFMenu::placeTiles() {
  const int zoom = shellState().Zoom;
  const auto rects = tileRects(mdi_->viewport()->size(), zoom);
  for (int i = 0; i < 6; ++i) {
    tiles_[i]->setGeometry(rects[i]);
    tiles_[i]->relayout(zoom);
    tiles_[i]->lower();
  }
}

void TFMenu::resizeEvent(QResizeEvent* e) {
  QMainWindow::resizeEvent(e);
  // The MAX setting follows the real window state from the first resize on.
  shellState().MaxOption = isMaximized();
  relayout();
}

void TFMenu::changeEvent(QEvent* e) {
  QMainWindow::changeEvent(e);
  if (e->type() == QEvent::WindowStateChange) shellState().MaxOption = isMaximized();
}

bool TFMenu::eventFilter(QObject* watched, QEvent* e) {
  const auto type = e->type();
  if (type == QEvent::Resize &&
      (watched == speedPanel_ || watched == panel1_ || watched == mdi_->viewport())) {
    relayout();
    return false;
  }
  if (type == QEvent::MouseMove && watched != mdi_->viewport()) {
    unsetCursor();
    return false;
  }
  if (watched == statusLine_) {
    if (type == QEvent::MouseButtonPress) {
      const auto* me = static_cast<QMouseEvent*>(e);
      if (me->buttons() == (Qt::LeftButton | Qt::RightButton) && me->modifiers() == Qt::NoModifier) {
        gameOpenedThisPress_ = true;
        RunGuarded(this, [this] { openGame(); });
        return true;
      }
    } else if (type == QEvent::MouseButtonRelease) {
      const auto* me = static_cast<QMouseEvent*>(e);
      if (me->buttons() == Qt::NoButton) {
        const bool game = gameOpenedThisPress_;
        gameOpenedThisPress_ = false;
        if (!game && me->button() == Qt::LeftButton) RunGuarded(this, [this] { ApplyWindowLayout(); });
        return true;
      }
    }
  }
  if (type == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
    if (watched == speedPanel_) {
      RunGuarded(this, [this] { ApplyWindowLayout(); });
      return true;
    }
    if (watched == panel2_) {
      shellState().HelpFile = locateFile(shellState().AppFolder, QStringLiteral("Zw100e.chm"));
      return true;
    }
  }
  return QMainWindow::eventFilter(watched, e);
}

// ---------------------------------------------------------------- commands

void TFMenu::requestCommand(MainCommand command) {
  RunGuarded(this, [this, command] {
    if (isSignalConnected(QMetaMethod::fromSignal(&TFMenu::commandRequested))) {
      emit commandRequested(command);
      return;
    }
    if (command == MainCommand::Help) {
      if (TopicWindowBase* w = activeTopicWindow())
        deliverCommand(w, WM_TOPICHELP);
      else
        ShowWebHelp(1000);
    }
  });
}

const std::array<const char*, 5> TFMenu::CalculatorPrograms{"gnome-calculator", "kcalc", "galculator",
                                                             "qalculate-gtk", "xcalc"};

void TFMenu::startCalculator() {
  for (const char* name : CalculatorPrograms) {
    const QString path = programFinder_ ? programFinder_(QString::fromLatin1(name)) : QString();
    if (path.isEmpty()) continue;
    if (!desktop().startDetached(path, {})) showMessage(calculatorMessage());
    return;
  }
  showMessage(calculatorMessage());
}

void TFMenu::showMessage(const QString& text) { ShowInfoBox(this, text); }

void TFMenu::openGame() {
  if (shellState().NoFlopOption) return;
  TFlipFlop game(this);
  game.exec();
}

void TFMenu::showAbout() {
  TFInfo about(this);
  about.exec();
}

// ---------------------------------------------------------------- closing

void TFMenu::closeEvent(QCloseEvent* e) {
  // 1. The closing date into the sample worksheet. A courtesy: when it cannot
  // be written the old file stays as it was and nobody is bothered.
  const ShellState& s = shellState();
  if (!s.DataFolder.isEmpty()) {
    (void)iniWriteString(locateFile(s.DataFolder, QString::fromLatin1(DemoFileName)), QStringLiteral("acc"),
                   QStringLiteral("d"), QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")));
  }
  // 2. The question.
  QPointer<TFMenu> self(this);
  bool yes = false;
  if (quitQuestion_) {
    yes = quitQuestion_();
  } else {
    // The question is shown in a 12-point font (this box only, never the
    // desktop's message font).
    QPointer<QMessageBox> box = NewMessageBox(QMessageBox::Question, GetText(IQuit, 2), GetText(IQuit, 1),
                                              QMessageBox::Yes | QMessageBox::No, this);
    box->setDefaultButton(QMessageBox::No);
    QFont font = box->font();
    font.setPointSize(12);
    box->setFont(font);
    const int answer = box->exec();
    yes = box && answer == QMessageBox::Yes;
    delete box.data();
  }
  if (!self) return;
  if (!yes) {
    e->ignore();
    return;
  }
  // 3. Every topic window closes (and saves its inputs); one that refuses
  //    keeps the program open.
  closeAllTopicWindows();
  if (!topicWindows().empty()) {
    e->ignore();
    return;
  }
  e->accept();
}

QAction* TFMenu::menuItem(std::string_view name) const {
  const auto it = items_.find(name);
  return it == items_.end() ? nullptr : it->second;
}

QMenu* TFMenu::menuColumn(int index) const { return index >= 0 && index < 9 ? menus_[index] : nullptr; }

QToolButton* TFMenu::toolButton(std::string_view name) const {
  const auto it = toolButtons_.find(name);
  return it == toolButtons_.end() ? nullptr : it->second;
}

std::unique_ptr<QWidget> createMainWindow() {
  auto window = std::make_unique<TFMenu>();
  InstallCommandHandlers(*window);
  return window;
}

}  // namespace zw
