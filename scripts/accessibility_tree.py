#!/usr/bin/python3
"""Prints what a screen reader sees of the program's windows: for every
object of the main window and of each dialog its role, name and value (and
whether it takes the focus), read over AT-SPI with pyatspi, the way Orca
reads them. The windows come from zrx_accessibility_driver, which shows them
one after another and waits on its standard input while each is read.

With --check it fails (exit 1) on any focusable object without a name, on
any cell of the channel table whose name lacks its channel and its column,
and on an in-place editor that does not carry its cell's name.

Run by scripts/accessibility-tree.sh, inside a session bus with the
accessibility bus started and an X screen; Debian's python3 has pyatspi."""
import argparse
import os
import select
import subprocess
import sys
import time

import pyatspi

STATES = (
    (pyatspi.STATE_FOCUSABLE, 'focusable'),
    (pyatspi.STATE_FOCUSED, 'focused'),
    (pyatspi.STATE_CHECKED, 'checked'),
    (pyatspi.STATE_SELECTED, 'selected'),
)
MAX_DEPTH = 12
HEADERS = (pyatspi.ROLE_COLUMN_HEADER, pyatspi.ROLE_TABLE_COLUMN_HEADER)


class Deadline:
    def __init__(self, seconds):
        self.end = time.monotonic() + seconds

    def left(self):
        return max(0.0, self.end - time.monotonic())

    def check(self, what):
        if self.left() == 0:
            raise TimeoutError('deadline passed while ' + what)


def read_line(process, deadline):
    """The driver's next line, or None when it ended or the deadline passed."""
    while True:
        ready, _, _ = select.select([process.stdout], [], [], deadline.left())
        if not ready:
            return None
        line = process.stdout.readline()
        if not line:
            return None
        line = line.rstrip('\n')
        if line.startswith(('READY ', 'DONE')):
            return line


def application(pid, deadline):
    while True:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            try:
                if app is not None and app.get_process_id() == pid:
                    return app
            except Exception:  # an application going away while it is asked
                continue
        deadline.check('waiting for the program on the accessibility bus')
        time.sleep(0.1)


def top_window(app, title, deadline):
    """The program's showing top-level window with `title`."""
    while True:
        for window in app:
            if window is None:
                continue
            try:
                if window.name == title and window.getState().contains(pyatspi.STATE_SHOWING):
                    return window
            except Exception:
                continue
        deadline.check('waiting for the window "%s"' % title)
        time.sleep(0.1)


def value_of(obj):
    try:
        value = obj.queryValue()
        return '%g of %g' % (value.currentValue, value.maximumValue)
    except NotImplementedError:
        pass
    if obj.getRole() in (pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY, pyatspi.ROLE_PASSWORD_TEXT):
        try:
            text = obj.queryText()
            return text.getText(0, text.characterCount)
        except NotImplementedError:
            pass
    return None


def labelled_by(obj):
    for relation in obj.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            return [relation.getTarget(i).name for i in range(relation.getNTargets())]
    return []


class Node:
    def __init__(self, obj, depth):
        self.role = obj.getRoleName()
        self.role_id = obj.getRole()
        self.name = obj.name or ''
        self.value = value_of(obj)
        state = obj.getState()
        self.showing = state.contains(pyatspi.STATE_SHOWING)
        self.states = [word for flag, word in STATES if state.contains(flag)]
        self.labels = labelled_by(obj)
        self.depth = depth
        self.children = []

    def line(self):
        text = '%s%s "%s"' % ('  ' * self.depth, self.role, self.name)
        if self.value not in (None, ''):
            text += ' = "%s"' % self.value
        if self.labels:
            text += ' (labelled by "%s")' % '", "'.join(self.labels)
        if self.states:
            text += ' [%s]' % ', '.join(self.states)
        if not self.showing:
            text += ' (hidden)'
        return text


def walk(obj, depth, deadline):
    deadline.check('reading the tree')
    node = Node(obj, depth)
    if depth < MAX_DEPTH:
        for child in obj:
            if child is not None:
                node.children.append(walk(child, depth + 1, deadline))
    return node


def nodes(node):
    yield node
    for child in node.children:
        yield from nodes(child)


def check_names(what, tree):
    """A focusable object needs a name; a list also its label, since Qt
    names a list on Linux by its entry and gives the label as a relation."""
    problems = []
    for n in nodes(tree):
        if 'focusable' not in n.states or not n.showing:
            continue
        if not n.name.strip():
            problems.append('%s: %s %s has no name' % (what, n.role, n.states))
        elif n.role_id == pyatspi.ROLE_COMBO_BOX and not n.labels:
            problems.append('%s: list "%s" has no label' % (what, n.name))
    return problems


def grid_headings(tree):
    """The channel table's row and column headings, by position, from the
    table's children: every cell, headings included, row by row."""
    for node in nodes(tree):
        if node.role_id != pyatspi.ROLE_TABLE:
            continue
        cells = node.children
        cols = 0
        while cols < len(cells) and cells[cols].role_id in HEADERS:
            cols += 1
        if cols:
            return cells, cols
    return None, 0


def check_cells(what, tree):
    cells, cols = grid_headings(tree)
    if cells is None:
        return ['%s: no table with column headers' % what]
    problems = []
    for i, cell in enumerate(cells):
        row, col = divmod(i, cols)
        if row == 0 or col == 0:
            continue
        channel, column = cells[row * cols].name, cells[col].name
        if cell.role_id != pyatspi.ROLE_TABLE_CELL:
            problems.append('%s: cell %d,%d is a %s' % (what, row, col, cell.role))
        elif not channel or not column or channel not in cell.name or column not in cell.name:
            problems.append('%s: cell "%s" does not name "%s" and "%s"' %
                            (what, cell.name, channel, column))
    return problems


def check_editor(what, tree, headings):
    cells, cols = headings
    focused = [n for n in nodes(tree) if 'focused' in n.states and n.role_id != pyatspi.ROLE_FRAME]
    if cells is None or not focused:
        return ['%s: no focused editor' % what]
    channel, column = cells[3 * cols].name, cells[1].name
    name = focused[-1].name
    if channel not in name or column not in name:
        return ['%s: the editor is named "%s", not after "%s" and "%s"' %
                (what, name, channel, column)]
    return []


def main():
    parser = argparse.ArgumentParser(description=__doc__.split('\n\n')[0])
    parser.add_argument('--driver', required=True)
    parser.add_argument('--lang', default='Eng', choices=('Eng', 'Chs', 'Cht'))
    parser.add_argument('--only', help='print only this window (main, editor, option, ...)')
    parser.add_argument('--check', action='store_true')
    parser.add_argument('--timeout', type=float, default=240)
    args = parser.parse_args()
    deadline = Deadline(args.timeout)

    driver = subprocess.Popen([args.driver, args.lang], stdin=subprocess.PIPE,
                              stdout=subprocess.PIPE, text=True, encoding='utf-8')
    problems = []
    headings = (None, 0)
    try:
        app = None
        while True:
            line = read_line(driver, deadline)
            if line is None:
                problems.append('the driver stopped or fell silent before it was done')
                break
            if line == 'DONE':
                break
            what, title = line[len('READY '):].split('\t', 1)
            app = app or application(driver.pid, deadline)
            tree = walk(top_window(app, title, deadline), 0, deadline)
            if args.only in (None, what):
                print('== %s (%s)' % (what, args.lang))
                for node in nodes(tree):
                    print(node.line())
                sys.stdout.flush()
            if args.check:
                problems += check_names(what, tree)
                if what == 'main':
                    problems += check_cells(what, tree)
                    headings = grid_headings(tree)
                elif what == 'editor':
                    problems += check_editor(what, tree, headings)
            driver.stdin.write('NEXT\n')
            driver.stdin.flush()
    except TimeoutError as error:
        problems.append(str(error))
    finally:
        try:
            driver.stdin.close()
            driver.wait(timeout=max(1.0, min(20.0, deadline.left())))
        except (subprocess.TimeoutExpired, BrokenPipeError):
            driver.kill()
            driver.wait()
    if driver.returncode != 0:
        problems.append('the driver ended with status %s' % driver.returncode)
    for problem in problems:
        print('FAIL ' + problem, file=sys.stderr)
    return 1 if problems else 0


if __name__ == '__main__':
    sys.exit(main())
