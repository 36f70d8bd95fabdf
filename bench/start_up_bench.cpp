// One start of the program, from the process's start to its first painted window, with the four
// name files it kept from the last run loaded again; or, as the yardstick, a bare Qt window that
// paints one caption. Each run is one process, timed from outside (docs/performance.md):
//   start_up_bench prepare DIR     writes full name files and the settings naming them
//   start_up_bench editor DIR      starts the program as a user who loaded them last time
//   start_up_bench bare            shows a bare window with one caption
#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "editors/frm_main/frm_main.h"
#include "editors/window_registry.h"
#include "formats/string_file.h"
#include "formats/target_file.h"
#include "model/globals.h"
#include "ui/program_start.h"
#include "ui/qt_platform.h"

namespace {

std::vector<std::string> numbered(const std::string& prefix, int count) {
  std::vector<std::string> names;
  for (int i = 0; i < count; ++i) names.push_back(prefix + std::to_string(i));
  return names;
}

// The settings kept where the program keeps them, under a configuration folder of the run's own.
void keep_settings_under(const std::filesystem::path& dir) {
  qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(dir.string()));
}

int prepare(int argc, char** argv, const std::filesystem::path& dir) {
  keep_settings_under(dir);
  QApplication application(argc, argv);
  std::filesystem::create_directories(dir);
  const bool failed = zav::save_string_file(dir / "weapons.str", numbered("Weapon ", 32)) ||
                      zav::save_string_file(dir / "planes.str", numbered("Plane type ", 30)) ||
                      zav::save_string_file(dir / "places.str", numbered("Place name ", 308)) ||
                      zav::save_targets(dir / "targets.dat", zav::TargetFile{});
  if (failed) return EXIT_FAILURE;
  zav::ui::QtPlatform platform;
  for (const char* table : {"weapons", "planes", "places"}) {
    platform.remember(std::string("names/") + table,
                      zav::path_to_utf8(dir / (std::string(table) + ".str")));
  }
  platform.remember("names/targets", zav::path_to_utf8(dir / "targets.dat"));
  return EXIT_SUCCESS;
}

int start_editor(int argc, char** argv, const std::filesystem::path& dir) {
  keep_settings_under(dir);
  QApplication application(argc, argv);
  zav::Globals globals;
  zav::ui::QtPlatform platform;
  zav::WindowRegistry registry(platform);
  zav::FrmMain main(globals, platform, registry);
  zav::ui::start_program(main, platform, {});
  platform.widget_of(main)->repaint();
  if (globals.names.place_names[307].empty()) {
    std::cerr << "the place names were not loaded again; run `prepare` first\n";
    return EXIT_FAILURE;
  }
  return EXIT_SUCCESS;
}

int show_bare_window(int argc, char** argv) {
  QApplication application(argc, argv);
  QWidget window;
  auto* layout = new QVBoxLayout(&window);
  layout->addWidget(new QLabel("ZAV Campaign Editor"));
  window.show();
  window.repaint();
  return EXIT_SUCCESS;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  const std::string_view mode = argc > 1 ? argv[1] : "";
  if (mode == "bare") return show_bare_window(argc, argv);
  if (argc > 2 && mode == "prepare") return prepare(argc, argv, argv[2]);
  if (argc > 2 && mode == "editor") return start_editor(argc, argv, argv[2]);
  std::cerr << "usage: start_up_bench prepare DIR | editor DIR | bare\n";
  return EXIT_FAILURE;
}
