#pragma once
// What the matrix windows (equation systems, inversion, multiplication,
// pseudo-inverse) share: the base class that keeps their sizes in range and
// loads a worksheet's sizes before its cells, the grids with their cell
// painting and pop-up menu, the cell check, the import that checks a file's
// shape before it touches a grid, and the pop-up menu of the results that
// copies or exports a result matrix at 15 digits.
#include <QObject>
#include <QString>
#include <functional>
#include <vector>

#include "kernel/Types.h"
#include "shell/kit/Grids.h"
#include "topics/frame/TopicWindow.h"

class QAction;
class QLabel;
class QMenu;
class QSpinBox;

namespace zw {

struct CsvRows;

// The sizes of a CSV file that the matrix imports read: its lines, the
// fields of its last line, the fewest fields of any line.
struct CsvShape {
  int lines = 0, lastFields = 0, fewestFields = 0;
};
CsvShape ShapeOf(const CsvRows& rows);

// The cells of the rows into the grid, which then has rows + 1 rows and
// cols + 1 columns (fields beyond cols are dropped, missing cells empty).
void FillGrid(StringGrid* grid, CsvRows& file, int rows, int cols);

// "a" + row + column, each with two digits ("a0103"): the key of a cell.
QString MatrixCellKey(int row, int col, const QString& letter = QStringLiteral("a"));
// The values of rows × cols cells (kind 'f'; the cells passed the check).
Matrix ReadMatrixCells(const StringGrid* grid, int rows, int cols);
// A size's caption and its spin box in one row.
void PlaceSizeSpin(QLabel* caption, QSpinBox* spin, int left, int top, const QString& text);

// Shell tabs, a task of two lines and the memo in the fixed font, so that
// the columns of matrices and equations line up.
TopicConfig MatrixWindowConfig();

class MatrixTopicWindow : public TopicWindow {
  Q_OBJECT
public:
  MatrixTopicWindow(QWidget* owner, std::string_view className, TopicConfig config);

  // The worksheet's sizes first (so its cells find their grid), then the
  // cells; sizes out of range load as 3.
  void loadInputs(const QString& file) override;
  // The section afresh: sizes first, then every cell's raw text.
  bool saveInputs(const QString& file, QString* error = nullptr) override;

protected:
  // A spin box of a size, range lo..hi, initial 3, stored under key (in the
  // input area unless another parent is given). A change by the user resizes
  // the grids (applySizes) and lays the window out.
  QSpinBox* addSizeSpin(const QString& key, int lo, int hi, QWidget* parent = nullptr);
  // A matrix grid with centred cells, the pop-up menu (transpose on request)
  // and, when `import` is given, an import that checks the file first.
  StringGrid* addMatrixGrid(QWidget* parent, const QString& name, bool transpose,
                            std::function<bool(StringGrid*, const CsvRows&)> import);
  // The grids take the sizes of the spin boxes.
  virtual void applySizes() = 0;

  // Every cell of the grid read with kind 'f': each bad cell brings page
  // `page`, message 22 and its editor; after any (with `onceMore`), page
  // `page`, message 22 once more and the first cell. True when every cell
  // passed.
  bool checkCells(StringGrid* grid, int page, bool onceMore = true);
  // Message 21 in an error box: a file of the wrong shape.
  void refuseImport();
  // An import of rows × cols cells: refused (message 21, nothing changed)
  // unless both lie within their spin boxes' ranges; else the grid takes the
  // file's cells and the spin boxes (null: a size that stays) the sizes.
  bool importMatrix(StringGrid* grid, const CsvRows& file, int rows, int cols, QSpinBox* rowSpin, QSpinBox* colSpin);

private:
  struct SizeKey {
    QString key;
    QSpinBox* spin;
    int lo, hi;
  };
  std::vector<SizeKey> sizes_;
};

// The pop-up menu of the results page: "… kopieren" and "… exportieren" of a
// result matrix, at 15 digits; enabled only while a result of the last
// computation is set.
class ResultMatrixMenu : public QObject {
  Q_OBJECT
public:
  // copyItem, exportItem: items of `page` that caption the two entries.
  ResultMatrixMenu(TopicWindow& window, QWidget* memo, TTextIndex page, int copyItem, int exportItem);

  void setResult(const Matrix& m, int rows, int cols);
  void clear();
  QAction* copyAction() const { return copy_; }
  QAction* exportAction() const { return export_; }
  QMenu* menu() const { return menu_; }

  void copyResult();
  void exportResult();

private:
  void retranslate();
  TopicWindow& window_;
  TTextIndex page_;
  int copyItem_, exportItem_;
  QMenu* menu_;
  QAction* copy_;
  QAction* export_;
  Matrix m_{};
  int rows_ = 0, cols_ = 0;
};

}  // namespace zw
