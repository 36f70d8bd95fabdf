#pragma once

#include <filesystem>
#include <string>
#include <utility>
#include <variant>

#include "path_text.h"

namespace zav {

// A failed read or write of one file: which file, and why, in words a user can act on.
struct FileError {
  std::filesystem::path path;
  std::string reason;

  std::string message() const { return path_to_utf8(path) + ": " + reason; }
};

// The value a reader produced, or the error that stopped it.
template <class T>
class Result {
 public:
  Result(T value) : state_(std::move(value)) {}
  Result(FileError error) : state_(std::move(error)) {}

  bool ok() const { return std::holds_alternative<T>(state_); }
  explicit operator bool() const { return ok(); }

  T& value() & { return std::get<T>(state_); }
  const T& value() const& { return std::get<T>(state_); }
  T&& value() && { return std::get<T>(std::move(state_)); }
  const FileError& error() const { return std::get<FileError>(state_); }

 private:
  std::variant<T, FileError> state_;
};

}  // namespace zav
