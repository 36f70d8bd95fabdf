#pragma once

#include <cstddef>
#include <cstring>
#include <filesystem>
#include <functional>
#include <map>
#include <span>
#include <type_traits>
#include <utility>

#include "model/edit_history.h"

namespace zav {

// How a document's record was replaced under the windows that show it.
enum class Replaced {
  by_file,     // a load, or an opening that starts afresh: show it from its start
  by_history,  // an undo or a redo: show again what was on screen
};

// What the windows of a document need to undo and redo its changes, whatever the record.
class Undoable {
 public:
  virtual ~Undoable() = default;
  virtual bool undo() = 0;
  virtual bool redo() = 0;
  virtual bool can_undo() const = 0;
  virtual bool can_redo() const = 0;
};

// One open file: the record the windows edit, the record as last loaded or saved, the file it
// came from, and its undo history. Every change the user makes goes through edit(), one user
// action a step; the record is "unsaved" exactly while it differs from the record as last
// loaded or saved. Windows that show the record watch() it, so that a load, an undo or a redo
// shows in each of them at once.
template <class Record>
class Document : public Undoable {
  static_assert(std::is_trivially_copyable_v<Record>, "the history keeps a record's bytes");

 public:
  // Ends a watch when it goes out of scope.
  class Watch {
   public:
    Watch(Document& document, int id) : document_(&document), id_(id) {}
    Watch(const Watch&) = delete;
    Watch& operator=(const Watch&) = delete;
    ~Watch() { document_->watchers_.erase(id_); }

   private:
    Document* document_;
    int id_;
  };

  const Record& record() const { return record_; }
  const Record& saved() const { return saved_; }
  const std::filesystem::path& file() const { return file_; }
  bool unsaved() const { return !(record_ == saved_); }

  // One user action: `change` edits the record; when it changed anything, that is one step
  // of the history. True when the record changed.
  template <class Change>
  bool edit(Change&& change) {
    Record before;
    std::memcpy(&before, &record_, sizeof(Record));
    std::forward<Change>(change)(record_);
    if (record_ == before) return false;
    history_.add(bytes_of(before), bytes_of(record_));
    return true;
  }

  bool undo() override { return move_in_history(&EditHistory::undo); }
  bool redo() override { return move_in_history(&EditHistory::redo); }
  bool can_undo() const override { return history_.can_undo(); }
  bool can_redo() const override { return history_.can_redo(); }

  // A record read from `file` (empty for none) is the one held and the one saved, with a new
  // history; every watching window shows it from its start.
  void start(Record record, std::filesystem::path file) {
    record_ = record;
    saved_ = record;
    file_ = std::move(file);
    history_.clear();
    tell(Replaced::by_file);
  }

  // The record was written to `file`: it is the saved one now. The history stays.
  void saved_to(std::filesystem::path file) {
    saved_ = record_;
    file_ = std::move(file);
  }

  // Puts right, in the record and in the record as saved alike, a value that showing it
  // changes although the user did not: it is no change to save and no step to undo.
  template <class Change>
  void adjust(Change&& change) {
    change(record_);
    change(saved_);
  }

  // `shown` runs whenever the record is replaced under the windows, for as long as the
  // returned watch lives.
  [[nodiscard]] Watch watch(std::function<void(Replaced)> shown) {
    const int id = next_watch_++;
    watchers_.emplace(id, std::move(shown));
    return Watch(*this, id);
  }

  std::size_t history_memory() const { return history_.memory(); }

 private:
  static std::span<const std::byte> bytes_of(const Record& record) {
    return {reinterpret_cast<const std::byte*>(&record), sizeof(Record)};
  }
  static std::span<std::byte> bytes_of(Record& record) {
    return {reinterpret_cast<std::byte*>(&record), sizeof(Record)};
  }

  bool move_in_history(bool (EditHistory::*move)(std::span<std::byte>)) {
    if (!(history_.*move)(bytes_of(record_))) return false;
    tell(Replaced::by_history);
    return true;
  }

  void tell(Replaced how) {
    // A watcher may end watches while it shows the record; tell those that were watching.
    std::map<int, std::function<void(Replaced)>> watching = watchers_;
    for (const auto& [id, shown] : watching) {
      if (watchers_.contains(id)) shown(how);
    }
  }

  Record record_{};
  Record saved_{};
  std::filesystem::path file_;
  EditHistory history_;
  std::map<int, std::function<void(Replaced)>> watchers_;
  int next_watch_ = 0;
};

}  // namespace zav
