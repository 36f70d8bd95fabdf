#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>
#include <tuple>
#include <type_traits>

// How a record field is described, once, for everything that names it or bounds it: the
// editors' spins and lists, the text form of the `zav` tool and the rules of `zav check`.
//
// Naming: each field is a constant in `zav::fields` named after its record and its member,
// `<record>_<member>`, the record being its type's name in lower case with underscores
// (CampaignSetup is shortened to `setup`): `fields::setup_num_sqns`,
// `fields::special_mission_formation`, `fields::weapon_load_number`. A record's fields in
// record order are `fields::<record>_fields`. A field derives from what it says about its
// values, so its range reads as `fields::setup_num_sqns.low` and `.high`, a list of values as
// `fields::special_mission_formation.values`.
namespace zav {

// A field that no editor bounds: every value it can hold is one the editors produce or keep.
struct AnyValue {};

// The values the editors produce, `low` to `high`. `what` names them in `zav check`'s
// sentence "V is outside LOW to HIGH, WHAT": "the month list", "the range of its spinner".
struct Range {
  int low;
  int high;
  std::string_view what;
  int step = 1;  // of the spin or slider that produces them

  constexpr bool contains(int value) const { return value >= low && value <= high; }
};

// A pick list of fixed texts whose entries stand for `low` onwards, in list order.
template <std::size_t N>
struct Listed : Range {
  std::array<std::string_view, N> texts;
};

// A pick list of numbers: the entries show `first_shown` onwards and stand for `low` onwards
// ("1" to "31" for the day less one, 0 to 30).
struct Numbered : Range {
  int first_shown;
};

// A count or number bounded by what the records hold, from 0 to `high`; `what` names the
// bound in the sentence "V is above HIGH, WHAT": "the number of phases a campaign holds".
struct Limit {
  static constexpr int low = 0;
  int high;
  std::string_view what;

  constexpr bool contains(int value) const { return value >= low && value <= high; }
};

// A pick list whose entries stand for the stored `values`, in list order, where no offset
// describes them. `what` completes the sentence after the value: "V is no formation (...)".
template <std::size_t N>
struct Choices {
  std::array<int, N> values;
  std::string_view what;
  std::array<std::string_view, N> texts{};  // the list's entries, where it shows fixed texts

  constexpr bool contains(int value) const {
    return std::find(values.begin(), values.end(), value) != values.end();
  }
};

// A target-type code of the target-type list (model/target_types.h).
struct TargetTypeCode {
  std::string_view what = "the target-type list";
};
// A target-type code, or -1 where none is chosen.
struct TargetTypeOrNone : TargetTypeCode {
  static constexpr int none_chosen = -1;
};

// The range of a spin whose box also stores typed numbers beyond it, as far as the field
// holds: every stored value is one the editors produce.
struct TypedSpin {
  int low;
  int high;
  int step = 1;
};

// A member that is itself a record, or an array of records: its fields.
template <class List>
struct Nested {
  List fields;
};

template <class List>
Nested(List) -> Nested<List>;

// An array member: the field describes each of its entries.
template <class T>
struct IsArray : std::false_type {};
template <class T, std::size_t N>
struct IsArray<std::array<T, N>> : std::true_type {};

template <class Record, class Value, class Values = AnyValue>
struct Field : Values {
  // How many entries of an array member are in use; null when all are.
  using InUse = std::size_t (*)(const Record&);

  constexpr Field(std::string_view field_name, Value Record::*field_member, Values values = {},
                  std::type_identity_t<InUse> entries_in_use = nullptr)
      : Values(values), name(field_name), member(field_member), in_use(entries_in_use) {}

  // What the field says of its values, for choosing among rules by its kind.
  constexpr const Values& values_of() const { return *this; }

  std::string_view name;  // the member's name in the text form, and in `zav check`'s paths
  Value Record::*member;
  InUse in_use;
};

template <class... F>
constexpr auto field_list(F... list) {
  return std::tuple<F...>(list...);
}

// Shared by fields of several records.
namespace fields {

inline constexpr std::string_view kSpinner = "the range of its spinner";
inline constexpr std::string_view kSlider = "the range of its slider";

inline constexpr Listed<12> kMonthList{
    {0, 11, "the month list"},
    {"January", "February", "March", "April", "May", "June", "July", "August", "September",
     "October", "November", "December"}};
inline constexpr Numbered kDayList{{0, 30, "the day list"}, 1};  // the day of the month less one
inline constexpr Range kCheckBox{0, 1, "the clear (0) and set (1) of its check box"};
inline constexpr Range kByteSlider{0, 255, kSlider};
inline constexpr Range kByteSpinner{0, 255, kSpinner};
inline constexpr Range kByteBox{0, 255, "the numbers its box takes"};

}  // namespace fields
}  // namespace zav
