#!/usr/bin/env bash
# Checks that the C++ files a change touches match .clang-format, without
# changing them. Usage:
#   bash scripts/check-format.sh            the files changed on this branch
#   bash scripts/check-format.sh FILE...    the files named
# "This branch" is everything since the merge base with origin/main (or a
# local main), committed or not. Where there is no such branch, or HEAD is
# on it (a clean clone of main in CI), the last commit is checked instead:
# for a merge, every file it brought in. QXP_FORMAT_BASE=<commit> names another
# base. Files outside the change are left to their owners: older files that
# differ from the style fail only once someone touches them.
set -euo pipefail
cd "$(dirname "$0")/.."

formatter=$(command -v clang-format-14 || command -v clang-format || true)
if [ -z "$formatter" ]; then
  echo "check-format: clang-format not found (scripts/setup.sh installs clang-format-14)" >&2
  exit 2
fi

is_cxx() { case "$1" in *.cpp | *.h | *.hpp | *.cc) return 0 ;; *) return 1 ;; esac; }

files=()
if [ $# -gt 0 ]; then
  for f in "$@"; do is_cxx "$f" && files+=("$f"); done
else
  base=${QXP_FORMAT_BASE:-}
  for main in origin/main main; do
    [ -z "$base" ] || break
    git rev-parse -q --verify "$main^{commit}" >/dev/null || continue
    base=$(git merge-base "$main" HEAD || true)
    [ "$base" = "$(git rev-parse HEAD)" ] && base=""
  done
  if [ -z "$base" ]; then
    if git rev-parse -q --verify HEAD~1 >/dev/null; then
      base=HEAD~1
    else
      echo "check-format: no earlier commit to compare with (a shallow or one-commit clone): nothing to check"
      exit 0
    fi
  fi
  echo "check-format: files changed since $(git rev-parse --short "$base")"
  # Working tree against the base: committed and uncommitted changes alike.
  while IFS= read -r f; do
    is_cxx "$f" && [ -f "$f" ] && files+=("$f")
  done < <(git diff --name-only --diff-filter=ACMR "$base" --)
fi

if [ ${#files[@]} -eq 0 ]; then
  echo "check-format: no C++ file changed"
  exit 0
fi
printf '  %s\n' "${files[@]}"
if ! "$formatter" --style=file --dry-run -Werror "${files[@]}"; then
  echo "check-format: the files above differ from .clang-format; fix them with" >&2
  echo "  $(basename "$formatter") -i FILE..." >&2
  exit 1
fi
echo "check-format: ${#files[@]} files match .clang-format"
