#pragma once

#include <QDir>
#include <QString>
#include <filesystem>
#include <string>

namespace zav::ui {

// The logic's UTF-8 text as Qt's.
inline QString text_of(const std::string& text) {
  return QString::fromStdString(text);
}

// A path as Qt takes it.
inline QString text_of(const std::filesystem::path& path) {
  return QString::fromStdU16String(path.u16string());
}

// A path Qt gives, such as a dialog's choice. Qt puts "/" between folders on every system; the
// messages that name the file show the system's own separator, a backslash on Windows.
inline std::filesystem::path path_of(const QString& text) {
  return std::filesystem::path(QDir::toNativeSeparators(text).toStdU16String());
}

}  // namespace zav::ui
