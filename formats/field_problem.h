#pragma once

#include <string>
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

}  // namespace zav
