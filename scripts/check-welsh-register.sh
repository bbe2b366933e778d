#!/usr/bin/env bash
# Checks that the Welsh a pupil reads speaks to one pupil, as "ti": no "chi", "eich" or "'ch"
# (i'ch, a'ch), no verb or preposition in the second person plural ("Wyddoch", "ydych",
# "dylech", "arnoch", "gennych") and no command in -wch ("Llusgwch", "Labelwch", "Cliciwch").
# Teachers are spoken to as "chi", so their texts are left alone.
#
# What pupils read:
#   content/topics/cy/*.json                   the Welsh topics and their activities
#   tools/content/texts/cy/pages/key *.txt     the key facts pages
#   tools/content/texts/cy/worksheets/*.txt    the quizzes
#   translations/*_cy.ts                       the pupils' screens, by context (PUPIL below)
# What teachers read, and is not checked: the teacher's notes (texts/cy/pages/<form>.txt),
# the guide and the acknowledgments, and the wizard, catalogue and pack dialog of the program.
#
# Prints each offence as "file:line: words in: text"; exits 1 if there is any, 77 when
# python3 is missing.
# Usage: scripts/check-welsh-register.sh [project-folder]
set -euo pipefail
root="${1:-$(dirname "$0")/..}"
cd "$root"

if ! command -v python3 >/dev/null; then
    echo "python3 is not installed" >&2
    exit 77
fi

exec python3 - <<'PY'
import glob, html, re, sys

# The translations' contexts: the screens pupils use, and those only a teacher opens. A context
# in neither list stops the check, so a new screen is placed in one of them on purpose.
PUPIL = {
    "bs::ActivityScreen",  # the labelling and ordering activities
    "bs::DrawingPages",    # the pages' viewer: key facts (and the teacher's pages)
    "bs::Intro0",          # the main menu
    "bs::Multiple",        # the quiz
    "bs::NotesViewer",     # the key facts viewer (also the teacher's notes and the guide)
    "bs::Screen",          # the screens' names, read out by a screen reader
    "bs::Titlefrm",        # the title screen
    "bs::TopicPack",       # the printed pupils' sheets (the teacher's messages below excepted)
    "bs::TopicPage",       # a topic's page
    "bs::Welldone",        # the results and the certificate
    "bs::Wrong",           # the wrong answers
    "QPlatformTheme",      # the buttons of the program's message boxes
    "QLineEdit",           # a text box's menu (the name on the certificate)
    "bs::PupilDialog",     # the pupil's name, asked before the first quiz or activity
    "bs::PupilResults",    # a result that could not be saved
    "bs::ClassSettings",   # a pupil's name refused (the teacher's messages below excepted)
}
TEACHER = {
    "bs::Catalogue", "bs::Worksheet", "bs::Worksheets",  # the worksheet catalogue and its files
    "bs::Wizard",                                        # the multiple choice wizard
    "bs::QtDialogs",                                     # the topic pack's dialog
    "QFileDialog", "QFileSystemModel", "QAbstractSpinBox",  # its "Save as PDF" and copies box
    "bs::OurTopics",                                     # the school's own topics: the list
    "bs::TopicMaker",                                    # the topic maker
    "bs::ArchiveDialogs", "bs::TopicSharing",            # sharing a topic with another school
    "bs::ClassResults", "bs::ResultsModel", "bs::ClassLists",  # the class results and lists
    "bs::PhotoImport",                                   # a photograph refused by the topic maker
    "bs::OwnTopicStore", "bs::TopicFile",                # an own topic not saved, or refused
    "bs::TopicArchive",                                  # a shared topic not exported or imported
    "bs::RecordsFolder",                                 # the class's records not written
}
# Messages of a pupils' context that only the teacher sees.
TEACHER_MESSAGES = {
    ("bs::TopicPack", "Your topic pack is now printing."),
    ("bs::TopicPack", "Your topic pack has been saved."),
    ("bs::TopicPack", "The PDF file could not be saved there. Please choose another folder."),
    ("bs::ClassSettings", "Please type the name of the class."),
    ("bs::ClassSettings", "A class name can have at most %1 characters."),
    ("bs::ClassSettings", "A class name cannot hold a tab or a new line."),
    ("bs::ClassSettings", "The class lists are being changed on another computer; please try again."),
    ("bs::ClassSettings", "Cannot make the results folder “%1”."),
}

# "You" (plural or polite) and "your", and the present forms of "bod" that go with them.
PLURAL_WORDS = {
    "chi", "chwi", "chithau", "chwithau", "ichi", "eich",
    "ydych", "rydych", "ydach", "rydach", "oeddech", "roeddech", "gennych", "wrthych",
}
# The second person plural of a verb or preposition ends in -wch (Llusgwch, gallwch, ewch),
# -ech (dylech, gallech, roeddech) or -och (Wyddoch, aethoch, arnoch). These words end so and
# are neither; each also in its mutated forms (ym mlwch, Trwyn y Fuwch, baner goch).
NOT_PLURAL = {
    # -wch: nouns, "uwch" (higher), and a place
    "blwch", "buwch", "bwch", "bwlch", "cwch", "hwch", "llwch", "lluwch", "swch", "trwch",
    "uwch", "goruwch", "Amlwch", "anialwch",
    # -wch: nouns of a quality (heddwch, peace)
    "caledwch", "dedwyddwch", "difrifwch", "digrifwch", "diogelwch", "dirgelwch", "esmwythwch",
    "harddwch", "heddwch", "hyfrydwch", "llonyddwch", "meddalwch", "prydferthwch", "tawelwch",
    "tristwch", "tywyllwch",
    # -ech and -och
    "brech", "chwech", "llech", "sech", "trech",
    "boch", "broch", "cloch", "coch", "croch", "moch", "och", "soch",
}

def mutations(word):
    """The word and its soft, nasal and aspirate mutations, and "h" before a vowel."""
    w = word.lower()
    forms = {w}
    rules = [("p", ["b", "mh", "ph"]), ("t", ["d", "nh", "th"]), ("c", ["g", "ngh", "ch"]),
             ("b", ["f", "m"]), ("d", ["dd", "n"]), ("g", ["", "ng"]), ("m", ["f"]),
             ("ll", ["l"]), ("rh", ["r"])]
    for first, changed in sorted(rules, key=lambda r: -len(r[0])):
        if w.startswith(first) and not (first in ("c", "d") and w[:2] in ("ch", "dd")):
            forms.update(c + w[len(first):] for c in changed)
            break
    if w[0] in "aeiouwyâêîôûŵŷ":
        forms.add("h" + w)
    return forms

ALLOWED = set().union(*(mutations(w) for w in NOT_PLURAL))
WORD = re.compile(r"[^\W\d_]+(?:-[^\W\d_]+)*")

def offences(text):
    found = []
    for m in re.finditer(r"\w*['’]ch\b", text):  # i'ch, â'ch: "your"
        found.append((m.start(), m.group(0)))
    for m in WORD.finditer(text):
        word = m.group(0).lower()
        if word in PLURAL_WORDS or (word.endswith(("wch", "ech", "och")) and word not in ALLOWED):
            found.append((m.start(), m.group(0)))
    return [word for _, word in sorted(found)]

status = 0
def report(where, line, text):
    global status
    words = offences(text)
    if words:
        print(f"{where}:{line}: {', '.join(words)} in: {text.strip()}")
        status = 1

# JSON topic files: every string value, one to a line as the generators write them (the
# names of fields and of controls and files hold no Welsh words).
for path in sorted(glob.glob("content/topics/cy/*.json")):
    for number, line in enumerate(open(path, encoding="utf-8"), 1):
        for m in re.finditer(r'"((?:[^"\\]|\\.)*)"(\s*:)?', line):
            if not m.group(2):
                report(path, number, m.group(1))

texts = sorted(glob.glob("tools/content/texts/cy/pages/key *.txt")) + \
        sorted(glob.glob("tools/content/texts/cy/worksheets/*.txt"))
for path in texts:
    for number, line in enumerate(open(path, encoding="utf-8"), 1):
        if not line.startswith("#"):  # a note on the file's format, in English
            report(path, number, line)

for path in sorted(glob.glob("translations/*_cy.ts")):
    source = open(path, encoding="utf-8").read()
    for context in re.finditer(r"<context>\s*<name>(.*?)</name>(.*?)</context>", source, re.S):
        name = context.group(1)
        if name not in PUPIL and name not in TEACHER:
            print(f"{path}: the context {name} is neither a pupils' nor a teacher's: "
                  "add it to scripts/check-welsh-register.sh", file=sys.stderr)
            status = 1
            continue
        if name in TEACHER:
            continue
        for message in re.finditer(r"<source>(.*?)</source>\s*<translation[^>]*>(.*?)</translation>",
                                   context.group(2), re.S):
            if (name, html.unescape(message.group(1))) in TEACHER_MESSAGES:
                continue
            start = source[:context.start(2) + message.start(2)].count("\n") + 1
            for offset, text in enumerate(html.unescape(message.group(2)).split("\n")):
                report(path, start + offset, text)
sys.exit(status)
PY
