#pragma once

#include <memory>
#include <string_view>
#include <utility>
#include <vector>

#include "editors/platform.h"
#include "editors/window.h"

namespace zav {

// The windows that stand side by side without blocking each other: at most one of each form
// name. A window is forgotten when it closes; its logic lives on until the next window is
// shown, so a window may close itself from inside one of its own handlers.
class WindowRegistry {
 public:
  explicit WindowRegistry(Platform& platform) : platform_(platform) {}

  // The open window of that form, or null.
  Window* find(std::string_view form_name) const;

  // The open window of that form as the logic class W, or null.
  template <class W>
  W* find(std::string_view form_name) const {
    return dynamic_cast<W*>(find(form_name));
  }
  // The open window of W's one form, or null.
  template <class W>
  W* find() const {
    return find<W>(W::kFormName);
  }

  // Shows the window that `make` creates (a std::unique_ptr to a Window of that form name),
  // unless one of that form is open already: that one is brought forward and keeps what it
  // shows.
  template <class Make>
  Window& show(std::string_view form_name, Make&& make) {
    if (Window* open = find(form_name)) {
      platform_.bring_forward(*open);
      return *open;
    }
    std::erase_if(windows_, [](const Entry& entry) { return !entry.open; });
    std::unique_ptr<Window> made = std::forward<Make>(make)();
    Window& window = *made;
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
