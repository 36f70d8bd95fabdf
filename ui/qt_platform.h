#pragma once

#include <QSettings>
#include <filesystem>
#include <map>
#include <memory>

#include "editors/platform.h"
#include "ui/form_widget.h"

namespace zav::ui {

// The desktop as Qt Widgets offers it: Qt's file dialogs and message boxes, and one widget
// per shown window, made by the form factory and owned here while the window is open.
class QtPlatform : public Platform {
 public:
  // What is kept between runs lies where the desktop keeps a user's settings: an INI file on
  // Linux, the registry on Windows.
  QtPlatform();

  FileChoice open_file(const FileDialog& dialog) override;
  FileChoice save_file(const FileDialog& dialog) override;
  MessageAnswer show_message(const Message& message) override;

  void show_modal(Window& window) override;
  void show(Window& window) override;
  void bring_forward(Window& window) override;
  void focus(Window& window, const Control& control) override;
  void hide(Window& window) override;
  void close(Window& window) override;
  void quit() override;
  std::filesystem::path program_folder() const override;
  std::string setting(const std::string& key) const override;
  void remember(const std::string& key, const std::string& value) override;

  // Keeps what is kept between runs in this INI file instead.
  void keep_settings_in(const std::filesystem::path& file);
  // Forgets all that was kept: the program starts as on its first run.
  void forget_settings();

  // Every shown window shows its state again, after a change made other than by a user's
  // action in one of them.
  void show_state();

  // The widget showing `window`, or null when it is not shown.
  FormWidget* widget_of(const Window& window) const;

 private:
  FormWidget& make_widget(Window& window);
  // Every shown window but `acting` (when there is one), which has just shown its own state
  // after an action in it.
  void show_state_beside(const FormWidget* acting);
  // Lets go of a modeless window's widget once it has closed.
  void forget(const Window& window);
  // Puts a new window where it opens: see FormWidget::Opening.
  void place(FormWidget& widget, const Window& window, QWidget* opener);

  std::map<const Window*, std::unique_ptr<FormWidget>> widgets_;
  std::unique_ptr<QSettings> settings_;
};

}  // namespace zav::ui
