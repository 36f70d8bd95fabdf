#include "ui/binder.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <algorithm>
#include <cstdlib>
#include <memory>
#include <optional>
#include <tuple>
#include <type_traits>

#include "ui/control_state.h"
#include "ui/qt_text.h"
#include "ui/spin_arrows.h"

namespace zav::ui {
namespace {

// The note beside `name`'s control: "note_starty" beside "cbo_starty".
QString note_name(const std::string& name) {
  const std::size_t prefix = name.find('_');
  return "note_" + text_of(prefix == std::string::npos ? name : name.substr(prefix + 1));
}

enum class Width { natural, fill };

// Widgets side by side without margins, as one field; `width` says whether the first one
// takes the room the field has (a slider) or keeps its own width (a list, a box).
QWidget* side_by_side(std::initializer_list<QWidget*> widgets, int spacing, Width width) {
  auto* holder = new QWidget;
  auto* row = new QHBoxLayout(holder);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(spacing);
  for (QWidget* widget : widgets)
    row->addWidget(widget, widget == *widgets.begin() && width == Width::fill ? 1 : 0);
  if (width == Width::natural) row->addStretch();
  return holder;
}

// Runs `press` and `release` when a mouse button goes down and up on the watched widget.
class PressWatcher : public QObject {
 public:
  PressWatcher(QObject* parent, std::function<void()> press, std::function<void()> release)
      : QObject(parent), press_(std::move(press)), release_(std::move(release)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::MouseButtonPress) press_();
    if (event->type() == QEvent::MouseButtonRelease) release_();
    return QObject::eventFilter(watched, event);
  }

 private:
  std::function<void()> press_;
  std::function<void()> release_;
};

// Reads a box's typing when the user leaves the box, and leaves to the box the undo and redo
// keys while it has typing of its own to take back.
class TypingWatcher : public QObject {
 public:
  TypingWatcher(QObject* parent, const TextBox& box, std::function<void()> done)
      : QObject(parent), box_(box), done_(std::move(done)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    // A pop-up (the box's own menu) leaves the user in the box.
    if (event->type() == QEvent::FocusOut && box_.typing &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
      done_();
    }
    if (event->type() == QEvent::ShortcutOverride && !own_typing_to_move(watched, *event)) {
      event->ignore();  // not taken by the box: the window's undo or redo has it
      return true;
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  // Whether `event` is an undo or redo key that the box has typing of its own to move through.
  bool own_typing_to_move(QObject* watched, QEvent& event) const {
    const auto& line = static_cast<const QLineEdit&>(*watched);
    const auto& key = static_cast<QKeyEvent&>(event);
    if (key.matches(QKeySequence::Undo)) return box_.typing && line.isUndoAvailable();
    if (key.matches(QKeySequence::Redo) ||
        key.keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_Y)) {
      return box_.typing && line.isRedoAvailable();
    }
    return true;  // any other key is the box's to take or not
  }

  const TextBox& box_;
  std::function<void()> done_;
};

// Tells a screen reader more of `input` than its name and value: what its note says, the
// range of its number.
void describe(QWidget& input, const QString& description) {
  if (input.accessibleDescription() != description) input.setAccessibleDescription(description);
}

// On Linux a screen reader hears a pick list by its chosen entry, and takes its label only
// from a label beside it, in the same parent, whose buddy it is. The list's caption stands in
// another column, so a hidden label beside the list names it by the same words.
QLabel* naming_label(QComboBox& list) {
  auto* label = new QLabel;
  label->setBuddy(&list);
  label->hide();
  return label;
}

// Lets the mouse wheel change a list or a slider only while it has the keyboard focus; over
// any other, the wheel goes on to what holds it, so scrolling a window changes no value.
class WheelOnlyWithFocus : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Wheel && !static_cast<QWidget*>(watched)->hasFocus()) {
      event->ignore();
      return true;
    }
    return QObject::eventFilter(watched, event);
  }
};

void take_wheel_only_with_focus(QWidget& input) {
  input.setFocusPolicy(Qt::StrongFocus);
  input.installEventFilter(new WheelOnlyWithFocus(&input));
}

// The number a slider stands at, beside it; blank while the slider is disabled, where its
// position means nothing, or hidden. As wide as the widest number of its range, so that
// nothing moves; and of a fixed size, so that a new number lays out nothing again.
void show_number(QLabel& number, const Slider& slider, int at) {
  const QString widest = QString::number(std::max(std::abs(slider.minimum), slider.maximum));
  const int width = number.fontMetrics().horizontalAdvance(QString(widest.size() + 1, '0'));
  if (number.minimumWidth() < width) number.setFixedSize(width, number.fontMetrics().height());
  const QString text = slider.enabled && slider.visible ? QString::number(at) : QString();
  if (number.text() != text) number.setText(text);
}

// What a refresh shows of a control, as a tuple that holds references to the logic's own state
// (and values worked out from it), compared with the copy kept when it was last shown.
template <class... T>
std::tuple<std::remove_cvref_t<T>...> kept_copy(const std::tuple<T...>& state);

// Runs `show` only when the state that `state_of` gives differs from the one shown last, or when
// `shows_it` says the widget no longer shows the logic's value (the user changed the widget and
// the logic kept its own). A refresh so touches only the controls whose state changed: most
// Qt setters paint their widget again, and lay out its window, whatever the value.
template <class StateOf, class ShowsIt, class Show>
std::function<void()> when_changed(StateOf state_of, ShowsIt shows_it, Show show) {
  using Kept = decltype(kept_copy(state_of()));
  return [state_of, shows_it, show, kept = std::optional<Kept>()]() mutable {
    const auto now = state_of();
    if (kept && *kept == now && shows_it()) return;
    show();
    kept = Kept(now);
  };
}

constexpr auto always = [] { return true; };

}  // namespace

void fit_characters(const Widgets& list, int characters) {
  auto* combo = static_cast<QComboBox*>(list.input);
  combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  combo->setMinimumContentsLength(characters);
}

void fit_label(QLabel& label, int characters) {
  label.setFixedSize(label.fontMetrics().averageCharWidth() * characters,
                     label.fontMetrics().height());
}

Binder::Binder(Window& window, std::function<void()> after_action)
    : window_(window), after_action_(std::move(after_action)) {}

bool Binder::finish_typing() {
  for (TextBox* box : boxes_) {
    if (box->typing && !window_.finish_typing(*box)) return false;
  }
  return true;
}

void Binder::act(const std::function<void()>& action) {
  if (finish_typing()) action();
  after_action_();
}

void Binder::bind_input(QWidget& input, const Control& control) {
  input.setObjectName(text_of(control.name));
  const std::string& named =
      control.accessible_name.empty() ? shown_text(control.label) : control.accessible_name;
  if (!named.empty()) input.setAccessibleName(text_of(named));
  inputs_.push_back(&input);
}

QPushButton* Binder::button(Button& button) {
  auto* widget = new QPushButton;
  bind_input(*widget, button);
  QObject::connect(widget, &QPushButton::clicked, widget,
                   [this, &button] { act([&] { button.click(); }); });
  shows_.push_back(
      when_changed([&button] { return std::tie(button.caption, button.enabled, button.visible); },
                   always, [widget, &button] { show_state(*widget, button); }));
  return widget;
}

QLabel* Binder::label(Label& label) {
  auto* widget = new QLabel;
  widget->setObjectName(text_of(label.name));
  if (label.on_press || label.on_release) {
    widget->installEventFilter(new PressWatcher(
        widget,
        [this, widget, &label] {
          held_label_ = widget;
          act([&] { label.press(); });
        },
        [this, &label] {
          held_label_ = nullptr;
          act([&] { label.release(); });
        }));
  }
  // A label of fixed width cuts its text short by the width it has been laid out to.
  shows_.push_back(when_changed(
      [widget, &label] {
        return std::tuple<const std::string&, bool, bool, int>(label.caption, label.enabled,
                                                               label.visible, widget->width());
      },
      always, [widget, &label] { show_state(*widget, label); }));
  return widget;
}

Widgets Binder::field(TextBox& box) {
  auto* widget = new QLineEdit;
  bind_input(*widget, box);
  boxes_.push_back(&box);
  // Text put in by any means, an assistive tool's included, is what the logic reads once the
  // user is done with the box. `edited` notes such text until the box shows the logic's again
  // (with its signals blocked), so that a refresh need not read the widget's text back.
  auto edited = std::make_shared<bool>(false);
  QObject::connect(widget, &QLineEdit::textChanged, widget, [&box, edited](const QString& text) {
    *edited = true;
    box.type(text.toStdString());
  });
  QObject::connect(widget, &QLineEdit::returnPressed, widget, [this] { act([] {}); });
  widget->installEventFilter(new TypingWatcher(widget, box, [this] { act([] {}); }));
  shows_.push_back(
      when_changed([&box] { return std::tie(box.text, box.typing, box.enabled, box.visible); },
                   [edited] { return !*edited; },
                   [widget, &box, edited] {
                     show_state(*widget, box);
                     *edited = false;
                   }));
  return {widget, widget};
}

Widgets Binder::field(NumberBox& number) {
  const Widgets box = field(static_cast<TextBox&>(number));
  auto* line = static_cast<QLineEdit*>(box.input);
  // Room for the widest number a file can hold, "-32768".
  line->setFixedWidth(line->fontMetrics().horizontalAdvance("-000000") + 12);
  line->setAlignment(Qt::AlignRight);
  auto* arrows = new SpinArrows(*line, number);
  arrows->setObjectName(text_of(number.spin_name));
  // Where the arrows can go follows the number being typed, from which they would step.
  QObject::connect(line, &QLineEdit::textChanged, arrows, &SpinArrows::show_spin);
  QObject::connect(arrows, &SpinArrows::stepped, arrows,
                   [this, &number](int steps) { act([&] { number.step_by(steps); }); });
  shows_.push_back(when_changed(
      [&number] {
        return std::tie(number.text, number.typing, number.minimum, number.maximum, number.step,
                        number.value, number.label, number.accessible_name, number.enabled,
                        number.visible);
      },
      always,
      [line, arrows, &number] {
        // The arrows are named after the box, by its label as it reads now.
        const std::string& named =
            number.accessible_name.empty() ? shown_text(number.label) : number.accessible_name;
        arrows->setAccessibleName(text_of(named) + " arrows");
        describe(*line, QString("from %1 to %2").arg(number.minimum).arg(number.maximum));
        arrows->show_spin();
        show_state(*arrows, static_cast<const Control&>(number));
      }));
  return {line, side_by_side({line, arrows}, 1, Width::natural)};
}

Widgets Binder::field(PickList& list) {
  auto* widget = new QComboBox;
  bind_input(*widget, list);
  take_wheel_only_with_focus(*widget);
  QObject::connect(widget, &QComboBox::currentIndexChanged, widget,
                   [this, &list](int position) { act([&] { list.choose(position); }); });
  auto* note = new QLabel;
  note->setObjectName(note_name(list.name));
  QLabel* name = naming_label(*widget);
  shows_.push_back(when_changed(
      [&list] {
        return std::tie(list.entries, list.position, list.kept, list.label, list.accessible_name,
                        list.enabled, list.visible);
      },
      [widget, &list] {
        return widget->currentIndex() == (list.has_selection() ? list.position : -1);
      },
      [widget, note, name, &list, shown = ListEntries()]() mutable {
        show_state(*widget, list, shown);
        show_note(*note, list.note(), list);
        describe(*widget, text_of(list.note()));
        // A label reads "&&" as the "&" of the name.
        const QString named = QString(widget->accessibleName()).replace("&", "&&");
        if (name->text() != named) name->setText(named);
      }));
  return {widget, side_by_side({widget, note, name}, 6, Width::natural)};
}

Widgets Binder::field(Slider& slider) {
  auto* widget = new QSlider(Qt::Horizontal);
  bind_input(*widget, slider);
  // The value changes when the user lets go (or steps by key or click); while the handle is
  // dragged, the drag handler follows it.
  widget->setTracking(false);
  QObject::connect(widget, &QSlider::valueChanged, widget,
                   [this, &slider](int value) { act([&] { slider.move(value); }); });
  QObject::connect(widget, &QSlider::sliderMoved, widget,
                   [this, &slider](int position) { act([&] { slider.drag(position); }); });
  take_wheel_only_with_focus(*widget);
  auto* note = new QLabel;
  note->setObjectName(note_name(slider.name));
  auto* number = new QLabel;
  number->setObjectName("value_" + note_name(slider.name).mid(5));
  number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  number->setVisible(!slider.own_value_label);
  // The number follows the handle while it is dragged, before the value is taken.
  QObject::connect(widget, &QSlider::sliderMoved, number,
                   [number, &slider](int position) { show_number(*number, slider, position); });
  shows_.push_back(when_changed(
      [&slider] {
        return std::tie(slider.minimum, slider.maximum, slider.value, slider.tick_spacing,
                        slider.large_step, slider.kept, slider.enabled, slider.visible);
      },
      [widget, &slider] { return widget->isSliderDown() || widget->value() == slider.value; },
      [widget, note, number, &slider] {
        show_state(*widget, slider);
        if (!widget->isSliderDown()) show_number(*number, slider, slider.read());
        show_note(*note, slider.note(), slider);
        describe(*widget, text_of(slider.note()));
      }));
  return {widget, side_by_side({widget, number, note}, 6, Width::fill)};
}

Widgets Binder::field(CheckBox& box) {
  auto* widget = new QCheckBox;
  bind_input(*widget, box);
  QObject::connect(widget, &QCheckBox::toggled, widget,
                   [this, &box](bool checked) { act([&] { box.click(checked); }); });
  shows_.push_back(
      when_changed([&box] { return std::tie(box.caption, box.checked, box.enabled, box.visible); },
                   [widget, &box] { return widget->isChecked() == box.checked; },
                   [widget, &box] { show_state(*widget, box); }));
  return {widget, widget};
}

Widgets Binder::field(OptionGroup& group) {
  auto* buttons = new QButtonGroup;
  std::vector<QRadioButton*> radios;
  for (std::size_t i = 0; i < group.options.size(); ++i) {
    auto* radio = new QRadioButton(text_of(group.options[i].caption));
    radio->setObjectName(text_of(group.options[i].name));
    radio->setAccessibleName(text_of(shown_text(group.label) + " " + group.options[i].caption));
    inputs_.push_back(radio);
    buttons->addButton(radio, static_cast<int>(i));
    radios.push_back(radio);
  }
  auto* holder = new QWidget;
  holder->setObjectName(text_of(group.name));
  auto* row = new QHBoxLayout(holder);
  row->setContentsMargins(0, 0, 0, 0);
  for (QRadioButton* radio : radios) row->addWidget(radio);
  row->addStretch();
  buttons->setParent(holder);
  QObject::connect(buttons, &QButtonGroup::idToggled, holder, [this, &group](int id, bool on) {
    if (on) act([&] { group.choose(id); });
  });
  shows_.push_back(
      when_changed([&group] { return std::tie(group.selected, group.enabled, group.visible); },
                   [buttons, &group] { return buttons->checkedId() == group.selected; },
                   [buttons, radios, holder, &group] {
                     const QSignalBlocker quiet(buttons);
                     // No option selected is a state of its own, which an exclusive group cannot
                     // show.
                     buttons->setExclusive(false);
                     for (std::size_t i = 0; i < radios.size(); ++i) {
                       const QSignalBlocker quiet_radio(radios[i]);
                       radios[i]->setChecked(static_cast<int>(i) == group.selected);
                     }
                     buttons->setExclusive(true);
                     show_state(*holder, group);
                   }));
  return {radios.empty() ? holder : radios.front(), holder};
}

Widgets Binder::field(TextList& list, int rows) {
  auto* widget = new QListWidget;
  bind_input(*widget, list);
  widget->setFixedHeight(widget->fontMetrics().lineSpacing() * rows + 2 * widget->frameWidth() + 4);
  widget->setAccessibleDescription("Enter or a double click on an entry goes to it");
  // A long entry breaks into lines rather than run out of sight.
  widget->setWordWrap(true);
  widget->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  widget->setResizeMode(QListView::Adjust);
  widget->setAlternatingRowColors(true);
  QObject::connect(
      widget, &QListWidget::itemActivated, widget,
      [this, widget, &list](QListWidgetItem* item) { act([&] { list.open(widget->row(item)); }); });
  shows_.push_back(
      when_changed([&list] { return std::tie(list.entries, list.enabled, list.visible); }, always,
                   [widget, &list, shown = ListEntries()]() mutable {
                     if (shown != list.entries) {
                       shown = list.entries;
                       widget->clear();
                       for (const std::string& entry : shown) {
                         auto* item = new QListWidgetItem(text_of(entry), widget);
                         item->setToolTip(item->text());
                       }
                     }
                     show_state(*widget, static_cast<const Control&>(list));
                   }));
  return {widget, widget};
}

QLabel* Binder::caption(const Control& control, const Widgets& field) {
  auto* label = new QLabel(text_of(control.label));
  label->setBuddy(field.input);
  if (!control.caption_name.empty()) label->setObjectName(text_of(control.caption_name));
  // The logic may relabel the control; its input is then named by the new label. A caption
  // never narrows, so that the column of captions, and the window, keep their width.
  label->setMinimumWidth(label->sizeHint().width());
  shows_.push_back(when_changed(
      [&control] { return std::tie(control.label, control.visible); }, always,
      [label, input = field.input, &control] {
        const QString text = text_of(control.label);
        if (label->text() != text) {
          label->setText(text);
          label->setMinimumWidth(std::max(label->minimumWidth(), label->sizeHint().width()));
          if (control.accessible_name.empty()) {
            input->setAccessibleName(text_of(shown_text(control.label)));
          }
        }
        show_shown(*label, control.visible);
      }));
  return label;
}

void Binder::place_row(QGridLayout& grid, int row, int column, const Control& control,
                       const Widgets& field, bool labelled) {
  if (!labelled || control.label.empty()) {
    grid.addWidget(field.placed, row, column, 1, 2);
    return;
  }
  grid.addWidget(caption(control, field), row, column);
  grid.addWidget(field.placed, row, column + 1);
}

void Binder::refresh() const {
  for (const std::function<void()>& show : shows_) show();
}

void Binder::order_tabs() const {
  for (std::size_t i = 1; i < inputs_.size(); ++i) QWidget::setTabOrder(inputs_[i - 1], inputs_[i]);
}

}  // namespace zav::ui
