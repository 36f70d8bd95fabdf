#include "ui/program_start.h"

#include <QCommandLineParser>
#include <QTimer>
#include <filesystem>
#include <optional>

#include "ui/qt_text.h"

namespace zav::ui {

CommandLine read_command_line(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      "Edits campaign, mission and squadron files. Each FILE is opened in the editor its name "
      "tells: camp*.dat, misn*.dat or sq*.dat.");
  parser.addHelpOption();
  const QCommandLineOption fresh(
      "fresh", "Start as on the first run: forget the name files, folders and window places.");
  const QCommandLineOption weapons("weapons", "Load weapon names from FILE.", "FILE");
  const QCommandLineOption planes("planes", "Load plane names from FILE.", "FILE");
  const QCommandLineOption places("places", "Load place names from FILE.", "FILE");
  const QCommandLineOption targets("targets", "Load airfield data from FILE (targets.dat).",
                                   "FILE");
  parser.addOptions({fresh, weapons, planes, places, targets});
  parser.addPositionalArgument("FILE", "A campaign, mission or squadron file to open.",
                               "[FILE...]");
  parser.process(arguments);
  const auto given = [&](const QCommandLineOption& option) -> std::optional<std::filesystem::path> {
    if (!parser.isSet(option)) return std::nullopt;
    return path_of(parser.value(option));
  };
  CommandLine line{parser.isSet(fresh),
                   {given(weapons), given(planes), given(places), given(targets), {}}};
  for (const QString& file : parser.positionalArguments()) {
    line.request.files.push_back(path_of(file));
  }
  return line;
}

void start_program(FrmMain& main, QtPlatform& platform, const CommandLine& command_line) {
  if (command_line.fresh) platform.forget_settings();
  main.start_up(command_line.request);
  platform.show(main);
  // The editors open once the program runs, so that a modal one has the main window behind it;
  // each file's editor shows it before the next opens.
  QTimer::singleShot(0, platform.widget_of(main),
                     [&main, &platform, files = command_line.request.files] {
                       for (const std::filesystem::path& file : files) {
                         main.open_file(file);
                         platform.show_state();
                       }
                     });
}

}  // namespace zav::ui
