#!/usr/bin/env bash
# Makes one real file per carved type with the tools that write them, into DIR,
# and lists them in DIR/manifest.txt: file, type id, whether the format ends
# only where the next bytes stop looking like it (1), and the offset at which
# its signature block lies. Files no Debian tool writes are built here and
# checked with an independent reader. Used by the carving tests and as the
# fuzzers' seed corpus.
#   scripts/make-carving-fixtures.sh DIR
set -euo pipefail
out=$1
mkdir -p "$out"
cd "$out"
manifest=manifest.txt
: > "$manifest"
add() { echo "$1 $2 $3 ${4:-0}" >> "$manifest"; }
quiet() { "$@" >/dev/null 2>&1; }
ff() { ffmpeg -nostdin -hide_banner -loglevel error -y "$@"; }
video="-f lavfi -i testsrc=duration=1:size=64x48:rate=10"
audio="-f lavfi -i sine=frequency=440:duration=1"
# Pictures
convert rose: png.png; add png.png 0 0
convert rose: jpg.jpg; add jpg.jpg 1 0
convert rose: -interlace Plane progressive.jpg; add progressive.jpg 1 0
convert rose: heic.heic; add heic.heic 2 1
convert rose: -compress None psd-raw.psd; add psd-raw.psd 3 0
convert rose: -compress RLE psd-rle.psd; add psd-rle.psd 3 0
convert rose: PSB:psb.psd; add psb.psd 3 0
convert rose: BMP2:bmp2.bmp; add bmp2.bmp 4 0
convert rose: BMP3:bmp3.bmp; add bmp3.bmp 4 0
convert rose: BMP:bmp.bmp; add bmp.bmp 4 0
convert rose: -compress None tiff-ii.tiff; add tiff-ii.tiff 5 0
convert rose: -compress None -define tiff:endian=msb tiff-mm.tiff; add tiff-mm.tiff 5 0
convert rose: -compress None -define tiff:rows-per-strip=4 tiff-strips.tiff; add tiff-strips.tiff 5 0
convert rose: webp.webp; add webp.webp 11 0
convert rose: GIF87:gif87.gif; add gif87.gif 12 0
convert rose: gif89.gif; add gif89.gif 12 0
# Camera-style TIFFs: exiftool moves IFD0 to 8 and the strips last.
for maker in nef:NIKON\ CORPORATION:9 arw:SONY:10; do
  ext=${maker%%:*}; rest=${maker#*:}; make=${rest%:*}; id=${rest##*:}
  cp tiff-strips.tiff "$ext.$ext"
  quiet exiftool -overwrite_original -Make="$make" "$ext.$ext"
  add "$ext.$ext" "$id" 0
done
# ISO base media
ff $video $audio -c:v mpeg4 -c:a aac -shortest mp4.mp4; add mp4.mp4 13 1
ff $video $audio -c:v mpeg4 -c:a aac -brand mp41 -shortest mp41.mp4; add mp41.mp4 13 1
ff $video $audio -c:v mpeg4 -c:a aac -brand mp42 -shortest mp42.mp4; add mp42.mp4 13 1
ff $video $audio -c:v mpeg4 -c:a aac -shortest mov.mov; add mov.mov 14 1
ff $video -c:v mpeg4 -f mp4 -brand "crx " cr3.cr3; add cr3.cr3 7 1
ff $video $audio -c:v mpeg4 -c:a aac -shortest -f ipod m4v.m4v; add m4v.m4v 16 1
ff $audio -c:a aac -f ipod m4a.m4a; add m4a.m4a 25 1
ff -f lavfi -i testsrc=duration=1:size=176x144:rate=10 $audio -c:v h263 -c:a aac -ar 8000 -ac 1 -shortest -f 3gp 3gp.3gp
add 3gp.3gp 21 1
# A QuickTime file without its ftyp box starts with another top-level box.
ftypSize() { od -An -tu1 -N4 "$1" | awk '{print $1*16777216+$2*65536+$3*256+$4}'; }
tail -c +$(( $(ftypSize mov.mov) + 1 )) mov.mov > mov-noftyp.mov; add mov-noftyp.mov 14 1
ff $video $audio -c:v mpeg4 -c:a aac -shortest -movflags +faststart faststart-full.mov
tail -c +$(( $(ftypSize faststart-full.mov) + 1 )) faststart-full.mov > mov-faststart.mov
rm faststart-full.mov; add mov-faststart.mov 14 1
# Other containers
ff $video $audio -c:v mpeg4 -c:a mp2 -shortest avi.avi; add avi.avi 15 0
ff $audio -c:a pcm_s16le wav.wav; add wav.wav 26 0
ff $video $audio -c:v mpeg4 -c:a libvorbis -shortest mkv.mkv; add mkv.mkv 17 0
ff $video $audio -c:v libvpx -c:a libvorbis -shortest webm.webm; add webm.webm 17 0
ff $video $audio -c:v flv1 -c:a libmp3lame -ar 44100 -shortest flv.flv; add flv.flv 18 1
ff $video $audio -c:v mpeg1video -r 25 -c:a mp2 -shortest -f mpeg mpeg.mpeg; add mpeg.mpeg 19 1
ff $video $audio -c:v rv20 -c:a ac3 -shortest -f rm rmvb.rmvb; add rmvb.rmvb 20 1
ff $video $audio -c:v wmv2 -c:a wmav2 -shortest -f asf wmv.wmv; add wmv.wmv 22 1
ff $audio -c:a wmav2 -f asf wma.wma; add wma.wma 28 1
# ASF: a WMA whose stream type says command media.
python3 - wma.wma asf.asf <<'PY'
import sys, uuid
data = bytearray(open(sys.argv[1], 'rb').read())
audio = uuid.UUID('F8699E40-5B4D-11CF-A8FD-00805F5C442B').bytes_le
command = uuid.UUID('59DACFC0-59E6-11D0-A3AC-00A0C90348F6').bytes_le
at = data.find(audio)
assert at > 0
data[at:at + 16] = command
open(sys.argv[2], 'wb').write(data)
PY
add asf.asf 23 1
# Audio
ff $audio -c:a libmp3lame -ar 44100 mp3-44k.mp3; add mp3-44k.mp3 24 1
ff $audio -c:a libmp3lame -ar 22050 mp3-22k.mp3; add mp3-22k.mp3 24 1
ff $audio -c:a libmp3lame -ar 44100 -metadata title=x -write_id3v1 1 mp3-id3v1.mp3; add mp3-id3v1.mp3 24 0
ff $audio -c:a libvorbis vorbis.ogg; add vorbis.ogg 27 1
ff $audio -c:a flac -f ogg flac.ogg; add flac.ogg 27 1
ff $audio -c:a pcm_s16be aiff.aiff; add aiff.aiff 29 0
# Archives
head -c 3000 /dev/urandom > a.bin; seq 1 2000 > b.txt
zip -q -X zip.zip a.bin b.txt; add zip.zip 30 0
zip -q -X - a.bin b.txt | cat > zip-streamed.zip; add zip-streamed.zip 30 0
cat a.bin | zip -q -X - - | cat > zip64-streamed.zip; add zip64-streamed.zip 30 0
zip -q -X -fz zip64.zip a.bin b.txt; add zip64.zip 30 0
quiet 7z a -bd 7z.7z a.bin b.txt; add 7z.7z 31 0
python3 - <<'PY'
# Stored-file RAR archives, version 4 and version 5, with CRCs and end records.
import zlib, struct
data = open('b.txt', 'rb').read()
crc = zlib.crc32(data)
def block4(kind, flags, body, add=b''):
    head = struct.pack('<BHH', kind, flags, 7 + len(body)) + body
    return struct.pack('<H', zlib.crc32(head) & 0xFFFF) + head + add
name = b'b.txt'
fh = struct.pack('<IIBIIBBHI', len(data), len(data), 2, crc, 0x5A210000, 20, 0x30, len(name), 0x20) + name
rar4 = b'Rar!\x1a\x07\x00' + block4(0x73, 0, b'\x00' * 6) + block4(0x74, 0x8000, fh, data) + block4(0x7B, 0x4000, b'')
open('rar4.rar', 'wb').write(rar4)
def vint(n):
    out = b''
    while True:
        b = n & 0x7F; n >>= 7
        if n: out += bytes([b | 0x80])
        else: return out + bytes([b])
def block5(kind, flags, body, extra_size=None, data_size=None):
    fields = vint(kind) + vint(flags)
    if extra_size is not None: fields += vint(extra_size)
    if data_size is not None: fields += vint(data_size)
    fields += body
    head = vint(len(fields)) + fields
    return struct.pack('<I', zlib.crc32(head)) + head
main = block5(1, 0, vint(0))
fileb = block5(2, 0x0002, vint(0x04) + vint(len(data)) + vint(0o644) + struct.pack('<I', crc) + vint(0) + vint(1) + vint(len(name)) + name, data_size=len(data)) + data
end = block5(5, 0x0004, vint(0))
open('rar5.rar', 'wb').write(b'Rar!\x1a\x07\x01\x00' + main + fileb + end)
PY
bsdtar -tvf rar4.rar | grep -q b.txt; bsdtar -xOf rar4.rar b.txt | cmp -s - b.txt
bsdtar -tvf rar5.rar | grep -q b.txt; bsdtar -xOf rar5.rar b.txt | cmp -s - b.txt
add rar4.rar 32 0; add rar5.rar 32 0
mkdir -p isodir; cp a.bin b.txt isodir/
quiet genisoimage -quiet -o iso.iso isodir; add iso.iso 33 0 32768
rm -r isodir
# Documents
cat > doc.ps <<'PS'
%!PS
/Helvetica findfont 24 scalefont setfont 72 720 moveto (Carving fixture) show showpage
PS
quiet gs -q -dBATCH -dNOPAUSE -sDEVICE=pdfwrite -sOutputFile=pdf.pdf doc.ps; add pdf.pdf 41 0
quiet gs -q -dBATCH -dNOPAUSE -sDEVICE=pdfwrite -dFastWebView=true -sOutputFile=pdf-linear.pdf doc.ps
add pdf-linear.pdf 41 0
rm doc.ps
# Office documents from small flat-ODF files, with a LibreOffice profile of this run's own.
cat > text.fodt <<'XML'
<?xml version="1.0" encoding="UTF-8"?>
<office:document xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0" office:version="1.2" office:mimetype="application/vnd.oasis.opendocument.text">
<office:body><office:text><text:p>Carving fixture</text:p></office:text></office:body></office:document>
XML
cat > sheet.fods <<'XML'
<?xml version="1.0" encoding="UTF-8"?>
<office:document xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0" xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0" office:version="1.2" office:mimetype="application/vnd.oasis.opendocument.spreadsheet">
<office:body><office:spreadsheet><table:table table:name="S"><table:table-row><table:table-cell office:value-type="float" office:value="42"><text:p>42</text:p></table:table-cell></table:table-row></table:table></office:spreadsheet></office:body></office:document>
XML
cat > slides.fodp <<'XML'
<?xml version="1.0" encoding="UTF-8"?>
<office:document xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" xmlns:draw="urn:oasis:names:tc:opendocument:xmlns:drawing:1.0" xmlns:presentation="urn:oasis:names:tc:opendocument:xmlns:presentation:1.0" office:version="1.2" office:mimetype="application/vnd.oasis.opendocument.presentation">
<office:body><office:presentation><draw:page draw:name="p1"/></office:presentation></office:body></office:document>
XML
office() { soffice "-env:UserInstallation=file://$PWD/lo-profile" --headless --convert-to "$1" "$2" >/dev/null 2>&1; }
office doc text.fodt; office docx text.fodt
office xls sheet.fods; office xlsx sheet.fods
office ppt slides.fodp; office pptx slides.fodp
rm -rf lo-profile text.fodt sheet.fods slides.fodp
mv text.doc doc.doc; mv text.docx docx.docx; mv sheet.xls xls.xls; mv sheet.xlsx xlsx.xlsx
mv slides.ppt ppt.ppt; mv slides.pptx pptx.pptx
add ppt.ppt 35 0; add doc.doc 36 0; add xls.xls 37 0
add pptx.pptx 38 0; add docx.docx 39 0; add xlsx.xlsx 40 0
# A compound file naming none of the three main streams: never reported.
python3 - <<'PY'
data = open('doc.doc', 'rb').read()
old = 'WordDocument'.encode('utf-16-le')
assert old in data
open('ole2.ole', 'wb').write(data.replace(old, 'PlainContent'.encode('utf-16-le')))
PY
add ole2.ole 34 0
# Canon CR2: a TIFF with "CR" 2 0 at 8 and IFD0 at 16.
python3 - <<'PY'
import struct
entries = [(256, 3, 1, 16), (257, 3, 1, 16), (258, 3, 1, 8), (259, 3, 1, 1), (262, 3, 1, 1),
           (271, 2, 6, None), (273, 4, 1, None), (277, 3, 1, 1), (278, 3, 1, 16), (279, 4, 1, 256)]
ifd_len = 2 + 12 * len(entries) + 4
make_at = 16 + ifd_len
strip_at = make_at + 6
out = bytearray(b'II*\x00' + struct.pack('<I', 16) + b'CR\x02\x00' + struct.pack('<I', 0))
out += struct.pack('<H', len(entries))
for tag, kind, count, value in entries:
    if tag == 271: value = make_at
    if tag == 273: value = strip_at
    if kind == 3: out += struct.pack('<HHIHH', tag, kind, count, value, 0)
    else: out += struct.pack('<HHII', tag, kind, count, value)
out += struct.pack('<I', 0) + b'Canon\x00' + bytes((i * 7) & 0xFF for i in range(256))
open('cr2.cr2', 'wb').write(out)
PY
exiftool -s3 -FileType cr2.cr2 | grep -qx CR2
# Its structure, read by two readers: IFD0's size and make, and the strip it points at.
[ "$(exiftool -s3 -ImageSize -Make cr2.cr2 | tr '\n' ' ')" = "16x16 Canon " ]
# dcraw exits 1 as the file holds no raw data it can develop; its TIFF walk still reports the size.
{ dcraw -i -v cr2.cr2 || true; } | grep -q '^Full size: *16 x 16$'
python3 -c "import sys; sys.stdout.buffer.write(bytes((i * 7) & 0xFF for i in range(256)))" |
  cmp -s - <(exiftool -m -b -PreviewImage cr2.cr2 2>/dev/null)
add cr2.cr2 6 0
# Fujifilm RAF: the header, its table of extents, a JPEG and random CFA bytes.
convert rose: raf-preview.jpg
head -c 4000 /dev/urandom > raf-cfa.bin
python3 - <<'PY'
import struct
jpeg = open('raf-preview.jpg', 'rb').read()
cfa = open('raf-cfa.bin', 'rb').read()
cfa_header = struct.pack('>I', 0)
head = bytearray(b'FUJIFILMCCD-RAW 0201FF383501' + b'X-T1'.ljust(32, b'\x00') + b'0100' + b'\x00' * 20)
jpeg_at = 160
header_at = jpeg_at + len(jpeg)
cfa_at = header_at + len(cfa_header)
head += struct.pack('>IIIIII', jpeg_at, len(jpeg), header_at, len(cfa_header), cfa_at, len(cfa))
head = head.ljust(jpeg_at, b'\x00')
open('raf.raf', 'wb').write(head + jpeg + cfa_header + cfa)
PY
exiftool -s3 -FileType raf.raf | grep -qx RAF
# Its header's table, read by exiftool: the version and the JPEG it points at.
[ "$(exiftool -s3 -RAFVersion -ImageSize raf.raf | tr '\n' ' ')" = "0100 70x46 " ]
cmp -s raf-preview.jpg <(exiftool -b -PreviewImage raf.raf)
rm raf-preview.jpg raf-cfa.bin
add raf.raf 8 0
# Damaged copies (not in the manifest): one length or end field of a file
# wrong, each alone and with another file at the next 4 KiB as on a disk.
# The tests that carve across damage read them; the fuzzers start from them.
mkdir -p damaged
python3 - <<'PY'
def read(name): return bytearray(open(name, 'rb').read())
def get(b, at, n, order): return int.from_bytes(b[at:at + n], order)
def put(b, at, n, order, value): b[at:at + n] = value.to_bytes(n, order)
def add(b, at, n, order, value): put(b, at, n, order, get(b, at, n, order) + value)
def tiff_next_ifd(b):
    ifd = get(b, 4, 4, 'little')
    put(b, ifd + 2 + 12 * get(b, ifd, 2, 'little'), 4, 'little', 0x10000)
def set_byte(at, value):
    def damage(b): b[at(b)] = value
    return damage
damages = [
    # name, file, damage, file after it in the seed
    ('zip-comment.zip', 'zip.zip', lambda b: put(b, b.rfind(b'PK\x05\x06') + 20, 2, 'little', 0xFFFF), 'jpg.jpg'),
    ('zip-central-comment.zip', 'zip.zip', lambda b: put(b, b.rfind(b'PK\x01\x02') + 32, 2, 'little', 0x3000), 'jpg.jpg'),
    ('7z-next-header-offset.7z', '7z.7z', lambda b: add(b, 12, 8, 'little', 0x2000), 'png.png'),
    ('bmp-size.bmp', 'bmp3.bmp', lambda b: add(b, 2, 4, 'little', 0x10000), 'gif89.gif'),
    ('os2-bmp-size.bmp', 'bmp2.bmp', lambda b: add(b, 2, 4, 'little', 0x10000), 'zip.zip'),
    # Both offsets point into the empty space after the next file.
    ('tiff-next-ifd.tiff', 'tiff-ii.tiff', tiff_next_ifd, 'bmp.bmp'),
    ('tiff-ifd0.tiff', 'tiff-mm.tiff', lambda b: put(b, 4, 4, 'big', 0x10000), 'jpg.jpg'),
    ('pdf-eof.pdf', 'pdf.pdf', set_byte(lambda b: b.rfind(b'%%EOF') + 3, ord('0')), 'pdf-linear.pdf'),
    ('ogg-segments.ogg', 'vorbis.ogg', set_byte(lambda b: b.rfind(b'OggS') + 26, 0xFF), 'flac.ogg'),
    ('jpg-eoi.jpg', 'jpg.jpg', set_byte(lambda b: len(b) - 1, 0), 'jpg.jpg'),
    ('png-iend.png', 'png.png', lambda b: put(b, b.rfind(b'IEND') - 4, 4, 'big', 0x4000), 'png.png'),
    ('wav-riff-size.wav', 'wav.wav', lambda b: add(b, 4, 4, 'little', 0x10000), 'png.png'),
    ('avi-riff-size.avi', 'avi.avi', lambda b: add(b, 4, 4, 'little', 0x10000), 'gif87.gif'),
    ('aiff-form-size.aiff', 'aiff.aiff', lambda b: add(b, 4, 4, 'big', 0x10000), 'bmp3.bmp'),
    ('raf-cfa-length.raf', 'raf.raf', lambda b: add(b, 104, 4, 'big', 0x10000), 'png.png'),
    # ffmpeg writes the segment's size in 8 bytes.
    ('mkv-segment-size.mkv', 'mkv.mkv', lambda b: add(b, b.rfind(b'\x18\x53\x80\x67') + 4, 8, 'big', 0x10000), 'gif89.gif'),
    ('psd-height.psd', 'psd-raw.psd', lambda b: add(b, 14, 4, 'big', 0x100), 'png.png'),
]
for name, source, damage, after in damages:
    b = read(source)
    damage(b)
    assert b != read(source), name
    open('damaged/' + name, 'wb').write(b)
    open('damaged/next-' + name, 'wb').write(b + bytes(-len(b) % 4096) + read(after))
PY
