#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "editors/list_entries.h"
#include "editors/number_reading.h"

// The controls of a window as its logic declares them: each one's name (the widget's
// objectName), the label that names it to the user and to screen readers, its kind with its
// range and entries, its state, and the handler the logic runs when the user changes it. The
// desktop binding makes a widget of each, calls the user's actions below, and shows the state
// again after every action; tests call the same actions.
//
// Setting a control's state from the program runs no handler: the logic calls what it needs.
namespace zav {

struct Control {
  Control(std::string name, std::string label, std::string accessible_name = "")
      : name(std::move(name)),
        label(std::move(label)),
        accessible_name(std::move(accessible_name)) {}

  std::string name;
  std::string label;  // what the user reads beside it, as a caption: "Briefing Language && Art:"
  // What screen readers call it when the label alone does not say ("Fighters: row 2 plane");
  // empty when the label says it.
  std::string accessible_name;
  // The objectName of the label that shows `label` beside it, when the window names that label
  // ("lbl_par1"); the window may relabel the control while it is open.
  std::string caption_name;
  bool enabled = true;
  bool visible = true;
};

// A note that names a stored value the control cannot show, so that it is neither hidden nor
// replaced: "Stored value: 1939". Empty when there is nothing to note.
std::string stored_value_note(const std::optional<int>& kept);

struct Button : Control {
  Button(std::string name, std::string caption, std::function<void()> on_click = {})
      : Control(name, caption), caption(std::move(caption)), on_click(std::move(on_click)) {}

  std::string caption;
  std::function<void()> on_click;

  void click();
};

// A text the user reads; a label with press and release handlers acts while the mouse button
// is held on it.
struct Label : Control {
  // `label` is the caption that names a label showing a value ("# of Squadrons:").
  explicit Label(std::string name, std::string caption = "", std::string label = "")
      : Control(std::move(name), std::move(label)), caption(std::move(caption)) {}

  std::string caption;
  std::function<void()> on_press;
  std::function<void()> on_release;

  void press();
  void release();
};

// A box the user types a number into. Typing changes only the text: the text is read whole
// when the user is done with the box (Enter, leaving it, its arrows, or a button of its
// window), never at a keystroke, by the box's policy (number_reading.h).
struct TextBox : Control {
  TextBox(std::string name, std::string label, int minimum = 0, int maximum = 0,
          NumberPolicy policy = NumberPolicy::within_spin, Storage storage = Storage::unlimited());
  virtual ~TextBox() = default;
  TextBox(const TextBox&) = default;
  TextBox& operator=(const TextBox&) = default;

  std::string text;
  bool typing = false;  // the text was typed and has not been read yet
  int minimum;          // what the policy within_spin accepts
  int maximum;
  NumberPolicy policy;
  Storage storage;
  // Runs once typed text was read and taken; not when it was refused.
  std::function<void()> on_commit;

  // The user changed the text, by any means; nothing is read yet.
  void type(std::string typed);
  // The user is done with the box: typed text is read. Text that cannot be taken is refused:
  // the box shows what it showed before the typing, and the refusal, naming the field and
  // what it accepts, is returned for the user to be told. Empty when taken (or not typed).
  std::string commit();
  // Displays a stored value: reading keeps it while the box still shows it, whatever the range.
  void display(int stored);
  // What the box gives its field: none (the field keeps its value) while the box shows the
  // stored value, else its text read by the policy, or the refusal of that text.
  NumberReading read() const;
  // The number the box shows, leaving aside text still being typed; none for other text.
  std::optional<int> number() const { return whole_number(typing ? settled_text_ : text); }

 protected:
  // A typed number was taken: the box shows it as stored.
  virtual void take(int number);
  // The box shows `shown`, nothing typed.
  void settle(std::string shown);

  std::optional<int> shown_stored_;

 private:
  std::string settled_text_;  // the text before the typing began
};

// A number box with its spin arrows. The arrows step the spin within its range and the box
// shows the spin's value; the range limits the arrows, not what may be typed.
struct NumberBox : TextBox {
  NumberBox(std::string name, std::string spin_name, std::string label, int minimum, int maximum,
            int step = 1, NumberPolicy policy = NumberPolicy::within_spin,
            Storage storage = Storage::unlimited());

  std::string spin_name;  // the arrows' objectName, e.g. "UpDown2"
  int step;
  int value;                      // the spin's own value, always within its range
  std::function<void()> on_spin;  // after the spin moved and the box shows its value

  // Displays a stored value: the box shows it as it is, the spin takes the nearest value in its
  // range, and reading keeps the stored value while the box still shows it.
  void display(int stored);
  // Sets the spin and shows its value in the box, as a spin's move does.
  void set_spin(int to);
  // Gives the spin a new range and step; its value moves into the range, the box keeps its text.
  void set_range(int new_minimum, int new_maximum, int new_step = 1);
  // The user moved the spin to `to` (within its range).
  void spin_to(int to);
  // The user pressed an arrow, or Up or Down in the box, once any typing was read. A step
  // starts from the number the box shows when it lies in the range; from a number outside it
  // the first step goes to the nearest bound.
  void step_by(int steps);
  // Where step_by(steps) would go; none when it can go no further.
  std::optional<int> step_target(int steps) const;

 protected:
  void take(int number) override;
};

// How the entries of a pick list stand for stored values: entry n for `first` + n, or for
// `table[n]` when the list has a table; `aliases` are further values read as an entry.
struct EntryValues {
  int first = 0;
  std::vector<int> table;
  std::vector<std::pair<int, int>> aliases;  // {value, position}

  std::optional<int> value_at(int position, int entries) const;
  std::optional<int> position_of(int value, int entries) const;
};

struct PickList : Control {
  using Control::Control;

  ListEntries entries;
  int position = -1;  // -1: no entry selected
  EntryValues values;
  std::optional<int> kept;  // a shown value with no entry, kept until the user chooses
  std::function<void()> on_choose;

  bool has_selection() const {
    return position >= 0 && position < static_cast<int>(entries.size());
  }
  // The user chose the entry at `position`; a position with no entry changes nothing.
  void choose(int chosen);
  // Selects the entry for a stored value, or none, noting and keeping the value.
  void display(int stored);
  // The value of the entry chosen, or the kept value; none when neither is there.
  std::optional<int> value() const;
  std::string note() const { return stored_value_note(kept); }
};

struct Slider : Control {
  Slider(std::string name, std::string label, int minimum, int maximum,
         std::string accessible_name = "")
      : Control(std::move(name), std::move(label), std::move(accessible_name)),
        minimum(minimum),
        maximum(maximum) {}

  int minimum;
  int maximum;
  int value = 0;
  int tick_spacing = 0;  // 0: no ticks
  int large_step = 16;   // Page Up and Page Down; the arrow keys step by 1
  // The window shows the value with a label of its own instead of the number beside the slider.
  bool own_value_label = false;
  std::optional<int> kept;  // a shown value outside the range, kept until the user moves it
  std::function<void()> on_change;
  std::function<void(int)> on_drag;  // while the user drags, with the position dragged to

  // The user set the slider to `to`; it stays within the range.
  void move(int to);
  void drag(int to);
  // Displays a stored value; one outside the range puts the slider at the nearest end and is
  // noted and kept.
  void display(int stored);
  int read() const { return kept ? *kept : value; }
  std::string note() const { return stored_value_note(kept); }
};

struct CheckBox : Control {
  CheckBox(std::string name, std::string caption)
      : Control(name, caption), caption(std::move(caption)) {}

  std::string caption;
  bool checked = false;
  std::optional<int> kept;  // a stored value other than 0 and 1, kept until the user clicks
  std::function<void()> on_change;

  void click(bool to);
  void display(int stored);
  int read() const { return kept ? *kept : (checked ? 1 : 0); }
};

// Option buttons of which at most one is selected.
struct OptionGroup : Control {
  struct Option {
    std::string name;
    std::string caption;
  };

  OptionGroup(std::string name, std::string label, std::vector<Option> options)
      : Control(std::move(name), std::move(label)), options(std::move(options)) {}

  std::vector<Option> options;
  int selected = -1;
  std::function<void()> on_change;

  void choose(int option);
};

// Texts the program writes, one to a line, of which the user may open one to act on it.
struct TextList : Control {
  using Control::Control;

  ListEntries entries;
  std::function<void(int)> on_open;  // with the position of the entry opened

  // The user opened the entry at `position`; a position with no entry does nothing.
  void open(int position);
};

// What the program's messages call a control: the name screen readers hear, without the colon
// that ends a caption ("Special Event for FAIL", "Weapons: row 3 number").
std::string spoken_name(const Control& control);

// An array of controls under one name, as a window declares a row of them: entry i is made
// by `make(i)`.
template <std::size_t N, class Make>
auto indexed(Make make) {
  return [&]<std::size_t... I>(std::index_sequence<I...>) {
    return std::array{make(static_cast<int>(I))...};
  }
  (std::make_index_sequence<N>());
}

// The text a caption shows: "&&" shows as "&", and a single "&" marks an access key.
std::string shown_text(std::string_view caption);

// "cbo_weapon" and 3 give "cbo_weapon_3", the name of entry 3 of an array.
std::string entry_name(const std::string& array_name, int index);

}  // namespace zav
