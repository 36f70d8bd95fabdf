# Sourced by scripts/test and scripts/package: which Windows build to make. With the Qt for
# MinGW that QT6_MINGW_PREFIX names (by default ../shared/qt6-mingw beside this clone, or one
# made by scripts/build-qt-windows), the desktop editor is built too; without it, zav.exe only.
QT6_MINGW_PREFIX=$(realpath -m "${QT6_MINGW_PREFIX:-../shared/qt6-mingw}")
export QT6_MINGW_PREFIX
if [ -f "$QT6_MINGW_PREFIX/lib/cmake/Qt6/qt.toolchain.cmake" ]; then
  windows_preset=windows-desktop
else
  windows_preset=windows
  echo "No Qt for MinGW in $QT6_MINGW_PREFIX: the Windows desktop editor is left out, zav.exe" \
    "is built alone. scripts/build-qt-windows makes that Qt (about 40 minutes)." >&2
fi
