#!/usr/bin/env bash
# Installs every Debian package the build, the program and the tests need.
# Idempotent and quiet: only missing packages are fetched.
set -euo pipefail

packages=(
  # build
  build-essential cmake pkg-config ninja-build
  libspdlog-dev libfmt-dev libgtest-dev libgmock-dev
  libssl-dev libblkid-dev libudev-dev libcryptsetup-dev
  nlohmann-json3-dev libpng-dev libraw-dev
  qtbase5-dev qtbase5-dev-tools qttools5-dev qttools5-dev-tools libqt5x11extras5-dev libqt5svg5-dev
  xvfb xauth imagemagick
  # the launcher entry's check after an install (and polkit's action DTD for its action)
  desktop-file-utils libxml2-utils polkitd
  # the program's services: picture sources, fonts, the bus the sleep inhibitor talks on
  librsvg2-bin python3 fonts-crosextra-carlito fonts-noto-cjk dbus-daemon
  # fixtures and independent readers used by the tests
  util-linux fdisk gdisk dosfstools mtools ntfs-3g exfatprogs exfat-fuse
  sleuthkit coreutils xxd
  # independent BitLocker readers
  dislocker libbde-utils
  # the NTFS tests write sparse files and Recycle Bin records through ntfs-3g
  python3
  # real files of every carved type, made at test time, and the fuzzers' compiler
  ffmpeg ghostscript zip unzip p7zip-full genisoimage libimage-exiftool-perl libarchive-tools
  libreoffice-writer-nogui libreoffice-calc-nogui libreoffice-impress-nogui util-linux
  clang libclang-rt-14-dev
  # the peer the deep-scan benchmark measures recall against (photorec)
  testdisk
  # libwim's XPRESS compressor builds the system-compressed (WOF) test files
  libwim15 libwim-dev
  # libssl3 carries OpenSSL's legacy provider (MD4, DES, DESX); the others are
  # the independent converters and digest tools the helper tests compare with
  libssl3 openssl tzdata libc-bin
  # picture decoding (TIFF and WebP readers for Qt, HEIF) and its test oracles
  qt5-image-formats-plugins libheif-dev dcraw
  # the found-file model's tests: an ext4 image for a volume no engine reads
  e2fsprogs
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
  SUDO=sudo
else
  SUDO=
fi
echo "Installing: ${missing[*]}" >&2
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq >/dev/null
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
