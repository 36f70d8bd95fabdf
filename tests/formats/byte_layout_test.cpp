#include "formats/byte_layout.h"

#include <gtest/gtest.h>

#include <random>

namespace zav::layout {
namespace {

// Members that the file holds in another order, a padding byte after `a`, a member in a form
// of its own, a bool that holds only 0 and 1 of its byte, and an array of entries that are each
// one run.
struct Entry {
  std::uint8_t kind = 0;
  std::int16_t amount = 0;  // after a padding byte: not one run with `kind`
  std::uint8_t first = 0;
  std::uint8_t second = 0;
  bool operator==(const Entry&) const = default;
};
struct Pair {
  std::uint8_t low = 0;
  std::uint8_t high = 0;
  bool operator==(const Pair&) const = default;
};
struct Record {
  std::uint8_t a = 0;
  std::int16_t b = 0;
  std::uint16_t c = 0;
  std::uint8_t marked = 0;
  std::array<Entry, 3> entries{};
  std::array<Pair, 4> pairs{};
  bool on = false;
  bool operator==(const Record&) const = default;
};

constexpr std::array kEntry{slot<Byte, &Entry::kind>(0), slot<SignedWord, &Entry::amount>(1),
                            slot<Byte, &Entry::second>(3), slot<Byte, &Entry::first>(4)};
constexpr std::array kPair{slot<Byte, &Pair::low>(0), slot<Byte, &Pair::high>(1)};
constexpr std::array kRecord{slot<Word, &Record::c>(0),
                             slot<SignedWord, &Record::b>(2),
                             slot<Byte, &Record::a>(4),
                             slot<MarkedByte, &Record::marked>(5),
                             nested<&Record::entries, kEntry, 5>(9),
                             nested<&Record::pairs, kPair, 2>(24),
                             slot<Byte, &Record::on>(32)};
constexpr std::size_t kSize = 33;
static_assert(covers(kRecord, kSize));

// What the slots read and write one by one, each through its own reader and writer.
Record read_slot_by_slot(In b) {
  Record r;
  for (const auto& s : kRecord) s.read(r, b.subspan(s.at, s.width), {});
  return r;
}
std::array<std::uint8_t, kSize> write_slot_by_slot(const Record& r) {
  std::array<std::uint8_t, kSize> b{};
  for (const auto& s : kRecord) s.write(r, Out(b).subspan(s.at, s.width), {});
  return b;
}

TEST(ByteLayout, CopiedRunsReadAndWriteWhatTheSlotsDoOneByOne) {
  static_assert(Runs<kPair>::kWhole && !Runs<kEntry>::kWhole);
  std::mt19937 random(7);
  for (int round = 0; round < 100; ++round) {
    std::array<std::uint8_t, kSize> image;
    for (auto& byte : image) byte = static_cast<std::uint8_t>(random());
    Record r;
    read<kRecord>(r, image);
    EXPECT_EQ(r, read_slot_by_slot(image));
    std::array<std::uint8_t, kSize> written{};
    write<kRecord>(r, written);
    EXPECT_EQ(written, write_slot_by_slot(r));
  }
}

}  // namespace
}  // namespace zav::layout
