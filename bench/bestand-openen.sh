#!/usr/bin/env bash
# File > Open of a large measurement file in the real program (not a test): the Release build under
# Xvfb with a window manager, "/demo" (the simulated rack of 7 modules, its table window shown), the
# file opened with File > Open as a user does (the menu by its keys, the file's path typed into the open
# dialog). The file is one full rack, 148 fields a row, Windows-1252 with CR LF, one row a second, dated
# as English (UK) writes ("05/01/2026 09:00:00"), made in a temporary folder. Every run is done under
# two locales: en_GB (the file's own) and C (whose own dates read "5 Jan 2026 09:00:00").
#
# The program is watched with strace (only its poll calls, the opening and closing of files): every turn
# of the event loop polls, so the longest time between two polls of the main thread while the file is
# read is the longest wait of the event loop. Prints per run the time from the file's opening to the
# first turn of the event loop after it was closed (the rows show in that turn), the longest wait of the
# event loop in between, and the load average; then the minimum and median of the runs per locale, and
# beside them the plain read of the same file (getline and split on ",", the open benchmark's reference).
#
# --program measures another build of the program (a copy of an earlier one, say). --utf8 makes the file
# as another program saves it again in UTF-8 (the program reads it through once for its encoding before
# its lines). --locale runs under that locale only.
#
#   bench/bestand-openen.sh [--runs N] [--rows R] [--program PATH] [--utf8] [--locale L]
set -euo pipefail
cd "$(dirname "$0")/.."
RUNS=5
RIJEN=1000000
ANDER=""
CODERING=cp1252
TALEN="en_GB.UTF-8 C"
while (($#)); do
  case "$1" in
    --runs) RUNS=$2; shift 2 ;;
    --rows) RIJEN=$2; shift 2 ;;
    --program) ANDER=$(realpath "$2"); shift 2 ;;
    --utf8) CODERING=utf-8; shift ;;
    --locale) TALEN=$2; shift 2 ;;
    *) echo "usage: $0 [--runs N] [--rows R] [--program PATH] [--utf8] [--locale L]" >&2; exit 2 ;;
  esac
done

scripts/deps
BUILD=${K740_RUN_BUILD:-build/release}
cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$BUILD" --target k740 --parallel "${K740_JOBS:-3}" >/dev/null
PROGRAMMA="$PWD/$BUILD/k740"
[ -n "$ANDER" ] && PROGRAMMA=$ANDER
WERK=$(mktemp -d)
trap 'rm -rf "$WERK"' EXIT

# A fresh home: the main window maximised, the table window of rack 1 large.
thuis() {
  local t="$WERK/home"
  rm -rf "$t"
  mkdir -p "$t/.config/K740" "$t/run" "$t/Documents" "$t/tmp"
  chmod 700 "$t/run"
  export HOME="$t" XDG_CONFIG_HOME="$t/.config" XDG_RUNTIME_DIR="$t/run" TMPDIR="$t/tmp" LANG=en_GB.UTF-8
  unset LC_ALL
  INI="$t/.config/K740/K740.ini"
  CONFIGURATIE="$t/Documents/Quorvex/K740/Configuration"
  DATA="$t/Documents/Quorvex/K740/Data"
}

# Under Xvfb: the program with its switches for the given seconds; with a trace file, under strace; with
# a file, that file opened with File > Open once the main window shows.
draai() {
  local seconden=$1 spoor=$2 openen=$3
  shift 3
  xvfb-run -a -s "-screen 0 1280x900x24" bash -c '
    openbox >/dev/null 2>&1 &
    seconden=$1 spoor=$2 openen=$3; shift 3
    if [ -n "$spoor" ]; then
      strace -f --seccomp-bpf -ttt -e trace=poll,ppoll,openat,close -o "$spoor" "$@" >/dev/null 2>&1 &
    else
      "$@" >/dev/null 2>&1 &
    fi
    PROG=$!
    if [ -n "$openen" ]; then
      ID=""
      for _ in $(seq 1 300); do
        ID=$(xdotool search --onlyvisible --name "^K740 \\(" 2>/dev/null | head -1 || true)
        [ -n "$ID" ] && break
        sleep 0.1
      done
      sleep 2
      xdotool windowactivate --sync "$ID" key --clearmodifiers alt+f
      sleep 0.5
      xdotool key o
      sleep 1.5
      xdotool type --delay 2 "$openen"
      xdotool key Return
    fi
    sleep "$seconden"
    # Under strace the program is its child.
    KIND=$(pgrep -P $PROG || true)
    kill $KIND $PROG 2>/dev/null || true
    wait $PROG 2>/dev/null || true
    # The next run must not meet this one as a running copy.
    for _ in $(seq 1 100); do
      [ -n "$KIND" ] && kill -0 $KIND 2>/dev/null || break
      sleep 0.1
    done
  ' draai "$seconden" "$spoor" "$openen" "$@"
}

thuis
# A first short run writes the simulated rack's configuration file; its table is then shown.
printf '[Main%%20window]\nWindowstate=2\n' >"$INI"
draai 3 "" "" "$PROGRAMMA" /demo
sed -i -e 's/^Table=False/Table=True/' -e 's/^Show=True/Show=False/' "$CONFIGURATIE"/Rack1-*.rcf
mkdir -p "$DATA"
BESTAND="$DATA/groot.csv"
python3 - "$BESTAND" "$RIJEN" "$CODERING" <<'EOF'
import datetime, math, sys
pad, rijen, codering = sys.argv[1], int(sys.argv[2]), sys.argv[3]
modules = [("pH", "mV", "pH", "mV")] * 5 + [("mS/cm", "mS/cm", "mS/cm", "mS/cm")] * 2
kop = '"Time"' + "".join(
    ',"Flags R1M%dC%d","Value R1M%dC%d","Unit R1M%dC%d","Temp R1M%dC%d","T.Unit R1M%dC%d"' % ((m, c) * 5)
    + ("" if c < 4 else ',"Module %d"' % m) for m in range(1, 8) for c in range(1, 5))
# 1000 different bodies, taken in turn behind the time of each row.
lijven = []
for i in range(1000):
    lijf = ""
    for m, eenheden in enumerate(modules, 1):
        for c, eenheid in enumerate(eenheden, 1):
            golf = math.sin(i / 40.0 + m + c)
            waarde = "%.2f" % (7 + golf) if eenheid == "pH" else "%.1f" % (150 + 40 * golf) if eenheid == "mV" \
                else "%.3f" % (1.413 + 0.05 * golf)
            lijf += ',"0","%s","%s","%.1f","\xb0C"' % (waarde, eenheid, 21.5 + golf)
        lijf += ',"%s"' % ("sample" if i % 100 == 0 else "")
    lijven.append((lijf + "\r\n").encode(codering))
begin = datetime.datetime(2026, 1, 5, 9, 0, 0)
with open(pad, "wb") as f:
    f.write((kop + "\r\n").encode(codering))
    for i in range(rijen):
        t = begin + datetime.timedelta(seconds=i)
        f.write(b'"' + t.strftime("%d/%m/%Y %H:%M:%S").encode() + b'"' + lijven[i % 1000])
EOF
GROOTTE=$(stat -c %s "$BESTAND")
echo "file: $RIJEN rows, $((GROOTTE / 1000000)) MB, $CODERING"
cat >>"$INI" <<EOF
[Table1]
Windowstate=0
Top=0
Left=0
Width=18000
Height=11000
EOF

# Seconds a run lasts: a good deal longer than the load.
DUUR=$((20 + RIJEN / 20000))
# The plain read of the file, the reference: the same as the open benchmark's.
GEWOON="$WERK/gewoon"
cat >"$GEWOON.cpp" <<'EOF'
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>
int main(int, char** argv) {
    const auto begin = std::chrono::steady_clock::now();
    std::ifstream f(argv[1], std::ios::binary);
    std::string regel;
    std::vector<std::string> delen;
    long velden = 0;
    while (std::getline(f, regel)) {
        if (!regel.empty() && regel.back() == '\r') regel.pop_back();
        delen.clear();
        std::size_t van = 0;
        for (;;) {
            const std::size_t komma = regel.find(',', van);
            std::size_t a = van, b = komma == std::string::npos ? regel.size() : komma;
            if (b - a >= 2 && regel[a] == '"' && regel[b - 1] == '"') { ++a; --b; }
            delen.emplace_back(regel, a, b - a);
            if (komma == std::string::npos) break;
            van = komma + 1;
        }
        velden += static_cast<long>(delen.size());
    }
    std::printf("%.3f %ld\n", std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count(), velden);
}
EOF
g++ -O2 -std=c++17 -o "$GEWOON" "$GEWOON.cpp"

# Every run starts from these settings: a run's end stores the file as the last one, which the next
# start would load before File > Open loads it again.
cp "$INI" "$WERK/instellingen.ini"

for TAAL in $TALEN; do
  TIJDEN=()
  GATEN=()
  GEWONE=()
  for ((run = 1; run <= RUNS; run++)); do
    SPOOR="$WERK/spoor-$run"
    read -r gewoon _ < <("$GEWOON" "$BESTAND")
    GEWONE+=("$gewoon")
    cp "$WERK/instellingen.ini" "$INI"
    LANG=$TAAL draai "$DUUR" "$SPOOR" "$BESTAND" "$PROGRAMMA" /demo
    read -r tijd gat < <(python3 - "$SPOOR" "$BESTAND" <<'EOF'
import re, sys
spoor, bestand = sys.argv[1], sys.argv[2]
regels = open(spoor).read().splitlines()
# The main thread is the first process in the trace.
hoofd = regels[0].split()[0]
polls, paren, open_ = [], [], {}
for r in regels:
    delen = r.split(None, 2)
    if len(delen) < 3 or delen[0] != hoofd:
        continue
    t, rest = float(delen[1]), delen[2]
    if rest.startswith(("poll(", "ppoll(")):
        polls.append(t)
    elif rest.startswith("openat(") and bestand in rest:
        m = re.search(r"= (\d+)$", rest)
        if m:
            open_[m.group(1)] = t
    else:
        m = re.match(r"close\((\d+)\)", rest)
        if m and m.group(1) in open_:
            paren.append((open_.pop(m.group(1)), t))
# The file is opened more than once (its encoding, a look for edits left over): the load is the longest.
if not paren:
    print("nan nan")
    sys.exit()
open_, sluit = max(paren, key=lambda p: p[1] - p[0])
na = [p for p in polls if p > sluit]
eind = na[0] if na else sluit
binnen = [open_] + [p for p in polls if open_ < p < eind] + [eind]
gat = max(b - a for a, b in zip(binnen, binnen[1:]))
print("%.3f %.1f" % (eind - open_, gat * 1000))
EOF
)
    LAST=$(cut -d' ' -f1-3 /proc/loadavg)
    echo "$TAAL run $run: rows shown after ${tijd} s (plain read ${gewoon} s), longest event-loop wait ${gat} ms (load $LAST)"
    TIJDEN+=("$tijd")
    GATEN+=("$gat")
  done
  python3 - "$TAAL" "${TIJDEN[*]}" "${GATEN[*]}" "${GEWONE[*]}" <<'EOF'
import statistics, sys
taal = sys.argv[1]
t = [float(x) for x in sys.argv[2].split()]
g = [float(x) for x in sys.argv[3].split()]
p = [float(x) for x in sys.argv[4].split()]
print("%s: rows shown: min %.3f s, median %.3f s; plain read: min %.3f s, median %.3f s; ratio min %.2fx, "
      "median %.2fx; longest event-loop wait: min %.1f ms, median %.1f ms, max %.1f ms"
      % (taal, min(t), statistics.median(t), min(p), statistics.median(p), min(t) / min(p),
         statistics.median(t) / statistics.median(p), min(g), statistics.median(g), max(g)))
EOF
done
