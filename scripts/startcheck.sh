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
# Until the window shows or the program ends; a machine busy with other work may take long to show it, so
# only a window that has not come in two minutes counts as never coming.
for _ in $(seq 1 240); do
    if xdotool search --name "$title" >/dev/null 2>&1; then
        found=yes
        break
    fi
    kill -0 "$pid" 2>/dev/null || break
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
