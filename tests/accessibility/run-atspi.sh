#!/bin/bash
# Runs atspi_tree.py against the built program under a virtual display, a
# session bus of its own and the desktop's accessibility bus.
#   bash tests/accessibility/run-atspi.sh [BUILD_DIR]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../../build}
export XDG_CONFIG_HOME=$(mktemp -d) XDG_DATA_HOME=$(mktemp -d)
trap 'rm -rf "$XDG_CONFIG_HOME" "$XDG_DATA_HOME"' EXIT
exec timeout 120 dbus-run-session -- xvfb-run -a /usr/bin/python3 "$here/atspi_tree.py" \
  "$build/bin/qxp-r46" "$here/../mainwindow/data/sample.46"
