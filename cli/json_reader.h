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

using zav::element_path;
using zav::member_path;

// The problems of one document. All are counted, but only the first kListed are kept: a
// document with thousands of faults needs no list of thousands, and a hostile one cannot make
// the list many times larger than itself.
class DocumentProblems {
 public:
  static constexpr std::size_t kListed = 100;

  void add(FieldProblem problem);
  void add(const FieldProblems& problems);

  bool empty() const { return count_ == 0; }
  std::size_t count() const { return count_; }
  const FieldProblems& listed() const { return listed_; }

 private:
  FieldProblems listed_;
  std::size_t count_ = 0;
};

// A text as a problem quotes it: whole when short, else its start and its length.
std::string shortened(std::string_view text);

// Parses a JSON text. A text that is no JSON at all is an error naming `source`. Problems at a
// path: an object holding the same member twice (only one of the two values would be used); a
// number too large for any field; nesting deeper than kMostLevels or an object of more than
// kMostMembers members, which no data file's form comes near. The last three stop the parse,
// which then gives a discarded value, so that memory and time stay in proportion to the text.
inline constexpr std::size_t kMostLevels = 32;
inline constexpr std::size_t kMostMembers = 64;
Result<Json> parse_json(std::string_view text, const std::filesystem::path& source,
                        DocumentProblems& problems);

// The integer types that record fields are kept in.
template <class T>
concept StoredInteger = std::same_as<T, std::uint8_t> || std::same_as<T, std::int16_t> ||
    std::same_as<T, std::uint16_t>;

class JsonReader {
 public:
  explicit JsonReader(DocumentProblems& problems) : problems_(problems) {}

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

  DocumentProblems& problems_;
};

}  // namespace zav::cli
