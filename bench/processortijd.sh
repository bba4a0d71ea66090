#!/usr/bin/env bash
# Processor time of the real program (not a test): the Release build under Xvfb with a window manager,
# polling the rack emulator (k740-emulator, Release build) on a pseudo-terminal, in three set-ups:
#   een-rack   one rack of 7 modules, its rack window shown
#   16-racks   16 racks of 7 modules
#   terminal   one rack of 7 modules with the terminal open as well
# Each run starts with a settings store and documents folder of its own (the emulator's --store writes
# the racks and the port), lets the program warm up, then takes utime + stime of the program from
# /proc/<pid>/stat over the measuring time. Prints the share of one core per run, then the minimum and
# median of the runs of each set-up; a screenshot of each run's end goes to build/processortijd/. The
# share counts the program's own processor time, so other work on the machine changes it little; the
# load average at the end of each run is printed beside it all the same.
#
# --program measures another build of the program (a copy of an earlier one, say) against the same
# emulator; its runs keep their files in a folder of their own, so that two copies of this script, one
# per program, can run side by side and meet the same load.
#
#   bench/processortijd.sh [--runs N] [--seconds S] [--warmup W] [--program PATH] [set-up ...]
set -euo pipefail
cd "$(dirname "$0")/.."
RUNS=3
SECONDS_MEASURED=60
WARMUP=15
ANDER=""
SETUPS=()
while (($#)); do
  case "$1" in
    --runs) RUNS=$2; shift 2 ;;
    --seconds) SECONDS_MEASURED=$2; shift 2 ;;
    --warmup) WARMUP=$2; shift 2 ;;
    --program) ANDER=$(realpath "$2"); shift 2 ;;
    een-rack | 16-racks | terminal) SETUPS+=("$1"); shift ;;
    *) echo "usage: $0 [--runs N] [--seconds S] [--warmup W] [--program PATH] [een-rack|16-racks|terminal ...]" >&2; exit 2 ;;
  esac
done
((${#SETUPS[@]})) || SETUPS=(een-rack 16-racks terminal)

scripts/deps
export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$PWD}
BUILD=${K740_RUN_BUILD:-build/release}
# The emulator is built with the tests: the Release tree keeps them on for it.
cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DK740_TESTS=ON >/dev/null
cmake --build "$BUILD" --target k740 k740-emulator --parallel "${K740_JOBS:-3}" >/dev/null
PROGRAMMA="$PWD/$BUILD/k740"
EMULATOR="$PWD/$BUILD/tests/k740-emulator"
UIT="$PWD/build/processortijd"
if [ -n "$ANDER" ]; then
  PROGRAMMA=$ANDER
  UIT="$UIT/$(basename "$ANDER")"
fi
mkdir -p "$UIT"
TIK=$(getconf CLK_TCK)

EMU=""
opruimen() { if [ -n "$EMU" ]; then kill "$EMU" 2>/dev/null || true; wait "$EMU" 2>/dev/null || true; fi; EMU=""; }
trap opruimen EXIT

# One run: prints the share of one core in per cent.
meet() {
  local setup=$1 run=$2
  local thuis="$UIT/home-$setup"
  rm -rf "$thuis"
  mkdir -p "$thuis/.config/K740" "$thuis/run" "$thuis/tmp"
  chmod 700 "$thuis/run"
  # A temporary folder of its own also keeps the single-instance lock apart from other copies of the
  # program running on this machine.
  export HOME="$thuis" XDG_CONFIG_HOME="$thuis/.config" XDG_RUNTIME_DIR="$thuis/run" TMPDIR="$thuis/tmp"
  local racks=1
  [ "$setup" = 16-racks ] && racks=16
  "$EMULATOR" --racks "$racks" --modules 7 --store >"$thuis/pty" 2>"$thuis/emulator.log" &
  EMU=$!
  for _ in $(seq 1 100); do
    [ -s "$thuis/pty" ] && break
    sleep 0.1
  done
  if ! [ -s "$thuis/pty" ]; then
    echo "the emulator gave no pseudo-terminal" >&2
    exit 1
  fi
  if [ "$setup" = terminal ]; then
    printf '\n[Terminal]\nChecked=True\n' >>"$thuis/.config/K740/K740.ini"
  fi
  xvfb-run -a -s "-screen 0 1280x900x24" bash -c '
    openbox >/dev/null 2>&1 &
    "$1" >/dev/null 2>&1 &
    PROG=$!
    sleep "$2"
    stat=()
    if ! read -r -a stat </proc/$PROG/stat 2>/dev/null; then
      echo "the program ended during the warm-up" >&2
      echo nan
      exit 0
    fi
    T0=$((stat[13] + stat[14])); W0=$(date +%s.%N)
    sleep "$3"
    if ! read -r -a stat </proc/$PROG/stat 2>/dev/null; then
      echo "the program ended during the measurement" >&2
      echo nan
      exit 0
    fi
    T1=$((stat[13] + stat[14])); W1=$(date +%s.%N)
    import -window root "$4" 2>/dev/null || true
    kill $PROG 2>/dev/null || true
    wait $PROG 2>/dev/null || true
    awk -v t=$((T1 - T0)) -v hz="$5" -v w0="$W0" -v w1="$W1" "BEGIN { printf \"%.2f\n\", 100 * t / hz / (w1 - w0) }"
  ' meet "$PROGRAMMA" "$WARMUP" "$SECONDS_MEASURED" "$UIT/$setup-$run.png" "$TIK"
  opruimen
}

for setup in "${SETUPS[@]}"; do
  waarden=()
  for run in $(seq 1 "$RUNS"); do
    w=$(meet "$setup" "$run")
    read -r last _ </proc/loadavg
    echo "$setup run $run: $w % of one core (load average $last)"
    # A program that shows its settings window instead of polling (it did not take the emulator's
    # stored port) idles far below any polling figure: such a run measures nothing.
    if [ "$w" != nan ] && awk -v w="$w" 'BEGIN { exit !(w < 0.2) }'; then
      echo "$setup run $run: not polling (under 0.2 %), left out; see $UIT/$setup-$run.png" >&2
      w=nan
    fi
    [ "$w" = nan ] || waarden+=("$w")
  done
  ((${#waarden[@]})) || continue
  printf '%s\n' "${waarden[@]}" | sort -g | awk -v s="$setup" '
    { v[NR] = $1 }
    END { m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
          printf "%s: minimum %.2f %%, median %.2f %% of one core (%d runs)\n", s, v[1], m, NR }'
done
