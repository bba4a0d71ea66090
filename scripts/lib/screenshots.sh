# The common start of the scripts/screenshot* scripts, sourced by each: stop at the first error, work
# from the repository root, make sure of the dependencies and of the screenshot folder SCHERMBEELDEN
# (build/screenshots). The builds the scripts need, each silent unless it fails:
#   BouwTest TARGET...  the targets in the test build (Debug with ASan and UBSan) in TESTBUILD
#                       ($K740_TEST_BUILD, default build/test);
#   BouwProgramma       the program k740 in the Release build in RUNBUILD ($K740_RUN_BUILD, default
#                       build/release).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps
SCHERMBEELDEN="$PWD/build/screenshots"
mkdir -p "$SCHERMBEELDEN"
TESTBUILD=${K740_TEST_BUILD:-build/test}
RUNBUILD=${K740_RUN_BUILD:-build/release}

# Runs the command; its output shows only when it fails.
stil() {
  local uit
  if ! uit=$("$@" 2>&1); then
    printf '%s\n' "$uit" >&2
    return 1
  fi
}

BouwTest() {
  stil cmake -S . -B "$TESTBUILD" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DK740_SANITIZE=ON
  stil cmake --build "$TESTBUILD" --parallel "$(nproc)" --target "$@"
}

BouwProgramma() {
  stil cmake -S . -B "$RUNBUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DK740_TESTS=OFF -DK740_BENCH=OFF
  stil cmake --build "$RUNBUILD" --parallel "$(nproc)" --target k740
}
