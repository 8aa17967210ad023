#!/usr/bin/env bash
# Starts the program on the display of this session and waits for its "Select SCORM Version" window.
set -u
program=$1
"$program" &
pid=$!
found=""
for _ in $(seq 1 60); do
    if xdotool search --name "Select SCORM Version" >/dev/null 2>&1; then
        found=yes
        break
    fi
    sleep 0.5
done
kill "$pid" 2>/dev/null
wait "$pid" 2>/dev/null
if [ -n "$found" ]; then
    echo "tagsmith started and shows \"Select SCORM Version\""
    exit 0
fi
echo "tagsmith did not show \"Select SCORM Version\"" >&2
exit 1
