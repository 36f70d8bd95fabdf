#include "formats/squadron_file.h"

#include <gtest/gtest.h>

#include <random>

#include "temp_dir.h"

namespace zav {
namespace {

using testing::read_bytes;
using testing::TempDir;
using testing::write_bytes;

Bytes record_bytes(std::size_t count, std::uint8_t fill = 0) {
  return Bytes(count * kSquadronRecordSize, fill);
}

SquadronTable decode(const Bytes& file, SquadronRead how = SquadronRead::squadron_file) {
  Result<SquadronTable> table = decode_squadrons(file, how, "sq.dat");
  EXPECT_TRUE(table) << (table ? "" : table.error().message());
  return table ? table.value() : SquadronTable{};
}

TEST(SquadronFile, CountIsWholeRecordsFromOneTo25) {
  EXPECT_EQ(decode(record_bytes(25)).count, 25);
  for (std::size_t size :
       {std::size_t{0}, std::size_t{125}, std::size_t{3099}, 26 * kSquadronRecordSize}) {
    const Result<SquadronTable> refused =
        decode_squadrons(Bytes(size, 0), SquadronRead::squadron_file, "sq9.dat");
    ASSERT_FALSE(refused) << size;
    EXPECT_NE(refused.error().message().find("sq9.dat"), std::string::npos);
  }
}

TEST(SquadronFile, FieldsSitAtTheirBytes) {
  Bytes file = record_bytes(2, 0x5A);
  for (std::size_t i = 0; i < 4; ++i) file[124 + 22 + i] = static_cast<std::uint8_t>(10 + i);
  file[124 + 59] = 0x9C;  // reserved byte of change 3
  const SquadronTable table = decode(file);
  const Squadron& s = table.slots[1];
  EXPECT_EQ(s.staffel, (std::array<std::uint8_t, 4>{10, 11, 12, 13}));
  EXPECT_EQ(s.changes[3].reserved, 0x9C);
  EXPECT_EQ(s.home_base, 0x5A - 1);

  const Bytes written = encode_squadrons(table);
  Bytes expected = file;  // keeps the reserved byte of change 3
  for (std::size_t r = 0; r < 2; ++r) {
    expected[r * 124 + 5] = expected[r * 124 + 13] = 0;  // reserved bytes written as 0
    for (std::size_t j = 0; j < 4; ++j)
      expected[r * 124 + 31 + 4 * j] = 0;  // destination high byte
  }
  EXPECT_EQ(written, expected);
}

TEST(SquadronFile, WeaponNumbersAndForwardBaseForms) {
  SquadronTable table;
  table.count = 1;
  Squadron& s = table.slots[0];
  s.weapons[0].number = 0;
  s.weapons[1].number = 600;
  s.home_base = kForwardBase;
  s.moves[0].destination = kForwardBase;
  s.moves[1].destination = 0;
  const Bytes file = encode_squadrons(table);

  EXPECT_EQ(Bytes(file.begin() + 94, file.begin() + 100), (Bytes{0xFF, 0xFF, 0, 0, 0x58, 0x02}));
  EXPECT_EQ(file[4], 0xA3);  // the forward base as a home base is 163, not FF FF
  // Moves 0 and 1: the forward base is FF FF, airfield 0 is stored as 1.
  EXPECT_EQ(Bytes(file.begin() + 30, file.begin() + 36), (Bytes{0xFF, 0xFF, 0, 0, 1, 0}));
  EXPECT_EQ(decode(file).slots[0], s);

  // Other spellings of the same values, as older files may hold them.
  Bytes odd = file;
  odd[98] = 0x12;
  odd[99] = 0xFF;  // a high byte of 255 means 0
  odd[34] = 200;   // past the airfields
  odd[38] = 0;     // below airfield 1
  odd[39] = 0x07;  // high byte ignored
  odd[4] = 0;      // names no airfield: kept as -1
  const Squadron read = decode(odd).slots[0];
  EXPECT_EQ(read.weapons[1].number, 0);
  EXPECT_EQ(read.moves[1].destination, kForwardBase);
  EXPECT_EQ(read.moves[2].destination, 0);
  EXPECT_EQ(read.home_base, -1);
  EXPECT_EQ(encode_squadrons(decode(odd))[4], 0);
}

TEST(SquadronFile, BaseFileReadKeepsNumbersWithoutTheOffset) {
  Bytes file = record_bytes(1);
  file[4] = 7;
  file[30] = 12;
  file[34] = 162;  // a number of 162 or more is the forward base
  file[94] = 0x58;
  file[95] = 0x02;
  const Squadron base = decode(file, SquadronRead::base_file).slots[0];
  EXPECT_EQ(base.home_base, 7);
  EXPECT_EQ(base.moves[0].destination, 12);
  EXPECT_EQ(base.moves[1].destination, kForwardBase);
  EXPECT_EQ(base.weapons[0].number, 0);

  // A base file's home base of 255 cannot be saved one higher, as a squadron file keeps it.
  file[4] = 255;
  const FieldProblems problems = squadron_problems(decode(file, SquadronRead::base_file));
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_EQ(problems[0].path, "squadrons[0].home_base");
}

TEST(SquadronFile, SaveRefusesValuesWithoutAFileFormAndKeepsTheOldFile) {
  TempDir dir;
  const auto path = dir / "sq1.dat";
  write_bytes(path, record_bytes(3, 0x42));

  SquadronTable table;
  table.count = 2;
  table.slots[1].weapons[7].number = 0xFF00;
  const auto error = save_squadrons(path, table);
  ASSERT_TRUE(error);
  EXPECT_NE(error->message().find("squadrons[1].weapons[7].number"), std::string::npos);
  EXPECT_EQ(read_bytes(path), record_bytes(3, 0x42));

  table.count = 0;
  EXPECT_TRUE(save_squadrons(path, table));

  table.count = 2;
  table.slots[1].weapons[7].number = 0xFEFF;
  ASSERT_FALSE(save_squadrons(path, table));
  EXPECT_EQ(load_squadrons(path).value(), table);  // count 2: only the squadrons in use
}

TEST(SquadronFile, NormalisationsHappenOnce) {
  std::mt19937 random(1940);
  for (int run = 0; run < 200; ++run) {
    Bytes file = record_bytes(1 + random() % 25);
    for (auto& byte : file) byte = static_cast<std::uint8_t>(random());
    for (SquadronRead how : {SquadronRead::squadron_file, SquadronRead::base_file}) {
      SquadronTable table = decode(file, how);
      for (int r = 0; r < table.count; ++r) {
        if (table.slots[r].home_base == 255) table.slots[r].home_base = 0;
      }
      ASSERT_TRUE(squadron_problems(table).empty());
      const Bytes first = encode_squadrons(table);
      const SquadronTable again = decode(first);
      ASSERT_EQ(again, table) << "run " << run;
      ASSERT_EQ(encode_squadrons(again), first) << "run " << run;
    }
  }
}

}  // namespace
}  // namespace zav
