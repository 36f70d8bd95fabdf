#pragma once

#include <functional>

#include "editors/controls.h"

namespace zav {

// Steps a section editor through the entries of one table by a number box's spin, entry n
// standing at n on the spin, whether the user steps by the arrows or types the number: the
// entry on screen is stored before the next one is shown. When the store refuses the text on
// screen, the step does not happen and the spin goes back.
class EntryStepper {
 public:
  // What a step to the entry already on screen does.
  enum class SameEntry { store_and_show, nothing };

  // Becomes the spin's handlers. `store(index)` stores the controls into entry `index`, false
  // (the user told why) when it refuses; `show(index)` shows entry `index`.
  EntryStepper(NumberBox& spin, std::function<bool(int)> store, std::function<void(int)> show,
               SameEntry same);
  // The spin's handler points at this stepper.
  EntryStepper(const EntryStepper&) = delete;
  EntryStepper& operator=(const EntryStepper&) = delete;

  // Shows the first entry, with the spin from 1 to `count` within the `held` entries of the
  // table (a file may count more than the table holds).
  void open(int count, int held);
  // Stores the entry on screen and shows entry `index` instead, as a step to it does; false
  // when the store refused.
  bool go_to(int index);
  // Shows entry `index`, storing nothing.
  void show(int index);
  // Shows the entry on screen again, as the table now holds it.
  void show_again() const { show_(current_); }
  // Stores the entry on screen; false when the store refused.
  bool store() const { return store_(current_); }
  // The index of the entry on screen.
  int current() const { return current_; }

 private:
  void step();

  NumberBox& spin_;
  std::function<bool(int)> store_;
  std::function<void(int)> show_;
  SameEntry same_;
  int current_ = 0;
};

}  // namespace zav
