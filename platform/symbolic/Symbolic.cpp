#include "platform/symbolic/Symbolic.h"

#include <cstring>
#include <optional>

#include "kernel/KernelState.h"
#include "platform/symbolic/Expr.h"

namespace zw::symbolic {

namespace {

constexpr size_t kBudget = size_t{1} << 24;  // characters of expression keys per command
constexpr int kMaxDepth = 3000;

// A step function of x: it has no derivative at its jumps.
struct NoDerivative {};

Ex fromTree(const FormulaTree& t, int n) {
  const FormulaNode& nd = t.nodes[n];
  switch (nd.op) {
    case FormulaOp::Number: return num(nd.number);
    case FormulaOp::Neg: return neg(fromTree(t, nd.a));
    case FormulaOp::Add: return add(fromTree(t, nd.a), fromTree(t, nd.b));
    case FormulaOp::Sub: return sub(fromTree(t, nd.a), fromTree(t, nd.b));
    case FormulaOp::Mul: return mul(fromTree(t, nd.a), fromTree(t, nd.b));
    case FormulaOp::Div: return div(fromTree(t, nd.a), fromTree(t, nd.b));
    case FormulaOp::Pow: return pow(fromTree(t, nd.a), fromTree(t, nd.b));
    case FormulaOp::Func: break;
  }
  switch (nd.func) {
    case FormulaFunc::X: return var();
    case FormulaFunc::Pi: case FormulaFunc::W: case FormulaFunc::Y: case FormulaFunc::Z:
    case FormulaFunc::K:
      return sym(nd.func);
    case FormulaFunc::Exp: case FormulaFunc::E:
      return pow(sym(FormulaFunc::W), fromTree(t, nd.a));
    default: return fn(nd.func, fromTree(t, nd.a));
  }
}

// The factor that turns the derivative of an angle function in an angle
// mode into one with respect to x: pi/180, 1 or pi/200.
Ex angleFactor(int angleMode) {
  switch (angleMode) {
    case 0: return div(sym(FormulaFunc::Pi), num(180));
    case 2: return div(sym(FormulaFunc::Pi), num(200));
    default: return num(1);
  }
}

Ex d(const Ex& e, const Ex& angle);

// Derivative of f(u) with respect to u, times du.
Ex chain(FormulaFunc f, const Ex& u, const Ex& du, const Ex& angle) {
  auto sq = [](const Ex& a) { return pow(a, num(2)); };
  Ex one = num(1);
  Ex inner;
  switch (f) {
    case FormulaFunc::Abs: inner = piecewiseSgn(u); break;
    case FormulaFunc::Relu: inner = piecewiseSgn(fn(FormulaFunc::Relu, u)); break;
    case FormulaFunc::Int: case FormulaFunc::Sgn: case FormulaFunc::Rect: case FormulaFunc::Fak:
      throw NoDerivative{};
    case FormulaFunc::Sqrt: inner = div(one, mul(num(2), fn(FormulaFunc::Sqrt, u))); break;
    case FormulaFunc::Sqr: inner = mul(num(2), u); break;
    case FormulaFunc::Sinh: inner = fn(FormulaFunc::Cosh, u); break;
    case FormulaFunc::Cosh: inner = fn(FormulaFunc::Sinh, u); break;
    case FormulaFunc::Tanh: inner = div(one, sq(fn(FormulaFunc::Cosh, u))); break;
    case FormulaFunc::Coth: inner = neg(div(one, sq(fn(FormulaFunc::Sinh, u)))); break;
    case FormulaFunc::Asinh: inner = div(one, fn(FormulaFunc::Sqrt, add(sq(u), one))); break;
    case FormulaFunc::Acosh: inner = div(one, fn(FormulaFunc::Sqrt, sub(sq(u), one))); break;
    case FormulaFunc::Atanh: case FormulaFunc::Acoth: inner = div(one, sub(one, sq(u))); break;
    case FormulaFunc::Sin: inner = mul(angle, fn(FormulaFunc::Cos, u)); break;
    case FormulaFunc::Cos: inner = neg(mul(angle, fn(FormulaFunc::Sin, u))); break;
    case FormulaFunc::Tan: inner = div(angle, sq(fn(FormulaFunc::Cos, u))); break;
    case FormulaFunc::Cot: inner = neg(div(angle, sq(fn(FormulaFunc::Sin, u)))); break;
    case FormulaFunc::Atan: inner = div(one, mul(angle, add(one, sq(u)))); break;
    case FormulaFunc::Asin:
      inner = div(one, mul(angle, fn(FormulaFunc::Sqrt, sub(one, sq(u)))));
      break;
    case FormulaFunc::Acos:
      inner = neg(div(one, mul(angle, fn(FormulaFunc::Sqrt, sub(one, sq(u))))));
      break;
    case FormulaFunc::Ln: inner = div(one, u); break;
    case FormulaFunc::Log: inner = div(one, mul(u, fn(FormulaFunc::Ln, num(10)))); break;
    case FormulaFunc::Erf:
      inner = mul(div(num(2), fn(FormulaFunc::Sqrt, sym(FormulaFunc::Pi))),
                  pow(sym(FormulaFunc::W), neg(sq(u))));
      break;
    default: return num(0);  // names without a real argument
  }
  return mul(inner, du);
}

Ex dPower(const Ex& b, const Ex& p, const Ex& angle) {
  if (!p->hasX) return mul(mul(p, pow(b, sub(p, num(1)))), d(b, angle));
  Ex lnb = fn(FormulaFunc::Ln, b);
  if (!b->hasX) return mul(mul(pow(b, p), lnb), d(p, angle));
  return mul(pow(b, p), add(mul(d(p, angle), lnb), div(mul(p, d(b, angle)), b)));
}

Ex d(const Ex& e, const Ex& angle) {
  if (!e->hasX) return num(0);
  switch (e->kind) {
    case Kind::Var: return num(1);
    case Kind::Sum: {
      Ex r = num(0);
      for (const auto& [t, k] : e->terms) r = add(r, mul(num(k), d(t, angle)));
      return r;
    }
    case Kind::Prod: {
      if (e->factors.size() == 1)
        return mul(num(e->num), dPower(e->factors[0].first, e->factors[0].second, angle));
      Ex r = num(0);
      for (size_t i = 0; i < e->factors.size(); ++i) {
        Ex t = num(e->num);
        for (size_t j = 0; j < e->factors.size(); ++j) {
          const auto& [b, x] = e->factors[j];
          t = mul(t, i == j ? dPower(b, x, angle) : pow(b, x));
        }
        r = add(r, t);
      }
      return r;
    }
    case Kind::Fn:
      if (e->piecewise) return num(0);
      return chain(e->func, e->arg, d(e->arg, angle), angle);
    default: return num(0);
  }
}

std::u16string widen(std::string_view s) { return std::u16string(s.begin(), s.end()); }

}  // namespace

bool Differentiate(std::string_view term, int order, std::string& answer) {
  return Differentiate(term, order, zw::kernelState().AngleMode, answer);
}

bool Differentiate(std::string_view term, int order, int angleMode, std::string& answer) {
  // "**" is a product sign written twice by the preparation of «2e».
  std::string t;
  t.reserve(term.size());
  for (size_t i = 0; i < term.size(); ++i) {
    if (term[i] == '*' && i + 1 < term.size() && term[i + 1] == '*') continue;
    t.push_back(term[i]);
  }
  try {
    FormulaTree tree;
    // The differentiation walks the tree recursively: no chains beyond this.
    if (!ParseFormulaTree(widen(t), tree) || FormulaTreeDepth(tree) > kMaxDepth) return false;
    Budget budget(kBudget);
    Ex e = fromTree(tree, tree.root);
    const Ex angle = angleFactor(angleMode);
    for (int i = 0; i < order; ++i) e = d(e, angle);
    answer = print(e);
  } catch (const NoDerivative&) {
    return false;
  } catch (const TooLarge&) {
    return false;
  } catch (const std::bad_alloc&) {
    return false;
  }
  return true;
}

bool Calculate(std::string_view command, std::string& answer) {
  return Calculate(command, zw::kernelState().AngleMode, answer);
}

bool Calculate(std::string_view command, int angleMode, std::string& answer) {
  constexpr std::string_view head = "diff(";
  if (command.substr(0, head.size()) != head) return false;
  std::string_view rest = command.substr(head.size());
  auto ends = [&](std::string_view tail) {
    return rest.size() > tail.size() && rest.substr(rest.size() - tail.size()) == tail;
  };
  if (ends(",x)")) return Differentiate(rest.substr(0, rest.size() - 3), 1, angleMode, answer);
  if (ends(",x,2)")) return Differentiate(rest.substr(0, rest.size() - 5), 2, angleMode, answer);
  return false;
}

}  // namespace zw::symbolic

namespace zw::symbolic {

std::int32_t CalculateInto(const char* input, char* output, std::int32_t size, int angleMode) {
  if (input == nullptr || output == nullptr || size <= 0) return -1;
  std::string answer;
  try {
    if (!Calculate(input, angleMode, answer)) return -1;
  } catch (...) {  // nothing may cross the C boundary
    return -1;
  }
  if (answer.size() + 1 > static_cast<size_t>(size)) return -2;
  std::memcpy(output, answer.c_str(), answer.size() + 1);
  return static_cast<std::int32_t>(answer.size());
}

}  // namespace zw::symbolic

extern "C" std::int32_t symbolic_calculate(const char* input, char* output, std::int32_t size) {
  return zw::symbolic::CalculateInto(input, output, size, zw::kernelState().AngleMode);
}
