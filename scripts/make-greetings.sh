#!/usr/bin/env bash
# Regenerates the three built-in greeting recordings in sound/greetings/.
# Japanese speech from espeak-ng, cut to the voice, resampled to 8000 Hz
# 16-bit mono PCM, led in with a little silence and padded (or cut) to the
# exact sample count each greeting ships with, under the 48-byte header of
# the greeting images (a 20-byte fmt chunk: extra-format size 0, 2 padding bytes).
# Needs espeak-ng and sox. The results are committed; run this only to remake them.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
out=$root/sound/greetings
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$out"

byte() { printf "\\$(printf '%03o' "$1")"; }
le16() { byte $(($1 & 255)); byte $((($1 >> 8) & 255)); }
le32() { le16 $(($1 & 65535)); le16 $((($1 >> 16) & 65535)); }

# make_greeting FILE TEXT DATA_BYTES
make_greeting() {
    local file=$1 text=$2 bytes=$3
    local samples=$((bytes / 2))
    espeak-ng -v ja -s 130 -w "$tmp/voice.wav" "$text"
    # No dither: the silence around the voice stays true zero.
    sox -D "$tmp/voice.wav" -r 8000 -c 1 -b 16 -e signed-integer "$tmp/cut.wav" \
        silence 1 0.01 1% reverse silence 1 0.01 1% reverse rate -h 8000 gain -n -1
    # -V1: trim ends the stream before the tail padding does, which sox warns about.
    sox -V1 -D "$tmp/cut.wav" -t raw "$tmp/voice.raw" pad 0.15 3 trim 0 "${samples}s"
    local got
    got=$(stat -c %s "$tmp/voice.raw")
    if [ "$got" -ne "$bytes" ]; then
        echo "make-greetings: $file has $got bytes of samples, wanted $bytes" >&2
        exit 1
    fi
    {
        printf 'RIFF'; le32 $((bytes + 40)); printf 'WAVE'
        printf 'fmt '; le32 20
        le16 1; le16 1; le32 8000; le32 16000; le16 2; le16 16; le16 0; le16 0
        printf 'data'; le32 "$bytes"
        cat "$tmp/voice.raw"
    } >"$tmp/$file"
    mv "$tmp/$file" "$out/$file"
}

# "wa" is written わ so the voice reads the particle as it is spoken.
make_greeting ZULIASA.wav "おはようございます" 44480
make_greeting ZULIHIRU.wav "こんにちわ" 43200
make_greeting ZULIBAN.wav "こんばんわ" 39680
