#pragma once

#include <array>
#include <deque>
#include <functional>
#include <limits>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "editors/controls.h"
#include "editors/number_reading.h"
#include "formats/field_problem.h"
#include "model/campaign_fields.h"
#include "model/name_list_ranges.h"
#include "model/name_tables.h"
#include "model/record_field.h"

// Controls made from the record fields they edit. A window declares such a control by naming
// its field (`Bound<PickList> cbo_startm{form_, fields::setup_start_month, "cbo_startm", ...}`):
// the control takes its range, step, entries and the values they stand for, and its storage,
// from the field, and lists itself in the window's RecordForm, which displays a record in all
// of them and stores them back, so that neither is written out by hand.
namespace zav {

// The entry of an array member that a control edits: `targets` entry 3 is At{3}.
struct At {
  std::size_t index;
};

// The record, entry `index` of the array field `outer`, in which a control's field lies: a
// squadron's weapon load 3 is EntryOf{fields::squadron_weapons, 3}.
template <class Outer>
struct EntryOf {
  const Outer& outer;
  std::size_t index;
};

template <class Record>
class RecordForm {
 public:
  // How one listed control displays its field, reads it, stores it, and hears of changes.
  struct Entry {
    std::function<void(const Record&)> display;
    std::function<NumberReading()> read;  // a box's reading; none for other controls
    std::function<void(Record&)> store;
    std::function<void(const NameTables&)> fill;  // a list of names; none for other controls
    std::function<void(std::function<void()>)> when_changed;
    std::string path;  // of its field within the record, as `zav` names it: "targets[3]"
    Control* control;
  };

  RecordForm() = default;
  RecordForm(const RecordForm&) = delete;
  RecordForm& operator=(const RecordForm&) = delete;

  void add(Entry entry) {
    entries_.push_back(std::move(entry));
    name(entries_.back().path, *entries_.back().control);
  }
  // `control` edits the field at `path` of the record, though the window stores it by rules of
  // its own (a date packed into a byte, a view code chosen by options).
  void name(std::string path, Control& control) { places_.emplace_back(std::move(path), &control); }

  // The control that edits the field at `path` ("targets[3]"); null when none does.
  Control* control_at(std::string_view path) const {
    for (const auto& [at, control] : places_) {
      if (at == path) return control;
    }
    return nullptr;
  }

  // Fills the lists of names from the tables as they are now.
  void fill(const NameTables& names) const {
    for (const Entry& entry : entries_) {
      if (entry.fill) entry.fill(names);
    }
  }
  // Displays every field of `record` in its control.
  void display(const Record& record) const {
    for (const Entry& entry : entries_) entry.display(record);
  }
  // What every box gives its field, refusals included.
  std::vector<NumberReading> readings() const {
    std::vector<NumberReading> readings;
    for (const Entry& entry : entries_) {
      if (entry.read) readings.push_back(entry.read());
    }
    return readings;
  }
  // Stores every control into `record`, once no box is refused. A control that shows a stored
  // value it cannot hold keeps that value.
  void store(Record& record) const {
    for (const Entry& entry : entries_) entry.store(record);
  }
  // From now on each control stores its field as soon as the user changes it: `edit` is given
  // the change to make to the record, and makes it one step. The window may add to a control's
  // handler afterwards.
  void store_at_once(std::function<void(const std::function<void(Record&)>&)> edit) {
    for (const Entry& entry : entries_) {
      entry.when_changed([edit, &entry] { edit([&](Record& record) { entry.store(record); }); });
    }
  }

 private:
  std::deque<Entry> entries_;  // each stays where it is as others are added
  std::vector<std::pair<std::string, Control*>> places_;
};

namespace from_field {

template <class Member>
struct MemberTraits;
template <class Record, class Value>
struct MemberTraits<Value Record::*> {
  using value = Value;
};
template <class T>
struct Element {
  using type = T;
};
template <class T, std::size_t N>
struct Element<std::array<T, N>> {
  using type = T;
};

// What a field's storage holds, from its type.
template <class F>
constexpr Storage storage_of() {
  using T = typename Element<typename MemberTraits<decltype(F::member)>::value>::type;
  return {static_cast<int>(std::numeric_limits<T>::min()),
          static_cast<int>(std::numeric_limits<T>::max())};
}

// The entries of a list and the values they stand for, by what the field says of its values;
// a list of names gets its entries when its window opens (fill_names).
void set_entries(PickList& list, const Range& range);
void set_entries(PickList& list, const Limit& limit);
void set_entries(PickList& list, const Numbered& numbers);
template <std::size_t N>
void set_entries(PickList& list, const Listed<N>& listed) {
  list.entries.assign(listed.texts.begin(), listed.texts.end());
  list.values.first = listed.low;
}
template <std::size_t N>
void set_entries(PickList& list, const Choices<N>& choices) {
  list.entries.assign(choices.texts.begin(), choices.texts.end());
  list.values.table.assign(choices.values.begin(), choices.values.end());
}
void set_entries(PickList& list, const TargetTypeCode& codes);
void set_entries(PickList& list, const EventTypeList& types);
void set_entries(PickList& list, const EventTriggerList& triggers);
void set_entries(PickList& list, const MissionTriggerList& triggers);
inline void set_entries(PickList&, const NameList&) {}
void set_entries(PickList& list, const PlaneOrNone& planes);

void fill_names(PickList& list, const NameList& kind, const NameTables& names);
void fill_names(PickList& list, const PlaneOrNone& kind, const NameTables& names);

template <class Values>
constexpr bool kNames = std::is_base_of_v<NameList, Values> || std::is_same_v<PlaneOrNone, Values>;

// The policy of a box: a field whose box stores typed numbers beyond its spin reads them
// within its storage; the others within the spin.
template <class Values>
constexpr NumberPolicy policy_of() {
  if constexpr (std::is_base_of_v<Range, Values> || std::is_same_v<Limit, Values>) {
    return NumberPolicy::within_spin;
  } else {
    return NumberPolicy::within_storage;
  }
}
template <class Values>
constexpr int step_of(const Values& values) {
  if constexpr (requires { values.step; }) {
    return values.step;
  } else {
    return 1;
  }
}

// What a box shows for a stored value, and stores for a number: the event number of a special
// mission shows its none (255) as 0.
template <class Values>
int shown(const Values& values, int stored) {
  if constexpr (std::is_same_v<Values, SpecialEventNumber>) {
    return stored == values.none ? 0 : stored;
  } else {
    return stored;
  }
}
template <class Values>
int stored(const Values& values, int shown) {
  if constexpr (std::is_same_v<Values, SpecialEventNumber>) {
    return shown == 0 ? values.none : shown;
  } else {
    return shown;
  }
}

}  // namespace from_field

// A control made from the field it edits, listed in its window's RecordForm as it is made; it
// stays where it was made, for the form holds its address. Besides the field, it takes the
// control's own: PickList and Slider their name, label and a name for screen readers,
// CheckBox its name and caption, NumberBox its name, its arrows' name and its label, TextBox
// its name and label; a box may be given the policy that reads it.
template <class Control>
struct Bound : Control {
  template <class Record, class F, class... Args>
  Bound(RecordForm<Record>& form, const F& field, Args&&... args)
      : Control(make(field, std::forward<Args>(args)...)) {
    bind(
        form, field, [member = field.member](auto& record) -> auto& { return record.*member; },
        std::string(field.name));
  }
  // A control of a field of a record in an array member.
  template <class Record, class Outer, class F, class... Args>
  Bound(RecordForm<Record>& form, EntryOf<Outer> in, const F& field, Args&&... args)
      : Control(make(field, std::forward<Args>(args)...)) {
    bind(
        form, field, [ outer = in.outer.member, member = field.member,
                       i = in.index ](auto& record) -> auto& { return (record.*outer)[i].*member; },
        member_path(element_path(std::string(in.outer.name), in.index), field.name));
  }
  // A control of entry `at` of an array member.
  template <class Record, class F, class... Args>
  Bound(RecordForm<Record>& form, const F& field, At at, Args&&... args)
      : Control(make(field, std::forward<Args>(args)...)) {
    bind(
        form, field, [ member = field.member, i = at.index ](auto& record) -> auto& {
          return (record.*member)[i];
        },
        element_path(std::string(field.name), at.index));
  }
  Bound(const Bound&) = delete;
  Bound& operator=(const Bound&) = delete;

 private:
  template <class F>
  using Values = std::remove_cvref_t<decltype(std::declval<F>().values_of())>;

  template <class F>
  static PickList make(const F& field, std::string name, std::string label,
                       std::string accessible = "") requires std::is_same_v<Control, PickList> {
    PickList list(std::move(name), std::move(label), std::move(accessible));
    from_field::set_entries(list, field.values_of());
    return list;
  }
  template <class F>
  static Slider make(const F& field, std::string name, std::string label,
                     std::string accessible = "") requires std::is_same_v<Control, Slider> {
    return Slider(std::move(name), std::move(label), field.low, field.high, std::move(accessible));
  }
  template <class F>
  static CheckBox make(const F&, std::string name,
                       std::string caption) requires std::is_same_v<Control, CheckBox> {
    return CheckBox(std::move(name), std::move(caption));
  }
  template <class F>
  static NumberBox make(const F& field, std::string name, std::string spin, std::string label,
                        NumberPolicy policy = from_field::policy_of<Values<F>>()) requires
      std::is_same_v<Control, NumberBox> {
    return NumberBox(std::move(name), std::move(spin), std::move(label), field.low, field.high,
                     from_field::step_of(field.values_of()), policy, from_field::storage_of<F>());
  }
  template <class F>
  static TextBox make(const F& field, std::string name, std::string label,
                      NumberPolicy policy = from_field::policy_of<Values<F>>()) requires
      std::is_same_v<Control, TextBox> {
    return TextBox(std::move(name), std::move(label), field.low, field.high, policy,
                   from_field::storage_of<F>());
  }

  template <class Record, class F, class Access>
  void bind(RecordForm<Record>& form, const F& field, Access access, std::string path) {
    using Value = std::remove_cvref_t<decltype(access(std::declval<Record&>()))>;
    Control& control = *this;
    const Values<F> values = field.values_of();
    typename RecordForm<Record>::Entry entry;
    entry.display = [&control, access, values](const Record& record) {
      control.display(from_field::shown(values, access(record)));
      // A list's "none chosen" shows no entry, and no note of a value it cannot show.
      if constexpr (requires { values.none_chosen; }) {
        if (access(record) == values.none_chosen) control.kept.reset();
      }
    };
    entry.store = [&control, access, values](Record& record) {
      std::optional<int> value;
      if constexpr (std::is_base_of_v<TextBox, Control>) {
        value = control.read().value;
      } else if constexpr (std::is_same_v<Control, PickList>) {
        value = control.value();
        if constexpr (requires { values.none_chosen; }) value = value.value_or(values.none_chosen);
      } else {
        value = control.read();
      }
      if (value) access(record) = static_cast<Value>(from_field::stored(values, *value));
    };
    if constexpr (std::is_base_of_v<TextBox, Control>) {
      entry.read = [&control] { return control.read(); };
    }
    if constexpr (std::is_same_v<Control, PickList> && from_field::kNames<Values<F>>) {
      entry.fill = [&control, values](const NameTables& names) {
        from_field::fill_names(control, values, names);
      };
    }
    entry.when_changed = [&control](std::function<void()> changed) {
      if constexpr (std::is_same_v<Control, PickList>) {
        control.on_choose = std::move(changed);
      } else if constexpr (std::is_same_v<Control, NumberBox>) {
        control.on_spin = changed;
        control.on_commit = std::move(changed);
      } else if constexpr (std::is_same_v<Control, TextBox>) {
        control.on_commit = std::move(changed);
      } else {
        control.on_change = std::move(changed);
      }
    };
    entry.path = std::move(path);
    entry.control = &control;
    form.add(std::move(entry));
  }
};

}  // namespace zav
