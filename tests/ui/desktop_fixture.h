#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QStringList>
#include <QWidget>
#include <deque>
#include <filesystem>
#include <stdexcept>
#include <vector>

#include "editors/frm_main/frm_main.h"
#include "editors/window_registry.h"
#include "model/globals.h"
#include "temp_dir.h"
#include "ui/qt_platform.h"

namespace zav::testing {

// The real desktop, but its dialogs answer from a script and ending the program is recorded.
class ScriptedQtPlatform : public ui::QtPlatform {
 public:
  std::deque<std::filesystem::path> files;
  std::deque<MessageAnswer> answers;
  std::vector<Message> messages;
  int quits = 0;

  FileChoice open_file(const FileDialog&) override { return next_file(); }
  FileChoice save_file(const FileDialog&) override { return next_file(); }
  MessageAnswer show_message(const Message& message) override {
    messages.push_back(message);
    if (message.buttons == MessageButtons::ok || answers.empty()) return MessageAnswer::ok;
    const MessageAnswer answer = answers.front();
    answers.pop_front();
    return answer;
  }
  void quit() override { ++quits; }

 private:
  FileChoice next_file() {
    if (files.empty()) return {};
    FileChoice choice{files.front()};
    files.pop_front();
    return choice;
  }
};

// The shown windows of a form.
inline std::vector<QWidget*> shown_windows(const char* form_name) {
  std::vector<QWidget*> shown;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->objectName() == form_name && widget->isVisible()) shown.push_back(widget);
  }
  return shown;
}

// The shown window of a form, or null.
inline QWidget* shown_window(const char* form_name) {
  const std::vector<QWidget*> shown = shown_windows(form_name);
  return shown.empty() ? nullptr : shown.front();
}

template <class W>
W& control(QWidget* window, const QString& name) {
  W* found = window->findChild<W*>(name);
  if (!found) throw std::runtime_error("no control " + name.toStdString());
  return *found;
}

// The names of the shown controls that Tab reaches, in the order it reaches them from `first`.
inline QStringList tab_order(QWidget& first) {
  QStringList names;
  QWidget* at = &first;
  do {
    if (at->focusPolicy() & Qt::TabFocus && at->isVisible()) names << at->objectName();
    at = at->nextInFocusChain();
  } while (at != &first);
  return names;
}

// The program as it starts: the main window shown, on the scripted desktop.
class DesktopFixture : public ::testing::Test {
 protected:
  DesktopFixture() {
    logic.start_up();
    platform.show(logic);
    main_window = platform.widget_of(logic);
  }

  TempDir dir;
  Globals globals;
  ScriptedQtPlatform platform;
  WindowRegistry registry{platform};
  FrmMain logic{globals, platform, registry};
  QWidget* main_window = nullptr;
};

}  // namespace zav::testing
