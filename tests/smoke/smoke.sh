#!/usr/bin/env bash
# Starts the real program under Xvfb, takes a screenshot, checks that the
# main window came up, then asks it to end and checks that it ends cleanly.
set -euo pipefail
program=$1
shot=${2:-$PWD/smoke.png}

source "$(dirname "$0")/../support/xdisplay.sh"
work=$(mktemp -d)
xvfb_pid=""
app_pid=""
cleanup() {
  [ -n "$app_pid" ] && kill -9 "$app_pid" 2>/dev/null || true
  stop_display
  rm -rf "$work"
}
trap cleanup EXIT

# The program runs from a copy of its folder, so its settings file is a fresh one.
mkdir -p "$work/bin" "$work/run"
cp "$program" "$work/bin/"
for data in about.jpg Vantel.qch Vantel.qhc; do
  [ -e "$(dirname "$program")/$data" ] && cp "$(dirname "$program")/$data" "$work/bin/"
done

# A display that answers, on a free number.
start_display || exit 1
export HOME="$work" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work"
export SDL_AUDIODRIVER=dummy
unset QT_QPA_PLATFORM

(cd "$work/run" && exec "$work/bin/$(basename "$program")") &
app_pid=$!

came_up=""
for _ in $(seq 300); do
  if xwininfo -root -tree 2>/dev/null | grep -q '"Vantel"'; then came_up=1; break; fi
  kill -0 "$app_pid" 2>/dev/null || break
  sleep 0.1
done
if [ -z "$came_up" ]; then
  echo "FAIL: the main window did not come up"
  exit 1
fi
sleep 1.5
import -window root "$shot"
deviation=$(convert "$shot" -colorspace Gray -format '%[fx:standard_deviation]' info:)
echo "screenshot: $shot (grey deviation $deviation)"
if awk -v d="$deviation" 'BEGIN { exit !(d < 0.05) }'; then
  echo "FAIL: the screenshot is nearly uniform"
  exit 1
fi

kill -TERM "$app_pid"
for _ in $(seq 100); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$app_pid" 2>/dev/null; then
  echo "FAIL: the program did not end within 10 s"
  exit 1
fi
status=0
wait "$app_pid" || status=$?
app_pid=""
if [ "$status" -ne 0 ]; then
  echo "FAIL: the program ended with status $status"
  exit 1
fi
echo "PASS"
