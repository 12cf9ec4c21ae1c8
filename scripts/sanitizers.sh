#!/usr/bin/env bash
# Builds the unit and window tests with AddressSanitizer and UndefinedBehaviorSanitizer
# in their own folder (build-sanitizers/), then runs them. Any report fails the run.
#   bash scripts/sanitizers.sh [-jN] [gtest filter]
# Slow: a few times slower than the ordinary build, so it stays out of the everyday suite.
set -euo pipefail
cd "$(dirname "$0")/.."

travaux=-j2
if [[ ${1:-} == -j* ]]; then
  travaux=$1
  shift
fi
filtre=${1:-*}

# Leaks are reported too; the suppressions cover the fonts and platform plugins of
# the toolkit only, never the game's own code.
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:halt_on_error=1:detect_stack_use_after_return=1
export LSAN_OPTIONS=suppressions=$PWD/scripts/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export QT_QPA_PLATFORM=offscreen

drapeaux="-O1 -g -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
cmake -S . -B build-sanitizers -DCMAKE_BUILD_TYPE=Debug \
      -DCMAKE_CXX_FLAGS="$drapeaux" \
      -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
      ${CMAKE_CXX_COMPILER_LAUNCHER:+-DCMAKE_CXX_COMPILER_LAUNCHER=$CMAKE_CXX_COMPILER_LAUNCHER} > /dev/null
cmake --build build-sanitizers "$travaux" --target belvane_tests belvane_aide_magasin belvane_gui_tests

echec=0
# The soak tests repeat thousands of deals: far too slow under the sanitizers,
# and they run the same code as the ordinary tests.
build-sanitizers/tests/belvane_tests --gtest_filter="$filtre:-*Soak*:*Endurance*" || echec=1
build-sanitizers/tests/belvane_gui_tests --gtest_filter="$filtre" || echec=1
if [ $echec -ne 0 ]; then
  echo "sanitizers: FAILED" >&2
  exit 1
fi
echo "sanitizers: no report"
