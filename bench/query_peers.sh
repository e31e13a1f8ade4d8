#!/usr/bin/env bash
# tandor-query against fzy and fzf on the same 1 000 000-line names file, whole process, in one
# hyperfine run per query so that the ratios are fair on a shared machine.
# Usage: bench/query_peers.sh [NATIVE_BIN_DIR] [ENTRIES] [OTHER_TANDOR_QUERY]
# OTHER_TANDOR_QUERY, when given, is measured in the same runs (an older build, say).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
bin=$(cd "${1:-$here/../build/native/bin}" && pwd)
entries=${2:-1000000}
other=${3:-}
work=$(mktemp -d /tmp/tandor-peers.XXXXXX)
trap 'rm -rf "$work"' EXIT
names=$work/names.txt
"$bin/tandor_bench_names" "$entries" >"$names"
echo "names file: $entries lines, $(stat -c %s "$names") bytes; $(uptime)"
for query in p pa pav win98 notepa iexplo photoalbumviewer; do
    commands=("$bin/tandor-query --names $names --limit 20 $query")
    [ -n "$other" ] && commands+=("$other --names $names --limit 20 $query")
    commands+=("fzy -e $query <$names" "fzf --filter $query <$names")
    hyperfine -w 3 -r 21 --export-json "$work/$query.json" "${commands[@]}" >/dev/null 2>&1
    python3 - "$work/$query.json" "$query" <<'PY'
import json, sys
results = json.load(open(sys.argv[1]))["results"]
print(sys.argv[2].ljust(18), "  ".join("%7.1f ms" % (r["median"] * 1000) for r in results),
      "  (median of %d)" % len(results[0]["times"]))
PY
done
echo "columns: tandor-query$([ -n "$other" ] && echo ', other tandor-query'), fzy -e, fzf --filter; $(uptime)"
