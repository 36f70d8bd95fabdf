#include "model/record_checks.h"

#include <string>
#include <tuple>

#include "model/campaign_fields.h"
#include "model/field_walk.h"
#include "model/mission_fields.h"
#include "model/squadron_fields.h"
#include "model/target_fields.h"
#include "model/target_types.h"

namespace zav {
namespace {

// Walks a record's list of fields and holds each value to what its field says the editors
// produce, collecting a sentence for every value that is not.
class Checker {
 public:
  // `num_spev` and `phase_length` bound the campaign fields that name an event or a day.
  Checker(FieldProblems& found, int num_spev = 0, int phase_length = 0)
      : found_(found), num_spev_(num_spev), phase_length_(phase_length) {}

  template <class Record, class... F>
  void check(const Record& record, const std::tuple<F...>& list, const std::string& path) const {
    walk_values(record, list, FieldPath(path), Entries::in_use,
                [this](const FieldPath& at, int value, const auto& values, const auto& holder) {
                  rule(at, value, values, holder);
                });
  }

 private:
  void add(const FieldPath& path, std::string sentence) const {
    found_.push_back({path.text(), std::move(sentence)});
  }

  template <class Record>
  void rule(const FieldPath&, int, const AnyValue&, const Record&) const {}

  template <class Record>
  void rule(const FieldPath&, int, const TypedSpin&, const Record&) const {}

  template <class Record>
  void rule(const FieldPath&, int, const EventParameter&, const Record&) const {}

  template <class Record>
  void rule(const FieldPath& path, int value, const Range& range, const Record&) const {
    if (!range.contains(value)) {
      add(path, std::to_string(value) + " is outside " + std::to_string(range.low) + " to " +
                    std::to_string(range.high) + ", " + std::string(range.what));
    }
  }

  template <class Record>
  void rule(const FieldPath& path, int value, const Limit& limit, const Record&) const {
    if (!limit.contains(value)) {
      add(path, std::to_string(value) + " is above " + std::to_string(limit.high) + ", " +
                    std::string(limit.what));
    }
  }

  template <std::size_t N, class Record>
  void rule(const FieldPath& path, int value, const Choices<N>& choices, const Record&) const {
    if (!choices.contains(value))
      add(path, std::to_string(value) + " " + std::string(choices.what));
  }

  template <class Record>
  void rule(const FieldPath& path, int code, const TargetTypeCode& list, const Record&) const {
    if (!target_position_for_code(code)) {
      add(path, "code " + std::to_string(code) + " has no entry in " + std::string(list.what));
    }
  }

  template <class Record>
  void rule(const FieldPath& path, int event, const SpecialEventNumber& number,
            const Record&) const {
    if (event != number.none && event > num_spev_) {
      add(path, "names special event " + std::to_string(event) + ", but the campaign has " +
                    std::to_string(num_spev_) +
                    (num_spev_ == 1 ? " special event" : " special events"));
    }
  }

  // A trigger's parameter beyond what its spin offers: a phase or a frontline that is not
  // there. A year or an air strength is kept as a byte, whatever the byte.
  void rule(const FieldPath& path, int value, const EventTriggerParameter&,
            const SpecialEvent& event) const {
    const TriggerLayout& trigger = trigger_layout(event.trigger);
    if (!trigger.shows_parameter || (value >= trigger.minimum && value <= trigger.maximum)) return;
    add(path, std::to_string(value) + " is outside " + std::to_string(trigger.minimum) + " to " +
                  std::to_string(trigger.maximum) + ", what \"" + std::string(trigger.text) +
                  "\" offers");
  }

  void rule(const FieldPath& path, int value, const ConditionParameter& parameter,
            const Phase& phase) const {
    if (phase.*parameter.condition == ConditionParameter::kDate && value > phase_length_) {
      add(path, std::to_string(value) + " is above " + std::to_string(phase_length_) +
                    ", the phase length, where its slider ends for a Date condition");
    }
  }

  FieldProblems& found_;
  int num_spev_;
  int phase_length_;
};

}  // namespace

FieldProblems check_campaign(const Campaign& c) {
  FieldProblems found;
  Checker(found, c.setup.num_spev, c.setup.phase_length).check(c, fields::campaign_fields, "");
  return found;
}

FieldProblems check_campaign_part(const Campaign& c, std::string_view member, int entry) {
  FieldProblems found;
  const Checker checker(found, c.setup.num_spev, c.setup.phase_length);
  std::apply(
      [&](const auto&... field) {
        const auto check_field = [&](const auto& f) {
          if (f.name != member) return;
          const auto& value = c.*f.member;
          if constexpr (IsArray<std::remove_cvref_t<decltype(value)>>::value) {
            const auto at = static_cast<std::size_t>(entry);
            checker.check(value[at], f.fields, element_path(std::string(f.name), at));
          } else {
            checker.check(value, f.fields, std::string(f.name));
          }
        };
        (check_field(field), ...);
      },
      fields::campaign_fields);
  return found;
}

FieldProblems check_squadrons(const SquadronTable& table) {
  FieldProblems found;
  for (int s = 0; s < table.count; ++s) {
    Checker(found).check(table.slots[static_cast<std::size_t>(s)], fields::squadron_fields,
                         element_path("squadrons", static_cast<std::size_t>(s)));
  }
  return found;
}

FieldProblems check_mission(const Mission& mission) {
  FieldProblems found;
  Checker(found).check(mission, fields::mission_fields, "");
  return found;
}

FieldProblems check_targets(const TargetFile& targets) {
  FieldProblems found;
  Checker(found).check(targets, fields::target_file_fields, "");
  return found;
}

}  // namespace zav
