// The driver sees other programs' windows in the system's own pixels, as a
// program aware of the system's dots per inch does.
#include <windows.h>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
  SetProcessDPIAware();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
