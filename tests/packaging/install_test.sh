#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks the result as a user
# and a desktop would: every file is there, the desktop entry and AppStream
# file validate, the command line answers without a display, and the installed
# program comes up with its help and About picture found and keeps its
# settings under $XDG_CONFIG_HOME, not beside itself.
set -euo pipefail
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
version=${VANTEL_VERSION:?}
appstream_id=${VANTEL_APPSTREAM_ID:?}
icon_sizes=${VANTEL_ICON_SIZES:?}

# shellcheck source=xsession.sh
source "$here/xsession.sh"
work=$(mktemp -d)
xvfb_pid=""
app_pid=""
cleanup() {
  [ -n "$app_pid" ] && kill -9 "$app_pid" 2>/dev/null || true
  stop_display
  rm -rf "$work"
}
trap cleanup EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" >"$work/install.log"

# Every file of the layout.
expected=(
  bin/vantel
  share/vantel/Vantel.qhc share/vantel/Vantel.qch share/vantel/about.jpg
  share/vantel/scripts/classroom-setup.sh share/vantel/classroom/server.sql
  share/applications/vantel.desktop
  "share/metainfo/$appstream_id.metainfo.xml"
  share/icons/hicolor/scalable/apps/vantel.svg
  share/man/man1/vantel.1.gz
)
for size in $icon_sizes; do expected+=("share/icons/hicolor/${size}x${size}/apps/vantel.png"); done
for file in "${expected[@]}"; do
  [ -s "$prefix/$file" ] || fail "not installed: $file"
done
[ -x "$prefix/bin/vantel" ] || fail "bin/vantel is not executable"
for size in $icon_sizes; do
  got=$(identify -format '%wx%h' "$prefix/share/icons/hicolor/${size}x${size}/apps/vantel.png" 2>/dev/null || true)
  [ "$got" = "${size}x${size}" ] || fail "the ${size} pixel icon is $got"
done

# Validators, as a distribution runs them.
desktop-file-validate "$prefix/share/applications/vantel.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$prefix/share/metainfo/$appstream_id.metainfo.xml" || fail "appstreamcli validate"
grep -q "<release version=\"$version\"" "$prefix/share/metainfo/$appstream_id.metainfo.xml" ||
  fail "the AppStream releases lack $version"
man_warnings=$(zcat "$prefix/share/man/man1/vantel.1.gz" | groff -man -Tutf8 -ww -z 2>&1 || true)
[ -z "$man_warnings" ] || fail "the man page: $man_warnings"
zcat "$prefix/share/man/man1/vantel.1.gz" | grep -q "^\.TH VANTEL 1 .*\"Vantel $version\"" ||
  fail "the man page does not name version $version"

# The command line with no display at all: a QApplication made by mistake
# would abort here.
(
  unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
  status=0
  "$prefix/bin/vantel" --help >"$work/out" 2>"$work/err" || status=$?
  { [ $status -eq 0 ] && grep -q -- "--version" "$work/out" && [ ! -s "$work/err" ]; } ||
    { echo "FAIL: --help gave status $status"; cat "$work/out" "$work/err"; exit 1; }
  status=0
  "$prefix/bin/vantel" --version >"$work/out" 2>"$work/err" || status=$?
  { [ $status -eq 0 ] && [ "$(cat "$work/out")" = "Vantel $version" ]; } ||
    { echo "FAIL: --version gave status $status"; cat "$work/out" "$work/err"; exit 1; }
  status=0
  "$prefix/bin/vantel" --no-such-option >"$work/out" 2>"$work/err" || status=$?
  { [ $status -eq 2 ] && grep -q "Unknown option 'no-such-option'" "$work/err" && [ ! -s "$work/out" ]; } ||
    { echo "FAIL: a bad option gave status $status"; cat "$work/out" "$work/err"; exit 1; }
) || failures=$((failures + 1))
[ -e "$prefix/bin/vantel.ini" ] && fail "the command line alone wrote a settings file"

# The installed program, in a folder that root can write.
start_display
start_program "$prefix/bin/vantel"
check_running_program "$build/packaging/installed.png" || failures=$((failures + 1))
[ -s "$work/config/vantel/vantel.ini" ] || fail "no settings in \$XDG_CONFIG_HOME/vantel/vantel.ini"
[ -e "$prefix/bin/vantel.ini" ] && fail "the installed program wrote its settings beside itself"

if [ $failures -ne 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "PASS"
