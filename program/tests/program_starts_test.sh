#!/usr/bin/env bash
# The program starts from the README's run command in a fresh home folder, headless, and stays
# up showing its window until it is ended.
set -euo pipefail
program=$1
sandbox=$2
rm -rf "$sandbox"
mkdir -p "$sandbox/home"
export HOME=$sandbox/home XDG_CONFIG_HOME=$sandbox/home/.config XDG_DATA_HOME=$sandbox/home/.local/share
export XDG_STATE_HOME=$sandbox/home/.local/state XDG_RUNTIME_DIR=$sandbox/runtime
mkdir -m 700 -p "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=offscreen
"$program" /3 &
pid=$!
sleep 2
if ! kill -0 "$pid" 2>/dev/null; then
    wait "$pid" || true
    echo "the program ended by itself"
    exit 1
fi
kill "$pid"
wait "$pid" || true
echo "the program stayed up"
