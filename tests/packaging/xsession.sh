# Shared by the packaging tests: an Xvfb display, and a look at which windows
# a program has on it. Source it; it uses $work and sets $xvfb_pid.
source "$(dirname "${BASH_SOURCE[0]}")/../support/xdisplay.sh"

# The titles of the shown top-level windows, one a line, sorted.
shown_windows() {
  local id
  for id in $(xdotool search --onlyvisible --name '.' 2>/dev/null); do
    xdotool getwindowname "$id" 2>/dev/null || true
  done | grep -v '^$' | sort
}

# Waits up to 30 s for a shown window titled exactly $1 while process $2 lives.
wait_for_window() {
  for _ in $(seq 300); do
    shown_windows | grep -qxF "$1" && return 0
    kill -0 "$2" 2>/dev/null || return 1
    sleep 0.1
  done
  return 1
}

# Starts $1 under the display with a fresh home and settings folder below
# $work, from the folder $work/run; sets $app_pid.
start_program() {
  mkdir -p "$work/home" "$work/run"
  (
    cd "$work/run"
    export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work"
    export SDL_AUDIODRIVER=dummy
    unset QT_QPA_PLATFORM
    exec "$1"
  ) >"$work/program.log" 2>&1 &
  app_pid=$!
}

# The checks of a started program: its main window comes up alone (no
# message, no file dialog asking for the About picture), F1 opens the help,
# and the About box opens; then it is asked to end and must end with status 0.
# $1 names the screenshot to keep.
check_running_program() {
  local shot=$1
  if ! wait_for_window "Vantel" "$app_pid"; then
    echo "FAIL: the main window did not come up on $DISPLAY"; cat "$work/program.log"
    echo "X servers:"; pgrep -a Xvfb || true; ls -la /tmp/.X11-unix/ 2>&1 || true
    xwininfo -root 2>&1 | head -3 || true
    return 1
  fi
  sleep 1
  local windows
  windows=$(shown_windows)
  if [ "$windows" != "Vantel" ]; then
    echo "FAIL: more than the main window at start (a message or a dialog):"; echo "$windows"; return 1
  fi
  local main
  main=$(xdotool search --onlyvisible --name '^Vantel$' | head -1)
  xdotool windowfocus --sync "$main" key F1
  if ! wait_for_window "Vantel ヘルプ" "$app_pid"; then
    echo "FAIL: F1 did not open the help window:"; shown_windows; return 1
  fi
  if [ "$(shown_windows | grep -cxF Vantel)" -ne 1 ]; then
    echo "FAIL: F1 showed a message beside the help window"; return 1
  fi
  xdotool windowfocus --sync "$main" key alt+h a
  if ! wait_for_window "Ｖａｎｔｅｌ の バージョン情報" "$app_pid"; then
    echo "FAIL: the About box did not open:"; shown_windows; return 1
  fi
  sleep 1
  import -window root "$shot"
  echo "screenshot: $shot"
  kill -TERM "$app_pid"
  # A loaded machine or the sanitizer build may take a while to close.
  for _ in $(seq 300); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$app_pid" 2>/dev/null; then
    echo "FAIL: the program did not end within 30 s"; return 1
  fi
  local status=0
  wait "$app_pid" || status=$?
  app_pid=""
  if [ "$status" -ne 0 ]; then
    echo "FAIL: the program ended with status $status"; cat "$work/program.log"; return 1
  fi
}
