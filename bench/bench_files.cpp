// Reading files at their size limits: a 64 MB settings file through IniFile
// (target under 1 s) and a 32 MB CSV file at the grid limits into a grid
// (target under 2 s). Each is also given as a ratio against reading the same
// bytes with QFile::readAll ("vs_readAll"), which carries over to other
// machines better than the absolute time, and with the peak memory of the
// process ("peak_MB").
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <sys/resource.h>

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

double seconds(std::chrono::steady_clock::time_point since) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

double readAllSeconds(const QString& path) {
  const auto t = std::chrono::steady_clock::now();
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return 0;
  const QByteArray bytes = f.readAll();
  benchmark::DoNotOptimize(bytes.data());
  return seconds(t);
}

double peakMegabytes() {
  rusage u{};
  getrusage(RUSAGE_SELF, &u);
  return double(u.ru_maxrss) / 1024.0;
}

// The ratio takes the fastest run of each, which is the least disturbed by
// other work on the machine.
template <class Load>
void measure(benchmark::State& state, const QString& path, Load load) {
  double own = 1e9, plain = 1e9;
  for (auto _ : state) {
    const auto t = std::chrono::steady_clock::now();
    load();
    own = std::min(own, seconds(t));
    state.PauseTiming();
    for (int i = 0; i < 3; ++i) plain = std::min(plain, readAllSeconds(path));
    state.ResumeTiming();
  }
  state.counters["vs_readAll"] = plain > 0 ? own / plain : 0;
  state.counters["peak_MB"] = peakMegabytes();
  state.SetBytesProcessed(state.iterations() * QFile(path).size());
}

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
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
