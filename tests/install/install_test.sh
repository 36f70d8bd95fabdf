#!/bin/sh
# Installs the build into a scratch prefix and runs what was installed: the tool on an installed
# sample, and the editor, started through its launcher, with its sqbasic.dat beside it.
# Arguments: the build folder, the project's version.
set -eu
build=$1
version=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

fail() {
  echo "FAILED: $*" >&2
  exit 1
}

cmake --install "$build" --prefix "$prefix" >/dev/null

# The editor of the build tree has its sqbasic.dat beside it as well.
cmp "$build/sample-game/sqbasic.dat" "$build/ui/sqbasic.dat" || fail "build/ui/sqbasic.dat"

for file in bin/zav bin/zav-editor lib/zav-campaign-editor/zav-editor; do
  [ -x "$prefix/$file" ] || fail "$file is not an installed program"
done
for file in lib/zav-campaign-editor/sqbasic.dat share/applications/zav-campaign-editor.desktop \
  share/icons/hicolor/scalable/apps/zav-campaign-editor.svg share/mime/packages/zav-campaign-editor.xml \
  share/doc/zav-campaign-editor/README.md share/doc/zav-campaign-editor/docs/cli.md; do
  [ -f "$prefix/$file" ] || fail "$file is not installed"
done
cmp "$build/sample-game/sqbasic.dat" "$prefix/lib/zav-campaign-editor/sqbasic.dat" ||
  fail "the installed sqbasic.dat is not the sample's"

[ "$("$prefix/bin/zav" --version)" = "zav $version" ] || fail "zav --version"
"$prefix/bin/zav" check "$prefix/share/zav-campaign-editor/sample-game/camp01.dat" ||
  fail "zav check of the installed camp01.dat"

# The desktop entry is valid and takes files; the data files' kinds are registered by name, and
# a file manager's lookup offers the editor for each.
desktop-file-validate "$prefix/share/applications/zav-campaign-editor.desktop" ||
  fail "the desktop entry is not valid"
grep -q '^Exec=zav-editor %F$' "$prefix/share/applications/zav-campaign-editor.desktop" ||
  fail "the desktop entry passes no files"
update-mime-database "$prefix/share/mime"
update-desktop-database "$prefix/share/applications"
for kind in campaign:camp mission:misn squadrons:sq; do
  type=application/x-zav-${kind%%:*}
  grep -q "^50:$type:${kind#*:}\*\.dat\$" "$prefix/share/mime/globs2" ||
    fail "$type is not told by the name ${kind#*:}*.dat"
  default=$(XDG_DATA_HOME="$prefix/share" XDG_DATA_DIRS="$prefix/share" \
    XDG_CONFIG_HOME="$prefix/config" XDG_CURRENT_DESKTOP= xdg-mime query default "$type")
  [ "$default" = zav-campaign-editor.desktop ] || fail "$type opens with '$default'"
done

# The editor keeps its settings in a scratch folder, not in the user's who runs the test.
export XDG_CONFIG_HOME="$prefix/config"

QT_QPA_PLATFORM=offscreen "$prefix/bin/zav-editor" --help | grep -q -- '--fresh' ||
  fail "zav-editor --help tells no options"

# The launcher starts the installed editor, which runs until it is stopped: 124 is timeout's
# status for a program that it had to stop; a missing library or a crash ends it earlier.
status=0
QT_QPA_PLATFORM=offscreen timeout 3 "$prefix/bin/zav-editor" || status=$?
[ "$status" -eq 124 ] || fail "the installed editor ended with status $status instead of running"
echo "installed and ran from $prefix"
