"""Black-box check of the window through AT-SPI: what a screen reader sees and can do."""
import sys
import time

import pyatspi

PROGRAM, EDITION = sys.argv[1], sys.argv[2]

FIELDS = {
    "tolerance": ["Text1", "Combo1", "Text3", "Text13", "Text2", "Text4", "Combo2", "Text16",
                  "Text19", "Text17", "Text5", "Text6", "Text7", "Text8", "Text10", "Text11",
                  "Text12", "Text14", "Text15"],
    "lite": ["Text1", "Combo1", "Text3", "Text13", "Text2", "Text4", "Combo2", "Text9", "Text16",
             "Text5", "Text6", "Text7", "Text8", "Text10", "Text11", "Text12", "Text14",
             "Text15"],
}[EDITION]
BUTTONS = ["cmd1", "cmd2", "cmd3"] + (["cmd4"] if EDITION == "lite" else [])

failures = []


def check(condition, what):
    print(("ok   " if condition else "FAIL ") + what)
    if not condition:
        failures.append(what)


def application():
    for _ in range(100):
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name == PROGRAM:
                return app
        time.sleep(0.1)
    raise SystemExit("FAIL the program did not appear on the accessibility bus")


def walk(node):
    yield node
    for child in node:
        if child is not None:
            yield from walk(child)


def by_description(app):
    found = {}
    for node in walk(app):
        try:
            if node.description:
                found.setdefault(node.description, node)
        except Exception:
            pass
    return found


def text_of(node):
    try:
        text = node.queryText()
        return text.getText(0, -1)
    except NotImplementedError:
        return node.name


def field_text(controls, name):
    node = controls[name]
    if node.getRole() == pyatspi.ROLE_COMBO_BOX:
        for child in walk(node):
            if child.getRole() in (pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY):
                return text_of(child)
        return node.name
    return text_of(node)


def type_into(controls, name, value):
    node = controls[name]
    if node.getRole() == pyatspi.ROLE_COMBO_BOX:
        node = next(c for c in walk(node) if c.getRole() in (pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY))
    node.queryEditableText().setTextContents(value)


def do_action(node, wanted):
    action = node.queryAction()
    for i in range(action.nActions):
        if action.getName(i) == wanted:
            return action.doAction(i)
    raise AssertionError(f"{node.description} has no action {wanted}")


def alerts():
    return [n for n in walk(pyatspi.Registry.getDesktop(0))
            if n is not None and n.getRole() == pyatspi.ROLE_ALERT]


def wait_for(predicate, seconds=5):
    deadline = time.time() + seconds
    while time.time() < deadline:
        value = predicate()
        if value:
            return value
        time.sleep(0.1)
    return predicate()


app = application()
controls = wait_for(lambda: (lambda c: c if "cmd1" in c else None)(by_description(app)))
for name in FIELDS + BUTTONS + ["Option1", "Option2"]:
    check(name in controls, f"{name} is found by its description")


def labelled_by(node):
    for relation in node.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            return [relation.getTarget(i).name for i in range(relation.getNTargets())]
    return []


for name in FIELDS:
    node = controls[name]
    if node.getRole() == pyatspi.ROLE_COMBO_BOX:
        # A list's own name is its text on Linux; its edit field carries the caption.
        node = next(c for c in walk(node) if c.getRole() in (pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY))
    labels = labelled_by(controls[name])
    print(f"     {name}: name={node.name!r} labelled by {labels!r} text={field_text(controls, name)!r}")
    check(bool(node.name) and node.name in labels, f"{name} is named and labelled by its caption")
check(field_text(controls, "Text16") == "2.165", "the pin field reads 2.165 at start")
check(controls["cmd1"].name == "更新数据", "cmd1 is named by its caption")

type_into(controls, "Text1", "20")
check(field_text(controls, "Text1") == "20", "typing into z")
do_action(controls["cmd1"], "Press")
check(wait_for(lambda: field_text(controls, "Text5") == "25.000"), "Calculate fills d = 25.000")

# Pick "2.00" ("2.0 " in the lite list) from the module list with the keyboard.
entry = "2.00" if EDITION == "tolerance" else "2.0 "
combo = controls["Combo1"]
do_action(combo, "ShowMenu")
time.sleep(0.5)
menu = next((c for c in walk(combo) if c.getRole() == pyatspi.ROLE_LIST), None)
if menu is not None:
    items = [menu.getChildAtIndex(i).name for i in range(menu.childCount)]
    check(entry in items, "the module list offers " + repr(entry))
    position = items.index(entry) if entry in items else 0
    for _ in range(len(items)):
        pyatspi.Registry.generateKeyboardEvent(0xFF52, None, pyatspi.KEY_SYM)  # Up to the top
    for _ in range(position):
        pyatspi.Registry.generateKeyboardEvent(0xFF54, None, pyatspi.KEY_SYM)  # Down
    pyatspi.Registry.generateKeyboardEvent(0xFF0D, None, pyatspi.KEY_SYM)  # Return
expected_pin = "3.464"
check(wait_for(lambda: field_text(controls, "Text16") == expected_pin),
      "picking a module proposes dp " + expected_pin)

# A rejected tooth count opens the message box; read it and close it with its button.
type_into(controls, "Text1", "2")
do_action(controls["cmd1"], "Press")
boxes = wait_for(alerts)
check(bool(boxes), "a message box appears")
if boxes:
    box = boxes[0]
    texts = [n.name for n in walk(box) if n.getRole() == pyatspi.ROLE_LABEL]
    check("请输入花键齿数!" in texts, "the message reads 请输入花键齿数!")
    check(box.name == "系统提示", "the box is titled 系统提示")
    ok = next(n for n in walk(box) if n.getRole() == pyatspi.ROLE_PUSH_BUTTON)
    check(ok.name in ("确定", "OK"), "the box has one button: " + ok.name)
    do_action(ok, "Press")
    check(wait_for(lambda: not alerts()), "the message box closes")

# The window menu from the icon, then the designation page of the details window.
icon = controls["Image2"]
check(icon.getRole() == pyatspi.ROLE_PUSH_BUTTON and icon.name == "菜单",
      "the window icon is a button named 菜单")
do_action(icon, "Press")
# A popup menu is no child of the application on the bus; screen readers follow it by its focus
# events, so the entry is chosen with the keys: the second entry is the designation page.
time.sleep(0.5)
for key in (0xFF54, 0xFF54, 0xFF0D):  # Down, Down, Return
    pyatspi.Registry.generateKeyboardEvent(key, None, pyatspi.KEY_SYM)
details = wait_for(lambda: (lambda c: c if "designationInput" in c else None)(by_description(app)))
check(details is not None, "the details window opens on its designation page")
if details:
    details["designationInput"].queryEditableText().setTextContents("N 120 x 3 x 38 x 9H")
    do_action(details["applyDesignation"], "Press")
    check(wait_for(lambda: field_text(controls, "Text1") == "38"
                   and field_text(controls, "Text4").startswith("-0.45")),
          "applying N 120 x 3 x 38 x 9H writes z = 38 and x = -0.45")
    check(wait_for(lambda: text_of(details["inspW"]) == field_text(controls, "Text14")),
          "the inspection page shows W as the window does")



def cell_rows(table):
    cells = table.queryTable()
    return [[cells.getAccessibleAt(row, column).name for column in range(cells.nColumns)]
            for row in range(cells.nRows)]


# The connection page (tolerance edition: the sixth entry) of that hub: a k shaft is warned of,
# and the hub's exact M limit measured reads as within. Messages are read as the labels' names.
if EDITION == "tolerance" and details:
    do_action(icon, "Press")
    time.sleep(0.5)
    for key in (0xFF54,) * 6 + (0xFF0D,):
        pyatspi.Registry.generateKeyboardEvent(key, None, pyatspi.KEY_SYM)
    page = wait_for(lambda: (lambda c: c if c["connectionFit"].getState().contains(
        pyatspi.STATE_SHOWING) else None)(by_description(app)))
    check(page is not None, "配合… opens the connection page")
    if page:
        check(text_of(page["connectionFit"]) == "9H/9h", "the fit starts as 9H/9h for a 9H hub")
        page["connectionFit"].queryEditableText().setTextContents("9H/9k")
        status = wait_for(lambda: page["connectionStatus"].name)
        print(f"     connectionStatus: {status!r}")
        check(status.startswith("可能过盈"), "a k shaft is warned of")
        rows = cell_rows(page["connectionTable"])
        exact_m = next(r[2] for r in rows if r[1] == "M" and "精确" in r[0])  # the hub's, first
        check(not page["measuredW"].getState().contains(pyatspi.STATE_ENABLED),
              "a hub offers no W to measure")
        limit = exact_m.split(" ")[0]
        page["measuredM"].queryEditableText().setTextContents(limit)
        result = wait_for(lambda: page["measurementResult"].name)
        print(f"     measurementResult: {result!r}")
        check(result.endswith("之内：合格"), f"M = {limit}, a printed limit, is within")
        page["measuredM"].queryEditableText().setTextContents("1e9")
        result = wait_for(lambda: "超出" in page["measurementResult"].name)
        print(f"     measurementResult: {page['measurementResult'].name!r}")
        check(result, "M = 1e9 is beyond what the profile can give")

# The GB/T 3478.1 window (tolerance edition): the seventh entry, after a separator.
if EDITION == "tolerance":
    do_action(icon, "Press")
    time.sleep(0.5)
    for key in (0xFF54,) * 7 + (0xFF0D,):  # Down to "GB/T 3478.1 花键…", Return
        pyatspi.Registry.generateKeyboardEvent(key, None, pyatspi.KEY_SYM)
    gbt = wait_for(lambda: (lambda c: c if "gbtDesignation" in c else None)(by_description(app)))
    check(gbt is not None, "the GB/T 3478.1 window opens from the menu")
    if gbt:
        gbt["gbtDesignation"].queryEditableText().setTextContents("EXT 24z×2.5m×30R×5h")
        do_action(gbt["applyGbtDesignation"], "Press")
        check(wait_for(lambda: text_of(gbt["gbtDesignation"]) == "EXT 24z×2.5m×30R×5h GB/T 3478.1"),
              "applying a GB/T designation writes it back in full")
        # The status has no fixed name: a screen reader reads its message.
        status = gbt["gbtStatus"].name
        print(f"     gbtStatus: {status!r}")
        check("g = D/2 = 30 mm" in status and "<" not in status,
              "the status is read as its plain message")

print("\n%d failure(s)" % len(failures))
sys.exit(1 if failures else 0)
