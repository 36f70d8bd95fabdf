#pragma once

#include <cstdint>
#include <vector>

#include "formats/squadron_file.h"

namespace zav::testing {

// The base file sqbasic.dat that holds `table`: written as a squadron file, then with every
// home base and move destination without the +1 that squadron files add.
inline std::vector<std::uint8_t> base_file_bytes(const SquadronTable& table) {
  Bytes bytes = encode_squadrons(table);
  for (std::size_t at = 0; at < bytes.size(); at += kSquadronRecordSize) {
    --bytes[at + 4];
    for (std::size_t move = at + 30; move < at + 46; move += 4) {
      if (bytes[move + 1] != 0xFF) --bytes[move];
    }
  }
  return bytes;
}

}  // namespace zav::testing
