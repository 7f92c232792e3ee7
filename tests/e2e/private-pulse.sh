# Sourced by the end-to-end scripts: a PulseAudio server of their own with a null sink standing in
# for the sound card, never the desktop's. It gets its own runtime folder and home (the daemon runs
# as root on CI machines, where it wants both), and no client may start another one by itself.
# pulse_start WORK: starts it (pulse_pid), true when the null sink is the default sink.
# pulse_stop: ends it; afterwards PULSE_SERVER points nowhere, as on a machine without sound.

pulse_pid=

pulse_start() {
    local work=$1
    export HOME=$work/home XDG_RUNTIME_DIR=$work/run PULSE_RUNTIME_PATH=$work/run/pulse
    export PULSE_CLIENTCONFIG=$work/client.conf
    unset PULSE_SERVER PULSE_SINK
    mkdir -p "$HOME" "$PULSE_RUNTIME_PATH"
    chmod 700 "$XDG_RUNTIME_DIR"
    printf 'autospawn = no\n' >"$PULSE_CLIENTCONFIG"
    pulseaudio --daemonize=no --exit-idle-time=-1 --disallow-exit -n --use-pid-file=no \
        --load=module-native-protocol-unix --load="module-null-sink sink_name=ci_null" >"$work/pulse.log" 2>&1 &
    pulse_pid=$!
    for _ in $(seq 1 50); do
        pactl info >/dev/null 2>&1 && break
        sleep 0.1
    done
    if ! pactl info >/dev/null 2>&1; then
        echo "# the sound server did not start:"
        sed 's/^/#   /' "$work/pulse.log"
        return 1
    fi
    pactl set-default-sink ci_null
}

pulse_stop() {
    [ -n "$pulse_pid" ] && kill "$pulse_pid" 2>/dev/null && wait "$pulse_pid" 2>/dev/null
    pulse_pid=
    export PULSE_SERVER=unix:/nonexistent/pulse/native
}
