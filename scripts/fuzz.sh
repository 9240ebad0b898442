#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer and runs each for a while:
#   formula   the term readers (formula evaluator, checked input, symbolic derivative)
#   ini       settings files, worksheets and memory.dat (IniFile)
#   language  external language files
#   csv       grid exchange: CSV files and pasted text, quoting, the cell store
#   xml       the tag reader of the matrix files
#   datatable the data-table reader of the curve-fit store
#   matfiles  the vector and matrix files: text, binary stream, XML, sparse, the number scanners
#   bash scripts/fuzz.sh 60        # what CI runs: 60 s for the term readers, 30 s for each other
#   bash scripts/fuzz.sh 3600      # a longer run by hand
#   bash scripts/fuzz.sh 600 csv   # one target
# One allocation above 1 GB is a fault; the process as a whole may hold up
# to 4 GB, since the sanitizer keeps freed blocks for a while.
# Exits non-zero only when a fuzzer finds a crash, a hang or a sanitizer
# report; the input that caused it is left in build-fuzz/artifacts/<target>/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
only="${2:-}"
out=build-fuzz
flags=(-std=c++20 -O1 -g -I. -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
read -r -a qt <<<"$(pkg-config --cflags --libs Qt6Core) -fPIC"

kernel=(kernel/Evaluator.cpp kernel/Formula*.cpp kernel/ExtendedMath.cpp kernel/CheckedInput.cpp kernel/KernelMessages.cpp
        kernel/BasicMath.cpp kernel/Erf.cpp kernel/KernelState.cpp platform/symbolic/*.cpp)

# Every target is compiled first, then the fuzzers run; both phases keep
# every core busy (one clang or one fuzzer per core), since each clang call
# compiles its sources one after another and a fuzzer uses one core.
jobs=$(nproc)
names=() secs_of=() maxlen_of=()
throttle() { while (($(jobs -rp | wc -l) >= jobs)); do wait -n || true; done; }

# target NAME SECONDS MAXLEN SOURCES... [-- EXTRA FLAGS...]: compiles it in the background.
target() {
  local name=$1 secs=$2 maxlen=$3
  shift 3
  [ -n "$only" ] && [ "$only" != "$name" ] && return 0
  local src=() extra=()
  while (($#)) && [ "$1" != "--" ]; do src+=("$1"); shift; done
  (($#)) && shift && extra=("$@")
  mkdir -p "$out/corpus/$name" "$out/artifacts/$name" "$out/logs"
  names+=("$name") secs_of+=("$secs") maxlen_of+=("$maxlen")
  rm -f "$out/fuzz_$name"
  throttle
  clang++ "${flags[@]}" "${src[@]}" "${extra[@]}" -o "$out/fuzz_$name" >"$out/logs/build_$name.txt" 2>&1 &
}

# fuzz INDEX: runs one compiled target, its status in logs/status_NAME.
fuzz() {
  local name=${names[$1]} secs=${secs_of[$1]} maxlen=${maxlen_of[$1]}
  local seeds=()
  [ -d "fuzz/seeds/$name" ] && seeds=("fuzz/seeds/$name")
  local dict=()
  [ -f "fuzz/$name.dict" ] && dict=("-dict=fuzz/$name.dict")
  # New inputs go to the build folder's corpus; the seeds in fuzz/seeds stay as they are.
  local status=0
  "$out/fuzz_$name" "$out/corpus/$name" "${seeds[@]}" "${dict[@]}" \
    -max_total_time="$secs" -max_len="$maxlen" -timeout=10 -rss_limit_mb=4096 -malloc_limit_mb=1024 \
    -artifact_prefix="$out/artifacts/$name/" -print_final_stats=1 >"$out/logs/run_$name.txt" 2>&1 || status=$?
  echo "$status" >"$out/logs/status_$name"
}

half=$(( seconds / 2 > 0 ? seconds / 2 : 1 ))
target formula "$seconds" 512 fuzz/fuzz_formula.cpp "${kernel[@]}" -- -lmvec
target ini "$half" 4096 fuzz/fuzz_ini.cpp platform/ini/IniFile.cpp platform/files/WriteFile.cpp common/AtomicFile.cpp \
  -- "${qt[@]}"
target language "$half" 4096 fuzz/fuzz_language.cpp shell/texts/LanguageFiles.cpp shell/texts/Texts.cpp \
  shell/texts/TextTables.cpp shell/State.cpp -- "${qt[@]}"
target csv "$half" 4096 fuzz/fuzz_csv.cpp shell/gridexchange/CsvText.cpp shell/kit/GridCellStore.cpp \
  kernel/PastedLine.cpp -- "${qt[@]}"
target xml "$half" 4096 fuzz/fuzz_xml_tags.cpp common/XmlTagReader.cpp common/StringHelpers.cpp
numerics=(numerics/*.cpp common/AtomicFile.cpp common/StringHelpers.cpp common/MathHelpers.cpp common/XmlTagReader.cpp kernel/Random.cpp)
# Sizes read from files are limited to 2^20 cells here instead of 2^26 (see
# numerics/NumberText.h): the same checks, without gigabytes of zeros.
target datatable "$half" 4096 fuzz/fuzz_data_table.cpp "${numerics[@]}" -- -lz -DZW_MAX_FILE_CELLS_LOG2=20
target matfiles "$half" 4096 fuzz/fuzz_matrix_files.cpp "${numerics[@]}" -- -lz -DZW_MAX_FILE_CELLS_LOG2=20
wait
for name in "${names[@]}"; do
  if [ ! -x "$out/fuzz_$name" ]; then
    cat "$out/logs/build_$name.txt"; echo "fuzz.sh: fuzz_$name did not compile" >&2; exit 1
  fi
done
for i in "${!names[@]}"; do
  throttle
  fuzz "$i" &
done
wait
failed=0
for name in "${names[@]}"; do
  echo "=== fuzz_$name"
  tail -n 12 "$out/logs/run_$name.txt"
  [ "$(cat "$out/logs/status_$name")" = 0 ] || { echo "fuzz.sh: fuzz_$name found a fault" >&2; failed=1; }
done
exit "$failed"
