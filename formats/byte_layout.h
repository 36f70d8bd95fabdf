#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <tuple>
#include <type_traits>
#include <utility>

// Byte layouts: where each value of a record stands in a file and in what form, said once for
// reading and writing alike. A layout is a table of slots; a slot reads its bytes into the
// record and writes them from it.
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

// The forms of a value in a file: each has a `width` in bytes, `read` and `write`.
struct Byte {
  static constexpr std::size_t width = 1;
  static int read(In b) { return b[0]; }
  static void write(Out b, int v) { b[0] = static_cast<std::uint8_t>(v); }
};
struct Word {
  static constexpr std::size_t width = 2;
  static int read(In b) { return u16(b); }
  static void write(Out b, int v) { put_u16(b, 0, static_cast<std::uint16_t>(v)); }
};
struct SignedWord {
  static constexpr std::size_t width = 2;
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

// One value of a record at a fixed place: `width` bytes from `at`.
template <class Record, class Variant = NoVariant>
struct Slot {
  std::size_t at;
  std::size_t width;
  void (*read)(Record&, In, Variant);
  void (*write)(const Record&, Out, Variant);
};

template <class Record, std::size_t N, class Variant = NoVariant>
using Layout = std::array<Slot<Record, Variant>, N>;

template <class L>
struct VariantOf;
template <class Record, std::size_t N, class Variant>
struct VariantOf<std::array<Slot<Record, Variant>, N>> {
  using type = Variant;
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

// A member in form `Form` from `at`; the entries of an array member stand one after another.
template <class Form, auto Member, class Variant = NoVariant>
constexpr auto slot(std::size_t at) {
  using Record = typename MemberOf<decltype(Member)>::record;
  using Entries = ArrayOf<typename MemberOf<decltype(Member)>::value>;
  using Entry = typename Entries::entry;
  return Slot<Record, Variant>{
      at, Form::width * Entries::count,
      [](Record& r, In b, Variant variant) {
        for (std::size_t i = 0; i < Entries::count; ++i) {
          Entries::at(r.*Member, i) =
              static_cast<Entry>(read_form<Form>(b.subspan(i * Form::width), variant));
        }
      },
      [](const Record& r, Out b, Variant variant) {
        for (std::size_t i = 0; i < Entries::count; ++i) {
          write_form<Form>(b.subspan(i * Form::width), Entries::at(r.*Member, i), variant);
        }
      }};
}

// Reads every slot of the layout `L` from `b` into `record`; writes them from it. The layout
// is a constant, so each slot's reader or writer is called directly, and inlined, rather than
// through its pointer: a campaign has some thousand values.
template <const auto& L, class Record,
          class Variant = typename VariantOf<std::remove_cvref_t<decltype(L)>>::type>
void read(Record& record, In b, Variant variant = {}) {
  [&]<std::size_t... I>(std::index_sequence<I...>) {
    (L[I].read(record, b.subspan(L[I].at, L[I].width), variant), ...);
  }
  (std::make_index_sequence<std::tuple_size_v<std::remove_cvref_t<decltype(L)>>>{});
}
template <const auto& L, class Record,
          class Variant = typename VariantOf<std::remove_cvref_t<decltype(L)>>::type>
void write(const Record& record, Out b, Variant variant = {}) {
  [&]<std::size_t... I>(std::index_sequence<I...>) {
    (L[I].write(record, b.subspan(L[I].at, L[I].width), variant), ...);
  }
  (std::make_index_sequence<std::tuple_size_v<std::remove_cvref_t<decltype(L)>>>{});
}

// A member that is a record of its own laid out by `Inner` (`Stride` bytes), or an array of
// them one after another, from `at`.
template <auto Member, const auto& Inner, std::size_t Stride>
constexpr auto nested(std::size_t at) {
  using Record = typename MemberOf<decltype(Member)>::record;
  using Entries = ArrayOf<typename MemberOf<decltype(Member)>::value>;
  using Variant = typename VariantOf<std::remove_cvref_t<decltype(Inner)>>::type;
  return Slot<Record, Variant>{
      at, Stride * Entries::count,
      [](Record& r, In b, Variant variant) {
        for (std::size_t i = 0; i < Entries::count; ++i) {
          read<Inner>(Entries::at(r.*Member, i), b.subspan(i * Stride, Stride), variant);
        }
      },
      [](const Record& r, Out b, Variant variant) {
        for (std::size_t i = 0; i < Entries::count; ++i) {
          write<Inner>(Entries::at(r.*Member, i), b.subspan(i * Stride, Stride), variant);
        }
      }};
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
