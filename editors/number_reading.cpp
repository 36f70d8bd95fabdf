#include "editors/number_reading.h"

#include <charconv>

#include "editors/message_boxes.h"

namespace zav {
namespace {

std::string_view trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') + 1 - first);
}

bool all_digits(std::string_view text) {
  return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

std::string range_text(int low, int high) {
  return std::to_string(low) + " to " + std::to_string(high);
}

}  // namespace

std::optional<int> whole_number(std::string_view text) {
  const std::string_view number = trimmed(text);
  const std::string_view digits = number.starts_with('-') ? number.substr(1) : number;
  if (!all_digits(digits)) return std::nullopt;
  int value = 0;
  const char* end = number.data() + number.size();
  const auto [stop, error] = std::from_chars(number.data(), end, value);
  if (error != std::errc() || stop != end) return std::nullopt;
  return value;
}

std::optional<int> whole_part(std::string_view text) {
  const std::string_view number = trimmed(text);
  const std::size_t point = number.find('.');
  if (point == std::string_view::npos) return whole_number(number);
  const std::string_view fraction = number.substr(point + 1);
  if (!fraction.empty() && !all_digits(fraction)) return std::nullopt;
  std::string_view whole = number.substr(0, point);
  if (whole == "-" || whole.empty()) return fraction.empty() ? std::nullopt : std::optional(0);
  const std::optional<int> value = whole_number(whole);
  if (value && *value == 0) return 0;  // "-0.5" is 0
  return value;
}

NumberReading read_number(std::string_view label, std::string_view text, NumberPolicy policy,
                          int minimum, int maximum, Storage storage, std::optional<int> kept) {
  if (kept && text == std::to_string(*kept)) return {};
  int low = minimum;
  int high = maximum;
  std::string accepts = "a whole number from ";
  std::optional<int> number = whole_number(text);
  switch (policy) {
    case NumberPolicy::within_spin:
      break;
    case NumberPolicy::within_storage:
      low = storage.low;
      high = storage.high;
      break;
    case NumberPolicy::whole_part:
      low = storage.low;
      high = storage.high;
      accepts = "a number from ";
      number = whole_part(text);
      break;
  }
  if (number && *number >= low && *number <= high) return {number, ""};
  return {std::nullopt, std::string(label) + " \"" + std::string(text) + "\" is not " + accepts +
                            range_text(low, high) + "."};
}

bool tell_refusals(Platform& platform, const std::vector<NumberReading>& readings) {
  std::string refusals;
  for (const NumberReading& reading : readings) {
    if (!reading.refusal.empty()) refusals += reading.refusal + "\n";
  }
  if (refusals.empty()) return false;
  show_error(platform, refusals + "Nothing was stored.");
  return true;
}

}  // namespace zav
