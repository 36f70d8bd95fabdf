#pragma once

#include "editors/controls.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;

// Copies the state a window's logic holds for a control into its widget. The widget's
// change signals stay silent meanwhile: they report the user's changes only.
namespace zav::ui {

class SpinArrows;

void show_state(QPushButton& widget, const Button& button);
void show_state(QLabel& widget, const Label& label);
// The entries are put in again only when they differ from the ones shown.
void show_state(QComboBox& widget, const PickList& list);
void show_state(QSlider& widget, const Slider& slider);
// The text is put in again only when it differs, so the cursor stays where the user typed.
void show_state(QLineEdit& widget, const TextBox& box);
void show_state(SpinArrows& widget, const Spin& spin);

}  // namespace zav::ui
