// Cost of one text lookup: built-in languages, the English fall-back and an
// external language held in memory.
#include "shell/State.h"
#include "shell/texts/LanguageFiles.h"
#include "shell/texts/Texts.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "bench/TimeReporter.h"

namespace {

// Pages and items a topic window fetches while laying out its page.
constexpr struct { zw::TTextIndex page; int item; } kLookups[] = {
    {zw::IPage, 1},  {zw::IPage, 2},   {zw::IRange, 4},    {zw::IRange, 5},   {zw::IRange, 250},
    {zw::IMat, 9},   {zw::IDatei, -10}, {zw::IMeldung, 22}, {zw::ITabelle, 3}, {zw::IQuit, 3},
};

void lookups(benchmark::State& state) {
  zw::shellState().LanguageKind = static_cast<int>(state.range(0));
  std::size_t i = 0;
  for (auto _ : state) {
    const auto& l = kLookups[i++ % std::size(kLookups)];
    QString text = zw::GetText(l.page, l.item);
    benchmark::DoNotOptimize(text);
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_GetTextBuiltIn(benchmark::State& state) { lookups(state); }
BENCHMARK(BM_GetTextBuiltIn)->Arg(0)->Arg(1)->Arg(2);

void BM_GetTextExternal(benchmark::State& state) {
  QTemporaryDir dir;
  const QString path = dir.filePath("lang.txt");
  {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly)) {
      state.SkipWithError("cannot write the language file");
      return;
    }
    f.write("[IPage]\n1=Inserimento\n2=Risultati\n[IRange]\n4=Aspetto\n5=Impostazioni\n"
            "[IMeldung]\n22=Inserimento non valido\n");
  }
  zw::setLanguageFile(3, path);
  lookups(state);
  zw::clearLanguageFiles();
}
BENCHMARK(BM_GetTextExternal)->Arg(3);

}  // namespace

int main(int argc, char** argv) {
  zw::bench::TimeReporter reporter;
  zw::bench::RunAll(argc, argv, reporter);
  zw::bench::PrintFigures("Texts", reporter.times,
                          {{"one `GetText` lookup, German (built in)", "BM_GetTextBuiltIn/0", "well under 1 µs"},
                           {"one `GetText` lookup, English (built in)", "BM_GetTextBuiltIn/1", "well under 1 µs"},
                           {"one `GetText` lookup, French (built in)", "BM_GetTextBuiltIn/2", "well under 1 µs"},
                           {"one `GetText` lookup, a language file", "BM_GetTextExternal/3", "well under 1 µs"}},
                          reporter.repetitions);
  return 0;
}
