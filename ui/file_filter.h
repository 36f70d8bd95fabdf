#pragma once

#include <QString>
#include <string_view>

namespace zav::ui {

// A file dialog filter "description|pattern" (e.g. "Mission Files (*.dat)|misn*.dat") in the
// form a QFileDialog lists by: "Mission Files (*.dat) (misn*.dat)". The dialog matches the
// last parenthesised patterns and, with QFileDialog::HideNameFilterDetails, shows the
// description only.
QString qt_name_filter(std::string_view filter);

}  // namespace zav::ui
