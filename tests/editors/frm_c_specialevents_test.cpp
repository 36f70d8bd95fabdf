#include "editors/frm_c_specialevents/frm_c_specialevents.h"

#include <tuple>

#include "editors/scripted_platform.h"

namespace zav::testing {
namespace {

class SpecialEvents : public EditorTest {
 protected:
  SpecialEvents() {
    hold(globals.campaign, [](Campaign& c) { c.setup.num_spev = 6; });
    for (int i = 0; i < 30; ++i) globals.names.plane_names[i] = "plane " + std::to_string(i);
  }
  FrmCSpecialEvents& open() { return open_section<FrmCSpecialEvents>(); }
  const SpecialEvent& event(int index) { return globals.campaign.record().special_events[index]; }
};

struct Shown {
  const char* label1;  // "" for a hidden parameter
  int minimum1, maximum1, step1;
  const char* label2;
  int maximum2;
};

// A parameter box as the user finds it: its label ("" while hidden), range and step.
std::tuple<std::string, int, int, int> shown(const NumberBox& box) {
  return {box.visible ? box.label : "", box.minimum, box.maximum, box.step};
}

TEST_F(SpecialEvents, EachTypeAndTriggerLaysOutItsParameters) {
  FrmCSpecialEvents& e = open();
  ASSERT_EQ(e.cbo_se_type.entries.size(), 22u);
  EXPECT_EQ(e.cbo_se_type.entries[1], "Attack Enemy Captial");
  // One type of each layout: none, two with the plane's name, one wide, one signed with a step
  // from end to end, one on or off.
  const std::pair<int, Shown> types[] = {{0, {"", 0, 255, 1, "", 255}},
                                         {3, {"Plane Slot:", 0, 255, 1, "# of Planes:", 1000}},
                                         {6, {"Multiplyer:", 0, 1024, 1, "", 255}},
                                         {17, {"???:", -128, 128, 256, "", 255}},
                                         {21, {"On/Off (0/1):", 0, 1, 1, "", 255}}};
  for (const auto& [type, want] : types) {
    e.cbo_se_type.choose(type);
    EXPECT_EQ(shown(e.txt_se_par1),
              std::tuple(want.label1, want.minimum1, want.maximum1, want.step1))
        << type;
    EXPECT_EQ(shown(e.txt_se_par2), std::tuple(want.label2, 0, want.maximum2, 1)) << type;
    EXPECT_EQ(e.lbl_plane.visible, type == 3) << type;
  }
  // "Modify Player Rating": one click jumps from one end to the other.
  e.cbo_se_type.choose(17);
  e.txt_se_par1.step_by(1);
  EXPECT_EQ(e.txt_se_par1.text, "128");
  e.txt_se_par1.step_by(-1);
  EXPECT_EQ(e.txt_se_par1.text, "-128");

  using Range = std::tuple<bool, int, int, int, std::string>;  // shown, min, max, step, text
  // The phases' own range, then a hidden one; a year and a strength offer their byte, as the
  // note beside them says.
  const std::pair<int, Range> triggers[] = {{1, {true, 0, 24, 1, "0"}},
                                            {0, {false, 0, 255, 1, "0"}},
                                            {3, {true, 0, 255, 1, "0"}},
                                            {5, {true, 0, 255, 1, "0"}}};
  for (const auto& [trigger, want] : triggers) {
    e.cbo_se_trigger.choose(trigger);
    const NumberBox& t = e.txt_se_trigger;
    EXPECT_EQ(Range(t.visible, t.minimum, t.maximum, t.step, t.text), want) << trigger;
    EXPECT_EQ(e.lbl_se_trigger_note.visible, trigger >= 3) << trigger;
  }
}

TEST_F(SpecialEvents, StepsStoreBeforeShowingAndOnlyUpdateOrSteppingStores) {
  hold(globals.campaign, [](Campaign& c) {
    c.special_events[0] = {
        .type = 3, .trigger = 1, .trigger_param = 7, .chance = 200, .param1 = 2, .param2 = 40};
    c.special_events[1] = {.param1 = -128};
    c.special_events[2] = {
        .type = 16, .trigger = 2, .trigger_param = 5, .chance = 9, .param1 = 1, .param2 = 2};
    c.special_events[4] = {};
  });
  FrmCSpecialEvents& e = open();
  EXPECT_EQ(e.txt_specialeventnum.text, "1");
  EXPECT_EQ(e.txt_specialeventnum.maximum, 6);
  EXPECT_EQ(e.txt_se_trigger.text, "7");
  EXPECT_EQ(e.txt_se_trigger.maximum, 24);
  EXPECT_EQ(e.lbl_se_Chance.caption, "200");
  EXPECT_EQ(e.txt_se_par1.label, "Plane Slot:");
  EXPECT_EQ(e.lbl_plane.caption, "plane 2");
  // The plane's name follows the record, not the number not yet stored.
  e.txt_se_par1.spin_to(5);
  EXPECT_EQ(e.lbl_plane.caption, "plane 2");

  e.txt_specialeventnum.spin_to(2);  // stores event 1 on the way
  EXPECT_EQ(event(0).param1, 5);
  // -128 is shown whatever the type, with the spin able to stand on it.
  EXPECT_EQ(e.txt_se_par1.text, "-128");
  EXPECT_EQ(e.txt_se_par1.value, -128);
  e.txt_specialeventnum.spin_to(3);
  e.txt_se_par2.type("99");
  e.sld_se_chance.move(17);
  EXPECT_EQ(e.lbl_se_Chance.caption, "17");
  e.txt_specialeventnum.spin_to(2);
  e.txt_specialeventnum.spin_to(3);
  EXPECT_EQ(e.txt_se_par2.text, "99");
  EXPECT_EQ(
      event(2),
      (SpecialEvent{
          .type = 16, .trigger = 2, .trigger_param = 5, .chance = 17, .param1 = 1, .param2 = 99}));
  EXPECT_EQ(event(1), (SpecialEvent{.param1 = -128}));

  // Update stores the shown event only; Close drops what was not stored.
  const Campaign before = globals.campaign.record();
  e.txt_specialeventnum.spin_to(5);
  e.cbo_se_type.choose(19);
  e.txt_se_par1.type("12");
  e.cmd_update.click();
  Campaign expected = before;
  expected.special_events[4] = {.type = 19, .param1 = 12};
  EXPECT_EQ(globals.campaign.record(), expected);
  EXPECT_EQ(registry.find<FrmCSpecialEvents>(), nullptr);
  FrmCSpecialEvents& again = open();
  again.cbo_se_type.choose(8);
  again.cmd_close.click();
  EXPECT_EQ(globals.campaign.record(), expected);
}

TEST_F(SpecialEvents, ATriggerParameterBeyondTheByteIsRefusedAndUnknownValuesAreKept) {
  hold(globals.campaign, [](Campaign& c) {
    c.special_events[0] = {
        .type = 30, .trigger = 9, .trigger_param = 77, .chance = 5, .param1 = 300, .param2 = -5};
    c.special_events[1] = {.trigger = 3, .trigger_param = 4};
  });
  FrmCSpecialEvents& e = open();
  EXPECT_EQ(e.cbo_se_type.note(), "Stored value: 30");
  EXPECT_EQ(e.cbo_se_trigger.note(), "Stored value: 9");
  EXPECT_TRUE(e.txt_se_par1.visible && e.txt_se_par2.visible && e.txt_se_trigger.visible);
  EXPECT_EQ(e.txt_se_par1.text, "300");
  e.txt_specialeventnum.spin_to(2);
  EXPECT_EQ(event(0), (SpecialEvent{.type = 30,
                                    .trigger = 9,
                                    .trigger_param = 77,
                                    .chance = 5,
                                    .param1 = 300,
                                    .param2 = -5}));

  // A year trigger shows its byte as stored; a typed number the byte cannot hold is refused,
  // saying what may be typed.
  EXPECT_EQ(e.txt_se_trigger.text, "4");
  e.cbo_se_trigger.choose(4);
  e.txt_se_trigger.type("500");
  e.txt_se_par1.type("40000");
  e.txt_specialeventnum.spin_to(1);
  const std::string told = error_text();
  EXPECT_TRUE(holds(told, "Trigger Parameter: \"500\" is not a whole number from 0 to 255."));
  EXPECT_TRUE(holds(told, "Parameter 1: \"40000\" is not a whole number from -32768 to 32767."));
  EXPECT_EQ(e.current_event(), 1);  // the step did not happen
  EXPECT_EQ(e.txt_specialeventnum.text, "2");
  EXPECT_EQ(event(1), (SpecialEvent{.trigger = 3, .trigger_param = 4}));
  e.txt_se_trigger.type("250");
  e.txt_se_par1.type("-40");
  e.cmd_update.click();
  EXPECT_EQ(event(1), (SpecialEvent{.trigger = 4, .trigger_param = 250, .param1 = -40}));
}

}  // namespace
}  // namespace zav::testing
