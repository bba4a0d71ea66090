#!/usr/bin/env bash
# Processor time of the real program per logged row, as the rows the table already holds grow: the
# Release build in simulation ("/demo", one rack of 7 modules) under Xvfb with a window manager, logging
# every second from the start into a data file that already holds 0, 10,000 or 100,000 rows (loaded into
# the table at start-up), with the rack's table window open; each once with the table window alone and
# once with a graph window of 8 curves (table series, modules 1 and 2) beside it.
#
# A first short run in "/demo" writes the simulated rack's configuration file and logs a few rows: the
# header and a row of the layout "/demo" logs. The files of 10,000 and 100,000 rows repeat that row with
# a time a second later each, ending a day before now. Each measured run starts with a settings store and
# documents folder of its own, waits until the program has logged its first rows (the file loaded; with
# --warmup-rows N, N rows: 110 fill the table's view and the graph's 99 points, so that the figure of 0
# rows held is that of a full view, as are the others), then
# takes utime + stime of the program from /proc/<pid>/stat and the rows the data file gained over the
# measuring time. Prints the milliseconds of processor time per logged row and the share of one core of
# each run, then per set-up the median over the runs and its ratio to the same set-up with 0 rows held.
#
# --program measures another build of the program (a copy of an earlier one, say) in the same way: run
# it and this one in turn for figures measured under the same load.
#
#   bench/rijkosten.sh [--runs N] [--seconds S] [--warmup-rows N] [--rows "0 10000 100000"] [--program PATH]
set -euo pipefail
cd "$(dirname "$0")/.."
RUNS=3
SECONDS_MEASURED=60
RIJEN=(0 10000 100000)
OPWARMEN=3
ANDER=""
while (($#)); do
  case "$1" in
    --runs) RUNS=$2; shift 2 ;;
    --seconds) SECONDS_MEASURED=$2; shift 2 ;;
    --warmup-rows) OPWARMEN=$2; shift 2 ;;
    --rows) read -r -a RIJEN <<<"$2"; shift 2 ;;
    --program) ANDER=$(realpath "$2"); shift 2 ;;
    *) echo "usage: $0 [--runs N] [--seconds S] [--warmup-rows N] [--rows \"0 10000 100000\"] [--program PATH]" >&2; exit 2 ;;
  esac
done

scripts/deps
export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$PWD}
BUILD=${K740_RUN_BUILD:-build/release}
cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$BUILD" --target k740 --parallel "${K740_JOBS:-3}" >/dev/null
PROGRAMMA="$PWD/$BUILD/k740"
UIT="$PWD/build/rijkosten"
if [ -n "$ANDER" ]; then
  PROGRAMMA=$ANDER
  UIT="$UIT/$(basename "$ANDER")"
fi
mkdir -p "$UIT"
TIK=$(getconf CLK_TCK)
# Dates as the files below write them (day/month/year).
export LANG=en_GB.UTF-8

# A fresh home: the main window maximised; sets HOME and the folders of the program's files.
thuis() {
  local t="$UIT/home-$1"
  rm -rf "$t"
  mkdir -p "$t/.config/K740" "$t/run" "$t/tmp" "$t/Documents/Quorvex/K740/Data" \
    "$t/Documents/Quorvex/K740/Configuration"
  chmod 700 "$t/run"
  # A temporary folder of its own also keeps the single-instance lock apart from other copies of the
  # program running on this machine.
  export HOME="$t" XDG_CONFIG_HOME="$t/.config" XDG_RUNTIME_DIR="$t/run" TMPDIR="$t/tmp"
  INI="$t/.config/K740/K740.ini"
  CONFIGURATIE="$t/Documents/Quorvex/K740/Configuration"
  DATA="$t/Documents/Quorvex/K740/Data"
}

# The preparation: the rack's configuration file (its table shown, its rack window not) and a data file
# of the layout "/demo" logs.
VOORBEREIDING="$UIT/bestanden"
rm -rf "$VOORBEREIDING"
mkdir -p "$VOORBEREIDING"
thuis voorbereiding
cat >"$INI" <<EOF
[Main%20window]
Windowstate=2
[Settings]
StartOnStartup=True
Interval%20of%20time=1
LastFile=$DATA/sjabloon.csv
EOF
xvfb-run -a -s "-screen 0 1280x900x24" bash -c '
  openbox >/dev/null 2>&1 &
  "$1" /demo >/dev/null 2>&1 &
  PROG=$!
  sleep 8
  kill $PROG 2>/dev/null || true
  wait $PROG 2>/dev/null || true
' voorbereiden "$PROGRAMMA"
RCF="$CONFIGURATIE/Rack1-F-F-F.rcf"
if ! [ -f "$RCF" ] || [ "$(grep -c . "$DATA/sjabloon.csv" 2>/dev/null || echo 0)" -lt 3 ]; then
  echo "the first run wrote no configuration file or no rows" >&2
  exit 1
fi
sed -i -e 's/^Table=False/Table=True/' -e 's/^Show=True/Show=False/' "$RCF"

# A data file of n rows: the header and n copies of the first logged row, a second apart, ending a day
# before now.
python3 - "$DATA/sjabloon.csv" "$VOORBEREIDING" "${RIJEN[@]}" <<'EOF'
import datetime, sys
bron, map, aantallen = sys.argv[1], sys.argv[2], [int(a) for a in sys.argv[3:]]
regels = open(bron, "rb").read().decode("cp1252").split("\r\n")
kop, rij = regels[0], regels[1]
tijdveld, rest = rij.split(",", 1)
for n in aantallen:
    begin = datetime.datetime.now() - datetime.timedelta(days=1, seconds=n)
    with open("%s/rijen-%d.csv" % (map, n), "wb") as f:
        uit = [kop]
        for i in range(n):
            t = begin + datetime.timedelta(seconds=i)
            uit.append('"%s",%s' % (t.strftime("%d/%m/%Y %H:%M:%S"), rest))
        f.write(("\r\n".join(uit) + "\r\n").encode("cp1252"))
EOF

# A graph of 8 curves, a table series of the inputs of modules 1 and 2.
GRAFIEK="$VOORBEREIDING/Graph1.gcf"
{
  printf '[WINDOW]\nTop=0\nLeft=0\nHeight=5400\nWidth=9600\nWindowstate=0\n\n'
  printf '[VALUE AXIS]\nTitle=Value\nAutoscale=True\nMin=-100\nMax=100\nDivisions=10\nSubdivisions=1\n\n'
  printf '[TIME AXIS]\nTitle=Samples\nNo of points=99\nDivisions=7\nLabel=1\n\n'
  printf '[MISCELLANOUS]\nName=Graph 1\nLegend=True\nXY Recorder=False\nInterval of time=5\nPrint Recorder=False\n\n'
  for n in 1 2 3 4 5 6 7 8; do
    printf '[LINE%d]\nRack=1\nModule=%d\nInput=%d\nColour=%d\nMin=0\nMax=0\nMean=0\n\n' \
      "$n" $((1 + (n - 1) / 4)) $((1 + (n - 1) % 4)) $((n * 1000003 % 16777216))
  done
} >"$GRAFIEK"

# One run: prints the milliseconds of processor time per logged row and the share of one core.
meet() {
  local rijen=$1 grafiek=$2 run=$3
  thuis "$rijen-$grafiek"
  cp "$RCF" "$CONFIGURATIE/"
  local bestand="$DATA/meting.csv"
  [ "$rijen" -gt 0 ] && cp "$VOORBEREIDING/rijen-$rijen.csv" "$bestand"
  cat >"$INI" <<EOF
[Main%20window]
Windowstate=2
[Table1]
Windowstate=0
Top=0
Left=0
Width=18000
Height=11000
[Settings]
StartOnStartup=True
LoadOnStartup=True
Interval%20of%20time=1
LastFile=$bestand
EOF
  if [ "$grafiek" = 1 ]; then
    cp "$GRAFIEK" "$CONFIGURATIE/"
    printf '[Graph]\nIndex1=1\n' >>"$INI"
  fi
  xvfb-run -a -s "-screen 0 1280x900x24" bash -c '
    openbox >/dev/null 2>&1 &
    "$1" /demo >/dev/null 2>&1 &
    PROG=$!
    regels() { if [ -f "$2" ]; then wc -l <"$2"; else echo 0; fi; }
    # The warm-up: the file loaded and the first rows logged.
    begin=$(regels x "$2")
    for _ in $(seq 1 1500); do
      (($(regels x "$2") >= begin + $6)) && break
      sleep 0.2
    done
    stat=()
    if ! read -r -a stat </proc/$PROG/stat 2>/dev/null; then
      echo "the program ended during the warm-up" >&2
      echo "nan nan"
      exit 0
    fi
    T0=$((stat[13] + stat[14])); R0=$(regels x "$2"); W0=$(date +%s.%N)
    sleep "$3"
    if ! read -r -a stat </proc/$PROG/stat 2>/dev/null; then
      echo "the program ended during the measurement" >&2
      echo "nan nan"
      exit 0
    fi
    T1=$((stat[13] + stat[14])); R1=$(regels x "$2"); W1=$(date +%s.%N)
    import -window root "$4" 2>/dev/null || true
    kill $PROG 2>/dev/null || true
    wait $PROG 2>/dev/null || true
    awk -v t=$((T1 - T0)) -v r=$((R1 - R0)) -v hz="$5" -v w0="$W0" -v w1="$W1" \
      "BEGIN { if (r < 1) { print \"nan nan\"; exit } printf \"%.2f %.2f\n\", 1000 * t / hz / r, 100 * t / hz / (w1 - w0) }"
  ' meet "$PROGRAMMA" "$bestand" "$SECONDS_MEASURED" "$UIT/$rijen-$grafiek-$run.png" "$TIK" "$OPWARMEN"
}

mediaan() { sort -g | awk '{ v[NR] = $1 } END { if (NR) print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

for grafiek in 0 1; do
  naam="table window"
  [ "$grafiek" = 1 ] && naam="table window and a graph of 8 curves"
  nul=""
  for rijen in "${RIJEN[@]}"; do
    perRij=()
    for run in $(seq 1 "$RUNS"); do
      read -r ms aandeel < <(meet "$rijen" "$grafiek" "$run")
      echo "$naam, $rijen rows held, run $run: $ms ms per row, $aandeel % of one core"
      [ "$ms" = nan ] || perRij+=("$ms")
    done
    ((${#perRij[@]})) || continue
    m=$(printf '%s\n' "${perRij[@]}" | mediaan)
    [ "$rijen" = 0 ] && nul=$m
    if [ -n "$nul" ]; then
      awk -v n="$naam" -v r="$rijen" -v m="$m" -v z="$nul" -v k="${#perRij[@]}" \
        'BEGIN { printf "%s, %d rows held: median %.2f ms per row (%d runs), %.2fx the 0 rows\n", n, r, m, k, m / z }'
    else
      printf '%s, %d rows held: median %.2f ms per row (%d runs)\n' "$naam" "$rijen" "$m" "${#perRij[@]}"
    fi
  done
done
