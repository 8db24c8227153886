# SPDX-License-Identifier: MIT
# shellcheck shell=bash
# Functions for end-to-end runs under Xvfb; source this file. Every process and
# folder they make is removed when the sourcing shell exits.

_e2e_pids=()
_e2e_dirs=()

_e2e_cleanup() {
  set +e # a killed program's status must not become the script's
  local i
  # Newest first: programs end before the X server they draw on.
  for ((i = ${#_e2e_pids[@]} - 1; i >= 0; i--)); do
    kill "${_e2e_pids[i]}" 2>/dev/null && wait "${_e2e_pids[i]}" 2>/dev/null
  done
  ((${#_e2e_dirs[@]})) && rm -rf "${_e2e_dirs[@]}"
}

_e2e_trap() {
  trap _e2e_cleanup EXIT
  trap 'exit 130' INT
  trap 'exit 143' TERM
}

# Ends the process with the others when the script exits.
e2e_track() {
  _e2e_pids+=("$1")
}

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# A private configuration, runtime folder and home under one temporary folder, $E2E_DIR.
# Sets bin (the program, unless the caller set it), probe (the X11 test helper) and ini (the settings file).
e2e_setup() {
  _e2e_trap
  E2E_DIR=$(mktemp -d "${TMPDIR:-/tmp}/varnholt-e2e.XXXXXX") || fail "cannot make a temporary folder"
  _e2e_dirs+=("$E2E_DIR")
  export XDG_CONFIG_HOME=$E2E_DIR/config HOME=$E2E_DIR/home XDG_RUNTIME_DIR=$E2E_DIR/runtime
  mkdir -p "$XDG_CONFIG_HOME/Kestle" "$HOME"
  mkdir -m 0700 "$XDG_RUNTIME_DIR"
  # A caller's own program (the screenshot script's) is kept.
  bin=${bin:-${VARNHOLT_BIN_DIR:-}/varnholt}
  # shellcheck disable=SC2034 # read by the scripts that source this file
  probe=${VARNHOLT_BIN_DIR:-}/../tests/e2e/varnholt-x11-probe
  # shellcheck disable=SC2034
  ini=$XDG_CONFIG_HOME/Kestle/Varnholt.ini
}

# start_xvfb WxH [DPI]: an X server on a free display, 24-bit, exported as DISPLAY.
start_xvfb() {
  local size=${1:-1920x1080} dpi=${2:-96} number_file
  [[ $size =~ ^[0-9]+x[0-9]+$ ]] || fail "start_xvfb: size $size is not WxH"
  _e2e_trap
  number_file=$(mktemp "${TMPDIR:-/tmp}/varnholt-xvfb.XXXXXX") || fail "cannot make a temporary file"
  _e2e_dirs+=("$number_file")
  # -noreset: programs started one after another must not meet a server resetting itself.
  Xvfb -displayfd 3 -screen 0 "${size}x24" -dpi "$dpi" -nolisten tcp -noreset 3>"$number_file" 2>/dev/null &
  _e2e_pids+=($!)
  # Xvfb writes the display number once it accepts clients.
  local _
  for _ in $(seq 100); do
    if [ -s "$number_file" ]; then
      DISPLAY=:$(head -1 "$number_file")
      export DISPLAY
      return 0
    fi
    kill -0 "${_e2e_pids[-1]}" 2>/dev/null || fail "Xvfb did not start"
    sleep 0.1
  done
  fail "Xvfb did not report a display"
}

# wait_for_window TITLE [SECONDS]: prints the id of a window with exactly that title.
wait_for_window() {
  local title=$1 seconds=${2:-10} pattern id _
  # shellcheck disable=SC2001,SC2016 # a bracket expression of every regex metacharacter
  pattern=$(sed 's/[][\.*^$()+?{}|]/\\&/g' <<<"$title")
  for _ in $(seq $((seconds * 10))); do
    for id in $(xdotool search --name "^$pattern\$" 2>/dev/null); do
      if [ "$(xdotool getwindowname "$id" 2>/dev/null)" = "$title" ]; then
        echo "$id"
        return 0
      fi
    done
    sleep 0.1
  done
  fail "no window titled \"$title\" within $seconds s"
}

# window_geometry ID: prints the window's size and place on the screen as WxH+X+Y.
window_geometry() {
  local shell key value
  local -A field
  shell=$(xdotool getwindowgeometry --shell "$1" 2>/dev/null) || fail "no window $1"
  while IFS='=' read -r key value; do field[$key]=$value; done <<<"$shell"
  echo "${field[WIDTH]}x${field[HEIGHT]}+${field[X]}+${field[Y]}"
}

# start_test_host TITLE WxH [--framed] [--watch-activation]: a host window of the test
# helper, ended by the trap; sets host_pid, host_id (decimal) and host_output, the file
# that holds what the helper prints.
start_test_host() {
  local _
  host_output=$(mktemp "${TMPDIR:-/tmp}/varnholt-host.XXXXXX") || fail "cannot make a temporary file"
  _e2e_dirs+=("$host_output")
  "$VARNHOLT_BIN_DIR/../tests/e2e/varnholt-x11-probe" host "$@" >"$host_output" &
  host_pid=$!
  _e2e_pids+=("$host_pid")
  for _ in $(seq 100); do
    host_id=$(head -1 "$host_output")
    [[ $host_id == *[0-9] && $(wc -l <"$host_output") -ge 1 ]] && return 0
    kill -0 "$host_pid" 2>/dev/null || fail "the host window \"$1\" ended at start"
    sleep 0.1
  done
  fail "the host window \"$1\" did not start"
}

screenshot() {
  import -window root "$1" || fail "cannot take a screenshot into $1"
}
