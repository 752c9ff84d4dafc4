# SPDX-FileCopyrightText: 2026 Arcwright developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The page's budgets in headless Chromium on 127.0.0.1: the time from navigation to a
usable calculator, and a keystroke in the calculator until every read-out and drawing is
updated (median). Run by `bash scripts/web.sh bench`.

    python3 page_bench.py SITE_DIR"""

import socket
import statistics
import subprocess
import sys
import tempfile
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

site = sys.argv[1]
with socket.socket() as s:
    s.bind(("127.0.0.1", 0))
    port = s.getsockname()[1]
server = subprocess.Popen([sys.executable, "-m", "http.server", str(port), "--bind", "127.0.0.1",
                           "--directory", site], stdout=subprocess.DEVNULL,
                          stderr=subprocess.DEVNULL)
time.sleep(0.5)
options = webdriver.ChromeOptions()
profile = tempfile.TemporaryDirectory()
for argument in ("--headless=new", "--no-sandbox", "--disable-dev-shm-usage",
                 f"--user-data-dir={profile.name}"):
    options.add_argument(argument)
driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
try:
    loads = []
    for _ in range(5):
        driver.get(f"http://127.0.0.1:{port}/")
        while not driver.execute_script("return document.body.dataset.ready === 'true'"):
            time.sleep(0.01)
        loads.append(driver.execute_script("return Number(document.body.dataset.readyAt)"))
    driver.execute_script("document.querySelector('[data-name=Command12]').click()")
    keystrokes = driver.execute_script("""
        const box = document.querySelector('[data-name=Text2]');
        const times = [];
        const texts = ['36.8', '36.9', '37', '45', '30.25'];
        for (let i = 0; i < 200; i++) {
          const start = performance.now();
          box.value = texts[i % 5];
          box.dispatchEvent(new Event('input', {bubbles: true}));
          times.push(performance.now() - start);
        }
        return times;""")
    print(f"page: a usable calculator {statistics.median(loads):.0f} ms after navigation "
          f"(median of {len(loads)}); a keystroke {statistics.median(keystrokes):.2f} ms "
          f"(median of {len(keystrokes)})")
finally:
    driver.quit()
    server.terminate()
    profile.cleanup()
