#!/bin/sh
# Writes the small Ogg Vorbis files the sound tests decode and play into
# tests/fixtures/sound/. Needs sox and oggenc (scripts/setup --content-tools);
# the output is deterministic, so rerunning it changes nothing.
set -eu
cd "$(dirname "$0")/.."
out=tests/fixtures/sound
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$out"

# name, rate, channels, seconds, sound; 440 Hz fits a whole number of periods
# into every length below, so a looped file joins without a click. No dither
# and a fixed noise seed keep the output the same from run to run.
make() {
  sox -D -R -n -r "$2" -c "$3" -b 16 "$tmp/$1.wav" synth "$4" "$5" 440 vol 0.5
  oggenc -Q --serial 1 -q 2 -o "$out/$1.ogg" "$tmp/$1.wav"
}

# Streamed: longer than two 48000-byte fills, so playback crosses refills.
make tone_stereo_44k 44100 2 0.75 sine
# Fully decoded: a short mono blip at another rate.
make blip_mono_22k 22050 1 0.1 sine
# Noise spreads over several Ogg pages, so one page can be damaged alone.
make noise_stereo_44k 44100 2 1.5 whitenoise
