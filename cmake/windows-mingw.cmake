# Cross-builds for 64-bit Windows on Linux with MinGW-w64 (Debian: g++-mingw-w64-x86-64-posix).
# Programs are linked statically, so each .exe is one file that runs without any DLL beside it.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(ZAV_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${ZAV_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZAV_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${ZAV_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${ZAV_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
