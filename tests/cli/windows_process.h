#pragma once

#ifdef _WIN32

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <filesystem>
#include <string>
#include <vector>

#include "formats/path_text.h"

namespace zav::testing {

// One argument of a Windows command line, quoted so that the C library's parser gives it back
// unchanged: backslashes are literal except before a quote.
inline std::wstring command_line_word(const std::wstring& word) {
  std::wstring quoted = L"\"";
  std::size_t backslashes = 0;
  for (wchar_t c : word) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    quoted.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
    backslashes = 0;
    quoted += c;
  }
  quoted.append(2 * backslashes, L'\\');
  return quoted + L"\"";
}

// Runs `program` with `args` (UTF-8) in `folder` (here when empty), its standard streams read
// from and written to files, and ends it after `seconds`. Returns the exit status, or -1 when
// it did not exit normally or was ended.
inline int run_windows_program(const std::filesystem::path& program,
                               const std::vector<std::string>& args,
                               const std::filesystem::path& folder, const std::filesystem::path& in,
                               const std::filesystem::path& out, const std::filesystem::path& err,
                               int seconds) {
  std::wstring command = command_line_word(std::filesystem::absolute(program).native());
  for (const std::string& arg : args) command += L" " + command_line_word(path_from_utf8(arg));

  SECURITY_ATTRIBUTES inherited{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  const auto open = [&](const std::filesystem::path& file, DWORD access, DWORD creation) {
    return CreateFileW(file.c_str(), access, FILE_SHARE_READ, &inherited, creation,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
  };
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = open(in, GENERIC_READ, OPEN_EXISTING);
  startup.hStdOutput = open(out, GENERIC_WRITE, CREATE_ALWAYS);
  startup.hStdError = open(err, GENERIC_WRITE, CREATE_ALWAYS);
  PROCESS_INFORMATION process{};
  const bool started =
      CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr,
                     folder.empty() ? nullptr : folder.c_str(), &startup, &process);
  for (HANDLE handle : {startup.hStdInput, startup.hStdOutput, startup.hStdError}) {
    CloseHandle(handle);
  }
  if (!started) return -1;
  DWORD status = 0;
  if (WaitForSingleObject(process.hProcess, static_cast<DWORD>(seconds) * 1000) != WAIT_OBJECT_0) {
    TerminateProcess(process.hProcess, 0x100);
    WaitForSingleObject(process.hProcess, INFINITE);
  }
  GetExitCodeProcess(process.hProcess, &status);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return status <= 255 ? static_cast<int>(status) : -1;  // larger: an exception's code
}

}  // namespace zav::testing

#endif
