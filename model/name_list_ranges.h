#pragma once

#include <array>
#include <cstddef>
#include <tuple>

#include "formats/campaign.h"
#include "formats/squadron.h"
#include "model/name_tables.h"
#include "model/record_field.h"

// The ranges of the lists that the editors fill from the name tables, shared by the fields of
// several records.
namespace zav::fields {

inline constexpr int kPlaces = std::tuple_size_v<PlaceNames>;
inline constexpr int kPlanes = std::tuple_size_v<PlaneNames>;
inline constexpr int kWeapons = std::tuple_size_v<WeaponNames>;
inline constexpr int kAirfields = std::tuple_size_v<AirfieldNames>;
static_assert(kForwardBase == kAirfields, "the forward base follows the last airfield");

inline constexpr Range kPlaceList{0, kPlaces - 1, "the place list"};
inline constexpr Range kPlaneList{0, kPlanes - 1, "the plane list"};
inline constexpr Range kWeaponList{0, kWeapons - 1, "the weapon list"};
// The airfields, then "FORWARD BASE".
inline constexpr Range kBaseList{0, kForwardBase, "the airfields and the forward base (162)"};

// The plane names, then "NO AIRCRAFT" or "NO REPLACEMENT" for 255.
inline constexpr Choices<kPlanes + 1> kPlaneOrNone = [] {
  Choices<kPlanes + 1> list{{}, "names no aircraft (0 to 29, or 255 for none)"};
  for (int p = 0; p < kPlanes; ++p) list.values[static_cast<std::size_t>(p)] = p;
  list.values.back() = PlaneType::kNone;
  return list;
}();

}  // namespace zav::fields
