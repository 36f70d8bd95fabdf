#include "formats/string_file.h"
#include "fuzz_check.h"

// Counts, positions and strings of any shape: refused or read, never read past the end.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zav;
  const std::span<const std::uint8_t> file(data, size);
  const Result<std::uint32_t> count = decode_string_count(file, "fuzz.str");
  if (!count) return 0;
  const Result<std::vector<std::string>> strings = decode_strings(file, count.value(), "fuzz.str");
  if (strings) ZAV_FUZZ_CHECK(strings.value().size() == count.value());
  return 0;
}
