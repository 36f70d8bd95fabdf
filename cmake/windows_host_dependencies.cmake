# A Windows build made on Linux cannot use the host's libraries, but the header-only ones and
# GoogleTest's sources serve it as they are. find_package() looks in the redirects folder
# first, so the packages the build asks for are found here.

# Only the libraries' own headers: the host's /usr/include would hide the Windows C headers.
set(ZAV_HOST_HEADERS ${CMAKE_BINARY_DIR}/host-headers)
file(MAKE_DIRECTORY ${ZAV_HOST_HEADERS})
foreach(folder CLI nlohmann)
  file(CREATE_LINK /usr/include/${folder} ${ZAV_HOST_HEADERS}/${folder} SYMBOLIC)
endforeach()

foreach(package IN ITEMS CLI11 nlohmann_json)
  string(TOLOWER ${package} lower)
  file(WRITE ${CMAKE_FIND_PACKAGE_REDIRECTS_DIR}/${lower}-config.cmake "
if(NOT TARGET ${package}::${package})
  add_library(${package}::${package} INTERFACE IMPORTED)
  set_target_properties(${package}::${package} PROPERTIES
    INTERFACE_INCLUDE_DIRECTORIES ${ZAV_HOST_HEADERS})
endif()
")
endforeach()

if(ZAV_BUILD_TESTS)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  file(WRITE ${CMAKE_FIND_PACKAGE_REDIRECTS_DIR}/gtest-config.cmake "")
endif()
