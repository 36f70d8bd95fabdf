#include "editors/problem_list.h"

#include <charconv>
#include <utility>

namespace zav {

ProblemPlace place_of(std::string_view path) {
  ProblemPlace place;
  const std::size_t member_end = path.find_first_of(".[");
  place.member = path.substr(0, member_end);
  if (member_end == std::string_view::npos) return place;
  std::string_view rest = path.substr(member_end);
  if (rest.front() == '[') {
    const std::size_t close = rest.find(']');
    int entry = 0;
    if (close != std::string_view::npos &&
        std::from_chars(rest.data() + 1, rest.data() + close, entry).ec == std::errc()) {
      place.entry = entry;
      rest.remove_prefix(close + 1);
    }
  }
  if (rest.starts_with('.')) rest.remove_prefix(1);
  place.field = rest;
  return place;
}

ProblemList::ProblemList(std::function<void(const std::string&)> go_to) : go_to_(std::move(go_to)) {
  lst_problems.on_open = [this](int position) {
    go_to_(paths_[static_cast<std::size_t>(position)]);
  };
}

void ProblemList::clear() {
  checked_.clear();
  show({});
}

void ProblemList::show(const std::vector<ListedProblem>& listed) {
  paths_.clear();
  lst_problems.entries.clear();
  for (const ListedProblem& problem : listed) {
    paths_.push_back(problem.path);
    lst_problems.entries.push_back(problem.words);
  }
  const std::size_t count = listed.size();
  lst_problems.label = count == 0
                           ? std::string(kNone)
                           : std::to_string(count) + (count == 1 ? " problem" : " problems") +
                                 " the game may trip on:";
}

}  // namespace zav
