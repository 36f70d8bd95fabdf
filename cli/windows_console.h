#pragma once

#ifdef _WIN32

namespace zav::cli {

// For the run of the tool on Windows: the console shows UTF-8 (file names and the JSON texts
// are UTF-8), and the standard streams carry bytes unchanged, so a dump has the same bytes as
// on Linux and a document read from standard input does not end at its first Ctrl-Z.
class Utf8Console {
 public:
  Utf8Console();
  ~Utf8Console();
  Utf8Console(const Utf8Console&) = delete;
  Utf8Console& operator=(const Utf8Console&) = delete;

 private:
  unsigned int old_code_page_;
};

}  // namespace zav::cli

#endif
