#include "shell/gridexchange/GridMenu.h"

#include <QAction>
#include <QChildEvent>
#include <QContextMenuEvent>
#include <QMenu>

#include "shell/Guard.h"
#include "shell/State.h"
#include "shell/commands/Commands.h"
#include "shell/gridexchange/GridExchange.h"
#include "shell/kit/Grids.h"
#include "shell/texts/Texts.h"

namespace zw {

GridMenu::GridMenu(StringGrid* grid, GridMenuOptions options)
    : QObject(grid), grid_(grid), viewport_(grid->viewport()), options_(std::move(options)), menu_(new QMenu(grid)) {
  menu_->setObjectName(QStringLiteral("GridMenu"));
  add(1, &GridMenu::cut);
  add(2, &GridMenu::copy);
  add(3, &GridMenu::paste);
  menu_->addSeparator();
  if (options_.transpose) {
    transpose_ = add(4, &GridMenu::transpose);
    menu_->addSeparator();
  }
  add(5, &GridMenu::exportCsv);
  add(6, &GridMenu::importCsv);
  retranslate();
  // Right clicks on the cells reach the viewport, those on the heads the grid
  // itself; cell editors are watched as they are created.
  grid_->installEventFilter(this);
  viewport_->installEventFilter(this);
}

QAction* GridMenu::add(int item, void (GridMenu::*action)()) {
  QAction* a = menu_->addAction(QString());
  a->setData(item);
  connect(a, &QAction::triggered, this, [this, action] { run(action); });
  return a;
}

void GridMenu::run(void (GridMenu::*action)()) {
  RunGuarded(grid_, [this, action] { (this->*action)(); });
}

void GridMenu::retranslate() {
  for (QAction* a : menu_->actions())
    if (!a->isSeparator()) a->setText(GetText(IMat, a->data().toInt()));
}

void GridMenu::popup(const QPoint& globalPos) {
  retranslate();
  menu_->popup(globalPos);
}

bool GridMenu::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::ChildAdded:
      // An editor opening on a cell: its right click shows this menu too.
      if (watched == viewport_) {
        QObject* child = static_cast<QChildEvent*>(event)->child();
        if (child->isWidgetType()) child->installEventFilter(this);
      }
      break;
    case QEvent::ContextMenu:
      popup(static_cast<QContextMenuEvent*>(event)->globalPos());
      event->accept();
      return true;
    default: break;
  }
  return QObject::eventFilter(watched, event);
}

void GridMenu::cut() {
  grid_->commitEditor();
  GridCutToClipboard(grid_);
}

void GridMenu::copy() {
  grid_->commitEditor();
  GridCopyToClipboard(grid_);
}

void GridMenu::paste() { GridPasteFromClipboard(grid_); }

void GridMenu::transpose() {
  grid_->commitEditor();
  GridTranspose(grid_);
}

void GridMenu::exportCsv() {
  grid_->commitEditor();
  const QString file = AskSaveFile(grid_, shellState().DataFolder, CsvFileFilter());
  if (!file.isEmpty()) GridSaveCsv(grid_, file);
}

void GridMenu::importCsv() {
  const QString file = AskOpenFile(grid_, shellState().DataFolder, CsvFileFilter());
  if (file.isEmpty()) return;
  if (options_.importFile) {
    if (!options_.importFile(grid_, file)) return;
  } else {
    int rows = 0, cols = 0;
    if (!GridLoadCsv(grid_, rows, cols, file)) return;
  }
  if (options_.afterImport) options_.afterImport(grid_);
}

GridMenu* AttachGridMenu(StringGrid* grid, GridMenuOptions options) { return new GridMenu(grid, std::move(options)); }

}  // namespace zw
