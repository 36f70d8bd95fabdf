#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <vector>

#include "json.h"
#include "json_reader.h"
#include "model/record_field.h"

// A record's text form is its list of fields (model/record_field.h): name, member and, for a
// member that is itself a record (or an array of records), that record's list. Writing and
// reading both walk the same list, so names and order cannot differ between them.
namespace zav::cli {

template <class... F>
std::vector<std::string_view> field_names(const std::tuple<F...>& list) {
  return std::apply(
      [](const auto&... field) { return std::vector<std::string_view>{field.name...}; }, list);
}

template <class Record, class... F>
void append_fields(Json& object, const Record& record, const std::tuple<F...>& list);

template <class Record, class... F>
Json record_to_json(const Record& record, const std::tuple<F...>& list) {
  Json object = Json::object();
  append_fields(object, record, list);
  return object;
}

// A field's value; `field` is what its list says of it, whose `fields` a record's value uses.
template <class Value, class Described>
Json value_to_json(const Value& value, const Described& field) {
  if constexpr (std::is_integral_v<Value>) {
    return value;
  } else if constexpr (IsArray<Value>::value) {
    Json array = Json::array();
    for (const auto& entry : value) array.push_back(value_to_json(entry, field));
    return array;
  } else {
    return record_to_json(value, field.fields);
  }
}

// Adds the record's fields, in list order, as members of `object`.
template <class Record, class... F>
void append_fields(Json& object, const Record& record, const std::tuple<F...>& list) {
  std::apply(
      [&](const auto&... field) {
        ((object[std::string(field.name)] = value_to_json(record.*field.member, field)), ...);
      },
      list);
}

template <class Record, class... F>
void read_fields(JsonReader& reader, const Json& object, const std::string& path, Record& record,
                 const std::tuple<F...>& list);

// Reads a record that `json` describes: an object of the listed members.
template <class Record, class... F>
void read_record(JsonReader& reader, const Json& json, const std::string& path, Record& record,
                 const std::tuple<F...>& list) {
  const std::vector<std::string_view> names = field_names(list);
  if (reader.object(json, path, names)) read_fields(reader, json, path, record, list);
}

template <class Value, class Described>
void read_value(JsonReader& reader, const Json& json, const std::string& path, Value& value,
                const Described& field) {
  if constexpr (std::is_integral_v<Value>) {
    reader.integer(json, path, value);
  } else if constexpr (IsArray<Value>::value) {
    if (!reader.array(json, path, value.size(), value.size())) return;
    for (std::size_t i = 0; i < value.size(); ++i) {
      read_value(reader, json[i], element_path(path, i), value[i], field);
    }
  } else {
    read_record(reader, json, path, value, field.fields);
  }
}

// Reads the listed members of `object` into the record's fields. Members that the list does
// not name are the caller's to check, with JsonReader::object.
template <class Record, class... F>
void read_fields(JsonReader& reader, const Json& object, const std::string& path, Record& record,
                 const std::tuple<F...>& list) {
  std::apply(
      [&](const auto&... field) {
        (
            [&] {
              if (const Json* member = reader.member(object, path, field.name)) {
                read_value(reader, *member, member_path(path, field.name), record.*field.member,
                           field);
              }
            }(),
            ...);
      },
      list);
}

// A whole document: "kind" first, then the record's fields.
template <class Record, class... F>
Json document_to_json(std::string_view kind, const Record& record, const std::tuple<F...>& list) {
  Json document = {{"kind", kind}};
  append_fields(document, record, list);
  return document;
}

// Reads a whole document into the record. Its "kind" is the caller's to read.
template <class Record, class... F>
void read_document(JsonReader& reader, const Json& document, Record& record,
                   const std::tuple<F...>& list) {
  std::vector<std::string_view> members = field_names(list);
  members.insert(members.begin(), "kind");
  if (reader.object(document, "", members)) read_fields(reader, document, "", record, list);
}

}  // namespace zav::cli
