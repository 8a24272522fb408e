#!/usr/bin/env python3
"""Reads the running program through the AT-SPI bus as a screen reader
does: the window, the buttons by their names, the grid as a table of cells
told in words, and what each mode leaves out. Presses buttons through their
actions only. Run inside a session bus with the program's X display set.
Usage: screen_reader.py GRIDLY PUZZLE.gly PUZZLE.ipuz"""
import json
import os
import signal
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

STEP = 10  # seconds any one thing may take


def fail(message):
    raise AssertionError(message)


def pump():
    """Hands the events that arrived to their listeners."""
    context = GLib.MainContext.default()
    while context.pending():
        context.iteration(False)


def wait_for(what, probe, timeout=STEP):
    """The first true value of probe(), polled until timeout."""
    end = time.monotonic() + timeout
    while True:
        pump()
        value = probe()
        if value:
            return value
        if time.monotonic() > end:
            fail(f"timed out waiting for {what}")
        time.sleep(0.05)


def states(node):
    return node.getState()


def showing(node):
    return states(node).contains(pyatspi.STATE_SHOWING)


def actions(node):
    """The names of the actions a node offers, [] for none."""
    try:
        action = node.queryAction()
    except NotImplementedError:
        return []
    return [action.getName(i) for i in range(action.nActions)]


def press(node, name):
    action = node.queryAction()
    for i in range(action.nActions):
        if action.getName(i) == name:
            action.doAction(i)
            return
    fail(f"'{node.name}' has no action {name}: {actions(node)}")


def find(root, name, role=None):
    """Every node named `name` (of `role`) below root; the grid's cells and the menus are not searched."""
    found = []
    stack = [root]
    while stack:
        node = stack.pop()
        if node is None:
            continue
        if node.name == name and (role is None or node.getRole() == role):
            found.append(node)
        if node.getRole() not in (pyatspi.ROLE_TABLE, pyatspi.ROLE_MENU_BAR):
            stack.extend(node.getChildAtIndex(i) for i in range(node.childCount))
    return found


def one(root, name, role=None):
    found = find(root, name, role)
    if len(found) != 1:
        fail(f"{len(found)} nodes named '{name}'")
    return found[0]


def cell_names(grid):
    """The names of the grid's cells, row by row, through the table interface."""
    table = grid.queryTable()
    return [[table.getAccessibleAt(r, c).name for c in range(table.nColumns)] for r in range(table.nRows)]


def check_cells(grid, solution, letters):
    """Every cell agrees with the exported puzzle: a block, or a word's cell
    ending in the letter shown ("empty" when letters is false)."""
    names = cell_names(grid)
    if [len(names), len(names[0])] != [len(solution), len(solution[0])]:
        fail(f"table of {len(names)} x {len(names[0])}, grid of {len(solution)} x {len(solution[0])}")
    for r, row in enumerate(solution):
        for c, letter in enumerate(row):
            name = names[r][c]
            expected = "block" if letter == "#" else ": " + (letter if letters else "empty")
            if not name.endswith(expected) or (letter != "#" and " of " not in name):
                fail(f"cell row {r + 1} column {c + 1} is '{name}', expected ...'{expected}'")
    return names


def unreachable(window, names, mode):
    """Each named control is there, but neither shown nor pressable."""
    for name in names:
        for node in find(window, name):
            if showing(node) or actions(node) or states(node).contains(pyatspi.STATE_SENSITIVE):
                fail(f"'{name}' is reachable in {mode} mode: actions {actions(node)}")


def main(gridly, puzzle, ipuz):
    pyatspi.setTimeout(STEP * 1000, STEP * 1000)
    with open(ipuz, encoding="utf-8") as exported:
        solution = json.load(exported)["solution"]
    program = subprocess.Popen([gridly, puzzle])
    try:
        desktop = pyatspi.Registry.getDesktop(0)

        def application():
            for i in range(desktop.childCount):
                app = desktop.getChildAtIndex(i)
                if app is not None and app.name == "gridly" and app.childCount > 0:
                    return app
            return None

        def names():
            return [desktop.getChildAtIndex(i).name for i in range(desktop.childCount)]

        try:
            app = wait_for("the program on the bus", application, 3 * STEP)
        except AssertionError:
            fail(f"the program is not on the bus (running: {program.poll() is None}, there: {names()})")
        window = app.getChildAtIndex(0)
        caption = "Gridly v1.00     > " + os.path.basename(puzzle)
        if window.getRole() != pyatspi.ROLE_FRAME or window.name != caption:
            fail(f"the window is a {window.getRoleName()} named '{window.name}'")

        # Design mode: the grid is a table of the grid's cells with the solution's letters.
        grid = one(window, "Crossword Grid", pyatspi.ROLE_TABLE)
        names = check_cells(grid, solution, letters=True)
        if "1 Across, letter 1 of 3; 1 Down, letter 1 of 3: C" not in sum(names, []):
            fail("no cell names both words through it")
        for name in ("Word", "Clue", "Grid columns", "Grid rows", "Word list", "Scroll word list"):
            if not showing(one(window, name)):
                fail(f"'{name}' is not shown in design mode")
        unreachable(window, ["Get Word", "Clear All Words", "Design", "Across clues", "Down clues"], "design")

        # Buttons pressed through their actions do what a click does.
        press(one(window, "Grid Words on/off"), "Toggle")
        wait_for("the letters to go", lambda: all(
            n == "block" or n.endswith(": empty") for n in sum(cell_names(grid), [])))
        black = one(window, "Black", pyatspi.ROLE_PUSH_BUTTON)
        press(black, "Press")
        wait_for("Black to be chosen", lambda: black.description == "Chosen grid colour")
        if one(window, "Grey", pyatspi.ROLE_PUSH_BUTTON).description:
            fail("Grey is still described as chosen")

        # Play mode: the design controls go, the player's letters (none yet) show, never the solution.
        press(one(window, "Do Cross Word"), "Press")
        wait_for("play mode", lambda: showing(one(window, "Get Word")))
        unreachable(window, ["Do Cross Word", "Generate (Auto Size)", "Black", "Word", "Clue", "Grid columns",
                             "Add A Word"], "play")
        for name in ("Design", "Clear All Words", "Across clues", "Down clues"):
            if not showing(one(window, name)):
                fail(f"'{name}' is not shown in play mode")
        check_cells(grid, solution, letters=False)
        if not find(window, " 0 out of  2 words are Correct!", pyatspi.ROLE_LABEL):
            fail("no score line")

        # With the keyboard in the window, the cursor's cell is heard as the focus as it moves, a letter typed as
        # the cell's new name, a new score as the score line's.
        heard = []

        def listen(event):
            if event.type.startswith("object:property-change") or event.detail1 == 1:
                heard.append(event.source.name)

        pyatspi.Registry.registerEventListener(listen, "object:state-changed:focused",
                                               "object:property-change:accessible-name")
        subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", "^Gridly", "windowfocus", "--sync"],
                       check=True, timeout=STEP, stdout=subprocess.DEVNULL)
        wait_for("the window to be active", lambda: states(window).contains(pyatspi.STATE_ACTIVE))
        across = one(window, "Across clues", pyatspi.ROLE_LIST)
        clue = [across.getChildAtIndex(i) for i in range(across.childCount)][1]
        if not clue.name.startswith("01- A pet"):
            fail(f"the first Across clue is '{clue.name}'")
        press(clue, "Toggle")
        first = "1 Across, letter 1 of 3; 1 Down, letter 1 of 3: "
        wait_for(f"the focus on the first cell, hearing {heard}", lambda: first + "empty" in heard)
        subprocess.run(["xdotool", "type", "--delay", "50", "cat"], check=True, timeout=STEP)
        # A name is read when it is heard, so a cell passed over may already show its letter.
        for told in (first + "C", "1 Across, letter 2 of 3: ", "1 Across, letter 3 of 3: ", " 1 out of  2 words are Correct!"):
            wait_for(f"'{told}', hearing {heard}", lambda: any(name.startswith(told) for name in heard))

        # What the indicator's yellow shows, the right word's clue and cells say.
        press(one(window, "Valid Word Indicator on/off"), "Toggle")
        wait_for("the right word's clue to say so", lambda: across.getChildAtIndex(1).description == "right")
        if not any(name.startswith("1 Across, letter 2 of 3, right: A") for name in sum(cell_names(grid), [])):
            fail("no cell of the right word says so")

        return 0
    finally:
        if program.poll() is None:
            program.send_signal(signal.SIGTERM)
            try:
                program.wait(timeout=5)
            except subprocess.TimeoutExpired:
                program.kill()
                program.wait()


if __name__ == "__main__":
    try:
        sys.exit(main(*sys.argv[1:]))
    except AssertionError as error:
        print(f"FAIL: {error}", file=sys.stderr)
        sys.exit(1)
