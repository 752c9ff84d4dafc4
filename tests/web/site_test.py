# SPDX-FileCopyrightText: 2026 Arcwright developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The site in headless Chromium: typing through the calculator and the planner shows the
texts the native core shows for the same typing; a job's link opens it again; broken links
and hostile pastes get a sentence, never an exception; it fits a 360 px phone; and after the
first visit it opens with the server stopped."""

import json
import time

import pytest

By = pytest.importorskip("selenium.webdriver.common.by").By
Keys = pytest.importorskip("selenium.webdriver.common.keys").Keys


def open_page(driver, address):
    driver.get(address)
    deadline = time.monotonic() + 15
    while time.monotonic() < deadline:
        if driver.execute_script("return document.body.dataset.ready === 'true'"):
            return
        time.sleep(0.05)
    raise AssertionError("the page did not become ready: "
                         + driver.find_element(By.ID, "loading").text)


def named(driver, name):
    return driver.find_element(By.CSS_SELECTOR, f'[data-name="{name}"]')


def replace_text(element, text):
    """Selects everything in a box and types over it, as a person does; one change for the
    emptied box, then one per key."""
    element.send_keys(Keys.CONTROL, "a")
    element.send_keys(Keys.DELETE)
    if text:
        element.send_keys(text)


def console_errors(driver):
    return [e for e in driver.get_log("browser") if e["level"] == "SEVERE"]


CALCULATOR_BOXES = {"bladeHeight": "Text1", "angle": "Text2", "boardThickness": "Text3",
                    "boardWidth": "Text4"}
READOUTS = {"boardWidth": [28, 27, 26, 25, 24], "boardThickness": [29, 30, 31, 32, 33],
            "bladeHeight": [36, 37, 38, 39, 40], "cutWidth": [5, 6, 7, 8, 9]}
STEP_BUTTONS = {(0.25, True): "Command9", (0.25, False): "Command8",
                (0.125, True): "Command2", (0.125, False): "Command3",
                (0.0625, True): "Command6", (0.0625, False): "Command7",
                (0.03125, True): "Command5", (0.03125, False): "Command4"}

# Typing in the calculator: what the person does, in the page and as the core's actions.
CALCULATOR_CASES = {
    "angle 36.8": [("type", "angle", "36.8")],
    "board and blade": [("type", "boardWidth", "5.5"), ("type", "bladeHeight", "0.625")],
    "cut too wide": [("type", "angle", "89.9"), ("type", "bladeHeight", "3")],
    "blade too high, then steps": [("type", "bladeHeight", "0.7"), ("step", 0.25, True),
                                   ("step", 0.0625, False)],
    "thickness as target, 32nds": [("target", "boardThickness"), ("step", 0.03125, True),
                                   ("resolution", 32)],
    "odd texts": [("type", "boardWidth", "abc"), ("type", "angle", "1e999"),
                  ("type", "boardThickness", "&H1F")],
}


def calculator_actions(steps):
    actions = [["calc.ok"]]
    for step in steps:
        if step[0] == "type":
            box, text = step[1], step[2]
            actions.append(["calc.type", box, ""])
            actions += [["calc.type", box, text[:n]] for n in range(1, len(text) + 1)]
        elif step[0] == "step":
            actions.append(["calc.step", step[1], step[2]])
        elif step[0] == "target":
            actions.append(["calc.target", step[1]])
        elif step[0] == "resolution":
            actions.append(["calc.resolution", step[1]])
    return actions


@pytest.mark.parametrize("case", CALCULATOR_CASES)
def test_calculator_shows_the_native_texts(driver, server, native, case):
    steps = CALCULATOR_CASES[case]
    [expected] = native([calculator_actions(steps)])
    calc = expected["calculator"]
    open_page(driver, server.address)
    named(driver, "Command12").click()
    for step in steps:
        if step[0] == "type":
            box = named(driver, CALCULATOR_BOXES[step[1]])
            replace_text(box, step[2])
        elif step[0] == "step":
            named(driver, STEP_BUTTONS[(step[1], step[2])]).click()
        elif step[0] == "target":
            named(driver, {"boardWidth": "Option2", "boardThickness": "Option1",
                           "bladeHeight": "Option3"}[step[1]]).click()
        elif step[0] == "resolution":
            named(driver, "Option5" if step[1] == 32 else "Option4").click()
    named(driver, "Command12")  # still in the page, hidden
    driver.find_element(By.TAG_NAME, "h1").click()  # the angle box lets go of the focus
    [expected] = native([calculator_actions(steps) + [["calc.focus", "angle", False]]])
    calc = expected["calculator"]
    for name, box in CALCULATOR_BOXES.items():
        assert named(driver, box).get_property("value") == calc["inputs"][name]["text"], name
    for name, labels in READOUTS.items():
        shown = [named(driver, f"Label{n}").get_property("textContent") for n in labels]
        assert shown == calc["readouts"][name], name
    assert named(driver, "Label4").get_property("textContent") == calc["cutWidth"]
    assert named(driver, "Label1").is_displayed() == calc["bladeHeightHigh"]
    assert named(driver, "Label2").is_displayed() == calc["cutTooWide"]
    assert console_errors(driver) == []


PLANNER_BOXES = {"coveWidth": "planCoveWidth", "coveDepth": "planCoveDepth",
                 "boardWidth": "planBoardWidth", "boardThickness": "planBoardThickness",
                 "bladeDiameter": "planBladeDiameter", "kerf": "planKerf",
                 "passDepth": "planPassDepth", "coveOffset": "planCoveOffset",
                 "tilt": "planTilt", "maxHeight": "planMaxHeight"}

PLANNER_CASES = {
    "plain cove": ([], {"coveWidth": "2 1/2", "coveDepth": "1/2", "boardWidth": "4",
                        "boardThickness": "1"}),
    "millimetres, decimal comma": (["mm"], {"coveWidth": "63,5", "coveDepth": "12", "boardWidth": "100",
                                            "boardThickness": "25"}),
    "tilted, leaning away": (["away"], {"coveWidth": "3", "coveDepth": "5/8", "boardWidth": "5",
                                        "boardThickness": "1", "tilt": "30"}),
    "deeper than the saw reaches": ([], {"coveWidth": "5", "coveDepth": "3.5", "boardWidth": "8",
                                         "boardThickness": "4"}),
    "below zero": ([], {"coveWidth": "-3", "coveDepth": "1/2", "boardWidth": "4",
                        "boardThickness": "1"}),
}


@pytest.mark.parametrize("case", PLANNER_CASES)
def test_planner_shows_the_native_texts(driver, server, native, case):
    choices, boxes = PLANNER_CASES[case]
    actions = []
    if "mm" in choices:
        actions.append(["plan.unit", "mm"])
    if "away" in choices:
        actions.append(["plan.lean", "awayFromFence"])
    actions += [["plan.type", box, text] for box, text in boxes.items()]
    [expected] = native([actions])
    plan = expected["planner"]
    open_page(driver, server.address)
    named(driver, "CommandPlan").click()
    if "mm" in choices:
        named(driver, "planMillimetres").click()
    if "away" in choices:
        named(driver, "planTiltAway").click()
    for box, text in boxes.items():
        replace_text(named(driver, PLANNER_BOXES[box]), text)
    for box, control in PLANNER_BOXES.items():
        assert named(driver, control).get_property("value") == plan["boxes"][box]["text"], box
    angle = named(driver, "planAngle").text
    assert (plan["plan"]["angle"] or "") in angle
    rows = driver.find_elements(By.CSS_SELECTOR, '[data-name="planPasses"] tbody tr')
    assert len(rows) == len(plan["plan"]["passes"])
    for row, made in zip(rows, plan["plan"]["passes"]):
        cells = [c.text for c in row.find_elements(By.TAG_NAME, "td")]
        assert cells == [str(made["number"]), made["bladeHeight"]["spoken"],
                         made["coveWidth"]["spoken"]]
    caution = [li.text for li in named(driver, "planCaution").find_elements(By.TAG_NAME, "li")]
    assert caution == plan["cautions"]
    assert plan["sawLimit"] in named(driver, "planStatus").text
    assert console_errors(driver) == []


def test_a_jobs_link_opens_it_again(driver, server):
    open_page(driver, server.address)
    named(driver, "CommandPlan").click()
    named(driver, "planMillimetres").click()
    typed = {"planCoveWidth": "60", "planCoveDepth": "12,5", "planBoardWidth": "100",
             "planBoardThickness": "25", "planTilt": "20"}
    for control, text in typed.items():
        replace_text(named(driver, control), text)
    link = driver.current_url
    assert "#" in link
    driver.get("about:blank")
    driver.delete_all_cookies()
    open_page(driver, link)
    assert named(driver, "planMillimetres").is_selected()
    for control, text in typed.items():
        assert named(driver, control).get_property("value") == text, control


@pytest.mark.parametrize("fragment", [
    "#garbage", "#%E0%A4%A", "#" + "x" * 100_000,
    "#" + json.dumps({"format": "arcwright-job", "version": 99}),
    "#" + json.dumps({"format": "arcwright-job", "version": 1, "boxes": {"coveWidth": 3}}),
])
def test_a_broken_link_gets_a_sentence(driver, server, fragment):
    open_page(driver, server.address + fragment)
    said = named(driver, "planStatus").get_property("textContent")
    assert said.endswith("."), said
    assert named(driver, "planCoveWidth").get_property("value") == ""
    assert console_errors(driver) == []


HOSTILE = ["9" * 400, "-" * 64, "1/0", "nan", "inf", "1e-400", "<script>alert(1)</script>",
           "\u202e12", "🪵3/4", "0x1p3", " ", "3/4/5", "&O777777777777777777777"]


def test_hostile_pastes_into_every_box(driver, server):
    open_page(driver, server.address)
    named(driver, "Command12").click()
    boxes = list(CALCULATOR_BOXES.values())
    for text in HOSTILE:
        for box in boxes:
            driver.execute_script(
                "const e = arguments[0]; e.value = arguments[1];"
                "e.dispatchEvent(new Event('input', {bubbles: true}));", named(driver, box), text)
    named(driver, "CommandPlan").click()
    for text in HOSTILE:
        for control in PLANNER_BOXES.values():
            driver.execute_script(
                "const e = arguments[0]; e.value = arguments[1];"
                "e.dispatchEvent(new Event('input', {bubbles: true}));", named(driver, control), text)
    assert console_errors(driver) == []
    assert driver.execute_script("return document.body.dataset.ready") == "true"


@pytest.mark.parametrize("tab", ["calculator", "planner"])
def test_fits_a_phone(driver, server, tab):
    driver.set_window_size(360, 800)
    open_page(driver, server.address)
    named(driver, "Command12").click()
    if tab == "planner":
        named(driver, "CommandPlan").click()
    width = driver.execute_script("return document.documentElement.scrollWidth")
    inner = driver.execute_script("return window.innerWidth")
    assert width <= inner
    small = driver.execute_script(
        "return [...document.querySelectorAll('button, input')]"
        ".filter(e => e.offsetParent && (e.offsetHeight < 44 && e.type !== 'range'))"
        ".map(e => e.dataset.name || e.id)")
    assert small == []


def test_opens_with_the_server_stopped(driver, server):
    open_page(driver, server.address)
    deadline = time.monotonic() + 20
    while not driver.execute_script("return !!navigator.serviceWorker.controller"):
        assert time.monotonic() < deadline, "no service worker took the page"
        time.sleep(0.1)
    server.stop()
    try:
        open_page(driver, server.address)
        named(driver, "Command12").click()
        replace_text(named(driver, "Text2"), "36.8")
        assert named(driver, "Label4").text != ""
    finally:
        server.start()
