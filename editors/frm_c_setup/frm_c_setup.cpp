#include "editors/frm_c_setup/frm_c_setup.h"

namespace zav {
namespace {

std::vector<std::string> numbered_entries(int first, int last) {
  std::vector<std::string> entries;
  for (int n = first; n <= last; ++n) entries.push_back(std::to_string(n));
  return entries;
}

constexpr int kFirstYear = 1940;  // the year of the first entry of cbo_starty

}  // namespace

FrmCSetup::FrmCSetup(Globals& globals, Platform& platform, WindowRegistry& registry)
    : SectionEditor(globals, platform, registry) {
  cbo_starty.entries = numbered_entries(kFirstYear, 1946);
  cbo_starty.values.first = kFirstYear;
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

  const CampaignSetup& s = campaign().setup;
  cbo_starty.display(s.start_year);
  cbo_startm.display(s.start_month);
  cbo_startd.display(s.start_day);
  cbo_language.display(s.brief_language);
  cbo_attackside.display(s.attack_side);
  cbo_camptype.display(s.camp_type);
  cbo_attackbase.display(s.attack_base);
  cbo_attackcapital.display(s.attack_capital);
  cbo_defendcapital.display(s.defend_capital);

  txt_numsqns.display(s.num_sqns);
  txt_numspev.display(s.num_spev);
  txt_numspm.display(s.num_spm);
  txt_numphases.display(s.num_phases);
  txt_phaselength.display(s.phase_length);
  txt_daysbetweenmissions.display(s.days_between_missions);
  txt_numplanetypes.display(s.num_plane_types);
}

bool FrmCSetup::store() {
  const NumberReading num_sqns = txt_numsqns.read();
  const NumberReading num_spev = txt_numspev.read();
  const NumberReading num_spm = txt_numspm.read();
  const NumberReading num_phases = txt_numphases.read();
  const NumberReading phase_length = txt_phaselength.read();
  const NumberReading days_between_missions = txt_daysbetweenmissions.read();
  const NumberReading num_plane_types = txt_numplanetypes.read();
  if (tell_refusals(platform_, {num_sqns, num_spev, num_spm, num_phases, phase_length,
                                days_between_missions, num_plane_types})) {
    return false;
  }

  edit([&](Campaign& c) {
    CampaignSetup& s = c.setup;
    store_value(cbo_starty.value(), s.start_year);
    store_value(cbo_startm.value(), s.start_month);
    store_value(cbo_startd.value(), s.start_day);
    store_value(cbo_language.value(), s.brief_language);
    store_value(cbo_attackside.value(), s.attack_side);
    store_value(cbo_camptype.value(), s.camp_type);
    store_value(cbo_attackbase.value(), s.attack_base);
    store_value(cbo_attackcapital.value(), s.attack_capital);
    store_value(cbo_defendcapital.value(), s.defend_capital);
    store_value(num_sqns.value, s.num_sqns);
    store_value(num_spev.value, s.num_spev);
    store_value(num_spm.value, s.num_spm);
    store_value(num_phases.value, s.num_phases);
    store_value(phase_length.value, s.phase_length);
    store_value(days_between_missions.value, s.days_between_missions);
    store_value(num_plane_types.value, s.num_plane_types);
  });
  return true;
}

int FrmCSetup::shown_phase_length() const {
  return txt_phaselength.number().value_or(txt_phaselength.value);
}

}  // namespace zav
