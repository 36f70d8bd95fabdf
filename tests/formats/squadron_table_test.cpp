#include <gtest/gtest.h>

#include "formats/squadron.h"

namespace zav {
namespace {

// A table of `count` squadrons told apart by their sprite numbers 1, 2, 3, ...
SquadronTable numbered(int count) {
  SquadronTable table;
  table.count = count;
  for (int i = 0; i < SquadronTable::kMaxSquadrons; ++i) {
    table.slots[i].sprite = static_cast<std::uint8_t>(i + 1);
  }
  return table;
}

std::vector<int> sprites(const SquadronTable& table) {
  std::vector<int> out;
  for (int i = 0; i < table.count; ++i) out.push_back(table.slots[i].sprite);
  return out;
}

TEST(SquadronTable, ResetGivesDefaultRecords) {
  SquadronTable table = numbered(5);
  reset(table);
  EXPECT_EQ(table.count, 0);
  EXPECT_EQ(table.slots[24], Squadron{});
}

TEST(SquadronTable, AddTakesTheNextSlotUpTo25AndAFullTableKeepsItsLastSlotOnDelete) {
  SquadronTable table = numbered(24);
  ASSERT_TRUE(add_squadron(table));
  EXPECT_EQ(table.count, 25);
  EXPECT_EQ(table.slots[24].sprite, 25);  // whatever the slot held
  EXPECT_FALSE(add_squadron(table));
  EXPECT_EQ(table.count, 25);

  int current = 1;
  ASSERT_TRUE(delete_squadron(table, current));
  EXPECT_EQ(table.count, 24);
  EXPECT_EQ(sprites(table).front(), 2);
  EXPECT_EQ(sprites(table).back(), 25);
  ASSERT_TRUE(add_squadron(table));  // allowed again, and repeats the old last squadron
  EXPECT_EQ(table.slots[24].sprite, 25);
}

TEST(SquadronTable, DeleteShiftsDownAndFillsTheFreedSlotButNeverTakesTheLast) {
  SquadronTable table = numbered(5);
  int current = 2;
  ASSERT_TRUE(delete_squadron(table, current));
  EXPECT_EQ(sprites(table), (std::vector<int>{1, 3, 4, 5}));
  EXPECT_EQ(current, 2);
  EXPECT_EQ(table.slots[4].sprite, 6);  // the freed slot takes the slot after it

  current = 4;  // the last one: the new last is shown
  ASSERT_TRUE(delete_squadron(table, current));
  EXPECT_EQ(sprites(table), (std::vector<int>{1, 3, 4}));
  EXPECT_EQ(current, 3);

  table = numbered(1);
  const SquadronTable before = table;
  current = 1;
  EXPECT_FALSE(delete_squadron(table, current));
  EXPECT_EQ(table, before);
}

}  // namespace
}  // namespace zav
