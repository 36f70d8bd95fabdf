#pragma once

#include <string>
#include <vector>

// The state of a window's controls as its logic sees them. The desktop binding copies these
// into real widgets after every operation; tests read them directly.
namespace zav {

struct Control {
  bool enabled = true;
  bool visible = true;
};

struct Button : Control {
  std::string caption;
};

struct Label : Control {
  std::string caption;
};

struct TextBox : Control {
  std::string text;
};

struct CheckBox : Control {
  std::string caption;
  bool checked = false;
};

// A pick list; position -1 means no entry is selected.
struct PickList : Control {
  std::vector<std::string> entries;
  int position = -1;

  bool has_selection() const {
    return position >= 0 && position < static_cast<int>(entries.size());
  }
};

struct Slider : Control {
  int minimum = 0;
  int maximum = 0;
  int value = 0;
};

// The arrows of a spin button. Its paired text box shows the value; the range limits the
// arrows, not what may be typed into the box.
struct Spin : Control {
  int minimum = 0;
  int maximum = 0;
  int step = 1;
  int value = 0;
};

}  // namespace zav
