"""Plays a child at the keyboard while Orca listens, and reads what Orca said
from its debug log: entering the addition sheet, typing and erasing digits,
the next problem after Enter, a new row, and the message after Stop. Each step
must say the focused cell's problem (read through AT-SPI) and nothing of the
other cells, in the program's language and that language's voice (Japanese,
or the catalogue given as the third argument); the program must log no
accessibility warning. Prints one line per check and "N passed, M failed" at
the end.
"""
import os
import re
import subprocess
import sys
import time
import xml.etree.ElementTree as ElementTree

import pyatspi

from checks import check, run

log_path, program_out = sys.argv[1], sys.argv[2]
catalogue = sys.argv[3] if len(sys.argv) > 3 else None


def translated(context, source):
    """The text as the program shows it: its catalogue's translation, or the Japanese."""
    if not catalogue:
        return source
    for ctx in ElementTree.parse(catalogue).getroot().iter("context"):
        if ctx.findtext("name") != context:
            continue
        for message in ctx.iter("message"):
            if message.findtext("source") == source:
                return message.findtext("translation") or source
    return source


# The voice's language as Orca names it to speech-dispatcher.
LANGUAGE = os.environ.get("VANTEL_ORCA_VOICE", "ja")
PROBLEM = re.compile("^" + re.escape(translated("ReadAloud", "%1 たす %2"))
                     .replace("%1", r"\d+").replace("%2", r"\d+") + "$")
POSITION = re.compile(r"^(row|column) \d+\.?$")
START = translated("TForm1", "スタート")
ADDITION = translated("TForm1", "たしざん")
INCOMPLETE = translated("Judge", "未入力項目があります\nすへての升を埋めてから\nストップを押してください。")


def read_log():
    with open(log_path, encoding="utf-8", errors="replace") as log:
        return log.read()


class Step:
    """What Orca said from one keystroke on, once it has been quiet a while."""

    def __init__(self, *keys, settle=1.5, at_most=12):
        start = len(read_log())
        for key in keys:
            subprocess.run(["xdotool", "key", "--clearmodifiers", key], check=False)
            time.sleep(0.3)
        deadline = time.time() + at_most
        said, quiet_since = "", time.time()
        while time.time() < deadline:
            time.sleep(0.2)
            now = read_log()[start:]
            if now.count("SPEECH OUTPUT") != said.count("SPEECH OUTPUT"):
                quiet_since = time.time()
            said = now
            if time.time() - quiet_since > settle and "SPEECH OUTPUT" in said:
                break
        self.log = said
        # Orca's own key echo ends in a space ("return "); what it reads of
        # the program does not.
        # A text of several lines is logged with its lines indented.
        self.utterances = [re.sub(r"\n\s+", "\n", u)
                           for u in re.findall(r"SPEECH OUTPUT: '(.*?)'(?: voice=\w+)? ?\{", said, re.S)
                           if not u.endswith(" ")]
        self.languages = set(re.findall(r"\n\s+ORCA rate [^\n]*, language (\S*), punctuation", said))

    def phrases(self):
        return [u.strip().rstrip(".") for u in self.utterances]


def wait_for(condition, seconds=20):
    deadline = time.time() + seconds
    while time.time() < deadline:
        value = condition()
        if value:
            return value
        time.sleep(0.2)
    return None


def find_sheet():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is None or app.name.lower() != "vantel":
            continue
        found = pyatspi.findDescendant(app, lambda n: n.getRole() == pyatspi.ROLE_TABLE and n.name == ADDITION)
        if found:
            return found
    return None


def problem(sheet, row, col):
    return sheet.queryTable().getAccessibleAt(row, col).name


def language_of(node):
    try:
        attributes, _, _ = node.queryText().getAttributeRun(0)
    except Exception:
        return None
    values = dict(a.split(":", 1) for a in attributes if ":" in a)
    return values.get("language")


def only_the_problem(step, expected, context=()):
    """The focused problem, after the given context at most, then at most its place."""
    phrases = step.phrases()
    problems = [p for p in phrases if PROBLEM.match(p)]
    if expected not in phrases:
        return False
    after = phrases[phrases.index(expected) + 1:]
    before = phrases[:phrases.index(expected)]
    return problems == [expected] and all(POSITION.match(p) for p in after) and before == list(context)


def main():
    window = wait_for(lambda: subprocess.run(["xdotool", "search", "--name", "^Vantel$"],
                                             capture_output=True, text=True).stdout.split())
    if not check(window, "the main window comes up"):
        return
    subprocess.run(["xdotool", "windowfocus", "--sync", window[0]], check=False)
    if not check(wait_for(lambda: "SPEECH OUTPUT: '" + START in read_log()), "Orca reads the focused " + START):
        return
    sheet = wait_for(find_sheet)
    if not check(sheet is not None, "the addition sheet is on the accessibility bus"):
        return

    entering = Step("Return")
    first = problem(sheet, 0, 0)
    check(PROBLEM.match(first or ""), "after Start the first answer cell is named by its problem (%r)" % first)
    check(only_the_problem(entering, first, (ADDITION, "table with 10 rows 10 columns")),
          "entering the sheet: the sheet, its 10 by 10 answers, then the focused problem alone: %s"
          % entering.phrases())
    check((language_of(sheet.queryTable().getAccessibleAt(0, 0)) or "").split("-")[0] == LANGUAGE,
          "the answer cell's text is in the program's language (language attribute %r)"
          % language_of(sheet.queryTable().getAccessibleAt(0, 0)))

    typed = Step("1", "5")
    check(typed.utterances == ["1", "5"], "typing 15 is heard digit by digit from the cell: %s" % typed.utterances)
    erased = Step("BackSpace")
    check(erased.utterances == ["5"], "BackSpace is heard as the digit it erased: %s" % erased.utterances)
    check(sheet.queryTable().getAccessibleAt(0, 0).queryText().getText(0, -1) == "1",
          "the focused cell holds what was typed")

    second = problem(sheet, 0, 1)
    entered = Step("Return")
    check(only_the_problem(entered, second), "Enter: the next problem alone: %s" % entered.phrases())
    for digits in ("3", "4", "5", "6"):
        Step(digits, "Return", settle=0.8)
    for _ in range(4):
        Step("Return", settle=0.8)
    check(problem(sheet, 0, 9) and sheet.queryTable().getAccessibleAt(0, 9).getState().contains(pyatspi.STATE_FOCUSED),
          "Enter walked to the last cell of the first row")
    new_row = Step("Return")
    check(only_the_problem(new_row, problem(sheet, 1, 0)),
          "a new row: its first problem alone, not the row: %s" % new_row.phrases())

    stopped = Step("F2")
    check(INCOMPLETE in stopped.utterances, "Stop: the message is read: %s" % stopped.phrases())
    Step("Return")

    steps = (entering, typed, erased, entered, new_row, stopped)
    languages = set().union(*(s.languages for s in steps))
    check(languages == {LANGUAGE}, "Orca asks speech-dispatcher for %s (%s)" % (LANGUAGE, sorted(languages)))
    with open(program_out, encoding="utf-8", errors="replace") as out:
        warnings = [line for line in out if "accessib" in line.lower()]
    check(not warnings, "no accessibility warning from the program: %s" % warnings[:3])


if __name__ == "__main__":
    run(main, "listening")
