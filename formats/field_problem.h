#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zav {

// A record value that its file cannot hold faithfully. `path` names the field the way the
// text form of the records does, e.g. "special_missions[3].altitude".
struct FieldProblem {
  std::string path;
  std::string reason;

  std::string message() const { return path + ": " + reason; }
};

using FieldProblems = std::vector<FieldProblem>;

// The paths of the text form: "special_missions" and 3 give "special_missions[3]", and that
// and "altitude" give "special_missions[3].altitude".
inline std::string member_path(const std::string& path, std::string_view name) {
  return path.empty() ? std::string(name) : path + "." + std::string(name);
}
inline std::string element_path(const std::string& path, std::size_t index) {
  return path + "[" + std::to_string(index) + "]";
}

}  // namespace zav
