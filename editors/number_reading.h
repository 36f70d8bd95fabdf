#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "editors/platform.h"

// Reading the number a user typed into a box, by the rule the box's field needs.
namespace zav {

// How a box's text becomes the number stored.
enum class NumberPolicy {
  // A whole number within the spin's range: the counts of the setup editor, the phases of the
  // plane types editor.
  within_spin,
  // A whole number the field's storage holds, within the spin's range or not: the forces
  // editors take a factory count of 70 as typed.
  within_storage,
  // The number's whole part, its fraction dropped, within the field's storage: the squadron
  // editor's byte fields take "12.7" as 12.
  whole_part,
};

// The values a field's bytes hold.
struct Storage {
  int low;
  int high;

  static constexpr Storage byte() { return {0, 255}; }
  static constexpr Storage word() { return {-32768, 32767}; }
  static constexpr Storage unlimited() { return {-2147483647 - 1, 2147483647}; }
};

// The value of text made of decimal digits, with an optional leading minus and spaces around
// them; none for any other text and for a number too large for an int.
std::optional<int> whole_number(std::string_view text);

// The whole part of a decimal number ("12.7" gives 12, "-0.5" gives 0); none for other text.
std::optional<int> whole_part(std::string_view text);

// What a box gives a field.
struct NumberReading {
  std::optional<int> value;  // to store; none leaves the field as it is
  std::string refusal;       // why the text cannot be stored; empty when it can
};

// Reads `text` by `policy`. `label` names the field in a refusal; `minimum` and `maximum` are
// the spin's range. When the box still shows `kept`, a stored value, the field keeps it.
NumberReading read_number(std::string_view label, std::string_view text, NumberPolicy policy,
                          int minimum, int maximum, Storage storage, std::optional<int> kept);

// When any of the readings was refused, tells the user why in an "ERROR!" box and returns
// true: the operation that read them then stores nothing.
bool tell_refusals(Platform& platform, const std::vector<NumberReading>& readings);

// Stores a value that was read; the reading has kept it within the field's storage.
template <class Field>
void store_value(const std::optional<int>& value, Field& field) {
  if (value) field = static_cast<Field>(*value);
}

}  // namespace zav
