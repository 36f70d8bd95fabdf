// Thousands of random user actions on the windows' logic, from a fixed seed: every kind of
// control, steps, Update, Close, Add New, Delete, loads and saves of other files, undo and
// redo. ZAV_RANDOM_ACTIONS=100000 asks for a longer run than the one every test run makes, and
// ZAV_RANDOM_SEED for other actions than the fixed seed's.
#include <cstdlib>
#include <random>

#include "editors/frm_c_forces/frm_c_forces.h"
#include "editors/frm_c_phases/frm_c_phases.h"
#include "editors/frm_c_planes/frm_c_planes.h"
#include "editors/frm_c_specialevents/frm_c_specialevents.h"
#include "editors/frm_c_specialmissions/frm_c_specialmissions.h"
#include "editors/scripted_platform.h"
#include "formats/mission_file.h"
#include "formats/squadron_file.h"
#include "squadron_bytes.h"

namespace zav::testing {
namespace {

// A number the environment may set, or `otherwise`.
int environment_number(const char* name, int otherwise) {
  const char* given = std::getenv(name);
  return given ? std::atoi(given) : otherwise;
}

// The controls of one window that the user can work.
struct Controls {
  std::vector<Button*> buttons;
  std::vector<PickList*> lists;
  std::vector<Slider*> sliders;
  std::vector<CheckBox*> checks;
  std::vector<OptionGroup*> options;
  std::vector<TextBox*> boxes;
  std::vector<NumberBox*> spins;

  void add(Button& c) { buttons.push_back(&c); }
  void add(PickList& c) { lists.push_back(&c); }
  void add(Slider& c) { sliders.push_back(&c); }
  void add(CheckBox& c) { checks.push_back(&c); }
  void add(OptionGroup& c) { options.push_back(&c); }
  void add(TextBox& c) { boxes.push_back(&c); }
  void add(NumberBox& c) {
    boxes.push_back(&c);
    spins.push_back(&c);
  }
  template <class C, std::size_t N>
  void add(std::array<C, N>& row) {
    for (C& c : row) add(c);
  }
  template <class... C>
  Controls& with(C&... controls) {
    (add(controls), ...);
    return *this;
  }
};

Controls controls_of(FrmCampaign& w) {
  return Controls{}.with(w.cmd_setup, w.cmd_phases, w.cmd_planes, w.cmd_gf, w.cmd_af, w.cmd_events,
                         w.cmd_missions, w.cmd_v1missions, w.cmd_cload, w.cmd_csave, w.cmd_close);
}
Controls controls_of(FrmCSetup& w) {
  return Controls{}.with(w.cbo_starty, w.cbo_startm, w.cbo_startd, w.cbo_language, w.cbo_attackside,
                         w.cbo_camptype, w.cbo_attackbase, w.cbo_attackcapital, w.cbo_defendcapital,
                         w.txt_numsqns, w.txt_numspev, w.txt_numspm, w.txt_numphases,
                         w.txt_phaselength, w.txt_daysbetweenmissions, w.txt_numplanetypes,
                         w.cmd_update, w.cmd_close);
}
Controls controls_of(FrmCPhases& w) {
  return Controls{}.with(w.txt_currphase, w.cbo_wc, w.sld_wp, w.cbo_lc, w.sld_lp, w.us_production,
                         w.sld_germanproduction, w.sld_britishproduction, w.cbo_target_priority,
                         w.cmd_update, w.cmd_close);
}
Controls controls_of(FrmCPlanes& w) {
  return Controls{}.with(w.txt_currplane, w.cbo_planeslotnum, w.txt_pstartphase, w.txt_pendphase,
                         w.cbo_replacement, w.txt_planecount, w.txt_planeproduction,
                         w.txt_planestartpoints, w.cmd_update, w.cmd_close);
}
Controls controls_of(FrmCSideForces& w) {
  return Controls{}.with(w.txt_airstrength, w.txt_groundstrength, w.cbo_quality, w.sld_morale,
                         w.sld_repairpoints, w.sld_production, w.txt_factories, w.cmd_update,
                         w.cmd_close);
}
Controls controls_of(FrmCSpecialEvents& w) {
  return Controls{}.with(w.txt_specialeventnum, w.cbo_se_type, w.cbo_se_trigger, w.txt_se_trigger,
                         w.sld_se_chance, w.txt_se_par1, w.txt_se_par2, w.cmd_update, w.cmd_close);
}
Controls controls_of(FrmCSpecialMissions& w) {
  return Controls{}.with(
      w.txt_smnum, w.cbo_smtrigger, w.txt_sm_tp1, w.txt_sm_date, w.txt_sm_month, w.cbo_sm_year,
      w.sld_chance, w.cbo_sm_type, w.cbo_target_priority, w.txt_numtargets, w.cbo_targetlist,
      w.chk_sm_randomtime, w.txt_sm_hour, w.txt_sm_minute, w.cbo_weather, w.opt_speech, w.txt_other,
      w.chk_standardspeech, w.txt_sesuccess, w.txt_sefail, w.chk_secondaryflight,
      w.chk_secondaryflighttarget, w.cbo_formationtype, w.txt_altitude, w.cmd_update, w.cmd_close);
}
Controls controls_of(FrmCV1Missions& w) {
  return Controls{}.with(w.txt_attack, w.txt_escort, w.txt_intercept, w.txt_ground, w.cmd_update,
                         w.cmd_close);
}
Controls controls_of(FrmMission& w) {
  return Controls{}.with(w.cbo_fnum, w.cbo_fighter, w.sld_fc, w.cbo_anum, w.cbo_attack, w.sld_ac,
                         w.cbo_bnum, w.cbo_bomber, w.sld_bc, w.cmd_mload, w.cmd_msave, w.cmd_close);
}
Controls controls_of(FrmSquadron& w) {
  return Controls{}.with(
      w.txt_currsqn, w.cmd_newsqn, w.cmd_delsqn, w.cbo_sqnday, w.cbo_sqnmonth, w.cbo_sqnyear,
      w.txt_phasestart, w.cbo_base, w.cbo_plane, w.txt_numplanes, w.txt_numpilots, w.sld_morale,
      w.sld_skill, w.txt_sqningrp, w.txt_sing, w.txt_unitsprt, w.txt_unitname, w.txt_unitdesc,
      w.sld_escort, w.sld_sweep, w.sld_bomb, w.sld_intercept, w.sld_interdict, w.chk_special,
      w.cbo_weapon, w.txt_weaponphase, w.txt_weaponamount, w.cbo_moves, w.cbo_basemove,
      w.sld_moveprob, w.txt_movephase, w.cbo_changes, w.cbo_planechange, w.sld_changeprob,
      w.txt_changephase, w.cmd_sload, w.cmd_ssave, w.cmd_close);
}

// A user who answers every dialog and question at random, choosing among the files of the
// test's folder. Before each dialog, `before_dialog` runs.
class RandomUser : public ScriptedPlatform {
 public:
  FileChoice open_file(const FileDialog& dialog) override {
    before_dialog();
    const std::string kind = kind_of(dialog);
    const int pick = number(0, 3);
    if (pick == 3) return {};
    return {folder / (kind + "_" + std::to_string(pick) + ".dat")};
  }
  FileChoice save_file(const FileDialog& dialog) override {
    before_dialog();
    const std::string kind = kind_of(dialog);
    switch (number(0, 3)) {
      case 0:
        return {};
      case 1:
        return {folder / (kind + "_folder.dat")};  // a folder: the save fails
      default:
        saved.push_back(folder / (kind + "_saved.dat"));
        return {saved.back()};
    }
  }
  MessageAnswer show_message(const Message& message) override {
    if (message.buttons == MessageButtons::ok) return MessageAnswer::ok;
    constexpr MessageAnswer kAnswers[] = {MessageAnswer::yes, MessageAnswer::no,
                                          MessageAnswer::cancel};
    return kAnswers[number(0, 2)];
  }

  int number(int low, int high) { return std::uniform_int_distribution(low, high)(random_); }

  std::function<void()> before_dialog = [] {};
  std::vector<std::filesystem::path> saved;  // files a save was asked to write

 private:
  // "camp", "misn" or "sq", from the dialog's pattern ("camp*.dat").
  static std::string kind_of(const FileDialog& dialog) {
    const std::string pattern = dialog.filter.substr(dialog.filter.find('|') + 1);
    return pattern.substr(0, pattern.find('*'));
  }

  std::mt19937 random_{static_cast<std::uint32_t>(
      environment_number("ZAV_RANDOM_SEED", 20261207))};  // the same actions every run
};

// Text a user might type into a number box: numbers in and out of every range, and others.
std::string typed_text(RandomUser& user, const TextBox& box) {
  switch (user.number(0, 5)) {
    case 0:
      return std::to_string(user.number(box.minimum, std::max(box.minimum, box.maximum)));
    case 1:
      return std::to_string(user.number(-70000, 70000));
    case 2:
      return std::to_string(user.number(0, 300)) + ".7";
    case 3:
      return "";
    case 4:
      return "x" + std::to_string(user.number(0, 9));
    default:
      return box.text;  // typed again as shown
  }
}

class RandomUserTest : public Run<RandomUser> {
 protected:
  // Two files of each kind with random values, one too short to read, and a folder where a
  // save is refused. Values that showing puts right (a secondary-flight flag above 1, target
  // code 22) are left out, so that undoing every step gives back the file's very record.
  void make_files() {
    for (int n = 0; n < 2; ++n) {
      CampaignImage image;
      for (std::uint8_t& byte : image) byte = static_cast<std::uint8_t>(platform.number(0, 255));
      Campaign campaign = decode_campaign(image);
      for (SpecialMission& m : campaign.special_missions) {
        m.secondary_flight %= 2;
        m.secondary_same_target %= 2;
        if (m.target_priority == 22) m.target_priority = 21;
      }
      for (Phase& phase : campaign.phases) {
        for (std::uint8_t& code : phase.target_priority) code = code == 22 ? 21 : code;
      }
      ASSERT_FALSE(save_campaign(dir / ("camp_" + std::to_string(n) + ".dat"), campaign));
      MissionImage mission;
      for (std::uint8_t& byte : mission) byte = static_cast<std::uint8_t>(platform.number(0, 255));
      write_bytes(dir / ("misn_" + std::to_string(n) + ".dat"), {mission.begin(), mission.end()});
      SquadronTable table;
      table.count = platform.number(1, SquadronTable::kMaxSquadrons);
      for (Squadron& s : table.slots) {
        s.start_year = static_cast<std::int16_t>(platform.number(1935, 1950));
        s.home_base = static_cast<std::int16_t>(platform.number(0, 162));
        s.aircraft_type = static_cast<std::uint8_t>(platform.number(0, 40));
        s.morale = static_cast<std::uint8_t>(platform.number(0, 255));
        s.num_moves = static_cast<std::uint8_t>(platform.number(0, 6));
        s.weapons[0] = {.weapon = static_cast<std::uint8_t>(platform.number(0, 3)),
                        .phase = 1,
                        .number = static_cast<std::uint16_t>(platform.number(0, 700))};
      }
      ASSERT_FALSE(save_squadrons(dir / ("sq_" + std::to_string(n) + ".dat"), table));
      if (n == 0) write_bytes(dir / "sqbasic.dat", base_file_bytes(table));
    }
    for (const char* kind : {"camp", "misn", "sq"}) {
      write_bytes(dir / (std::string(kind) + "_2.dat"), std::vector<std::uint8_t>(20, 1));
      std::filesystem::create_directory(dir / (std::string(kind) + "_folder.dat"));
    }
  }

  // Every file a save wrote reads back as the record its document held when it was saved.
  void check_saves() {
    for (const std::filesystem::path& path : platform.saved) {
      if (!std::filesystem::exists(path)) continue;  // refused, and so not written
      const std::string name = path.filename().string();
      if (name.starts_with("camp")) {
        EXPECT_EQ(load_campaign(path).value(), globals.campaign.saved()) << name;
      } else if (name.starts_with("misn")) {
        EXPECT_EQ(load_mission(path).value(), globals.mission.saved()) << name;
      } else {
        const SquadronTable read = load_squadrons(path).value();
        const SquadronTable& held = globals.squadrons.saved();
        ASSERT_EQ(read.count, held.count);
        for (int s = 0; s < read.count; ++s) EXPECT_EQ(read.slots[s], held.slots[s]) << s;
      }
      std::filesystem::remove(path);
    }
    platform.saved.clear();
  }

  // What each document held when it was last started: a load, or an editor's opening.
  template <class Record>
  struct Started {
    Started(Document<Record>& document)
        : document(document), record(document.record()), watch(document.watch([this](Replaced how) {
            if (how == Replaced::by_file) record = this->document.record();
          })) {}
    Document<Record>& document;
    Record record;
    typename Document<Record>::Watch watch;
  };

  // Undoing every step gives back the record as started, and redoing as many the record as
  // edited (the user may have left steps undone); then a new history starts, so that no run
  // outgrows the history's bound.
  template <class Record>
  void undo_and_redo_everything(Started<Record>& started) {
    Document<Record>& document = started.document;
    const Record edited = document.record();
    int undone = 0;
    while (document.undo()) ++undone;
    EXPECT_EQ(document.record(), started.record);
    for (int step = 0; step < undone; ++step) EXPECT_TRUE(document.redo());
    EXPECT_EQ(document.record(), edited);
    document.start(edited, document.file());
  }

  // One action of the user in `window`: what was typed there is read first, as the desktop
  // does, and a refusal stops the action.
  void act(Window& window, Controls controls) {
    for (TextBox* box : controls.boxes) {
      if (box->typing && !window.finish_typing(*box)) return;
    }
    const auto usable = [](auto& all) {
      std::erase_if(all, [](const Control* c) { return !c->enabled || !c->visible; });
      return all.size();
    };
    const auto any = [this](auto& all) { return all[platform.number(0, int(all.size()) - 1)]; };
    switch (platform.number(0, 9)) {
      case 0:
        if (usable(controls.buttons)) any(controls.buttons)->click();
        break;
      case 1:
        if (usable(controls.lists)) {
          PickList* list = any(controls.lists);
          list->choose(platform.number(-1, static_cast<int>(list->entries.size())));
        }
        break;
      case 2:
        if (usable(controls.sliders)) {
          Slider* slider = any(controls.sliders);
          const int to = platform.number(slider->minimum - 3, slider->maximum + 3);
          if (platform.number(0, 3) == 0) slider->drag(to);
          slider->move(to);
        }
        break;
      case 3:
        if (usable(controls.checks)) any(controls.checks)->click(platform.number(0, 1) == 1);
        break;
      case 4:
        if (usable(controls.options)) {
          OptionGroup* group = any(controls.options);
          group->choose(platform.number(0, static_cast<int>(group->options.size()) - 1));
        }
        break;
      case 5:
      case 6:
        if (usable(controls.boxes)) {
          TextBox* box = any(controls.boxes);
          box->type(typed_text(platform, *box));
          if (platform.number(0, 3) != 0) window.finish_typing(*box);  // or left being typed
        }
        break;
      case 7:
        if (usable(controls.spins)) {
          NumberBox* spin = any(controls.spins);
          if (platform.number(0, 1) == 0) {
            spin->step_by(platform.number(-2, 2));
          } else {
            spin->spin_to(platform.number(spin->minimum, spin->maximum));
          }
        }
        break;
      case 8:
        if (platform.number(0, 1) == 0) {
          window.undo();
        } else {
          window.redo();
        }
        break;
      default:
        if (platform.number(0, 4) == 0) window.frame_close();
        break;
    }
  }

  // The windows the user can act in now, each with its controls.
  template <class... Editor>
  std::vector<std::pair<Window*, Controls>> open_ones() {
    std::vector<std::pair<Window*, Controls>> open{{&mission, controls_of(mission)},
                                                   {&squadron, controls_of(squadron)}};
    const auto add = [&](auto* editor) {
      if (editor) open.emplace_back(editor, controls_of(*editor));
    };
    (add(registry.find<Editor>()), ...);
    for (const SideForcesForm* side : {&kGermanForces, &kAlliedForces}) {
      add(registry.find<FrmCSideForces>(side->form_name));
    }
    return open;
  }
  std::vector<std::pair<Window*, Controls>> windows() {
    return open_ones<FrmCampaign, FrmCSetup, FrmCPhases, FrmCPlanes, FrmCSpecialEvents,
                     FrmCSpecialMissions, FrmCV1Missions>();
  }

  FrmMission mission{globals, platform};
  FrmSquadron squadron{globals, platform};
};

TEST_F(RandomUserTest, NothingBreaksEveryStepUndoesAndRedoesAndEverySaveReadsBack) {
  platform.folder = dir.path();
  make_files();
  platform.before_dialog = [this] { check_saves(); };
  Started<Campaign> campaign(globals.campaign);
  Started<Mission> mission_file(globals.mission);
  Started<SquadronTable> squadrons(globals.squadrons);
  mission.open();
  squadron.open();

  const int actions = environment_number("ZAV_RANDOM_ACTIONS", 5000);
  constexpr int kRun = 200;  // actions between checks; each makes at most one step
  for (int done = 0; done < actions && !HasFailure(); ++done) {
    if (!registry.find<FrmCampaign>()) main.cmd_camp.click();
    if (platform.number(0, 60) == 0) mission.open();
    if (platform.number(0, 60) == 0) squadron.open();
    const auto open = windows();
    const auto& [window, controls] = open[platform.number(0, static_cast<int>(open.size()) - 1)];
    act(*window, controls);
    check_saves();
    if ((done + 1) % kRun == 0) {
      undo_and_redo_everything(campaign);
      undo_and_redo_everything(mission_file);
      undo_and_redo_everything(squadrons);
    }
  }
}

}  // namespace
}  // namespace zav::testing
