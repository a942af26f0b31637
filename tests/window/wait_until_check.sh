#!/bin/sh
# The deadline every window check waits with: `wait_until SECONDS COMMAND...` gives COMMAND the whole
# time asked for, fractions of a second too, however the start falls within a second of the clock;
# ends as soon as COMMAND succeeds; and keeps its own deadline when COMMAND waits too.
set -u
. "$(dirname "$0")/window_check_start.sh"

# lasted_ms COMMAND...: runs it; sets $ms to how long it took (measured apart from the helper's clock)
# and $status to its status.
lasted_ms() {
  _start=$(date +%s%N)
  "$@"
  status=$?
  ms=$((($(date +%s%N) - _start) / 1000000))
}

# Seconds as the deadlines count them: hundredths kept, digits past them dropped, no octal.
for pair in 0.5=50 1.25=125 2=200 0.05=5 10=1000 1.999=199 08.09=809; do
  got=$(centiseconds "${pair%%=*}")
  [ "$got" = "${pair#*=}" ] || fail "centiseconds ${pair%%=*} gave $got, not ${pair#*=}"
done

# A deadline never ends early, nor much later than asked (a loaded machine may add a little).
for seconds in 1 1 1 0.5 0.25; do
  lasted_ms wait_until "$seconds" false
  echo "wait_until $seconds false: status $status after $ms ms"
  [ "$status" -eq 1 ] || fail "wait_until $seconds false: status $status"
  asked=$(($(centiseconds "$seconds") * 10))
  [ "$ms" -ge "$asked" ] || fail "wait_until $seconds false gave up after $ms ms"
  [ "$ms" -lt $((asked + 2000)) ] || fail "wait_until $seconds false went on for $ms ms"
done

# Success ends the wait at once.
tries=0
third_try() {
  tries=$((tries + 1))
  [ "$tries" -ge 3 ]
}
lasted_ms wait_until 10 third_try
echo "wait_until 10 third_try: status $status after $ms ms, $tries tries"
[ "$status" -eq 0 ] && [ "$tries" -eq 3 ] || fail "wait_until 10 third_try: status $status after $tries tries"
[ "$ms" -lt 5000 ] || fail "wait_until 10 third_try went on for $ms ms after it succeeded"

# A command that waits itself does not cut the outer wait short.
inner_waits() {
  wait_until 0.2 false
  return 1
}
lasted_ms wait_until 1 inner_waits
echo "wait_until 1 inner_waits: status $status after $ms ms"
[ "$status" -eq 1 ] && [ "$ms" -ge 1000 ] || fail "wait_until 1 inner_waits: status $status after $ms ms"
echo "wait_until keeps its deadlines"
