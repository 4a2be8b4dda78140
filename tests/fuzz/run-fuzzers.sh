#!/bin/sh
# make fuzz: runs each fuzz target for a while and sums up, per target, how
# many inputs it tried, the coverage libFuzzer reached (cov: code edges of our
# sources, ft: finer features) and anything it found.
#
#   run-fuzzers.sh BUILD_DIR SECONDS TARGET...
#
# New inputs go to BUILD_DIR/runs/TARGET/corpus, so the committed seeds in
# tests/fuzz/corpus/TARGET stay as they are and a later run starts from
# everything found before. Crashes, leaks, timeouts and memory blow-ups land
# in BUILD_DIR/runs/TARGET/findings; add each one, once fixed, to the
# committed corpus so make test keeps trying it.
set -u
build=$(cd "$1" && pwd)
seconds=$2
shift 2
here=$(cd "$(dirname "$0")" && pwd)
failed=0
table=""

for target in "$@"; do
    run=$build/runs/$target
    rm -rf "$run/findings"
    mkdir -p "$run/corpus" "$run/findings"
    set -- -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$run/findings/" \
        -timeout=10 -rss_limit_mb=2048
    [ -f "$here/$target.dict" ] && set -- "$@" -dict="$here/$target.dict"
    echo "== $target: $seconds s (log: $run/fuzz.log)"
    "$build/fuzz_$target" "$@" "$run/corpus" "$here/corpus/$target" > "$run/fuzz.log" 2>&1
    code=$?
    executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$run/fuzz.log" | tail -n 1)
    coverage=$(grep -E '^#[0-9]+.* cov: ' "$run/fuzz.log" | tail -n 1 | sed -E 's/.* cov: ([0-9]+) ft: ([0-9]+).*/cov \1, ft \2/')
    findings=$(ls "$run/findings")
    if [ "$code" -ne 0 ] || [ -n "$findings" ]; then
        failed=1
        found="FOUND (exit $code): $(echo $findings)"
        grep -E 'ERROR: |fuzz check failed|SUMMARY: |runtime error' "$run/fuzz.log" | head -n 5 | sed 's/^/    /'
    else
        found="nothing"
    fi
    table="$table$(printf '%-14s %12s execs   %-20s %s' "$target" "${executions:-?}" "${coverage:-?}" "$found")
"
done

echo
printf '%-14s %18s   %-20s %s\n' target executions coverage found
printf '%s' "$table"
exit $failed
