#pragma once
// The pop-up menu of an input grid: cut, copy, paste (optionally transpose),
// CSV export and import, with the captions of text page IMat in the current
// language. A grid window attaches it once:
//
//   GridMenuOptions menu;
//   menu.afterImport = [](StringGrid* g) { GridResize(g, 3, 3); };
//   AttachGridMenu(grid, std::move(menu));
//
// The menu opens on a right click (or the menu key) anywhere on the grid's
// cells or heads, also while a cell is being edited: the editor's own text
// menu never shows. Text typed into an open editor is taken into its cell
// before an action reads the grid. Every action runs through RunGuarded with
// its boxes on the grid's window; export and import ask for the file in the
// data folder (AskSaveFile/AskOpenFile) and go through GridSaveCsv/GridLoadCsv.
#include <QObject>
#include <QPoint>
#include <functional>

class QAction;
class QMenu;
class QWidget;

namespace zw {

class StringGrid;

struct GridMenuOptions {
  // "Matrix transponieren" (item 4) between paste and export, each side
  // separated (GridTranspose).
  bool transpose = false;
  // Runs after an import that read a file, e.g. GridResize back to the
  // grid's shape or a new layout. The grid is given again for convenience.
  std::function<void(StringGrid*)> afterImport;
  // Reads the chosen file in place of GridLoadCsv (a window that checks the
  // file's shape first); returns whether it changed the grid, which is when
  // afterImport runs.
  std::function<bool(StringGrid*, const QString& file)> importFile;
};

class GridMenu : public QObject {
  Q_OBJECT
public:
  // Lives as long as the grid (its child).
  GridMenu(StringGrid* grid, GridMenuOptions options = {});

  StringGrid* grid() const { return grid_; }
  QMenu* menu() const { return menu_; }
  // Null without the transpose item.
  QAction* transposeAction() const { return transpose_; }

  // The actions, as the menu items run them (guarded).
  void cut();
  void copy();
  void paste();
  void transpose();
  void exportCsv();
  void importCsv();

  // Shows the menu at a global position, with captions in the current language.
  void popup(const QPoint& globalPos);

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  QAction* add(int item, void (GridMenu::*action)());
  void retranslate();
  void run(void (GridMenu::*action)());

  StringGrid* grid_;
  QWidget* viewport_;
  GridMenuOptions options_;
  QMenu* menu_;
  QAction* transpose_ = nullptr;
};

// new GridMenu(grid, options): the grid owns it.
GridMenu* AttachGridMenu(StringGrid* grid, GridMenuOptions options = {});

}  // namespace zw
