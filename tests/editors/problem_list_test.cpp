// The problem lists of the campaign, squadron and mission editors: what `zav check` finds, in
// the words of the windows that mend it, and a way there.
#include "editors/problem_list.h"

#include "editors/frm_c_phases/frm_c_phases.h"
#include "editors/frm_c_specialmissions/frm_c_specialmissions.h"
#include "editors/scripted_platform.h"
#include "model/field_walk.h"
#include "model/record_checks.h"
#include "problem_records.h"
#include "squadron_bytes.h"

namespace zav::testing {
namespace {

class ProblemListTest : public EditorTest {
 protected:
  // Loads `campaign` in the campaign editor, opened from the main window.
  FrmCampaign& campaign_editor(const Campaign& campaign) {
    EXPECT_FALSE(save_campaign(dir / "camp1.dat", campaign));
    main.cmd_camp.click();
    FrmCampaign& editor = *registry.find<FrmCampaign>();
    platform.will(dir / "camp1.dat");
    editor.cmd_cload.click();
    return editor;
  }

  // The squadron editor with a file of a clean squadron and one with problems loaded.
  FrmSquadron& squadron_editor() {
    platform.folder = dir.path();
    write_bytes(dir / "sqbasic.dat", base_file_bytes(SquadronTable{}));
    squadrons_.open();
    SquadronTable table;
    table.count = 2;
    table.slots[0] = clean_squadron();
    table.slots[1] = squadron_with_problems();
    EXPECT_FALSE(save_squadrons(dir / "sq1.dat", table));
    platform.will(dir / "sq1.dat");
    squadrons_.cmd_sload.click();
    return squadrons_;
  }

  // The list a window shows once the desktop has brought it up to date.
  static const Texts& listed(Window& window, const ProblemList& problems) {
    window.catch_up();
    return problems.lst_problems.entries.texts();
  }

 private:
  FrmSquadron squadrons_{globals, platform};
};

// Each entry says what `zav check` says after its path, and names the field by the words of
// its window, never by a path of the file.
void expect_agree(const Texts& listed, const Texts& checked) {
  ASSERT_EQ(listed.size(), checked.size());
  for (std::size_t i = 0; i < listed.size(); ++i) {
    const std::string reason = checked[i].substr(checked[i].find(": ") + 2);
    EXPECT_TRUE(listed[i].ends_with(": " + reason)) << listed[i] << "\n" << checked[i];
    const std::string place = listed[i].substr(0, listed[i].size() - reason.size());
    EXPECT_EQ(place.find_first_of("_["), std::string::npos) << listed[i];
  }
}

TEST_F(ProblemListTest, EachEditorListsWhatZavCheckFindsInItsOwnWordsAndFollowsEveryChange) {
  FrmCampaign& campaign = campaign_editor(campaign_with_problems());
  const Texts& in_campaign = listed(campaign, campaign.problems);
  expect_agree(in_campaign, kCampaignProblems);
  EXPECT_EQ(campaign.problems.lst_problems.label, "23 problems the game may trip on:");
  for (const char* entry :
       {"Campaign Setup Information, Commencement Month: 12 is outside 0 to 11, the month list",
        "Campaign Phases, phase 2, Loss Parameter: 8 is above 7, the phase length, where its "
        "slider ends for a Date condition",
        "Special Events, event 1, Trigger Parameter: 25 is outside 0 to 24, what \"When Campaign "
        "Phase is =>\" offers",
        "Special Missions, mission 1, Special Event for SUCCESS: names special event 3, but the "
        "campaign has 2 special events"}) {
    EXPECT_NE(std::find(in_campaign.begin(), in_campaign.end(), entry), in_campaign.end()) << entry;
  }

  // The list follows every change, found again only where the change was, and stays what the
  // whole check finds: a section editor's Update, a step, a change of the setup's counts, an
  // undo.
  const auto expect_checked = [&](std::size_t count) {
    Texts checked;
    for (const FieldProblem& problem : check_campaign(globals.campaign.record()))
      checked.push_back(problem.message());
    expect_agree(listed(campaign, campaign.problems), checked);
    EXPECT_EQ(checked.size(), count);
  };
  auto& missions = open_section<FrmCSpecialMissions>();
  enter(missions, missions.txt_sesuccess, "2");
  missions.cmd_update.click();
  expect_checked(kCampaignProblems.size() - 1);
  auto& phases = open_section<FrmCPhases>();
  phases.txt_currphase.spin_to(2);
  phases.cbo_wc.choose(0);
  phases.txt_currphase.spin_to(1);
  expect_checked(kCampaignProblems.size() - 2);
  hold(globals.campaign, [](Campaign& c) { c.setup.num_spm = 1; });
  expect_checked(kCampaignProblems.size() - 4);  // the count's, and mission 32's trigger
  globals.campaign.edit([](Campaign& c) { c.special_missions[0].hour = 23; });
  expect_checked(kCampaignProblems.size() - 5);
  campaign.undo();
  expect_checked(kCampaignProblems.size() - 4);

  // A clean campaign, or none shown, lists nothing.
  platform.will(MessageAnswer::no, dir / "clean.dat");
  ASSERT_FALSE(save_campaign(dir / "clean.dat", clean_campaign()));
  campaign.cmd_cload.click();
  EXPECT_TRUE(listed(campaign, campaign.problems).empty());
  EXPECT_EQ(campaign.problems.lst_problems.label, "No problems found");

  FrmSquadron& squadrons = squadron_editor();
  expect_agree(listed(squadrons, squadrons.problems), kSquadronProblems);
  EXPECT_EQ(squadrons.problems.lst_problems.entries.back(),
            "Squadron 2, Weapons: row 1 number: 610 is outside 0 to 600, the range of its spinner");
  squadrons.txt_currsqn.spin_to(2);
  squadrons.cbo_weapon[0].choose(3);  // a weapon of the list now
  EXPECT_EQ(listed(squadrons, squadrons.problems).size(), kSquadronProblems.size() - 1);

  FrmMission mission{globals, platform};
  mission.open();
  hold(globals.mission, [](Mission& m) { m = mission_with_problems(); });
  expect_agree(listed(mission, mission.problems), kMissionProblems);
  EXPECT_EQ(mission.problems.lst_problems.entries.front(),
            "Fighters: # Planes: 9 is above 8, the number of rows a group holds");
}

TEST_F(ProblemListTest, OpeningAProblemGoesToItsEntryWithTheFieldFocusedOnceTheShownEntryIsStored) {
  FrmCampaign& campaign = campaign_editor(campaign_with_problems());
  const auto open_problem = [&](std::string_view starting) {
    campaign.catch_up();
    const Texts& entries = campaign.problems.lst_problems.entries.texts();
    const auto found = std::find_if(entries.begin(), entries.end(),
                                    [&](const std::string& e) { return e.starts_with(starting); });
    ASSERT_NE(found, entries.end()) << starting;
    campaign.problems.lst_problems.open(static_cast<int>(found - entries.begin()));
  };

  // Phase 1 is on screen with a change not stored yet: going to phase 2 stores it first.
  auto& phases = open_section<FrmCPhases>();
  phases.sld_germanproduction.move(12);
  platform.window_events.clear();
  open_problem("Campaign Phases, phase 2, Win Condition");
  EXPECT_EQ(phases.current_phase(), 1);
  EXPECT_EQ(phases.txt_currphase.text, "2");
  EXPECT_EQ(globals.campaign.record().phases[0].german_production, 12);
  EXPECT_EQ(platform.window_events,
            (Texts{"bring_forward frm_c_phases", "focus frm_c_phases cbo_wc"}));

  // A section editor not open yet opens at the entry.
  platform.window_events.clear();
  open_problem("Special Missions, mission 32, Mission Trigger");
  auto* missions = registry.find<FrmCSpecialMissions>();
  ASSERT_NE(missions, nullptr);
  EXPECT_EQ(missions->current_mission(), 31);
  EXPECT_EQ(platform.window_events,
            (Texts{"show frm_c_specialmissions", "focus frm_c_specialmissions cbo_smtrigger"}));

  // Text that cannot be stored keeps the editor where it is.
  missions->txt_altitude.type("x");
  platform.window_events.clear();
  open_problem("Special Missions, mission 1, Hour");
  EXPECT_EQ(missions->current_mission(), 31);
  EXPECT_TRUE(holds(error_text(), "Altitude (ft)"));

  FrmSquadron& squadrons = squadron_editor();
  squadrons.catch_up();
  platform.window_events.clear();
  squadrons.problems.lst_problems.open(3);
  EXPECT_EQ(squadrons.current(), 2);
  EXPECT_EQ(squadrons.txt_currsqn.text, "2");
  EXPECT_EQ(platform.window_events, Texts{"focus frm_squadron txt_numpilots"});
}

// Every value the rules can name has a control to show it in its window, so that no problem is
// named by a path of the file or left with nowhere to go.
TEST_F(ProblemListTest, EveryFieldInUseHasItsControl) {
  Campaign campaign = clean_campaign();
  campaign.setup.num_phases = 25;
  campaign.setup.num_plane_types = 30;
  campaign.setup.num_spev = 32;
  campaign.setup.num_spm = 32;
  Texts missing;
  // Whether `values` is what a field with no rule says of them.
  const auto free = [](const auto& values) {
    return std::is_same_v<std::remove_cvref_t<decltype(values)>, AnyValue>;
  };
  walk_values(campaign, fields::campaign_fields, FieldPath(""), Entries::in_use,
              [&](const FieldPath& at, int, const auto& values, const auto&) {
                const std::string path = at.text();
                const ProblemPlace place = place_of(path);
                const auto editor = section_of(place.member)->make(globals, platform, registry);
                if (!free(values) && !editor->control_at(place.field)) missing.push_back(path);
              });
  FrmSquadron squadron{globals, platform};
  walk_values(Squadron{}, fields::squadron_fields, FieldPath(""), Entries::all,
              [&](const FieldPath& at, int, const auto& values, const auto&) {
                if (!free(values) && !squadron.control_at(at.text())) missing.push_back(at.text());
              });
  FrmMission mission{globals, platform};
  walk_values(Mission{}, fields::mission_fields, FieldPath(""), Entries::all,
              [&](const FieldPath& at, int, const auto& values, const auto&) {
                if (!free(values) && !mission.control_at(at.text())) missing.push_back(at.text());
              });
  EXPECT_EQ(missing, Texts{});
}

}  // namespace
}  // namespace zav::testing
