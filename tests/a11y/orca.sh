#!/usr/bin/env bash
# The real program heard through Orca: Xvfb, a private D-Bus session with its
# own accessibility bus, speech-dispatcher with its dummy output module, and
# Debian's Orca writing what it says to its debug log. hear_orca.py plays the
# child at the keyboard and reads the log. Everything started here is ended
# here, whatever happens.
set -euo pipefail
program=$1
here=$(cd "$(dirname "$0")" && pwd)

# A session bus of our own: dbus-run-session ends it when this script ends.
if [ -z "${VANTEL_ORCA_SESSION:-}" ]; then
  export VANTEL_ORCA_SESSION=1
  exec timeout -k 5 170 dbus-run-session -- "$0" "$@"
fi

source "$here/../support/xdisplay.sh"
work=$(mktemp -d)
xvfb_pid=""
pids=()
cleanup() {
  # The last started ends first: the program, Orca, speech, the bus, the display.
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
    kill "${pids[i]}" 2>/dev/null || true
    for _ in $(seq 50); do kill -0 "${pids[i]}" 2>/dev/null || break; sleep 0.1; done
    kill -9 "${pids[i]}" 2>/dev/null || true
    wait "${pids[i]}" 2>/dev/null || true
  done
  stop_display
  if [ -n "${VANTEL_ORCA_KEEP_LOG:-}" ] && [ -e "$work/orca.log" ]; then
    cp "$work/orca.log" "$VANTEL_ORCA_KEEP_LOG"
  fi
  rm -rf "$work"
}
trap cleanup EXIT

for tool in orca speech-dispatcher xdotool; do
  if ! command -v "$tool" >/dev/null; then
    echo "FAIL: $tool is missing (scripts/install-deps.sh installs it)"
    exit 1
  fi
done
launcher=""
for candidate in /usr/libexec/at-spi-bus-launcher /usr/lib/at-spi2-core/at-spi-bus-launcher; do
  [ -x "$candidate" ] && launcher=$candidate && break
done
if [ -z "$launcher" ]; then
  echo "FAIL: at-spi-bus-launcher not found (package at-spi2-core)"
  exit 1
fi

# Everything of Orca's and the program's goes in the temporary folder; the
# desktop's locale is not Japanese, so a Japanese voice can only come from
# what the program says of its texts.
mkdir -p "$work/bin" "$work/run" "$work/home" "$work/xdg-run" "$work/orca" "$work/speechd"
chmod 700 "$work/xdg-run"
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"
export XDG_CACHE_HOME="$work/home/.cache" XDG_RUNTIME_DIR="$work/xdg-run"
export LANG=C.UTF-8 LANGUAGE= LC_ALL=
export GSETTINGS_BACKEND=memory NO_AT_BRIDGE=1
export SDL_AUDIODRIVER=dummy QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
unset QT_QPA_PLATFORM

start_display || exit 1

"$launcher" --launch-immediately &
pids+=($!)

# Speech goes nowhere: the dummy module, on a socket of our own.
cat >"$work/speechd/speechd.conf" <<CONF
LogLevel 3
LogDir "$work/speechd"
AudioOutputMethod "alsa"
AudioALSADevice "null"
AddModule "dummy" "sd_dummy" ""
DefaultModule dummy
CONF
speech-dispatcher -s -t 0 -c unix_socket -S "$work/speechd.sock" -C "$work/speechd" \
  -P "$work/speechd.pid" -L "$work/speechd" 2>"$work/speechd/stderr" &
pids+=($!)
for _ in $(seq 100); do [ -S "$work/speechd.sock" ] && break; sleep 0.1; done
export SPEECHD_ADDRESS="unix_socket:$work/speechd.sock"

# The program's language: Japanese, or VANTEL_ORCA_LANGUAGE (a catalogue's
# code, as pt_BR) chosen in its language file, with Orca's voice in it.
language=${VANTEL_ORCA_LANGUAGE:-ja}
voice=${language%%_*}
catalogue=()
if [ "$language" != ja ]; then
  mkdir -p "$XDG_CONFIG_HOME/vantel"
  printf '[Language]\ncode=%s\n' "$language" >"$XDG_CONFIG_HOME/vantel/language.conf"
  catalogue=("$here/../../translations/vantel_$language.ts")
fi
export VANTEL_ORCA_VOICE=$voice

# Orca as help/ear.html sets it up for the drill: a voice of the child's
# language, each typed character echoed, one cell at a time rather than the
# whole row.
cat >"$work/orca/user-settings.conf" <<CONF
{"general": {"startingProfile": ["Default", "default"], "firstStart": false},
 "profiles": {"default": {"profile": ["Default", "default"],
   "enableEchoByCharacter": true, "readFullRowInGUITable": false,
   "voices": {"default": {"established": true, "family": {"lang": "$voice", "dialect": ""}},
              "uppercase": {"average-pitch": 7.0}, "hyperlink": {}, "system": {}}}},
 "pronunciations": {}, "keybindings": {}}
CONF
/usr/bin/python3 "$here/run_orca.py" -d braille -u "$work/orca" --debug-file "$work/orca.log" >"$work/orca.out" 2>&1 &
pids+=($!)
for _ in $(seq 300); do grep -q "ATSPI registry initialized" "$work/orca.log" 2>/dev/null && break; sleep 0.1; done
if ! grep -q "ATSPI registry initialized" "$work/orca.log" 2>/dev/null; then
  echo "FAIL: Orca did not start"
  cat "$work/orca.out"
  exit 1
fi

# The program runs from a copy of its folder, so its settings are fresh ones.
cp "$program" "$work/bin/"
for data in about.jpg Vantel.qch Vantel.qhc; do
  [ -e "$(dirname "$program")/$data" ] && cp "$(dirname "$program")/$data" "$work/bin/"
done
(cd "$work/run" && exec "$work/bin/$(basename "$program")" >"$work/program.out" 2>&1) &
pids+=($!)

status=0
/usr/bin/python3 "$here/hear_orca.py" "$work/orca.log" "$work/program.out" "${catalogue[@]}" || status=$?
exit $status
