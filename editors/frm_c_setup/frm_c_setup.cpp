#include "editors/frm_c_setup/frm_c_setup.h"

namespace zav {
namespace {

std::vector<std::string> numbered_entries(int first, int last) {
  std::vector<std::string> entries;
  for (int n = first; n <= last; ++n) entries.push_back(std::to_string(n));
  return entries;
}

}  // namespace

FrmCSetup::FrmCSetup(Globals& globals, Platform& platform, WindowRegistry& registry)
    : globals_(globals), platform_(platform), registry_(registry) {
  cbo_starty.entries = numbered_entries(kFirstYear, 1946);
  cbo_startm.entries = {"January", "February", "March",     "April",   "May",      "June",
                        "July",    "August",   "September", "October", "November", "December"};
  cbo_startd.entries = numbered_entries(1, 31);
  cbo_language.entries = {"German", "British", "American"};
  cbo_attackside.entries = {"Germany", "Britain", "America/Allies"};
  cbo_camptype.entries = {"1940 Style (0200)", "1943 Style (0300)", "1944 Style (0400)"};
}

void FrmCSetup::open() {
  const PlaceNames& places = globals_.names.place_names;
  for (PickList* list : {&cbo_attackbase, &cbo_attackcapital, &cbo_defendcapital}) {
    list->entries.assign(places.begin(), places.end());
  }

  opened_ = globals_.campaign.setup;
  const CampaignSetup& s = opened_;
  show_choice(s.start_year, kFirstYear, cbo_starty, note_starty);
  show_choice(s.start_month, 0, cbo_startm, note_startm);
  show_choice(s.start_day, 0, cbo_startd, note_startd);
  show_choice(s.brief_language, 0, cbo_language, note_language);
  show_choice(s.attack_side, 0, cbo_attackside, note_attackside);
  show_choice(s.camp_type, 0, cbo_camptype, note_camptype);
  show_choice(s.attack_base, 0, cbo_attackbase, note_attackbase);
  show_choice(s.attack_capital, 0, cbo_attackcapital, note_attackcapital);
  show_choice(s.defend_capital, 0, cbo_defendcapital, note_defendcapital);

  show_number(s.num_sqns, UpDown1, txt_numsqns);
  show_number(s.num_spev, UpDown2, txt_numspev);
  show_number(s.num_spm, UpDown3, txt_numspm);
  show_number(s.num_phases, UpDown4, txt_numphases);
  show_number(s.phase_length, UpDown5, txt_phaselength);
  show_number(s.days_between_missions, UpDown6, txt_daysbetweenmissions);
  show_number(s.num_plane_types, UpDown7, txt_numplanetypes);
}

void FrmCSetup::UpDown1_change(int value) {
  spin_moved(value, UpDown1, txt_numsqns);
}
void FrmCSetup::UpDown2_change(int value) {
  spin_moved(value, UpDown2, txt_numspev);
}
void FrmCSetup::UpDown3_change(int value) {
  spin_moved(value, UpDown3, txt_numspm);
}
void FrmCSetup::UpDown4_change(int value) {
  spin_moved(value, UpDown4, txt_numphases);
}
void FrmCSetup::UpDown5_change(int value) {
  spin_moved(value, UpDown5, txt_phaselength);
}
void FrmCSetup::UpDown6_change(int value) {
  spin_moved(value, UpDown6, txt_daysbetweenmissions);
}
void FrmCSetup::UpDown7_change(int value) {
  spin_moved(value, UpDown7, txt_numplanetypes);
}

void FrmCSetup::cmd_update_click() {
  const CampaignSetup& was = opened_;
  const NumberReading num_sqns =
      read_number("Number of Squadrons", txt_numsqns, UpDown1, was.num_sqns);
  const NumberReading num_spev =
      read_number("Num. Special Events", txt_numspev, UpDown2, was.num_spev);
  const NumberReading num_spm =
      read_number("Num. Special Missions", txt_numspm, UpDown3, was.num_spm);
  const NumberReading num_phases =
      read_number("Number of Phases", txt_numphases, UpDown4, was.num_phases);
  const NumberReading phase_length =
      read_number("Phase Length (Days)", txt_phaselength, UpDown5, was.phase_length);
  const NumberReading days_between_missions = read_number(
      "Days Between Missions", txt_daysbetweenmissions, UpDown6, was.days_between_missions);
  const NumberReading num_plane_types =
      read_number("Number of Plane Types", txt_numplanetypes, UpDown7, was.num_plane_types);

  if (tell_refusals(platform_, {&num_sqns, &num_spev, &num_spm, &num_phases, &phase_length,
                                &days_between_missions, &num_plane_types}))
    return;

  CampaignSetup& s = globals_.campaign.setup;
  store_value(chosen_value(cbo_starty, kFirstYear), s.start_year);
  store_value(chosen_value(cbo_startm, 0), s.start_month);
  store_value(chosen_value(cbo_startd, 0), s.start_day);
  store_value(chosen_value(cbo_language, 0), s.brief_language);
  store_value(chosen_value(cbo_attackside, 0), s.attack_side);
  store_value(chosen_value(cbo_camptype, 0), s.camp_type);
  store_value(chosen_value(cbo_attackbase, 0), s.attack_base);
  store_value(chosen_value(cbo_attackcapital, 0), s.attack_capital);
  store_value(chosen_value(cbo_defendcapital, 0), s.defend_capital);
  store_value(num_sqns.value, s.num_sqns);
  store_value(num_spev.value, s.num_spev);
  store_value(num_spm.value, s.num_spm);
  store_value(num_phases.value, s.num_phases);
  store_value(phase_length.value, s.phase_length);
  store_value(days_between_missions.value, s.days_between_missions);
  store_value(num_plane_types.value, s.num_plane_types);
  registry_.close(*this);
}

void FrmCSetup::cmd_close_click() {
  registry_.close(*this);
}

void FrmCSetup::frame_close() {
  registry_.closed(*this);
}

std::optional<int> FrmCSetup::shown_phase_length() const {
  return whole_number(txt_phaselength.text);
}

}  // namespace zav
