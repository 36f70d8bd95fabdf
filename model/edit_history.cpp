#include "model/edit_history.h"

#include <algorithm>
#include <cstring>

namespace zav {

void EditHistory::add(std::span<const std::byte> before, std::span<const std::byte> after) {
  Step step;
  const std::size_t size = std::min(before.size(), after.size());
  for (std::size_t i = 0; i < size;) {
    if (before[i] == after[i]) {
      ++i;
      continue;
    }
    const std::size_t start = i;
    while (i < size && before[i] != after[i]) ++i;
    step.runs.push_back({static_cast<std::uint32_t>(start), static_cast<std::uint32_t>(i - start)});
    step.before.insert(step.before.end(), before.begin() + start, before.begin() + i);
    step.after.insert(step.after.end(), after.begin() + start, after.begin() + i);
  }
  if (step.runs.empty()) return;
  steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(done_), steps_.end());
  steps_.push_back(std::move(step));
  if (steps_.size() > kMaxSteps) steps_.pop_front();
  done_ = steps_.size();
}

void EditHistory::put(const Step& step, const std::vector<std::byte>& bytes,
                      std::span<std::byte> record) {
  std::size_t from = 0;
  for (const Run& run : step.runs) {
    std::memcpy(record.data() + run.offset, bytes.data() + from, run.length);
    from += run.length;
  }
}

bool EditHistory::undo(std::span<std::byte> record) {
  if (!can_undo()) return false;
  --done_;
  put(steps_[done_], steps_[done_].before, record);
  return true;
}

bool EditHistory::redo(std::span<std::byte> record) {
  if (!can_redo()) return false;
  put(steps_[done_], steps_[done_].after, record);
  ++done_;
  return true;
}

void EditHistory::clear() {
  steps_.clear();
  done_ = 0;
}

std::size_t EditHistory::memory() const {
  std::size_t bytes = sizeof(*this);
  for (const Step& step : steps_) {
    bytes += sizeof(Step) + step.runs.capacity() * sizeof(Run) + step.before.capacity() +
             step.after.capacity();
  }
  return bytes;
}

}  // namespace zav
