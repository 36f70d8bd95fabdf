#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <optional>

#include "editors/frm_main/frm_main.h"
#include "editors/window_registry.h"
#include "model/globals.h"
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

std::filesystem::path path_of(const QString& text) {
  return std::filesystem::path(text.toStdU16String());
}

// Reads the command line: `--fresh` forgets what was kept, name files are given by option,
// data files by name.
zav::StartRequest read_command_line(const QApplication& application, bool& fresh) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      "Edits campaign, mission and squadron files. Each FILE is opened in the editor its name "
      "tells: camp*.dat, misn*.dat or sq*.dat.");
  parser.addHelpOption();
  const QCommandLineOption fresh_option(
      "fresh", "Start as on the first run: forget the name files, folders and window places.");
  const QCommandLineOption weapons("weapons", "Load weapon names from FILE.", "FILE");
  const QCommandLineOption planes("planes", "Load plane names from FILE.", "FILE");
  const QCommandLineOption places("places", "Load place names from FILE.", "FILE");
  const QCommandLineOption targets("targets", "Load airfield data from FILE (targets.dat).",
                                   "FILE");
  parser.addOptions({fresh_option, weapons, planes, places, targets});
  parser.addPositionalArgument("FILE", "A campaign, mission or squadron file to open.",
                               "[FILE...]");
  parser.process(application);
  fresh = parser.isSet(fresh_option);
  const auto given = [&](const QCommandLineOption& option) -> std::optional<std::filesystem::path> {
    if (!parser.isSet(option)) return std::nullopt;
    return path_of(parser.value(option));
  };
  zav::StartRequest request{given(weapons), given(planes), given(places), given(targets), {}};
  for (const QString& file : parser.positionalArguments()) request.files.push_back(path_of(file));
  return request;
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
  bool fresh = false;
  const zav::StartRequest request = read_command_line(application, fresh);
  zav::Globals globals;
  zav::ui::QtPlatform platform;
  if (fresh) platform.forget_settings();
  zav::WindowRegistry registry(platform);
  zav::FrmMain main_window(globals, platform, registry);
  main_window.start_up(request);
  platform.show(main_window);
  // The editors open once the program runs, so that a modal one has the main window behind it.
  QTimer::singleShot(0, [&] { main_window.open_files(request.files); });
  return application.exec();
}
