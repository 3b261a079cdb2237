#!/usr/bin/env bash
# Runs the workloads of bench/scaling at a small and a large size on Velmora and prints how their
# cost grows: a Markdown table of the median cost ratio (large / small) against its limit.
#
#   bench/scaling.sh [-n RUNS] [-s SMALL] [-l LARGE] [WORKLOAD...]
#                                  (default: 5 runs, 1000 and 10000, every workload)
#
# Environment:
#   VELMORA   the Velmora command-line tool   (default: build/velmora in this repository)
#   LIMIT     the highest acceptable ratio    (default: 1.2 times LARGE / SMALL, so 12)
#   TIMEOUT   seconds one run may take        (default: 600)
#
# A workload is a Logo program in which the word COUNT stands for its size; it prints COUNT once
# done, which is checked. Each round runs it at sizes 0, SMALL and LARGE in turn; the cost of a
# size is its time less that of size 0 (starting and ending the program), and the ratio of a round
# is the cost at LARGE over the cost at SMALL. The median ratio over the rounds is shown. The script
# exits with status 1 when a run fails or a ratio is over the limit.
set -uo pipefail

bench_dir=$(cd "$(dirname "$0")" && pwd)
repo_dir=$(dirname "$bench_dir")
source "$bench_dir/timing.sh"
runs=5
small=1000
large=10000
while getopts "n:s:l:h" opt; do
  case $opt in
    n) runs=$OPTARG ;;
    s) small=$OPTARG ;;
    l) large=$OPTARG ;;
    *) sed -n '2,18p' "$0" | sed 's/^# \{0,1\}//'; exit 2 ;;
  esac
done
shift $((OPTIND - 1))
for value in "$runs" "$small" "$large"; do
  [[ $value =~ ^[1-9][0-9]*$ ]] || { echo "RUNS, SMALL and LARGE must be positive numbers" >&2; exit 2; }
done

velmora=${VELMORA:-$repo_dir/build/velmora}
limit=${LIMIT:-$(awk -v s="$small" -v l="$large" 'BEGIN { printf "%.6g", 1.2 * l / s }')}
time_limit=${TIMEOUT:-600}
[[ -x $velmora ]] || { echo "Velmora not found at $velmora" >&2; exit 2; }

if [[ $# -gt 0 ]]; then
  workloads=("$@")
else
  workloads=()
  for f in "$bench_dir"/scaling/*.logo; do workloads+=("$(basename "$f" .logo)"); done
fi
for w in "${workloads[@]}"; do
  [[ -f $bench_dir/scaling/$w.logo ]] || { echo "no workload $w" >&2; exit 2; }
done

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# Runs a workload at a size; sets run_ms, or prints why it failed and returns 1. The time-out
# wrapper's own start is in every size's time alike, so the cost (less size 0) does not hold it.
run_once() {
  local w=$1 size=$2 program=$scratch/$1-$2.logo
  [[ -f $program ]] || sed "s/COUNT/$size/g" "$bench_dir/scaling/$w.logo" >"$program"
  time_velmora "$program"
  if [[ $run_status -ne 0 || $(cat "$scratch/out") != "$size" ]]; then
    report_failure "$w at $size"
    return 1
  fi
}

echo "Median times in ms over $runs rounds after a warm-up round ($(uname -m), $(nproc) CPUs);"
echo "cost = time less the time at size 0; ratio = cost at $large / cost at $small, median over rounds."
echo
echo "| workload | size 0 | $small | $large | ratio | limit |"
echo "|---|---:|---:|---:|---:|---:|"
failed=0
for w in "${workloads[@]}"; do
  declare -a zero=() low=() high=() ratios=()
  ok=1
  for ((r = 0; r <= runs && ok; r++)); do
    run_once "$w" 0 && t0=$run_ms || { ok=0; break; }
    run_once "$w" "$small" && t1=$run_ms || { ok=0; break; }
    run_once "$w" "$large" && t2=$run_ms || { ok=0; break; }
    ((r == 0)) && continue # warm-up
    zero+=("$t0"); low+=("$t1"); high+=("$t2")
    ratios+=("$(awk -v a="$t0" -v b="$t1" -v c="$t2" 'BEGIN { if (b > a) printf "%.6f", (c - a) / (b - a); else print 1e9 }')")
  done
  if ((!ok)); then
    echo "| $w | FAILED | | | | $limit |"
    failed=1
    continue
  fi
  ratio=$(printf '%s\n' "${ratios[@]}" | median)
  over=$(awk -v r="$ratio" -v l="$limit" 'BEGIN { print (r > l) ? 1 : 0 }')
  ((over)) && failed=1
  printf '| %s | %.1f | %.1f | %.1f | %.2f%s | %s |\n' "$w" \
    "$(printf '%s\n' "${zero[@]}" | median)" "$(printf '%s\n' "${low[@]}" | median)" \
    "$(printf '%s\n' "${high[@]}" | median)" "$ratio" "$( ((over)) && echo " OVER")" "$limit"
done
exit $failed
