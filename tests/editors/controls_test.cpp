// The kinds of control every window is made of, and the rules by which they read numbers and
// keep stored values they cannot show.
#include "editors/controls.h"

#include <gtest/gtest.h>

#include <tuple>

namespace zav {
namespace {

NumberReading read(std::string_view text, NumberPolicy policy, Storage storage) {
  return read_number("Field:", text, policy, 0, 50, storage, std::nullopt);
}

TEST(ListEntries, ACopyKeptToCompareWithNeverSeesALaterChange) {
  ListEntries list{"a", "b"};
  const ListEntries kept = list;  // as the desktop keeps what it showed
  EXPECT_EQ(kept, list);
  list.push_back("c");
  list.emplace_back("d");
  EXPECT_EQ(kept, (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(list, (std::vector<std::string>{"a", "b", "c", "d"}));
  EXPECT_FALSE(kept == list);
  // Texts made again equal to the kept ones compare equal, though not shared.
  list.assign(kept.begin(), kept.end());
  EXPECT_EQ(kept, list);
}

TEST(NumberReading, EachPolicyTakesWhatItsFieldHoldsAndRefusesTheRest) {
  // Within the spin's range, whole numbers only; the setup editor's counts show the rest of the
  // rule (frm_c_setup_test.cpp).
  EXPECT_EQ(read("1.5", NumberPolicy::within_spin, Storage::byte()).value, std::nullopt);
  // Within the storage: beyond the spin, not beyond the field's bytes.
  EXPECT_EQ(read("70", NumberPolicy::within_storage, Storage::word()).value, 70);
  EXPECT_EQ(read("-32768", NumberPolicy::within_storage, Storage::word()).value, -32768);
  EXPECT_EQ(read("32768", NumberPolicy::within_storage, Storage::word()).refusal,
            "Field: \"32768\" is not a whole number from -32768 to 32767.");
  // The whole part, its fraction dropped, within the byte.
  for (const auto& [text, value] :
       {std::pair{"12.7", 12}, {"255.9", 255}, {"-0.5", 0}, {".5", 0}, {"3.", 3}, {"0", 0}}) {
    EXPECT_EQ(read(text, NumberPolicy::whole_part, Storage::byte()).value, value) << text;
  }
  for (const char* refused : {"256", "-1", "", ".", "1.2.3", "1e2", "x"}) {
    EXPECT_EQ(read(refused, NumberPolicy::whole_part, Storage::byte()).refusal,
              "Field: \"" + std::string(refused) + "\" is not a number from 0 to 255.")
        << refused;
  }
  // A stored value the box still shows is kept as it is, whatever the policy.
  const NumberReading kept =
      read_number("Field:", "300", NumberPolicy::within_spin, 0, 50, Storage::byte(), 300);
  EXPECT_EQ(kept.value, std::nullopt);
  EXPECT_EQ(kept.refusal, "");
}

// Entries by offset, as the years are, and codes read through an alias show in the setup and
// phases editors' tests.
TEST(PickList, AValueWithNoEntryIsKeptAndNotedUntilAnEntryIsChosen) {
  PickList codes("cbo_code", "Code:");
  codes.entries = {"a", "b", "c"};
  codes.values.table = {0, 255, 57};
  int chosen = 0;
  codes.on_choose = [&] { ++chosen; };
  codes.display(40);  // no entry: nothing chosen, the value kept and noted, no handler run
  EXPECT_EQ(codes.position, -1);
  EXPECT_EQ(codes.value(), 40);
  EXPECT_EQ(codes.note(), "Stored value: 40");
  codes.choose(3);  // names no entry: nothing changes
  EXPECT_EQ(codes.value(), 40);
  codes.choose(2);
  EXPECT_EQ(codes.value(), 57);
  EXPECT_EQ(codes.note(), "");
  EXPECT_EQ(chosen, 1);
  codes.position = -1;  // nothing chosen and nothing kept: the field stays as it is
  EXPECT_EQ(codes.value(), std::nullopt);
}

TEST(Controls, SlidersAndNumberBoxesKeepWhatTheyCannotShowUntilTheUserChangesThem) {
  Slider slider("sld_x", "X:", 0, 255);
  slider.display(300);
  EXPECT_EQ(slider.value, 255);
  EXPECT_EQ(slider.read(), 300);
  EXPECT_EQ(slider.note(), "Stored value: 300");
  slider.move(400);  // the user's move stays within the range
  EXPECT_EQ(slider.read(), 255);
  EXPECT_EQ(slider.note(), "");

  NumberBox number("txt_x", "upd_x", "X:", 0, 600, 10);
  number.display(605);
  EXPECT_EQ(number.step_target(1), 600);  // to the nearest bound first
  number.type("590");
  number.step_by(1);
  EXPECT_EQ(number.text, "600");
  EXPECT_EQ(number.step_target(1), std::nullopt);
  number.type("abc");  // steps from the spin's own value
  EXPECT_EQ(number.step_target(-1), 590);

  // A new range moves the spin into it and leaves the text; a spin set by the program no
  // longer keeps the stored value, so typing that number again stores it.
  number.display(12);
  number.set_range(20, 30, 5);
  EXPECT_EQ(std::tuple(number.value, number.text, number.step), std::tuple(20, "12", 5));
  number.set_spin(25);
  number.type("12");
  EXPECT_EQ(number.read().value, std::nullopt);  // refused: outside the spin
  number.policy = NumberPolicy::within_storage;
  EXPECT_EQ(number.read().value, 12);
}

}  // namespace
}  // namespace zav
