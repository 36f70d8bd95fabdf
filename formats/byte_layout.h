#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <type_traits>
#include <utility>

// Byte layouts: where each value of a record stands in a file and in what form, said once for
// reading and writing alike. A layout is a table of slots; a slot reads its bytes into the
// record and writes them from it. Slots whose bytes the record holds as the file does, one
// after another, are copied as one block.
namespace zav::layout {

using In = std::span<const std::uint8_t>;
using Out = std::span<std::uint8_t>;

// Little-endian words at fixed positions.
inline std::uint16_t u16(In b, std::size_t at = 0) {
  return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
}
inline std::int16_t i16(In b, std::size_t at = 0) {
  return static_cast<std::int16_t>(u16(b, at));
}
inline void put_u16(Out b, std::size_t at, std::uint16_t v) {
  b[at] = static_cast<std::uint8_t>(v & 0xFF);
  b[at + 1] = static_cast<std::uint8_t>(v >> 8);
}
inline void put_i16(Out b, std::size_t at, std::int16_t v) {
  put_u16(b, at, static_cast<std::uint16_t>(v));
}

// What a layout is read and written for, where one kind of file has variants (the squadron
// base file); most have none.
struct NoVariant {};

// The forms of a value in a file: each has a `width` in bytes, `read` and `write`. A form whose
// bytes are the value as this machine holds it says so by `kAsHeld`.
constexpr bool kLittleEndian = std::endian::native == std::endian::little;

template <class T>
concept AsHeld = T::kAsHeld;

struct Byte {
  static constexpr std::size_t width = 1;
  static constexpr bool kAsHeld = true;
  static int read(In b) { return b[0]; }
  static void write(Out b, int v) { b[0] = static_cast<std::uint8_t>(v); }
};
struct Word {
  static constexpr std::size_t width = 2;
  static constexpr bool kAsHeld = kLittleEndian;
  static int read(In b) { return u16(b); }
  static void write(Out b, int v) { put_u16(b, 0, static_cast<std::uint16_t>(v)); }
};
struct SignedWord {
  static constexpr std::size_t width = 2;
  static constexpr bool kAsHeld = kLittleEndian;
  static int read(In b) { return i16(b); }
  static void write(Out b, int v) { put_i16(b, 0, static_cast<std::int16_t>(v)); }
};
// A signed word whose bytes FF FF mean 0, so that 0 is written FF FF and -1 has no form.
struct FFFFForZero {
  static constexpr std::size_t width = 2;
  static constexpr std::uint16_t kZero = 0xFFFF;
  static int read(In b) { return u16(b) == kZero ? 0 : i16(b); }
  static void write(Out b, int v) { put_u16(b, 0, v == 0 ? kZero : static_cast<std::uint16_t>(v)); }
};
// A byte in a group of four after a marker byte: 80 00 00 00 for 0, 00 v 00 00 otherwise.
struct MarkedByte {
  static constexpr std::size_t width = 4;
  static constexpr std::uint8_t kZeroMarker = 0x80;
  static int read(In b) { return b[1]; }
  static void write(Out b, int v) {
    b[0] = v == 0 ? kZeroMarker : 0;
    b[1] = static_cast<std::uint8_t>(v);
  }
};
// A byte written `Bias` above its value; a stored byte below the bias is taken as it stands.
template <int Bias>
struct BiasedByte {
  static constexpr std::size_t width = 1;
  static int read(In b) { return b[0] >= Bias ? b[0] - Bias : b[0]; }
  static void write(Out b, int v) { b[0] = static_cast<std::uint8_t>(v + Bias); }
};

// One value of a record at a fixed place: `width` bytes from `at`. Where the record holds the
// value's bytes as the file does (`as_held`), `begin` and `end` say where they stand in the
// record. The flag is not told by null pointers: where null pointers are checked for (the
// sanitizers' builds), the compiler does not take a function's address as non-null.
template <class Record, class Variant = NoVariant>
struct Slot {
  std::size_t at;
  std::size_t width;
  void (*read)(Record&, In, Variant);
  void (*write)(const Record&, Out, Variant);
  bool as_held = false;
  const void* (*begin)(const Record&) = nullptr;
  const void* (*end)(const Record&) = nullptr;
};

template <class Record, std::size_t N, class Variant = NoVariant>
using Layout = std::array<Slot<Record, Variant>, N>;

template <class L>
struct LayoutOf;
template <class Record_, std::size_t N, class Variant_>
struct LayoutOf<std::array<Slot<Record_, Variant_>, N>> {
  using Record = Record_;
  using Variant = Variant_;
  static constexpr std::size_t size = N;
};

template <class Member>
struct MemberOf;
template <class Record, class Value>
struct MemberOf<Value Record::*> {
  using record = Record;
  using value = Value;
};

template <class T>
struct ArrayOf {
  using entry = T;
  static constexpr std::size_t count = 1;
  static T& at(T& value, std::size_t) { return value; }
  static const T& at(const T& value, std::size_t) { return value; }
};
template <class T, std::size_t N>
struct ArrayOf<std::array<T, N>> {
  using entry = T;
  static constexpr std::size_t count = N;
  static T& at(std::array<T, N>& values, std::size_t i) { return values[i]; }
  static const T& at(const std::array<T, N>& values, std::size_t i) { return values[i]; }
};

// Reads or writes a value in `Form`, which may depend on the variant of the file.
template <class Form, class Variant>
int read_form(In b, Variant variant) {
  if constexpr (requires { Form::read(b, variant); }) {
    return Form::read(b, variant);
  } else {
    return Form::read(b);
  }
}
template <class Form, class Variant>
void write_form(Out b, int v, Variant variant) {
  if constexpr (requires { Form::write(b, v, variant); }) {
    Form::write(b, v, variant);
  } else {
    Form::write(b, v);
  }
}

// A slot whose reading and writing `Rule` gives, as static `read(Record&, In, Variant)` and
// `write(const Record&, Out, Variant)`. Named functions, unlike lambdas, can be template
// arguments, so `read` and `write` below call them directly and the compiler inlines them.
template <class Rule, class Record, class Variant = NoVariant>
constexpr Slot<Record, Variant> ruled(std::size_t at, std::size_t width) {
  Slot<Record, Variant> slot{at, width, &Rule::read, &Rule::write};
  if constexpr (AsHeld<Rule>) {
    slot.as_held = true;
    slot.begin = &Rule::begin;
    slot.end = &Rule::end;
  }
  return slot;
}

// Where a member stands in its record: its first byte and the byte after its last.
template <auto Member>
struct Place {
  using Record = typename MemberOf<decltype(Member)>::record;
  static constexpr const void* begin(const Record& r) { return &(r.*Member); }
  static constexpr const void* end(const Record& r) { return &(r.*Member) + 1; }
};

// A member in form `Form`; the entries of an array member stand one after another.
template <class Form, auto Member, class Variant>
struct MemberRule : Place<Member> {
  using Record = typename MemberOf<decltype(Member)>::record;
  using Entries = ArrayOf<typename MemberOf<decltype(Member)>::value>;
  using Entry = typename Entries::entry;
  static constexpr std::size_t width = Form::width * Entries::count;
  // A bool holds only 0 and 1, whatever byte the file has: such a member is read by its form.
  static constexpr bool kAsHeld = AsHeld<Form> && sizeof(Entry) == Form::width &&
                                  !std::is_same_v<std::remove_cv_t<Entry>, bool>;

  static void read(Record& r, In b, Variant variant) {
    for (std::size_t i = 0; i < Entries::count; ++i) {
      Entries::at(r.*Member, i) =
          static_cast<Entry>(read_form<Form>(b.subspan(i * Form::width), variant));
    }
  }
  static void write(const Record& r, Out b, Variant variant) {
    for (std::size_t i = 0; i < Entries::count; ++i) {
      write_form<Form>(b.subspan(i * Form::width), Entries::at(r.*Member, i), variant);
    }
  }
};

// A member in form `Form` from `at`.
template <class Form, auto Member, class Variant = NoVariant>
constexpr auto slot(std::size_t at) {
  using Rule = MemberRule<Form, Member, Variant>;
  return ruled<Rule, typename Rule::Record, Variant>(at, Rule::width);
}

// Consecutive slots whose values stand one after another both in the file and in the record,
// each as the record holds it: copied as one block of `width` bytes, from `at` in the file and
// from the first slot's member in the record.
struct Run {
  std::size_t first = 0;
  std::size_t at = 0;
  std::size_t width = 0;
};

// The runs of the layout `L`, found when the program is compiled, from where the members of a
// blank record stand; and whether one run is the whole record.
template <const auto& L>
struct Runs {
  using Traits = LayoutOf<std::remove_cvref_t<decltype(L)>>;
  using Record = typename Traits::Record;
  static constexpr Record kBlank{};

  struct Found {
    std::array<Run, Traits::size> runs{};
    std::size_t count = 0;
  };
  static constexpr Found find() {
    Found found;
    for (std::size_t i = 0; i < Traits::size; ++i) {
      if (!L[i].as_held) continue;
      if (i > 0 && L[i - 1].as_held) {  // then the last run ends with slot i - 1
        Run& run = found.runs[found.count - 1];
        if (run.at + run.width == L[i].at && L[i - 1].end(kBlank) == L[i].begin(kBlank)) {
          run.width += L[i].width;
          continue;
        }
      }
      found.runs[found.count++] = {i, L[i].at, L[i].width};
    }
    return found;
  }
  static constexpr Found kFound = find();
  static constexpr std::size_t count = kFound.count;
  static constexpr const Run& at(std::size_t r) { return kFound.runs[r]; }
  static constexpr bool kWhole = count == 1 && at(0).at == 0 && at(0).width == sizeof(Record) &&
                                 L[at(0).first].begin(kBlank) == &kBlank;
};

template <auto Function, class... Arguments>
auto call(Arguments&&... arguments) {
  return Function(std::forward<Arguments>(arguments)...);
}

// Run `R` of the layout `L`, and its slot `I` unless a run copies that slot.
template <const auto& L, std::size_t R, class Record>
void read_run(Record& record, In b) {
  constexpr Run run = Runs<L>::at(R);
  std::memcpy(const_cast<void*>(call<L[run.first].begin>(std::as_const(record))), b.data() + run.at,
              run.width);
}
template <const auto& L, std::size_t R, class Record>
void write_run(const Record& record, Out b) {
  constexpr Run run = Runs<L>::at(R);
  std::memcpy(b.data() + run.at, call<L[run.first].begin>(record), run.width);
}
template <const auto& L, std::size_t I, class Record, class Variant>
void read_slot(Record& record, In b, Variant variant) {
  if constexpr (!L[I].as_held) {
    call<L[I].read>(record, b.subspan(L[I].at, L[I].width), variant);
  }
}
template <const auto& L, std::size_t I, class Record, class Variant>
void write_slot(const Record& record, Out b, Variant variant) {
  if constexpr (!L[I].as_held) {
    call<L[I].write>(record, b.subspan(L[I].at, L[I].width), variant);
  }
}

// Reads every slot of the layout `L` from `b` into `record`; writes them from it. Runs are
// copied whole; every other slot's reader or writer is called directly, and inlined.
template <const auto& L, class Record,
          class Variant = typename LayoutOf<std::remove_cvref_t<decltype(L)>>::Variant>
void read(Record& record, In b, Variant variant = {}) {
  [&]<std::size_t... R>(std::index_sequence<R...>) {
    (read_run<L, R>(record, b), ...);
  }
  (std::make_index_sequence<Runs<L>::count>{});
  [&]<std::size_t... I>(std::index_sequence<I...>) {
    (read_slot<L, I>(record, b, variant), ...);
  }
  (std::make_index_sequence<Runs<L>::Traits::size>{});
}
template <const auto& L, class Record,
          class Variant = typename LayoutOf<std::remove_cvref_t<decltype(L)>>::Variant>
void write(const Record& record, Out b, Variant variant = {}) {
  [&]<std::size_t... R>(std::index_sequence<R...>) {
    (write_run<L, R>(record, b), ...);
  }
  (std::make_index_sequence<Runs<L>::count>{});
  [&]<std::size_t... I>(std::index_sequence<I...>) {
    (write_slot<L, I>(record, b, variant), ...);
  }
  (std::make_index_sequence<Runs<L>::Traits::size>{});
}

// A member that is a record of its own laid out by `Inner` (`Stride` bytes), or an array of
// them one after another. Where `Inner` is one run and the entries stand `Stride` bytes apart
// in the record too, the whole member is held as in the file.
template <auto Member, const auto& Inner, std::size_t Stride>
struct NestedRule : Place<Member> {
  using Record = typename MemberOf<decltype(Member)>::record;
  using Entries = ArrayOf<typename MemberOf<decltype(Member)>::value>;
  using Variant = typename LayoutOf<std::remove_cvref_t<decltype(Inner)>>::Variant;
  static constexpr bool kAsHeld = Runs<Inner>::kWhole && sizeof(typename Entries::entry) == Stride;

  static void read(Record& r, In b, Variant variant) {
    for (std::size_t i = 0; i < Entries::count; ++i) {
      layout::read<Inner>(Entries::at(r.*Member, i), b.subspan(i * Stride, Stride), variant);
    }
  }
  static void write(const Record& r, Out b, Variant variant) {
    for (std::size_t i = 0; i < Entries::count; ++i) {
      layout::write<Inner>(Entries::at(r.*Member, i), b.subspan(i * Stride, Stride), variant);
    }
  }
};

// Such a member from `at`.
template <auto Member, const auto& Inner, std::size_t Stride>
constexpr auto nested(std::size_t at) {
  using Rule = NestedRule<Member, Inner, Stride>;
  return ruled<Rule, typename Rule::Record, typename Rule::Variant>(at,
                                                                    Stride * Rule::Entries::count);
}

// The slots of both layouts.
template <class Record, std::size_t N, std::size_t M, class Variant>
constexpr Layout<Record, N + M, Variant> join(const Layout<Record, N, Variant>& a,
                                              const Layout<Record, M, Variant>& b) {
  Layout<Record, N + M, Variant> both{};
  for (std::size_t i = 0; i < N; ++i) both[i] = a[i];
  for (std::size_t i = 0; i < M; ++i) both[N + i] = b[i];
  return both;
}

// Whether every slot is given, lies within `size` bytes, and shares no byte with another.
template <class Record, std::size_t N, class Variant>
constexpr bool fits(const Layout<Record, N, Variant>& layout, std::size_t size) {
  for (std::size_t i = 0; i < N; ++i) {
    if (layout[i].width == 0) return false;  // a table longer than its slots
    if (layout[i].at + layout[i].width > size) return false;
    for (std::size_t j = i + 1; j < N; ++j) {
      if (layout[i].at < layout[j].at + layout[j].width &&
          layout[j].at < layout[i].at + layout[i].width) {
        return false;
      }
    }
  }
  return true;
}

// Whether the slots cover all `size` bytes: every byte of the file belongs to a value.
template <class Record, std::size_t N, class Variant>
constexpr bool covers(const Layout<Record, N, Variant>& layout, std::size_t size) {
  std::size_t covered = 0;
  for (const auto& s : layout) covered += s.width;
  return fits(layout, size) && covered == size;
}

}  // namespace zav::layout
