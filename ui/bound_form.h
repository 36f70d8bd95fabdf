#pragma once

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <functional>
#include <vector>

#include "editors/controls.h"
#include "ui/control_state.h"
#include "ui/form_rows.h"
#include "ui/form_widget.h"
#include "ui/spin_arrows.h"

namespace zav::ui {

// Where a labelled pick list and its note live in the logic, and their names.
template <class Logic>
struct ChoiceForm {
  const char* caption;
  const char* list_name;
  PickList Logic::*list;
  const char* note_name;
  Label Logic::*note;
};

// Where a labelled number box and its spin live in the logic, their names, and the spin's
// handler.
template <class Logic>
struct NumberForm {
  const char* caption;
  const char* box_name;
  TextBox Logic::*box;
  const char* spin_name;
  Spin Logic::*spin;
  void (Logic::*spin_change)(int);
};

// A window whose widgets are each bound to one control of its logic, `Logic`: a user's change
// runs the control's handler, or writes the control's state when the logic has no handler for
// it, and refresh() then shows the state of every bound control again.
template <class Logic>
class BoundForm : public FormWidget {
 public:
  void refresh() override {
    for (const std::function<void()>& show : shows_) show();
  }

 protected:
  explicit BoundForm(Logic& logic) : FormWidget(logic), logic_(logic) {}

  void frame_close() override { logic_.frame_close(); }

  // Every section editor ends the same way: its fields over the "&Update" and "&Close"
  // buttons, in a window as large as they need.
  void lay_out_section(QLayout* fields) {
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(bind_button("cmd_update", &Logic::cmd_update, &Logic::cmd_update_click));
    buttons->addWidget(bind_button("cmd_close", &Logic::cmd_close, &Logic::cmd_close_click));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    refresh();
  }

  // A button; `click` is its handler, or null for a button whose editor is not built yet.
  QPushButton* bind_button(const char* name, Button Logic::*state,
                           void (Logic::*click)() = nullptr) {
    auto* button = new QPushButton;
    button->setObjectName(name);
    if (click) {
      connect(button, &QPushButton::clicked, this,
              [this, click] { act([&] { (logic_.*click)(); }); });
    }
    shows_.push_back([this, button, state] { show_state(*button, logic_.*state); });
    return button;
  }

  QLabel* bind_label(const char* name, Label Logic::*state) {
    auto* label = new QLabel;
    label->setObjectName(name);
    shows_.push_back([this, label, state] { show_state(*label, logic_.*state); });
    return label;
  }

  // A pick list row in `row` of `grid` from `column` on. The user's choice becomes the list's
  // position.
  ChoiceRow add_choice(QGridLayout& grid, int row, int column, const ChoiceForm<Logic>& form) {
    const ChoiceRow made =
        add_choice_row(grid, row, column, form.caption, form.list_name, form.note_name);
    connect(made.list, &QComboBox::activated, this,
            [this, &form](int position) { act([&] { (logic_.*form.list).position = position; }); });
    shows_.push_back([this, made, &form] {
      show_state(*made.list, logic_.*form.list);
      show_state(*made.note, logic_.*form.note);
    });
    return made;
  }

  // A number row in `row` of `grid` from `column` on. What the user types becomes the box's
  // text as it is typed (the logic reads it on Update); the arrows run the spin's handler.
  NumberRow add_number(QGridLayout& grid, int row, int column, const NumberForm<Logic>& form) {
    const NumberRow made =
        add_number_row(grid, row, column, form.caption, form.box_name, form.spin_name);
    connect(made.box, &QLineEdit::textEdited, this, [this, &form](const QString& text) {
      act([&] { (logic_.*form.box).text = text.toStdString(); });
    });
    connect(made.arrows, &SpinArrows::stepped, this,
            [this, &form](int value) { act([&] { (logic_.*form.spin_change)(value); }); });
    shows_.push_back([this, made, &form] {
      show_state(*made.box, logic_.*form.box);
      show_state(*made.arrows, logic_.*form.spin);
    });
    return made;
  }

  Logic& logic_;

 private:
  std::vector<std::function<void()>> shows_;
};

}  // namespace zav::ui
