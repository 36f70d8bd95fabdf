#pragma once

#include <string>
#include <string_view>

#include "editors/controls.h"
#include "editors/window.h"
#include "model/target_types.h"

namespace zav {

// The note that explains the markers of the target-type list; the special missions editor
// shows it while the mouse button is held on its "NOTE".
class FrmNote : public Window {
 public:
  static constexpr std::string_view kFormName = "frm_note";

  using Window::Window;

  std::string_view form_name() const override { return kFormName; }
  std::string caption() const override { return "Note"; }

  Label lbl_note{"lbl_note", kTargetMarkerNote};
};

}  // namespace zav
