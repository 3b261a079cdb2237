#!/usr/bin/env bash
# A line that a process prints reaches standard output when it is printed, also when standard
# output is a pipe: the line is read here while the runner's command line still waits, and the
# runner is then killed, as a program reading its output might do.
#
#   pipe_check.sh VELMORA
set -uo pipefail
velmora=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
printf 'launch [print "hello] wait 600000\n' >"$work/print.logo"
coproc runner { exec "$velmora" logo "$work/print.logo"; }
pid=$runner_PID
line=
read -r -t 60 line <&"${runner[0]}"
kill "$pid"
wait "$pid" 2>/dev/null
if [[ $line != hello ]]; then
    echo "the printed line did not reach the pipe while the runner ran: [$line]" >&2
    exit 1
fi
