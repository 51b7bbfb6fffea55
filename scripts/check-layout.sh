#!/usr/bin/env bash
# The folders under src/ build on each other in one order. The build already refuses an include
# of a folder that a library does not link; this catches what the build allows, such as a link
# added against the order that lets two folders include each other.
set -euo pipefail
cd "$(dirname "$0")/../src"

# A folder may include its own headers and those of the folders before it. The runner (batch)
# stands beside the application (app): neither includes the other. The engines stand alone.
order=(common settings subtitles text layers jobs player editor app)
declare -A rank
for i in "${!order[@]}"; do
  rank[${order[$i]}]=$i
done
rank[batch]=${rank[app]}

status=0
while IFS=: read -r file line text; do
  folder=${file%%/*}
  included=$(sed -E 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"([a-z]+)\/.*/\1/' <<<"$text")
  [[ $included == "$folder" ]] && continue
  allowed=1
  if [[ $folder == engines || $included == engines ]]; then
    allowed=0
  elif [[ -z ${rank[$folder]+x} || -z ${rank[$included]+x} ]]; then
    allowed=1
  elif ((rank[$included] >= rank[$folder])); then
    allowed=0
  fi
  if ((!allowed)); then
    echo "src/$file:$line: $folder must not include $included (order: ${order[*]})" >&2
    status=1
  fi
done < <(grep -nE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[a-z]+/' -r --include='*.cpp' --include='*.h' . \
           | sed 's#^\./##' | grep -E '^[a-z]+/' || true)

# Form headers name their widgets' headers in <header> elements.
while IFS=: read -r file line text; do
  folder=${file%%/*}
  included=$(sed -E 's/.*<header>([a-z]+)\/.*/\1/' <<<"$text")
  [[ $included == "$folder" ]] && continue
  if [[ -n ${rank[$included]+x} ]] && ((rank[$included] >= rank[$folder])); then
    echo "src/$file:$line: $folder must not include $included (order: ${order[*]})" >&2
    status=1
  fi
done < <(grep -nE '<header>[a-z]+/' -r --include='*.ui' . | sed 's#^\./##' || true)

exit $status
