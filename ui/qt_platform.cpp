#include "ui/qt_platform.h"

#include <QApplication>
#include <QEventLoop>
#include <QFileDialog>
#include <QMessageBox>
#include <QWindow>
#include <algorithm>

#include "ui/file_filter.h"
#include "ui/form_factory.h"
#include "ui/qt_text.h"
#include "ui/window_place.h"

namespace zav::ui {
namespace {

FileChoice run_file_dialog(const FileDialog& request, QFileDialog::AcceptMode mode) {
  QFileDialog dialog(QApplication::activeWindow(), text_of(request.title));
  dialog.setAcceptMode(mode);
  dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                     : QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::HideNameFilterDetails);
  dialog.setNameFilter(qt_name_filter(request.filter));
  QString suffix = text_of(request.default_extension);
  if (suffix.startsWith('.')) suffix.remove(0, 1);
  dialog.setDefaultSuffix(suffix);
  if (!request.folder.empty()) {
    dialog.setDirectory(text_of(request.folder));
  }
  QStringList recent;
  for (const std::filesystem::path& file : request.recent) {
    recent << text_of(file);
  }
  dialog.setHistory(recent);
  if (!request.proposed.empty()) {
    dialog.selectFile(text_of(request.proposed));
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return {path_of(dialog.selectedFiles().constFirst())};
}

// The key under which a window's place is kept.
QString place_key(const Window& window) {
  return "windows/" + text_of(std::string(window.form_name()));
}

}  // namespace

// The user's settings: the registry on Windows, a file elsewhere, unless the program chose a
// format of its own (the tests keep theirs in a folder of their own).
QtPlatform::QtPlatform()
    : settings_(std::make_unique<QSettings>(QSettings::defaultFormat(), QSettings::UserScope, "ZAV",
                                            "ZAV Campaign Editor")) {}

FileChoice QtPlatform::open_file(const FileDialog& dialog) {
  return run_file_dialog(dialog, QFileDialog::AcceptOpen);
}

FileChoice QtPlatform::save_file(const FileDialog& dialog) {
  // Whatever dialog the desktop offers, a name typed without an extension gets the default.
  const FileChoice choice = run_file_dialog(dialog, QFileDialog::AcceptSave);
  return {with_default_extension(choice.path, dialog.default_extension)};
}

MessageAnswer QtPlatform::show_message(const Message& message) {
  const bool asks = message.buttons == MessageButtons::yes_no_cancel;
  QMessageBox box(
      message.icon == MessageIcon::critical ? QMessageBox::Critical : QMessageBox::NoIcon,
      text_of(message.title), text_of(message.text),
      asks ? QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel : QMessageBox::Ok,
      QApplication::activeWindow());
  switch (box.exec()) {
    case QMessageBox::Yes:
      return MessageAnswer::yes;
    case QMessageBox::No:
      return MessageAnswer::no;
    case QMessageBox::Ok:
      return MessageAnswer::ok;
    default:
      return MessageAnswer::cancel;
  }
}

void QtPlatform::show_modal(Window& window) {
  FormWidget& widget = make_widget(window);
  widget.setWindowModality(Qt::ApplicationModal);
  QEventLoop until_closed;
  QObject::connect(&widget, &FormWidget::closed, &until_closed, &QEventLoop::quit);
  widget.show();
  until_closed.exec();
  widgets_.erase(&window);
}

void QtPlatform::show(Window& window) {
  FormWidget* widget = widget_of(window);
  if (!widget) {
    widget = &make_widget(window);
    QObject::connect(widget, &FormWidget::closed, widget, [this, &window] { forget(window); });
  }
  widget->show();
  widget->raise();
}

void QtPlatform::bring_forward(Window& window) {
  if (FormWidget* widget = widget_of(window)) {
    widget->show();
    widget->raise();
    widget->activateWindow();
  }
}

void QtPlatform::focus(Window& window, const Control& control) {
  FormWidget* widget = widget_of(window);
  if (!widget) return;
  // The control may show only from the state the last action gave it.
  widget->refresh();
  auto* input = widget->findChild<QWidget*>(text_of(control.name));
  // A group of options takes the focus on its first option.
  if (input && input->focusPolicy() == Qt::NoFocus) {
    const QList<QWidget*> parts = input->findChildren<QWidget*>();
    const auto focusable = std::find_if(parts.begin(), parts.end(), [](const QWidget* part) {
      return part->focusPolicy() != Qt::NoFocus;
    });
    input = focusable == parts.end() ? nullptr : *focusable;
  }
  bring_forward(window);
  if (input) input->setFocus(Qt::OtherFocusReason);
}

void QtPlatform::hide(Window& window) {
  if (FormWidget* widget = widget_of(window)) {
    settings_->setValue(place_key(window), place_of(*widget));
    widget->hide();
  }
}

void QtPlatform::close(Window& window) {
  if (FormWidget* widget = widget_of(window)) widget->close_by_program();
}

// Leaves every event loop, a modal window's too; the windows go with the program.
void QtPlatform::quit() {
  QCoreApplication::exit(0);
}

std::filesystem::path QtPlatform::program_folder() const {
  return path_of(QCoreApplication::applicationDirPath());
}

std::string QtPlatform::setting(const std::string& key) const {
  return settings_->value(text_of(key)).toString().toStdString();
}

void QtPlatform::remember(const std::string& key, const std::string& value) {
  // Writing the settings file costs more than a start's whole work: only a change is written.
  if (setting(key) == value) return;
  if (value.empty()) {
    settings_->remove(text_of(key));
  } else {
    settings_->setValue(text_of(key), text_of(value));
  }
}

void QtPlatform::keep_settings_in(const std::filesystem::path& file) {
  settings_ = std::make_unique<QSettings>(text_of(file), QSettings::IniFormat);
}

void QtPlatform::forget_settings() {
  settings_->clear();
}

void QtPlatform::show_state() {
  show_state_beside(nullptr);
}

void QtPlatform::show_state_beside(const FormWidget* acting) {
  for (const auto& [shown, widget] : widgets_) {
    if (widget && widget.get() != acting) widget->refresh();
  }
}

FormWidget* QtPlatform::widget_of(const Window& window) const {
  const auto found = widgets_.find(&window);
  return found == widgets_.end() ? nullptr : found->second.get();
}

FormWidget& QtPlatform::make_widget(Window& window) {
  std::unique_ptr<FormWidget>& slot = widgets_[&window];
  slot = make_form_widget(window);
  // An action in one window may change what another shows (an Update marks the campaign
  // editor's caption), so every other window shows its state again too.
  QObject::connect(slot.get(), &FormWidget::acted, slot.get(),
                   [this, acting = slot.get()] { show_state_beside(acting); });
  QWidget* opener = QApplication::activeWindow();
  place(*slot, window, opener);
  // A window opened from another stands over it.
  if (opener) {
    slot->winId();
    slot->windowHandle()->setTransientParent(opener->windowHandle());
  }
  return *slot;
}

void QtPlatform::place(FormWidget& widget, const Window& window, QWidget* opener) {
  if (widget.opening() == FormWidget::Opening::under_held_label) {
    for (const auto& [shown, other] : widgets_) {
      if (QWidget* held = other ? other->bind().held_label() : nullptr) place_under(widget, *held);
    }
    return;
  }
  QObject::connect(&widget, &FormWidget::closed, &widget, [this, &window, &widget] {
    settings_->setValue(place_key(window), place_of(widget));
  });
  if (put_back(widget, settings_->value(place_key(window)).toString())) return;
  if (!opener) return place_at_left(widget);
  // Each window already open beside the opener moves the new one a step down and right.
  int cascade = 0;
  for (const auto& [shown, other] : widgets_) {
    if (other && other.get() != &widget && other.get() != opener && other->isVisible()) ++cascade;
  }
  place_beside(widget, *opener, cascade);
}

void QtPlatform::forget(const Window& window) {
  const auto found = widgets_.find(&window);
  if (found == widgets_.end()) return;
  // The widget may be inside one of its own handlers: delete it once they have returned.
  found->second.release()->deleteLater();
  widgets_.erase(found);
}

}  // namespace zav::ui
