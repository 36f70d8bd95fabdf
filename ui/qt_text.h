#pragma once

#include <QString>
#include <string>

namespace zav::ui {

// The logic's UTF-8 text as Qt's.
inline QString text_of(const std::string& text) {
  return QString::fromStdString(text);
}

}  // namespace zav::ui
