#include "editors/window_registry.h"

namespace zav {

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
