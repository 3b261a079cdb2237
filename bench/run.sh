#!/usr/bin/env bash
# Runs the Logo workloads of bench/workloads on Velmora, UCBLogo and Lua in alternation and prints a
# Markdown table of median wall times and of median per-run ratios.
#
#   bench/run.sh [-n RUNS] [WORKLOAD...]        (default: 5 runs of every workload)
#
# Environment:
#   VELMORA      the Velmora command-line tool   (default: build/velmora in this repository)
#   UCBLOGO_DIR  the folder bench/build-ucblogo.sh built into (default: /tmp/ucblogo-build)
#   LUA          the Lua 5.4 interpreter          (default: lua5.4)
#   EMPTY        a static program that does nothing (default: build/velmora_empty)
#   TIMEOUT      seconds one run may take         (default: 600)
#
# For each workload every available peer runs once as a warm-up, then RUNS rounds run the peers in
# turn (Velmora, UCBLogo, Lua, Velmora, UCBLogo, Lua, ...). Every run's standard output must equal
# bench/expected/WORKLOAD.txt and its exit status must be 0; otherwise the peer's cell reads FAILED
# and its remaining runs of that workload are skipped. Ratios are taken run by run (the Velmora run
# against the peer's run of the same round) and their median is shown. A peer that is not built or
# has no version of a workload shows "n/a".
#
# The start-up workloads (startup, hello) also run EMPTY in the same rounds, its output unchecked:
# starting any process costs that much here, so last lines give their ratios with that floor taken
# off both sides.
set -uo pipefail

bench_dir=$(cd "$(dirname "$0")" && pwd)
repo_dir=$(dirname "$bench_dir")
source "$bench_dir/timing.sh"
read_runs_option 23 "$@"
shift $((OPTIND - 1))

velmora=${VELMORA:-$repo_dir/build/velmora}
ucblogo_dir=${UCBLOGO_DIR:-/tmp/ucblogo-build}
ucblogo=$ucblogo_dir/src/ucblogo
ucblogo_lib=$ucblogo_dir/src/logolib
lua=${LUA:-lua5.4}
empty=${EMPTY:-$repo_dir/build/velmora_empty}
time_limit=${TIMEOUT:-600}

if [[ $# -gt 0 ]]; then
  workloads=("$@")
else
  workloads=()
  for f in "$bench_dir"/workloads/*.logo; do workloads+=("$(basename "$f" .logo)"); done
fi
for w in "${workloads[@]}"; do
  [[ -f $bench_dir/workloads/$w.logo ]] || { echo "no workload $w" >&2; exit 2; }
done

scratch=$(mktemp -d)

# One watchdog for the whole script kills a program that runs past the time limit. It wakes once
# a second (a read with a timeout on a fifo nobody writes: no process is started for it), so the
# timed window holds only the program itself, not a wrapper such as timeout(1), whose own start
# would add milliseconds to both sides of every pair.
mkfifo "$scratch/tick"
watch_runs() {
  local tick pid since
  exec {tick}<>"$scratch/tick"
  while true; do
    read -r -t 1 -u "$tick" _
    [[ -s $scratch/running ]] || continue
    read -r pid since <"$scratch/running" || continue
    ((EPOCHSECONDS - since > time_limit)) && kill -KILL "$pid" 2>/dev/null
  done
}
watch_runs &
watchdog=$!
trap 'kill "$watchdog" 2>/dev/null; rm -rf "$scratch"' EXIT

peers=(velmora ucblogo lua floor)
declare -A title=([velmora]=Velmora [ucblogo]=UCBLogo [lua]="Lua 5.4" [floor]="the empty program")
declare -A available=()
[[ -x $velmora ]] && available[velmora]=1 || echo "Velmora not found at $velmora" >&2
[[ -x $ucblogo && -d $ucblogo_lib ]] && available[ucblogo]=1 \
  || echo "UCBLogo not built in $ucblogo_dir (see bench/build-ucblogo.sh)" >&2
command -v "$lua" >/dev/null 2>&1 && available[lua]=1 || echo "Lua not found ($lua)" >&2
[[ -x $empty ]] && available[floor]=1 || echo "The empty program not found at $empty" >&2

# The program file each peer runs for a workload; empty when the peer has no version of it.
program_for() {
  local peer=$1 w=$2 src=$bench_dir/workloads/$2.logo
  case $peer in
    velmora) echo "$src" ;;
    ucblogo)
      # UCBLogo spells floored modulo "modulo" (Velmora's "mod" is floored as well) and stays
      # at its prompt after a file unless the file ends with "bye".
      local out=$scratch/ucblogo-$w.logo
      if [[ ! -f $out ]]; then
        sed -E 's/(^|[^[:alnum:]_.":])mod([^[:alnum:]_.?]|$)/\1modulo\2/g' "$src" >"$out"
        printf '\nbye\n' >>"$out"
      fi
      echo "$out" ;;
    lua) [[ -f $bench_dir/lua/$w.lua ]] && echo "$bench_dir/lua/$w.lua" ;;
    floor) [[ $w == startup || $w == hello ]] && echo "$empty" ;;
  esac
}

# Runs one peer on one program; sets run_ms and run_ok (1 or 0), and run_why on failure.
run_once() {
  local peer=$1 program=$2 expected=$3 out=$scratch/out err=$scratch/err start end status
  start=$EPOCHREALTIME
  case $peer in
    velmora) "$velmora" logo "$program" </dev/null >"$out" 2>"$err" & ;;
    ucblogo) LOGOLIB=$ucblogo_lib "$ucblogo" "$program" </dev/null >"$out" 2>"$err" & ;;
    lua) "$lua" "$program" </dev/null >"$out" 2>"$err" & ;;
    floor) "$program" </dev/null >"$out" 2>"$err" & ;;
  esac
  local pid=$!
  echo "$pid $EPOCHSECONDS" >"$scratch/running"
  wait "$pid"
  status=$?
  end=$EPOCHREALTIME
  : >"$scratch/running"
  run_ms=$(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.3f", (b - a) * 1000 }')
  run_ok=1
  run_why=
  if [[ $status -ne 0 ]]; then
    run_ok=0
    run_why="exit status $status$( [[ $status -eq 137 ]] && echo " (killed: over the time limit?)")"
  elif [[ $peer != floor ]] && ! cmp -s "$out" "$expected"; then
    run_ok=0
    run_why="output differs from $(basename "$expected")"
  fi
  if [[ $run_ok -eq 0 ]]; then
    run_why="$run_why; stdout: $(head -c 200 "$out" | tr '\n' '|') stderr: $(head -c 200 "$err" | tr '\n' '|')"
  fi
}

declare -A times=() state=() programs=()
for w in "${workloads[@]}"; do
  expected=$bench_dir/expected/$w.txt
  for p in "${peers[@]}"; do
    state[$w,$p]=n/a
    [[ -n ${available[$p]:-} ]] || continue
    prog=$(program_for "$p" "$w")
    [[ -n $prog ]] || continue
    programs[$w,$p]=$prog
    state[$w,$p]=ok
    run_once "$p" "$prog" "$expected"            # warm-up, checked but not counted
    if [[ $run_ok -eq 0 ]]; then state[$w,$p]=FAILED; echo "$w on ${title[$p]}: $run_why" >&2; fi
  done
  for ((r = 1; r <= runs; r++)); do
    for p in "${peers[@]}"; do
      [[ ${state[$w,$p]} == ok ]] || continue
      run_once "$p" "${programs[$w,$p]}" "$expected"
      if [[ $run_ok -eq 0 ]]; then
        state[$w,$p]=FAILED; echo "$w on ${title[$p]}: run $r: $run_why" >&2; continue
      fi
      times[$w,$p,$r]=$run_ms
    done
  done
  echo "$w done" >&2
done

cell_time() { # workload peer
  case ${state[$1,$2]} in
    ok) for ((r = 1; r <= runs; r++)); do echo "${times[$1,$2,$r]}"; done | median | awk '{ printf "%.1f", $1 }' ;;
    *) echo "${state[$1,$2]}" ;;
  esac
}
cell_ratio() { # workload peer: median over rounds of Velmora's time / the peer's time
  if [[ ${state[$1,velmora]} != ok || ${state[$1,$2]} != ok ]]; then echo "n/a"; return; fi
  for ((r = 1; r <= runs; r++)); do
    awk -v a="${times[$1,velmora,$r]}" -v b="${times[$1,$2,$r]}" 'BEGIN { if (b > 0) printf "%.6f\n", a / b }'
  done | median | awk '{ printf "%.2f", $1 }'
}

echo
echo "Median wall time in ms over $runs runs after a warm-up run ($(uname -m), $(nproc) CPUs);"
echo "ratios are medians of the per-round ratios."
echo
echo "| workload | Velmora | UCBLogo | Lua 5.4 | Velmora/UCBLogo | Velmora/Lua |"
echo "|---|---:|---:|---:|---:|---:|"
failed=0
for w in "${workloads[@]}"; do
  for p in "${peers[@]}"; do [[ ${state[$w,$p]} == FAILED ]] && failed=1; done
  echo "| $w | $(cell_time "$w" velmora) | $(cell_time "$w" ucblogo) | $(cell_time "$w" lua) |" \
       "$(cell_ratio "$w" ucblogo) | $(cell_ratio "$w" lua) |"
done
# Start-up less the floor, on both sides of each round.
for w in "${workloads[@]}"; do
  [[ ${state[$w,velmora]} == ok && ${state[$w,ucblogo]} == ok && ${state[$w,floor]} == ok ]] \
    || continue
  above_floor=$(for ((r = 1; r <= runs; r++)); do
    awk -v v="${times[$w,velmora,$r]}" -v u="${times[$w,ucblogo,$r]}" \
        -v f="${times[$w,floor,$r]}" 'BEGIN { if (u > f) printf "%.6f\n", (v - f) / (u - f) }'
  done | median | awk '{ printf "%.2f", $1 }')
  echo
  echo "$w above the process floor (the empty program: $(cell_time "$w" floor) ms):" \
       "Velmora/UCBLogo $above_floor"
done
exit $failed
