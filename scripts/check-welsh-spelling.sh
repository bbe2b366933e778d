#!/usr/bin/env bash
# Checks every Welsh text of the program and its content with aspell's Welsh dictionary
# (aspell-cy) and the project's word lists (translations/aspell-cy-words.txt, names;
# translations/aspell-cy-missing.txt, sound words the dictionary lacks): the translations
# (translations/*_cy.ts), the Welsh topic variants (content/topics/cy/*.json) and the Welsh
# texts of the content generators (tools/content/texts/cy/). Prints each unknown word with
# where it stands; exits 1 if there is any, 77 when aspell or its Welsh dictionary is missing.
# Usage: scripts/check-welsh-spelling.sh [project-folder]
set -euo pipefail
root="${1:-$(dirname "$0")/..}"
cd "$root"

if ! command -v aspell >/dev/null || ! aspell dicts 2>/dev/null | grep -qx cy; then
    echo "aspell with the Welsh dictionary (aspell-cy) is not installed" >&2
    exit 77
fi

# One text per line, "file<TAB>text". Welsh joins the short forms of "yr", "yn", "ei", "eich"
# and so on to the word before with an apostrophe (Mae'r, i'ch): they are split off here, as
# the dictionary holds the words alone. Keyboard accelerators (&) go too.
python3 - "$@" <<'PY' >"${TMPDIR:-/tmp}/welsh-texts.$$"
import glob, html, json, re, sys
def out(where, text):
    text = html.unescape(text).replace("&", "")
    text = re.sub(r"(?<=\w)['’](r|n|i|ch|u|m|th|w|w)\b", " ", text)
    for line in text.splitlines():
        if line.strip():
            print(f"{where}\t{line}")
for ts in sorted(glob.glob("translations/*_cy.ts")):
    for m in re.finditer(r"<translation>(.*?)</translation>", open(ts, encoding="utf-8").read(), re.S):
        out(ts, m.group(1))
def strings(value):
    if isinstance(value, str):
        yield value
    elif isinstance(value, list):
        for v in value:
            yield from strings(v)
    elif isinstance(value, dict):
        for k, v in value.items():
            if k in ("form", "kind", "name", "family", "align", "titleAlign", "color", "stacking", "keyFacts", "notes"):
                continue
            if isinstance(v, str) and re.search(r"[\\/]|\.(jpg|wmf|txt|bmp|gif)$", v):
                continue  # a file of the content
            yield from strings(v)
for topic in sorted(glob.glob("content/topics/cy/*.json")):
    for s in strings(json.load(open(topic, encoding="utf-8"))):
        out(topic, s)
for text in sorted(glob.glob("tools/content/texts/cy/**/*.txt", recursive=True)):
    for line in open(text, encoding="utf-8"):
        if line.startswith("#"):
            continue  # a note on the file's format, in English
        out(text, re.sub(r"^(title|subtitle|width|footer|answer|[A-D]):", "", line))
PY
texts="${TMPDIR:-/tmp}/welsh-texts.$$"
trap 'rm -f "$texts"' EXIT

# aspell's pipe mode answers each line ("^" keeps a line from reading as a command) with one
# line per unknown word ("& word ..." or "# word ...") and then a blank line.
# The project's words: names (aspell-cy-words.txt), and sound Welsh words that the 2003
# dictionary lacks (aspell-cy-missing.txt), in one personal list for aspell.
words="${TMPDIR:-/tmp}/welsh-words.$$"
trap 'rm -f "$texts" "$words"' EXIT
{ cat translations/aspell-cy-words.txt; tail -n +2 translations/aspell-cy-missing.txt; } >"$words"
cut -f2- "$texts" | sed 's/^/^/' |
    aspell -a -d cy --encoding=utf-8 --personal="$words" |
    python3 -c '
import sys
texts = [line.rstrip("\n").split("\t", 1) for line in open(sys.argv[1], encoding="utf-8")]
answers = sys.stdin.read().split("\n")[1:]  # the first line is aspell greeting
unknown, current, status = [], 0, 0
for answer in answers:
    if answer == "":
        if current < len(texts) and unknown:
            where, text = texts[current]
            print(where + ": " + " ".join(unknown) + " in: " + text)
            status = 1
        unknown = []
        current += 1
    elif answer[0] in "&#":
        unknown.append(answer.split()[1])
sys.exit(status)
' "$texts"
