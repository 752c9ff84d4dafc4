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


class PrintedPdf:
    """A PDF the browser printed, read with poppler's tools: its pages' sizes and texts, and
    each page rendered in grey."""

    def __init__(self, path):
        self.path = path

    def _run(self, *command):
        return subprocess.run(command, capture_output=True, check=True).stdout

    def page_sizes(self):
        """(width, height) of every page, in points."""
        info = self._run("pdfinfo", "-f", "1", "-l", "9999", self.path).decode()
        sizes = []
        for line in info.splitlines():
            words = line.split()
            if len(words) > 5 and words[0] == "Page" and words[1].isdigit() and words[2] == "size:":
                sizes.append((float(words[3]), float(words[5])))
        return sizes

    def page_texts(self):
        text = self._run("pdftotext", "-enc", "UTF-8", self.path, "-").decode()
        return text.split("\f")[:-1]

    def grey_page(self, number, dpi):
        """Page `number` (from 1) at `dpi`, as (width, height, rows of grey bytes)."""
        data = self._run("pdftoppm", "-r", str(dpi), "-gray", "-f", str(number), "-l", str(number),
                         self.path)
        # A binary PGM: "P5", width, height, the largest value, one whitespace, the pixels.
        fields, at = [], 0
        while len(fields) < 4:
            while data[at:at + 1].isspace():
                at += 1
            end = at
            while not data[end:end + 1].isspace():
                end += 1
            fields.append(data[at:end])
            at = end
        width, height = int(fields[1]), int(fields[2])
        pixels = data[at + 1:]
        return width, height, [pixels[r * width:(r + 1) * width] for r in range(height)]

    @staticmethod
    def longest_dark_run(rows, darker_than=128):
        """The longest run of pixels darker than `darker_than` along any of the rows."""
        ink = bytes(1 if v < darker_than else 0 for v in range(256))
        longest = 0
        for row in rows:
            marked = row.translate(ink)
            at = marked.find(1)
            while at >= 0:
                end = marked.find(0, at)
                end = len(marked) if end < 0 else end
                longest = max(longest, end - at)
                at = marked.find(1, end)
        return longest


@pytest.fixture()
def printed_pdf():
    """Where a test's printed PDF goes (the build folder's TMPDIR), and a reader for it; the
    folder goes with the test."""
    for tool in ("pdfinfo", "pdftotext", "pdftoppm"):
        if not shutil.which(tool):
            pytest.skip(f"{tool} is missing (poppler-utils has it)")
    folder = tempfile.mkdtemp(prefix="arcwright-print-")

    def write(data, name="template.pdf"):
        path = os.path.join(folder, name)
        with open(path, "wb") as f:
            f.write(data)
        return PrintedPdf(path)
    yield write
    shutil.rmtree(folder, ignore_errors=True)

