# SPDX-FileCopyrightText: 2026 Arcwright developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The site in headless Chromium: typing through the calculator and the planner shows the
texts the native core shows for the same typing; a job's link opens it again; broken links
and hostile pastes get a sentence, never an exception; it fits a 360 px phone; and after the
first visit it opens with the server stopped. At the saw, the keys move the count as the
native view does, the count outlasts a reload and goes into a saved job, and the view says
when the screen cannot be kept awake. The template prints full size on Letter and A4, checked
with a rule on the printed PDF."""

import base64
import json
import os
import tempfile
import time

import pytest

By = pytest.importorskip("selenium.webdriver.common.by").By
Keys = pytest.importorskip("selenium.webdriver.common.keys").Keys
ActionChains = pytest.importorskip("selenium.webdriver.common.action_chains").ActionChains


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

PLANNER_READOUTS = {"angle": "planAngle", "complement": "planComplement",
                    "bladeHeight": "planBladeHeight", "woodFenceSide": "planWoodFence",
                    "woodFarSide": "planWoodFar", "fenceDistance": "planFenceDistance",
                    "bladeMark": "planMarkBlade", "squareMark": "planMarkSquare",
                    "steepWall": "planHalfSteep", "gentleWall": "planHalfGentle",
                    "fenceSide": "planFenceSide", "centrePoint": "planCentrePoint"}

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
    "thin wood, off centre, steep fence": ([], {"coveWidth": "1", "coveDepth": "7/8",
                                                "boardWidth": "3", "boardThickness": "1",
                                                "coveOffset": "1/4"}),
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
                         made["coveWidth"]["spoken"]] + ([made["walls"]] if "walls" in made else [])
    caution = [li.text for li in named(driver, "planCaution").find_elements(By.TAG_NAME, "li")]
    assert caution == plan["cautions"]
    assert named(driver, "planStatus").text == plan["words"]["status"]
    assert named(driver, "planWarning").text == " ".join(plan["words"]["warnings"])
    for readout, control in PLANNER_READOUTS.items():
        assert named(driver, control).get_property("textContent") == plan["readouts"][readout], readout
    headings = [th.text for th in driver.find_elements(By.CSS_SELECTOR, '[data-name="planPasses"] th')]
    walls = [plan["words"]["walls"]] if plan["words"]["walls"] else []
    assert headings == plan["words"]["passHeadings"] + walls
    # The board end is drawn once every box typed reads, with or without a cove in it.
    drawn = named(driver, "planEndView").get_property("innerHTML") != ""
    assert drawn == all(plan["boxes"][box]["readable"] for box in boxes)
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


def test_a_new_version_replaces_the_old_one(driver, tmp_path):
    """A copy of the site is visited, then changed as a new build changes it: the next
    visits take the new files and the old version's cache goes."""
    import shutil
    from conftest import SITE, Server
    folder = tmp_path / "site"
    shutil.copytree(SITE, folder)
    copy = Server(str(folder))
    try:
        open_page(driver, copy.address)
        wait_for(driver, "return !!navigator.serviceWorker.controller")
        worker = (folder / "sw.js").read_text()
        version = worker.split("const VERSION = '")[1].split("'")[0]
        (folder / "sw.js").write_text(worker.replace(version, "0123456789ab"))
        page = (folder / "index.html").read_text()
        (folder / "index.html").write_text(page.replace("<title>Arcwright</title>",
                                                        "<title>Arcwright, new</title>"))
        # The browser looks for a new worker a moment after a visit, once the page is quiet.
        open_page(driver, copy.address)
        wait_for(driver, "return caches.keys().then(k => k.join(',') === 'arcwright-0123456789ab')")
        open_page(driver, copy.address)
        assert driver.title == "Arcwright, new"
    finally:
        copy.stop()


def wait_for(driver, script, seconds=20):
    deadline = time.monotonic() + seconds
    while not driver.execute_script(script):
        assert time.monotonic() < deadline, script
        time.sleep(0.1)


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


# At the saw. The plain cove has 8 passes; the narrow board with deep passes has 2 and two
# cautions, read on the set-up page only.
SAW_PLANS = {
    "plain cove": {"coveWidth": "2 1/2", "coveDepth": "1/2", "boardWidth": "4",
                   "boardThickness": "1"},
    "narrow board, deep passes": {"coveWidth": "1 1/2", "coveDepth": "1/2", "boardWidth": "2 1/2",
                                  "boardThickness": "1", "passDepth": "1/4"},
}
SAW_LINES = {"sawPass": "pass", "sawSetLine": "setLine", "sawHeight": "height", "sawRise": "rise",
             "sawWidth": "width", "sawFinal": "final", "sawThen": "then", "sawNote": "note",
             "sawFooter": "footer", "sawSpoken": "spoken"}
# A key at the saw and the native view's move for it; Home goes to pass 1 from anywhere,
# which a fresh count reaches by one move from the set-up page.
SAW_KEYS = {Keys.SPACE: "saw.next", Keys.ENTER: "saw.next", Keys.BACKSPACE: "saw.back",
            Keys.END: "saw.last", "click next": "saw.next"}


def plan_actions(plan):
    return [["plan.type", box, text] for box, text in SAW_PLANS[plan].items()]


def type_plan(driver, plan):
    named(driver, "CommandPlan").click()
    for box, text in SAW_PLANS[plan].items():
        replace_text(named(driver, PLANNER_BOXES[box]), text)


def open_saw(driver):
    named(driver, "planAtSaw").click()
    assert named(driver, "sawSafety").is_displayed()
    named(driver, "sawSafetyOk").click()


def press(driver, key):
    ActionChains(driver).send_keys(key).perform()


def saw_moves(keys):
    """The native moves for the keys, from a view just opened on a fresh count."""
    moves = [["saw.follow"]]
    for key in keys:
        if key == Keys.HOME:
            moves = [["saw.follow"], ["saw.next"]]
        else:
            moves.append([SAW_KEYS[key]])
    return moves


def assert_saw_shows(driver, saw):
    for control, field in SAW_LINES.items():
        assert named(driver, control).get_property("textContent") == saw[field], control
    cautions = [li.get_property("textContent")
                for li in named(driver, "sawCaution").find_elements(By.TAG_NAME, "li")]
    assert cautions == (saw["cautions"] if saw["setUpPage"] else [])
    last = not saw["setUpPage"] and saw["position"] == saw["count"] - 1
    assert named(driver, "sawNext").text == ("Done" if last else "Next Pass")
    assert named(driver, "sawNext").is_enabled() == (not saw["finished"])
    assert named(driver, "sawBack").is_enabled() == (not (saw["setUpPage"] and saw["position"] == 0))


def job_sawpass(driver):
    return json.loads(driver.execute_script("return localStorage.getItem('arcwright.job')"))["sawPass"]


# Keys pressed with the view open, and whether Done closed it.
SAW_KEY_CASES = {
    "set-up page first": ("plain cove", [], False),
    "space, then enter": ("plain cove", [Keys.SPACE, Keys.ENTER], False),
    "backspace to the set-up page and no further": (
        "plain cove", [Keys.SPACE, Keys.SPACE, Keys.BACKSPACE, Keys.BACKSPACE, Keys.BACKSPACE], False),
    "end is the last pass": ("plain cove", [Keys.END], False),
    "home from the last pass": ("plain cove", [Keys.END, Keys.HOME], False),
    "a clicked button and then space move twice": ("plain cove", ["click next", Keys.SPACE], False),
    "cautions on the set-up page only": ("narrow board, deep passes", [Keys.SPACE], False),
    "back from pass 1 shows the cautions": ("narrow board, deep passes", [Keys.SPACE, Keys.BACKSPACE], False),
    "done on the last pass closes": ("plain cove", [Keys.END, Keys.SPACE], True),
    "done of two passes": ("narrow board, deep passes", [Keys.ENTER, Keys.ENTER, Keys.ENTER], True),
}


@pytest.mark.parametrize("case", SAW_KEY_CASES)
def test_saw_keys_move_as_the_native_view(driver, server, native, case):
    plan, keys, closes = SAW_KEY_CASES[case]
    moves = saw_moves(keys)
    [expected] = native([plan_actions(plan) + moves])
    saw = expected["saw"]
    open_page(driver, server.address)
    type_plan(driver, plan)
    open_saw(driver)
    for key in keys:
        if key == "click next":
            named(driver, "sawNext").click()
        else:
            press(driver, key)
    assert named(driver, "sawPass").is_displayed() == (not closes)
    assert job_sawpass(driver) == saw["position"]
    if closes:
        assert saw["finished"]
        # Opened again, the view says every pass is made.
        open_saw(driver)
    assert_saw_shows(driver, saw)
    press(driver, Keys.ESCAPE)
    assert not named(driver, "sawPass").is_displayed()
    assert console_errors(driver) == []


# Keys pressed before the reload, and the moves that show the same count afterwards: the
# view opens on the set-up page with no pass made, else on the pass the count stands at.
SAW_RELOAD_CASES = {
    "no pass made": ([Keys.SPACE], [["saw.follow"]]),
    "two passes made": ([Keys.SPACE] * 3, [["saw.follow"]] + [["saw.next"]] * 3),
    "every pass made": ([Keys.END, Keys.SPACE], [["saw.follow"]] + [["saw.next"]] * 9),
}


@pytest.mark.parametrize("case", SAW_RELOAD_CASES)
def test_the_count_outlasts_a_reload(driver, server, native, case):
    keys, again = SAW_RELOAD_CASES[case]
    [expected] = native([plan_actions("plain cove") + again])
    open_page(driver, server.address)
    type_plan(driver, "plain cove")
    open_saw(driver)
    for key in keys:
        press(driver, key)
    driver.refresh()
    open_page(driver, driver.current_url)
    assert named(driver, "planCoveWidth").is_displayed()
    assert not named(driver, "sawPass").is_displayed()
    assert named(driver, "planCoveWidth").get_property("value") == "2 1/2"
    open_saw(driver)
    assert_saw_shows(driver, expected["saw"])
    assert console_errors(driver) == []


# The screen kept awake: the browser's own lock, none, one that refuses, and one that grants
# and is let go when the view closes.
WAKE_LOCKS = {
    "missing": "delete Navigator.prototype.wakeLock;",
    "refused": """Object.defineProperty(Navigator.prototype, 'wakeLock', {get: () => ({
        request: () => Promise.reject(new DOMException('No', 'NotAllowedError'))})});""",
    "granted": """window.wakeLocks = {asked: 0, released: 0};
        Object.defineProperty(Navigator.prototype, 'wakeLock', {get: () => ({
        request: () => { wakeLocks.asked += 1; return Promise.resolve({
            released: false, addEventListener() {},
            release() { wakeLocks.released += 1; return Promise.resolve(); }}); }})});""",
    "the browser's own": "",
}


@pytest.mark.parametrize("lock", WAKE_LOCKS)
def test_the_screen_kept_awake_or_the_view_says_not(driver, server, lock):
    if WAKE_LOCKS[lock]:
        driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": WAKE_LOCKS[lock]})
    open_page(driver, server.address)
    if lock == "the browser's own":
        awake = driver.execute_async_script(
            "const done = arguments[0];"
            "if (!navigator.wakeLock) { done(false); return; }"
            "navigator.wakeLock.request('screen').then((l) => l.release().then(() => done(true)),"
            " () => done(false));")
    else:
        awake = lock == "granted"
    type_plan(driver, "plain cove")
    open_saw(driver)
    line = named(driver, "sawWakeLock")
    deadline = time.monotonic() + 5
    while line.is_displayed() == awake and time.monotonic() < deadline:
        time.sleep(0.05)
    assert line.is_displayed() == (not awake)
    assert "cannot keep the screen awake" in line.get_property("textContent")
    if lock == "granted":
        assert driver.execute_script("return wakeLocks") == {"asked": 1, "released": 0}
        named(driver, "sawClose").click()
        assert driver.execute_script("return wakeLocks") == {"asked": 1, "released": 1}
    assert console_errors(driver) == []


def good_job(**changes):
    job = {"format": "arcwright-job", "version": 1,
           "boxes": {"coveWidth": "3", "coveDepth": "5/8", "boardWidth": "5", "boardThickness": "1",
                     "bladeDiameter": "10 in.", "kerf": "1/8 in.", "passDepth": "1/16 in.",
                     "coveOffset": "", "tilt": "", "maxHeight": ""},
           "unit": "in", "lean": "toward", "sawPass": 3}
    job.update(changes)
    return json.dumps(job)


# A job file and what the planner shows after it: the cove width it opens with (the one it
# had when the file is refused), and the start of the sentence said in the status line
# (None: the job opened).
JOB_FILES = {
    "a good job": (good_job(), "3", None),
    "broken": ("{\"format\": \"arcwright-job\", ", "2 1/2", ""),
    "saved by a newer version": (good_job(version=99), "2 1/2", "The job was saved by a newer"),
    "not a job": ("<html></html>", "2 1/2", ""),
    "over 1 MB": (good_job() + " " * (1024 * 1024), "2 1/2", "That file is over 1 MB"),
}


@pytest.mark.parametrize("case", JOB_FILES)
def test_open_job_from_a_file(driver, server, browser_folder, native, case):
    text, cove_width, said = JOB_FILES[case]
    path = os.path.join(tempfile.mkdtemp(dir=browser_folder), "job.arcwright")
    with open(path, "w", encoding="utf-8") as f:
        f.write(text)
    open_page(driver, server.address)
    type_plan(driver, "plain cove")
    status = named(driver, "planStatus")
    before = status.text
    driver.find_element(By.CSS_SELECTOR, 'input[type="file"]').send_keys(path)
    deadline = time.monotonic() + 5
    while (named(driver, "planCoveWidth").get_property("value") == "2 1/2") == (said is None) and (
            status.text == before):
        assert time.monotonic() < deadline, status.text
        time.sleep(0.05)
    assert named(driver, "planCoveWidth").get_property("value") == cove_width
    if said is not None:
        assert status.text.startswith(said) and status.text.endswith("."), status.text
        assert status.text != before
        assert named(driver, "planAtSaw").is_enabled()
        assert job_sawpass(driver) == 0
    else:
        # The job's three passes made: the view opens on pass 4.
        boxes = json.loads(text)["boxes"]
        actions = [["plan.type", box, boxes[box]]
                   for box in ("coveWidth", "coveDepth", "boardWidth", "boardThickness")]
        [expected] = native([actions + [["saw.follow"]] + [["saw.next"]] * 4])
        assert job_sawpass(driver) == 3
        open_saw(driver)
        assert_saw_shows(driver, expected["saw"])
    assert console_errors(driver) == []


def test_a_saved_job_opens_again(driver, server, browser_folder):
    folder = tempfile.mkdtemp(dir=browser_folder)
    driver.execute_cdp_cmd("Page.setDownloadBehavior", {"behavior": "allow", "downloadPath": folder})
    open_page(driver, server.address)
    type_plan(driver, "plain cove")
    open_saw(driver)
    for key in [Keys.SPACE] * 3:
        press(driver, key)
    press(driver, Keys.ESCAPE)
    named(driver, "planSaveJob").click()
    path = os.path.join(folder, "job.arcwright")
    deadline = time.monotonic() + 10
    while not os.path.exists(path):
        assert time.monotonic() < deadline, os.listdir(folder)
        time.sleep(0.05)
    with open(path, encoding="utf-8") as f:
        job = json.load(f)
    assert job["sawPass"] == 2
    assert job["boxes"]["coveWidth"] == "2 1/2"
    driver.execute_script("localStorage.clear()")
    open_page(driver, server.address + "#")
    named(driver, "CommandPlan").click()
    driver.find_element(By.CSS_SELECTOR, 'input[type="file"]').send_keys(path)
    deadline = time.monotonic() + 5
    while named(driver, "planCoveWidth").get_property("value") != "2 1/2":
        assert time.monotonic() < deadline
        time.sleep(0.05)
    assert job_sawpass(driver) == 2
    assert console_errors(driver) == []


# The view at the saw on a phone and on a laptop: nothing sideways, nothing too small to hit.
@pytest.mark.parametrize("width", [360, 1100])
@pytest.mark.parametrize("keys", [[], [Keys.SPACE], [Keys.END]], ids=["set-up", "pass 1", "last pass"])
def test_the_saw_view_fits(driver, server, width, keys):
    driver.set_window_size(width, 800)
    open_page(driver, server.address)
    type_plan(driver, "narrow board, deep passes")
    replace_text(named(driver, "planTilt"), "20")
    open_saw(driver)
    for key in keys:
        press(driver, key)
    sizes = driver.execute_script(
        "const saw = document.getElementById('saw');"
        "return [document.documentElement.scrollWidth, innerWidth, saw.scrollWidth, saw.clientWidth]")
    assert sizes[0] <= sizes[1] and sizes[2] <= sizes[3], sizes
    small = driver.execute_script(
        "return [...document.querySelectorAll('#saw button')]"
        ".filter(e => e.offsetParent && (e.offsetHeight < 44 || e.offsetWidth < 44))"
        ".map(e => e.dataset.name)")
    assert small == []
    # The pass and the blade height stand larger than the planner's own type.
    for control in ("sawPass", "sawHeight"):
        size = driver.execute_script(
            "return parseFloat(getComputedStyle(arguments[0]).fontSize)", named(driver, control))
        assert size >= 25, control
    assert console_errors(driver) == []


# Printing the template. The paper in points, as the PDF must have it, and the printable area
# the page asks the core to lay out: half an inch all round, less a 40 pt strip at the foot
# for the 100 mm check line.
PAPER_POINTS = {"letter": (612, 792), "a4": (595.28, 841.89)}
PRINT_MARGIN = 36
PRINT_STRIP = 40
PRINT_DPI = 254  # ten pixels to the millimetre
PRINT_PLANS = {
    "upright": SAW_PLANS["plain cove"],
    "tilted": {"coveWidth": "3", "coveDepth": "5/8", "boardWidth": "5", "boardThickness": "1",
               "tilt": "30"},
}
CHECK_SENTENCE = ("Print at 100 % (“Actual size”), not “Fit to page”: the line above must "
                  "measure 100 mm.")


def core_pages(driver, boxes, width, height):
    """The pages the core composes for the boxes, from a module of its own in the page."""
    return json.loads(driver.execute_async_script(
        "const [boxes, width, height, done] = arguments;"
        "ArcwrightCore().then((core) => { const p = new core.Planner();"
        " for (const [box, text] of Object.entries(boxes)) p.type(box, text);"
        " const pages = p.pages(width, height); p.delete(); done(pages); });",
        boxes, width, height))


def longest_horizontal_line(items):
    """The longest horizontal stroke on a page, in points: lines on one row that touch are
    one stroke on paper."""
    rows = {}
    for item in items:
        if "line" in item and abs(item["line"][1] - item["line"][3]) < 0.01:
            x1, _, x2, _ = item["line"]
            rows.setdefault(round(item["line"][1], 1), []).append(sorted((x1, x2)))
    longest = 0
    for spans in rows.values():
        spans.sort()
        start, end = spans[0]
        for a, b in spans[1:] + [[float("inf"), float("inf")]]:
            if a > end + 0.5:
                longest = max(longest, end - start)
                start, end = a, b
            else:
                end = max(end, b)
    return longest


def print_template(driver, paper):
    """Chooses the paper and prints, with the browser's print dialog kept shut; the number
    of times the page asked for the dialog."""
    Select = pytest.importorskip("selenium.webdriver.support.ui").Select
    Select(named(driver, "planPaper")).select_by_value(paper)
    driver.execute_script("window.dialogs = 0; window.print = () => { window.dialogs += 1; };")
    named(driver, "planPrint").click()
    return driver.execute_script("return window.dialogs")


@pytest.mark.parametrize("paper", PAPER_POINTS)
@pytest.mark.parametrize("plan", PRINT_PLANS)
def test_the_template_prints_full_size(driver, server, printed_pdf, paper, plan):
    boxes = PRINT_PLANS[plan]
    open_page(driver, server.address)
    named(driver, "CommandPlan").click()
    for box, text in boxes.items():
        replace_text(named(driver, PLANNER_BOXES[box]), text)
    assert print_template(driver, paper) == 1
    pdf = printed_pdf(base64.b64decode(driver.execute_cdp_cmd("Page.printToPDF", {
        "preferCSSPageSize": True, "scale": 1, "printBackground": True})["data"]))
    width, height = PAPER_POINTS[paper]
    core = core_pages(driver, boxes, width - 2 * PRINT_MARGIN, height - 2 * PRINT_MARGIN - PRINT_STRIP)
    assert core["printed"]
    # The set-up page and the plan of the saw table tiled over several sheets.
    assert len(core["pages"]) >= 4
    sizes = pdf.page_sizes()
    assert len(sizes) == len(core["pages"])
    for size in sizes:
        assert abs(size[0] - width) <= 1 and abs(size[1] - height) <= 1, size

    texts = pdf.page_texts()
    assert len(texts) == len(sizes)
    for number, text in enumerate(texts):
        flat = " ".join(text.split())
        assert CHECK_SENTENCE in flat, number
        assert "Cove set-up template" in flat if number == 0 else (
            "each square must measure what is written in it" in flat), number
        for other in ("Plan a Cove", "Take the Calculator", "Save Job", "Print Template"):
            assert other not in flat, (number, other)

    mm = PRINT_DPI / 25.4
    for number, page in enumerate(core["pages"]):
        columns, rows, grey = pdf.grey_page(number + 1, PRINT_DPI)
        # The check line, under the drawing: 100 mm to half a millimetre.
        strip_top = rows - round((PRINT_MARGIN + PRINT_STRIP) / 72 * PRINT_DPI)
        check = pdf.longest_dark_run(grey[strip_top + round(2 * mm):])
        assert abs(check - 100 * mm) <= 5, (number, check)
        # The drawing at the core's scale: its longest horizontal stroke as long on paper.
        drawing = grey[round(PRINT_MARGIN / 72 * PRINT_DPI):strip_top]
        stroke = pdf.longest_dark_run(drawing, darker_than=192)
        expected = longest_horizontal_line(page["items"]) / 72 * PRINT_DPI
        assert abs(stroke - expected) <= 5, (number, stroke, expected)
    assert console_errors(driver) == []


# The template's button follows the plan: no plan, one the saw cannot cut, one it can.
# "At the Saw..." wants passes and "Print Template..." a plan that can be drawn: neither
# with no boxes, a cove deeper than the saw reaches, or a blade no table saw takes.
@pytest.mark.parametrize("boxes, enabled", [
    ({}, False),
    ({"coveWidth": "5", "coveDepth": "3.5", "boardWidth": "8", "boardThickness": "4"}, False),
    ({"coveWidth": "1", "coveDepth": "1/4", "boardWidth": "2", "boardThickness": "1",
      "bladeDiameter": "4"}, False),
    (SAW_PLANS["plain cove"], True),
])
def test_the_plan_buttons_need_a_plan(driver, server, boxes, enabled):
    open_page(driver, server.address)
    named(driver, "CommandPlan").click()
    for box, text in boxes.items():
        replace_text(named(driver, PLANNER_BOXES[box]), text)
    assert named(driver, "planAtSaw").is_enabled() == enabled
    assert named(driver, "planPrint").is_enabled() == enabled
    if enabled:
        assert print_template(driver, "a4") == 1
        sheets = driver.find_elements(By.CSS_SELECTOR, ".print-sheet")
        assert sheets and not sheets[0].is_displayed()
        # The dialog closed, the page is as it was.
        driver.execute_script("window.dispatchEvent(new Event('afterprint'))")
        assert driver.find_elements(By.CSS_SELECTOR, ".print-sheet, style[data-name='planPrintPage']") == []
        assert named(driver, "planCoveWidth").get_property("value") == "2 1/2"
    assert console_errors(driver) == []


# The paper from the browser's language, unless one was chosen before.
@pytest.mark.parametrize("language, paper", [
    ("en-US", "letter"), ("fr-CA", "letter"), ("en", "letter"), ("en-GB", "a4"), ("pt-BR", "a4"),
    ("zz-garbage!", "a4"),
])
def test_the_paper_follows_the_language(driver, server, language, paper):
    driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {
        "source": "Object.defineProperty(Navigator.prototype, 'language', {get: () => %s});"
                  % json.dumps(language)})
    open_page(driver, server.address)
    named(driver, "CommandPlan").click()
    assert named(driver, "planPaper").get_property("value") == paper
    other = "a4" if paper == "letter" else "letter"
    Select = pytest.importorskip("selenium.webdriver.support.ui").Select
    Select(named(driver, "planPaper")).select_by_value(other)
    driver.refresh()
    open_page(driver, driver.current_url)
    assert named(driver, "planPaper").get_property("value") == other
    assert console_errors(driver) == []
