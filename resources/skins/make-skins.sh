#!/bin/sh
# Rebuilds the skins we ship (resources/skins/<Name>/) from gen_skins.cpp
# (needs qt6-base-dev). The title buttons take their silhouette from the
# program's built-in button images, so run this again after those change.
# The output is committed; run this only after changing the drawing.
#
#   make-skins.sh [--sheet contact-sheet.png]
set -e
here=$(cd "$(dirname "$0")" && pwd)
images=$here/../images
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
g++ -std=c++20 -O1 -fPIC -Wall -Wextra -o "$tmp/gen_skins" "$here/gen_skins.cpp" $(pkg-config --cflags --libs Qt6Gui)
QT_QPA_PLATFORM=offscreen "$tmp/gen_skins" "$here" "$images" "$@"
