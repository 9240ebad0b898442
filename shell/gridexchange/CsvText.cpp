#include "shell/gridexchange/CsvText.h"

#include <algorithm>
#include <string_view>

#include "kernel/PastedLine.h"

namespace zw {

namespace {

bool isSpaceOrControl(QChar c) { return c.unicode() <= 32; }

// Blanks, ";" and quotes would split the cell when it is read back; a "|"
// would vanish from pasted text.
bool mustQuote(QStringView cell) {
  return std::any_of(cell.begin(), cell.end(), [](QChar c) {
    return isSpaceOrControl(c) || c == u';' || c == u'"' || c == u'|';
  });
}

// Walks a line the way SplitDelimitedInto reads it and tells for each
// character whether it lies inside a quoted item (its quotes included).
template <class Visit>
void scanQuotes(QStringView line, Visit visit) {
  bool quoted = false, itemStart = true;
  for (qsizetype i = 0; i < line.size(); ++i) {
    const QChar c = line[i];
    if (quoted) {
      if (c == u'"') {
        if (i + 1 < line.size() && line[i + 1] == u'"') {
          visit(c, true);
          ++i;
        } else {
          quoted = false;
        }
      }
      visit(line[i], true);
      continue;
    }
    if (c == u'"' && itemStart) {
      quoted = true;
      visit(c, true);
      itemStart = false;
      continue;
    }
    visit(c, false);
    itemStart = c != u'|' ? isSpaceOrControl(c) || c == u';' : itemStart;
  }
}

}  // namespace

std::vector<QStringView> TextLines(QStringView text) {
  std::vector<QStringView> lines;
  qsizetype start = 0;
  const qsizetype n = text.size();
  for (qsizetype i = 0; i < n; ++i) {
    const QChar c = text[i];
    if (c != u'\r' && c != u'\n') continue;
    lines.push_back(text.mid(start, i - start));
    if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n') ++i;
    start = i + 1;
  }
  if (start < n) lines.push_back(text.mid(start));
  return lines;
}

void SplitDelimitedInto(QStringView line, PackedRow& out) {
  const qsizetype n = line.size();
  qsizetype p = 0;
  while (p < n && isSpaceOrControl(line[p])) ++p;
  while (p < n) {
    if (line[p] == u'"') {
      ++p;
      while (p < n) {
        // Runs without a quote go in one piece.
        qsizetype q = p;
        while (q < n && line[q] != u'"') ++q;
        out.text.append(line.mid(p, q - p));
        p = q;
        if (p >= n) break;
        if (p + 1 < n && line[p + 1] == u'"') {
          out.text.append(u'"');
          p += 2;
          continue;
        }
        ++p;
        break;
      }
      out.ends.push_back(std::uint32_t(out.text.size()));
    } else {
      const qsizetype b = p;
      while (p < n && !isSpaceOrControl(line[p]) && line[p] != u';') ++p;
      out.append(line.mid(b, p - b));
    }
    while (p < n && isSpaceOrControl(line[p])) ++p;
    if (p < n && line[p] == u';') {
      if (p + 1 == n) out.append({});
      ++p;
      while (p < n && isSpaceOrControl(line[p])) ++p;
    }
  }
}

PackedRow PastedLineItems(QStringView line) {
  PackedRow row;
  if (!line.contains(u'"')) {
    // Unquoted text: exactly the pasted-line rules.
    const std::u16string items =
        SplitPastedLine(std::u16string_view(reinterpret_cast<const char16_t*>(line.utf16()), size_t(line.size())));
    SplitDelimitedInto(QStringView(items.data(), qsizetype(items.size())), row);
    return row;
  }
  // The same rules outside quoted items: bars dropped, the ends trimmed,
  // each run of blanks one ";".
  QString kept;
  kept.reserve(line.size());
  scanQuotes(line, [&](QChar c, bool inQuotes) {
    if (inQuotes || c != u'|') kept.append(c);
  });
  qsizetype b = 0, e = kept.size();
  while (b < e && isSpaceOrControl(kept[b])) ++b;
  while (e > b && isSpaceOrControl(kept[e - 1])) --e;
  QString joined;
  joined.reserve(e - b);
  bool inBlanks = false;
  scanQuotes(QStringView(kept).mid(b, e - b), [&](QChar c, bool inQuotes) {
    if (!inQuotes && c == u' ') {
      if (!inBlanks) joined.append(u';');
      inBlanks = true;
    } else {
      joined.append(c);
      inBlanks = false;
    }
  });
  SplitDelimitedInto(joined, row);
  return row;
}

void AppendCsvCell(QString& out, QStringView cell) {
  if (!mustQuote(cell)) {
    out.append(cell);
    return;
  }
  out.append(u'"');
  for (QChar c : cell) {
    if (c == u'"') out.append(u'"');
    out.append(c);
  }
  out.append(u'"');
}

CsvRows ReadCsvText(QStringView text) {
  CsvRows result;
  // A text file never holds a NUL character; a file that does is not one.
  if (text.contains(QChar(0))) {
    result.status = CsvRows::Status::Binary;
    return result;
  }
  std::vector<QStringView> lines = TextLines(text);
  auto blank = [](QStringView l) { return std::all_of(l.begin(), l.end(), isSpaceOrControl); };
  while (!lines.empty() && blank(lines.back())) lines.pop_back();
  if (lines.empty()) {
    result.status = CsvRows::Status::Empty;
    return result;
  }
  if (lines.size() > size_t(MaxCsvRows)) {
    result.status = CsvRows::Status::TooLarge;
    return result;
  }
  result.rows.resize(lines.size());
  for (size_t r = 0; r < lines.size(); ++r) {
    PackedRow& row = result.rows[r];
    row.text.reserve(lines[r].size());
    SplitDelimitedInto(lines[r], row);
    if (row.count() > MaxCsvColumns) {
      result = CsvRows{CsvRows::Status::TooLarge, {}, 0};
      return result;
    }
    row.text.squeeze();
    row.ends.shrink_to_fit();
    result.cols = std::max(result.cols, row.count());
  }
  return result;
}

}  // namespace zw
