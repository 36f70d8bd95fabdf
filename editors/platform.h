#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "formats/path_text.h"

// What the window logic needs from the desktop: file dialogs, message boxes, and showing and
// closing windows. The Qt binding implements it; tests answer it with scripted replies.
namespace zav {

class Window;
struct Control;

struct FileDialog {
  std::string title;
  std::string filter;              // "description|pattern", e.g. "String Files (*.str)|*.str"
  std::string default_extension;   // e.g. ".dat", added to a typed name that has none
  std::filesystem::path proposed;  // file name offered first, may be empty
  std::filesystem::path folder{};  // where the dialog starts when no file is proposed
  std::vector<std::filesystem::path> recent{};  // files of this kind chosen lately, latest first
};

// The user's choice in a file dialog; an empty path means the dialog was cancelled.
struct FileChoice {
  std::filesystem::path path;

  bool cancelled() const { return path.empty(); }
  // The name without its folder, as UTF-8 whatever its script.
  std::string title() const { return path_to_utf8(path.filename()); }
};

enum class MessageButtons { ok, yes_no_cancel };
enum class MessageIcon { none, critical };
enum class MessageAnswer { ok, yes, no, cancel };

struct Message {
  std::string text;
  std::string title;
  MessageIcon icon = MessageIcon::none;
  MessageButtons buttons = MessageButtons::ok;
};

// What a save dialog gives for a name typed without an extension: the name with the dialog's
// default extension added. Every platform's save dialog does this.
inline std::filesystem::path with_default_extension(std::filesystem::path path,
                                                    const std::string& extension) {
  if (!path.empty() && !path.has_extension() && !extension.empty()) path += extension;
  return path;
}

class Platform {
 public:
  virtual ~Platform() = default;

  virtual FileChoice open_file(const FileDialog& dialog) = 0;
  // The chosen name gets the dialog's default extension when it has none.
  virtual FileChoice save_file(const FileDialog& dialog) = 0;
  virtual MessageAnswer show_message(const Message& message) = 0;

  // Shows the window and returns once it has been closed; the other windows wait.
  virtual void show_modal(Window& window) = 0;
  // Shows the window and returns at once; it stays usable beside the others.
  virtual void show(Window& window) = 0;
  virtual void bring_forward(Window& window) = 0;
  // Puts the keyboard focus on `control`, one of the controls of `window`, an open window.
  virtual void focus(Window& window, const Control& control) = 0;
  virtual void hide(Window& window) = 0;
  virtual void close(Window& window) = 0;
  // Ends the program at once: every window closes, nothing is asked.
  virtual void quit() = 0;

  // The folder of the running program, where sqbasic.dat lies; not the working folder.
  virtual std::filesystem::path program_folder() const = 0;

  // What the program keeps between runs for its user, by key ("names/weapons"); empty when
  // nothing is kept. Remembering an empty value forgets.
  virtual std::string setting(const std::string& key) const = 0;
  virtual void remember(const std::string& key, const std::string& value) = 0;
};

}  // namespace zav
