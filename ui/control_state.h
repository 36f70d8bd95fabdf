#pragma once

#include "editors/controls.h"

class QComboBox;
class QLabel;
class QPushButton;
class QSlider;

// Copies the state a window's logic holds for a control into its widget. The widget's
// change signals stay silent meanwhile: they report the user's changes only.
namespace zav::ui {

void show_state(QPushButton& widget, const Button& button);
void show_state(QLabel& widget, const Label& label);
// The entries are put in again only when they differ from the ones shown.
void show_state(QComboBox& widget, const PickList& list);
void show_state(QSlider& widget, const Slider& slider);

}  // namespace zav::ui
