#!/bin/sh
# Rebuilds the built-in images from gen_images.cpp (needs qt6-base-dev).
# The PNG files are committed; run this only after changing the drawing.
set -e
here=$(cd "$(dirname "$0")" && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
g++ -std=c++20 -O1 -fPIC -o "$tmp/gen_images" "$here/gen_images.cpp" $(pkg-config --cflags --libs Qt6Gui)
QT_QPA_PLATFORM=offscreen "$tmp/gen_images" "$here"
