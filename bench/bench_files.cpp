// Reading files at their size limits: a 64 MB settings file through IniFile
// (target under 1 s) and a 32 MB CSV file at the grid limits into a grid
// (target under 2 s). Each is also given as a ratio against reading the same
// bytes with QFile::readAll, which carries over to other machines better than
// the absolute time, and with the peak memory of the process ("peak_MB").
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <sys/resource.h>

#include "bench/TimeReporter.h"

#include "platform/ini/IniFile.h"
#include "shell/gridexchange/GridExchange.h"
#include "shell/kit/Grids.h"

namespace {

QTemporaryDir& folder() {
  static QTemporaryDir dir;
  return dir;
}

// A settings file of 64 MB: sections of 40 keys like a large memory file.
QString settingsFile() {
  static const QString path = [] {
    const QString p = folder().filePath("big.ini");
    QByteArray text;
    text.reserve(64 * 1024 * 1024);
    for (int s = 0; text.size() < 64 * 1024 * 1024 - 4096; ++s) {
      text += "[topic" + QByteArray::number(s) + "]\r\n";
      for (int k = 0; k < 40; ++k)
        text += "key" + QByteArray::number(k) + "=" + QByteArray::number(s * 7919 + k) + ",5\r\n";
    }
    QFile f(p);
    if (f.open(QIODevice::WriteOnly)) f.write(text);
    return p;
  }();
  return path;
}

// A CSV file at the grid limits: 100,000 rows, one of them 1,000 columns
// wide, 32 MB in all.
QString csvFile() {
  static const QString path = [] {
    const QString p = folder().filePath("big.csv");
    QByteArray text;
    text.reserve(zw::MaxCsvFileSize);
    for (int c = 0; c < zw::MaxCsvColumns; ++c) text += (c ? ";" : "") + QByteArray::number(c);
    text += "\r\n";
    const qint64 perRow = (zw::MaxCsvFileSize - text.size()) / (zw::MaxCsvRows - 1);
    for (int r = 1; r < zw::MaxCsvRows; ++r) {
      QByteArray row;
      for (int c = 0; row.size() + 12 < perRow; ++c) row += (c ? ";" : "") + QByteArray::number(r * 31 + c) + ",25";
      text += row + "\r\n";
    }
    QFile f(p);
    if (f.open(QIODevice::WriteOnly)) f.write(text);
    return p;
  }();
  return path;
}

double peakMegabytes() {
  rusage u{};
  getrusage(RUSAGE_SELF, &u);
  return double(u.ru_maxrss) / 1024.0;
}

template <class Load>
void measure(benchmark::State& state, const QString& path, Load load) {
  for (auto _ : state) load();
  state.counters["peak_MB"] = peakMegabytes();
  state.SetBytesProcessed(state.iterations() * QFile(path).size());
}

// The reference: the same bytes read by QFile::readAll, which says more
// than the time alone on another or a busy machine.
void readAll(benchmark::State& state, const QString& path) {
  measure(state, path, [&] {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) state.SkipWithError("the file cannot be read");
    const QByteArray bytes = f.readAll();
    benchmark::DoNotOptimize(bytes.data());
  });
}
void BM_ReadAllSettings64MB(benchmark::State& state) { readAll(state, settingsFile()); }
void BM_ReadAllCsvAtGridLimits(benchmark::State& state) { readAll(state, csvFile()); }
BENCHMARK(BM_ReadAllSettings64MB)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ReadAllCsvAtGridLimits)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_ReadSettings64MB(benchmark::State& state) {
  const QString path = settingsFile();
  measure(state, path, [&] {
    zw::IniFile ini(path);
    benchmark::DoNotOptimize(ini.readString("topic1000", "key39"));
  });
}
BENCHMARK(BM_ReadSettings64MB)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_LoadCsvAtGridLimits(benchmark::State& state) {
  const QString path = csvFile();
  measure(state, path, [&] {
    zw::StringGrid grid;
    int rows = 0, cols = 0;
    QString error;
    if (!zw::GridLoadCsv(&grid, rows, cols, path, &error)) state.SkipWithError("the file was refused");
    benchmark::DoNotOptimize(grid.Cells(cols, rows));
  });
}
BENCHMARK(BM_LoadCsvAtGridLimits)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  zw::bench::TimeReporter reporter(zw::bench::Clock::Cpu);
  zw::bench::RunAll(argc, argv, reporter);
  zw::bench::PrintRatios("Files at their limits: load time / `QFile::readAll` of the same bytes (CPU time)",
                         reporter.times,
                         {{"a 64 MB settings file (88,583 sections, 3.6 million lines) read by `IniFile`",
                           "BM_ReadSettings64MB/iterations:3", "BM_ReadAllSettings64MB/iterations:3", ""},
                          {"a 32 MB CSV file at the grid limits (100,000 rows, one of 1,000 columns) loaded into a grid",
                           "BM_LoadCsvAtGridLimits/iterations:3", "BM_ReadAllCsvAtGridLimits/iterations:3", ""}},
                         reporter.repetitions);
  zw::bench::PrintFigures("Files at their limits (CPU time)", reporter.times,
                          {{"the 64 MB settings file read by `IniFile`", "BM_ReadSettings64MB/iterations:3", "< 1 s"},
                           {"the 32 MB CSV file loaded into a grid", "BM_LoadCsvAtGridLimits/iterations:3", "< 2 s"}},
                          reporter.repetitions);
  return 0;
}
