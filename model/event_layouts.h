#pragma once

#include <array>
#include <optional>
#include <string_view>

// What each event type and each trigger of a special event shows: the labels, ranges and steps
// of its parameter fields, in one table, so the special events editor only applies a row.
namespace zav {

// A parameter field in use: its label and the range and step of its spin.
struct ParameterLayout {
  std::string_view label;
  int minimum = 0;
  int maximum = 255;
  int step = 1;
};

struct EventTypeLayout {
  std::string_view text;                  // the entry of the type list
  std::optional<ParameterLayout> param1;  // none: hidden
  std::optional<ParameterLayout> param2;
  bool plane_name = false;  // param1 names a plane type, shown beside it
};

struct TriggerLayout {
  std::string_view text;  // the entry of the trigger list
  bool shows_parameter = false;
  int minimum = 0;
  int maximum = 255;
  int step = 1;
  int first = 0;             // the value the parameter takes when the trigger is chosen
  std::string_view note{};  // how the parameter is kept, where its entry does not say
};

inline constexpr int kEventTypeCount = 22;
inline constexpr int kEventTriggerCount = 8;
extern const std::array<EventTypeLayout, kEventTypeCount> kEventTypes;
extern const std::array<TriggerLayout, kEventTriggerCount> kEventTriggers;

// The layout of a stored type with no entry: both parameters shown under their plain labels,
// so that what the record holds stays in view.
extern const EventTypeLayout kUnknownEventType;
// The layout of a stored trigger with no entry: its parameter shown over the byte's range.
extern const TriggerLayout kUnknownEventTrigger;

// The layout of the trigger at `position` of the list, or of a stored trigger with no entry.
const TriggerLayout& trigger_layout(int position);
// The layout of the type at `position` of the list, or of a stored type with no entry.
const EventTypeLayout& type_layout(int position);

}  // namespace zav
