#pragma once

#include <string>

#include "editors/platform.h"

// The message boxes that every window shows in the same form.
namespace zav {

// Tells of a file that could not be loaded, saved or used: a box titled "ERROR!" with the
// critical icon and OK.
void show_error(Platform& platform, std::string text);

// "Do you wish to save this file?" with Yes, No and Cancel, asked before the file a window
// holds is replaced or the window closes. `title` is the asking window's caption.
MessageAnswer ask_to_save(Platform& platform, std::string title);

}  // namespace zav
