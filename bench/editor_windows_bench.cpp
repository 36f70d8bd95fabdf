// How long opening each editor window takes: the window logic's open, building its widget
// with every list filled from loaded name tables, and showing it. The squadron editor reads a
// base file of 25 squadrons; the special missions editor fills eight lists of 308 places. And
// what the campaign editor's problem list adds to an edit.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QSlider>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <string>

#include "editors/frm_c_forces/frm_c_forces.h"
#include "editors/frm_c_phases/frm_c_phases.h"
#include "editors/frm_c_planes/frm_c_planes.h"
#include "editors/frm_c_setup/frm_c_setup.h"
#include "editors/frm_c_specialevents/frm_c_specialevents.h"
#include "editors/frm_c_specialmissions/frm_c_specialmissions.h"
#include "editors/frm_c_v1missions/frm_c_v1missions.h"
#include "editors/frm_campaign/frm_campaign.h"
#include "editors/frm_main/frm_main.h"
#include "editors/frm_mission/frm_mission.h"
#include "editors/frm_squadron/frm_squadron.h"
#include "formats/campaign_file.h"
#include "formats/squadron_file.h"
#include "model/globals.h"
#include "ui/form_factory.h"
#include "ui/qt_platform.h"

namespace {

// The desktop with its own folder, which holds a base file of 25 squadrons.
class BaseFolderPlatform : public zav::ui::QtPlatform {
 public:
  BaseFolderPlatform() : folder_(std::filesystem::temp_directory_path() / "zav-bench-squadrons") {
    std::filesystem::create_directories(folder_);
    zav::SquadronTable table;
    table.count = zav::SquadronTable::kMaxSquadrons;
    const zav::Bytes bytes = zav::encode_squadrons(table);
    std::ofstream(folder_ / "sqbasic.dat", std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
  }
  ~BaseFolderPlatform() override { std::filesystem::remove_all(folder_); }
  std::filesystem::path program_folder() const override { return folder_; }

 private:
  std::filesystem::path folder_;
};

// A run whose name tables are full, as after the user loaded them, and whose campaign uses
// every entry.
struct Run {
  Run() {
    zav::NameTables& names = globals.names;
    for (std::size_t i = 0; i < names.plane_names.size(); ++i) {
      names.plane_names[i] = "Plane type " + std::to_string(i);
    }
    for (std::size_t i = 0; i < names.place_names.size(); ++i) {
      names.place_names[i] = "Place name " + std::to_string(i);
    }
    for (std::size_t i = 0; i < names.airfield_names.size(); ++i) {
      names.airfield_names[i] = "Airfield " + std::to_string(i);
    }
    zav::Campaign campaign;
    campaign.setup.num_phases = 25;
    campaign.setup.num_plane_types = 30;
    campaign.setup.num_spev = 32;
    campaign.setup.num_spm = 32;
    globals.campaign.start(campaign, {});
  }

  zav::Globals globals;
  BaseFolderPlatform platform;
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

template <class Editor>
std::unique_ptr<zav::Window> file_editor(Run& run) {
  auto editor = std::make_unique<Editor>(run.globals, run.platform);
  editor->open();
  return editor;
}

void open_main_window(benchmark::State& state) {
  open_window(state, [](Run& run) {
    return std::make_unique<zav::FrmMain>(run.globals, run.platform, run.registry);
  });
}
void open_mission_editor(benchmark::State& state) {
  open_window(state, file_editor<zav::FrmMission>);
}
void open_squadron_editor(benchmark::State& state) {
  open_window(state, file_editor<zav::FrmSquadron>);
}
void open_campaign_editor(benchmark::State& state) {
  open_window(state, [](Run& run) {
    auto editor =
        std::make_unique<zav::FrmCampaign>(run.globals, run.platform, run.registry, run.main);
    editor->open();
    return editor;
  });
}
void open_campaign_setup(benchmark::State& state) {
  open_window(state, section<zav::FrmCSetup>);
}
void open_campaign_phases(benchmark::State& state) {
  open_window(state, section<zav::FrmCPhases>);
}
void open_plane_types(benchmark::State& state) {
  open_window(state, section<zav::FrmCPlanes>);
}
void open_german_forces(benchmark::State& state) {
  open_window(state, [](Run& run) {
    auto editor = std::make_unique<zav::FrmCSideForces>(zav::kGermanForces, run.globals,
                                                        run.platform, run.registry);
    editor->open();
    return editor;
  });
}
void open_special_events_editor(benchmark::State& state) {
  open_window(state, section<zav::FrmCSpecialEvents>);
}
void open_special_missions_editor(benchmark::State& state) {
  open_window(state, section<zav::FrmCSpecialMissions>);
}
void open_v1_speech(benchmark::State& state) {
  open_window(state, section<zav::FrmCV1Missions>);
}

// A campaign editor that shows a file of the campaign `full` (every byte random, some 1,900
// problems) or else of every value 0 (36 problems), every section in use.
struct LoadedCampaign {
  explicit LoadedCampaign(Run& run, bool full)
      : file(std::filesystem::temp_directory_path() / "zav-bench-camp1.dat"),
        editor(run.globals, run.platform, run.registry, run.main) {
    zav::CampaignImage image{};
    std::mt19937 random(1944);
    if (full) {
      for (std::uint8_t& byte : image) byte = static_cast<std::uint8_t>(random());
    }
    zav::Campaign campaign = zav::decode_campaign(image);
    campaign.setup.num_phases = 25;
    campaign.setup.num_plane_types = 30;
    campaign.setup.num_spev = 32;
    campaign.setup.num_spm = 32;
    zav::save_campaign(file, campaign);
    editor.open();
    editor.load_file(file);
  }
  ~LoadedCampaign() { std::filesystem::remove(file); }

  std::filesystem::path file;
  zav::FrmCampaign editor;
};

// One edit of the campaign as a special mission's step or "&Update" makes it.
void edit_mission(zav::Globals& globals, int step) {
  globals.campaign.edit([step](zav::Campaign& c) {
    c.special_missions[static_cast<std::size_t>(step % 32)].chance =
        static_cast<std::uint8_t>(step);
  });
}

// The campaign editor's problem list found again after an edit, without widgets.
void problem_list_after_edit(benchmark::State& state) {
  Run run;
  LoadedCampaign campaign(run, state.range(0) == 0);
  int step = 0;
  for (auto _ : state) {
    edit_mission(run.globals, ++step);
    campaign.editor.catch_up();
  }
  state.counters["problems"] =
      static_cast<double>(campaign.editor.problems.lst_problems.entries.size());
}

// An action as the user makes it in the special missions editor beside the campaign editor:
// the edit, then every open window shown again, the problem list with it.
void action_beside_problem_list(benchmark::State& state) {
  Run run;
  LoadedCampaign campaign(run, state.range(0) == 0);
  const std::unique_ptr<zav::Window> missions = section<zav::FrmCSpecialMissions>(run);
  run.platform.show(campaign.editor);
  run.platform.show(*missions);
  int step = 0;
  for (auto _ : state) {
    edit_mission(run.globals, ++step);
    run.platform.show_state();
  }
}

// A user's action as the desktop takes it: a slider of `window` stepped, as by an arrow key,
// then the paints and layouts it asked for, in every window shown.
void step_slider(QSlider& slider, int step) {
  slider.triggerAction(step % 2 ? QAbstractSlider::SliderSingleStepAdd
                                : QAbstractSlider::SliderSingleStepSub);
  QApplication::processEvents();
}

QSlider& slider_of(const zav::Window& window, zav::ui::QtPlatform& platform, const char* name) {
  return *platform.widget_of(window)->findChild<QSlider*>(name);
}

// The special events editor's chance stepped with the campaign editor and all eight section
// editors open, every list of names filled.
void action_with_nine_windows(benchmark::State& state) {
  Run run;
  LoadedCampaign campaign(run, false);
  run.platform.show(campaign.editor);
  std::vector<std::unique_ptr<zav::Window>> sections;
  sections.push_back(section<zav::FrmCSetup>(run));
  sections.push_back(section<zav::FrmCPhases>(run));
  sections.push_back(section<zav::FrmCPlanes>(run));
  for (const auto side : {zav::kGermanForces, zav::kAlliedForces}) {
    auto forces = std::make_unique<zav::FrmCSideForces>(side, run.globals, run.platform,
                                                         run.registry);
    forces->open();
    sections.push_back(std::move(forces));
  }
  sections.push_back(section<zav::FrmCSpecialEvents>(run));
  sections.push_back(section<zav::FrmCSpecialMissions>(run));
  sections.push_back(section<zav::FrmCV1Missions>(run));
  for (const auto& window : sections) run.platform.show(*window);
  QSlider& chance = slider_of(*sections[5], run.platform, "sld_se_chance");
  QApplication::processEvents();
  int step = 0;
  for (auto _ : state) step_slider(chance, ++step);
}

// A morale slider stepped in the squadron editor on a base file of 25 squadrons.
void action_in_squadron_editor(benchmark::State& state) {
  Run run;
  const std::unique_ptr<zav::Window> editor = file_editor<zav::FrmSquadron>(run);
  run.platform.show(*editor);
  QSlider& morale = slider_of(*editor, run.platform, "sld_morale");
  QApplication::processEvents();
  int step = 0;
  for (auto _ : state) step_slider(morale, ++step);
}

// The yardstick of an action: the same step on a bare slider, whose number a label beside it
// shows, in a window of its own.
void action_on_bare_widgets(benchmark::State& state) {
  QWidget window;
  auto* slider = new QSlider(Qt::Horizontal, &window);
  auto* number = new QLabel(&window);
  auto* row = new QHBoxLayout(&window);
  row->addWidget(slider);
  row->addWidget(number);
  slider->setRange(0, 255);
  QObject::connect(slider, &QSlider::valueChanged, number,
                   [number](int value) { number->setNum(value); });
  window.show();
  QApplication::processEvents();
  int step = 0;
  for (auto _ : state) step_slider(*slider, ++step);
}

BENCHMARK(action_with_nine_windows)->Unit(benchmark::kMillisecond);
BENCHMARK(action_in_squadron_editor)->Unit(benchmark::kMillisecond);
BENCHMARK(action_on_bare_widgets)->Unit(benchmark::kMillisecond);
BENCHMARK(problem_list_after_edit)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(action_beside_problem_list)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(open_main_window)->Unit(benchmark::kMillisecond);
BENCHMARK(open_mission_editor)->Unit(benchmark::kMillisecond);
BENCHMARK(open_squadron_editor)->Unit(benchmark::kMillisecond);
BENCHMARK(open_campaign_editor)->Unit(benchmark::kMillisecond);
BENCHMARK(open_campaign_setup)->Unit(benchmark::kMillisecond);
BENCHMARK(open_campaign_phases)->Unit(benchmark::kMillisecond);
BENCHMARK(open_plane_types)->Unit(benchmark::kMillisecond);
BENCHMARK(open_german_forces)->Unit(benchmark::kMillisecond);
BENCHMARK(open_special_events_editor)->Unit(benchmark::kMillisecond);
BENCHMARK(open_special_missions_editor)->Unit(benchmark::kMillisecond);
BENCHMARK(open_v1_speech)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
