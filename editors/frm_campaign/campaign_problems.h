#pragma once

#include <cstddef>
#include <map>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "editors/frm_campaign/campaign_sections.h"
#include "editors/platform.h"
#include "editors/problem_list.h"
#include "editors/window_registry.h"
#include "formats/campaign.h"
#include "model/globals.h"

namespace zav {

// The problems of the campaign held, as `zav check` finds them, each in the words of the
// section editor that mends it. After an edit they are found again only in the parts of the
// campaign it changed (an entry of a table, the forces of a side), so that the list costs what
// the edit changed; a change of the setup, whose counts and lengths the other parts are held
// to, finds them all again.
class CampaignProblems {
 public:
  CampaignProblems(Globals& globals, Platform& platform, WindowRegistry& registry)
      : globals_(globals), platform_(platform), registry_(registry) {}

  // Finds the problems again where the campaign changed since the last time; false when it
  // did not change.
  bool update();
  // The problems found, in the order of `zav check`.
  const std::vector<ListedProblem>& listed() const { return listed_; }
  // The next update finds them all again.
  void forget() { checked_.reset(); }

 private:
  // A part of the campaign checked as one: its member, its entry (-1 for a member of one
  // record), where its bytes lie in the record, and what was found in it.
  struct Part {
    std::string_view member;
    int entry;
    std::size_t offset;
    std::size_t size;
    std::vector<ListedProblem> found;
  };

  // The campaign's parts in use, in record order, nothing found in them yet.
  static std::vector<Part> parts_of(const Campaign& campaign);
  // The editor of `section`, never shown, showing `entry`, so that each field is named as its
  // label reads for that entry (a trigger's parameter is named after the trigger).
  SectionEditor& labelling(const CampaignSection& section, int entry);

  Globals& globals_;
  Platform& platform_;
  WindowRegistry& registry_;
  std::optional<Campaign> checked_;  // the campaign as last checked
  std::vector<Part> parts_;
  std::vector<ListedProblem> listed_;
  std::map<std::string_view, std::unique_ptr<SectionEditor>> labelling_;
};

}  // namespace zav
