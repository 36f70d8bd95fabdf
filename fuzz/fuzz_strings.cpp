#include "formats/string_file.h"
#include "fuzz_check.h"

// Headers and strings of any shape: refused or read, never read past the end.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zav;
  const std::span<const std::uint8_t> file(data, size);
  const Result<StringFileHeader> header = decode_string_header(file, "fuzz.str");
  if (!header) return 0;
  const Result<std::vector<std::string>> strings = decode_strings(file, header.value(), "fuzz.str");
  if (strings) ZAV_FUZZ_CHECK(strings.value().size() == header.value().count);
  return 0;
}
