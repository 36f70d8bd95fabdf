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
};

}  // namespace zav
