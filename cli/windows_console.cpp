#include "windows_console.h"

#include <fcntl.h>
#include <io.h>

#include <cstdio>

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

namespace zav::cli {

Utf8Console::Utf8Console() : old_code_page_(GetConsoleOutputCP()) {
  if (old_code_page_ != 0) SetConsoleOutputCP(CP_UTF8);  // 0: no console, nothing to set
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
}

Utf8Console::~Utf8Console() {
  if (old_code_page_ != 0) SetConsoleOutputCP(old_code_page_);
}

}  // namespace zav::cli
