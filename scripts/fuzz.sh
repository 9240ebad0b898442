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

# run NAME SECONDS MAXLEN SOURCES... [-- EXTRA FLAGS...]
run() {
  local name=$1 secs=$2 maxlen=$3
  shift 3
  [ -n "$only" ] && [ "$only" != "$name" ] && return 0
  local src=() extra=()
  while (($#)) && [ "$1" != "--" ]; do src+=("$1"); shift; done
  (($#)) && shift && extra=("$@")
  mkdir -p "$out/corpus/$name" "$out/artifacts/$name"
  echo "=== fuzz_$name for ${secs} s"
  clang++ "${flags[@]}" "${src[@]}" "${extra[@]}" -o "$out/fuzz_$name"
  local seeds=()
  [ -d "fuzz/seeds/$name" ] && seeds=("fuzz/seeds/$name")
  local dict=()
  [ -f "fuzz/$name.dict" ] && dict=("-dict=fuzz/$name.dict")
  # New inputs go to the build folder's corpus; the seeds in fuzz/seeds stay as they are.
  "$out/fuzz_$name" "$out/corpus/$name" "${seeds[@]}" "${dict[@]}" \
    -max_total_time="$secs" -max_len="$maxlen" -timeout=10 -rss_limit_mb=4096 -malloc_limit_mb=1024 \
    -artifact_prefix="$out/artifacts/$name/" -print_final_stats=1 2>&1 | tail -n 12
  return "${PIPESTATUS[0]}"
}

half=$(( seconds / 2 > 0 ? seconds / 2 : 1 ))
run formula "$seconds" 512 fuzz/fuzz_formula.cpp "${kernel[@]}" -- -lmvec
run ini "$half" 4096 fuzz/fuzz_ini.cpp platform/ini/IniFile.cpp platform/files/WriteFile.cpp common/AtomicFile.cpp \
  -- "${qt[@]}"
run language "$half" 4096 fuzz/fuzz_language.cpp shell/texts/LanguageFiles.cpp shell/texts/Texts.cpp \
  shell/texts/TextTables.cpp shell/State.cpp -- "${qt[@]}"
run csv "$half" 4096 fuzz/fuzz_csv.cpp shell/gridexchange/CsvText.cpp shell/kit/GridCellStore.cpp \
  kernel/PastedLine.cpp -- "${qt[@]}"
run xml "$half" 4096 fuzz/fuzz_xml_tags.cpp common/XmlTagReader.cpp common/StringHelpers.cpp
numerics=(numerics/*.cpp common/AtomicFile.cpp common/StringHelpers.cpp common/MathHelpers.cpp common/XmlTagReader.cpp kernel/Random.cpp)
# Sizes read from files are limited to 2^20 cells here instead of 2^26 (see
# numerics/NumberText.h): the same checks, without gigabytes of zeros.
run datatable "$half" 4096 fuzz/fuzz_data_table.cpp "${numerics[@]}" -- -lz -DZW_MAX_FILE_CELLS_LOG2=20
run matfiles "$half" 4096 fuzz/fuzz_matrix_files.cpp "${numerics[@]}" -- -lz -DZW_MAX_FILE_CELLS_LOG2=20
