#include "topics/linalg-stat/MatrixWindowKit.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPointer>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStyledItemDelegate>
#include <algorithm>

#include "kernel/CheckedInput.h"
#include "topics/frame/InputCheck.h"
#include "platform/ini/IniFile.h"
#include "shell/Fonts.h"
#include "shell/Metrics.h"
#include "shell/State.h"
#include "shell/commands/Commands.h"
#include "shell/gridexchange/GridExchange.h"
#include "shell/gridexchange/GridMenu.h"
#include "shell/kit/Grids.h"
#include "shell/kit/InputRows.h"
#include "shell/texts/Texts.h"

namespace zw {

namespace {

// A bad cell of a matrix grid: the page, message 22 and the cell's editor.
class CellReactions : public InputReactions {
public:
  CellReactions(TopicWindow& w, StringGrid* grid) : w_(&w), grid_(grid) {}
  void showPage(int page) override {
    if (w_) w_->showPageSilently(page);
  }
  void showError(int message) override {
    if (w_) ShowErrorBox(w_, GetMessageText(message));
  }
  void focusEdit() override {}
  void editGridCell(int col, int row) override {
    if (w_ && grid_) FocusCell(grid_, col, row);
  }
  bool alive() const { return !w_.isNull(); }

private:
  QPointer<TopicWindow> w_;
  QPointer<StringGrid> grid_;
};

}  // namespace

CsvShape ShapeOf(const CsvRows& file) {
  CsvShape shape;
  shape.lines = static_cast<int>(file.rows.size());
  if (file.rows.empty()) return shape;
  shape.lastFields = file.rows.back().count();
  shape.fewestFields = shape.lastFields;
  for (const PackedRow& r : file.rows) shape.fewestFields = std::min(shape.fewestFields, r.count());
  return shape;
}

void FillGrid(StringGrid* grid, CsvRows& file, int rows, int cols) {
  grid->setCellRows(cols, std::move(file.rows));
  GridResize(grid, rows + 1, cols + 1);
}

QString MatrixCellKey(int row, int col, const QString& letter) {
  return letter + QStringLiteral("%1%2").arg(row, 2, 10, QChar(u'0')).arg(col, 2, 10, QChar(u'0'));
}

Matrix ReadMatrixCells(const StringGrid* grid, int rows, int cols) {
  Matrix a{};
  for (int r = 1; r <= std::min(rows, VektorSize); ++r)
    for (int c = 1; c <= std::min(cols, VektorSize); ++c) {
      std::int32_t ok = 0;
      ReadValue(grid->Cells(c, r).toStdU16String(), a[r][c], u'f', ok);
    }
  return a;
}

void PlaceSizeSpin(QLabel* caption, QSpinBox* spin, int left, int top, const QString& text) {
  const int w = FontTextMeasurer(fonts().TextFont.font).width(text) + ScalePixels(8);
  SetupPanel(caption, left, top, w, metrics().RowHeight, text, fonts().TextFont);
  spin->setFont(fonts().TextFont.font);
  spin->setGeometry(left + w, top, ScalePixels(56), metrics().RowHeight);
}

TopicConfig MatrixWindowConfig() {
  TopicConfig c;
  c.tabStyle = TabStyle::Shell;
  c.taskLines = 2;
  c.memoFont = SharedFontId::FixedFont;  // the matrices' columns line up
  return c;
}

// ----- the window base ---------------------------------------------------

MatrixTopicWindow::MatrixTopicWindow(QWidget* owner, std::string_view className, TopicConfig config)
    : TopicWindow(owner, className, std::move(config)) {}

QSpinBox* MatrixTopicWindow::addSizeSpin(const QString& key, int lo, int hi, QWidget* parent) {
  auto* spin = new QSpinBox(parent ? parent : inputArea());
  spin->setObjectName(QStringLiteral("spin_") + key);
  spin->setRange(lo, hi);
  spin->setValue(3);
  // The grid follows a typed size once it is complete, not at every digit.
  spin->setKeyboardTracking(false);
  connect(spin, &QSpinBox::valueChanged, this, guardedSlot([this] {
            applySizes();
            relayout();
          }));
  // A stored size that is not a whole number in range loads as 3, or the
  // nearest size the window allows when 3 is outside its range.
  fields().addInteger(
      key, [spin] { return spin->value(); },
      [spin](int v) {
        const QSignalBlocker block(spin);
        spin->setValue(v);
      },
      std::clamp(3, lo, hi), lo, hi);
  sizes_.push_back({key, spin, lo, hi});
  return spin;
}

StringGrid* MatrixTopicWindow::addMatrixGrid(QWidget* parent, const QString& name, bool transpose,
                                              std::function<bool(StringGrid*, const CsvRows&)> import) {
  auto* grid = new StringGrid(parent);
  grid->setObjectName(name);
  grid->setCellsCentred(true);
  GridMenuOptions menu;
  menu.transpose = transpose;
  if (import) {
    menu.importFile = [this, import](StringGrid* g, const QString& file) {
      CsvRows rows;
      if (!ReadCsvFile(file, rows)) return false;
      return import(g, rows);
    };
    menu.afterImport = [this](StringGrid*) { relayout(); };
  }
  AttachGridMenu(grid, std::move(menu));
  return grid;
}

void MatrixTopicWindow::loadInputs(const QString& file) {
  if (!file.isEmpty()) {
    const IniFile ini(file);
    for (const SizeKey& s : sizes_) {
      const QSignalBlocker block(s.spin);
      s.spin->setValue(StoredInteger(ini.readString(section(), s.key), 3, s.lo, s.hi));
    }
  } else {
    for (const SizeKey& s : sizes_) {
      const QSignalBlocker block(s.spin);
      s.spin->setValue(3);
    }
  }
  applySizes();
  TopicWindow::loadInputs(file);
  relayout();
}

bool MatrixTopicWindow::saveInputs(const QString& file, QString* error) {
  if (file.isEmpty()) return true;
  IniFile ini(file);
  // No keys of a larger matrix saved before are left behind.
  ini.eraseSection(section());
  for (const SizeKey& s : sizes_) ini.writeString(section(), s.key, QString::number(s.spin->value()));
  fields().save(ini, section(), SavePolicy::RawTexts);
  return ini.save(error);
}

bool MatrixTopicWindow::checkCells(StringGrid* grid, int page, bool onceMore) {
  grid->commitEditor();
  CellReactions ui(*this, grid);
  std::int32_t ok = 1;
  ReadGridValues(StringGridCells(*grid), ui, page, ok);
  if (ok) return true;
  if (!ui.alive() || !onceMore) return false;
  QPointer<StringGrid> g(grid);
  showPageSilently(page);
  ShowErrorBox(this, GetMessageText(22));
  if (g) FocusFirstCell(g);
  return false;
}

void MatrixTopicWindow::refuseImport() { ShowErrorBox(this, GetMessageText(21)); }

bool MatrixTopicWindow::importMatrix(StringGrid* grid, const CsvRows& file, int rows, int cols, QSpinBox* rowSpin,
                                     QSpinBox* colSpin) {
  const auto fits = [](const QSpinBox* spin, int v) { return !spin || (v >= spin->minimum() && v <= spin->maximum()); };
  if (!fits(rowSpin, rows) || !fits(colSpin, cols)) {
    refuseImport();
    return false;
  }
  CsvRows copy = file;
  FillGrid(grid, copy, rows, cols);
  for (auto [spin, v] : {std::pair{rowSpin, rows}, std::pair{colSpin, cols}})
    if (spin) {
      const QSignalBlocker block(spin);
      spin->setValue(v);
    }
  applySizes();
  return true;
}

// ----- the results' pop-up menu --------------------------------------------

ResultMatrixMenu::ResultMatrixMenu(TopicWindow& window, QWidget* memo, TTextIndex page, int copyItem, int exportItem)
    : QObject(memo), window_(window), page_(page), copyItem_(copyItem), exportItem_(exportItem),
      menu_(new QMenu(memo)) {
  menu_->setObjectName(QStringLiteral("ResultMenu"));
  copy_ = menu_->addAction(QString());
  export_ = menu_->addAction(QString());
  connect(copy_, &QAction::triggered, this, [this] { window_.runGuarded([this] { copyResult(); }); });
  connect(export_, &QAction::triggered, this, [this] { window_.runGuarded([this] { exportResult(); }); });
  memo->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(memo, &QWidget::customContextMenuRequested, this, [this, memo](const QPoint& at) {
    retranslate();
    menu_->popup(memo->mapToGlobal(at));
  });
  clear();
}

void ResultMatrixMenu::retranslate() {
  copy_->setText(GetText(page_, copyItem_));
  export_->setText(GetText(page_, exportItem_));
}

void ResultMatrixMenu::setResult(const Matrix& m, int rows, int cols) {
  m_ = m;
  rows_ = rows;
  cols_ = cols;
  copy_->setEnabled(true);
  export_->setEnabled(true);
}

void ResultMatrixMenu::clear() {
  rows_ = cols_ = 0;
  copy_->setEnabled(false);
  export_->setEnabled(false);
}

void ResultMatrixMenu::copyResult() {
  if (rows_ > 0) MatrixCopyToClipboard(m_, rows_, cols_);
}

void ResultMatrixMenu::exportResult() {
  if (rows_ <= 0) return;
  const QString file = AskSaveFile(&window_, shellState().DataFolder, CsvFileFilter());
  if (!file.isEmpty()) MatrixSaveCsv(m_, rows_, cols_, file);
}

}  // namespace zw
