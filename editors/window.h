#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "formats/data_kind.h"

namespace zav {

class Platform;
struct TextBox;
class Undoable;

// The logic of one window, known to the platform by its form name ("frm_mission").
class Window {
 public:
  explicit Window(Platform& platform) : platform_(platform) {}
  virtual ~Window() = default;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  virtual std::string_view form_name() const = 0;
  virtual std::string caption() const = 0;

  // The user closed the window's frame; false keeps it open.
  virtual bool frame_close() { return true; }

  // A window that holds a file marks its caption while that file has changes never saved.
  virtual bool holds_file() const { return false; }
  virtual bool unsaved_changes() const { return false; }

  // The kind of file that the window's "Load File" loads, and so takes when dropped on it;
  // none for a window that loads no file.
  virtual std::optional<DataKind> loads_kind() const { return std::nullopt; }
  // Loads `file` as "Load File" does with the file chosen: the save question first, the same
  // refusals.
  virtual void load_file(const std::filesystem::path&) {}

  // Brings up to date what the window shows of the records beyond its own controls' values (the
  // problems of its file): the desktop calls it before it shows the window's state, after every
  // action in any window.
  virtual void catch_up() {}

  // The history that the window's undo and redo move through; none for a window of no file.
  virtual Undoable* history() { return nullptr; }
  // Undoes the last change of the window's file, or redoes the last undone. A section editor
  // first stores what it shows, so that its own changes are what an undo takes back.
  virtual void undo();
  virtual void redo();

  // The user is done typing in `box`, one of this window's: its text is read, and text that
  // cannot be taken is refused in an "ERROR!" box while the box shows its value again. False
  // when refused: the action that ended the typing then does not happen.
  bool finish_typing(TextBox& box);

 protected:
  Platform& platform_;
};

}  // namespace zav
