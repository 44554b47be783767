#!/usr/bin/env bash
# The real program as a screen reader meets it: under Xvfb, on a private D-Bus
# session with its own accessibility bus, walked from outside with pyatspi
# (walk_atspi.py). Everything started here is ended here, whatever happens.
set -euo pipefail
program=$1
here=$(cd "$(dirname "$0")" && pwd)

# A session bus of our own: dbus-run-session ends it when this script ends.
if [ -z "${VANTEL_ATSPI_SESSION:-}" ]; then
  export VANTEL_ATSPI_SESSION=1
  exec timeout -k 5 150 dbus-run-session -- "$0" "$@"
fi

work=$(mktemp -d)
pids=()
cleanup() {
  # The last started ends first: the program before its display and bus.
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
    kill "${pids[i]}" 2>/dev/null || true
    wait "${pids[i]}" 2>/dev/null || true
  done
  rm -rf "$work"
}
trap cleanup EXIT

launcher=""
for candidate in /usr/libexec/at-spi-bus-launcher /usr/lib/at-spi2-core/at-spi-bus-launcher; do
  [ -x "$candidate" ] && launcher=$candidate && break
done
if [ -z "$launcher" ]; then
  echo "FAIL: at-spi-bus-launcher not found (package at-spi2-core)"
  exit 1
fi
"$launcher" --launch-immediately &
pids+=($!)

# The program runs from a copy of its folder, so its settings are fresh ones.
mkdir -p "$work/bin" "$work/run"
cp "$program" "$work/bin/"
for data in about.jpg Vantel.qch Vantel.qhc; do
  [ -e "$(dirname "$program")/$data" ] && cp "$(dirname "$program")/$data" "$work/bin/"
done

: >"$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
if [ ! -s "$work/display" ]; then
  echo "FAIL: no X display could be started"
  exit 1
fi
export DISPLAY=":$(cat "$work/display")"
export HOME="$work" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work"
export SDL_AUDIODRIVER=dummy QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
unset QT_QPA_PLATFORM

(cd "$work/run" && exec "$work/bin/$(basename "$program")") &
pids+=($!)

# Debian's pyatspi belongs to Debian's own interpreter.
/usr/bin/python3 "$here/walk_atspi.py"
