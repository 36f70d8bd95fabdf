#include "model/event_layouts.h"

namespace zav {
namespace {

constexpr ParameterLayout byte_parameter(std::string_view label) {
  return {label, 0, 255, 1};
}

// A year or an air strength has one byte in the campaign file, and how the game reads that
// byte is not known: the byte is offered and kept exactly as typed, never re-coded.
constexpr std::string_view kByteAsTyped = "one byte, kept as typed (0 to 255)";

}  // namespace

const std::array<EventTypeLayout, kEventTypeCount> kEventTypes = {{
    {"No Event", {}, {}},
    {"Attack Enemy Captial", {}, {}},
    {"Special Briefing Speech", {}, {}},
    {"Plane Reinforcement", byte_parameter("Plane Slot:"), ParameterLayout{"# of Planes:", 0, 1000},
     true},
    {"Activate Special Mission", byte_parameter("Mission #:"), {}},
    {"New Type Briefing", byte_parameter("Type:"), ParameterLayout{"Speech:", 0, 308}},
    {"Mission Length", ParameterLayout{"Multiplyer:", 0, 1024}, {}},
    {"Allow Interdiction", {}, {}},
    {"Allow Escort", {}, {}},
    {"Allow Sweep", {}, {}},
    {"Force Scramble Mission", {}, {}},
    {"Weapons Available", byte_parameter("Weapon Type:"), {}},
    {"Activate Frontline", {}, {}},
    {"Suspend Frontline", byte_parameter("Cmd (?):"), {}},
    {"Advance Frontline", byte_parameter("?:"), {}},
    {"Don't Escort Primary", {}, {}},
    {"Change V-1 Speech ID", byte_parameter("Attack:"), byte_parameter("Bomber:")},
    // One click jumps from one end to the other.
    {"Modify Player Rating", ParameterLayout{"???:", -128, 128, 256}, {}},
    {"Withdraw Planetype", byte_parameter("Plane Type:"), {}},
    {"Play In Movie", byte_parameter("Movie Number:"), {}},
    {"Play Out Movie", byte_parameter("Movie Number:"), {}},
    {"Activate V-1 Sites", ParameterLayout{"On/Off (0/1):", 0, 1}, {}},
}};

const std::array<TriggerLayout, kEventTriggerCount> kEventTriggers = {{
    {"Check after every mission"},
    {"When Campaign Phase is =>", true, 0, 24},
    {"When Frontline Position is =>", true, 0, 19},
    {"When Current Year =>", true, 0, 255, 1, 0, kByteAsTyped},
    {"When Allied Air Strength is =>", true, 0, 255, 1, 0, kByteAsTyped},
    {"When German Air Stength is =>", true, 0, 255, 1, 0, kByteAsTyped},
    {"When we do a Special Mission"},
    {"UNDOCUMENTED!!!"},
}};

const EventTypeLayout kUnknownEventType = {"", byte_parameter("Parameter 1:"),
                                           byte_parameter("Parameter 2:")};
const TriggerLayout kUnknownEventTrigger = {"", true};

const TriggerLayout& trigger_layout(int position) {
  return position >= 0 && position < kEventTriggerCount ? kEventTriggers[position]
                                                        : kUnknownEventTrigger;
}

const EventTypeLayout& type_layout(int position) {
  return position >= 0 && position < kEventTypeCount ? kEventTypes[position] : kUnknownEventType;
}

}  // namespace zav
