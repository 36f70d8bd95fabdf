// How long opening each editor window takes: the window logic's open, building its widget
// with every list filled from loaded name tables, and showing it.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <memory>
#include <string>

#include "editors/frm_c_forces/frm_c_forces.h"
#include "editors/frm_c_phases/frm_c_phases.h"
#include "editors/frm_c_planes/frm_c_planes.h"
#include "editors/frm_c_setup/frm_c_setup.h"
#include "editors/frm_c_v1missions/frm_c_v1missions.h"
#include "editors/frm_campaign/frm_campaign.h"
#include "editors/frm_main/frm_main.h"
#include "editors/frm_mission/frm_mission.h"
#include "model/globals.h"
#include "ui/form_factory.h"
#include "ui/qt_platform.h"

namespace {

// A run whose name tables are full, as after the user loaded them.
struct Run {
  Run() {
    for (std::size_t i = 0; i < globals.names.plane_names.size(); ++i) {
      globals.names.plane_names[i] = "Plane type " + std::to_string(i);
    }
    for (std::size_t i = 0; i < globals.names.place_names.size(); ++i) {
      globals.names.place_names[i] = "Place name " + std::to_string(i);
    }
    globals.campaign.setup.num_phases = 25;
    globals.campaign.setup.num_plane_types = 30;
  }

  zav::Globals globals;
  zav::ui::QtPlatform platform;
  zav::WindowRegistry registry{platform};
  zav::FrmMain main{globals, platform, registry};
};

// Opens the window that `make` gives, builds its widget and shows it, once per iteration.
template <class Make>
void open_window(benchmark::State& state, Make make) {
  Run run;
  for (auto _ : state) {
    const std::unique_ptr<zav::Window> window = make(run);
    const std::unique_ptr<zav::ui::FormWidget> widget = zav::ui::make_form_widget(*window);
    widget->show();
    benchmark::DoNotOptimize(widget.get());
  }
}

template <class Editor>
std::unique_ptr<zav::Window> section(Run& run) {
  auto editor = std::make_unique<Editor>(run.globals, run.platform, run.registry);
  editor->open();
  return editor;
}

void main_window(benchmark::State& state) {
  open_window(state, [](Run& run) {
    return std::make_unique<zav::FrmMain>(run.globals, run.platform, run.registry);
  });
}
void mission_editor(benchmark::State& state) {
  open_window(state, [](Run& run) {
    auto editor = std::make_unique<zav::FrmMission>(run.globals, run.platform);
    editor->open();
    return editor;
  });
}
void campaign_editor(benchmark::State& state) {
  open_window(state, [](Run& run) {
    auto editor =
        std::make_unique<zav::FrmCampaign>(run.globals, run.platform, run.registry, run.main);
    editor->open();
    return editor;
  });
}
void campaign_setup(benchmark::State& state) {
  open_window(state, section<zav::FrmCSetup>);
}
void campaign_phases(benchmark::State& state) {
  open_window(state, section<zav::FrmCPhases>);
}
void plane_types(benchmark::State& state) {
  open_window(state, section<zav::FrmCPlanes>);
}
void german_forces(benchmark::State& state) {
  open_window(state, [](Run& run) {
    auto editor = std::make_unique<zav::FrmCSideForces>(zav::kGermanForces, run.globals,
                                                        run.platform, run.registry);
    editor->open();
    return editor;
  });
}
void v1_speech(benchmark::State& state) {
  open_window(state, section<zav::FrmCV1Missions>);
}

BENCHMARK(main_window)->Unit(benchmark::kMillisecond);
BENCHMARK(mission_editor)->Unit(benchmark::kMillisecond);
BENCHMARK(campaign_editor)->Unit(benchmark::kMillisecond);
BENCHMARK(campaign_setup)->Unit(benchmark::kMillisecond);
BENCHMARK(campaign_phases)->Unit(benchmark::kMillisecond);
BENCHMARK(plane_types)->Unit(benchmark::kMillisecond);
BENCHMARK(german_forces)->Unit(benchmark::kMillisecond);
BENCHMARK(v1_speech)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
