// How long opening the special missions editor takes: the window logic's open (eight target
// lists filled with the 308 place names) and building, filling and showing its widget.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <string>

#include "editors/frm_c_specialmissions/frm_c_specialmissions.h"
#include "editors/window_registry.h"
#include "model/globals.h"
#include "ui/form_factory.h"
#include "ui/qt_platform.h"

namespace {

void open_special_missions_editor(benchmark::State& state) {
  zav::Globals globals;
  for (int i = 0; i < 308; ++i) globals.names.place_names[i] = "Place " + std::to_string(i + 1);
  globals.campaign.setup.num_spm = 32;
  zav::SpecialMission& shown = globals.campaign.special_missions[0];
  shown.trigger = 8;
  shown.num_targets = 8;
  shown.targets = {11, 57, 203, 1, 2, 3, 4, 300};
  zav::ui::QtPlatform platform;
  zav::WindowRegistry registry(platform);
  for (auto _ : state) {
    zav::FrmCSpecialMissions editor(globals, platform, registry);
    editor.open();
    const std::unique_ptr<zav::ui::FormWidget> widget = zav::ui::make_form_widget(editor);
    widget->show();
    benchmark::DoNotOptimize(widget.get());
  }
}
BENCHMARK(open_special_missions_editor)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
