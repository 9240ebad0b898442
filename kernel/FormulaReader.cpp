#include "kernel/FormulaReader.h"

#include <clocale>
#include <cstdlib>
#include <locale.h>
#include <new>

#include "kernel/Evaluator.h"

namespace zw {

namespace formula {

std::int32_t convertNumber(const std::u16string& s, size_t from, size_t to, Extended& value,
                           int& status) {
  status = 0;
  std::string ascii;
  ascii.reserve(to - from);
  size_t i = from;
  auto pos = [&] { return static_cast<std::int32_t>(i - from + 1); };
  while (i < to && isDigit(s[i])) ascii.push_back(static_cast<char>(s[i++]));
  if (i < to && s[i] == u'.') {
    ascii.push_back('.');
    ++i;
    while (i < to && isDigit(s[i])) ascii.push_back(static_cast<char>(s[i++]));
  }
  if (i < to && s[i] == u'E') {
    ascii.push_back('E');
    ++i;
    if (i < to && (s[i] == u'+' || s[i] == u'-')) ascii.push_back(static_cast<char>(s[i++]));
    if (!(i < to && isDigit(s[i]))) return pos();
    while (i < to && isDigit(s[i])) ascii.push_back(static_cast<char>(s[i++]));
  }
  if (i < to) return pos();
  static locale_t cLocale = newlocale(LC_ALL_MASK, "C", nullptr);
  value = strtold_l(ascii.c_str(), nullptr, cLocale);
  if (!finite(value)) status = 2;
  return 0;
}

void readNormal(std::int32_t code, const std::u16string& normal, Extended& value,
                std::int32_t& err, Extended x, const FormulaContext& context) {
  if (code != evalerr::Ok) {
    value = 0;
    err = code;
    return;
  }
  try {
    Reader<false> reader(normal, x, context, nullptr);
    reader.run(value, err);
  } catch (const std::bad_alloc&) {
    err = evalerr::Prepare;
  }
}

bool parseNormal(std::int32_t code, const std::u16string& normal, FormulaTree& tree) {
  tree = FormulaTree{};
  if (code != evalerr::Ok) return false;
  Reader<true> reader(normal, 0, FormulaContext{}, &tree);
  Extended ignored = 0;
  std::int32_t err = 0;
  reader.run(ignored, err);
  return err == evalerr::Ok && !reader.staticFailure() && tree.root >= 0;
}

}  // namespace formula

void EvaluateFormulaDirect(const std::u16string& text, Extended& value, std::int32_t& err,
                           Extended x) {
  EvaluateFormulaDirect(text, value, err, x, FormulaContext::current());
}

void EvaluateFormulaDirect(const std::u16string& text, Extended& value, std::int32_t& err,
                           Extended x, const FormulaContext& context) {
  std::u16string normal;
  std::int32_t code;
  try {
    code = NormalizeFormula(text, normal);
  } catch (const std::bad_alloc&) {
    err = evalerr::Prepare;
    return;
  }
  formula::readNormal(code, normal, value, err, x, context);
}

int FormulaTreeDepth(const FormulaTree& tree) {
  // Operands are always recorded before the node that uses them.
  std::vector<int> depth(tree.nodes.size(), 1);
  int deepest = 0;
  for (size_t n = 0; n < tree.nodes.size(); ++n) {
    const FormulaNode& nd = tree.nodes[n];
    if (nd.a >= 0) depth[n] = std::max(depth[n], depth[nd.a] + 1);
    if (nd.b >= 0) depth[n] = std::max(depth[n], depth[nd.b] + 1);
    deepest = std::max(deepest, depth[n]);
  }
  return deepest;
}

bool ParseFormulaTree(const std::u16string& text, FormulaTree& tree) {
  std::u16string normal;
  std::int32_t code = NormalizeFormula(text, normal);
  return formula::parseNormal(code, normal, tree);
}

}  // namespace zw
