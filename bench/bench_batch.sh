#!/bin/sh
# Threads against processes: the same rows of a round seal at 300 dpi made by one batch run on
# one thread per core, and by one single-threaded run per core, each given a slice of the table.
# Prints both times and their ratio (threads / processes; 1.5 or less is the aim).
#   bench/bench_batch.sh [QUILLMARK-CLI] [ROWS]
set -eu
cli=${1:-build/app/quillmark-cli/quillmark-cli}
rows=${2:-1000}
cores=$(nproc)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cat >"$work/template.json" <<'JSON'
{"seals":[{"SealType":10,"Text":"{名称}","Code":"{编号}","Text3":"合同专用章","HaveImage":true,
"ImageIsStar":true,"LineCount":60,"RealCenterX":28,"RealCenterY":30}]}
JSON
{
  echo "名称,编号"
  i=1
  while [ "$i" -le "$rows" ]; do
    echo "示例应用软件第${i}分公司,$((1000000000000 + i))"
    i=$((i + 1))
  done
} >"$work/table.csv"

now() { date +%s.%N; }

start=$(now)
"$cli" batch "$work/template.json" "$work/table.csv" -o "$work/threads/{编号}.png" --dpi 300 \
  --jobs "$cores" >/dev/null 2>"$work/threads.log"
threads=$(awk "BEGIN { print $(now) - $start }")

start=$(now)
slice=$(((rows + cores - 1) / cores))
from=1
while [ "$from" -le "$rows" ]; do
  "$cli" batch "$work/template.json" "$work/table.csv" -o "$work/processes/{编号}.png" --dpi 300 \
    --jobs 1 --rows "$from-$((from + slice - 1))" >/dev/null 2>>"$work/processes.log" &
  from=$((from + slice))
done
wait
processes=$(awk "BEGIN { print $(now) - $start }")

if [ "$(ls "$work/threads" | wc -l)" -ne "$rows" ] || [ "$(ls "$work/processes" | wc -l)" -ne "$rows" ]; then
  cat "$work/threads.log" "$work/processes.log" >&2
  exit 1
fi
echo "rows $rows, cores $cores"
echo "threads   ${threads} s"
echo "processes ${processes} s"
echo "ratio     $(awk "BEGIN { printf \"%.2f\", $threads / $processes }")"
