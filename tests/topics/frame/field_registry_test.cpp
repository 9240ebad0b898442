// Stored integers of the field registry: what a worksheet may hold under an
// integer key, and what the control receives on loading.
#include <gtest/gtest.h>

#include <optional>

#include "platform/ini/IniFile.h"
#include "topics/frame/FieldRegistry.h"

namespace zw {
namespace {

TEST(FieldRegistry, StoredIntegerOutsideItsRangeOrNotWholeLoadsAsTheDefault) {
  struct Case {
    std::optional<const char*> stored;  // nullopt: no key
    int loaded;
  };
  // A choice 1 .. 4 with the default 2.
  const Case cases[] = {
      {"1", 1},  {"4", 4},  {" 3 ", 3},  {"+3", 3},   {"03", 3},     {std::nullopt, 2},
      {"", 2},   {"0", 2},  {"5", 2},    {"-1", 2},   {"2.5", 2},    {"3x", 2},
      {"x3", 2}, {"-", 2},  {"3 4", 2},  {"1e0", 2},  {"99999999999999999999", 2},
  };
  for (const Case& c : cases) {
    IniFile ini(QStringLiteral("unused.ini"));
    if (c.stored) ini.writeString("s", "task", QString::fromUtf8(*c.stored));
    int control = -7;
    FieldRegistry fields;
    fields.addInteger("task", [&] { return control; }, [&](int v) { control = v; }, 2, 1, 4);
    fields.load(ini, "s");
    EXPECT_EQ(control, c.loaded) << (c.stored ? *c.stored : "(none)");
  }
}

TEST(FieldRegistry, StoredIntegerSavesWhatTheControlHolds) {
  IniFile ini(QStringLiteral("unused.ini"));
  int control = 3;
  FieldRegistry fields;
  fields.addInteger("n", [&] { return control; }, [&](int v) { control = v; }, 20, 3, 99);
  fields.save(ini, "s", SavePolicy::RawTexts);
  EXPECT_EQ(ini.readString("s", "n"), QStringLiteral("3"));
  control = 0;
  fields.load(ini, "s");
  EXPECT_EQ(control, 3);
}

}  // namespace
}  // namespace zw
