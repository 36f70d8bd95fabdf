#include "squadron_file.h"

#include <string>

#include "byte_layout.h"

namespace zav {
namespace {

using namespace bytes;
using In = std::span<const std::uint8_t>;
using Out = std::span<std::uint8_t>;

constexpr std::uint8_t kHighByteMeansZero = 0xFF;  // a weapon number's high byte of 255 means 0
constexpr std::uint16_t kForwardBaseWord = 0xFFFF;
constexpr std::uint16_t kLargestWeaponNumber = 0xFEFF;

std::uint8_t read_destination(In b, std::size_t at, SquadronRead how) {
  const std::uint8_t low = u8(b, at);
  const std::uint8_t high = u8(b, at + 1);
  // Other files store the airfield plus 1, and a low byte of 0 still gives airfield 0.
  const int airfield = how == SquadronRead::base_file ? low : (low == 0 ? 0 : low - 1);
  if (high == 0xFF || airfield >= kForwardBase) return static_cast<std::uint8_t>(kForwardBase);
  return static_cast<std::uint8_t>(airfield);
}

Squadron read_squadron(In b, SquadronRead how) {
  Squadron s;
  s.start_year = i16(b, 0);
  s.start_month = u8(b, 2);
  s.start_day = u8(b, 3);
  s.home_base = how == SquadronRead::base_file ? u8(b, 4) : static_cast<std::int16_t>(u8(b, 4) - 1);
  s.aircraft_type = u8(b, 6);
  s.num_aircraft = u8(b, 7);
  s.num_pilots = u8(b, 8);
  s.morale = u8(b, 9);
  s.skill = u8(b, 10);
  s.commencing_phase = u8(b, 11);
  s.squadrons_in_group = u8(b, 12);
  s.escort_weight = u8(b, 14);
  s.sweep_weight = u8(b, 15);
  s.bomb_weight = u8(b, 16);
  s.intercept_weight = u8(b, 17);
  s.interdiction_weight = u8(b, 18);
  s.sprite = u8(b, 19);
  s.unit_name = u8(b, 20);
  s.unit_description = u8(b, 21);
  for (std::size_t j = 0; j < 4; ++j) s.staffel[j] = u8(b, 22 + j);
  s.num_moves = u8(b, 26);
  s.num_changes = u8(b, 27);
  for (std::size_t j = 0; j < 4; ++j) {
    const std::size_t move = 28 + 4 * j;
    s.moves[j] = {u8(b, move), u8(b, move + 1), read_destination(b, move + 2, how)};
    const std::size_t change = 44 + 4 * j;
    s.changes[j] = {u8(b, change), u8(b, change + 1), u8(b, change + 2), u8(b, change + 3)};
  }
  for (std::size_t m = 0; m < 32; ++m) s.special_missions[m] = u8(b, 60 + m);
  for (std::size_t k = 0; k < 8; ++k) {
    const std::size_t load = 92 + 4 * k;
    WeaponLoad& w = s.weapons[k];
    w.weapon = u8(b, load);
    w.phase = u8(b, load + 1);
    // The base file's numbers are never taken from its bytes.
    if (how == SquadronRead::squadron_file && u8(b, load + 3) != kHighByteMeansZero) {
      w.number = u16(b, load + 2);
    }
  }
  return s;
}

void write_squadron(Out b, const Squadron& s, SquadronRead how) {
  const bool base = how == SquadronRead::base_file;
  put_i16(b, 0, s.start_year);
  put_u8(b, 2, s.start_month);
  put_u8(b, 3, s.start_day);
  put_u8(b, 4, static_cast<std::uint8_t>(base ? s.home_base : s.home_base + 1));
  put_u8(b, 6, s.aircraft_type);
  put_u8(b, 7, s.num_aircraft);
  put_u8(b, 8, s.num_pilots);
  put_u8(b, 9, s.morale);
  put_u8(b, 10, s.skill);
  put_u8(b, 11, s.commencing_phase);
  put_u8(b, 12, s.squadrons_in_group);
  put_u8(b, 14, s.escort_weight);
  put_u8(b, 15, s.sweep_weight);
  put_u8(b, 16, s.bomb_weight);
  put_u8(b, 17, s.intercept_weight);
  put_u8(b, 18, s.interdiction_weight);
  put_u8(b, 19, s.sprite);
  put_u8(b, 20, s.unit_name);
  put_u8(b, 21, s.unit_description);
  for (std::size_t j = 0; j < 4; ++j) put_u8(b, 22 + j, s.staffel[j]);
  put_u8(b, 26, s.num_moves);
  put_u8(b, 27, s.num_changes);
  for (std::size_t j = 0; j < 4; ++j) {
    const std::size_t move = 28 + 4 * j;
    const AirfieldMove& m = s.moves[j];
    put_u8(b, move, m.probability);
    put_u8(b, move + 1, m.phase);
    put_u16(b, move + 2,
            m.destination == kForwardBase
                ? kForwardBaseWord
                : static_cast<std::uint16_t>(base ? m.destination : m.destination + 1));
    const std::size_t change = 44 + 4 * j;
    const AircraftChange& c = s.changes[j];
    put_u8(b, change, c.probability);
    put_u8(b, change + 1, c.phase);
    put_u8(b, change + 2, c.aircraft_type);
    put_u8(b, change + 3, c.reserved);
  }
  for (std::size_t m = 0; m < 32; ++m) put_u8(b, 60 + m, s.special_missions[m]);
  for (std::size_t k = 0; k < 8; ++k) {
    const std::size_t load = 92 + 4 * k;
    const WeaponLoad& w = s.weapons[k];
    put_u8(b, load, w.weapon);
    put_u8(b, load + 1, w.phase);
    put_u16(b, load + 2, w.number == 0 ? 0xFFFF : w.number);
  }
}

std::string record_size_text(std::size_t size) {
  return std::to_string(size / kSquadronRecordSize) + " whole squadrons of 124 bytes and " +
         std::to_string(size % kSquadronRecordSize) + " bytes more";
}

}  // namespace

Result<SquadronTable> decode_squadrons(std::span<const std::uint8_t> file, SquadronRead how,
                                       const std::filesystem::path& source) {
  if (file.empty()) return FileError{source, "is empty: a squadron file holds 1 to 25 squadrons"};
  if (file.size() % kSquadronRecordSize != 0) {
    return FileError{source, "is not a squadron file: its " + std::to_string(file.size()) +
                                 " bytes are " + record_size_text(file.size())};
  }
  const std::size_t count = file.size() / kSquadronRecordSize;
  if (count > SquadronTable::kMaxSquadrons) {
    return FileError{source, "holds " + std::to_string(count) +
                                 " squadrons; the editor and the game allow at most 25"};
  }
  SquadronTable table;
  table.count = static_cast<int>(count);
  for (std::size_t r = 0; r < count; ++r) {
    table.slots[r] = read_squadron(file.subspan(r * kSquadronRecordSize, kSquadronRecordSize), how);
  }
  return table;
}

FieldProblems squadron_problems(const SquadronTable& table, SquadronRead how) {
  const bool base = how == SquadronRead::base_file;
  const int lowest_home = base ? 0 : -1;
  const int highest_home = base ? 255 : 254;
  FieldProblems problems;
  if (table.count < 1 || table.count > SquadronTable::kMaxSquadrons) {
    problems.push_back({"squadrons", "a squadron file holds 1 to 25 squadrons, not " +
                                         std::to_string(table.count)});
    return problems;
  }
  for (int r = 0; r < table.count; ++r) {
    const Squadron& s = table.slots[r];
    const std::string at = "squadrons[" + std::to_string(r) + "].";
    if (s.home_base < lowest_home || s.home_base > highest_home) {
      problems.push_back({at + "home_base", std::to_string(s.home_base) +
                                                " does not fit the file's byte (" +
                                                std::to_string(lowest_home) + " to " +
                                                std::to_string(highest_home) + ")"});
    }
    for (std::size_t j = 0; j < 4; ++j) {
      if (s.moves[j].destination > kForwardBase) {
        problems.push_back({at + "moves[" + std::to_string(j) + "].destination",
                            std::to_string(s.moves[j].destination) +
                                " would read back as the forward base (162)"});
      }
    }
    for (std::size_t k = 0; k < 8; ++k) {
      if (base && s.weapons[k].number != 0) {
        problems.push_back({at + "weapons[" + std::to_string(k) + "].number",
                            std::to_string(s.weapons[k].number) +
                                " would read back as 0: the base file keeps no weapon numbers"});
      } else if (s.weapons[k].number > kLargestWeaponNumber) {
        problems.push_back(
            {at + "weapons[" + std::to_string(k) + "].number",
             std::to_string(s.weapons[k].number) + " would read back as 0 (its high byte is 255)"});
      }
    }
  }
  return problems;
}

Bytes encode_squadrons(const SquadronTable& table, SquadronRead how) {
  Bytes file(static_cast<std::size_t>(table.count) * kSquadronRecordSize, 0);
  for (std::size_t r = 0; r < static_cast<std::size_t>(table.count); ++r) {
    write_squadron(Out(file).subspan(r * kSquadronRecordSize, kSquadronRecordSize), table.slots[r],
                   how);
  }
  return file;
}

Result<SquadronTable> load_squadrons(const std::filesystem::path& path, SquadronRead how) {
  constexpr std::size_t kLongest = std::size_t{SquadronTable::kMaxSquadrons} * kSquadronRecordSize;
  Result<FileStart> file = read_file_start(path, kLongest);
  if (!file) return file.error();
  if (file.value().goes_on) {
    return FileError{path, "is longer than " + std::to_string(kLongest) +
                               " bytes, the most a squadron file holds (25 squadrons of 124 "
                               "bytes)"};
  }
  return decode_squadrons(file.value().bytes, how, path);
}

std::optional<FileError> save_squadrons(const std::filesystem::path& path,
                                        const SquadronTable& table, SquadronRead how) {
  const FieldProblems problems = squadron_problems(table, how);
  if (!problems.empty()) return FileError{path, "cannot be saved: " + problems.front().message()};
  return write_file_replacing(path, encode_squadrons(table, how));
}

}  // namespace zav
