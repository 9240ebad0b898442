#include "kernel/KernelMessages.h"

#include <gtest/gtest.h>

#include <vector>

#include "kernel/CalcFailure.h"
#include "kernel/Poly.h"

namespace zw {
namespace {

class RecordingSink : public PolyMessageSink {
public:
  void showMessage(int n) override { shown.push_back(n); }
  std::vector<int> shown;
};

// Installs a recording sink for the test, as the program installs its box.
class KernelMessages : public ::testing::Test {
protected:
  void SetUp() override { old_ = SetPolyMessageSink(&sink_); }
  void TearDown() override { SetPolyMessageSink(old_); }
  RecordingSink sink_;
  PolyMessageSink* old_ = nullptr;
};

TPoly degree(int d) {
  TPoly p{};
  p[d] = TBruch{1, 1};
  return p;
}

TEST_F(KernelMessages, ACollectorGathersInsteadOfShowing) {
  KernelMessageCollector collect;
  TPoly c{};
  PolyMul(degree(20), degree(20), c);       // refused: degree 40
  CollectKernelMessage(7);                  // another message after it
  PolyMul(degree(30), degree(30), c);       // the same refusal again
  EXPECT_TRUE(sink_.shown.empty()) << "nothing is shown during the computation";
  EXPECT_EQ(collect.take(), (std::vector<int>{msg::ImproperData, 7}));
  EXPECT_TRUE(collect.empty());
  EXPECT_TRUE(collect.take().empty()) << "taken messages are given once";
}

TEST_F(KernelMessages, WithoutACollectorTheSinkShows) {
  {
    KernelMessageCollector collect;
  }
  EXPECT_FALSE(CollectKernelMessage(7));
  TPoly c{};
  PolyMul(degree(20), degree(20), c);
  EXPECT_EQ(sink_.shown, std::vector<int>{msg::ImproperData});
}

TEST_F(KernelMessages, NestedCollectorsHandOnWhatWasNotTaken) {
  KernelMessageCollector outer;
  CollectKernelMessage(1);
  {
    KernelMessageCollector inner;
    CollectKernelMessage(2);
    CollectKernelMessage(1);
  }
  {
    KernelMessageCollector taken;
    CollectKernelMessage(3);
    EXPECT_EQ(taken.take(), std::vector<int>{3});
  }
  EXPECT_EQ(outer.take(), (std::vector<int>{1, 2}));
  EXPECT_TRUE(sink_.shown.empty());
}

}  // namespace
}  // namespace zw
