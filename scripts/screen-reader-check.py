#!/usr/bin/env python3
"""Drives the program by keys under a real Orca and checks what Orca says at every step.

Run inside a D-Bus session of its own (scripts/screen-reader-check.sh starts one). Starts
Xvfb, openbox, the accessibility bus, Orca with speech and braille off and its debug log on,
and the program; then presses keys with xdotool and waits, at every step, for Orca's log to
show the words a pupil must hear. A topic of the school's own is written into the build's
"ourtopics" folder before the program starts, opened from "Our Topics" and removed at the end. Exit 0: every step heard; 1: a step not heard (the words
heard instead are printed); 77: Orca or the accessibility bus could not start.
Usage: screen-reader-check.py PROGRAM WORKDIR
"""

import json
import os
import re
import shutil
import signal
import subprocess
import sys
import time

SKIP = 77
TIME_LIMIT = 340  # seconds for the whole run
# "12:00:00.000 - SPEECH OUTPUT: 'OK push button.'{'established': False}"
SPEECH = re.compile(r"SPEECH OUTPUT: '(.*)'\s*\{")
KEY_ECHO = re.compile(r"^\S+ $")  # Orca's echo of a key name: "tab ", "return "


def utterances(log_path):
    """What Orca has said so far, in order, without its echo of the keys pressed."""
    try:
        with open(log_path, encoding="utf-8", errors="replace") as log:
            spoken = [m.group(1) for m in map(SPEECH.search, log) if m]
    except FileNotFoundError:
        return []
    return [s for s in spoken if not KEY_ECHO.match(s)]


# Orca writes its debug log through a block buffer, so the last words said may wait in it for
# minutes: the real Orca is run with that one file opened line by line.
LINE_BUFFERED_ORCA = """
import builtins, runpy, sys
log, orca = sys.argv[1], sys.argv[2]
real_open = builtins.open
def line_buffered_log(file, mode="r", *args, **kwargs):
    if file == log and "w" in mode:
        return real_open(file, mode, 1, encoding="utf-8")
    return real_open(file, mode, *args, **kwargs)
builtins.open = line_buffered_log
sys.argv = sys.argv[2:]
runpy.run_path(orca, run_name="__main__")
"""


class NotHeard(Exception):
    pass


class Session:
    def __init__(self, program, workdir):
        self.program = program
        self.workdir = workdir
        self.log = os.path.join(workdir, "orca-debug.log")
        self.processes = []
        self.heard = 0  # utterances already matched by a step
        self.app = None
        self.env = dict(os.environ)

    def spawn(self, args, name, **kwargs):
        out = open(os.path.join(self.workdir, name + ".out"), "w")
        process = subprocess.Popen(args, stdin=subprocess.DEVNULL, stdout=out, stderr=subprocess.STDOUT, env=self.env,
                                   start_new_session=True, **kwargs)
        self.processes.append(process)
        return process

    def stop(self):
        for process in reversed(self.processes):
            if process.poll() is None:
                try:
                    os.killpg(process.pid, signal.SIGTERM)
                except ProcessLookupError:
                    pass
        for process in reversed(self.processes):
            try:
                process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                os.killpg(process.pid, signal.SIGKILL)

    def start(self):
        read_end, write_end = os.pipe()
        self.spawn(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24",
                    "-nolisten", "tcp"], "xvfb", pass_fds=(write_end,))
        os.close(write_end)
        display = b""
        deadline = time.monotonic() + 30
        while not display.endswith(b"\n") and time.monotonic() < deadline:
            chunk = os.read(read_end, 16)
            if not chunk:
                break
            display += chunk
        os.close(read_end)
        if not display.strip():
            raise NotHeard("Xvfb did not start")
        self.env["DISPLAY"] = ":" + display.decode().strip()
        self.spawn(["openbox"], "openbox")
        # The window manager activates the program's windows, and Orca follows only the
        # active window: it must be up before the program.
        deadline = time.monotonic() + 20
        while time.monotonic() < deadline:
            wm = subprocess.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], env=self.env,
                                capture_output=True, text=True, timeout=10)
            if "window id" in wm.stdout:
                break
            time.sleep(0.2)
        else:
            raise NotHeard("the window manager did not start")
        bus = self.spawn(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"], "at-spi")
        time.sleep(1)
        if bus.poll() is not None:
            print("skipped: the accessibility bus did not start (at-spi-bus-launcher ended)")
            sys.exit(SKIP)
        prefs = os.path.join(self.workdir, "orca-prefs")
        os.makedirs(prefs, exist_ok=True)
        orca_script = shutil.which("orca")
        with open(orca_script, encoding="utf-8", errors="replace") as script:
            interpreter = script.readline()[2:].split() or ["python3"]  # its own Python
        orca = self.spawn(interpreter + ["-c", LINE_BUFFERED_ORCA, self.log, orca_script,
                                         "--replace", "--disable", "speech", "--disable", "braille",
                                         "-u", prefs, "--debug-file=" + self.log], "orca")
        if not self.wait_log("Startup complete", 40, orca):
            print("skipped: Orca did not start" + ("" if orca.poll() is None else " (it ended)"))
            sys.exit(SKIP)
        self.env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
        self.env.pop("QT_QPA_PLATFORM", None)
        self.start_program()

    def start_program(self):
        self.app = self.spawn([os.path.abspath(self.program)], "program",
                              cwd=os.path.dirname(os.path.abspath(self.program)))

    def restart_program(self):
        """On a loaded machine the program has once come up before the accessibility bus
        would take it, and Orca heard nothing from it: started once more, as a user would."""
        print("Orca heard nothing from the program; starting it once more")
        if self.app.poll() is None:
            os.killpg(self.app.pid, signal.SIGTERM)
            self.app.wait(timeout=10)
        self.heard = len(utterances(self.log))
        self.start_program()

    def wait_log(self, text, seconds, process):
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline and process.poll() is None:
            try:
                with open(self.log, encoding="utf-8", errors="replace") as log:
                    if text in log.read():
                        return True
            except FileNotFoundError:
                pass
            time.sleep(0.2)
        return False

    def hear(self, step, *patterns, seconds=15, quiet=False):
        """Waits until Orca has said every pattern, in this order, since the last step. The
        utterances are matched as lines: ^ starts one, and a pattern may run across several."""
        deadline = time.monotonic() + seconds
        while True:
            new = utterances(self.log)[self.heard:]
            text = "\n".join(new)
            at = 0
            for pattern in patterns:
                found = re.compile(pattern, re.M).search(text, at)
                if not found:
                    break
                at = found.end()
            else:
                used = text.count("\n", 0, at) + 1
                self.heard += used
                if not quiet:
                    print("ok  %s: %s" % (step, " | ".join(new[:used])))
                return
            if self.app and self.app.poll() is not None:
                raise NotHeard("%s: the program ended" % step)
            if time.monotonic() > deadline:
                raise NotHeard("%s: expected %s\n    heard: %s" % (
                    step, " then ".join(repr(p) for p in patterns),
                    " | ".join(new) if new else "nothing"))
            time.sleep(0.2)

    def settle(self, quiet=0.4):
        """Lets Orca finish what it is saying of the control it is on, and takes it as heard."""
        count = -1
        deadline = time.monotonic() + 5
        while time.monotonic() < deadline:
            time.sleep(quiet)
            now = len(utterances(self.log))
            if now == count:
                break
            count = now
        self.heard = max(self.heard, count)

    def keys(self, *keys):
        for key in keys:
            subprocess.run(["xdotool", "key", "--clearmodifiers", key], env=self.env,
                           timeout=10, check=True)
            time.sleep(0.15)

    def press(self, step, key, *patterns, seconds=15):
        self.keys(key)
        self.hear(step, *patterns, seconds=seconds)

    def tabs_to(self, step, pattern, most=20, key="Tab"):
        """Tab (or the key given) until Orca names the control matching pattern."""
        regex = re.compile(pattern)
        self.settle()
        for _ in range(most):
            self.keys(key)
            start = self.heard
            self.hear(step, ".", quiet=True)
            self.settle(0.25)  # anything more said of the same control
            new = utterances(self.log)[start:self.heard]
            if any(regex.search(line) for line in new):
                print("ok  %s: %s" % (step, " | ".join(new)))
                return new
        raise NotHeard("%s: no control read as %r within %d Tabs" % (step, pattern, most))


# The main menu's columns and rows; Tab goes down each column in turn.
PLACES = ["Llandudno", "Isles of Scilly", "St Lucia"]
TOPICS = ["History", "Physical Geography", "Human Geography", "Economy", "Living by the sea"]


def reading_numbers(boxes, height):
    """Box numbers 1, 2, ... in reading order, as the program counts them: rows top to
    bottom, each left to right; a box less than half a box lower than a row's first is in it."""
    order = sorted(range(len(boxes)), key=lambda j: boxes[j][1])
    row = [0] * len(boxes)
    first = 0
    for k in range(1, len(order)):
        if boxes[order[k]][1] - boxes[order[first]][1] >= height / 2:
            first = k
        row[order[k]] = first
    order.sort(key=lambda j: (row[j], boxes[j][0]))
    numbers = [0] * len(boxes)
    for k, j in enumerate(order):
        numbers[j] = k + 1
    return numbers


def said(text):
    """The start of a text from a worksheet, as a pattern (a stored "&" stands for a comma)."""
    return re.escape(text.replace("&", ",").strip()[:24])


def spoken_item(text):
    """An item's text as its name starts: a closing full stop gives way to the comma."""
    return re.escape(text.rstrip(".,;:"))


def drive(s, topic):
    title = re.escape(topic["title"])
    # Title screen and main menu.
    try:
        s.hear("title screen", r"^Brellinshore\b", r"^OK push button", seconds=30)
    except NotHeard:
        if utterances(s.log)[s.heard:]:
            raise
        s.restart_program()
        s.hear("title screen", r"^Brellinshore\b", r"^OK push button", seconds=30)
    s.press("main menu", "Return", r"^Main menu\b", r"^History push button")

    # A topic page, opened from the menu by keys alone (each place's column in turn).
    # The arrows move as the entries lie: across to the place's column, down to the topic.
    for _ in range(PLACES.index(topic["place"])):
        s.tabs_to("menu, right", r"^History push button", most=1, key="Right")
    for row in range(1, TOPICS.index(topic["topic"]) + 1):
        s.tabs_to("menu, down", r"^%s push button" % re.escape(TOPICS[row]), most=1, key="Down")
    s.press("topic page", "Return", r"^%s\b" % title, r"^Key Facts push button")

    # Key facts: two pages.
    s.press("key facts", "Return", r"^Key facts\b", r"^Page 1 of 2\b", r"^Print push button")
    s.tabs_to("key facts", r"^Next Page push button")
    s.press("key facts, page 2", "Return", r"^Page 2 of 2\b")
    s.press("back to the topic page", "Escape", r"^(%s\b|Key Facts push button)" % title)

    # The quiz: its question and answers; every question answered with its first answer.
    questions = topic["questions"]
    s.tabs_to("topic page", r"^Multiple Choice push button")
    s.press("quiz", "Return", r"^Quiz: %s\b" % re.escape(topic["worksheetTitle"]))
    s.hear("quiz, question 1", r"Question 1\. %s" % said(questions[0][0]))
    for n in range(1, 11):
        # Read as the answer, then its state and role.
        read = s.tabs_to("question %d, its first answer" % n, r"^%s" % said(questions[n - 1][1]))
        if "not selected radio button" not in read:
            raise NotHeard("question %d: the answer was not read as a radio button" % n)
        s.press("question %d, the answer chosen" % n, "space", r"^selected\b")
        if n < 10:
            s.tabs_to("question %d" % n, r"^Next Question >> push button")
            s.press("question %d" % (n + 1), "Return", r"Question %d\. %s" % (n + 1, said(questions[n][0])))
    score = sum(1 for q in questions if q[5].strip() == "1")
    s.tabs_to("question 10", r"^Check Score >> push button")
    s.press("quiz results", "Return", r"^Results\b", r"You have scored %d out of 10\." % score)
    s.tabs_to("results", r"^Check Wrong Answers push button")
    s.press("wrong answers", "Return",
            r"^Wrong answers\b", r"You answered the following questions incorrectly\.")
    # Orca speaks the window the focus comes back to, or, when the window's activation reaches
    # it after the focus, only the button that opened the screen just closed.
    s.press("back to the topic page", "Escape", r"^(%s\b|Multiple Choice push button)" % title)

    # The labelling activity, every item picked up and placed in its own box by keys.
    activity = next(a for a in topic["activities"] if a["form"] == topic["labelling"])
    items = activity["items"]
    count = len(items)
    numbers = reading_numbers([item["target"] for item in items], activity["itemSize"][1])
    s.tabs_to("topic page", r"^Labelling Activity push button")
    s.press("labelling activity", "Return", r"^%s \u2014 labelling activity\b" % title)
    for i, item in enumerate(items):
        name = spoken_item(item["text"])
        s.tabs_to("item %d" % (i + 1), r"^%s, not placed push button" % name)
        s.press("item %d picked up" % (i + 1), "space", r"^%s, picked up\b" % name)
        box = r"^Box %d of %d push button" % (numbers[i], count)
        s.tabs_to("item %d to its box" % (i + 1), box, most=2 * count)
        # Said as it happens, and again as the focus comes back to the item.
        s.press("item %d placed" % (i + 1), "space",
                r"^%s, placed in box %d of %d\.?$" % (name, numbers[i], count))
    s.tabs_to("every item placed", r"^Check Score push button")
    s.press("activity results", "Return",
            r"^Results\b", r"You have scored %d out of %d\." % (count, count),
            r"^Your name\b.*\btext\b")
    s.press("back to the activity", "Escape", r"\u2014 labelling activity\b")
    s.press("back to the topic page", "Escape", r"^(%s\b|Labelling Activity push button)" % title)
    s.press("back to the menu", "Escape", r"^(Main menu\b|Physical Geography push button)")

    # The teachers' screens.
    s.tabs_to("menu", r"^Multiple Choice Wizard push button", most=25)
    s.press("wizard", "Return", r"^Multiple choice wizard\b", r"^Worksheet Title\b")
    s.tabs_to("wizard, backwards", r"^Save Worksheet push button", most=4, key="shift+Tab")
    s.press("a message box", "Return", r"You have not chosen a title for your worksheet",
            r"^OK push button")
    s.press("the message closed", "Return", r"^Multiple choice wizard\b")
    s.press("back to the menu", "Escape", r"^(Main menu\b|Multiple Choice Wizard push button)")
    s.tabs_to("menu", r"^Worksheet Catalogue push button", most=25)
    s.press("catalogue", "Return", r"^Worksheet catalogue\b", r"^Edit Worksheet check box")
    s.press("back to the menu", "Escape", r"^Main menu\b")  # a new menu: the catalogue unloaded it

    # The school's own topics: the list, a topic of its own and its labelling activity, one
    # label placed by keys.
    own = own_topic(s.own_title)
    own_title = re.escape(own["title"])
    labels = own["labelling"]["labels"]
    # Up from History: the Teachers' Guide, then "Our Topics" above it.
    s.tabs_to("menu, up", r"^(Teachers' Guide|Our Topics) push button", most=1, key="Up")
    s.tabs_to("menu, up", r"^Our Topics push button", most=1, key="Up")
    s.press("our topics", "Return", r"^Our Topics\b")
    s.tabs_to("our topics", r"^%s push button" % own_title, most=6)
    s.press("own topic page", "Return", r"^%s\b" % own_title)
    s.tabs_to("own topic page", r"^Labelling Activity push button")
    s.press("own labelling activity", "Return", r"^%s \u2014 labelling activity\b" % own_title)
    numbers = reading_numbers([label["at"] for label in labels], OWN_LABEL_HEIGHT)
    name = spoken_item(labels[0]["text"])
    s.tabs_to("own item 1", r"^%s, not placed push button" % name)
    s.press("own item 1 picked up", "space", r"^%s, picked up\b" % name)
    s.tabs_to("own item 1 to its box", r"^Box %d of %d push button" % (numbers[0], len(labels)),
              most=2 * len(labels) + 2)
    s.press("own item 1 placed", "space",
            r"^%s, placed in box %d of %d\.?$" % (name, numbers[0], len(labels)))
    s.press("back to the own topic page", "Escape", r"^(%s\b|Labelling Activity push button)" % own_title)
    s.press("back to our topics", "Escape", r"^Our Topics\b")
    s.press("back to the menu", "Escape", r"^Main menu\b")

    # Leaving: the menu's Exit, then the title screen's.
    s.tabs_to("menu", r"^Exit push button", most=25)
    s.press("leaving", "Return", r"^Brellinshore\b", r"^Cancel push button")
    s.tabs_to("title screen", r"^Exit push button")
    s.keys("Return")
    deadline = time.monotonic() + 10
    while s.app.poll() is None:
        if time.monotonic() > deadline:
            raise NotHeard("the title screen's Exit did not end the program")
        time.sleep(0.2)
    print("ok  the program ended")
    form_names = re.compile(r"^(Titlefrm|Grey|intro0|multiple|Welldone|Wrong|wizard|worksheets|"
                            r"teacher|guide|groupingord|[a-z]+\d+(lab|ord)?)\.?$")
    internal = sorted({line for line in utterances(s.log) if form_names.match(line)})
    if internal:
        raise NotHeard("windows announced by their form names: " + ", ".join(internal))
    print("ok  no window announced by its form name")


# A topic of the school's own, written into the build's "ourtopics" folder before the program
# starts and removed at the end: its panorama, a labelling picture and two labels.
OWN_LABEL_HEIGHT = 375  # twips; the boxes are 2400 x 375


def own_topic(title):
    return {"format": 1, "title": title, "language": "en", "panorama": title + " - panorama.jpg",
            "labelling": {"picture": title + " - picture.jpg",
                          "instruction": "Drag each label to its place on the picture.",
                          "labels": [{"text": "Harbour", "at": [0, 0]},
                                     {"text": "Church", "at": [4800, 3000]}]}}


def own_topic_files(program, title):
    folder = os.path.join(os.path.dirname(os.path.abspath(program)), "ourtopics")
    topic = own_topic(title)
    return folder, topic, [os.path.join(folder, name) for name in
                           (title + ".json", topic["panorama"], topic["labelling"]["picture"])]


def write_own_topic(program, title):
    folder, topic, (json_path, panorama, picture) = own_topic_files(program, title)
    if not os.path.isdir(folder):
        raise NotHeard("there is no folder %s for the school's own topics" % folder)
    for path, size in ((panorama, "3000x340"), (picture, "480x400")):
        try:
            from PIL import Image  # python3-pil, where this Python has it
            width, height = map(int, size.split("x"))
            Image.radial_gradient("L").resize((width, height)).convert("RGB").save(path, "JPEG")
        except ImportError:
            subprocess.run(["convert", "-size", size, "gradient:navy-gold", path], check=True, timeout=60)
    with open(json_path + ".part", "w", encoding="utf-8") as f:
        json.dump(topic, f, ensure_ascii=False, indent=2)
    os.replace(json_path + ".part", json_path)


def remove_own_topic(program, title):
    for path in own_topic_files(program, title)[2]:
        for name in (path, path + ".part"):
            try:
                os.remove(name)
            except FileNotFoundError:
                pass


def load_topic(program, form):
    folder = os.path.dirname(os.path.abspath(program))
    with open(os.path.join(folder, "topics", form + ".json"), encoding="utf-8") as f:
        topic = json.load(f)
    # The quiz heading: the worksheet's file name without ".txt".
    topic["worksheetTitle"] = os.path.splitext(os.path.basename(topic["worksheet"]))[0]
    # Question n: its text, the four answers and the right one's number, on lines 7n - 4 to
    # 7n + 1 of the worksheet.
    with open(os.path.join(folder, topic["worksheet"]), encoding="cp1252") as f:
        lines = f.read().splitlines()
    topic["questions"] = [lines[7 * n + 2:7 * n + 8] for n in range(10)]
    return topic


def main():
    program, workdir = sys.argv[1], sys.argv[2]
    os.makedirs(workdir, exist_ok=True)
    open(os.path.join(workdir, "started"), "w").close()
    session = Session(program, workdir)

    def out_of_time(signum, frame):
        raise NotHeard("the check did not finish within %d seconds" % TIME_LIMIT)

    # Well inside the shell's own limit, so that everything started here is ended here.
    signal.signal(signal.SIGALRM, out_of_time)
    signal.alarm(TIME_LIMIT)
    session.own_title = "Screen reader check %d" % os.getpid()
    try:
        topic = load_topic(program, "stlucia2")
        write_own_topic(program, session.own_title)
        session.start()
        drive(session, topic)
    except NotHeard as fault:
        print("FAILED " + str(fault))
        return 1
    finally:
        signal.alarm(0)
        session.stop()
        remove_own_topic(program, session.own_title)
    print("every step heard")
    return 0


if __name__ == "__main__":
    sys.exit(main())
