#pragma once

#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "temp_dir.h"

// Runs the real zav executable, as a user's shell would.
namespace zav::testing {

struct ToolRun {
  int status = -1;  // exit status; -1 when the tool did not exit normally (a crash)
  std::string out;
  std::string err;

  // The lines of standard output, without their line ends.
  std::vector<std::string> out_lines() const {
    std::vector<std::string> lines;
    std::istringstream text(out);
    for (std::string line; std::getline(text, line);) lines.push_back(line);
    return lines;
  }
};

inline std::string shell_quoted(const std::string& word) {
  std::string quoted = "'";
  for (char c : word) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

inline std::string text_of(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// `input` is what the tool reads on standard input. In a sanitizer build a fault the sanitizers
// catch exits with 86, which no test expects, instead of their usual 1, which `check`, `diff`
// and `build` give for their own findings.
inline ToolRun run_zav(const std::vector<std::string>& args, const std::string& input = "") {
  const TempDir streams;
  { std::ofstream(streams / "in", std::ios::binary) << input; }
  std::string command =
      "ASAN_OPTIONS=exitcode=86 UBSAN_OPTIONS=exitcode=86 " + shell_quoted(ZAV_TOOL);
  for (const std::string& arg : args) command += " " + shell_quoted(arg);
  command += " <" + shell_quoted((streams / "in").string()) + " >" +
             shell_quoted((streams / "out").string()) + " 2>" +
             shell_quoted((streams / "err").string());
  const int raw = std::system(command.c_str());
  ToolRun run;
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  run.out = text_of(streams / "out");
  run.err = text_of(streams / "err");
  return run;
}

// The names of the files in a folder, to show that a command left nothing behind.
inline std::vector<std::string> file_names_in(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace zav::testing
