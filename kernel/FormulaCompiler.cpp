#include <memory>
#include <vector>

#include "kernel/FormulaCompiled.h"
#include "kernel/FormulaReader.h"

namespace zw::formula {

namespace {

class Compiler {
public:
  Compiler(const FormulaTree& t, Compiled& c)
      : t_(t), c_(c), constMemo_(t.nodes.size(), -1), foldMemo_(t.nodes.size(), -1),
        foldValue_(t.nodes.size(), 0) {}
  bool compile() {
    // Operands are recorded before the nodes that use them: filled in that
    // order, the memos answer every question without walking a deep chain.
    for (int n = 0; n < static_cast<int>(t_.nodes.size()); ++n) {
      Extended v = 0;
      if (constant(n)) fold(n, v);
    }
    emit(t_.root);
    push(Code::End);
    return depth_ == 1;
  }

private:
  // Whether a subtree can be computed now: no X, Y, Z, K, no angle mode.
  bool constant(int n) {
    if (constMemo_[n] < 0) constMemo_[n] = computeConstant(n) ? 1 : 0;
    return constMemo_[n] == 1;
  }
  bool computeConstant(int n) {
    const FormulaNode& nd = t_.nodes[n];
    switch (nd.op) {
      case FormulaOp::Number: return true;
      case FormulaOp::Func:
        if (nd.func == FormulaFunc::X || nd.func == FormulaFunc::Y || nd.func == FormulaFunc::Z ||
            nd.func == FormulaFunc::K || FormulaFuncUsesAngleMode(nd.func))
          return false;
        return constant(nd.a);
      case FormulaOp::Neg: return constant(nd.a);
      default: return constant(nd.a) && constant(nd.b);
    }
  }

  // Computes a constant subtree; false when it would fail (then it is left
  // to run, so that the failure takes the direct path).
  bool fold(int n, Extended& v) {
    if (foldMemo_[n] < 0) foldMemo_[n] = computeFold(n, foldValue_[n]) ? 1 : 0;
    v = foldValue_[n];
    return foldMemo_[n] == 1;
  }
  bool computeFold(int n, Extended& v) {
    const FormulaNode& nd = t_.nodes[n];
    Extended a = 0, b = 0;
    int status = 0;
    switch (nd.op) {
      case FormulaOp::Number: v = nd.number; return true;
      case FormulaOp::Neg:
        if (!fold(nd.a, a)) return false;
        v = -a;
        return true;
      case FormulaOp::Func:
        if (!fold(nd.a, a)) return false;
        v = ApplyFormulaFunc(nd.func, a, 0, status);
        return status == 0;
      default: break;
    }
    if (!fold(nd.a, a) || !fold(nd.b, b)) return false;
    switch (nd.op) {
      case FormulaOp::Add: v = a + b; break;
      case FormulaOp::Sub: v = a - b; break;
      case FormulaOp::Mul: v = a * b; break;
      case FormulaOp::Div:
        if (b == 0) return false;
        v = a / b;
        break;
      default: v = FormulaPower(a, b, status); break;
    }
    return status == 0 && finite(v);
  }

  // Whether the ignored argument of a name can be left out: it cannot fail.
  // PI, W and X cannot (X is tested once per run); Y, Z and K can, when the
  // shared value is not finite.
  bool harmlessArgument(int n) {
    const FormulaNode& arg = t_.nodes[n];
    Extended ignored = 0;
    return arg.op == FormulaOp::Number ||
           (arg.op == FormulaOp::Func &&
            (arg.func == FormulaFunc::Pi || arg.func == FormulaFunc::W ||
             arg.func == FormulaFunc::X) &&
            t_.nodes[arg.a].op == FormulaOp::Number) ||
           (constant(n) && fold(n, ignored));
  }

  // An operand that can be part of the instruction: a constant, or a
  // monomial k·X^n with a whole 1 <= n <= 64 (n = 0 stands for plain X).
  enum class Leaf { None, K, M };
  Leaf leaf(int n, Extended& k, unsigned& power) {
    if (constant(n) && fold(n, k)) return Leaf::K;
    const FormulaNode& nd = t_.nodes[n];
    Extended factor = 1;
    int base = n;
    if (nd.op == FormulaOp::Mul) {
      if (constant(nd.a) && fold(nd.a, factor)) base = nd.b;
      else if (constant(nd.b) && fold(nd.b, factor)) base = nd.a;
      else return Leaf::None;
    }
    power = 0;
    const FormulaNode* b = &t_.nodes[base];
    Extended e = 0;
    if (b->op == FormulaOp::Pow && constant(b->b) && fold(b->b, e) && e >= 1 && e <= 64 &&
        isWhole(e)) {
      power = static_cast<unsigned>(static_cast<double>(e));
      b = &t_.nodes[b->a];
    }
    if (b->op != FormulaOp::Func || b->func != FormulaFunc::X || !harmlessArgument(b->a))
      return Leaf::None;
    k = factor;
    return Leaf::M;
  }

  void push(Code code, Extended k = 0, FormulaFunc f = FormulaFunc::Abs, unsigned n = 0) {
    c_.code.push_back(Instr{code, f, n, k});
  }
  void grow(int d) {
    depth_ += d;
    c_.maxDepth = std::max(c_.maxDepth, depth_);
  }

  void loadK(Extended k) {
    push(depth_ == 0 ? Code::LoadK : Code::Const, k);
    grow(1);
  }

  void emitFunc(FormulaFunc f) {
    switch (f) {
      case FormulaFunc::Abs: push(Code::Abs); return;
      case FormulaFunc::Sqrt: push(Code::Sqrt); return;
      case FormulaFunc::Sqr: push(Code::Sqr); return;  // a·a, as the name computes it
      case FormulaFunc::Sin: push(Code::Sin); c_.usesAngle = true; return;
      case FormulaFunc::Cos: push(Code::Cos); c_.usesAngle = true; return;
      case FormulaFunc::Exp: push(Code::Exp); return;
      case FormulaFunc::Ln: push(Code::Ln); return;
      case FormulaFunc::Sinh: push(Code::Sinh, 0, f); return;
      case FormulaFunc::Cosh: push(Code::Cosh, 0, f); return;
      case FormulaFunc::Atan: push(Code::Atan, 0, f); return;
      case FormulaFunc::Log: push(Code::Log, 0, f); return;
      default: push(Code::Func, 0, f); return;
    }
  }

  // acc^k for a constant exponent.
  void emitPowK(Extended k) {
    if (k >= 1 && k <= 64 && isWhole(k)) {
      unsigned n = static_cast<unsigned>(static_cast<double>(k));
      if (n == 2) push(Code::Sqr);
      else if (n == 3) push(Code::Cube);
      else push(Code::PowN, k, FormulaFunc::Abs, n);
    } else {
      push(Code::PowK, k);
    }
  }

  // What is left to do for a node once the operand emitted before it is on
  // the stack.
  enum class Then { Neg, DropArgument, Func, WithK, WithM, KWith, MWith, SecondOperand, Binary };
  struct Pending {
    int node;
    Then then;
    Extended k = 0;
    unsigned power = 0;
  };

  // Walks the tree with a stack of its own: a chain «x+x+…+x» is as deep as
  // it is long, and a frame per node would overflow the thread's stack.
  void emit(int root) {
    std::vector<Pending> pending;
    int n = root;
    for (;;) {
      const int operand = enter(n, pending);
      if (operand >= 0) {
        n = operand;
        continue;
      }
      // n is emitted: finish the nodes waiting for it, up to one that needs
      // a second operand.
      n = -1;
      while (n < 0 && !pending.empty()) {
        const Pending p = pending.back();
        pending.pop_back();
        n = finish(p, pending);
      }
      if (n < 0) return;
    }
  }

  // Starts node n: emits it when it needs no operand (returns -1), or records
  // what follows its operand and returns the operand to emit first.
  int enter(int n, std::vector<Pending>& pending) {
    const FormulaNode& nd = t_.nodes[n];
    Extended v = 0;
    if (constant(n) && fold(n, v)) {
      loadK(v);
      return -1;
    }
    switch (nd.op) {
      case FormulaOp::Number:
        loadK(nd.number);
        return -1;
      case FormulaOp::Neg:
        pending.push_back({n, Then::Neg});
        return nd.a;
      case FormulaOp::Func:
        if (FormulaFuncIgnoresArgument(nd.func)) {
          // The argument is still computed for its failures, unless it cannot fail.
          if (!harmlessArgument(nd.a)) {
            pending.push_back({n, Then::DropArgument});
            return nd.a;
          }
          ignoredArgumentDone(nd);
          return -1;
        }
        pending.push_back({n, Then::Func});
        return nd.a;
      default: break;
    }
    // Which operand is evaluated first does not matter: the compiled form
    // runs only when nothing fails. k + v and k·v are v + k and v·k exactly.
    Extended k = 0;
    unsigned power = 0;
    Leaf right = leaf(nd.b, k, power);
    if (right == Leaf::K) {
      pending.push_back({n, Then::WithK, k});
      return nd.a;
    }
    if (right == Leaf::M && nd.op != FormulaOp::Pow) {
      pending.push_back({n, Then::WithM, k, power});
      return nd.a;
    }
    Leaf left = leaf(nd.a, k, power);
    if (left == Leaf::K) {
      pending.push_back({n, Then::KWith, k});
      return nd.b;
    }
    if (left == Leaf::M && nd.op != FormulaOp::Pow) {
      pending.push_back({n, Then::MWith, k, power});
      return nd.b;
    }
    if (nd.op == FormulaOp::Mul && leaf(n, k, power) == Leaf::M) {  // k·X^n alone
      push(depth_ == 0 ? Code::LoadM : Code::PushM, k, FormulaFunc::Abs, power);
      grow(1);
      return -1;
    }
    pending.push_back({n, Then::SecondOperand});
    return nd.a;
  }

  // Completes a node whose operand is emitted; returns a further operand to
  // emit first (the second one of a binary operation), or -1.
  int finish(const Pending& p, std::vector<Pending>& pending) {
    const FormulaNode& nd = t_.nodes[p.node];
    const int op = static_cast<int>(nd.op) - static_cast<int>(FormulaOp::Add);  // Add..Pow
    switch (p.then) {
      case Then::Neg: push(Code::Neg); return -1;
      case Then::DropArgument:
        push(depth_ > 1 ? Code::Drop : Code::Check);  // Check: nothing below it
        grow(-1);
        ignoredArgumentDone(nd);
        return -1;
      case Then::Func: emitFunc(nd.func); return -1;
      case Then::WithK: {
        static constexpr Code withK[] = {Code::AddK, Code::SubK, Code::MulK, Code::DivK};
        if (nd.op == FormulaOp::Pow) emitPowK(p.k);
        else push(withK[op], p.k);
        return -1;
      }
      case Then::WithM: {
        static constexpr Code withM[] = {Code::AddM, Code::SubM, Code::MulM, Code::DivM};
        push(withM[op], p.k, FormulaFunc::Abs, p.power);
        return -1;
      }
      case Then::KWith: {
        static constexpr Code kWith[] = {Code::AddK, Code::KSub, Code::MulK, Code::KDiv, Code::KPow};
        push(kWith[op], p.k);
        return -1;
      }
      case Then::MWith: {
        static constexpr Code mWith[] = {Code::AddM, Code::MSub, Code::MulM, Code::MDiv};
        push(mWith[op], p.k, FormulaFunc::Abs, p.power);
        return -1;
      }
      case Then::SecondOperand: pending.push_back({p.node, Then::Binary}); return nd.b;
      case Then::Binary: {
        static constexpr Code ops[] = {Code::Add, Code::Sub, Code::Mul, Code::Div, Code::Pow};
        push(ops[op]);
        grow(-1);
        return -1;
      }
    }
    return -1;
  }

  // The value of a name that ignores its argument (X, PI, W, Y, Z, K).
  void ignoredArgumentDone(const FormulaNode& nd) {
    if (nd.func == FormulaFunc::X) {
      push(depth_ == 0 ? Code::LoadM : Code::PushM, 1);
      grow(1);
    } else if (nd.func == FormulaFunc::Pi) {
      loadK(kPi);
    } else if (nd.func == FormulaFunc::W) {
      loadK(kE);
    } else {
      if (depth_ > 0) push(Code::Push);
      push(Code::Param, 0, nd.func);  // Y, Z, K: read at run time
      grow(1);
    }
  }

  const FormulaTree& t_;
  Compiled& c_;
  std::vector<signed char> constMemo_, foldMemo_;
  std::vector<Extended> foldValue_;
  int depth_ = 0;
};

}  // namespace

std::shared_ptr<const Compiled> compileText(const std::u16string& text) {
  // Very deep trees («1+1+…+1» of thousands of terms) stay with the direct
  // reading, which reads chains in loops; the compiled form keeps to the
  // terms it speeds up.
  constexpr int kMaxCompiledDepth = 3000;
  auto c = std::make_shared<Compiled>();
  c->normalCode = NormalizeFormula(text, c->normal);
  FormulaTree tree;
  if (parseNormal(c->normalCode, c->normal, tree) &&
      FormulaTreeDepth(tree) <= kMaxCompiledDepth) {
    Compiler compiler(tree, *c);
    c->usable = compiler.compile();
  }
  if (!c->usable) c->code.clear();
  return c;
}

}  // namespace zw::formula
