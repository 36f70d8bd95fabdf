#pragma once

#include <memory>

#include "editors/window.h"
#include "ui/form_widget.h"

namespace zav::ui {

// Makes the widget that shows `window`, chosen by the window's form name.
std::unique_ptr<FormWidget> make_form_widget(Window& window);

}  // namespace zav::ui
