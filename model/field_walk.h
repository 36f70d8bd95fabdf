#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>

#include "formats/field_problem.h"
#include "model/record_field.h"

namespace zav {

// Which entries of an array member a walk visits: those its count puts in use (what the game
// and the editors look at), or every one the file holds.
enum class Entries { in_use, all };

// Where a walk stands: a member or an entry of the place above it. It is spelled out as the
// text form names it ("phases[3].us_oil") only when asked, since most values are never named.
class FieldPath {
 public:
  explicit FieldPath(std::string_view start) : name_(start) {}
  FieldPath(const FieldPath& above, std::string_view member) : above_(&above), name_(member) {}
  FieldPath(const FieldPath& above, std::size_t entry) : above_(&above), entry_(entry) {}

  std::string text() const {
    if (!above_) return std::string(name_);
    const std::string start = above_->text();
    return name_.empty() ? element_path(start, entry_) : member_path(start, name_);
  }

 private:
  const FieldPath* above_ = nullptr;
  std::string_view name_;  // empty for an entry
  std::size_t entry_ = 0;
};

// Calls `visit(path, value, values, record)` for every whole number of `record`, nested
// records included, in record order: `path` its FieldPath below `path`, `values` what its
// field says of its values (a Range, a NameList, ...), `record` the record holding it.
template <class Record, class... F, class Visit>
void walk_values(const Record& record, const std::tuple<F...>& list, const FieldPath& path,
                 Entries entries, const Visit& visit) {
  const auto value_of = [&](const auto& field, const auto& value, const FieldPath& at) {
    using Value = std::remove_cvref_t<decltype(value)>;
    if constexpr (std::is_integral_v<Value>) {
      visit(at, static_cast<int>(value), field.values_of(), record);
    } else {
      walk_values(value, field.fields, at, entries, visit);
    }
  };
  std::apply(
      [&](const auto&... field) {
        const auto walk_field = [&](const auto& f) {
          const FieldPath at(path, f.name);
          const auto& value = record.*f.member;
          if constexpr (IsArray<std::remove_cvref_t<decltype(value)>>::value) {
            std::size_t used = value.size();
            if (entries == Entries::in_use && f.in_use) used = std::min(f.in_use(record), used);
            for (std::size_t i = 0; i < used; ++i) value_of(f, value[i], FieldPath(at, i));
          } else {
            value_of(f, value, at);
          }
        };
        (walk_field(field), ...);
      },
      list);
}

}  // namespace zav
