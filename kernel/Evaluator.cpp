#include "kernel/Evaluator.h"

#include <cstring>
#include <memory>
#include <new>
#include <unordered_map>

#include "kernel/FormulaCompiled.h"
#include "kernel/FormulaReader.h"

namespace zw {

using namespace formula;

namespace {

constexpr int kSmallStack = 32;

// Terms nested deeper than the stack on the machine stack.
template <class Source>
[[gnu::noinline]] bool runCompiledLarge(const Compiled& c, Extended x, const Source& source,
                                        Extended& result) {
  std::vector<Extended> st(static_cast<size_t>(c.maxDepth));
  return runCode(c, x, source, st.data(), result);
}

struct FormulaCache {
  static constexpr size_t kCapacity = 256;
  std::u16string lastText;
  std::shared_ptr<const Compiled> last;
  std::unordered_map<std::u16string, std::shared_ptr<const Compiled>> map;

  // The plotters pass the same text for every point: one comparison.
  bool sameAsLast(const std::u16string& text) const {
    return last && text.size() == lastText.size() &&
           std::memcmp(text.data(), lastText.data(), text.size() * sizeof(char16_t)) == 0;
  }

  // Looks the text up or compiles it; nullptr when memory runs out.
  [[gnu::noinline]] const Compiled* find(const std::u16string& text) noexcept {
    try {
      auto it = map.find(text);
      if (it == map.end()) {
        if (map.size() >= kCapacity) map.clear();
        it = map.emplace(text, compileText(text)).first;
      }
      lastText = text;
      last = it->second;
      return last.get();
    } catch (const std::bad_alloc&) {
      last.reset();
      return nullptr;
    }
  }
};

FormulaCache& formulaCache() {
  thread_local FormulaCache cache;
  return cache;
}

// The cached evaluation, inlined into both entry points, so that x is read
// where the caller put it.
template <class Source>
[[gnu::always_inline]] inline void evaluate(const std::u16string& text, Extended& value,
                                            std::int32_t& err, const Extended& x,
                                            const Source& source) {
  FormulaCache& cache = formulaCache();
  const Compiled* c = cache.sameAsLast(text) ? cache.last.get() : cache.find(text);
  if (c && c->usable) {
    // Without this the compiler copies x to a second place first, and each
    // copy of an extended real through memory costs more than the
    // arithmetic of a short term.
    const Extended* px = &x;
    asm("" : "+r"(px));
    bool ok;
    if (c->maxDepth <= kSmallStack) {
      Extended st[kSmallStack];
      ok = runCode(*c, *px, source, st, value);
    } else {
      ok = runCompiledLarge(*c, *px, source, value);
    }
    if (ok) {
      err = evalerr::Ok;
      return;
    }
  }
  if (c)
    readNormal(c->normalCode, c->normal, value, err, x, source.get());
  else
    EvaluateFormulaDirect(text, value, err, x, source.get());
}

}  // namespace

std::shared_ptr<const Compiled> formula::cachedCompiledForm(const std::u16string& text) noexcept {
  FormulaCache& cache = formulaCache();
  if (!cache.sameAsLast(text)) cache.find(text);
  return cache.last;
}

void EvaluateFormula(const std::u16string& text, Extended& value, std::int32_t& err, Extended x) {
  evaluate(text, value, err, x, CurrentSettings{});
}

void EvaluateFormula(const std::u16string& text, Extended& value, std::int32_t& err, Extended x,
                     const FormulaContext& context) {
  evaluate(text, value, err, x, GivenContext{context});
}

void EvaluateFormulaBlock(const std::u16string& text, const Extended* xs, std::size_t n,
                          Extended* values, std::int32_t* errs, const FormulaContext& context) {
  if (n == 0) return;
  const std::shared_ptr<const Compiled> c = cachedCompiledForm(text);
  if (!c) {
    for (std::size_t i = 0; i < n; ++i) EvaluateFormulaDirect(text, values[i], errs[i], xs[i], context);
    return;
  }
  runBlockExtended(*c, xs, n, values, errs, context);
}

void EvaluateFormulaBlock(const std::u16string& text, const Extended* xs, std::size_t n,
                          Extended* values, std::int32_t* errs) {
  EvaluateFormulaBlock(text, xs, n, values, errs, FormulaContext::current());
}

void ClearFormulaCache() {
  FormulaCache& cache = formulaCache();
  cache.map.clear();
  cache.last.reset();
  cache.lastText.clear();
}

}  // namespace zw
