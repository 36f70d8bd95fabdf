#include "editors/field_controls.h"

#include <algorithm>
#include <charconv>

#include "editors/message_boxes.h"

namespace zav {

void show_choice(int stored, int first_value, PickList& list, Label& note) {
  const int position = stored - first_value;
  const bool listed = position >= 0 && position < static_cast<int>(list.entries.size());
  list.position = listed ? position : -1;
  note.visible = !listed;
  note.caption = listed ? "" : "Stored value: " + std::to_string(stored);
}

std::optional<int> chosen_value(const PickList& list, int first_value) {
  if (!list.has_selection()) return std::nullopt;
  return list.position + first_value;
}

Spin spin_with_range(int minimum, int maximum) {
  Spin spin;
  spin.minimum = minimum;
  spin.maximum = maximum;
  spin.value = minimum;
  return spin;
}

void show_number(int stored, Spin& spin, TextBox& box) {
  spin.value = std::clamp(stored, spin.minimum, spin.maximum);
  box.text = std::to_string(stored);
}

void spin_moved(int value, Spin& spin, TextBox& box) {
  spin.value = value;
  box.text = std::to_string(value);
}

std::optional<int> whole_number(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return std::nullopt;
  const std::string_view digits = text.substr(first, text.find_last_not_of(' ') + 1 - first);
  if (digits.find_first_not_of("0123456789") != std::string_view::npos) return std::nullopt;
  int value = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
  return value;
}

NumberReading read_number(std::string_view label, const TextBox& box, const Spin& spin,
                          int opened_with) {
  const std::optional<int> number = whole_number(box.text);
  if (number && *number >= spin.minimum && *number <= spin.maximum) return {number, ""};
  if (box.text == std::to_string(opened_with)) return {};
  return {std::nullopt, std::string(label) + ": \"" + box.text + "\" is not a whole number from " +
                            std::to_string(spin.minimum) + " to " + std::to_string(spin.maximum) +
                            "."};
}

bool tell_refusals(Platform& platform, std::initializer_list<const NumberReading*> readings) {
  std::string refusals;
  for (const NumberReading* reading : readings) {
    if (!reading->refusal.empty()) refusals += reading->refusal + "\n";
  }
  if (refusals.empty()) return false;
  show_error(platform, refusals + "Nothing was stored.");
  return true;
}

}  // namespace zav
