// Test main of the checks that run over every topic window: one QApplication
// on the offscreen platform, and every area's windows and texts registered,
// as the program registers them. A window joins these checks by being
// registered in its area's Register<Area>Topics().
#include <QApplication>
#include <cstdlib>
#include <gtest/gtest.h>

#include "topics/AllTopics.h"

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  zw::RegisterAllTopics();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
