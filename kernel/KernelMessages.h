#pragma once
// Messages that kernel routines raise in the middle of a computation (a
// polynomial product that does not fit, for example) are numbers of the
// message catalogue. While a KernelMessageCollector is alive on the calling
// thread they are collected instead of shown, so that the window shows them
// after the computation has returned, in order, and no box (with its nested
// event loop) opens inside a computation:
//
//   std::vector<int> messages;
//   {
//     KernelMessageCollector collect;
//     compute();
//     messages = collect.take();
//   }
//   for (int n : messages) show(n);
//
// Without a collector a message goes to the routine's installed sink, as
// before (see SetPolyMessageSink).
#include <vector>

namespace zw {

class KernelMessageCollector {
public:
  // Installs the collector for the calling thread; collectors nest, the
  // innermost one collects.
  KernelMessageCollector();
  // Uninstalls it. Messages not taken are handed to the enclosing collector,
  // if any; without one they are dropped.
  ~KernelMessageCollector();
  KernelMessageCollector(const KernelMessageCollector&) = delete;
  KernelMessageCollector& operator=(const KernelMessageCollector&) = delete;

  // The message numbers collected so far, in the order of their first report,
  // each number once; the collector is empty afterwards.
  std::vector<int> take();
  bool empty() const { return messages_.empty(); }

private:
  friend bool CollectKernelMessage(int messageNumber);
  void add(int messageNumber);

  std::vector<int> messages_;
  KernelMessageCollector* previous_;
};

// For kernel routines: hands the message to the calling thread's innermost
// collector and returns true, or returns false when none is installed (the
// routine then uses its sink).
bool CollectKernelMessage(int messageNumber);

}  // namespace zw
