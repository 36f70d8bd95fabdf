#pragma once

#include "editors/controls.h"
#include "editors/platform.h"
#include "editors/window.h"
#include "editors/window_registry.h"
#include "model/globals.h"

namespace zav {

// An editor of one section of the campaign, standing beside the campaign editor. It copies its
// section into its controls when it opens and writes them back only on "&Update", which also
// closes it; "&Close" and the window's frame store nothing.
class SectionEditor : public Window {
 public:
  SectionEditor(Globals& globals, Platform& platform, WindowRegistry& registry)
      : globals_(globals), platform_(platform), registry_(registry) {}

  bool frame_close() override {
    registry_.closed(*this);
    return true;
  }

  // Stores what the editor shows and closes; text that cannot be stored is refused with a
  // message, and then nothing is stored and the window stays open.
  Button cmd_update{"cmd_update", "&Update", [this] {
                      if (store()) close();
                    }};
  Button cmd_close{"cmd_close", "&Close", [this] { close(); }};

 protected:
  // Stores the controls into the campaign; false, with the user told why, when some text
  // cannot be stored, and then nothing is stored.
  virtual bool store() = 0;
  void close() { registry_.close(*this); }

  Globals& globals_;
  Platform& platform_;
  WindowRegistry& registry_;
};

}  // namespace zav
