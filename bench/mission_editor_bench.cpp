// How long opening the mission editor takes: the window logic's open, building its widget
// with eight rows of three 30-entry plane lists, and showing it.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <string>

#include "editors/frm_mission/frm_mission.h"
#include "model/globals.h"
#include "ui/form_factory.h"
#include "ui/qt_platform.h"

namespace {

void open_mission_editor(benchmark::State& state) {
  zav::Globals globals;
  for (int i = 0; i < 30; ++i) globals.names.plane_names[i] = "Plane type " + std::to_string(i);
  zav::ui::QtPlatform platform;
  for (auto _ : state) {
    zav::FrmMission editor(globals, platform);
    editor.open();
    const std::unique_ptr<zav::ui::FormWidget> widget = zav::ui::make_form_widget(editor);
    widget->show();
    benchmark::DoNotOptimize(widget.get());
  }
}
BENCHMARK(open_mission_editor)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
