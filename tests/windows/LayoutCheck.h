#pragma once
// The layout check of a topic window, as a user would see faults in it:
//   (a) Overlap      no two visible controls of a page overlap, and none
//                    reaches out of the box that holds it (it would be cut);
//   (b) LabelText    every label, button, check box and group title shows its
//                    whole text (a label's wrapped text its whole height);
//   (c) FieldText    every field shows its longest accepted text without
//                    scrolling (edit fields, spin boxes, grid cells);
//   (d) DefaultSize  the window at its default size shows the whole input
//                    page (no scroll bar, every control inside the window).
// What a control shows is what counts: a label is its text as drawn (a
// caption panel wider than its text overlaps nothing with the empty part),
// a check box its box and caption.
#include <QString>
#include <functional>
#include <vector>

class QWidget;

namespace zw {

class TopicWindow;

enum class LayoutCheck { Overlap, LabelText, FieldText, DefaultSize };
const char* layoutCheckName(LayoutCheck check);

struct LayoutFault {
  LayoutCheck check;
  QString page;     // the tab caption ("window" for a window without pages)
  QString control;  // the control, named for a reader (field key, caption, class)
  QString detail;   // what is wrong, in pixels
};

// How a fault names a control: the registered field key where there is one.
using ControlNamer = std::function<QString(const QWidget*)>;
ControlNamer namerFor(QWidget* window);

// (a) and (b) over `page` and everything in it (shown before the check, so
// what is visible is what a user sees).
void checkControls(QWidget* page, const QString& pageName, const ControlNamer& name,
                   std::vector<LayoutFault>& faults);
// (c) for every visible registered field, grid and spin box of the window,
// with the texts they hold now.
void checkFieldTexts(QWidget* window, const QString& pageName, const ControlNamer& name,
                     std::vector<LayoutFault>& faults);
// (d): the window at its default size (as opened).
void checkDefaultSize(QWidget* window, QWidget* inputPage, const QString& pageName, const ControlNamer& name,
                      std::vector<LayoutFault>& faults);

// Puts the longest accepted text into every registered field and grid cell.
void fillLongestTexts(TopicWindow& window);

}  // namespace zw
