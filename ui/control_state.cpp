#include "ui/control_state.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QStyle>
#include <algorithm>

#include "ui/qt_text.h"

namespace zav::ui {

void show_shown(QWidget& widget, bool visible) {
  if (!visible && !widget.sizePolicy().retainSizeWhenHidden()) {
    QSizePolicy policy = widget.sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget.setSizePolicy(policy);
  }
  widget.setVisible(visible);
}

void show_state(QWidget& widget, const Control& control) {
  widget.setEnabled(control.enabled);
  show_shown(widget, control.visible);
}

void show_state(QPushButton& widget, const Button& button) {
  const QSignalBlocker quiet(widget);
  widget.setText(text_of(button.caption));
  show_state(widget, static_cast<const Control&>(button));
}

void show_state(QLabel& widget, const Label& label) {
  // A one-line label of fixed width (fit_label) shows a longer text cut short, whole in its
  // tooltip; a wrapped one takes more lines instead.
  const QString text = text_of(label.caption);
  const bool fixed = widget.minimumWidth() == widget.maximumWidth() && !widget.wordWrap();
  const QString shown =
      fixed ? widget.fontMetrics().elidedText(text, Qt::ElideRight, widget.width()) : text;
  widget.setText(shown);
  if (fixed) widget.setToolTip(shown == text ? QString() : text);
  show_state(widget, static_cast<const Control&>(label));
}

void show_state(QComboBox& widget, const PickList& list, ListEntries& shown) {
  const QSignalBlocker quiet(widget);
  if (shown != list.entries) {
    shown = list.entries;
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(list.entries.size()));
    for (const std::string& entry : list.entries) texts.append(text_of(entry));
    widget.clear();
    widget.addItems(texts);
    // A box narrower than its longest entry opens a list wide enough to show every entry whole.
    int widest = 0;
    for (const QString& text : texts) {
      widest = std::max(widest, widget.fontMetrics().horizontalAdvance(text));
    }
    widget.view()->setMinimumWidth(widest + 2 * widget.fontMetrics().averageCharWidth() +
                                   widget.style()->pixelMetric(QStyle::PM_ScrollBarExtent));
  }
  widget.setCurrentIndex(list.has_selection() ? list.position : -1);
  // The chosen entry whole, should the box cut it short.
  if (widget.toolTip() != widget.currentText()) widget.setToolTip(widget.currentText());
  show_state(widget, static_cast<const Control&>(list));
}

void show_state(QSlider& widget, const Slider& slider) {
  const QSignalBlocker quiet(widget);
  widget.setRange(slider.minimum, slider.maximum);
  widget.setSingleStep(1);  // every value can be reached from the keyboard
  widget.setPageStep(slider.large_step);
  // Either setter paints the slider again, and lays out its window, even with the same value.
  if (widget.tickInterval() != slider.tick_spacing) widget.setTickInterval(slider.tick_spacing);
  const auto ticks = slider.tick_spacing > 0 ? QSlider::TicksBelow : QSlider::NoTicks;
  if (widget.tickPosition() != ticks) widget.setTickPosition(ticks);
  if (!widget.isSliderDown()) widget.setValue(slider.value);
  widget.setToolTip(slider.enabled ? QString::number(slider.read()) : QString());
  show_state(widget, static_cast<const Control&>(slider));
}

void show_state(QLineEdit& widget, const TextBox& box) {
  const QSignalBlocker quiet(widget);
  const QString text = text_of(box.text);
  // Once the box was read, its typing is no longer the box's to undo: the window's undo is.
  const bool read_typing = !box.typing && (widget.isUndoAvailable() || widget.isRedoAvailable());
  if (widget.text() != text || read_typing) widget.setText(text);
  show_state(widget, static_cast<const Control&>(box));
}

void show_state(QCheckBox& widget, const CheckBox& box) {
  const QSignalBlocker quiet(widget);
  widget.setText(text_of(box.caption));
  widget.setChecked(box.checked);
  show_state(widget, static_cast<const Control&>(box));
}

void show_note(QLabel& widget, const std::string& note, const Control& beside) {
  widget.setText(text_of(note));
  widget.setVisible(beside.visible && !note.empty());
}

}  // namespace zav::ui
