#pragma once

#include <QTimer>
#include <functional>

#include "editors/scripted_platform.h"
#include "string_file_bytes.h"
#include "ui/qt_platform.h"
#include "ui/widget_lookup.h"

namespace zav::testing {

// The program as it starts: the main window shown, on the real desktop with a scripted user.
class DesktopTest : public Run<Scripted<ui::QtPlatform>> {
 protected:
  DesktopTest() {
    main.start_up();
    platform.show(main);
    main_window = platform.widget_of(main);
  }

  // Presses `button` of the main window and loads a string file of `count` numbered names.
  void load_names(const char* button, const char* prefix, int count) {
    write_bytes(dir / "names.str", string_file_bytes(numbered(prefix, count)));
    platform.will(dir / "names.str");
    press(main_window, button);
  }

  // Presses "MISSION FILES" and, inside the modal editor's event loop, does what `user`
  // does; the editor is closed by its frame afterwards should `user` have left it open.
  void in_mission_editor(const std::function<void(QWidget*)>& user) {
    QTimer::singleShot(0, [&] {
      if (shown("frm_mission").empty()) return ADD_FAILURE() << "the mission editor is not open";
      QWidget* editor = shown("frm_mission")[0];
      user(editor);
      if (editor->isVisible()) editor->close();
    });
    press(main_window, "cmd_miss");
  }

  QWidget* main_window = nullptr;
};

}  // namespace zav::testing
