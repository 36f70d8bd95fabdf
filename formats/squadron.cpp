#include "squadron.h"

#include <algorithm>

namespace zav {

void reset(SquadronTable& table) {
  table = SquadronTable{};
}

bool add_squadron(SquadronTable& table) {
  if (table.count >= SquadronTable::kMaxSquadrons) return false;
  ++table.count;
  return true;
}

bool delete_squadron(SquadronTable& table, int& current) {
  if (table.count <= 1 || current < 1 || current > table.count) return false;
  const int last = table.count - 1;
  for (int slot = current - 1; slot < last; ++slot) table.slots[slot] = table.slots[slot + 1];
  if (table.count < SquadronTable::kMaxSquadrons) table.slots[last] = table.slots[last + 1];
  --table.count;
  current = std::min(current, table.count);
  return true;
}

}  // namespace zav
