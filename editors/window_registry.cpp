#include "editors/window_registry.h"

namespace zav {

Window* WindowRegistry::find(std::string_view form_name) const {
  for (const Entry& entry : windows_) {
    if (entry.open && entry.window->form_name() == form_name) return entry.window.get();
  }
  return nullptr;
}

void WindowRegistry::close(Window& window) {
  platform_.close(window);
  closed(window);
}

void WindowRegistry::closed(const Window& window) {
  for (Entry& entry : windows_) {
    if (entry.window.get() == &window) entry.open = false;
  }
}

}  // namespace zav
