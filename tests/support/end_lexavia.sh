# Sourced by the shell tests that start the real Lexavia. Waiting on the
# program's own progress, never on the clock, so that a busy machine only
# makes them slower.

# Asks the Lexavia of process PID to end, as a session would, once it
# listens for that (SIGTERM, 15, is caught once bit 14 of its caught-signal
# mask is set), and sets `lexavia_status` to its exit status. Fails when it
# ends on its own. Not in a subshell: only this shell can wait for PID.
# Until PID has become Lexavia it may still be the forked shell or the
# launcher, whose own handlers (bash's, for an EXIT trap) say nothing.
end_lexavia() {
  local pid=$1 mask
  lexavia_status=0
  until [ "$(cat "/proc/$pid/comm" 2>/dev/null)" = Lexavia ] &&
    mask=$(awk '/^SigCgt:/ { print $2 }' "/proc/$pid/status" 2>/dev/null) &&
    [ -n "$mask" ] && (( (16#$mask >> 14) & 1 )); do
    kill -0 "$pid" 2>/dev/null || { echo "Lexavia ended on its own" >&2; return 1; }
    sleep 0.05
  done
  kill -TERM "$pid"
  wait "$pid" || lexavia_status=$?
}
