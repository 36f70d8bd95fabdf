#include <algorithm>

#include "formats/mission_file.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zav;
  MissionImage image{};  // short inputs stand for files that end in zeros
  std::copy_n(data, std::min(size, image.size()), image.begin());
  const Mission record = decode_mission(image);
  ZAV_FUZZ_CHECK(decode_mission(encode_mission(record)) == record);
  return 0;
}
