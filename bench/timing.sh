# Shell functions the benchmark scripts share; sourced by them, not run.

# Reads "-n RUNS" from the script's arguments into runs (default 5); -h or an unknown option prints
# the script's opening comment (lines 2 to USAGE_END) and exits. The caller then shifts the
# options away: shift $((OPTIND - 1)).
read_runs_option() { # USAGE_END "$@"
  local usage_end=$1 opt
  shift
  runs=5
  while getopts "n:h" opt; do
    case $opt in
      n) runs=$OPTARG ;;
      *) sed -n "2,${usage_end}p" "$0" | sed 's/^# \{0,1\}//'; exit 2 ;;
    esac
  done
  [[ $runs =~ ^[1-9][0-9]*$ ]] || { echo "RUNS must be a positive number" >&2; exit 2; }
}

median() { # numbers on standard input
  sort -g | awk '{ v[NR] = $1 } END {
    if (NR == 0) exit
    if (NR % 2) printf "%.6g\n", v[(NR + 1) / 2]; else printf "%.6g\n", (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# Runs $velmora on a program under $time_limit seconds, its output going to $scratch/out and
# $scratch/err; sets run_ms (its wall time) and run_status. The time-out wrapper's own start is
# timed too, alike in every run.
time_velmora() { # PROGRAM
  local start end
  start=$EPOCHREALTIME
  timeout "$time_limit" "$velmora" logo "$1" </dev/null >"$scratch/out" 2>"$scratch/err"
  run_status=$?
  end=$EPOCHREALTIME
  run_ms=$(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.3f", (b - a) * 1000 }')
}

# Tells on standard error why the last run failed.
report_failure() { # WHAT
  echo "$1: status $run_status, output [$(head -c 100 "$scratch/out")]," \
       "errors [$(head -c 200 "$scratch/err")]" >&2
}
