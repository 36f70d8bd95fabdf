#pragma once

#include "formats/target_file.h"
#include "model/name_list_ranges.h"
#include "model/record_field.h"

// The fields of the target file that are read (naming: model/record_field.h). No editor
// changes them; the ranges are those of the tables they index.
namespace zav::fields {

inline constexpr Field target_record_place{"place", &TargetRecord::place, kPlaceList};
inline constexpr Field target_record_airfield{
    "airfield", &TargetRecord::airfield,
    Range{0, kAirfields, "the airfield numbers (0 for a target that is no airfield)"}};

inline constexpr auto target_record_fields =
    field_list(target_record_place, target_record_airfield);

inline constexpr Field target_file_records{"records", &TargetFile::records,
                                           Nested{target_record_fields}};

inline constexpr auto target_file_fields = field_list(target_file_records);

}  // namespace zav::fields
