#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <utility>

#include "editors/file_questions.h"
#include "editors/message_boxes.h"
#include "editors/platform.h"
#include "editors/remembered_files.h"
#include "formats/file_error.h"
#include "model/document.h"

// Loading a document from a file and saving it, the same way for every kind of file.
namespace zav {

// What a window's file label reads while it holds no file.
inline constexpr const char* kNoOpenFile = "NO OPEN FILE";

// One kind of file: what its dialogs list, and how a record is read from it and written to it.
template <class Record>
struct FileKind {
  const char* filter;  // "Campaign Files (*.dat)|camp*.dat"
  Result<Record> (*read)(const std::filesystem::path&);
  std::optional<FileError> (*write)(const std::filesystem::path&, const Record&);

  FileDialog dialog(std::string title, std::filesystem::path proposed = {}) const {
    return {std::move(title), filter, ".dat", std::move(proposed)};
  }
};

// "Load File": the open dialog, or the file `given` on the command line or dropped on the
// window, then that file read into a fresh record, which the document takes with a new history
// only when the whole file was read. None when the dialog was cancelled or the file refused
// (the user has been told why); nothing changed then.
template <class Record>
std::optional<FileChoice> load_document(Document<Record>& document, Platform& platform,
                                        const FileKind<Record>& kind,
                                        const std::optional<std::filesystem::path>& given = {}) {
  FileChoice choice;
  if (given) {
    choice.path = *given;
    remember_file(platform, kind.dialog("Load File"), *given);
  } else {
    choice = ask_for_file_to_open(platform, kind.dialog("Load File"));
  }
  if (choice.cancelled()) return std::nullopt;
  Result<Record> loaded = kind.read(choice.path);
  if (!loaded) {
    show_error(platform, loaded.error().message());
    return std::nullopt;
  }
  document.start(std::move(loaded).value(), choice.path);
  return choice;
}

// "Save As": the save dialog, proposing the document's file, then the record written to the
// chosen file, which is the document's file from then on. A failed write is told to the user.
template <class Record>
SaveOutcome save_document(Document<Record>& document, Platform& platform,
                          const FileKind<Record>& kind) {
  const FileChoice choice = ask_for_file_to_save(platform, kind.dialog("Save As", document.file()));
  if (choice.cancelled()) return SaveOutcome::cancelled;
  if (const std::optional<FileError> error = kind.write(choice.path, document.record())) {
    show_error(platform, error->message());
    return SaveOutcome::failed;
  }
  document.saved_to(choice.path);
  return SaveOutcome::written;
}

}  // namespace zav
