#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "editors/frm_c_setup/frm_c_setup.h"
#include "editors/frm_c_v1missions/frm_c_v1missions.h"
#include "editors/frm_campaign/frm_campaign.h"
#include "editors/frm_main/frm_main.h"
#include "editors/frm_mission/frm_mission.h"
#include "editors/frm_squadron/frm_squadron.h"
#include "editors/platform.h"
#include "editors/window_registry.h"
#include "formats/campaign_file.h"
#include "model/globals.h"
#include "temp_dir.h"

// What the tests of the window logic and of the widgets share: a user who answers from a
// script, and the windows of one run.
namespace zav::testing {

// The answer of a file dialog that the user cancels.
inline constexpr struct CancelDialog {
} kCancel;

using Texts = std::vector<std::string>;

// The desktop `Base` whose dialogs and message boxes take the next scripted answer; what they
// showed is kept, and ending the program is recorded as "quit" instead.
template <class Base>
class Scripted : public Base {
 public:
  // The user's next answers, in order: a MessageAnswer, a file path, or kCancel.
  template <class... Answers>
  void will(const Answers&... answers) {
    (script(answers), ...);
  }
  bool script_used_up() const { return files_.empty() && answers_.empty(); }

  std::vector<FileDialog> open_dialogs;
  std::vector<FileDialog> save_dialogs;
  std::vector<Message> messages;
  Texts window_events;

  FileChoice open_file(const FileDialog& dialog) override { return choose(open_dialogs, dialog); }
  FileChoice save_file(const FileDialog& dialog) override {
    return {with_default_extension(choose(save_dialogs, dialog).path, dialog.default_extension)};
  }
  MessageAnswer show_message(const Message& message) override {
    messages.push_back(message);
    if (message.buttons == MessageButtons::ok) return MessageAnswer::ok;
    return next(answers_, "question " + message.text, MessageAnswer::cancel);
  }
  void quit() override { window_events.push_back("quit"); }
  std::filesystem::path program_folder() const override { return folder; }

  std::filesystem::path folder;  // where the program's own files lie, chosen by the test

 private:
  void script(MessageAnswer answer) { answers_.push_back(answer); }
  void script(const std::filesystem::path& path) { files_.push_back({path}); }
  void script(CancelDialog) { files_.push_back({}); }
  FileChoice choose(std::vector<FileDialog>& shown, const FileDialog& dialog) {
    shown.push_back(dialog);
    return next(files_, "file dialog " + dialog.title, FileChoice{});
  }
  template <class Answer>
  static Answer next(std::deque<Answer>& answers, const std::string& asked, Answer otherwise) {
    if (answers.empty()) {
      ADD_FAILURE() << "unscripted " << asked;
      return otherwise;
    }
    Answer answer = answers.front();
    answers.pop_front();
    return answer;
  }

  std::deque<FileChoice> files_;
  std::deque<MessageAnswer> answers_;
};

// The platform of the logic tests: every window operation is recorded as
// "<operation> <form name>".
class ScriptedPlatform : public Scripted<Platform> {
 public:
  void show_modal(Window& window) override { record("show_modal", window); }
  void show(Window& window) override { record("show", window); }
  void bring_forward(Window& window) override { record("bring_forward", window); }
  // Recorded as "focus <form name> <control name>".
  void focus(Window& window, const Control& control) override {
    window_events.push_back("focus " + std::string(window.form_name()) + " " + control.name);
  }
  void hide(Window& window) override { record("hide", window); }
  void close(Window& window) override { record("close", window); }
  std::string setting(const std::string& key) const override {
    const auto kept = settings.find(key);
    return kept == settings.end() ? std::string() : kept->second;
  }
  void remember(const std::string& key, const std::string& value) override {
    if (value.empty()) {
      settings.erase(key);
    } else {
      settings[key] = value;
    }
  }

  std::map<std::string, std::string> settings;  // what a run leaves for the next

 private:
  void record(const char* operation, const Window& window) {
    window_events.push_back(std::string(operation) + " " + std::string(window.form_name()));
  }
};

// Gives `document` a record as a load does, with a new history: the one it holds, changed by
// `change`.
template <class Record, class Change>
void hold(Document<Record>& document, Change change) {
  Record record = document.record();
  change(record);
  document.start(record, document.file());
}

// Boxes of a window read or typed into together: the text of each, and `typed` put into each.
using Boxes = std::vector<TextBox*>;
inline Texts texts(const Boxes& boxes) {
  Texts shown;
  for (const TextBox* box : boxes) shown.push_back(box->text);
  return shown;
}
inline void type(const Boxes& boxes, const Texts& typed) {
  for (std::size_t i = 0; i < typed.size(); ++i) boxes.at(i)->type(typed[i]);
}

// Whether `text` holds `part`, saying what it holds when it does not.
inline ::testing::AssertionResult holds(const std::string& text, const std::string& part) {
  if (text.find(part) != std::string::npos) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "\"" << text << "\" does not hold \"" << part << "\"";
}

// The windows of one run over one Globals, on the scripted platform P, with a fresh folder. A
// test fails when the program did not ask for every answer it scripted.
template <class P>
class Run : public ::testing::Test {
 protected:
  void TearDown() override { EXPECT_TRUE(platform.script_used_up()) << "an answer was not asked"; }

  // Opens a section editor as its button in the campaign editor does.
  template <class Editor>
  Editor& open_section() {
    return static_cast<Editor&>(registry.show(Editor::kFormName, [&] {
      auto editor = std::make_unique<Editor>(globals, platform, registry);
      editor->open();
      return editor;
    }));
  }

  // The user types `text` into `box` of `window` and is done with it (Enter); false when the
  // window refused the text.
  static bool enter(Window& window, TextBox& box, std::string text) {
    box.type(std::move(text));
    return window.finish_typing(box);
  }

  // The text of the last message, which must be a box titled `title` with the critical icon
  // and OK.
  std::string error_text(const std::string& title = "ERROR!") const {
    if (platform.messages.empty()) return "(no message)";
    const Message& shown = platform.messages.back();
    EXPECT_EQ(shown.title, title);
    EXPECT_EQ(shown.icon, MessageIcon::critical);
    EXPECT_EQ(shown.buttons, MessageButtons::ok);
    return shown.text;
  }

  // The last message asked the save question, titled with the asking window's caption.
  void expect_asked_to_save(const std::string& title) const {
    ASSERT_FALSE(platform.messages.empty());
    const Message& asked = platform.messages.back();
    EXPECT_EQ(asked.text, "Do you wish to save this file?");
    EXPECT_EQ(asked.title, title);
    EXPECT_EQ(asked.icon, MessageIcon::critical);
    EXPECT_EQ(asked.buttons, MessageButtons::yes_no_cancel);
  }

  TempDir dir;
  Globals globals;  // outlives the windows that watch its documents
  P platform;
  WindowRegistry registry{platform};
  FrmMain main{globals, platform, registry};
};

using EditorTest = Run<ScriptedPlatform>;

}  // namespace zav::testing
