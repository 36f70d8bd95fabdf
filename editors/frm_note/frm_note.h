#pragma once

#include <string>
#include <string_view>

#include "editors/controls.h"
#include "editors/window.h"

namespace zav {

// The note that explains the markers of the target-type list; the special missions editor
// shows it while the mouse button is held on its "NOTE".
class FrmNote : public Window {
 public:
  static constexpr std::string_view kFormName = "frm_note";

  using Window::Window;

  std::string_view form_name() const override { return kFormName; }
  std::string caption() const override { return "Note"; }

  Label lbl_note{"lbl_note",
                 "*    -  Briefed as being an AIRFIELD\n"
                 "**  - FAKE TARGETS\n"
                 "*** - NO BRIEFING - Also no speech files!\n"
                 "- These target codes are a major cause of CTDs in campaigns.  Target codes that "
                 "may work in one phase may cause a CTD in another!  A solution is to only use "
                 "the RANDOM TARGET option, which eliminates the majority of crashes."};
};

}  // namespace zav
