#!/usr/bin/env bash
# Opening and showing large documents, as the whole program does it: the time of
# `quillmark FILE --screenshot OUT.png` (start-up, open, lay out, paint the page, save the
# picture, quit) for a document of 1 000 and one of 20 000 seals, each divided by the time for a
# document of 2 seals measured in the same run, as wall-clock time and as processor time.
#
#   bench/open_ratios.sh [BUILD_FOLDER] [RUNS]
#
# BUILD_FOLDER defaults to ./build, RUNS (the best of which counts) to 3. The documents are
# round, name and rectangular seals of 8 to 10 mm, on a 10 mm grid over an A4 page, stacked
# where there are more seals than grid places. They and the screenshots are made in a temporary
# folder, which also holds the settings the runs use, and are removed afterwards unless
# QM_KEEP_BENCH_FILES is set.

set -euo pipefail

build=${1:-build}
runs=${2:-3}
gui="$build/app/quillmark/quillmark"
cli="$build/app/quillmark-cli/quillmark-cli"
for program in "$gui" "$cli"; do
    [[ -x $program ]] || { echo "open_ratios: $program is not built" >&2; exit 2; }
done
[[ -x /usr/bin/time ]] || { echo "open_ratios: needs GNU time (/usr/bin/time)" >&2; exit 2; }

work=$(mktemp -d)
if [[ -z ${QM_KEEP_BENCH_FILES:-} ]]; then
    trap 'rm -rf "$work"' EXIT
else
    echo "files in $work"
fi
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_CACHE_HOME="$work/cache"

# seals COUNT > FILE.json: 20 columns by 28 rows on the page, kinds and sizes in turn.
seals() {
    awk -v n="$1" 'BEGIN {
        kinds[0] = 10; kinds[1] = 0; kinds[2] = 9
        texts[0] = "示例应用软件公司"; texts[1] = "张三"; texts[2] = "财务专用章"
        printf "{\"page\": {\"PageWidth\": 210, \"PageHeight\": 297}, \"seals\": [\n"
        for (i = 0; i < n; i++) {
            k = i % 3; place = i % 560; size = 8 + (i % 5) * 0.5
            printf "%s{\"SealType\": %d, \"Text\": \"%s\", \"RealWidth\": %.1f, \"RealHeight\": %.1f, " \
                   "\"RealCenterX\": %d, \"RealCenterY\": %d}",
                   (i ? ",\n" : ""), kinds[k], texts[k], size, size, 10 + (place % 20) * 10,
                   10 + int(place / 20) * 10
        }
        printf "\n]}\n"
    }'
}

# seconds COMMAND...: the best wall-clock time and the best processor time (user and system,
# all threads) of $runs runs, in seconds. On a busy machine the processor time is the steadier.
seconds() {
    local best="" bestCpu="" out wall cpu
    for ((r = 0; r < runs; ++r)); do
        out=$(/usr/bin/time -f "%e %U %S" "$@" 2>&1 >/dev/null | tail -n 1) ||
            { echo "open_ratios: failed: $*" >&2; exit 1; }
        wall=$(awk '{ print $1 }' <<<"$out")
        cpu=$(awk '{ printf "%.2f", $2 + $3 }' <<<"$out")
        if [[ -z $best ]] || awk -v t="$wall" -v b="$best" 'BEGIN { exit !(t < b) }'; then best=$wall; fi
        if [[ -z $bestCpu ]] || awk -v t="$cpu" -v b="$bestCpu" 'BEGIN { exit !(t < b) }'; then bestCpu=$cpu; fi
    done
    echo "$best $bestCpu"
}

declare -A wall cpu
for n in 2 1000 20000; do
    seals "$n" >"$work/seals$n.json"
    "$cli" build "$work/seals$n.json" -o "$work/seals$n.dyz"
    read -r wall[$n] cpu[$n] < <(seconds "$gui" "$work/seals$n.dyz" --screenshot "$work/seals$n.png")
    echo "seals=$n seconds=${wall[$n]} cpu_seconds=${cpu[$n]}"
done
for n in 1000 20000; do
    awk -v n="$n" -v t="${wall[$n]}" -v base="${wall[2]}" -v c="${cpu[$n]}" -v cbase="${cpu[2]}" \
        'BEGIN { printf "ratio_%d_to_2=%.2f cpu_ratio_%d_to_2=%.2f\n", n, t / base, n, c / cbase }'
done
