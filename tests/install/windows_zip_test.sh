#!/bin/sh
# Makes the Windows zip as scripts/package does, unpacks it into an empty folder and runs what
# it holds under Wine, with nothing of the build tree or of Qt's own folder in reach but the
# offscreen platform plugin, which stands in for a screen.
# Arguments: the build folder, the project's version, editor_start_check.exe, the Wine prefix,
# the folder of Qt's platform plugins.
set -eu
build=$1
version=$2
start_check=$3
wine_prefix=$4
qt_platforms=$5
here=$(dirname "$0")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
  echo "FAILED: $*" >&2
  exit 1
}

(cd "$build" && cpack -B "$work/package" >/dev/null)
name=zav-campaign-editor-$version-windows-x86_64
zip=$work/package/$name.zip
[ -f "$zip" ] || fail "cpack made no $name.zip"
echo "$name.zip: $(($(stat -c %s "$zip") / 1024 / 1024)) MB"
mkdir "$work/unpacked"
(cd "$work/unpacked" && cmake -E tar xf "$zip")
folder=$work/unpacked/$name

for file in zav-editor.exe zav.exe sqbasic.dat README.md Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll \
  libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll platforms/qwindows.dll \
  styles/qwindowsvistastyle.dll sample-game/camp01.dat sample-game/planes.str; do
  [ -f "$folder/$file" ] || fail "the zip holds no $file"
done
cmp "$build/sample-game/sqbasic.dat" "$folder/sqbasic.dat" || fail "sqbasic.dat is not the sample's"
# A desktop program: Windows opens no console window beside it.
x86_64-w64-mingw32-objdump -p "$folder/zav-editor.exe" | grep -q 'Subsystem.*Windows GUI' ||
  fail "zav-editor.exe is a console program"

# Wine passes variables whose names start with QT_ only when given with WINE before them.
run() {
  env -u WINEPATH -u WINEQT_PLUGIN_PATH "$here/../../scripts/wine" "$wine_prefix" "$@"
}
run "$folder/zav.exe" check "Z:$folder/sample-game/camp01.dat" || fail "zav.exe check camp01.dat"
WINEQT_QPA_PLATFORM_PLUGIN_PATH="Z:$qt_platforms" run "$start_check" "Z:$folder" ||
  fail "the editor did not start from the zip"
