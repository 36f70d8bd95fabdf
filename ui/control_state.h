#pragma once

#include <string>
#include <vector>

#include "editors/controls.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QWidget;

// Copies the state a window's logic holds for a control into its widget. The widget's
// change signals stay silent meanwhile: they report the user's changes only.
namespace zav::ui {

// Shows or hides a widget the logic shows or hides; hidden, it keeps its place, so that the
// window keeps one size and what stands beside or below it stays put.
void show_shown(QWidget& widget, bool visible);
void show_state(QWidget& widget, const Control& control);
void show_state(QPushButton& widget, const Button& button);
void show_state(QLabel& widget, const Label& label);
// The entries are put in again only when they differ from `shown`, the ones put in last, which
// is compared instead of the widget's own so that a long list costs no conversions.
void show_state(QComboBox& widget, const PickList& list, ListEntries& shown);
// A slider the user holds is left where the user holds it.
void show_state(QSlider& widget, const Slider& slider);
// The text is put in again only when it differs, so the cursor stays where the user typed.
// Text the logic refused is marked, with the refusal as tooltip and accessible description.
void show_state(QLineEdit& widget, const TextBox& box);
void show_state(QCheckBox& widget, const CheckBox& box);
// The note beside a control that names a stored value it cannot show.
void show_note(QLabel& widget, const std::string& note, const Control& beside);

}  // namespace zav::ui
