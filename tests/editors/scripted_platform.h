#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "editors/platform.h"
#include "editors/window.h"

namespace zav::testing {

// A platform whose user answers from a script: the dialogs and message boxes take the next
// scripted answer, and every window operation is recorded as "<operation> <form name>".
class ScriptedPlatform : public Platform {
 public:
  // Scripting the user.
  void will_choose_file(std::filesystem::path path) { file_answers_.push_back({std::move(path)}); }
  void will_cancel_file_dialog() { file_answers_.push_back({}); }
  void will_answer(MessageAnswer answer) { message_answers_.push_back(answer); }

  // What the program showed.
  std::vector<FileDialog> open_dialogs;
  std::vector<FileDialog> save_dialogs;
  std::vector<Message> messages;
  std::vector<std::string> window_events;

  bool script_used_up() const { return file_answers_.empty() && message_answers_.empty(); }

  FileChoice open_file(const FileDialog& dialog) override {
    open_dialogs.push_back(dialog);
    return next_file(dialog);
  }
  FileChoice save_file(const FileDialog& dialog) override {
    save_dialogs.push_back(dialog);
    return next_file(dialog);
  }
  MessageAnswer show_message(const Message& message) override {
    messages.push_back(message);
    if (message.buttons == MessageButtons::ok) return MessageAnswer::ok;
    if (message_answers_.empty()) {
      ADD_FAILURE() << "unscripted question: " << message.text;
      return MessageAnswer::cancel;
    }
    const MessageAnswer answer = message_answers_.front();
    message_answers_.pop_front();
    return answer;
  }

  void show_modal(Window& window) override { record("show_modal", window); }
  void show(Window& window) override { record("show", window); }
  void bring_forward(Window& window) override { record("bring_forward", window); }
  void hide(Window& window) override { record("hide", window); }
  void close(Window& window) override { record("close", window); }
  void quit() override { window_events.push_back("quit"); }

 private:
  FileChoice next_file(const FileDialog& dialog) {
    if (file_answers_.empty()) {
      ADD_FAILURE() << "unscripted file dialog: " << dialog.title;
      return {};
    }
    FileChoice answer = file_answers_.front();
    file_answers_.pop_front();
    return answer;
  }
  void record(const char* operation, const Window& window) {
    window_events.push_back(std::string(operation) + " " + std::string(window.form_name()));
  }

  std::deque<FileChoice> file_answers_;
  std::deque<MessageAnswer> message_answers_;
};

}  // namespace zav::testing
