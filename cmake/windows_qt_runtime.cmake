# What the Windows editor needs beside it to run where no Qt is installed: Qt's DLLs, the MinGW
# runtime DLLs that Qt was built with (the programs themselves link theirs statically), and the
# platform and style plugins, in the folders Qt looks for them in.
find_package(Qt6 REQUIRED COMPONENTS Widgets)
set(ZAV_QT_DLL_TARGETS Qt6::Core Qt6::Gui Qt6::Widgets)
set(ZAV_QT_PLUGIN_FOLDERS platforms styles)
set(ZAV_QT_PLUGIN_TARGETS Qt6::QWindowsIntegrationPlugin Qt6::QWindowsVistaStylePlugin)

set(ZAV_MINGW_RUNTIME_DLLS)
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                  OUTPUT_VARIABLE found OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${found}")
    message(FATAL_ERROR "${CMAKE_CXX_COMPILER} knows no ${dll}, which Qt's DLLs need")
  endif()
  file(REAL_PATH ${found} found)
  list(APPEND ZAV_MINGW_RUNTIME_DLLS ${found})
endforeach()

# Programs run under Wine in the build tree find the DLLs in one folder named by WINEPATH, and
# the plugins where Qt keeps them. Wine hands a program the variables whose names start with QT_
# only when they are given with WINE before them, and takes Linux paths through its drive Z:.
set(ZAV_WINE_DLL_DIR ${CMAKE_BINARY_DIR}/wine-dlls)
file(MAKE_DIRECTORY ${ZAV_WINE_DLL_DIR})
foreach(dll IN LISTS ZAV_MINGW_RUNTIME_DLLS)
  get_filename_component(name ${dll} NAME)
  file(CREATE_LINK ${dll} ${ZAV_WINE_DLL_DIR}/${name} SYMBOLIC)
endforeach()
foreach(target IN LISTS ZAV_QT_DLL_TARGETS ITEMS Qt6::Test)
  if(TARGET ${target})
    get_target_property(dll ${target} IMPORTED_LOCATION_RELEASE)
    get_filename_component(name ${dll} NAME)
    file(CREATE_LINK ${dll} ${ZAV_WINE_DLL_DIR}/${name} SYMBOLIC)
  endif()
endforeach()
get_target_property(platform_plugin Qt6::QWindowsIntegrationPlugin IMPORTED_LOCATION_RELEASE)
get_filename_component(plugin_dir ${platform_plugin} DIRECTORY)
get_filename_component(plugin_dir ${plugin_dir} DIRECTORY)
set(ZAV_WINE_QT_ENVIRONMENT "WINEPATH=Z:${ZAV_WINE_DLL_DIR}" "WINEQT_PLUGIN_PATH=Z:${plugin_dir}")
