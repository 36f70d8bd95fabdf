#include <QApplication>
#include <cstdlib>
#include <iostream>

#include "editors/frm_main/frm_main.h"
#include "editors/window_registry.h"
#include "model/globals.h"
#include "ui/program_start.h"
#include "ui/qt_platform.h"

namespace {

// Qt stops the program with a terse message when it finds no display; say what to do.
bool display_missing() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
  const auto unset = [](const char* name) { return qEnvironmentVariableIsEmpty(name); };
  return unset("QT_QPA_PLATFORM") && unset("DISPLAY") && unset("WAYLAND_DISPLAY");
#else
  return false;
#endif
}

}  // namespace

int main(int argc, char** argv) {
  if (display_missing()) {
    std::cerr << "zav-editor needs a display, and none is set (DISPLAY and WAYLAND_DISPLAY are "
                 "empty).\nOn a machine without one, start it under a virtual display:\n"
                 "  xvfb-run "
              << argv[0] << "\n";
    return EXIT_FAILURE;
  }
  QApplication application(argc, argv);
  const zav::ui::CommandLine command_line = zav::ui::read_command_line(QApplication::arguments());
  zav::Globals globals;
  zav::ui::QtPlatform platform;
  zav::WindowRegistry registry(platform);
  zav::FrmMain main_window(globals, platform, registry);
  zav::ui::start_program(main_window, platform, command_line);
  return application.exec();
}
