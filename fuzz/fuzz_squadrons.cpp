#include "formats/squadron_file.h"
#include "fuzz_check.h"

// Squadron files of any length, read both ways; what reads and can be saved reads back equal.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zav;
  const std::span<const std::uint8_t> file(data, size);
  for (SquadronRead how : {SquadronRead::squadron_file, SquadronRead::base_file}) {
    const Result<SquadronTable> table = decode_squadrons(file, how, "fuzz.dat");
    if (!table) continue;
    ZAV_FUZZ_CHECK(table.value().count >= 1 && table.value().count <= 25);
    if (!squadron_problems(table.value()).empty()) continue;
    const Bytes saved = encode_squadrons(table.value());
    const Result<SquadronTable> reloaded =
        decode_squadrons(saved, SquadronRead::squadron_file, "fuzz.dat");
    ZAV_FUZZ_CHECK(reloaded && reloaded.value() == table.value());
    ZAV_FUZZ_CHECK(encode_squadrons(reloaded.value()) == saved);
  }
  return 0;
}
