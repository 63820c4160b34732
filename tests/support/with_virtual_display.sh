#!/usr/bin/env bash
# Runs a command on a virtual X display of its own and returns its exit
# status. The server picks a free display number itself and says which once
# it accepts clients, so runs started at the same time never race for one.
# It does not reset when its last client leaves: a client that connects
# during a reset (a window manager starting while another program polls the
# display) would be refused.
#
#   with_virtual_display.sh "SERVER OPTIONS" COMMAND [ARGUMENT...]
set -euo pipefail
options=$1
shift
scratch=$(mktemp -d)
mkfifo "$scratch/display"
# shellcheck disable=SC2086 # the options are words for the server
Xvfb -displayfd 3 -nolisten tcp -noreset $options 3> "$scratch/display" 2> "$scratch/server.log" &
server=$!
trap 'kill "$server" 2> /dev/null || true; wait "$server" 2> /dev/null || true; rm -rf "$scratch"' EXIT
trap 'exit 143' TERM INT
if ! read -r number < "$scratch/display"; then
  echo "the virtual X display did not start:" >&2
  cat "$scratch/server.log" >&2
  exit 1
fi
status=0
DISPLAY=:$number "$@" || status=$?
exit "$status"
