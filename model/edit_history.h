#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <span>
#include <vector>

namespace zav {

// The undo history of one record, kept as the bytes each step changed, so that a step costs
// what it changed rather than a copy of the record. Steps beyond kMaxSteps drop the oldest.
class EditHistory {
 public:
  static constexpr std::size_t kMaxSteps = 500;

  // A step that turned the record's bytes from `before` into `after` (of the same size). A
  // new step drops the steps that were undone.
  void add(std::span<const std::byte> before, std::span<const std::byte> after);
  // Puts the bytes of the last step back as they were before it; false when there is none.
  bool undo(std::span<std::byte> record);
  // Does the last undone step again; false when there is none.
  bool redo(std::span<std::byte> record);
  bool can_undo() const { return done_ > 0; }
  bool can_redo() const { return done_ < steps_.size(); }
  void clear();

  // The bytes the history holds, its bookkeeping included.
  std::size_t memory() const;

 private:
  // One run of changed bytes: `length` bytes at `offset`, before and after.
  struct Run {
    std::uint32_t offset;
    std::uint32_t length;
  };
  struct Step {
    std::vector<Run> runs;
    std::vector<std::byte> before;  // the runs' old bytes, one after another
    std::vector<std::byte> after;   // their new bytes
  };
  static void put(const Step& step, const std::vector<std::byte>& bytes,
                  std::span<std::byte> record);

  std::deque<Step> steps_;
  std::size_t done_ = 0;  // steps_[0, done_) can be undone, the rest redone
};

}  // namespace zav
