#pragma once

#include <map>
#include <memory>

#include "editors/platform.h"
#include "ui/form_widget.h"

namespace zav::ui {

// The desktop as Qt Widgets offers it: Qt's file dialogs and message boxes, and one widget
// per shown window, made by the form factory and owned here while the window is open.
class QtPlatform : public Platform {
 public:
  FileChoice open_file(const FileDialog& dialog) override;
  FileChoice save_file(const FileDialog& dialog) override;
  MessageAnswer show_message(const Message& message) override;

  void show_modal(Window& window) override;
  void show(Window& window) override;
  void bring_forward(Window& window) override;
  void hide(Window& window) override;
  void close(Window& window) override;
  void quit() override;
  std::filesystem::path program_folder() const override;

  // The widget showing `window`, or null when it is not shown.
  FormWidget* widget_of(const Window& window) const;

 private:
  FormWidget& make_widget(Window& window);
  // Lets go of a modeless window's widget once it has closed.
  void forget(const Window& window);

  std::map<const Window*, std::unique_ptr<FormWidget>> widgets_;
};

}  // namespace zav::ui
