#!/usr/bin/env bash
# Keeps the manual pages in step with the programs' --help: every option and
# verb one of them names, the other names too; and the pages format without
# warnings.
set -euo pipefail
bin=$1
man=$2
status=0

options() { grep -o -- '--[a-z][a-z-]*' | sort -u; }

for prog in qxp-r46 qxp-r46-cli qz-r46-sim; do
  page="$man/$prog.1"
  help=$("$bin/$prog" --help)
  text=$(sed 's/\\-/-/g' "$page")
  described=$(sed -n '/^\.SH OPTIONS/,/^\.SH [^O]/p' <<<"$text")
  # Every option the help names is in the page, and every option the page
  # describes is one the program has.
  missing=$(comm -23 <(options <<<"$help") <(options <<<"$text"))
  stale=$(comm -13 <(options <<<"$help") <(options <<<"$described"))
  [ -z "$missing" ] || { echo "$page lacks:" $missing; status=1; }
  [ -z "$stale" ] || { echo "$page describes options $prog does not have:" $stale; status=1; }
  warnings=$(groff -k -Tutf8 -man -ww -z "$page" 2>&1 || true)
  [ -z "$warnings" ] || { echo "$page: $warnings"; status=1; }
done

# The command-line tool's verbs: the indented words of its help's "Verbs:"
# part, each a .B entry of the page's VERBS section.
verbs=$("$bin/qxp-r46-cli" --help | sed -n '/^Verbs:/,/^Options:/p' | grep -oE '^  [a-z][a-z-]*' | tr -d ' ')
page_verbs=$(sed 's/\\-/-/g' "$man/qxp-r46-cli.1" | sed -n '/^\.SH VERBS/,/^\.SH OPTIONS/p' | grep -oE '^\.B [a-z][a-z-]*' | cut -c4-)
diff <(sort -u <<<"$verbs") <(sort -u <<<"$page_verbs") >/dev/null ||
  { echo "qxp-r46-cli: verbs differ between --help and its page:"; diff <(sort -u <<<"$verbs") <(sort -u <<<"$page_verbs") || true; status=1; }
exit $status
