#pragma once

#include <concepts>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "formats/field_problem.h"
#include "formats/file_error.h"
#include "json.h"

// A strict reading of a JSON document into a record: every member must be known, present and
// of the right shape, and every number must fit its field. Each problem is collected with its
// path, so that one run reports all of them.
namespace zav::cli {

// "setup" + "num_sqns" -> "setup.num_sqns"; "" + "setup" -> "setup".
std::string member_path(const std::string& path, std::string_view name);
// "phases" + 3 -> "phases[3]".
std::string element_path(const std::string& path, std::size_t index);

// Parses a JSON text. A text that is no JSON at all is an error naming `source`; an object
// holding the same member twice is a problem at that member's path, since only one of the two
// values would be used.
Result<Json> parse_json(std::string_view text, const std::filesystem::path& source,
                        FieldProblems& problems);

// The integer types that record fields are kept in.
template <class T>
concept StoredInteger = std::same_as<T, std::uint8_t> || std::same_as<T, std::int16_t> ||
    std::same_as<T, std::uint16_t>;

class JsonReader {
 public:
  explicit JsonReader(FieldProblems& problems) : problems_(problems) {}

  void problem(std::string path, std::string reason);

  // True when `value` is an object whose members are all among `names`; notes every member
  // that is not.
  bool object(const Json& value, const std::string& path, std::span<const std::string_view> names);

  // The member `name` of an object, or null after noting that it is missing.
  const Json* member(const Json& object, const std::string& path, std::string_view name);

  // True when `value` is an array of `fewest` to `most` entries.
  bool array(const Json& value, const std::string& path, std::size_t fewest, std::size_t most);

  // Stores a whole number that fits T into `out`; notes any other value and leaves `out`.
  template <StoredInteger T>
  void integer(const Json& value, const std::string& path, T& out) {
    if (const auto number = whole_number(value, path, std::numeric_limits<T>::min(),
                                         std::numeric_limits<T>::max(), storage_name<T>())) {
      out = static_cast<T>(*number);
    }
  }

  // Stores a text into `out`; notes any other value and returns false.
  bool text(const Json& value, const std::string& path, std::string& out);

 private:
  template <StoredInteger T>
  static constexpr std::string_view storage_name() {
    if constexpr (std::same_as<T, std::uint8_t>) return "a byte";
    if constexpr (std::same_as<T, std::int16_t>) return "a signed 16-bit word";
    if constexpr (std::same_as<T, std::uint16_t>) return "an unsigned 16-bit word";
  }

  std::optional<long long> whole_number(const Json& value, const std::string& path, long long least,
                                        long long most, std::string_view storage);

  FieldProblems& problems_;
};

}  // namespace zav::cli
