#!/usr/bin/env bash
# Start-up of the real program (not a test): the time from starting the Release build with "/demo" and
# a fresh settings store until its first window shows (the splash screen), under Xvfb with a window
# manager, against the same time of a minimal Qt Widgets program (bench/MinimaalVenster.cpp: a main
# window with a menu bar, a tool bar and a status bar) started the same way in the same run. The
# windows of the process are watched with xdotool in a tight loop (a few milliseconds a look), the same
# for both. The main window follows the splash's two seconds; its time is printed beside. Prints each
# round, then the minimum and median of each and their ratio, with the load average.
#
#   bench/opstarttijd.sh [--runs N]
set -euo pipefail
cd "$(dirname "$0")/.."
RUNS=5
while (($#)); do
  case "$1" in
    --runs) RUNS=$2; shift 2 ;;
    *) echo "usage: $0 [--runs N]" >&2; exit 2 ;;
  esac
done

scripts/deps
BUILD=${K740_RUN_BUILD:-build/release}
cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$BUILD" --target k740 bench_MinimaalVenster --parallel "${K740_JOBS:-3}" >/dev/null
WERK=$(mktemp -d)
trap 'rm -rf "$WERK"' EXIT

# Seconds from the start of the command until a visible window whose name matches the pattern shows.
cat >"$WERK/meet.sh" <<'SH'
patroon=$1; shift
t="$WERK_HOME"
rm -rf "$t"; mkdir -p "$t/.config/K740" "$t/run" "$t/tmp"; chmod 700 "$t/run"
printf '[Main%%20window]\nWindowstate=0\n[Settings]\nLanguage=0\n' >"$t/.config/K740/K740.ini"
export HOME="$t" XDG_CONFIG_HOME="$t/.config" XDG_RUNTIME_DIR="$t/run" TMPDIR="$t/tmp"
begin=$(date +%s.%N)
"$@" >/dev/null 2>&1 &
prog=$!
until xdotool search --onlyvisible --pid $prog >/dev/null 2>&1; do
  kill -0 $prog 2>/dev/null || { echo "the program ended before its window showed" >&2; exit 1; }
done
eerste=$(date +%s.%N)
until xdotool search --onlyvisible --name "$patroon" >/dev/null 2>&1; do
  kill -0 $prog 2>/dev/null || { echo "the program ended before its main window showed" >&2; exit 1; }
done
hoofd=$(date +%s.%N)
sleep 1
kill $prog; wait $prog 2>/dev/null || true
echo "$begin $eerste $hoofd" | awk '{printf "%.3f %.3f\n", $2 - $1, $3 - $1}'
SH

export WERK_HOME="$WERK/home"
xvfb-run -a -s "-screen 0 1280x900x24" bash -c '
  openbox >/dev/null 2>&1 &
  sleep 1
  for i in $(seq 1 "$1"); do
    k=$(bash "$2/meet.sh" "^K740 \\(" "$3/k740" /demo)
    m=$(bash "$2/meet.sh" "^Minimal window" "$3/bench/bench_MinimaalVenster" | cut -d" " -f1)
    echo "$k $m $(cut -d" " -f1 /proc/loadavg)"
  done
' opstart "$RUNS" "$WERK" "$PWD/$BUILD" | tee "$WERK/runs" |
  awk '{printf "round %d: K740 first window %.3f s (main window %.3f s), minimal window %.3f s, ratio %.2f (load %s)\n", NR, $1, $2, $3, $1 / $3, $4}'

python3 - "$WERK/runs" <<'PY'
import sys, statistics
k, m = [], []
for regel in open(sys.argv[1]):
    a, _, b, _ = regel.split()
    k.append(float(a)); m.append(float(b))
print(f"K740 /demo, first window: min {min(k):.3f} s, median {statistics.median(k):.3f} s; minimal window: min {min(m):.3f} s, "
      f"median {statistics.median(m):.3f} s; ratio min {min(k) / min(m):.2f}, median "
      f"{statistics.median(k) / statistics.median(m):.2f}")
PY
