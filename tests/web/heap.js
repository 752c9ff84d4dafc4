// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Nothing the module hands out is left behind: after a warm-up, 10,000 keystrokes through
// the calculator and the planner (every hundredth read back as its state, its drawings and
// its printed pages), and a thousand calculators, planners and saw views made and freed,
// leave the module's memory where it was.
//
//   node heap.js MODULE.js

'use strict';
const path = require('path');
const ArcwrightCore = require(path.resolve(process.argv[2]));

const texts = ['0.5', '0.75', '1', '3/4', '36.8', '12.375', '-3', 'abc', '1e999', ''];

function keystrokes(core, count) {
  const calculator = new core.Calculator();
  const planner = new core.Planner();
  try {
    calculator.dismissSafetyNote();
    for (let i = 0; i < count; i++) {
      const text = texts[i % texts.length];
      calculator.type(['bladeHeight', 'angle', 'boardThickness', 'boardWidth'][i % 4], text);
      planner.type(['coveWidth', 'coveDepth', 'boardWidth', 'boardThickness'][i % 4], text);
      if (i % 50 === 0) planner.chooseUnit(i % 100 === 0 ? 'mm' : 'in');
      if (i % 100 === 0 && (calculator.state().length === 0 || planner.state().length === 0 ||
                            planner.pages(540, 720).length === 0 ||
                            planner.boardEndSvg(320, 160) === undefined)) {
        throw new Error('an empty state');
      }
    }
  } finally {
    calculator.delete();
    planner.delete();
  }
}

function madeAndFreed(core, count) {
  for (let i = 0; i < count; i++) {
    const calculator = new core.Calculator();
    const planner = new core.Planner();
    planner.takeSetup(calculator);
    planner.openJob(planner.jobText(i));
    const saw = new core.Saw();
    saw.follow(planner);
    saw.next();
    saw.drawingSvg(480, 240);
    calculator.delete();
    planner.delete();
    saw.delete();
  }
}

ArcwrightCore().then((core) => {
  keystrokes(core, 1000);
  madeAndFreed(core, 100);
  const before = core.HEAP8.length;
  keystrokes(core, 10000);
  madeAndFreed(core, 1000);
  const after = core.HEAP8.length;
  console.log(`the module's memory: ${before} bytes before, ${after} after`);
  process.exit(after === before ? 0 : 1);
});
