#!/usr/bin/env bash
# Makes the small sample files of tests/data/formats with Debian's own tools
# (apt-get install ffmpeg libheif-examples libimage-exiftool-perl imagemagick
# libjxl-tools): each
# carries a capture date written by the tool, which the capture-date tests
# expect. The files are committed; the tests never run these tools.
set -euo pipefail
out="$(cd "$(dirname "$0")/.." && pwd)/tests/data/formats"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$out"
quiet=(-hide_banner -loglevel error -y)

# A JPEG with EXIF dates, the source of the HEIF and AVIF images.
ffmpeg "${quiet[@]}" -f lavfi -i color=c=blue:s=32x24:d=1 -frames:v 1 "$work/base.jpg"
exiftool -q -overwrite_original -DateTimeOriginal="2019:03:04 05:06:07" \
  -CreateDate="2019:03:04 05:06:07" -ModifyDate="2019:03:04 05:06:08" "$work/base.jpg"
cp "$work/base.jpg" "$out/exif-date.jpg"
heif-enc -q 30 "$work/base.jpg" -o "$out/image.heic" >/dev/null
heif-enc -q 30 "$work/base.jpg" -o "$out/image.avif" >/dev/null

# Movies of one frame; creation_time is UTC and lands in the movie header.
movie() { # file, creation_time, further options
  local file=$1 time=$2
  shift 2
  local size=16x16 codec=mpeg4
  [[ $file == *.3gp ]] && size=128x96 codec=h263
  ffmpeg "${quiet[@]}" -f lavfi -i "color=c=red:s=$size:d=0.04:r=25" -c:v "$codec" -q:v 31 \
    -metadata creation_time="$time" "$@" "$out/$file"
}
movie movie.mp4 2021-07-14T09:30:15Z
movie movie.mov 2020-01-20T18:00:00Z
movie movie.m4v 2021-12-31T23:30:00Z
movie movie.3gp 2021-07-14T09:30:15Z
# The local creation date with its offset, written as a keyed value beside
# a movie header time of the same moment.
movie creationdate.mov 2021-07-14T09:30:15Z -movflags use_metadata_tags \
  -metadata com.apple.quicktime.creationdate="2021-07-14T04:30:15-0500"

# TIFF and PNG copies with dates written by exiftool.
ffmpeg "${quiet[@]}" -f lavfi -i color=c=green:s=8x8 -frames:v 1 -pix_fmt rgb24 \
  -compression_algo raw "$work/plain.tif"
ffmpeg "${quiet[@]}" -f lavfi -i color=c=green:s=8x8 -frames:v 1 "$work/plain.png"
cp "$work/plain.tif" "$out/original.tif"
exiftool -q -overwrite_original -DateTimeOriginal="2018:11:12 13:14:15" \
  -ModifyDate="2018:11:12 13:14:16" "$out/original.tif"
cp "$work/plain.tif" "$out/modifydate.tiff"
exiftool -q -overwrite_original -ModifyDate="2017:01:02 03:04:05" "$out/modifydate.tiff"
cp "$work/plain.png" "$out/exif.png"
exiftool -q -overwrite_original -DateTimeOriginal="2018:11:12 13:14:15" "$out/exif.png"

# The same HEIF bytes under the name cameras give them; a WebP that keeps
# the JPEG's EXIF in its EXIF chunk; JPEG XL, whose encoder packs the EXIF
# with Brotli (a brob box, which gives no date).
cp "$out/image.heic" "$out/image.hif"
convert "$out/exif-date.jpg" -quality 10 "$out/image.webp"
cjxl "$out/exif-date.jpg" "$out/image.jxl" >/dev/null 2>&1

# A RAF-shaped file around that JPEG: Fujifilm's header (big-endian) points
# at the embedded JPEG at byte 160, as the cameras lay it out.
be32() { printf "\\x%02x\\x%02x\\x%02x\\x%02x" $(($1 >> 24 & 255)) $(($1 >> 16 & 255)) \
  $(($1 >> 8 & 255)) $(($1 & 255)); }
{
  printf 'FUJIFILMCCD-RAW 0201FF389501X-T30'
  head -c 27 /dev/zero
  printf '0100'
  head -c 20 /dev/zero
  printf "$(be32 160)$(be32 "$(stat -c %s "$out/exif-date.jpg")")"
  head -c 68 /dev/zero
  cat "$out/exif-date.jpg"
  head -c 256 /dev/zero
} >"$out/image.raf"

# Matroska and WebM carry creation_time as DateUTC.
ffmpeg "${quiet[@]}" -f lavfi -i color=c=red:s=16x16:d=0.04:r=25 -c:v mpeg4 -q:v 31 \
  -metadata creation_time=2021-07-14T09:30:15Z "$out/movie.mkv"
ffmpeg "${quiet[@]}" -f lavfi -i color=c=red:s=16x16:d=0.04:r=25 -c:v libvpx -b:v 10k \
  -metadata creation_time=2021-12-31T23:30:00Z "$out/movie.webm"
# AVCHD: an H.264 transport stream of 192-byte packets whose user data holds
# the camcorder's MDPM block (2021-07-14 11:30:15, zone byte 0x82), and one
# without it.
mdpm=$'MDPM\x02\x18\x82\x20\x21\x07\x19\x14\x11\x30\x15'
ffmpeg "${quiet[@]}" -f lavfi -i color=c=red:s=16x16:d=0.04:r=25 -c:v libx264 \
  -bsf:v "h264_metadata=sei_user_data=17ee8c60-f84d-11d9-8cd6-0800200c9a66+$mdpm" \
  -mpegts_m2ts_mode 1 -f mpegts "$out/clip.mts"
ffmpeg "${quiet[@]}" -f lavfi -i color=c=red:s=16x16:d=0.04:r=25 -c:v libx264 \
  -mpegts_m2ts_mode 1 -f mpegts "$out/movie.m2ts"
ls -l "$out"
