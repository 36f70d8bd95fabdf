#include "editors/controls.h"

#include <algorithm>

namespace zav {

std::string stored_value_note(const std::optional<int>& kept) {
  return kept ? "Stored value: " + std::to_string(*kept) : "";
}

std::string shown_text(std::string_view caption) {
  std::string shown;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&' && i + 1 < caption.size()) ++i;
    shown += caption[i];
  }
  return shown;
}

std::string entry_name(const std::string& array_name, int index) {
  return array_name + "_" + std::to_string(index);
}

void Button::click() {
  if (enabled && on_click) on_click();
}

void Label::press() {
  if (on_press) on_press();
}

void Label::release() {
  if (on_release) on_release();
}

TextBox::TextBox(std::string name, std::string label, int minimum, int maximum, NumberPolicy policy,
                 Storage storage)
    : Control(std::move(name), std::move(label)),
      minimum(minimum),
      maximum(maximum),
      policy(policy),
      storage(storage) {}

void TextBox::type(std::string typed) {
  if (!typing) settled_text_ = text;
  text = std::move(typed);
  typing = true;
}

std::string TextBox::commit() {
  if (!typing) return {};
  const NumberReading reading = read();
  if (!reading.refusal.empty()) {
    settle(settled_text_);
    return reading.refusal;
  }
  if (reading.value) {
    take(*reading.value);
  } else {
    settle(text);  // the stored value typed again: it stays
  }
  if (on_commit) on_commit();
  return {};
}

void TextBox::display(int stored) {
  settle(std::to_string(stored));
  shown_stored_ = stored;
}

void TextBox::take(int number) {
  settle(std::to_string(number));
  shown_stored_.reset();
}

void TextBox::settle(std::string shown) {
  text = std::move(shown);
  typing = false;
}

NumberReading TextBox::read() const {
  // A row's box is named by its row ("Weapons: row 3 number"), its label alone would not say.
  const std::string named = accessible_name.empty() ? shown_text(label) : accessible_name;
  return read_number(named, text, policy, minimum, maximum, storage, shown_stored_);
}

NumberBox::NumberBox(std::string name, std::string spin_name, std::string label, int minimum,
                     int maximum, int step, NumberPolicy policy, Storage storage)
    : TextBox(std::move(name), std::move(label), minimum, maximum, policy, storage),
      spin_name(std::move(spin_name)),
      step(step),
      value(minimum) {
  text = std::to_string(minimum);
}

void NumberBox::display(int stored) {
  TextBox::display(stored);
  value = std::clamp(stored, minimum, maximum);
}

void NumberBox::take(int number) {
  TextBox::take(number);
  value = std::clamp(number, minimum, maximum);
}

void NumberBox::set_spin(int to) {
  value = std::clamp(to, minimum, maximum);
  settle(std::to_string(value));
  shown_stored_.reset();  // the box no longer shows a stored value
}

void NumberBox::set_range(int new_minimum, int new_maximum, int new_step) {
  minimum = new_minimum;
  maximum = new_maximum;
  step = new_step;
  value = std::clamp(value, minimum, maximum);
}

void NumberBox::spin_to(int to) {
  set_spin(to);
  if (on_spin) on_spin();
}

std::optional<int> NumberBox::step_target(int steps) const {
  const std::optional<int> shown = whole_number(text);
  if (shown && (*shown < minimum || *shown > maximum)) return std::clamp(*shown, minimum, maximum);
  const int from = shown ? *shown : value;
  const int to = std::clamp(from + steps * step, minimum, maximum);
  if (to == from) return std::nullopt;
  return to;
}

void NumberBox::step_by(int steps) {
  if (const std::optional<int> to = step_target(steps)) spin_to(*to);
}

std::optional<int> EntryValues::value_at(int position, int entries) const {
  if (position < 0 || position >= entries) return std::nullopt;
  if (table.empty()) return first + position;
  if (position >= static_cast<int>(table.size())) return std::nullopt;
  return table[position];
}

std::optional<int> EntryValues::position_of(int value, int entries) const {
  for (const auto& [alias, position] : aliases) {
    if (alias == value && position < entries) return position;
  }
  for (int position = 0; position < entries; ++position) {
    if (value_at(position, entries) == value) return position;
  }
  return std::nullopt;
}

void PickList::choose(int chosen) {
  if (chosen < 0 || chosen >= static_cast<int>(entries.size())) return;
  position = chosen;
  kept.reset();
  if (on_choose) on_choose();
}

void PickList::display(int stored) {
  const std::optional<int> found = values.position_of(stored, static_cast<int>(entries.size()));
  position = found.value_or(-1);
  kept = found ? std::nullopt : std::optional(stored);
}

std::optional<int> PickList::value() const {
  if (kept) return kept;
  return values.value_at(position, static_cast<int>(entries.size()));
}

void Slider::move(int to) {
  value = std::clamp(to, minimum, maximum);
  kept.reset();
  if (on_change) on_change();
}

void Slider::drag(int to) {
  if (on_drag) on_drag(std::clamp(to, minimum, maximum));
}

void Slider::display(int stored) {
  value = std::clamp(stored, minimum, maximum);
  kept = value == stored ? std::nullopt : std::optional(stored);
}

void CheckBox::click(bool to) {
  checked = to;
  kept.reset();
  if (on_change) on_change();
}

void CheckBox::display(int stored) {
  checked = stored != 0;
  kept = stored == 0 || stored == 1 ? std::nullopt : std::optional(stored);
}

void OptionGroup::choose(int option) {
  if (option < 0 || option >= static_cast<int>(options.size())) return;
  selected = option;
  if (on_change) on_change();
}

void TextList::open(int position) {
  if (position < 0 || position >= static_cast<int>(entries.size())) return;
  if (on_open) on_open(position);
}

std::string spoken_name(const Control& control) {
  std::string name =
      control.accessible_name.empty() ? shown_text(control.label) : control.accessible_name;
  if (name.ends_with(':')) name.pop_back();
  return name;
}

}  // namespace zav
