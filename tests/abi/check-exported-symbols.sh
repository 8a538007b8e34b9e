#!/usr/bin/env bash
# Compares the dynamic symbols a library defines with the manifest files
# (one symbol a line, '#' comments allowed): nothing missing, nothing extra.
set -euo pipefail
library=$1
manifest_dir=$2

expected=$(mktemp)
actual=$(mktemp)
trap 'rm -f "$expected" "$actual"' EXIT

cat "$manifest_dir"/*.txt | sed -e 's/#.*//' -e 's/[[:space:]]//g' | grep -v '^$' | sort > "$expected"
dups=$(uniq -d "$expected")
if [ -n "$dups" ]; then
  echo "symbols listed twice in the manifest:"; echo "$dups"; exit 1
fi
nm -D --defined-only "$library" | awk '{ print $NF }' | sort -u > "$actual"

status=0
missing=$(comm -23 "$expected" "$actual")
extra=$(comm -13 "$expected" "$actual")
if [ -n "$missing" ]; then
  echo "listed in the manifest but not exported:"; echo "$missing"; status=1
fi
if [ -n "$extra" ]; then
  echo "exported but not listed in the manifest:"; echo "$extra"; status=1
fi
echo "$(wc -l < "$actual") symbols exported, $(wc -l < "$expected") listed"
exit $status
