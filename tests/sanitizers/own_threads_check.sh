#!/usr/bin/env bash
# Our threads are std::thread only, and no code of ours runs on a thread Qt
# starts: ThreadSanitizer then sees every hand-over of ours, and the GUI
# tests can have it ignore Qt's own pool threads (tests/support/
# qtpoolthreads.h, the one file that touches that pool) without hiding a
# race of ours. Lists each line of src/ and tests/ that would break that,
# and fails.
#   bash own_threads_check.sh SOURCE_DIR
set -uo pipefail
root=${1:?usage: own_threads_check.sh SOURCE_DIR}
# QThread's static helpers start nothing.
found=$(grep -rnP --include='*.cpp' --include='*.h' \
  '\bQThread\b(?!::(currentThread|msleep|usleep|sleep|idealThreadCount|yieldCurrentThread)\b)|\bQThreadPool\b|\bQtConcurrent\b|\bQRunnable\b|\bmoveToThread\b' \
  "$root/src" "$root/tests" | grep -v "^$root/tests/support/qtpoolthreads.h:" | grep -vP ':\d+:\s*#\s*include\b')
if [ -n "$found" ]; then
  echo "A thread that is not a std::thread, or work handed to Qt's threads:"
  echo "$found"
  echo "Start it with std::thread and hand results over with std::mutex, std::atomic or a join,"
  echo "or the GUI tests' ignoring of Qt's pool threads under ThreadSanitizer hides its races."
  exit 1
fi
echo "every thread in src/ and tests/ is a std::thread"
