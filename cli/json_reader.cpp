#include "json_reader.h"

#include <algorithm>
#include <optional>
#include <set>
#include <utility>
#include <vector>

namespace zav::cli {
namespace {

// How a value that has the wrong type shows in a problem.
std::string describe(const Json& value) {
  if (value.is_object()) return "an object";
  if (value.is_array()) return "an array";
  return shortened(value.dump());
}

// Builds the document as the parser reads it, and keeps track of where it is: the objects and
// arrays open around it, each with the member or entry being read, so that a problem can be
// given its path. Stops the parse at the first problem that makes reading on pointless or too
// costly.
class DocumentBuilder : public nlohmann::json_sax<Json> {
 public:
  explicit DocumentBuilder(DocumentProblems& problems) : problems_(problems) {}

  Json& document() { return document_; }
  const std::optional<std::string>& syntax_error() const { return syntax_error_; }

  bool null() override { return add(nullptr); }
  bool boolean(bool value) override { return add(value); }
  bool number_integer(number_integer_t value) override { return add(value); }
  bool number_unsigned(number_unsigned_t value) override { return add(value); }
  bool number_float(number_float_t value, const string_t& /*text*/) override { return add(value); }
  bool string(string_t& value) override { return add(std::move(value)); }
  bool binary(binary_t& value) override { return add(std::move(value)); }

  bool start_object(std::size_t /*size*/) override { return open(Json::object()); }
  bool start_array(std::size_t /*size*/) override { return open(Json::array()); }
  bool end_object() override { return close(); }
  bool end_array() override { return close(); }

  bool key(string_t& name) override {
    Open& object = open_.back();
    const bool first_time = object.keys.insert(name).second;
    if (object.keys.size() > kMostMembers) {
      return stop(path_of(open_.size() - 1),
                  "has more than " + std::to_string(kMostMembers) +
                      " members, far more than any record of a data file");
    }
    object.key = std::move(name);
    if (!first_time) {
      problems_.add({path_of(open_.size()),
                     "appears twice in one object; only one of its values would be used"});
    }
    return true;
  }

  bool parse_error(std::size_t /*position*/, const std::string& last_token,
                   const nlohmann::detail::exception& error) override {
    constexpr int kNumberOverflow = 406;
    if (error.id == kNumberOverflow) {
      return stop(path_of(open_.size()),
                  shortened(last_token) + " does not fit any field (none is wider than 16 bits)");
    }
    syntax_error_ = without_error_code(error.what());
    return false;
  }

 private:
  struct Open {
    Json* value = nullptr;
    std::size_t entry = 0;  // in an array: the entry being read
    std::string key;        // in an object: the member being read
    std::set<std::string> keys;
  };

  // The library's text starts with its own error code in brackets, which says nothing to a
  // user.
  static std::string without_error_code(std::string_view reason) {
    if (const auto end_of_code = reason.find("] "); end_of_code != std::string_view::npos) {
      reason.remove_prefix(end_of_code + 2);
    }
    return std::string(reason);
  }

  // Puts a value where the parser is: the document itself, the next entry of the open array or
  // the member just named (the later of two values of one name wins).
  Json* place(Json value) {
    if (open_.empty()) {
      document_ = std::move(value);
      return &document_;
    }
    Open& parent = open_.back();
    if (parent.value->is_array()) {
      parent.value->push_back(std::move(value));
      return &parent.value->back();
    }
    Json& member = (*parent.value)[parent.key];
    member = std::move(value);
    return &member;
  }

  // A value is complete: the open array, if any, goes on to its next entry.
  bool next_entry() {
    if (!open_.empty() && open_.back().value->is_array()) ++open_.back().entry;
    return true;
  }

  bool add(Json value) {
    place(std::move(value));
    return next_entry();
  }

  bool open(Json container) {
    if (open_.size() == kMostLevels) {
      return stop(path_of(open_.size()), "nests deeper than " + std::to_string(kMostLevels) +
                                             " levels, far deeper than any data file's form");
    }
    Open level;
    level.value = place(std::move(container));
    open_.push_back(std::move(level));
    return true;
  }

  bool close() {
    open_.pop_back();
    return next_entry();
  }

  bool stop(std::string path, std::string reason) {
    problems_.add({std::move(path), std::move(reason)});
    document_ = Json(Json::value_t::discarded);
    return false;
  }

  // The path through the first `levels` open containers.
  std::string path_of(std::size_t levels) const {
    std::string path;
    for (std::size_t i = 0; i < levels; ++i) {
      const Open& level = open_[i];
      path = level.value->is_array() ? element_path(path, level.entry)
                                     : member_path(path, shortened(level.key));
    }
    return path;
  }

  DocumentProblems& problems_;
  Json document_;
  std::vector<Open> open_;
  std::optional<std::string> syntax_error_;
};

}  // namespace

void DocumentProblems::add(FieldProblem problem) {
  ++count_;
  if (problem.path.empty()) problem.path = "(top level)";
  if (listed_.size() < kListed) listed_.push_back(std::move(problem));
}

void DocumentProblems::add(const FieldProblems& problems) {
  for (const FieldProblem& problem : problems) add(problem);
}

std::string shortened(std::string_view text) {
  constexpr std::size_t kShown = 40;
  if (text.size() <= kShown) return std::string(text);
  std::size_t cut = kShown;
  while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;  // whole UTF-8
  return std::string(text.substr(0, cut)) + "... (" + std::to_string(text.size()) + " characters)";
}

Result<Json> parse_json(std::string_view text, const std::filesystem::path& source,
                        DocumentProblems& problems) {
  DocumentBuilder builder(problems);
  Json::sax_parse(text, &builder);
  if (builder.syntax_error()) {
    return FileError{source, "is not valid JSON: " + *builder.syntax_error()};
  }
  return std::move(builder.document());
}

void JsonReader::problem(std::string path, std::string reason) {
  problems_.add({std::move(path), std::move(reason)});
}

bool JsonReader::object(const Json& value, const std::string& path,
                        std::span<const std::string_view> names) {
  if (!value.is_object()) {
    problem(path, "must be an object, not " + describe(value));
    return false;
  }
  for (const auto& [key, member] : value.items()) {
    if (std::find(names.begin(), names.end(), key) == names.end()) {
      problem(member_path(path, shortened(key)), "unknown member");
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
  // Integers too large for 64 bits arrive as fractions; they do not fit either.
  if (value.is_number_float()) {
    const double number = value.get<double>();
    if (number < static_cast<double>(least) || number > static_cast<double>(most)) {
      return refuse(describe(value));
    }
  }
  problem(path, "must be a whole number, not " + describe(value));
  return std::nullopt;
}

}  // namespace zav::cli
