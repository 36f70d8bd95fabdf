#include "diff.h"

#include <string_view>
#include <unordered_map>
#include <utility>

#include "json_reader.h"
#include "model/campaign_fields.h"
#include "model/field_walk.h"
#include "model/mission_fields.h"

namespace zav::cli {
namespace {

using Leaves = std::vector<std::pair<std::string, const Json*>>;

// Every number and text of a document with its path, in document order.
void collect_leaves(const Json& value, const std::string& path, Leaves& leaves) {
  if (value.is_object()) {
    for (const auto& [name, member] : value.items()) {
      collect_leaves(member, member_path(path, name), leaves);
    }
  } else if (value.is_array()) {
    for (std::size_t i = 0; i < value.size(); ++i) {
      collect_leaves(value[i], element_path(path, i), leaves);
    }
  } else {
    leaves.emplace_back(path, &value);
  }
}

Leaves leaves_of(const Json& document) {
  Leaves leaves;
  collect_leaves(document, "", leaves);
  return leaves;
}

std::string shown(const Json* value, const ValueNames& names, const std::string& path) {
  return value ? with_name(value->dump(), names, path) : "(none)";
}

std::string change(const std::string& path, const std::string& was, const std::string& is) {
  return path + ": " + was + " -> " + is;
}

// Two records of one layout walked in the same order meet their values at the same steps.
template <class Record, class List>
std::vector<std::string> value_differences(const Record& old_record, const Record& new_record,
                                           const List& list, const ValueNames& old_names,
                                           const ValueNames& new_names) {
  std::vector<int> old_values;
  walk_values(old_record, list, FieldPath(""), Entries::all,
              [&](const FieldPath&, int value, const auto&, const auto&) {
                old_values.push_back(value);
              });
  std::vector<std::string> lines;
  std::size_t step = 0;
  walk_values(new_record, list, FieldPath(""), Entries::all,
              [&](const FieldPath& at, int value, const auto&, const auto&) {
                const int was = old_values[step++];
                if (was == value) return;
                const std::string path = at.text();
                lines.push_back(change(path, with_name(std::to_string(was), old_names, path),
                                       with_name(std::to_string(value), new_names, path)));
              });
  return lines;
}

}  // namespace

std::vector<std::string> differences(const Json& old_document, const Json& new_document,
                                     const ValueNames& old_names, const ValueNames& new_names) {
  const Leaves old_leaves = leaves_of(old_document);
  const Leaves new_leaves = leaves_of(new_document);
  std::unordered_map<std::string_view, const Json*> new_by_path;
  for (const auto& [path, value] : new_leaves) new_by_path.emplace(path, value);

  std::vector<std::string> lines;
  const auto add = [&](const std::string& path, const Json* was, const Json* is) {
    lines.push_back(change(path, shown(was, old_names, path), shown(is, new_names, path)));
  };
  for (const auto& [path, value] : old_leaves) {
    const auto found = new_by_path.find(path);
    if (found == new_by_path.end()) {
      add(path, value, nullptr);
    } else {
      if (*found->second != *value) add(path, value, found->second);
      new_by_path.erase(found);
    }
  }
  for (const auto& [path, value] : new_leaves) {
    if (new_by_path.contains(path)) add(path, nullptr, value);
  }
  return lines;
}

std::optional<std::vector<std::string>> fixed_layout_differences(const DataFile& old_file,
                                                                 const DataFile& new_file,
                                                                 const ValueNames& old_names,
                                                                 const ValueNames& new_names) {
  if (const auto* old_campaign = std::get_if<Campaign>(&old_file)) {
    if (const auto* new_campaign = std::get_if<Campaign>(&new_file)) {
      return value_differences(*old_campaign, *new_campaign, fields::campaign_fields, old_names,
                               new_names);
    }
  }
  if (const auto* old_mission = std::get_if<Mission>(&old_file)) {
    if (const auto* new_mission = std::get_if<Mission>(&new_file)) {
      return value_differences(*old_mission, *new_mission, fields::mission_fields, old_names,
                               new_names);
    }
  }
  return std::nullopt;
}

std::vector<std::string> value_lines(const Json& document, const ValueNames& names) {
  std::vector<std::string> lines;
  for (const auto& [path, value] : leaves_of(document)) {
    lines.push_back(path + ": " + shown(value, names, path));
  }
  return lines;
}

}  // namespace zav::cli
