#pragma once

#include <string>
#include <string_view>

namespace zav {

// The logic of one window, known to the platform by its form name ("frm_mission").
class Window {
 public:
  virtual ~Window() = default;
  virtual std::string_view form_name() const = 0;
  virtual std::string caption() const = 0;

  // The user closed the window's frame; false keeps it open.
  virtual bool frame_close() { return true; }

  // A window that holds a file marks its caption while that file has changes never saved.
  virtual bool holds_file() const { return false; }
  virtual bool unsaved_changes() const { return false; }
};

}  // namespace zav
