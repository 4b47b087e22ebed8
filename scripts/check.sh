#!/usr/bin/env bash
# Runs every check, in stages: formatting of the changed files; the normal
# build and all its tests; every test under AddressSanitizer and
# UndefinedBehaviorSanitizer (the desktop program's offscreen); the tests of
# the threaded layers (labels serial, transfer, cli) under ThreadSanitizer;
# the accessibility tree of the running program over AT-SPI;
# and a run of about a minute of each fuzz target from its seeds. Exits
# non-zero when any stage fails; a failing stage's whole output is printed,
# and a table of the stages and their times closes the run.
#
#   bash scripts/check.sh        the developer presets (dev, dev-asan, ...)
#   bash scripts/check.sh ci     the same with warnings as errors (CI)
#   bash scripts/check.sh dev tsan fuzz    only the stages named (format,
#                                          build, asan, tsan, fuzz)
#
# QXP_FUZZ_SECONDS sets each fuzz run's length (default 50). Logs stay in
# build-logs/. Expects scripts/setup.sh to have run.
set -uo pipefail
cd "$(dirname "$0")/.."

family=${1:-dev}
[ $# -gt 0 ] && shift
stages=("$@")
[ ${#stages[@]} -gt 0 ] || stages=(format build asan tsan fuzz)
wanted() { [[ " ${stages[*]} " == *" $1 "* ]]; }
case "$family" in
  dev) presets=(dev dev-asan dev-tsan fuzz) ;;
  ci) presets=(ci ci-asan ci-tsan ci-fuzz) ;;
  *)
    echo "usage: bash scripts/check.sh [dev|ci] [format|build|asan|tsan|fuzz]..." >&2
    exit 1
    ;;
esac
fuzz_seconds=${QXP_FUZZ_SECONDS:-50}
# Two jobs: the machines this runs on have two cores, often shared.
jobs=2
# A compiler cache where there is one: on a developer's machine a rerun
# builds only what changed.
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

logs=$PWD/build-logs
rm -rf "$logs" && mkdir -p "$logs"
summary=()
failed=0
started=$SECONDS

# Runs one step quietly into its log; on failure prints the whole log.
step() {
  local name=$1
  shift
  local log="$logs/$name.log"
  printf '  %-28s' "$name"
  local t0=$SECONDS
  if "$@" >"$log" 2>&1; then
    printf 'ok (%ds)\n' $((SECONDS - t0))
    return 0
  fi
  printf 'FAILED (%ds)\n' $((SECONDS - t0))
  echo "----- $name: $* -----"
  cat "$log"
  echo "----- end of $name -----"
  return 1
}

# Runs a stage (a function) and notes its result and time for the table.
stage() {
  local title=$1
  shift
  printf '\n=== %s\n' "$title"
  local t0=$SECONDS
  local result=ok
  "$@" || {
    result=FAILED
    failed=1
  }
  summary+=("$(printf '%-44s %-7s %5ds' "$title" "$result" $((SECONDS - t0)))")
}

# Configure, build and test one preset; the test step prints ctest's own
# summary line on success.
build_and_test() {
  local preset=$1
  step "configure-$preset" cmake --preset "$preset" "${launcher[@]}" || return 1
  step "build-$preset" cmake --build --preset "$preset" -j"$jobs" || return 1
  step "test-$preset" ctest --preset "$preset" -j"$jobs" || return 1
  grep -E 'tests passed|tests failed' "$logs/test-$preset.log"
}

# One fuzz target from a scratch copy of its seeds (fuzz/corpus/<name>,
# "fuzz_" left off). On a finding: the fuzzer's whole output and each input
# it saved, as hex and base64, so the log alone reproduces it.
fuzz_one() {
  local binary=$1
  local name=${binary##*/fuzz_}
  local corpus="$logs/corpus-$name"
  mkdir -p "$corpus"
  if [ -d "fuzz/corpus/$name" ]; then
    cp -R "fuzz/corpus/$name/." "$corpus/"
  else
    echo "  (no seeds in fuzz/corpus/$name: starting from nothing)"
  fi
  local log="$logs/fuzz-$name.log"
  local t0=$SECONDS
  if "$binary" -max_total_time="$fuzz_seconds" -max_len=8192 -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$logs/$name-" "$corpus" >"$log" 2>&1; then
    printf '  %-28s ok (%ds, %s runs)\n' "fuzz_$name" $((SECONDS - t0)) \
      "$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")"
    return 0
  fi
  printf '  %-28s FAILED (%ds)\n' "fuzz_$name" $((SECONDS - t0))
  echo "----- fuzz_$name output -----"
  cat "$log"
  local input
  for input in "$logs/$name-"*; do
    [ -f "$input" ] || continue
    echo "----- fuzz_$name input ${input##*/} ($(wc -c <"$input") bytes) -----"
    od -A x -t x1z -v "$input"
    echo "base64: $(base64 -w0 "$input")"
    echo "rerun: $binary $input"
  done
  echo "----- end of fuzz_$name -----"
  return 1
}

fuzz_all() {
  local preset=$1
  step "configure-$preset" cmake --preset "$preset" "${launcher[@]}" || return 1
  step "build-$preset" cmake --build --preset "$preset" -j"$jobs" || return 1
  local binaries=(build-fuzz/bin/fuzz_*)
  if [ ! -x "${binaries[0]}" ]; then
    echo "no fuzz targets were built"
    return 1
  fi
  # Two at a time, each its own log; the results are gathered in order.
  local pids=() names=() status=0 i
  for i in "${!binaries[@]}"; do
    fuzz_one "${binaries[$i]}" >"$logs/fuzz-run-$i.txt" 2>&1 &
    pids+=($!)
    names+=("$logs/fuzz-run-$i.txt")
    if [ ${#pids[@]} -ge $jobs ]; then
      wait "${pids[0]}" || status=1
      cat "${names[0]}"
      pids=("${pids[@]:1}")
      names=("${names[@]:1}")
    fi
  done
  for i in "${!pids[@]}"; do
    wait "${pids[$i]}" || status=1
    cat "${names[$i]}"
  done
  return $status
}

wanted format && stage "formatting of the changed C++ files" step format bash scripts/check-format.sh
wanted build && stage "build and all tests (${presets[0]})" build_and_test "${presets[0]}"
# What a screen reader finds of the running program, over the desktop's
# accessibility bus under a virtual display (about 7 s).
wanted build && stage "screen reader tree over AT-SPI (build/)" step atspi-tree bash tests/accessibility/run-atspi.sh build
wanted asan && stage "ASan+UBSan, every test (${presets[1]})" build_and_test "${presets[1]}"
wanted tsan && stage "TSan, threaded layers (${presets[2]})" build_and_test "${presets[2]}"
if wanted fuzz; then
  if command -v clang++-14 >/dev/null; then
    stage "fuzz targets, ${fuzz_seconds}s each (${presets[3]})" fuzz_all "${presets[3]}"
  else
    echo "clang++-14 missing: scripts/setup.sh installs it" >&2
    summary+=("$(printf '%-44s %-7s %5s' "fuzz targets" FAILED -)")
    failed=1
  fi
fi

printf '\n=== summary\n'
printf '%s\n' "${summary[@]}"
printf '%-44s %-7s %5ds\n' "total" "$([ $failed = 0 ] && echo ok || echo FAILED)" $((SECONDS - started))
exit $failed
