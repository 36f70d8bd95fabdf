#pragma once

#include "formats/campaign.h"
#include "formats/mission.h"
#include "formats/squadron.h"
#include "model/name_tables.h"

namespace zav {

// What the windows of one run share. Nothing here is cleared while the program runs; loads
// overwrite it.
struct Globals {
  NameTables names;

  Campaign campaign;
  bool campaign_open = false;  // a campaign was loaded: a further load asks to save first
  Campaign campaign_as_saved;  // the campaign as last loaded or saved

  // Whether the campaign holds changes that were never saved.
  bool campaign_unsaved() const { return campaign_open && campaign != campaign_as_saved; }

  Mission mission;
  bool mission_save_prompt = false;  // loading another mission asks to save first

  SquadronTable squadrons;  // filled afresh from sqbasic.dat by every opening of its editor
};

}  // namespace zav
