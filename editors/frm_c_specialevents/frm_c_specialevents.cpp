#include "editors/frm_c_specialevents/frm_c_specialevents.h"

#include <string>

namespace zav {
namespace {

// Applies a parameter's layout; a hidden parameter keeps its label and gets the byte's range.
void apply_parameter(NumberBox& box, const std::optional<ParameterLayout>& layout) {
  box.visible = layout.has_value();
  if (!layout) {
    box.set_range(0, 255);
    return;
  }
  box.label = std::string(layout->label);
  box.set_range(layout->minimum, layout->maximum, layout->step);
}

}  // namespace

FrmCSpecialEvents::FrmCSpecialEvents(Globals& globals, Platform& platform, WindowRegistry& registry)
    : SectionEditor(globals, platform, registry) {
  txt_se_par1.caption_name = "lbl_par1";
  txt_se_par2.caption_name = "lbl_par2";
  cbo_se_type.on_choose = [this] { apply_type_layout(); };
  cbo_se_trigger.on_choose = [this] { apply_trigger_layout(); };
  sld_se_chance.own_value_label = true;
  sld_se_chance.on_change = [this] { show_chance(); };
  sld_se_chance.on_drag = [this](int at) { lbl_se_Chance.caption = std::to_string(at); };
  txt_se_par1.on_spin = [this] {
    if (type_layout(campaign().special_events[stepper_.current()].type).plane_name) {
      show_plane_name();
    }
  };
}

void FrmCSpecialEvents::open() {
  stepper_.open(campaign().setup.num_spev, Campaign::kSpecialEvents);
}

void FrmCSpecialEvents::apply_type_layout() {
  const EventTypeLayout& type = type_layout(cbo_se_type.position);
  apply_parameter(txt_se_par1, type.param1);
  apply_parameter(txt_se_par2, type.param2);
  lbl_plane.visible = type.plane_name;
  if (type.plane_name) show_plane_name();
}

void FrmCSpecialEvents::apply_trigger_layout() {
  const TriggerLayout& trigger = trigger_layout(cbo_se_trigger.position);
  txt_se_trigger.visible = trigger.shows_parameter;
  txt_se_trigger.set_range(trigger.minimum, trigger.maximum, trigger.step);
  txt_se_trigger.set_spin(trigger.first);
  lbl_se_trigger_note.caption = std::string(trigger.note);
  lbl_se_trigger_note.visible = trigger.shows_parameter && !trigger.note.empty();
}

void FrmCSpecialEvents::show_chance() {
  lbl_se_Chance.caption = std::to_string(sld_se_chance.read());
}

// The name follows the record as last stored, not the unstored text; a number that names no
// plane leaves the label as it is.
void FrmCSpecialEvents::show_plane_name() {
  const SpecialEvent& stored = campaign().special_events[stepper_.current()];
  const PlaneNames& planes = globals_.names.plane_names;
  if (stored.param1 >= 0 && stored.param1 < static_cast<int>(planes.size())) {
    lbl_plane.caption = planes[stored.param1];
  }
}

void FrmCSpecialEvents::show_event(int index) {
  const SpecialEvent& e = campaign().special_events[index];
  form_.display(e);
  // The type and the trigger give the parameters their labels and ranges, in which they then
  // show the event's values.
  apply_type_layout();
  apply_trigger_layout();
  constexpr int kMarkedParameter = -128;  // shown whatever the type allows
  if (e.param1 == kMarkedParameter) {
    txt_se_par1.set_range(kMarkedParameter, txt_se_par1.maximum, txt_se_par1.step);
  }
  txt_se_trigger.display(e.trigger_param);
  txt_se_par1.display(e.param1);
  txt_se_par2.display(e.param2);
  show_chance();
}

}  // namespace zav
