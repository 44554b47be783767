"""Walks the running program through AT-SPI, as a screen reader would.

Checks that the drill sheets are tables whose answer cells carry their
problems, that every button has a name of its own and that the status panels
are named. Prints one line per check and "N passed, M failed" at the end.
"""
import re
import time

import pyatspi

from checks import check, run

TIMEOUT_S = 40


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
    check(table.nRows == 10 and table.nColumns == 10,
          "the addition sheet counts its 10 by 10 answer cells (%d by %d)" % (table.nRows, table.nColumns))
    problem = re.compile(r"^(\d+) たす (\d+)$")
    check(wait_for(lambda: problem.match(table.getAccessibleAt(0, 0).name or "")),
          "after Start the first answer cell carries its problem (%r)" % table.getAccessibleAt(0, 0).name)
    wrong = []
    for row in range(10):
        for col in range(10):
            cell = table.getAccessibleAt(row, col)
            expected = "%s たす %s" % (table.getColumnDescription(col), table.getRowDescription(row))
            if cell.getRole() != pyatspi.ROLE_TABLE_CELL or cell.name != expected:
                wrong.append((col, row, cell.name, expected))
    check(not wrong, "all 100 answer cells are named by their headers" + (": %s" % wrong[:3] if wrong else ""))
    headers = [sheet[0].getChildAtIndex(i) for i in range(100, sheet[0].childCount)]
    roles = {h.getRole() for h in headers}
    check(len(headers) == 21 and roles <= {pyatspi.ROLE_COLUMN_HEADER, pyatspi.ROLE_TABLE_COLUMN_HEADER,
                                            pyatspi.ROLE_ROW_HEADER, pyatspi.ROLE_TABLE_ROW_HEADER},
          "the 21 header cells follow the answers as column and row headers (%d: %s)"
          % (len(headers), sorted(h.getRoleName() for h in headers)[:2]))
    stacks = [n for n in nodes if n.getRole() == pyatspi.ROLE_LAYERED_PANE]
    check(not stacks, "no unnamed layered pane stands between the window and the sheets")


if __name__ == "__main__":
    run(main, "walking the tree")
