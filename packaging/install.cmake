# What `cmake --install` puts where, and the Debian package that CPack makes of it:
#   bin/zav                                   the command-line tool
#   bin/zav-editor                            launcher of the desktop program
#   lib/zav-campaign-editor/zav-editor        the desktop program, with its sqbasic.dat beside it
#   share/applications, share/icons           desktop entry and icon
#   share/mime/packages                       the data files' kinds, so file managers offer
#                                             the editor for them
#   share/doc/zav-campaign-editor             README and guides
#   share/zav-campaign-editor/sample-game     the sample game folder
include(GNUInstallDirs)

set(ZAV_PROGRAM_DIR lib/zav-campaign-editor)
set(ZAV_SHARE_DIR ${CMAKE_INSTALL_DATADIR}/zav-campaign-editor)
set(ZAV_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/zav-campaign-editor)

install(TARGETS zav RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${ZAV_SAMPLE_FILES} DESTINATION ${ZAV_SHARE_DIR}/sample-game)
install(FILES README.md DESTINATION ${ZAV_DOC_DIR})
install(DIRECTORY docs/ DESTINATION ${ZAV_DOC_DIR}/docs)

if(ZAV_BUILD_GUI)
  install(TARGETS zav_editor RUNTIME DESTINATION ${ZAV_PROGRAM_DIR})
  install(FILES ${ZAV_SAMPLE_GAME_DIR}/sqbasic.dat DESTINATION ${ZAV_PROGRAM_DIR})
  install(PROGRAMS packaging/zav-editor DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES packaging/zav-campaign-editor.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES packaging/zav-campaign-editor-mime.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME zav-campaign-editor.xml)
  install(FILES packaging/zav-campaign-editor.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zav-campaign-editor)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Editor of the campaign, squadron and mission files of a WWII air-combat game")
set(CPACK_PACKAGE_CONTACT "ZAV Campaign Editor maintainers <maintainers@example.org>"
    CACHE STRING "The Maintainer field of the Debian package")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
# The Qt 6 libraries of Debian 12, and its platform plugins, without which Qt opens no window.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6core6 (>= 6.4.2), libqt6gui6 (>= 6.4.2), libqt6widgets6 (>= 6.4.2), qt6-qpa-plugins, libc6 (>= 2.36), libstdc++6 (>= 12)")
set(CPACK_STRIP_FILES ON)
include(CPack)
