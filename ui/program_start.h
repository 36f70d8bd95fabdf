#pragma once

#include <QStringList>

#include "editors/frm_main/frm_main.h"
#include "ui/qt_platform.h"

// How the desktop program starts: what its command line asks for, and what it opens.
namespace zav::ui {

struct CommandLine {
  bool fresh = false;  // start as on the first run, forgetting what was kept
  StartRequest request;
};

// Reads `zav-editor [--fresh] [--weapons FILE] ... [FILE...]`; --help and a wrong option are
// answered on the terminal and end the program, as Qt's parser does.
CommandLine read_command_line(const QStringList& arguments);

// Loads the name files, shows the main window, and, once the program runs, opens each file
// given in its editor.
void start_program(FrmMain& main, QtPlatform& platform, const CommandLine& command_line);

}  // namespace zav::ui
