#include "json_reader.h"

#include <algorithm>
#include <set>
#include <vector>

namespace zav::cli {
namespace {

// How a value that has the wrong type shows in a problem.
std::string describe(const Json& value) {
  if (value.is_object()) return "an object";
  if (value.is_array()) return "an array";
  return value.dump();
}

// Follows the parser through the document to name the path of each member it meets.
class DuplicateFinder {
 public:
  explicit DuplicateFinder(FieldProblems& problems) : problems_(problems) {}

  bool operator()(int /*depth*/, Json::parse_event_t event, Json& parsed) {
    switch (event) {
      case Json::parse_event_t::object_start:
        open(false);
        break;
      case Json::parse_event_t::array_start:
        open(true);
        break;
      case Json::parse_event_t::object_end:
      case Json::parse_event_t::array_end:
        open_.pop_back();
        break;
      case Json::parse_event_t::key:
        note_key(parsed.get<std::string>());
        break;
      case Json::parse_event_t::value:
        path_of_next_value();
        break;
    }
    return true;
  }

 private:
  struct Container {
    std::string path;
    bool is_array = false;
    std::size_t next_index = 0;
    std::string key;
    std::set<std::string> keys;
  };

  std::string path_of_next_value() {
    if (open_.empty()) return "";
    Container& container = open_.back();
    if (container.is_array) return element_path(container.path, container.next_index++);
    return member_path(container.path, container.key);
  }

  void open(bool is_array) {
    Container container;
    container.path = path_of_next_value();
    container.is_array = is_array;
    open_.push_back(std::move(container));
  }

  void note_key(std::string key) {
    Container& container = open_.back();
    container.key = std::move(key);
    if (!container.keys.insert(container.key).second) {
      problems_.push_back({member_path(container.path, container.key),
                           "appears twice in one object; only one of its values would be used"});
    }
  }

  FieldProblems& problems_;
  std::vector<Container> open_;
};

}  // namespace

std::string member_path(const std::string& path, std::string_view name) {
  return path.empty() ? std::string(name) : path + "." + std::string(name);
}

std::string element_path(const std::string& path, std::size_t index) {
  return path + "[" + std::to_string(index) + "]";
}

Result<Json> parse_json(std::string_view text, const std::filesystem::path& source,
                        FieldProblems& problems) {
  try {
    return Json::parse(text, DuplicateFinder(problems));
  } catch (const Json::parse_error& error) {
    // The library's text starts with its own error code in brackets, which says nothing to a
    // user.
    std::string_view reason = error.what();
    if (const auto end_of_code = reason.find("] "); end_of_code != std::string_view::npos) {
      reason.remove_prefix(end_of_code + 2);
    }
    return FileError{source, "is not valid JSON: " + std::string(reason)};
  }
}

void JsonReader::problem(std::string path, std::string reason) {
  problems_.push_back({path.empty() ? "(top level)" : std::move(path), std::move(reason)});
}

bool JsonReader::object(const Json& value, const std::string& path,
                        std::span<const std::string_view> names) {
  if (!value.is_object()) {
    problem(path, "must be an object, not " + describe(value));
    return false;
  }
  for (const auto& [key, member] : value.items()) {
    if (std::find(names.begin(), names.end(), key) == names.end()) {
      problem(member_path(path, key), "unknown member");
    }
  }
  return true;
}

const Json* JsonReader::member(const Json& object, const std::string& path, std::string_view name) {
  const auto found = object.find(name);
  if (found == object.end()) {
    problem(member_path(path, name), "missing member");
    return nullptr;
  }
  return &*found;
}

bool JsonReader::array(const Json& value, const std::string& path, std::size_t fewest,
                       std::size_t most) {
  if (!value.is_array()) {
    problem(path, "must be an array, not " + describe(value));
    return false;
  }
  if (value.size() < fewest || value.size() > most) {
    const std::string wanted = fewest == most
                                   ? std::to_string(fewest)
                                   : std::to_string(fewest) + " to " + std::to_string(most);
    problem(path, "has " + std::to_string(value.size()) + " entries; it must have " + wanted);
    return false;
  }
  return true;
}

bool JsonReader::text(const Json& value, const std::string& path, std::string& out) {
  if (!value.is_string()) {
    problem(path, "must be a text in quotes, not " + describe(value));
    return false;
  }
  out = value.get<std::string>();
  return true;
}

std::optional<long long> JsonReader::whole_number(const Json& value, const std::string& path,
                                                  long long least, long long most,
                                                  std::string_view storage) {
  const auto refuse = [&](const std::string& number) {
    problem(path, number + " does not fit " + std::string(storage) + " (" + std::to_string(least) +
                      " to " + std::to_string(most) + ")");
    return std::nullopt;
  };
  if (value.is_number_unsigned()) {
    const auto number = value.get<unsigned long long>();
    if (number > static_cast<unsigned long long>(most)) return refuse(std::to_string(number));
    return static_cast<long long>(number);
  }
  if (value.is_number_integer()) {
    const auto number = value.get<long long>();
    if (number < least || number > most) return refuse(std::to_string(number));
    return number;
  }
  problem(path, "must be a whole number, not " + describe(value));
  return std::nullopt;
}

}  // namespace zav::cli
