#!/usr/bin/env bash
# Starts a program on the display of this session and waits for its first window:
#   startcheck.sh PROGRAM [WINDOW TITLE]   (tagsmith's "Select SCORM Version" when no title is given)
set -u
program=$1
title=${2:-Select SCORM Version}
name=$(basename "$program")
"$program" &
pid=$!
found=""
for _ in $(seq 1 60); do
    if xdotool search --name "$title" >/dev/null 2>&1; then
        found=yes
        break
    fi
    sleep 0.5
done
kill "$pid" 2>/dev/null
wait "$pid" 2>/dev/null
if [ -n "$found" ]; then
    echo "$name started and shows \"$title\""
    exit 0
fi
echo "$name did not show \"$title\"" >&2
exit 1
