#include "editors/target_type_list.h"

#include "model/target_types.h"

namespace zav {

void fill_target_types(PickList& list) {
  list.entries.clear();
  list.values = {};
  for (const TargetType& type : kTargetTypes) {
    list.entries.emplace_back(type.text);
    list.values.table.push_back(type.code);
  }
  constexpr int kRadarTowerOldCode = 22;
  list.values.aliases = {{kRadarTowerOldCode, *target_position_for_code(kRadarTowerOldCode)}};
}

}  // namespace zav
