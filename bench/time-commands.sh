#!/usr/bin/env bash
# Times every headless subcommand as a whole process on generated projects
# of 20,000 and 190,000 items and prints wall time and peak memory of both
# sizes side by side.
#
#   bench/time-commands.sh [BUILD_DIR] [--pdf-large]
#
# BUILD_DIR defaults to build/release (the program and
# bench/tarvo_make_mixed_project must be built there). The PDF of 190,000
# items takes minutes; it is timed only with --pdf-large.
set -euo pipefail

build=build/release
pdfLarge=0
for arg in "$@"; do
    case "$arg" in
    --pdf-large) pdfLarge=1 ;;
    *) build=$arg ;;
    esac
done
program=$build/tarvo-posts
maker=$build/bench/tarvo_make_mixed_project
for tool in "$program" "$maker" /usr/bin/time; do
    [[ -x $tool ]] || { echo "time-commands.sh: $tool is missing" >&2; exit 2; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
sizes=(20000 190000)
for n in "${sizes[@]}"; do
    "$maker" "$n" "$work/mixed-$n.tvp"
done

# One run: "<seconds> <MB>" of wall time and peak resident memory.
measure() {
    local log=$work/time.log
    /usr/bin/time -v -o "$log" "$@" >/dev/null 2>"$work/stderr" || true
    local wall rss
    wall=$(awk -F': ' '/Elapsed \(wall clock\)/ {
        n = split($2, p, ":"); s = 0; for (i = 1; i <= n; ++i) s = s * 60 + p[i]; print s }' "$log")
    rss=$(awk -F': ' '/Maximum resident set size/ { printf "%.0f", $2 / 1024 }' "$log")
    echo "$wall $rss"
}

commands=("check" "check --json" "report" "results" "latex" "pdf")
printf '%-14s' "command"
for n in "${sizes[@]}"; do printf ' | %22s' "$n items"; done
printf '\n'
for command in "${commands[@]}"; do
    printf '%-14s' "$command"
    for n in "${sizes[@]}"; do
        project=$work/mixed-$n.tvp
        case "$command" in
        results) args=(results "$project" -o "$work/results-$n.csv") ;;
        latex) args=(latex "$project" -o "$work/report-$n.tex") ;;
        pdf)
            if [[ $n -gt 20000 && $pdfLarge -eq 0 ]]; then
                printf ' | %22s' "(--pdf-large)"
                continue
            fi
            args=(pdf "$project" -o "$work/report-$n.pdf")
            ;;
        *) read -r -a args <<<"$command $project" ;;
        esac
        read -r wall rss < <(measure "$program" "${args[@]}")
        printf ' | %10s s %7s MB' "$wall" "$rss"
    done
    printf '\n'
done
