#include "platform/symbolic/Expr.h"

#include <algorithm>
#include <cctype>
#include <cfloat>
#include <charconv>
#include <cmath>

namespace zw::symbolic {

namespace {

thread_local size_t gBudgetLeft = 0;
thread_local bool gBudgetActive = false;

bool finiteValue(Extended v) { return std::fabs(v) <= LDBL_MAX; }

bool integral(Extended v) { return std::trunc(v) == v; }

std::string numberText(Extended v) {
  if (integral(v) && std::fabs(v) < 1e18L) {
    char buf[32];
    auto r = std::to_chars(buf, buf + sizeof buf, static_cast<long long>(v));
    return std::string(buf, r.ptr);
  }
  char buf[64];
  auto r = std::to_chars(buf, buf + sizeof buf, v);
  return std::string(buf, r.ptr);
}

// Whether 1/c is a whole number r with 1/r == c (then c prints as "/r").
bool reciprocalWhole(Extended c, Extended& r) {
  if (c == 0 || std::fabs(c) >= 1) return false;
  r = std::nearbyint(1 / c);
  // Products of such coefficients (1/180·1/180) may be off by a rounding.
  return std::fabs(r) <= 1e9L && std::fabs(c * r - 1) <= 1e-17L;
}

std::shared_ptr<Expr> make(Kind k) {
  auto e = std::make_shared<Expr>();
  e->kind = k;
  return e;
}

const Ex& finish(const std::shared_ptr<Expr>& e, Ex& out) {
  if (gBudgetActive) {
    if (e->key.size() > gBudgetLeft) throw TooLarge{};
    gBudgetLeft -= e->key.size();
  }
  out = e;
  return out;
}

std::string fnName(FormulaFunc f) {
  std::string n = FormulaFuncName(f);
  for (char& c : n) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return n;
}

bool atomic(const Ex& e) {
  return (e->kind == Kind::Num && e->num >= 0) || e->kind == Kind::Var || e->kind == Kind::Sym ||
         e->kind == Kind::Fn;
}

Ex makeFn(FormulaFunc f, Ex arg, bool piecewise) {
  auto e = make(Kind::Fn);
  e->func = f;
  e->hasX = arg->hasX;
  e->piecewise = piecewise;
  e->key = (piecewise ? "step" : fnName(f)) + "(" + arg->key + ")";
  e->arg = std::move(arg);
  Ex out;
  return finish(e, out);
}

// Splits a term into coefficient and rest (the rest without coefficient).
std::pair<Extended, Ex> splitCoefficient(const Ex& e) {
  if (e->kind != Kind::Prod || e->num == 1) return {1, e};
  auto p = make(Kind::Prod);
  p->num = 1;
  p->factors = e->factors;
  p->hasX = e->hasX;
  Ex rest;
  if (p->factors.size() == 1 && isNum(p->factors[0].second, 1)) {
    rest = p->factors[0].first;
  } else {
    std::string k;
    for (const auto& [b, x] : p->factors) k += "[" + b->key + "^" + x->key + "]";
    p->key = "P1" + k;
    finish(p, rest);
  }
  return {e->num, rest};
}

}  // namespace

Budget::Budget(size_t characters) {
  gBudgetLeft = characters;
  gBudgetActive = true;
}
Budget::~Budget() { gBudgetActive = false; }

bool isNum(const Ex& e, Extended v) { return e->kind == Kind::Num && e->num == v; }

Ex num(Extended v) {
  if (!finiteValue(v)) throw TooLarge{};
  auto e = make(Kind::Num);
  e->num = v == 0 ? 0 : v;  // no negative zero
  e->key = "N" + numberText(e->num);
  Ex out;
  return finish(e, out);
}

Ex var() {
  auto e = make(Kind::Var);
  e->key = "x";
  e->hasX = true;
  Ex out;
  return finish(e, out);
}

Ex sym(FormulaFunc f) {
  auto e = make(Kind::Sym);
  e->func = f;
  e->key = fnName(f);
  Ex out;
  return finish(e, out);
}

Ex fn(FormulaFunc f, Ex arg) {
  // ln(e^u) = u, ln(e) = 1.
  if (f == FormulaFunc::Ln) {
    if (arg->kind == Kind::Sym && arg->func == FormulaFunc::W) return num(1);
    if (arg->kind == Kind::Prod && arg->num == 1 && arg->factors.size() == 1 &&
        arg->factors[0].first->kind == Kind::Sym && arg->factors[0].first->func == FormulaFunc::W)
      return arg->factors[0].second;
  }
  return makeFn(f, std::move(arg), false);
}

Ex piecewiseSgn(Ex arg) { return makeFn(FormulaFunc::Sgn, std::move(arg), true); }

Ex add(const Ex& a, const Ex& b) {
  Extended constant = 0;
  std::vector<std::pair<Ex, Extended>> terms;
  auto put = [&](const Ex& t, Extended k) {
    for (auto& [u, c] : terms)
      if (u->key == t->key) {
        c += k;
        return;
      }
    terms.emplace_back(t, k);
  };
  auto absorb = [&](const Ex& e) {
    if (e->kind == Kind::Num) {
      constant += e->num;
    } else if (e->kind == Kind::Sum) {
      constant += e->num;
      for (const auto& [t, k] : e->terms) put(t, k);
    } else if (e->kind == Kind::Prod && e->factors.size() == 1 &&
               e->factors[0].first->kind == Kind::Sum && isNum(e->factors[0].second, 1)) {
      // c·(a + b) inside a sum: c·a + c·b, so that equal terms meet.
      const Ex& inner = e->factors[0].first;
      constant += e->num * inner->num;
      for (const auto& [t, k] : inner->terms) put(t, e->num * k);
    } else {
      auto [k, rest] = splitCoefficient(e);
      put(rest, k);
    }
  };
  absorb(a);
  absorb(b);
  if (!finiteValue(constant)) throw TooLarge{};
  std::erase_if(terms, [](const auto& t) { return t.second == 0; });
  if (terms.empty()) return num(constant);
  if (constant == 0 && terms.size() == 1) return mul(num(terms[0].second), terms[0].first);
  auto e = make(Kind::Sum);
  e->num = constant;
  e->terms = std::move(terms);
  std::string k = "S" + numberText(constant);
  for (const auto& [t, c] : e->terms) {
    if (!finiteValue(c)) throw TooLarge{};
    k += "{" + numberText(c) + "*" + t->key + "}";
    e->hasX = e->hasX || t->hasX;
  }
  e->key = std::move(k);
  Ex out;
  return finish(e, out);
}

Ex mul(const Ex& a, const Ex& b) {
  Extended coefficient = 1;
  std::vector<std::pair<Ex, Ex>> factors;
  auto put = [&](const Ex& base, const Ex& x) {
    for (auto& [u, y] : factors)
      if (u->key == base->key) {
        y = add(y, x);
        return;
      }
    factors.emplace_back(base, x);
  };
  auto absorb = [&](const Ex& e) {
    if (e->kind == Kind::Num) {
      coefficient *= e->num;
    } else if (e->kind == Kind::Prod) {
      coefficient *= e->num;
      for (const auto& [base, x] : e->factors) put(base, x);
    } else {
      put(e, num(1));
    }
  };
  absorb(a);
  absorb(b);
  if (!finiteValue(coefficient)) throw TooLarge{};
  if (coefficient == 0) return num(0);
  std::vector<std::pair<Ex, Ex>> kept;
  std::vector<Ex> expanded;  // powers of products that came apart: multiplied in again
  for (auto& [base, x] : factors) {
    if (isNum(x, 0)) continue;
    Ex p = pow(base, x);  // folds numbers and re-simplifies a changed exponent
    if (p->kind == Kind::Num) {
      coefficient *= p->num;
    } else if (p->kind == Kind::Prod && p->num == 1 && p->factors.size() == 1) {
      kept.push_back(p->factors[0]);
    } else if (p->kind == Kind::Prod) {
      expanded.push_back(p);
    } else {
      kept.emplace_back(p, num(1));
    }
  }
  if (!expanded.empty()) {
    Ex r = num(coefficient);
    for (const auto& [base, x] : kept) r = mul(r, pow(base, x));
    for (const auto& p : expanded) r = mul(r, p);
    return r;
  }
  if (!finiteValue(coefficient)) throw TooLarge{};
  if (coefficient == 0) return num(0);
  if (kept.empty()) return num(coefficient);
  if (coefficient == 1 && kept.size() == 1 && isNum(kept[0].second, 1)) return kept[0].first;
  auto e = make(Kind::Prod);
  e->num = coefficient;
  e->factors = std::move(kept);
  std::string k = "P" + numberText(coefficient);
  for (const auto& [base, x] : e->factors) {
    k += "[" + base->key + "^" + x->key + "]";
    e->hasX = e->hasX || base->hasX || x->hasX;
  }
  e->key = std::move(k);
  Ex out;
  return finish(e, out);
}

Ex pow(const Ex& base, const Ex& exponent) {
  if (isNum(exponent, 0)) return num(1);
  if (isNum(exponent, 1)) return base;
  if (base->kind == Kind::Num) {
    if (base->num == 1) return num(1);
    if (exponent->kind == Kind::Num) {
      Extended b = base->num, p = exponent->num;
      if (b == 0 && p > 0) return num(0);
      if (integral(p) && std::fabs(p) <= 64 && b != 0) {
        Extended r = std::pow(b, p);
        if (finiteValue(r) && r != 0) return num(r);
      }
    }
  }
  bool wholeExponent = exponent->kind == Kind::Num && integral(exponent->num);
  if (base->kind == Kind::Prod && wholeExponent) {
    // (c·Πb^x)^n = c^n·Πb^(x·n) for a whole n.
    Ex r = num(1);
    Extended c = base->num;
    if (c != 1) r = pow(num(c), exponent);
    for (const auto& [b, x] : base->factors) r = mul(r, pow(b, mul(x, exponent)));
    return r;
  }
  auto e = make(Kind::Prod);
  e->num = 1;
  e->factors.emplace_back(base, exponent);
  e->hasX = base->hasX || exponent->hasX;
  e->key = "P1[" + base->key + "^" + exponent->key + "]";
  Ex out;
  return finish(e, out);
}

Ex neg(const Ex& a) { return mul(num(-1), a); }
Ex sub(const Ex& a, const Ex& b) { return add(a, neg(b)); }
Ex div(const Ex& a, const Ex& b) { return mul(a, pow(b, num(-1))); }

// ---------------------------------------------------------------------------

namespace {

std::string printSigned(const Ex& e);

std::string paren(const std::string& s) { return "(" + s + ")"; }

// A base or an exponent: numbers, names and function calls stand alone.
std::string printOperand(const Ex& e) {
  if (atomic(e)) return printSigned(e);
  return paren(printSigned(e));
}

std::string printPower(const Ex& base, const Ex& exponent) {
  if (isNum(exponent, 1)) {
    if (base->kind == Kind::Sum || (base->kind == Kind::Num && base->num < 0)) return paren(printSigned(base));
    return printSigned(base);
  }
  return printOperand(base) + "^" + printOperand(exponent);
}

// A product: coefficient and factors with positive exponents over the
// factors with negative numeric exponents. The sign is left to the caller
// (magnitude only).
std::string printProductMagnitude(const Ex& e) {
  Extended c = std::fabs(e->num), r = 0;
  std::vector<std::string> top, bottom;
  bool reciprocal = reciprocalWhole(c, r);
  if (reciprocal) bottom.push_back(numberText(r));
  else if (c != 1) top.push_back(numberText(c));
  for (const auto& [b, x] : e->factors) {
    if (x->kind == Kind::Num && x->num < 0)
      bottom.push_back(printPower(b, num(-x->num)));
    else
      top.push_back(printPower(b, x));
  }
  std::string s;
  for (size_t i = 0; i < top.size(); ++i) s += (i ? "*" : "") + top[i];
  if (s.empty()) s = "1";
  if (bottom.size() == 1) {
    s += "/" + bottom[0];
  } else if (bottom.size() > 1) {
    std::string d;
    for (size_t i = 0; i < bottom.size(); ++i) d += (i ? "*" : "") + bottom[i];
    s += "/(" + d + ")";
  }
  return s;
}

// Magnitude and sign of a term of a sum.
std::pair<bool, std::string> printTerm(const Ex& t, Extended k) {
  Ex term = mul(num(k), t);
  if (term->kind == Kind::Num) return {term->num < 0, numberText(std::fabs(term->num))};
  if (term->kind == Kind::Prod) return {term->num < 0, printProductMagnitude(term)};
  return {false, printSigned(term)};
}

// The expression with a possible leading "-": only used where the evaluator
// reads a leading minus as "0-" (start of the text or after "(").
std::string printSigned(const Ex& e) {
  switch (e->kind) {
    case Kind::Num: return numberText(e->num);
    case Kind::Var: return "x";
    case Kind::Sym:
      switch (e->func) {
        case FormulaFunc::Pi: return "pi";
        case FormulaFunc::W: return "e";
        default: return fnName(e->func);
      }
    case Kind::Fn: return fnName(e->func) + "(" + printSigned(e->arg) + ")";
    case Kind::Prod: return (e->num < 0 ? "-" : "") + printProductMagnitude(e);
    case Kind::Sum: {
      std::string s;
      for (const auto& [t, k] : e->terms) {
        auto [negative, text] = printTerm(t, k);
        if (s.empty())
          s = negative ? "-" + text : text;
        else
          s += (negative ? "-" : "+") + text;
      }
      if (e->num != 0) s += (e->num < 0 ? "-" : "+") + numberText(std::fabs(e->num));
      return s;
    }
  }
  return {};
}

}  // namespace

std::string print(const Ex& e) { return printSigned(e); }

}  // namespace zw::symbolic
