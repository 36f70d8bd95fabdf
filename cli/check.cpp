#include "check.h"

#include <type_traits>
#include <variant>

#include "model/record_checks.h"

namespace zav::cli {

FieldProblems check_data_file(const DataFile& file) {
  return std::visit(
      [](const auto& record) -> FieldProblems {
        using Record = std::remove_cvref_t<decltype(record)>;
        if constexpr (std::is_same_v<Record, Campaign>) return check_campaign(record);
        if constexpr (std::is_same_v<Record, SquadronTable>) return check_squadrons(record);
        if constexpr (std::is_same_v<Record, Mission>) return check_mission(record);
        if constexpr (std::is_same_v<Record, TargetFile>) return check_targets(record);
        // A string file holds texts only; reading it is all there is to check.
        return {};
      },
      file);
}

}  // namespace zav::cli
