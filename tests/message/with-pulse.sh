#!/bin/bash
# Runs a command against a private PulseAudio server with one null sink ("r4000test") whose
# monitor is the default source, so what is played comes back as recorded input.
# Exits 77 (skipped) when no server can be started here.
set -u

if ! command -v pulseaudio >/dev/null || ! command -v pactl >/dev/null; then
    echo "with-pulse.sh: pulseaudio or pactl not installed; skipping" >&2
    exit 77
fi

dir="$(mktemp -d "${TMPDIR:-/tmp}/r4000-pulse.XXXXXX")"
pid=""
silence=""
cleanup() {
    if [[ -n "$silence" ]]; then
        kill "$silence" 2>/dev/null
        wait "$silence" 2>/dev/null
    fi
    if [[ -n "$pid" ]]; then
        kill "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    fi
    rm -rf "$dir"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

export XDG_RUNTIME_DIR="$dir"
export PULSE_RUNTIME_PATH="$dir/pulse"
export PULSE_STATE_PATH="$dir/state"
export PULSE_CONFIG_PATH="$dir/config"
export HOME="$dir"
mkdir -p "$PULSE_RUNTIME_PATH" "$PULSE_STATE_PATH" "$PULSE_CONFIG_PATH"
socket="$dir/native"
unset PULSE_SERVER

# As root the daemon needs --system=false and warns that it runs in user mode as root.
pulseaudio --daemonize=no --exit-idle-time=-1 --disallow-exit --system=false -n \
    --use-pid-file=no --disable-shm=yes \
    --load="module-null-sink sink_name=r4000test" \
    --load="module-native-protocol-unix socket=$socket auth-anonymous=1" \
    >"$dir/server.log" 2>&1 &
pid=$!

export PULSE_SERVER="unix:$socket"
# For tests of a server that goes away.
export R4000_PULSE_PID="$pid"
for _ in $(seq 1 50); do
    if pactl info >/dev/null 2>&1; then
        break
    fi
    if ! kill -0 "$pid" 2>/dev/null; then
        break
    fi
    sleep 0.1
done
if ! pactl info >/dev/null 2>&1; then
    echo "with-pulse.sh: could not start a PulseAudio server; skipping" >&2
    sed 's/^/  server: /' "$dir/server.log" >&2
    exit 77
fi
pactl set-default-sink r4000test >/dev/null
pactl set-default-source r4000test.monitor >/dev/null
# An idle null sink works in blocks of two seconds and can take that long to start pulling
# a new stream's data; a silent low-latency stream keeps it working in short blocks, as a
# sound card does.
pacat --playback --latency-msec=20 --rate=16000 --channels=1 --format=s16le /dev/zero &
silence=$!
for _ in $(seq 1 50); do
    if [[ -n "$(pactl list short sink-inputs 2>/dev/null)" ]]; then
        break
    fi
    sleep 0.1
done
# The sink's first block still runs out.
sleep 2

"$@"
