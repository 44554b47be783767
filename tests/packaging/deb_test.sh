#!/usr/bin/env bash
# Builds the .deb with CPack, installs it with apt as an administrator would,
# starts /usr/bin/vantel under Xvfb, and removes the package again, leaving
# the machine as it was. Skipped (status 77) where dpkg cannot be used.
set -euo pipefail
build=$(cd "$1" && pwd)
sanitized=${2:-0}
here=$(cd "$(dirname "$0")" && pwd)
version=${VANTEL_VERSION:?}

skip() { echo "SKIP: $*"; exit 77; }
[ "$sanitized" = 1 ] && skip "a sanitizer build is not packaged; the normal build's run of this test covers the .deb"
[ "$(id -u)" -eq 0 ] || skip "installing a package needs root; this test runs as $(id -un)"
{ command -v dpkg && command -v apt-get && command -v dpkg-shlibdeps; } >/dev/null ||
  skip "dpkg, apt-get or dpkg-shlibdeps is missing here"
if dpkg-query -W -f='${Status}' vantel 2>/dev/null | grep -q "ok installed" || [ -e /usr/bin/vantel ]; then
  skip "vantel is already installed on this machine; the test does not replace it"
fi

# shellcheck source=xsession.sh
source "$here/xsession.sh"
work=$(mktemp -d)
xvfb_pid=""
app_pid=""
installed=""
cleanup() {
  [ -n "$app_pid" ] && kill -9 "$app_pid" 2>/dev/null || true
  stop_display
  if [ -n "$installed" ]; then
    dpkg --purge vantel >/dev/null 2>&1 || echo "could not remove vantel: run 'dpkg --purge vantel'"
  fi
  rm -rf "$work"
}
trap cleanup EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# The package, built as package.sh builds it.
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/package" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; echo "FAIL: cpack"; exit 1; }
deb="$work/package/vantel_${version}_$(dpkg --print-architecture).deb"
if [ ! -f "$deb" ]; then
  echo "FAIL: cpack made no $(basename "$deb"):"; ls "$work/package"; exit 1
fi
depends=$(dpkg-deb -f "$deb" Depends)
recommends=$(dpkg-deb -f "$deb" Recommends)
for package in fonts-ipafont-gothic fonts-ipafont-mincho libqt6widgets6 libqt6help6 libsdl2-mixer-2.0-0 libxlsxwriter; do
  [[ "$depends" == *"$package"* ]] || fail "Depends lacks $package: $depends"
done
for package in libreoffice-calc libreoffice-l10n-ja; do
  [[ "$recommends" == *"$package"* ]] || fail "Recommends lacks $package: $recommends"
done
dpkg-deb -c "$deb" >"$work/contents"
for file in usr/bin/vantel usr/share/vantel/Vantel.qhc usr/share/vantel/about.jpg \
  usr/share/applications/vantel.desktop usr/share/icons/hicolor/scalable/apps/vantel.svg; do
  grep -q " \./$file\$" "$work/contents" || fail "the package lacks /$file"
done

# Installed and started as any other program. Recommends stay out: the test
# must not pull in LibreOffice's translations.
export DEBIAN_FRONTEND=noninteractive
installed=1
if ! apt-get install -y -q --no-install-recommends -o DPkg::Lock::Timeout=300 "$deb" >"$work/apt.log" 2>&1; then
  cat "$work/apt.log"; echo "FAIL: apt-get could not install the package"; exit 1
fi
[ "$(dpkg-query -W -f='${Version}' vantel)" = "$version" ] || fail "dpkg does not list vantel $version"
start_display
start_program /usr/bin/vantel
check_running_program "$build/packaging/deb-installed.png" || failures=$((failures + 1))
[ -s "$work/config/vantel/vantel.ini" ] || fail "no settings in \$XDG_CONFIG_HOME/vantel/vantel.ini"
[ -e /usr/bin/vantel.ini ] && fail "the program wrote /usr/bin/vantel.ini" && rm -f /usr/bin/vantel.ini

# Removed again, without a trace.
if apt-get remove --purge -y -q -o DPkg::Lock::Timeout=300 vantel >"$work/apt.log" 2>&1; then
  installed=""
else
  cat "$work/apt.log"; fail "apt-get could not remove the package"
fi
for path in /usr/bin/vantel /usr/share/vantel /usr/share/applications/vantel.desktop; do
  [ -e "$path" ] && fail "$path is left after removal"
done

if [ $failures -ne 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "PASS"
