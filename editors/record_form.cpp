#include "editors/record_form.h"

#include "editors/target_type_list.h"

namespace zav::from_field {

void set_entries(PickList& list, const Range& range) {
  for (int value = range.low; value <= range.high; ++value) {
    list.entries.push_back(std::to_string(value));
  }
  list.values.first = range.low;
}

void set_entries(PickList& list, const Limit& limit) {
  set_entries(list, Range{limit.low, limit.high, limit.what});
}

void set_entries(PickList& list, const Numbered& numbers) {
  for (int value = numbers.low; value <= numbers.high; ++value) {
    list.entries.push_back(std::to_string(numbers.first_shown + value - numbers.low));
  }
  list.values.first = numbers.low;
}

void set_entries(PickList& list, const TargetTypeCode&) {
  fill_target_types(list);
}

void set_entries(PickList& list, const EventTypeList&) {
  for (const EventTypeLayout& type : kEventTypes) list.entries.emplace_back(type.text);
}

void set_entries(PickList& list, const EventTriggerList&) {
  for (const TriggerLayout& trigger : kEventTriggers) list.entries.emplace_back(trigger.text);
}

void set_entries(PickList& list, const MissionTriggerList&) {
  for (const MissionTrigger& trigger : kMissionTriggers) list.entries.emplace_back(trigger.text);
}

void set_entries(PickList& list, const PlaneOrNone& planes) {
  list.values.table.assign(planes.values.begin(), planes.values.end());
}

namespace {

template <class Table>
std::vector<std::string> all(const Table& table) {
  return {table.begin(), table.end()};
}

std::vector<std::string> names_of(Names which, const NameTables& names) {
  switch (which) {
    case Names::weapons:
      return all(names.weapon_names);
    case Names::planes:
      return all(names.plane_names);
    case Names::places:
      return all(names.place_names);
    case Names::airfields:
      break;
  }
  return all(names.airfield_names);
}

}  // namespace

void fill_names(PickList& list, const NameList& kind, const NameTables& names) {
  list.entries = names_of(kind.names, names);
  if (!kind.extra.empty()) list.entries.emplace_back(kind.extra);
}

void fill_names(PickList& list, const PlaneOrNone& kind, const NameTables& names) {
  list.entries = names_of(Names::planes, names);
  list.entries.emplace_back(kind.none);
}

}  // namespace zav::from_field
