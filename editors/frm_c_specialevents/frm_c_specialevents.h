#pragma once

#include <string>
#include <string_view>

#include "editors/entry_stepper.h"
#include "editors/record_form.h"
#include "editors/section_editor.h"
#include "formats/campaign.h"
#include "model/event_layouts.h"

namespace zav {

// The special events editor: one event at a time, from 1 to the campaign's count. The shown
// event is stored into the record when the user steps to another and on "&Update"; the
// parameter fields take the labels and ranges of the event's type and trigger.
class FrmCSpecialEvents : public SectionEditor {
  RecordForm<SpecialEvent> form_;  // lists the controls made from fields, as they are made

 public:
  static constexpr std::string_view kFormName = "frm_c_specialevents";

  FrmCSpecialEvents(Globals& globals, Platform& platform, WindowRegistry& registry);

  std::string_view form_name() const override { return kFormName; }
  std::string caption() const override { return "Special Events"; }
  const Control* control_at(std::string_view path) const override { return form_.control_at(path); }
  EntryStepper* stepper() override { return &stepper_; }

  NumberBox txt_specialeventnum{"txt_specialeventnum", "upd_spev", "Special Event #:", 1, 1};
  Bound<PickList> cbo_se_type{form_, fields::special_event_type, "cbo_se_type", "Event Type:"};
  Bound<PickList> cbo_se_trigger{form_, fields::special_event_trigger, "cbo_se_trigger",
                                 "Event Trigger:"};
  // Shown beside the trigger list; its label names it in messages and to screen readers.
  Bound<NumberBox> txt_se_trigger{form_, fields::special_event_trigger_param, "txt_se_trigger",
                                  "upd_tparam", "Trigger Parameter:"};
  Label lbl_se_trigger_note{"lbl_se_trigger_note", ""};  // how a year or a strength is kept
  Bound<Slider> sld_se_chance{form_, fields::special_event_chance, "sld_se_chance",
                              "Chance (0-255):"};
  Label lbl_se_Chance{"lbl_se_Chance", "0"};
  Bound<NumberBox> txt_se_par1{form_, fields::special_event_param1, "txt_se_par1", "upd_par1",
                               "Parameter 1:"};
  Bound<NumberBox> txt_se_par2{form_, fields::special_event_param2, "txt_se_par2", "upd_par2",
                               "Parameter 2:"};
  Label lbl_plane{"lbl_plane", "PLANE NAME"};  // the plane that param1 names, for type 3

  // Shows event 1; the caller then shows the window.
  void open() override;

  int current_event() const { return stepper_.current(); }

 private:
  void apply_type_layout();
  void apply_trigger_layout();
  void show_chance();
  void show_plane_name();
  void show_event(int index);
  // Stores the controls into entry `index`; false, with the user told why, when some text
  // cannot be stored, and then nothing is stored.
  bool store_event(int index) {
    return store_form(form_,
                      [index](Campaign& c) -> SpecialEvent& { return c.special_events[index]; });
  }
  bool store() override { return stepper_.store(); }
  void show_again() override { stepper_.show_again(); }

  // Steps by txt_specialeventnum.
  EntryStepper stepper_{txt_specialeventnum, [this](int index) { return store_event(index); },
                        [this](int index) { show_event(index); }, EntryStepper::SameEntry::nothing};
};

}  // namespace zav
