#pragma once
// The chart's display list as a file of 104-byte records (little-endian, one
// fixed layout, so that files move between machines) and as a readable
// text dump.
#include <QByteArray>
#include <QString>
#include <cstdint>

#include "charts/DisplayList.h"

namespace zw {

inline constexpr int kChartRecordSize = 104;

// One item as its record / a record as an item (false for kinds the list
// cannot hold; the layer is clamped into 1..16, the text length to 17).
QByteArray EncodeChartRecord(const TrcChartItem& item);
bool DecodeChartRecord(const char* bytes, TrcChartItem& item);

// The lowest `digits` (1..8) upper-case hexadecimal digits with leading zeros.
QString HexText(std::uint32_t value, int digits);
// The text dump of the list, lines ended by CR LF.
QString ChartDump(const TDisplayList& list);

bool SaveChartData(const TDisplayList& list, const QString& fileName);
// Opens the file first; only then replaces (or appends to) the list.
bool LoadChartData(TDisplayList& list, const QString& fileName, bool append);
bool SaveChartDump(const TDisplayList& list, const QString& fileName);

}  // namespace zw
