#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <vector>

#include "json.h"
#include "json_reader.h"

// A record's text form is described once, as a list of its fields: name, member and, for a
// member that is itself a record (or an array of records), that record's list. Writing and
// reading both walk the same list, so names and order cannot differ between them.
namespace zav::cli {

// The fields of a number or an array of numbers: they have none.
struct Number {};

template <class Record, class Value, class Fields = Number>
struct Field {
  std::string_view name;
  Value Record::*member;
  Fields nested{};
};

template <class Record, class Value>
Field(std::string_view, Value Record::*) -> Field<Record, Value, Number>;
template <class Record, class Value, class Fields>
Field(std::string_view, Value Record::*, Fields) -> Field<Record, Value, Fields>;

template <class... F>
constexpr auto field_list(F... list) {
  return std::tuple<F...>(list...);
}

template <class T>
struct IsArray : std::false_type {};
template <class T, std::size_t N>
struct IsArray<std::array<T, N>> : std::true_type {};

template <class... F>
std::vector<std::string_view> field_names(const std::tuple<F...>& list) {
  return std::apply(
      [](const auto&... field) { return std::vector<std::string_view>{field.name...}; }, list);
}

template <class Record, class... F>
void append_fields(Json& object, const Record& record, const std::tuple<F...>& list);

template <class Value, class Fields>
Json value_to_json(const Value& value, const Fields& list) {
  if constexpr (std::is_integral_v<Value>) {
    return value;
  } else if constexpr (IsArray<Value>::value) {
    Json array = Json::array();
    for (const auto& entry : value) array.push_back(value_to_json(entry, list));
    return array;
  } else {
    Json object = Json::object();
    append_fields(object, value, list);
    return object;
  }
}

// Adds the record's fields, in list order, as members of `object`.
template <class Record, class... F>
void append_fields(Json& object, const Record& record, const std::tuple<F...>& list) {
  std::apply(
      [&](const auto&... field) {
        ((object[std::string(field.name)] = value_to_json(record.*field.member, field.nested)),
         ...);
      },
      list);
}

template <class Record, class... F>
void read_fields(JsonReader& reader, const Json& object, const std::string& path, Record& record,
                 const std::tuple<F...>& list);

template <class Value, class Fields>
void read_value(JsonReader& reader, const Json& json, const std::string& path, Value& value,
                const Fields& list) {
  if constexpr (std::is_integral_v<Value>) {
    reader.integer(json, path, value);
  } else if constexpr (IsArray<Value>::value) {
    if (!reader.array(json, path, value.size(), value.size())) return;
    for (std::size_t i = 0; i < value.size(); ++i) {
      read_value(reader, json[i], element_path(path, i), value[i], list);
    }
  } else {
    const std::vector<std::string_view> names = field_names(list);
    if (reader.object(json, path, names)) read_fields(reader, json, path, value, list);
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
                           field.nested);
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
