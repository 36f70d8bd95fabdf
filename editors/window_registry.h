#pragma once

#include <algorithm>
#include <memory>
#include <string_view>
#include <utility>
#include <vector>

#include "editors/platform.h"
#include "editors/window.h"

namespace zav {

// The windows that stand side by side without blocking each other: at most one of each form.
// A window is forgotten when it closes; its logic lives on until the next window is shown, so
// a window may close itself from inside one of its own handlers.
class WindowRegistry {
 public:
  explicit WindowRegistry(Platform& platform) : platform_(platform) {}

  // The open window of form W, or null.
  template <class W>
  W* find() const {
    for (const Entry& entry : windows_) {
      if (entry.open && entry.window->form_name() == W::kFormName) {
        return static_cast<W*>(entry.window.get());
      }
    }
    return nullptr;
  }

  // Shows the window that `make` creates (a std::unique_ptr<W>), unless a window of form W is
  // open already: that one is brought forward and keeps what it shows.
  template <class W, class Make>
  W& show(Make&& make) {
    if (W* open = find<W>()) {
      platform_.bring_forward(*open);
      return *open;
    }
    std::erase_if(windows_, [](const Entry& entry) { return !entry.open; });
    std::unique_ptr<W> made = std::forward<Make>(make)();
    W& window = *made;
    windows_.push_back({std::move(made), true});
    platform_.show(window);
    return window;
  }

  // Closes `window` through the platform and forgets it.
  void close(Window& window);

  // Forgets a window the platform has closed (the user closed its frame).
  void closed(const Window& window);

 private:
  struct Entry {
    std::unique_ptr<Window> window;
    bool open;
  };

  Platform& platform_;
  std::vector<Entry> windows_;
};

}  // namespace zav
