#include "formats/string_file.h"

#include <gtest/gtest.h>

#include "string_file_bytes.h"
#include "temp_dir.h"

namespace zav {
namespace {

using testing::string_file_bytes;

std::vector<std::string> decoded(const std::vector<std::uint8_t>& bytes) {
  const auto strings = decode_strings(bytes, decode_string_count(bytes, "t.str").value(), "t.str");
  EXPECT_TRUE(strings) << strings.error().message();
  return strings ? strings.value() : std::vector<std::string>{};
}

TEST(StringFile, StringsStartAtEightPlusTheirOffset) {
  // V = 120: a table of thirty 4-byte positions precedes the names.
  const auto strings = decoded(string_file_bytes(testing::numbered("Plane", 30), 116));
  EXPECT_EQ(strings.size(), 30u);
  EXPECT_EQ(strings.back(), "Plane29");
}

TEST(StringFile, EmptyStringsKeepTheirPlaceAndTextIsDecoded) {
  EXPECT_EQ(decoded(string_file_bytes({"Caen", "", "K\xF6ln", "\x80 \x81"})),
            (std::vector<std::string>{"Caen", "", "K\u00F6ln", "\u20AC \u0081"}));
}

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
