#pragma once

#include <array>
#include <cstddef>
#include <tuple>

#include "formats/campaign.h"
#include "formats/squadron.h"
#include "model/name_tables.h"
#include "model/record_field.h"

// The lists that the editors fill from the name tables, shared by the fields of several
// records.
namespace zav {

// The name tables a list can show.
enum class Names { weapons, planes, places, airfields };

// A list of one table's names, the entry at position n standing for n; `extra`, when given,
// is one entry more after the names.
struct NameList : Range {
  Names names;
  std::string_view extra = {};
};

// A list of places, or -1 where none is chosen.
struct PlaceOrNone : NameList {
  static constexpr int none_chosen = -1;
};

// The plane names, then an entry `none` for 255.
struct PlaneOrNone : Choices<std::tuple_size_v<PlaneNames> + 1> {
  std::string_view none;
};

}  // namespace zav

namespace zav::fields {

inline constexpr int kPlaces = std::tuple_size_v<PlaceNames>;
inline constexpr int kPlanes = std::tuple_size_v<PlaneNames>;
inline constexpr int kWeapons = std::tuple_size_v<WeaponNames>;
inline constexpr int kAirfields = std::tuple_size_v<AirfieldNames>;
static_assert(kForwardBase == kAirfields, "the forward base follows the last airfield");

inline constexpr NameList kPlaceList{{0, kPlaces - 1, "the place list"}, Names::places};
inline constexpr NameList kPlaneList{{0, kPlanes - 1, "the plane list"}, Names::planes};
inline constexpr NameList kWeaponList{{0, kWeapons - 1, "the weapon list"}, Names::weapons};
inline constexpr NameList kBaseList{{0, kForwardBase, "the airfields and the forward base (162)"},
                                    Names::airfields,
                                    "FORWARD BASE"};

constexpr PlaneOrNone plane_or(std::string_view none) {
  PlaneOrNone list{{{}, "names no aircraft (0 to 29, or 255 for none)"}, none};
  for (int p = 0; p < kPlanes; ++p) list.values[static_cast<std::size_t>(p)] = p;
  list.values.back() = PlaneType::kNone;
  return list;
}
inline constexpr PlaneOrNone kPlaneOrNoAircraft = plane_or("NO AIRCRAFT");
inline constexpr PlaneOrNone kPlaneOrNoReplacement = plane_or("NO REPLACEMENT");

}  // namespace zav::fields
