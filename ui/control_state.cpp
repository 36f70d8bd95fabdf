#include "ui/control_state.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>

#include "ui/spin_arrows.h"

namespace zav::ui {
namespace {

QString text_of(const std::string& text) {
  return QString::fromStdString(text);
}

void show_common(QWidget& widget, const Control& control) {
  widget.setEnabled(control.enabled);
  widget.setVisible(control.visible);
}

bool shows_entries(const QComboBox& widget, const std::vector<std::string>& entries) {
  if (widget.count() != static_cast<int>(entries.size())) return false;
  for (int i = 0; i < widget.count(); ++i) {
    if (widget.itemText(i) != text_of(entries[i])) return false;
  }
  return true;
}

}  // namespace

void show_state(QPushButton& widget, const Button& button) {
  const QSignalBlocker quiet(widget);
  widget.setText(text_of(button.caption));
  show_common(widget, button);
}

void show_state(QLabel& widget, const Label& label) {
  widget.setText(text_of(label.caption));
  show_common(widget, label);
}

void show_state(QComboBox& widget, const PickList& list) {
  const QSignalBlocker quiet(widget);
  if (!shows_entries(widget, list.entries)) {
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(list.entries.size()));
    for (const std::string& entry : list.entries) texts.append(text_of(entry));
    widget.clear();
    widget.addItems(texts);
  }
  widget.setCurrentIndex(list.has_selection() ? list.position : -1);
  show_common(widget, list);
}

void show_state(QSlider& widget, const Slider& slider) {
  const QSignalBlocker quiet(widget);
  widget.setRange(slider.minimum, slider.maximum);
  widget.setValue(slider.value);
  show_common(widget, slider);
}

void show_state(QLineEdit& widget, const TextBox& box) {
  const QSignalBlocker quiet(widget);
  const QString text = text_of(box.text);
  if (widget.text() != text) widget.setText(text);
  show_common(widget, box);
}

void show_state(SpinArrows& widget, const Spin& spin) {
  widget.show_spin(spin);
  show_common(widget, spin);
}

}  // namespace zav::ui
