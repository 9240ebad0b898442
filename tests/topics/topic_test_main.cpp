// Test main of a topic area: one QApplication on the offscreen platform, and
// the area's windows and texts registered explicitly before any test runs.
// CMake names the area's function in ZW_REGISTER_TOPIC_AREA (for example
// RegisterAlgebraTopics).
#include <QApplication>
#include <cstdlib>
#include <gtest/gtest.h>

namespace zw {
void ZW_REGISTER_TOPIC_AREA();
}

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  zw::ZW_REGISTER_TOPIC_AREA();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
