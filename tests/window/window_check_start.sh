# The start every window check shares (sourced at its top, after `needs` names the tools it runs): the
# check goes on in a private network namespace where one can be had, since the single-instance lock is
# an abstract socket and a copy of the game running elsewhere on the machine would otherwise turn this
# one away; and every tool it needs must be there. Sourced again inside each X session (as
# "$window_check_start"), it only gives the helpers below.
#
# Nothing is waited for by the clock alone: a check waits for the condition itself (the window exists,
# the lock is held, the process ended) with a deadline, and every process it starts is ended by its
# pid when the shell that started it exits, whatever the outcome.
if [ -z "${TESSIVANE_CHECK_STARTED:-}" ]; then
  if [ -z "${TESSIVANE_OWN_NETNS:-}" ] && unshare -n true 2>/dev/null; then
    TESSIVANE_OWN_NETNS=1 exec unshare -n "$0" "$@"
  fi
  for tool in ${needs:-}; do
    command -v "$tool" >/dev/null || { echo "$tool is needed"; exit 1; }
  done
  export OMP_NUM_THREADS=1
  TESSIVANE_CHECK_STARTED=1
  window_check_start="$(cd "$(dirname "$0")" && pwd)/window_check_start.sh"
  export TESSIVANE_CHECK_STARTED window_check_start
fi

# centiseconds [SECONDS]: the time since the machine started (the kernel's steady clock), or SECONDS
# ("2", "0.5", "1.25") in the same unit; digits past the hundredths are dropped. Run as $(centiseconds).
centiseconds() {
  read -r _now _ </proc/uptime
  _time=${1:-$_now}
  _whole=${_time%%.*}
  _hundredths=00
  [ "$_whole" = "$_time" ] || _hundredths="${_time#*.}00"
  _rest=${_hundredths#??}
  _hundredths=${_hundredths%"$_rest"}
  # Leading zeros would read as octal.
  while [ "${_whole#0}" != "$_whole" ]; do _whole=${_whole#0}; done
  _hundredths=${_hundredths#0}
  echo $((${_whole:-0} * 100 + ${_hundredths:-0}))
}

# wait_until SECONDS COMMAND...: runs COMMAND about ten times a second until it succeeds (status 0) or
# SECONDS (a fraction too) have passed (status 1); a loaded machine tries less often, not for less time.
wait_until() {
  local _until_end  # its own, when COMMAND waits too (dash and bash know local)
  _until_end=$(($(centiseconds) + $(centiseconds "$1")))
  shift
  while ! "$@"; do
    # Past the hundredth the deadline falls in, so never a little short of SECONDS.
    [ "$(centiseconds)" -le "$_until_end" ] || return 1
    sleep 0.1
  done
}

# fail MESSAGE: the check fails, saying why.
fail() {
  echo "$1"
  exit 1
}

# alive PID / gone PID: the process runs (a zombie waiting to be reaped counts as gone).
alive() {
  _state=$(sed 's/.*) //' "/proc/$1/stat" 2>/dev/null | cut -c1)
  [ -n "$_state" ] && [ "$_state" != Z ]
}
gone() { ! alive "$1"; }
# ended SECONDS PID: the process (a child of this shell) ends within SECONDS, and $status is its exit
# status; false while it still runs then.
ended() {
  wait_until "$1" gone "$2" || return 1
  wait "$2"
  status=$?
}

# started PID: the process is ended when this shell exits. end_started ends them all now, latest
# first, each with the processes it started itself (SDL shows an error box from a forked copy of the
# game): a polite kill, then, after five seconds, a hard one.
started_pids=""
started() { started_pids="$1 $started_pids"; }
end_started() {
  for _pid in $started_pids; do
    for _each in $(pgrep -P "$_pid") "$_pid"; do
      kill "$_each" 2>/dev/null || continue
      wait_until 5 gone "$_each" || kill -9 "$_each" 2>/dev/null
    done
  done
  started_pids=""
}
trap end_started EXIT
trap 'exit 1' INT TERM HUP

# lock_held [DISPLAY_NAME]: some copy of the game holds the single-instance lock (an abstract unix
# socket) of a display: the one named (as the game names it: "x11:1", "offscreen"), by default the X
# display in $DISPLAY (":1", ":1.0" and "unix:1" alike).
lock_held() {
  _display=${DISPLAY:-}
  _display=${_display##*:}
  grep -q "@tessivane:$(id -u):mutex:Tessivane:ElMutex@${1:-x11:${_display%%.*}}\$" /proc/net/unix
}

# holds_lock PID DISPLAY_NAME: that very process holds the single-instance lock of the display named
# as the game names it ("offscreen", "x11:1"): one of the sockets among its open files is bound to the
# lock's name, whatever other copies of the game hold.
holds_lock() {
  _lock="@tessivane:$(id -u):mutex:Tessivane:ElMutex@$2"
  for _fd in /proc/"$1"/fd/*; do
    _link=$(readlink "$_fd" 2>/dev/null) || continue
    case $_link in
      "socket:["*"]") _inode=${_link#socket:\[}; _inode=${_inode%]} ;;
      *) continue ;;
    esac
    awk -v inode="$_inode" -v lock="$_lock" '$7 == inode && $8 == lock { found = 1 } END { exit !found }' \
      /proc/net/unix && return 0
  done
  return 1
}

# window_shown: the game's window is mapped; sets $window.
window_shown() {
  window=$(xdotool search --onlyvisible --name "^Tessivane\$" 2>/dev/null | head -n 1)
  [ -n "$window" ]
}

# manager_runs: a window manager answers on the display.
manager_runs() { xdotool get_num_desktops >/dev/null 2>&1; }

# start_manager: openbox, started and waited for; its pid in $wm. An openbox that could not open the
# display ends at once and is started again (seen under load, just after the previous session's X
# server went away).
manager_settled() { manager_runs || gone "$1"; }
start_manager() {
  for _try in 1 2 3; do
    openbox >"$work/openbox.log" 2>&1 &
    wm=$!
    started "$wm"
    wait_until 10 manager_settled "$wm"
    manager_runs && return 0
  done
  echo "openbox did not start: $(cat "$work/openbox.log")"
  exit 1
}

# press KEY: held across a few frames, as a player presses it.
press() {
  xdotool keydown "$1"
  sleep 0.2
  xdotool keyup "$1"
}
