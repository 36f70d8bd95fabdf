// How long opening an editor takes: the window logic's open, building its widget and showing
// it. The mission editor has eight rows of three 30-entry plane lists; the squadron editor
// 13 lists of 30 to 163 entries, 32 check boxes and 36 spin boxes, over 25 squadrons.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <filesystem>
#include <fstream>
#include <string>

#include "editors/frm_mission/frm_mission.h"
#include "editors/frm_squadron/frm_squadron.h"
#include "formats/squadron_file.h"
#include "model/globals.h"
#include "ui/form_factory.h"
#include "ui/qt_platform.h"

namespace {

zav::Globals named_globals() {
  zav::Globals globals;
  for (int i = 0; i < 30; ++i) globals.names.plane_names[i] = "Plane type " + std::to_string(i);
  for (int i = 0; i < 162; ++i) globals.names.airfield_names[i] = "Airfield " + std::to_string(i);
  return globals;
}

template <class Editor>
void open_editor(benchmark::State& state, zav::ui::QtPlatform& platform) {
  zav::Globals globals = named_globals();
  for (auto _ : state) {
    Editor editor(globals, platform);
    editor.open();
    const std::unique_ptr<zav::ui::FormWidget> widget = zav::ui::make_form_widget(editor);
    widget->show();
    benchmark::DoNotOptimize(widget.get());
  }
}

void open_mission_editor(benchmark::State& state) {
  zav::ui::QtPlatform platform;
  open_editor<zav::FrmMission>(state, platform);
}
BENCHMARK(open_mission_editor)->Unit(benchmark::kMillisecond);

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

void open_squadron_editor(benchmark::State& state) {
  BaseFolderPlatform platform;
  open_editor<zav::FrmSquadron>(state, platform);
}
BENCHMARK(open_squadron_editor)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
