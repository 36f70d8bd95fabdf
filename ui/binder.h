#pragma once

#include <QString>
#include <functional>
#include <type_traits>
#include <vector>

#include "editors/controls.h"
#include "editors/window.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QWidget;

namespace zav::ui {

// A control's widgets as a window places them: `input` is what the user works (and what its
// label names), `placed` what goes into the layout: the input itself, or the input with its
// spin arrows or with its note for a stored value it cannot show.
struct Widgets {
  QWidget* input;
  QWidget* placed;
};

// A pick list as wide as `characters` characters, whatever its entries: one width for every
// list of a column, and room for a long name.
void fit_characters(const Widgets& list, int characters);

// A label of one line as wide as `characters` characters, whatever it shows, so that nothing
// beside it moves and a new text lays out nothing again; a longer text is cut short, and shown
// whole as its tooltip.
void fit_label(QLabel& label, int characters);

// Makes the widget of each control a window's logic declares, and binds the two: the widget's
// objectName is the control's name, a user's change runs the control's action (and so its
// handler), and after every action `after_action` runs, which shows the state of every bound
// control again through refresh(). Every kind of control is bound here and nowhere else.
//
// Typing in a box only changes its text; the window reads it when the user is done with the
// box: on Enter, on leaving it, and before any other action in the window (an arrow, a button,
// an undo). When the text is refused, that action does not happen.
class Binder {
 public:
  Binder(Window& window, std::function<void()> after_action);

  QPushButton* button(Button& button);
  QLabel* label(Label& label);
  Widgets field(TextBox& box);
  Widgets field(NumberBox& number);  // the box with its arrows
  Widgets field(PickList& list);     // the list with its note
  Widgets field(Slider& slider);     // the slider with its note
  Widgets field(CheckBox& box);
  // The group's option buttons in a row.
  Widgets field(OptionGroup& group);
  // `rows` lines high, whatever it holds; each entry's tooltip shows it whole.
  Widgets field(TextList& list, int rows);

  // The control's label in `column` of `row`, as the buddy of its input, and the control in
  // the next column. A control without a label takes both columns.
  template <class C>
  Widgets row(QGridLayout& grid, int row, int column, C& control) {
    const Widgets made = field(control);
    place_row(grid, row, column, control, made, /*labelled=*/!std::is_base_of_v<CheckBox, C>);
    return made;
  }

  // The label of a control, as the buddy of its input, following the logic when it relabels
  // the control.
  QLabel* caption(const Control& control, const Widgets& field);

  // Runs a user's action once what was typed in the window has been read, then
  // `after_action`; the action does not run when the typed text was refused.
  void act(const std::function<void()>& action);
  // The label the mouse button is held on, whose press may have opened a window that
  // explains it; null while none is held.
  QWidget* held_label() const { return held_label_; }

  // Shows the state of every bound control.
  void refresh() const;
  // Tab goes from input to input in the order they were made: the reading order.
  void order_tabs() const;

 private:
  // A check box's caption is its own label.
  void place_row(QGridLayout& grid, int row, int column, const Control& control,
                 const Widgets& field, bool labelled);
  // Reads the text typed in each box of the window; false when some text was refused.
  bool finish_typing();
  // Names the input for screen readers and remembers it for the tab order.
  void bind_input(QWidget& input, const Control& control);

  Window& window_;
  std::function<void()> after_action_;
  std::vector<TextBox*> boxes_;
  std::vector<std::function<void()>> shows_;
  std::vector<QWidget*> inputs_;
  QWidget* held_label_ = nullptr;  // a label of this window, which lives as long as it
};

}  // namespace zav::ui
