#include "editors/entry_stepper.h"

#include <algorithm>
#include <utility>

namespace zav {

EntryStepper::EntryStepper(NumberBox& spin, std::function<bool(int)> store,
                           std::function<void(int)> show, SameEntry same)
    : spin_(spin), store_(std::move(store)), show_(std::move(show)), same_(same) {
  spin_.on_spin = [this] { step(); };
  spin_.on_commit = [this] { step(); };
}

void EntryStepper::open(int count, int held) {
  spin_.set_range(1, std::clamp(count, 1, held));
  show(0);
}

bool EntryStepper::go_to(int index) {
  if (index == current_) return true;
  if (!store_(current_)) return false;
  show(index);
  return true;
}

void EntryStepper::show(int index) {
  current_ = index;
  show_(current_);
  spin_.set_spin(index + 1);
}

void EntryStepper::step() {
  const int chosen = spin_.value - 1;
  if (chosen == current_ && same_ == SameEntry::nothing) return;
  if (!store_(current_)) {
    spin_.set_spin(current_ + 1);  // the step does not happen
    return;
  }
  current_ = chosen;
  show_(current_);
}

}  // namespace zav
