#include "formats/string_file.h"

#include <gtest/gtest.h>

#include "string_file_bytes.h"
#include "temp_dir.h"

namespace zav {
namespace {

using testing::string_file_bytes;

TEST(StringFile, StringsStartAtEightPlusTheirOffset) {
  // V = 120: a table of thirty 4-byte positions precedes the names.
  auto bytes = string_file_bytes(testing::numbered("Plane", 30), 116);
  ASSERT_EQ(bytes[8], 120);
  ASSERT_EQ(bytes[128], 'P');
  const auto header = decode_string_header(bytes, "planes.str");
  ASSERT_TRUE(header);
  const auto strings = decode_strings(bytes, header.value(), "planes.str");
  ASSERT_TRUE(strings);
  EXPECT_EQ(strings.value().size(), 30u);
  EXPECT_EQ(strings.value()[29], "Plane29");
}

TEST(StringFile, EmptyStringsKeepTheirPlaceAndTextIsDecoded) {
  auto bytes = string_file_bytes({"Caen", "", "K\xF6ln", "\x80 \x81"});
  const auto header = decode_string_header(bytes, "places.str");
  const auto strings = decode_strings(bytes, header.value(), "places.str");
  ASSERT_TRUE(strings);
  EXPECT_EQ(strings.value(), (std::vector<std::string>{"Caen", "", "K\u00F6ln", "\u20AC \u0081"}));
}

TEST(StringFile, TruncatedFilesAreRefusedWithTheReason) {
  auto header_only = string_file_bytes({});
  header_only.pop_back();
  const auto short_header = decode_string_header(header_only, "a.str");
  ASSERT_FALSE(short_header);
  EXPECT_NE(short_header.error().message().find("a.str"), std::string::npos);

  auto past_end = string_file_bytes({"x"});
  past_end[8] = 200;
  EXPECT_FALSE(decode_string_header(past_end, "b.str"));

  auto unterminated = string_file_bytes({"One", "Two"});
  unterminated.pop_back();
  const auto header = decode_string_header(unterminated, "c.str");
  ASSERT_TRUE(header);
  const auto strings = decode_strings(unterminated, header.value(), "c.str");
  ASSERT_FALSE(strings);
  EXPECT_NE(strings.error().reason.find("string 2 of 2"), std::string::npos);

  auto huge_count = string_file_bytes({"One"});
  huge_count[7] = 0xFF;
  EXPECT_FALSE(
      decode_strings(huge_count, decode_string_header(huge_count, "d.str").value(), "d.str"));
}

}  // namespace
}  // namespace zav
