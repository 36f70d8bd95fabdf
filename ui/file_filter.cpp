#include "ui/file_filter.h"

namespace zav::ui {

QString qt_name_filter(std::string_view filter) {
  const std::size_t bar = filter.find('|');
  if (bar == std::string_view::npos) return QString::fromUtf8(filter.data(), filter.size());
  const std::string_view description = filter.substr(0, bar);
  const std::string_view pattern = filter.substr(bar + 1);
  // Several patterns are separated by ';' in ours and by spaces in Qt's.
  const QString patterns = QString::fromUtf8(pattern.data(), pattern.size()).replace(';', ' ');
  return QString::fromUtf8(description.data(), description.size()) + " (" + patterns + ")";
}

}  // namespace zav::ui
