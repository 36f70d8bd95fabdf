# What the Windows zip holds: one folder that runs on a Windows machine without Qt installed,
# laid out as Qt's deployment tool lays a program out:
#   zav-editor.exe, sqbasic.dat beside it      the desktop program
#   Qt6Core/Gui/Widgets.dll, libstdc++-6.dll,  what it runs on
#   libgcc_s_seh-1.dll, libwinpthread-1.dll
#   platforms/qwindows.dll                     Qt's Windows desktop
#   styles/qwindowsvistastyle.dll              the look of today's Windows
#   zav.exe                                    the command-line tool, one file
#   README.md, docs/                           the guides
#   sample-game/                               the sample game folder
# Without the Qt for MinGW (the windows preset) it holds zav.exe, the guides and the samples.
install(TARGETS zav RUNTIME DESTINATION .)
install(FILES README.md DESTINATION .)
install(DIRECTORY docs/ DESTINATION docs)
install(FILES ${ZAV_SAMPLE_FILES} DESTINATION sample-game)

if(ZAV_BUILD_GUI)
  include(cmake/windows_qt_runtime.cmake)
  install(TARGETS zav_editor RUNTIME DESTINATION .)
  install(FILES ${ZAV_SAMPLE_GAME_DIR}/sqbasic.dat DESTINATION .)
  set(dlls ${ZAV_MINGW_RUNTIME_DLLS})
  foreach(target IN LISTS ZAV_QT_DLL_TARGETS)
    list(APPEND dlls $<TARGET_FILE:${target}>)
  endforeach()
  install(FILES ${dlls} DESTINATION .)
  foreach(folder target IN ZIP_LISTS ZAV_QT_PLUGIN_FOLDERS ZAV_QT_PLUGIN_TARGETS)
    install(FILES $<TARGET_FILE:${target}> DESTINATION ${folder})
  endforeach()
  # Qt's and MinGW's DLLs come with their symbol tables, which would make the zip twice as big.
  install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
      file(GLOB_RECURSE dlls \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/*.dll\")
      foreach(dll IN LISTS dlls)
        execute_process(COMMAND ${CMAKE_STRIP} \${dll} COMMAND_ERROR_IS_FATAL ANY)
      endforeach()
    endif()")
endif()

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME zav-campaign-editor)
set(CPACK_PACKAGE_FILE_NAME zav-campaign-editor-${PROJECT_VERSION}-windows-x86_64)
set(CPACK_STRIP_FILES ON)
include(CPack)
