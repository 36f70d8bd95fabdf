#include <algorithm>
#include <array>

#include "formats/target_file.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zav;
  std::array<std::uint8_t, TargetFile::kSize> image{};
  std::copy_n(data, std::min(size, image.size()), image.begin());
  const TargetFile targets = decode_targets(image);
  ZAV_FUZZ_CHECK(targets.records.size() == TargetFile::kRecords);
  return 0;
}
