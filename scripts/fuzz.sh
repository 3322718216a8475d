#!/usr/bin/env bash
# scripts/fuzz.sh [seconds]: builds the fuzz targets of the file readers into
# build-fuzz (clang, AddressSanitizer, UndefinedBehaviorSanitizer) and runs
# each for the given time (default 60) from its seed corpus, then prints the
# executions and coverage of every target. The corpus is copied to a scratch
# folder, so new inputs and any crash input stay out of the repository; a
# crash input is kept there and named, and the script fails.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}

cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DTAVLO_FUZZ=ON \
  -DTAVLO_WITH_UI=OFF -DTAVLO_TESTS=OFF >/dev/null
targets=()
for source in fuzz/*_fuzz.cpp; do targets+=("$(basename "$source" .cpp)"); done
# The targets alone: the engine and the rest of the core are not fuzzed.
cmake --build build-fuzz --parallel "$(nproc)" --target "${targets[@]}"

scratch=$(mktemp -d "${TMPDIR:-/tmp}/tavlo-fuzz-XXXXXX")
failed=()
summary=()
for target in "${targets[@]}"; do
  corpus="$scratch/$target/corpus"
  mkdir -p "$corpus"
  [ -d "fuzz/corpus/$target" ] && cp -r "fuzz/corpus/$target/." "$corpus/"
  options=(-max_total_time="$seconds" -timeout=10 -print_final_stats=1
           -artifact_prefix="$scratch/$target/")
  [ -f "fuzz/$target.dict" ] && options+=(-dict="fuzz/$target.dict")
  log="$scratch/$target/log"
  echo "== $target, ${seconds} s =="
  if ! build-fuzz/fuzz/"$target" "${options[@]}" "$corpus" >"$log" 2>&1; then
    tail -n 30 "$log"
    failed+=("$target")
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  cov=$(grep -oE 'cov: [0-9]+ ft: [0-9]+' "$log" | tail -n 1 || true)
  summary+=("$(printf '%-24s %12s executions   %s' "$target" "${runs:-?}" "${cov:-cov: ?}")")
done

echo "== fuzzing, ${seconds} s per target =="
printf '%s\n' "${summary[@]}"
if [ ${#failed[@]} -gt 0 ]; then
  echo "property broken or crash in: ${failed[*]}; inputs and logs in $scratch" >&2
  exit 1
fi
rm -rf "$scratch"
