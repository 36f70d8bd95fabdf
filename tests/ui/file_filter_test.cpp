#include "ui/file_filter.h"

#include <gtest/gtest.h>

namespace zav::ui {
namespace {

TEST(FileFilter, QtListsByThePatternAfterTheBar) {
  EXPECT_EQ(qt_name_filter("Mission Files (*.dat)|misn*.dat"), "Mission Files (*.dat) (misn*.dat)");
  EXPECT_EQ(qt_name_filter("TARGETS.DAT|targets.dat"), "TARGETS.DAT (targets.dat)");
  EXPECT_EQ(qt_name_filter("Data|*.dat;*.bak"), "Data (*.dat *.bak)");
  EXPECT_EQ(qt_name_filter("*.str"), "*.str");
}

}  // namespace
}  // namespace zav::ui
