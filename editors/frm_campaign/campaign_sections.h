#pragma once

#include <memory>
#include <string_view>

#include "editors/platform.h"
#include "editors/section_editor.h"
#include "editors/window_registry.h"
#include "model/globals.h"

namespace zav {

// A section of the campaign as the campaign editor opens it: the member of the campaign record
// it edits, as `zav` names it, what one entry of its table is called, and its editor.
struct CampaignSection {
  std::string_view member;      // "special_missions"
  std::string_view entry_noun;  // "mission", for "mission 1"; empty for a section of one record
  std::string_view form_name;
  std::unique_ptr<SectionEditor> (*make)(Globals&, Platform&, WindowRegistry&);
};

// The section that edits `member`; null for none.
const CampaignSection* section_of(std::string_view member);

}  // namespace zav
