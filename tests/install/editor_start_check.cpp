// Starts the editor of an unpacked Windows zip with the zip's sample names and tells whether it
// came up: the names were loaded (the editor keeps each file it loaded in the registry) and its
// event loop ran until asked to end. Usage: editor_start_check FOLDER
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "cli/windows_process.h"

namespace {

namespace fs = std::filesystem;
using zav::testing::command_line_word;

const wchar_t* const kNamesKey = L"Software\\ZAV\\ZAV Campaign Editor\\names";

struct NameFile {
  const wchar_t* option;
  const wchar_t* setting;
  fs::path file;
};

std::wstring remembered(const wchar_t* setting) {
  wchar_t value[1024];
  DWORD size = sizeof value;
  if (RegGetValueW(HKEY_CURRENT_USER, kNamesKey, setting, RRF_RT_REG_SZ, nullptr, value, &size) !=
      ERROR_SUCCESS) {
    return {};
  }
  return value;
}

bool all_remembered(const std::vector<NameFile>& names) {
  for (const NameFile& name : names) {
    if (remembered(name.setting) != name.file.native()) return false;
  }
  return true;
}

int fail(const char* why) {
  std::fprintf(stderr, "editor_start_check: %s\n", why);
  return 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) return fail("usage: editor_start_check FOLDER");
  const fs::path folder = fs::absolute(argv[1]).make_preferred();  // as the editor names it
  const fs::path samples = folder / "sample-game";
  const std::vector<NameFile> names = {{L"--weapons", L"weapons", samples / "weapons.str"},
                                       {L"--planes", L"planes", samples / "planes.str"},
                                       {L"--places", L"places", samples / "places.str"},
                                       {L"--targets", L"targets", samples / "targets.dat"}};
  RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\ZAV");  // nothing kept from an earlier run

  // Every change under the user's software key wakes the wait below.
  HKEY software = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Software", 0, KEY_NOTIFY, &software) != ERROR_SUCCESS) {
    return fail("cannot watch the registry");
  }
  const HANDLE changed = CreateEventW(nullptr, FALSE, FALSE, nullptr);
  const auto watch = [&] {
    return RegNotifyChangeKeyValue(software, TRUE,
                                   REG_NOTIFY_CHANGE_NAME | REG_NOTIFY_CHANGE_LAST_SET, changed,
                                   TRUE) == ERROR_SUCCESS;
  };
  if (!watch()) return fail("cannot watch the registry");

  std::wstring command = command_line_word(folder / "zav-editor.exe") + L" -platform offscreen";
  for (const NameFile& name : names) {
    command += std::wstring(L" ") + name.option + L" " + command_line_word(name.file);
  }
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION editor{};
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder.c_str(), &startup, &editor)) {
    return fail("zav-editor.exe did not start");
  }

  const HANDLE waited[] = {changed, editor.hProcess};
  bool loaded = false;
  while (!loaded) {
    const DWORD woken = WaitForMultipleObjects(2, waited, FALSE, 120'000);
    if (woken != WAIT_OBJECT_0) break;  // the editor ended, or two minutes passed
    if (!watch()) break;
    loaded = all_remembered(names);
  }
  if (!loaded) {
    TerminateProcess(editor.hProcess, 1);
    for (const NameFile& name : names) {
      std::fwprintf(stderr, L"%ls: expected %ls, remembered \"%ls\"\n", name.setting,
                    name.file.c_str(), remembered(name.setting).c_str());
    }
    return fail("the editor did not load the sample names from the zip");
  }

  // Qt's event loop ends the program on the quit message, as Windows' own shutdown does.
  PostThreadMessageW(editor.dwThreadId, WM_QUIT, 0, 0);
  DWORD status = 1;
  if (WaitForSingleObject(editor.hProcess, 60'000) != WAIT_OBJECT_0) {
    TerminateProcess(editor.hProcess, 1);
    return fail("the editor did not end when asked");
  }
  GetExitCodeProcess(editor.hProcess, &status);
  if (status != 0) return fail("the editor ended with a failure");
  std::puts("zav-editor.exe started from the zip, loaded its sample names and ended when asked");
  return 0;
}
