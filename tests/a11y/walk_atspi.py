"""Walks the running program through AT-SPI, as a screen reader would.

Checks that the drill sheets are tables whose answer cells carry their
problems, that every button has a name of its own and that the status panels
are named. Prints one line per check and "N passed, M failed" at the end.
"""
import re
import sys
import time

import pyatspi

TIMEOUT_S = 40
results = []


def check(ok, what):
    results.append(bool(ok))
    print(("PASS: " if ok else "FAIL: ") + what, flush=True)
    return ok


def find_app():
    deadline = time.time() + TIMEOUT_S
    while time.time() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name.lower() == "vantel":
                for j in range(app.childCount):
                    frame = app.getChildAtIndex(j)
                    if frame is not None and frame.getRole() == pyatspi.ROLE_FRAME:
                        return frame
        time.sleep(0.25)
    return None


def walk(node, found, depth=0):
    """Collects every object but the cells of tables (checked through the table)."""
    if node is None or depth > 30:
        return
    found.append(node)
    if node.getRole() == pyatspi.ROLE_TABLE:
        return
    for i in range(node.childCount):
        walk(node.getChildAtIndex(i), found, depth + 1)


def named(nodes, role, name):
    return [n for n in nodes if n.getRole() == role and n.name == name]


def wait_for(condition, seconds=10):
    deadline = time.time() + seconds
    while time.time() < deadline:
        if condition():
            return True
        time.sleep(0.1)
    return False


def main():
    frame = find_app()
    if not check(frame is not None, "the program appears on the accessibility bus"):
        return
    nodes = []
    walk(frame, nodes)

    tables = [n for n in nodes if n.getRole() == pyatspi.ROLE_TABLE]
    check(len(tables) >= 5, "the four drill sheets and the name panel are tables (%d found)" % len(tables))

    buttons = [n for n in nodes if n.getRole() == pyatspi.ROLE_PUSH_BUTTON]
    unnamed = [b for b in buttons if not b.name.strip()]
    check(not unnamed, "every button has a name (%d buttons, %d unnamed)" % (len(buttons), len(unnamed)))
    names = [b.name for b in buttons]
    twice = sorted({n for n in names if names.count(n) > 1})
    check(not twice, "every button has a name of its own" + (": repeated %s" % twice if twice else ""))

    for slot in range(1, 6):
        check(named(nodes, pyatspi.ROLE_PUSH_BUTTON, "テスト (%d)" % slot),
              "the speaker button of sound %d is heard as テスト (%d)" % (slot, slot))

    panels = [bar.getChildAtIndex(i).name for bar in nodes if bar.getRole() == pyatspi.ROLE_STATUS_BAR
              for i in range(bar.childCount)]
    for drill in ("たしざん", "ひきざん", "かけざん", "九九"):
        check(any(drill in p and "今回のタイム" in p for p in panels)
              and any(drill in p and "ベストタイム" in p for p in panels),
              "the status bar names the times of %s" % drill)

    start = named(nodes, pyatspi.ROLE_PUSH_BUTTON, "スタート")
    sheet = named(nodes, pyatspi.ROLE_TABLE, "たしざん")
    if not check(start and sheet, "the Start button and the addition sheet are found by name"):
        return
    start[0].queryAction().doAction(0)
    table = sheet[0].queryTable()
    check(table.nRows == 11 and table.nColumns == 11, "the addition sheet is 11 by 11")
    problem = re.compile(r"^(\d+) たす (\d+)$")
    check(wait_for(lambda: problem.match(table.getAccessibleAt(1, 1).name or "")),
          "after Start the first answer cell carries its problem (%r)" % table.getAccessibleAt(1, 1).name)
    wrong = []
    for row in range(1, 11):
        left = table.getAccessibleAt(row, 0)
        for col in range(1, 11):
            top = table.getAccessibleAt(0, col)
            cell = table.getAccessibleAt(row, col)
            expected = "%s たす %s" % (top.name, left.name)
            if cell.getRole() != pyatspi.ROLE_TABLE_CELL or cell.name != expected:
                wrong.append((col, row, cell.name, expected))
    check(not wrong, "all 100 answer cells are named by their headers" + (": %s" % wrong[:3] if wrong else ""))
    top, left = table.getAccessibleAt(0, 3), table.getAccessibleAt(3, 0)
    check(top.getRole() in (pyatspi.ROLE_COLUMN_HEADER, pyatspi.ROLE_TABLE_COLUMN_HEADER)
          and left.getRole() in (pyatspi.ROLE_ROW_HEADER, pyatspi.ROLE_TABLE_ROW_HEADER),
          "header cells are column and row headers (%s, %s)" % (top.getRoleName(), left.getRoleName()))


if __name__ == "__main__":
    try:
        main()
    except Exception as error:  # a broken bus is a failure, not a crash of the test
        check(False, "walking the tree: %r" % error)
    failed = results.count(False)
    print("%d passed, %d failed" % (results.count(True), failed))
    sys.exit(1 if failed or not results else 0)
