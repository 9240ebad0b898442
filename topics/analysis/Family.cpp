#include "topics/analysis/Family.h"

#include "kernel/Format.h"
#include "kernel/TermVariables.h"

namespace zw {

std::vector<std::u16string> FamilyValues(const FamilyRange& range, const QString& list) {
  std::vector<std::u16string> values;
  if (range.given) {
    const Extended step = range.step == 0 ? 1 : range.step;
    // An integer counter: a step too small to move k cannot loop for ever.
    for (int i = 0; i < FamilyRangeMembers; ++i) {
      const Extended k = range.kmin + i * step;
      if (step > 0 ? k > range.kmax : k < range.kmax) break;
      values.push_back(FormatGeneral(15, k));
    }
  }
  const QString items = list.trimmed();
  if (!items.isEmpty()) {
    QString t = items;
    t.replace(u';', u' ');
    t.replace(u'\\', u' ');
    for (const QString& item : t.split(u' ')) values.push_back(item.toStdU16String());
  }
  return values;
}

std::u16string FamilyTerm(const QString& term, const std::u16string& value) {
  const std::u16string t = term.trimmed().toStdU16String();
  // Each free k grows the text by one with "()": their count, before the
  // member is built.
  const std::size_t free = SubstituteVariable(t, u'k', u"()").size() - t.size();
  if (t.size() + free * (value.size() + 1) > FamilyMemberMaxLength) return {};
  return SubstituteVariable(t, u'k', u"(" + value + u")");
}

int FamilyEntry(int n, int listLength) {
  const int e = (n - 1) % 24 + 1;
  return listLength > 0 && listLength < e ? (e - 1) % listLength + 1 : e;
}

}  // namespace zw
