# SPDX-FileCopyrightText: 2026 tarnwick developers
# SPDX-License-Identifier: MIT
"""What a screen reader finds in the running program over AT-SPI.

Usage: atspi_client.py PROBE_OUTPUT KNOWN_RESULTS
PROBE_OUTPUT is the file the probe prints its launches to, KNOWN_RESULTS
the worked example (tests/support/knownresults.txt). Prints every failed
check and exits 1 when there was one.
"""
import sys
import time

import pyatspi

probe_output = sys.argv[1]
with open(sys.argv[2], encoding="utf-8") as lines:
    known = dict(line.rstrip("\n").split("=", 1) for line in lines if not line.startswith("#"))
failures = []


def check(ok, what):
    if not ok:
        failures.append(what)
    return ok


def wait_for(seconds, find):
    deadline = time.monotonic() + seconds
    while True:
        found = find()
        if found or time.monotonic() > deadline:
            return found
        time.sleep(0.1)


def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "tarnwick":
            return app
    return None


def descendants(node):
    for child in node:
        if child is not None:
            yield child
            yield from descendants(child)


def named(root, name):
    return next((node for node in descendants(root) if node.name == name), None)


def action(node, name):
    actions = node.queryAction()
    return next((i for i in range(actions.nActions) if actions.getName(i) == name), None)


def launches():
    with open(probe_output, encoding="utf-8") as lines:
        return [line for line in lines if line.startswith("launch ")]


def describe(node):
    return f"{node.getRoleName()} {node.name!r}: {node.description!r}"


app = wait_for(10, application)
if not app:
    sys.exit("the program never appeared on the accessibility bus")

windows = {window.name: window for window in app}
for caption in ("QUORVEL", "Center detail", "END DETAIL", "Web Page Link"):
    window = windows.get(caption)
    if check(window is not None, f"no window named {caption!r} among {sorted(windows)}"):
        print("window", describe(window))
        # AT-SPI calls a window with a title bar a frame, as GTK's windows
        # are; Qt hands over no other role for one. A form Qt took for a
        # mere client area would be a filler.
        check(window.getRole() == pyatspi.ROLE_FRAME, f"{caption!r} is a {window.getRoleName()}")

drawings = (
    ("QUORVEL", "The boxes above the drawing measure it"),
    ("Center detail", "STRIP 1 OR 2 INCHES OF OUTER"),
    ("END DETAIL", "USE NONCONDUCTIVE ROPE TO TIE TO"),
)
for caption, lettering in drawings:
    images = [node for node in descendants(windows.get(caption, app)) if node.getRole() == pyatspi.ROLE_IMAGE]
    for image in images:
        print("drawing", describe(image))
    check(any(lettering in image.description for image in images),
          f"no image in {caption!r} is described with {lettering!r}")

link = next((node for node in descendants(windows.get("Web Page Link", app)) if node.getRole() == pyatspi.ROLE_LINK),
            None)
if check(link is not None, "the website window has no link"):
    names = [link.queryAction().getName(i) for i in range(link.queryAction().nActions)]
    print("link", describe(link), "actions", names)
    if check(names, "the link has no action"):
        # The press returns once the program has acted on it, and the
        # probe prints each launch before the launch returns.
        link.queryAction().doAction(0)
        check(len(launches()) == 1, f"the link's action launched {launches()}")

main = windows.get("QUORVEL", app)
frequency = named(main, "Frequency in megahertz")
cables = named(main, "Cable type")
feet = named(main, "Calculate in feet and inches")
rows = {named(main, "Overall length, whole feet or metres"): known["feet.overall"],
        named(main, "Coax section, whole feet or metres"): known["feet.coax"]}
if check(None not in (frequency, cables, feet, *rows), "a control of the calculation is missing"):
    frequency.queryEditableText().setTextContents(known["feet.frequency"])
    # Qt offers a list's selection through the Table interface only.
    cables.queryTable().addRowSelection(int(known["feet.cable"]))
    feet.queryAction().doAction(action(feet, "Press"))
    for box, statement in rows.items():
        check(wait_for(5, lambda: box.description == statement),
              f"after the calculation {box.name!r} reads {box.description!r}")
        print("result", describe(box))

for failure in failures:
    print("FAIL", failure)
sys.exit(1 if failures else 0)
