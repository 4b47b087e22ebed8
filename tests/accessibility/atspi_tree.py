#!/usr/bin/python3
"""What a screen reader sees of the running desktop program.

Starts qxp-r46 on the desktop's accessibility bus (run it through
run-atspi.sh, which gives it a virtual display and a session bus), lists
the tree of the main window and of the channel table, and finds each
control a user needs by its accessible name. Exit 0 when all are found.
"""
import os
import subprocess
import sys
import time

import pyatspi

WANTED_MAIN = ["记忆频道", "VFO", "呼叫频道", "双音声多频率", "评论", "状态栏"]
WANTED_TABLE = ["频道表", "查找", "报告"]


def walk(node, depth=0, out=None, limit=400):
    """Name, role and depth of every node under `node`, cells left out."""
    if out is None:
        out = []
    if node is None or len(out) >= limit:
        return out
    role = node.getRoleName()
    if role in ("table cell", "column header", "table row header", "table column header"):
        return out
    out.append((depth, role, node.name or ""))
    for i in range(node.childCount):
        walk(node.getChildAtIndex(i), depth + 1, out, limit)
    return out


def find_app(name, timeout):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name.lower() == name.lower():
                return app
        time.sleep(0.5)
    return None


def window_of(app, title_start, timeout):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        for i in range(app.childCount):
            w = app.getChildAtIndex(i)
            if w is not None and (w.name or "").startswith(title_start):
                return w
        time.sleep(0.5)
    return None


def check(window, wanted, label):
    tree = walk(window)
    for depth, role, name in tree:
        print(f"{label}: {'  ' * depth}{role} '{name}'")
    names = {name for _, _, name in tree}
    missing = [w for w in wanted if w not in names]
    for w in missing:
        print(f"{label}: not found by name: {w}", file=sys.stderr)
    return not missing


def main():
    program = sys.argv[1]
    sample = sys.argv[2]
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", LANG="C")
    proc = subprocess.Popen([program, sample], env=env)
    try:
        app = find_app("qxp-r46", 30)
        if app is None:
            desktop = pyatspi.Registry.getDesktop(0)
            seen = [desktop.getChildAtIndex(i).name for i in range(desktop.childCount)]
            print(f"the program never showed up on the accessibility bus (seen: {seen})", file=sys.stderr)
            return 1
        main_window = window_of(app, "QXP-R46 [", 30)
        if main_window is None:
            print("no main window", file=sys.stderr)
            return 1
        ok = check(main_window, WANTED_MAIN, "main")
        # The channel table, opened through its menu item as a screen
        # reader user would: by name, with the item's own action.
        item = pyatspi.findDescendant(main_window, lambda n: n.name == "频道表...")
        if item is None:
            print("no menu item 频道表...", file=sys.stderr)
            return 1
        item.queryAction().doAction(0)
        table = window_of(app, "频道表 - ", 30)
        if table is None:
            print("the channel table did not open", file=sys.stderr)
            return 1
        ok = check(table, WANTED_TABLE, "table") and ok
        return 0 if ok else 1
    finally:
        proc.terminate()
        try:
            proc.wait(10)
        except subprocess.TimeoutExpired:
            proc.kill()


if __name__ == "__main__":
    sys.exit(main())
