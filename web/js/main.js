// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Starts the page: loads the core, shows the calculator, the planner and the view at the
// saw, and keeps the planner's job in the address and in the browser's storage.

import { CalculatorView } from './calculator_view.js';
import { PlannerView } from './planner_view.js';
import { SawView } from './saw_view.js';

function showTab(name) {
  for (const tab of document.querySelectorAll('[role="tab"]')) {
    const chosen = tab.dataset.tab === name;
    tab.setAttribute('aria-selected', String(chosen));
    tab.tabIndex = chosen ? 0 : -1;
    document.getElementById(tab.getAttribute('aria-controls')).hidden = !chosen;
  }
}

async function start() {
  const status = document.getElementById('loading');
  let core;
  try {
    core = await globalThis.ArcwrightCore();
  } catch (error) {
    status.textContent = `Arcwright could not start in this browser: ${error.message ?? error}`;
    return;
  }
  const calculator = new CalculatorView(core, document.getElementById('calculator'));
  const saw = new SawView(core, document.getElementById('saw'));
  const planner = new PlannerView(core, document.getElementById('planner'), calculator, saw);
  for (const tab of document.querySelectorAll('[role="tab"]')) {
    tab.addEventListener('click', () => showTab(tab.dataset.tab));
  }
  showTab(location.hash.length > 1 ? 'planner' : 'calculator');
  status.hidden = true;
  document.body.dataset.readyAt = String(Math.round(performance.now()));
  document.body.dataset.ready = 'true';
  planner.openFromAddress();
  if ('serviceWorker' in navigator && window.isSecureContext) {
    navigator.serviceWorker.register('sw.js', { updateViaCache: 'none' }).catch(() => {});
  }
}

start();
