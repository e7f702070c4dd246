#!/usr/bin/env bash
# Runs a command against a private PulseAudio server with one null sink, so that the media tests run with
# an audio device too. Exits 77 (skipped) where PulseAudio is not installed.
set -euo pipefail
if ! command -v pulseaudio >/dev/null || ! command -v pactl >/dev/null; then
  echo "pulseaudio is not installed: skipped"
  exit 77
fi
dir=$(mktemp -d)
pid=
cleanup() {
  if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; fi
  rm -rf "$dir"
}
trap cleanup EXIT
XDG_RUNTIME_DIR=$dir HOME=$dir pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no \
  --log-level=error --load="module-null-sink sink_name=tarvel_null" \
  --load="module-native-protocol-unix socket=$dir/native auth-anonymous=1" &
pid=$!
export PULSE_SERVER=unix:$dir/native TARVEL_PRIVATE_PULSE_SERVER=1
for _ in $(seq 100); do
  pactl info >/dev/null 2>&1 && break
  sleep 0.1
done
pactl info >/dev/null 2>&1 || { echo "the PulseAudio server did not start"; exit 1; }
"$@"
