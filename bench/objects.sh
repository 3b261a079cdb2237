#!/usr/bin/env bash
# Runs each workload of bench/objects in alternation with the plain workload of bench/workloads that
# does the same work without objects, and prints a Markdown table of the median per-round ratio
# (objects / plain) against its limit.
#
#   bench/objects.sh [-n RUNS] [WORKLOAD...]        (default: 5 rounds of every workload)
#
# Environment:
#   VELMORA   the Velmora command-line tool   (default: build/velmora in this repository)
#   TIMEOUT   seconds one run may take        (default: 600)
#
# Each round runs the object workload, then its plain one; every run's standard output must equal
# bench/expected/NAME.txt and its exit status must be 0. The ratio of a round is the object run's
# wall time over the plain run's; the table shows the median times and the median ratio. The time-out
# wrapper's own start and the program's start-up are on both sides of every ratio, a few
# milliseconds against runs of a hundred and more. The script exits with status 1 when a run fails
# or a median ratio passes its limit.
set -uo pipefail

bench_dir=$(cd "$(dirname "$0")" && pwd)
repo_dir=$(dirname "$bench_dir")
source "$bench_dir/timing.sh"
read_runs_option 17 "$@"
shift $((OPTIND - 1))

velmora=${VELMORA:-$repo_dir/build/velmora}
time_limit=${TIMEOUT:-600}
[[ -x $velmora ]] || { echo "Velmora not found at $velmora" >&2; exit 2; }

# Each object workload, the plain workload it is measured against, and the highest acceptable
# ratio: a procedure an instance inherits from its class against a global one; own variables read
# and set through their getters and setters, inside "ask" and with the object's prefix, against
# "thing" and "make" on globals.
declare -A plain=([inherited-calls]=fib [asked-own-variables]=loop [prefixed-own-variables]=loop)
declare -A limit=([inherited-calls]=1.3 [asked-own-variables]=2 [prefixed-own-variables]=2)

if [[ $# -gt 0 ]]; then
  workloads=("$@")
else
  workloads=()
  for f in "$bench_dir"/objects/*.logo; do workloads+=("$(basename "$f" .logo)"); done
fi
for w in "${workloads[@]}"; do
  [[ -n ${plain[$w]:-} && -f $bench_dir/objects/$w.logo ]] || { echo "no workload $w" >&2; exit 2; }
done

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# Runs one program; sets run_ms, or prints why it failed and returns 1.
run_once() {
  local program=$1 expected=$2
  time_velmora "$program"
  if [[ $run_status -ne 0 ]] || ! cmp -s "$scratch/out" "$expected"; then
    report_failure "$(basename "$program")"
    return 1
  fi
}

echo "Median wall times in ms over $runs rounds after a warm-up round ($(uname -m), $(nproc) CPUs);"
echo "ratio = object workload / plain workload, median over rounds."
echo
echo "| workload | against | objects ms | plain ms | ratio | limit |"
echo "|---|---|---:|---:|---:|---:|"
failed=0
for w in "${workloads[@]}"; do
  p=${plain[$w]}
  declare -a object_times=() plain_times=() ratios=()
  ok=1
  for ((r = 0; r <= runs && ok; r++)); do
    run_once "$bench_dir/objects/$w.logo" "$bench_dir/expected/$w.txt" && t1=$run_ms || { ok=0; break; }
    run_once "$bench_dir/workloads/$p.logo" "$bench_dir/expected/$p.txt" && t2=$run_ms || { ok=0; break; }
    ((r == 0)) && continue # warm-up
    object_times+=("$t1"); plain_times+=("$t2")
    ratios+=("$(awk -v a="$t1" -v b="$t2" 'BEGIN { printf "%.6f", a / b }')")
  done
  if ((!ok)); then
    echo "| $w | $p | FAILED | | | ${limit[$w]} |"
    failed=1
    continue
  fi
  ratio=$(printf '%s\n' "${ratios[@]}" | median)
  over=$(awk -v r="$ratio" -v l="${limit[$w]}" 'BEGIN { print (r > l) ? 1 : 0 }')
  ((over)) && failed=1
  printf '| %s | %s | %.1f | %.1f | %.2f%s | %s |\n' "$w" "$p" \
    "$(printf '%s\n' "${object_times[@]}" | median)" "$(printf '%s\n' "${plain_times[@]}" | median)" \
    "$ratio" "$( ((over)) && echo " OVER")" "${limit[$w]}"
done
exit $failed
