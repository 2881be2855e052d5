#!/usr/bin/python3
"""Prints the accessibility tree of one running program as a screen reader
sees it over the AT-SPI bus: one line per object, "role<TAB>name<TAB>description",
indented by depth.

    accessible_tree.py PID
Exits 2 when no application of that process is on the bus."""
import sys

import pyatspi


def walk(node, depth, out):
    try:
        role = node.getRoleName()
        name = node.name or ""
        description = node.description or ""
    except Exception:  # an object that went away while we read it
        return
    out.append("%s%s\t%s\t%s" % ("  " * depth, role, name.replace("\n", " "), description))
    for i in range(node.childCount):
        try:
            child = node.getChildAtIndex(i)
        except Exception:
            continue
        if child is not None:
            walk(child, depth + 1, out)


def main():
    pid = int(sys.argv[1])
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        try:
            if app is None or app.get_process_id() != pid:
                continue
        except Exception:
            continue
        out = []
        walk(app, 0, out)
        print("\n".join(out))
        return 0
    print("no application of process %d on the accessibility bus" % pid, file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main())
