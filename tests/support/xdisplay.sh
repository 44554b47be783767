# An Xvfb display for the tests that start the real program. Source it; it
# uses $work for the display number and sets $xvfb_pid.

# Starts Xvfb on a free display and exports DISPLAY; tries again should the
# server not answer (a stale socket of an earlier server). -noreset: by
# default the server resets when its last client leaves, and a program that
# connects just after the readiness probe left would then be refused.
start_display() {
  local ready=""
  for _ in 1 2 3; do
    : >"$work/display"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" 2>/dev/null &
    xvfb_pid=$!
    for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
    export DISPLAY=":$(cat "$work/display")"
    for _ in $(seq 100); do
      # Our server, alive, answering: a server of an earlier test that is
      # still shutting down may answer on the same number for a moment.
      if kill -0 "$xvfb_pid" 2>/dev/null && xwininfo -root >/dev/null 2>&1; then
        sleep 0.2
        if kill -0 "$xvfb_pid" 2>/dev/null && xwininfo -root >/dev/null 2>&1; then ready=1; break; fi
      fi
      kill -0 "$xvfb_pid" 2>/dev/null || break
      sleep 0.1
    done
    [ -n "$ready" ] && return 0
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  done
  echo "FAIL: no X display could be started"
  return 1
}

# Stops the display and waits until its server has gone, so the next test
# cannot meet it on the same number.
stop_display() {
  [ -n "${xvfb_pid:-}" ] || return 0
  kill "$xvfb_pid" 2>/dev/null || true
  for _ in $(seq 50); do kill -0 "$xvfb_pid" 2>/dev/null || break; sleep 0.1; done
  kill -9 "$xvfb_pid" 2>/dev/null || true
  wait "$xvfb_pid" 2>/dev/null || true
  xvfb_pid=""
}
