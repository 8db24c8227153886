# SPDX-License-Identifier: MIT
# shellcheck shell=bash
# A headless sway for end-to-end runs; source after lib.sh and call e2e_setup first.
# sway refuses root: as root, sway and every program started by run_as_user run as
# "nobody", who is then given the test's folders.

# start_sway [OUTPUTS]: a compositor with that many 1280x720 outputs (1 unless told) and a
# keyboard; exports WAYLAND_DISPLAY and SWAYSOCK and unsets DISPLAY.
start_sway() {
  local outputs=${1:-1} _
  [[ $outputs =~ ^[1-9][0-9]*$ ]] || fail "start_sway: $outputs is no number of outputs"
  _sway_user=()
  if [ "$(id -u)" -eq 0 ]; then
    _sway_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
    chmod 755 "$E2E_DIR"
    chown -R nobody "$HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
  fi
  printf 'output * resolution 1280x720\ndefault_border none\n' >"$E2E_DIR/sway.conf"
  unset DISPLAY WAYLAND_DISPLAY SWAYSOCK
  WLR_BACKENDS=headless WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1 WLR_HEADLESS_OUTPUTS=$outputs \
    run_as_user sway --config "$E2E_DIR/sway.conf" >"$E2E_DIR/sway.log" 2>&1 &
  e2e_track $!
  for _ in $(seq 100); do
    SWAYSOCK=$(compgen -G "$XDG_RUNTIME_DIR/sway-ipc.*.sock" | head -1) || true
    WAYLAND_DISPLAY=$(cd "$XDG_RUNTIME_DIR" && compgen -G "wayland-[0-9]" | head -1) || true
    if [ -n "$SWAYSOCK" ] && [ -n "$WAYLAND_DISPLAY" ] && run_as_user swaymsg -t get_outputs >/dev/null 2>&1; then
      export SWAYSOCK WAYLAND_DISPLAY
      _sway_keyboard
      return 0
    fi
    # shellcheck disable=SC2154 # lib.sh, sourced first, keeps the list
    kill -0 "${_e2e_pids[-1]}" 2>/dev/null || { cat "$E2E_DIR/sway.log" >&2; fail "sway did not start"; }
    sleep 0.1
  done
  fail "sway did not open its sockets"
}

# A seat without a keyboard gains one only when wtype makes it, and a window that
# binds that keyboard after sway has sent it the focus never learns it has the focus:
# the first typed key is lost. A keyboard kept from the start, as on a desktop, avoids that.
_sway_keyboard() {
  local _
  run_as_user wtype -s 600000 &
  e2e_track $!
  for _ in $(seq 50); do
    run_as_user swaymsg -t get_inputs | grep -q '"type": "keyboard"' && return 0
    sleep 0.1
  done
  fail "sway has no keyboard"
}

# run_as_user COMMAND...: runs the command as sway's user, with the test's folders and sockets.
# Started with "&" it replaces its subshell, so that $! is the command's own id.
run_as_user() {
  local command=("${_sway_user[@]}" env HOME="$HOME" XDG_CONFIG_HOME="$XDG_CONFIG_HOME"
    XDG_RUNTIME_DIR="$XDG_RUNTIME_DIR" ${WAYLAND_DISPLAY:+WAYLAND_DISPLAY="$WAYLAND_DISPLAY"}
    ${SWAYSOCK:+SWAYSOCK="$SWAYSOCK"} "$@")
  [ "$BASHPID" != "$$" ] && exec "${command[@]}"
  "${command[@]}"
}

# wait_for_sway_window JQ-TEST: waits until sway has a window (a node with a process) that passes the test.
wait_for_sway_window() {
  local _
  for _ in $(seq 100); do
    run_as_user swaymsg -t get_tree | jq -e "[.. | objects | select(.pid? and ($1))] | length > 0" >/dev/null && return 0
    sleep 0.1
  done
  fail "no window with $1"
}
