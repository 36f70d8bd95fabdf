#include "formats/string_file.h"

#include <gtest/gtest.h>

#include "string_file_bytes.h"

namespace zav {
namespace {

using testing::string_file_bytes;

// Strings found past a gap after the header are read by the main window's loaders
// (frm_main_test.cpp), and Windows-1252 texts and empty strings by `zav dump`
// (dump_build_test.cpp); here, the files that end too soon.
TEST(StringFile, TruncatedFilesAreRefusedWithTheReason) {
  const std::vector<std::uint8_t> no_count = {0, 0, 0, 0, 3, 0, 0};
  const auto count = decode_string_count(no_count, "a.str");
  ASSERT_FALSE(count);
  EXPECT_NE(count.error().message().find("a.str"), std::string::npos);

  auto no_position = string_file_bytes({});
  no_position.pop_back();
  EXPECT_FALSE(decode_strings(no_position, 0, "b.str"));

  auto past_end = string_file_bytes({"x"});
  past_end[8] = 200;
  EXPECT_FALSE(decode_strings(past_end, 1, "b.str"));

  auto unterminated = string_file_bytes({"One", "Two"});
  unterminated.pop_back();
  const auto strings = decode_strings(unterminated, 2, "c.str");
  ASSERT_FALSE(strings);
  EXPECT_NE(strings.error().reason.find("string 2 of 2"), std::string::npos);

  EXPECT_FALSE(decode_strings(string_file_bytes({"One"}), 0xFF000001, "d.str"));
}

}  // namespace
}  // namespace zav
