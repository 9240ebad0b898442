#pragma once
// Rules every topic window keeps, checked over all windows a topic test
// program registers (so a window joins by being registered):
//  - New leaves no result of the inputs before: after the example worksheet
//    was computed, New leaves the memo as New leaves it in a window just
//    opened;
//  - a window without stored inputs opens with its initial values, with the
//    memory option on (a memory file without its section) or off, and New
//    brings the same values back.
// Windows without worksheets (the key-pad calculators) take no part. Each
// function returns one line per window that breaks its rule, naming it and
// what was seen; an empty list passes. The fixture's data folder is used.
#include <QString>
#include <QStringList>

namespace zw {

// `demoFile`: the example worksheet ("data/DEMO.DAT" of the sources).
QStringList WindowsKeepingResultsAfterNew(const QString& demoFile);
QStringList WindowsWithoutTheirInitialValues(const QString& demoFile);

}  // namespace zw
