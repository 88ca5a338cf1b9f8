#!/bin/sh
# Makes the MP3 files that the tag tests read (committed beside this script, about 1 KB each):
#   tagless.mp3       one second of a 440 Hz tone, no tag at all
#   id3v2-utf16.mp3   the same with only an ID3v2 tag in UTF-16: title "表ソ", artist "Artist"
# Needs sox and lame (apt-get install sox lame).
set -eu
cd "$(dirname "$0")"
tone=$(mktemp --suffix=.wav)
trap 'rm -f "$tone"' EXIT
sox -n -r 8000 -c 1 -b 16 "$tone" synth 1 sine 440
lame --quiet -b 8 "$tone" tagless.mp3
lame --quiet -b 8 --id3v2-only --id3v2-utf16 --tt "表ソ" --ta "Artist" "$tone" id3v2-utf16.mp3
