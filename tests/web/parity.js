// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Plays the parity table's set-ups through the WebAssembly module and compares what it shows
// with what the native build showed, byte for byte.
//
//   node parity.js MODULE.js TABLE.jsonl

'use strict';
const fs = require('fs');
const path = require('path');

const [modulePath, tablePath] = process.argv.slice(2);
const ArcwrightCore = require(path.resolve(modulePath));

// The same actions as parity_table.cpp plays.
function play(action, calculator, planner, saw) {
  const [what, a, b] = action;
  switch (what) {
    case 'calc.type': calculator.type(a, b); break;
    case 'calc.focus': calculator.focus(a, b); break;
    case 'calc.bar': calculator.moveAngleBar(a); break;
    case 'calc.target': calculator.chooseTarget(a); break;
    case 'calc.resolution': calculator.chooseResolution(a); break;
    case 'calc.step': calculator.step(a, b); break;
    case 'calc.ok': calculator.dismissSafetyNote(); break;
    case 'calc.iso': calculator.clickIsoView(); break;
    case 'plan.type': planner.type(a, b); break;
    case 'plan.unit': planner.chooseUnit(a); break;
    case 'plan.lean': planner.chooseLean(a); break;
    case 'plan.take': planner.takeSetup(calculator); break;
    case 'saw.follow': saw.follow(planner); break;
    case 'saw.next': saw.next(); break;
    case 'saw.back': saw.back(); break;
    case 'saw.last': saw.last(); break;
    case 'plan.job': {
      const problem = planner.openJob(planner.jobText(a));
      if (problem) throw new Error(`a kept job did not open: ${problem}`);
      break;
    }
    default: throw new Error(`unknown action ${what}`);
  }
}

// Where two texts first differ, with a little around it.
function firstDifference(expected, actual) {
  let i = 0;
  while (i < expected.length && expected[i] === actual[i]) i++;
  const from = Math.max(0, i - 60);
  return `at ${i}:\n  native: …${expected.slice(from, i + 60)}\n  module: …${actual.slice(from, i + 60)}`;
}

ArcwrightCore().then((core) => {
  const lines = fs.readFileSync(tablePath, 'utf8').split('\n').filter((l) => l);
  let failed = 0;
  for (const [index, line] of lines.entries()) {
    const row = JSON.parse(line);
    const calculator = new core.Calculator();
    const planner = new core.Planner();
    const saw = new core.Saw();
    try {
      for (const action of row.actions) play(action, calculator, planner, saw);
      const states = [['calculator', calculator.state()], ['planner', planner.state()],
                      ['saw', saw.state()]];
      // The drawings and the printed pages, where the table holds them (parity_table.cpp).
      if ('boardEnd' in row) {
        states.push(['boardEnd', planner.boardEndSvg(320, 160)],
                    ['sawDrawing', saw.drawingSvg(480, 240)]);
      }
      if ('pages' in row) {
        const paper = [[540, 720], [559.28, 805.89]][Math.floor(index / 8) % 2];
        states.push(['pages', planner.pages(paper[0], paper[1])]);
      }
      for (const [name, state] of states) {
        if (state !== row[name]) {
          failed++;
          if (failed <= 5) {
            console.log(`set-up ${index} (${JSON.stringify(row.actions).slice(0, 200)}), ` +
                        `the ${name} differs ${firstDifference(row[name], state)}`);
          }
        }
      }
    } finally {
      calculator.delete();
      planner.delete();
      saw.delete();
    }
  }
  console.log(`${lines.length} set-ups, ${failed} texts differ`);
  process.exit(lines.length >= 1000 && failed === 0 ? 0 : 1);
});
