#pragma once

#include "formats/campaign.h"
#include "formats/mission.h"
#include "formats/squadron.h"
#include "model/document.h"
#include "model/name_tables.h"

namespace zav {

// What the windows of one run share: the name tables and one document per kind of file.
// Nothing here is cleared while the program runs; loads replace the documents' records.
struct Globals {
  NameTables names;

  Document<Campaign> campaign;
  bool campaign_open = false;  // a campaign was loaded: a further load asks to save first

  Document<Mission> mission;
  bool mission_save_prompt = false;  // loading another mission asks to save first

  Document<SquadronTable> squadrons;  // started afresh from sqbasic.dat by its editor's opening
};

}  // namespace zav
