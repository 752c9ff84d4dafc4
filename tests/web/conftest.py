# SPDX-FileCopyrightText: 2026 Arcwright developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The built site served on a free port of 127.0.0.1 and a headless Chromium to drive it;
both end with the tests. ARCWRIGHT_SITE names the site's folder, ARCWRIGHT_PLAY the native
program that plays actions (web_parity_table --play)."""

import json
import os
import shutil
import socket
import subprocess
import sys
import tempfile
import time

import pytest

SITE = os.environ.get("ARCWRIGHT_SITE", "")
PLAY = os.environ.get("ARCWRIGHT_PLAY", "")


class Server:
    """python3 -m http.server on the site, stopped and started again by the offline test."""

    def __init__(self, folder):
        self.folder = folder
        with socket.socket() as s:
            s.bind(("127.0.0.1", 0))
            self.port = s.getsockname()[1]
        self.process = None
        self.start()

    def start(self):
        self.process = subprocess.Popen(
            [sys.executable, "-m", "http.server", str(self.port), "--bind", "127.0.0.1",
             "--directory", self.folder],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        deadline = time.monotonic() + 10
        while time.monotonic() < deadline:
            try:
                socket.create_connection(("127.0.0.1", self.port), timeout=0.2).close()
                return
            except OSError:
                time.sleep(0.05)
        raise RuntimeError("the site's server did not start")

    def stop(self):
        if self.process and self.process.poll() is None:
            self.process.terminate()
            self.process.wait(timeout=10)

    @property
    def address(self):
        return f"http://127.0.0.1:{self.port}/"


@pytest.fixture(scope="session")
def server():
    if not SITE or not os.path.isfile(os.path.join(SITE, "index.html")):
        pytest.skip("no built site (bash scripts/web.sh build makes it)")
    s = Server(SITE)
    yield s
    s.stop()


@pytest.fixture(scope="session")
def browser_folder():
    folder = tempfile.mkdtemp(prefix="arcwright-chromium-")
    yield folder
    shutil.rmtree(folder, ignore_errors=True)


@pytest.fixture()
def driver(browser_folder):
    webdriver = pytest.importorskip("selenium.webdriver")
    from selenium.webdriver.chrome.service import Service
    if not shutil.which("chromedriver") and not os.path.exists("/usr/bin/chromedriver"):
        pytest.skip("chromedriver is missing (scripts/setup.sh installs it)")
    options = webdriver.ChromeOptions()
    profile = tempfile.mkdtemp(dir=browser_folder)
    for argument in ("--headless=new", "--no-sandbox", "--disable-dev-shm-usage",
                     "--disable-gpu", f"--user-data-dir={profile}"):
        options.add_argument(argument)
    options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
    d = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    d.set_window_size(1100, 1200)
    yield d
    d.quit()


@pytest.fixture(scope="session")
def native():
    """Plays action lists natively and gives the states the desktop's core shows."""
    if not PLAY or not os.path.exists(PLAY):
        pytest.skip("no native player (ARCWRIGHT_PLAY)")

    def play(actions_list):
        text = "".join(json.dumps(a) + "\n" for a in actions_list)
        out = subprocess.run([PLAY, "--play"], input=text, capture_output=True, text=True,
                             check=True).stdout
        return [{k: json.loads(v) for k, v in json.loads(line).items()}
                for line in out.splitlines()]
    return play
