#!/usr/bin/env bash
# The translations as translators' tools see them: every po/*.po passes `msgfmt --check`, and
# every text the game and its front ends mark for showing (tk::tr("...") and shown(...) in C++,
# shown('...') and later('...') in the page's script, the dialogs' titles) has a translation in each, neither missing nor fuzzy. And the
# manual pages, English as command-line tools' are, keep the Czech words they quote under a
# POSIX locale: without their marks, but no letter dropped and no warning.
set -euo pipefail
root=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$root"
sources=$(ls desktop/*/*.cpp engine/running/*.cpp web/*.cpp web/page/*.js windows/*.cpp 2>/dev/null)
xgettext --from-code=UTF-8 --keyword=shown --keyword=later --keyword=tr --keyword=makeDialogCanvas:2 \
    --no-location \
    --output="$work/smashbol.pot" $sources
marked=$(grep -c '^msgid "' "$work/smashbol.pot")
echo "texts marked for showing: $((marked - 1))"
[ "$marked" -gt 10 ] || { echo "xgettext found too few texts: is the marker still shown()?"; exit 1; }
status=0
for po in po/*.po; do
    msgfmt --check --output-file=/dev/null "$po" || status=1
    # msgcmp names each text of the sources that the translation lacks (the windows' own
    # texts, which no marker finds, are the rules' and the engine test's concern).
    msgcmp "$po" "$work/smashbol.pot" 2>"$work/missing" || status=1
    grep -v 'this message is not used' "$work/missing" || true
    echo "$po: $(msgfmt --statistics --output-file=/dev/null "$po" 2>&1)"
done
for page in packaging/*.6; do
    LC_ALL=C groff -k -t -mtty-char -man -Tascii -ww "$page" 2>"$work/warnings" >/dev/null
    [ ! -s "$work/warnings" ] || { echo "$page:"; cat "$work/warnings"; status=1; }
done
page=$(LC_ALL=C groff -k -t -mtty-char -man -Tascii packaging/smashbol.6 2>/dev/null | sed 's/.\x08//g')
grep -Eq 'Obtiznost +\(Difficulty\): +Mala +\(easy\), +Stredni' <<<"$page" ||
    { echo "smashbol(6) under a POSIX locale lost the menu's Czech letters"; status=1; }
exit $status
