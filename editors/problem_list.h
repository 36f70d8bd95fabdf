#pragma once

#include <cstddef>
#include <cstring>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "editors/controls.h"
#include "formats/field_problem.h"

namespace zav {

// A problem's path taken apart where a window finds the field: "special_missions[0].targets[3]"
// is the member "special_missions", its entry 0, and the field "targets[3]" of that entry;
// "setup.num_phases" is the member "setup", no entry, and the field "num_phases".
struct ProblemPlace {
  std::string member;
  int entry = -1;  // none
  std::string field;
};
ProblemPlace place_of(std::string_view path);

// A problem as a window lists it: where it lies, as `zav check` names it, and the window's
// words for it.
struct ListedProblem {
  std::string path;
  std::string words;
};

// The problems of the file a window holds, as `zav check` finds them, each in the window's
// words; the user opens one to go to the field that mends it.
class ProblemList {
 public:
  // `go_to` is given the path of the problem the user opened.
  explicit ProblemList(std::function<void(const std::string&)> go_to);
  ProblemList(const ProblemList&) = delete;
  ProblemList& operator=(const ProblemList&) = delete;

  static constexpr std::string_view kNone = "No problems found";

  // Its label counts the problems, or says there are none.
  TextList lst_problems{"lst_problems", std::string(kNone)};

  // Shows the problems `check` finds in `record`, in the words `words` gives each, unless the
  // record is the one last shown.
  template <class Record, class Check, class Words>
  void show(const Record& record, Check&& check, Words&& words) {
    const auto* bytes = reinterpret_cast<const std::byte*>(&record);
    if (checked_.size() == sizeof(Record) &&
        std::memcmp(checked_.data(), bytes, sizeof(Record)) == 0) {
      return;
    }
    checked_.assign(bytes, bytes + sizeof(Record));
    std::vector<ListedProblem> listed;
    for (const FieldProblem& problem : check(record))
      listed.push_back({problem.path, words(problem)});
    show(listed);
  }
  // Shows `listed`, in that order.
  void show(const std::vector<ListedProblem>& listed);
  // Shows no problems: the window shows no file.
  void clear();

 private:
  std::function<void(const std::string&)> go_to_;
  std::vector<std::string> paths_;
  std::vector<std::byte> checked_;  // the record last shown
};

}  // namespace zav
