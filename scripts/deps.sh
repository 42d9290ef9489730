#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need, when any is missing
# (the package test needs `file` and dpkg-shlibdeps for CPack's DEB generator).
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config ccache git
    qt6-base-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools libqt6sql6-sqlite qt6-image-formats-plugins
    libgl-dev
    libexiv2-dev exiv2
    imagemagick ffmpeg dcraw
    # ImageMagick's HEIC/AVIF and WebP readers; ffmpeg brings libx265 and zscale (libzimg) itself.
    libheif1 libwebp7 libwebpdemux2
    # lumio-heif-decode: libheif with libavcodec's HEVC decoder.
    libheif-dev libavcodec-dev
    libcpp-httplib-dev libssl-dev openssl
    # The uploader's connection decodes answers in the encodings Qt offers: gzip/deflate, br, zstd.
    zlib1g-dev libbrotli-dev libzstd-dev
    libgphoto2-dev gphoto2
    librsvg2-bin desktop-file-utils
    fonts-liberation fonts-dejavu-core fonts-noto-cjk
    xvfb xauth x11-apps
    clang libclang-rt-14-dev
    iproute2 curl
    file dpkg-dev
    qtkeychain-qt6-dev gnome-keyring dbus-daemon
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
if [ "$(id -u)" -ne 0 ]; then
    as_root=(sudo)
fi
echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
