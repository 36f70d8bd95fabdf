#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

#include "editors/controls.h"
#include "editors/platform.h"

// Showing a record field in a control and reading it back for an Update. A campaign file may
// hold a value no list entry or spin range can show; such a value is still shown, and the
// field keeps it unless the user chooses or types a new one.
namespace zav {

// A pick list whose position is the stored value less `first_value` (1940 for the years).
// A value with no entry selects nothing, and `note` beside the list names it.
void show_choice(int stored, int first_value, PickList& list, Label& note);

// The value the list's entry stands for; none when nothing is selected, which leaves the field
// as it is.
std::optional<int> chosen_value(const PickList& list, int first_value);

// A spin whose arrows stop at minimum and maximum.
Spin spin_with_range(int minimum, int maximum);

// The box shows the stored value as it is; the spin takes the nearest value in its range.
void show_number(int stored, Spin& spin, TextBox& box);

// The spin moved: the box shows its new value.
void spin_moved(int value, Spin& spin, TextBox& box);

// The value of text made of decimal digits, with spaces around them allowed; none for any
// other text, a sign included, and for a number too large for an int.
std::optional<int> whole_number(std::string_view text);

// What an Update takes from a number box.
struct NumberReading {
  std::optional<int> value;  // to store; none leaves the field as it is
  std::string refusal;       // why the text cannot be stored; empty when it can
};

// A whole number within the spin's range is stored. The box still showing `opened_with`, a
// stored value outside that range, leaves the field as it is. Any other text is refused, with
// a reason naming the field by its `label`.
NumberReading read_number(std::string_view label, const TextBox& box, const Spin& spin,
                          int opened_with);

// When any of an Update's readings was refused, tells the user why in an "ERROR!" box and
// returns true: the Update then stores nothing.
bool tell_refusals(Platform& platform, std::initializer_list<const NumberReading*> readings);

// Stores a value an Update read; the callers have kept it within the field's range.
template <class Field>
void store_value(const std::optional<int>& value, Field& field) {
  if (value) field = static_cast<Field>(*value);
}

}  // namespace zav
