#include "squadron_file.h"

#include <array>
#include <string>

#include "byte_layout.h"

namespace zav {
namespace {

using layout::Byte;
using layout::In;
using layout::Out;
using layout::SignedWord;

template <class Form, auto Member>
constexpr auto slot(std::size_t at) {
  return layout::slot<Form, Member, SquadronRead>(at);
}

constexpr std::uint16_t kLargestWeaponNumber = 0xFEFF;

// A squadron file stores an airfield plus 1; the base file stores it as it is.
struct HomeBase {
  static constexpr std::size_t width = 1;
  static int read(In b, SquadronRead how) {
    return how == SquadronRead::base_file ? b[0] : b[0] - 1;
  }
  static void write(Out b, int v, SquadronRead how) {
    b[0] = static_cast<std::uint8_t>(how == SquadronRead::base_file ? v : v + 1);
  }
};

// An airfield as a word, plus 1 in a squadron file; FF FF is the forward base.
struct Destination {
  static constexpr std::size_t width = 2;
  static constexpr std::uint16_t kForwardBaseWord = 0xFFFF;
  static int read(In b, SquadronRead how) {
    // A squadron file's low byte of 0 still gives airfield 0.
    const int airfield = how == SquadronRead::base_file ? b[0] : (b[0] == 0 ? 0 : b[0] - 1);
    return b[1] == 0xFF || airfield >= kForwardBase ? kForwardBase : airfield;
  }
  static void write(Out b, int v, SquadronRead how) {
    const int stored = how == SquadronRead::base_file ? v : v + 1;
    layout::put_u16(b, 0,
                    v == kForwardBase ? kForwardBaseWord : static_cast<std::uint16_t>(stored));
  }
};

// A weapon's number as a word whose high byte of 255 means 0; the base file's numbers are
// never taken from its bytes.
struct WeaponNumber {
  static constexpr std::size_t width = 2;
  static int read(In b, SquadronRead how) {
    return how == SquadronRead::squadron_file && b[1] != 0xFF ? layout::u16(b) : 0;
  }
  static void write(Out b, int v, SquadronRead) {
    layout::put_u16(b, 0, v == 0 ? 0xFFFF : static_cast<std::uint16_t>(v));
  }
};

constexpr std::array kMove{slot<Byte, &AirfieldMove::probability>(0),
                           slot<Byte, &AirfieldMove::phase>(1),
                           slot<Destination, &AirfieldMove::destination>(2)};
constexpr std::array kChange{
    slot<Byte, &AircraftChange::probability>(0), slot<Byte, &AircraftChange::phase>(1),
    slot<Byte, &AircraftChange::aircraft_type>(2), slot<Byte, &AircraftChange::reserved>(3)};
constexpr std::array kWeapon{slot<Byte, &WeaponLoad::weapon>(0), slot<Byte, &WeaponLoad::phase>(1),
                             slot<WeaponNumber, &WeaponLoad::number>(2)};

constexpr std::array kSquadron{slot<SignedWord, &Squadron::start_year>(0),
                               slot<Byte, &Squadron::start_month>(2),
                               slot<Byte, &Squadron::start_day>(3),
                               slot<HomeBase, &Squadron::home_base>(4),
                               slot<Byte, &Squadron::aircraft_type>(6),
                               slot<Byte, &Squadron::num_aircraft>(7),
                               slot<Byte, &Squadron::num_pilots>(8),
                               slot<Byte, &Squadron::morale>(9),
                               slot<Byte, &Squadron::skill>(10),
                               slot<Byte, &Squadron::commencing_phase>(11),
                               slot<Byte, &Squadron::squadrons_in_group>(12),
                               slot<Byte, &Squadron::escort_weight>(14),
                               slot<Byte, &Squadron::sweep_weight>(15),
                               slot<Byte, &Squadron::bomb_weight>(16),
                               slot<Byte, &Squadron::intercept_weight>(17),
                               slot<Byte, &Squadron::interdiction_weight>(18),
                               slot<Byte, &Squadron::sprite>(19),
                               slot<Byte, &Squadron::unit_name>(20),
                               slot<Byte, &Squadron::unit_description>(21),
                               slot<Byte, &Squadron::staffel>(22),
                               slot<Byte, &Squadron::num_moves>(26),
                               slot<Byte, &Squadron::num_changes>(27),
                               layout::nested<&Squadron::moves, kMove, 4>(28),
                               layout::nested<&Squadron::changes, kChange, 4>(44),
                               slot<Byte, &Squadron::special_missions>(60),
                               layout::nested<&Squadron::weapons, kWeapon, 4>(92)};
static_assert(layout::fits(kMove, 4) && layout::fits(kChange, 4) && layout::fits(kWeapon, 4) &&
              layout::fits(kSquadron, kSquadronRecordSize));

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
    layout::read<kSquadron>(table.slots[r],
                            file.subspan(r * kSquadronRecordSize, kSquadronRecordSize), how);
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
    const std::string at = element_path("squadrons", static_cast<std::size_t>(r));
    if (s.home_base < lowest_home || s.home_base > highest_home) {
      problems.push_back({member_path(at, "home_base"), std::to_string(s.home_base) +
                                                            " does not fit the file's byte (" +
                                                            std::to_string(lowest_home) + " to " +
                                                            std::to_string(highest_home) + ")"});
    }
    for (std::size_t j = 0; j < 4; ++j) {
      if (s.moves[j].destination > kForwardBase) {
        problems.push_back({member_path(element_path(member_path(at, "moves"), j), "destination"),
                            std::to_string(s.moves[j].destination) +
                                " would read back as the forward base (162)"});
      }
    }
    for (std::size_t k = 0; k < 8; ++k) {
      if (base && s.weapons[k].number != 0) {
        problems.push_back({member_path(element_path(member_path(at, "weapons"), k), "number"),
                            std::to_string(s.weapons[k].number) +
                                " would read back as 0: the base file keeps no weapon numbers"});
      } else if (s.weapons[k].number > kLargestWeaponNumber) {
        problems.push_back(
            {member_path(element_path(member_path(at, "weapons"), k), "number"),
             std::to_string(s.weapons[k].number) + " would read back as 0 (its high byte is 255)"});
      }
    }
  }
  return problems;
}

Bytes encode_squadrons(const SquadronTable& table, SquadronRead how) {
  Bytes file(static_cast<std::size_t>(table.count) * kSquadronRecordSize, 0);
  for (std::size_t r = 0; r < static_cast<std::size_t>(table.count); ++r) {
    layout::write<kSquadron>(table.slots[r],
                             Out(file).subspan(r * kSquadronRecordSize, kSquadronRecordSize), how);
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
