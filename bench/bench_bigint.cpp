// Big integers against GMP in the same binary. "N digits" is the size of the
// largest number involved: a product of N digits (two N/2-digit operands, the
// largest product a big integer of the topic holds at N = 10,000), a division
// of an N-digit number by an N/2-digit one, and the decimal text of an
// N-digit number. The table workload is the big-numbers topic's n! table:
// n! for n = 1 … 3,000, each row formatted as a memo line.
#include <benchmark/benchmark.h>
#include <gmpxx.h>

#include <cstring>
#include <random>
#include <string>

#include "bench/TimeReporter.h"
#include "kernel/BigInt.h"
#include "kernel/KernelState.h"
#include "topics/algebra/BigNumbers.h"

namespace {

std::string digits(int n, unsigned seed) {
  std::mt19937 gen(seed);
  std::uniform_int_distribution<int> d(0, 9);
  std::string s(1, '7');
  for (int i = 1; i < n; ++i) s += static_cast<char>('0' + d(gen));
  return s;
}

zw::TBigInt big(const std::string& s) {
  zw::TBigInt a;
  zw::BigIntFromStr(std::u16string(s.begin(), s.end()), a);
  return a;
}

void Mul_Zahlwerk(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const zw::TBigInt a = big(digits(n / 2, 1)), b = big(digits(n / 2, 2));
  zw::TBigInt c;
  for (auto _ : state) {
    zw::BigIntMul(a, b, c);
    benchmark::DoNotOptimize(c);
  }
}

void Mul_GMP(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const mpz_class a(digits(n / 2, 1)), b(digits(n / 2, 2));
  mpz_class c;
  for (auto _ : state) {
    mpz_mul(c.get_mpz_t(), a.get_mpz_t(), b.get_mpz_t());
    benchmark::DoNotOptimize(c.get_mpz_t());
  }
}

void Div_Zahlwerk(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const zw::TBigInt a = big(digits(n, 3)), b = big(digits(n / 2, 4));
  zw::TBigInt q, r;
  for (auto _ : state) {
    zw::BigIntDivMod(a, b, q, r);
    benchmark::DoNotOptimize(q);
  }
}

void Div_GMP(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const mpz_class a(digits(n, 3)), b(digits(n / 2, 4));
  mpz_class q, r;
  for (auto _ : state) {
    mpz_tdiv_qr(q.get_mpz_t(), r.get_mpz_t(), a.get_mpz_t(), b.get_mpz_t());
    benchmark::DoNotOptimize(q.get_mpz_t());
  }
}

void Format_Zahlwerk(benchmark::State& state) {
  const zw::TBigInt a = big(digits(static_cast<int>(state.range(0)), 5));
  for (auto _ : state) benchmark::DoNotOptimize(zw::BigIntToStr(a));
}

void Format_GMP(benchmark::State& state) {
  const mpz_class a(digits(static_cast<int>(state.range(0)), 5));
  for (auto _ : state) benchmark::DoNotOptimize(a.get_str());
}

void FactorialTable_Zahlwerk(benchmark::State& state) {
  for (auto _ : state) {
    size_t total = 0;
    zw::TBigInt c;
    for (int n = 1; n <= 3000; ++n) {
      zw::BigIntFactorial(n, c);
      total += zw::BigIntFuncLine(u"!", c, n, {}).size();
    }
    benchmark::DoNotOptimize(total);
  }
}

void FactorialTable_GMP(benchmark::State& state) {
  for (auto _ : state) {
    size_t total = 0;
    mpz_class c;
    for (unsigned n = 1; n <= 3000; ++n) {
      mpz_fac_ui(c.get_mpz_t(), n);
      total += c.get_str().size();
    }
    benchmark::DoNotOptimize(total);
  }
}

// The topic's tables, rows computed and formatted as its memo lines, against
// GMP computing each row and its decimal text.
void runTable(zw::BigTable table, zw::BigRange n, zw::BigRange k, const char* a, benchmark::State& state) {
  zw::TBigInt av;
  zw::BigIntFromStr(std::u16string(a, a + std::strlen(a)), av);
  for (auto _ : state) {
    zw::BigTableRows rows(table, av, n, k, {});
    QStringList lines;
    size_t total = 0;
    while (rows.next(lines, {}))
      for (const QString& l : lines) total += static_cast<size_t>(l.size());
    benchmark::DoNotOptimize(total);
  }
}

void Table2n_Zahlwerk(benchmark::State& s) { runTable(zw::BigTable::Pow2, {1, 10000, 1}, {}, "2", s); }
void Table3n_Zahlwerk(benchmark::State& s) { runTable(zw::BigTable::PowA, {1, 10000, 1}, {}, "3", s); }
void TableFactorial_Zahlwerk(benchmark::State& s) { runTable(zw::BigTable::Factorial, {1, 3000, 1}, {}, "3", s); }
void TableBinomial_Zahlwerk(benchmark::State& s) { runTable(zw::BigTable::Binomial, {1, 500, 1}, {0, 500, 1}, "3", s); }

void powerTableGmp(unsigned base, benchmark::State& state) {
  for (auto _ : state) {
    size_t total = 0;
    mpz_class c;
    for (unsigned n = 1; n <= 10000; ++n) {
      mpz_ui_pow_ui(c.get_mpz_t(), base, n);
      total += c.get_str().size();
    }
    benchmark::DoNotOptimize(total);
  }
}
void Table2n_GMP(benchmark::State& s) { powerTableGmp(2, s); }
void Table3n_GMP(benchmark::State& s) { powerTableGmp(3, s); }

void TableBinomial_GMP(benchmark::State& state) {
  for (auto _ : state) {
    size_t total = 0;
    mpz_class c;
    for (unsigned n = 1; n <= 500; ++n)
      for (unsigned k = 0; k <= n; ++k) {
        mpz_bin_uiui(c.get_mpz_t(), n, k);
        total += c.get_str().size();
      }
    benchmark::DoNotOptimize(total);
  }
}

std::string text(const zw::TBigInt& a) {
  const std::u16string t = zw::BigIntToStr(a);
  return std::string(t.begin(), t.end());
}

// Products, quotients and remainders, decimal texts and factorials as GMP
// gives them, at every size the runs use.
bool sameAsGmp() {
  for (int n : {1000, 10000}) {
    zw::TBigInt c, q, r;
    zw::BigIntMul(big(digits(n / 2, 1)), big(digits(n / 2, 2)), c);
    zw::BigIntDivMod(big(digits(n, 3)), big(digits(n / 2, 4)), q, r);
    mpz_class pc = mpz_class(digits(n / 2, 1)) * mpz_class(digits(n / 2, 2)), pq, pr;
    mpz_tdiv_qr(pq.get_mpz_t(), pr.get_mpz_t(), mpz_class(digits(n, 3)).get_mpz_t(),
                mpz_class(digits(n / 2, 4)).get_mpz_t());
    if (text(c) != pc.get_str() || text(q) != pq.get_str() || text(r) != pr.get_str()) return false;
    if (text(big(digits(n, 5))) != mpz_class(digits(n, 5)).get_str()) return false;
  }
  for (unsigned n : {1u, 20u, 170u, 3000u}) {
    zw::TBigInt f;
    zw::BigIntFactorial(n, f);
    mpz_class g;
    mpz_fac_ui(g.get_mpz_t(), n);
    if (text(f) != g.get_str()) return false;
  }
  return true;
}

}  // namespace

BENCHMARK(Table2n_Zahlwerk)->Unit(benchmark::kMillisecond);
BENCHMARK(Table2n_GMP)->Unit(benchmark::kMillisecond);
BENCHMARK(Table3n_Zahlwerk)->Unit(benchmark::kMillisecond);
BENCHMARK(Table3n_GMP)->Unit(benchmark::kMillisecond);
BENCHMARK(TableFactorial_Zahlwerk)->Unit(benchmark::kMillisecond);
BENCHMARK(TableBinomial_Zahlwerk)->Unit(benchmark::kMillisecond);
BENCHMARK(TableBinomial_GMP)->Unit(benchmark::kMillisecond);
BENCHMARK(Mul_Zahlwerk)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(Mul_GMP)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(Div_Zahlwerk)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(Div_GMP)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(Format_Zahlwerk)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(Format_GMP)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(FactorialTable_Zahlwerk)->Unit(benchmark::kMillisecond);
BENCHMARK(FactorialTable_GMP)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
  zw::bench::RequireSame(sameAsGmp(), "big-integer results differ from GMP's");
  zw::bench::TimeReporter reporter;
  zw::bench::RunAll(argc, argv, reporter);
  zw::bench::PrintRatios(
      "Big integers: Zahlwerk time / GMP time", reporter.times,
      {{"product of 1,000 digits", "Mul_Zahlwerk/1000", "Mul_GMP/1000", ""},
       {"product of 10,000 digits (the largest a `TBigInt` holds)", "Mul_Zahlwerk/10000", "Mul_GMP/10000", "≤ 10"},
       {"1,000 ÷ 500 digits", "Div_Zahlwerk/1000", "Div_GMP/1000", "≤ 10"},
       {"10,000 ÷ 5,000 digits", "Div_Zahlwerk/10000", "Div_GMP/10000", ""},
       {"decimal text of 1,000 digits", "Format_Zahlwerk/1000", "Format_GMP/1000", ""},
       {"decimal text of 10,000 digits", "Format_Zahlwerk/10000", "Format_GMP/10000", ""},
       {"n! for n = 1 … 3,000, each row formatted", "FactorialTable_Zahlwerk", "FactorialTable_GMP", ""},
       {"table 2ⁿ, n = 1 … 10,000, rows as memo lines", "Table2n_Zahlwerk", "Table2n_GMP", "≤ 4"},
       {"table 3ⁿ, n = 1 … 10,000", "Table3n_Zahlwerk", "Table3n_GMP", "≤ 4"},
       {"table n!, n = 1 … 3,000", "TableFactorial_Zahlwerk", "FactorialTable_GMP", "≤ 4"},
       {"table nCr(n, k), n = 1 … 500, every k", "TableBinomial_Zahlwerk", "TableBinomial_GMP", "≤ 4"}},
      reporter.repetitions);
  zw::bench::PrintFigures("Big integers", reporter.times,
                          {{"n! for n = 1 … 3,000, each row formatted", "FactorialTable_Zahlwerk", "< 1 s"}},
                          reporter.repetitions);
  return 0;
}
