#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <tuple>
#include <type_traits>

#include "formats/field_problem.h"
#include "model/record_field.h"

namespace zav {

// Which entries of an array member a walk visits: those its count puts in use (what the game
// and the editors look at), or every one the file holds.
enum class Entries { in_use, all };

// Calls `visit(path, value, values, record)` for every whole number of `record`, nested
// records included, in record order: `path` as the text form names it, `values` what its
// field says of its values (a Range, a NameList, ...), `record` the record holding it.
template <class Record, class... F, class Visit>
void walk_values(const Record& record, const std::tuple<F...>& list, const std::string& path,
                 Entries entries, const Visit& visit) {
  const auto value_of = [&](const auto& field, const auto& value, const std::string& at) {
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
          const std::string at = member_path(path, f.name);
          const auto& value = record.*f.member;
          if constexpr (IsArray<std::remove_cvref_t<decltype(value)>>::value) {
            std::size_t used = value.size();
            if (entries == Entries::in_use && f.in_use) used = std::min(f.in_use(record), used);
            for (std::size_t i = 0; i < used; ++i) value_of(f, value[i], element_path(at, i));
          } else {
            value_of(f, value, at);
          }
        };
        (walk_field(field), ...);
      },
      list);
}

}  // namespace zav
