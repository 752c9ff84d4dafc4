// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The calls the page makes, timed in the module under node: the same loops as
// bench/web_bench.cpp times natively. Medians in microseconds.
//
//   node bench.js MODULE.js

'use strict';
const path = require('path');
const ArcwrightCore = require(path.resolve(process.argv[2]));

function medianMicroseconds(runs, once) {
  const times = [];
  for (let i = 0; i < runs; i++) {
    const start = process.hrtime.bigint();
    once(i);
    times.push(Number(process.hrtime.bigint() - start) / 1000);
  }
  times.sort((a, b) => a - b);
  return times[Math.floor(runs / 2)];
}

const angles = ['36.8', '36.9', '37', '45', '30.25'];
const widths = ['2.5', '2 5/8', '3', '2.75', '3 1/8'];

ArcwrightCore().then((core) => {
  const calculator = new core.Calculator();
  calculator.dismissSafetyNote();
  const planner = new core.Planner();
  planner.type('coveDepth', '0.5');
  planner.type('boardWidth', '4');
  planner.type('boardThickness', '1');
  let sink = 0;
  const keystroke = medianMicroseconds(400, (i) => calculator.type('angle', angles[i % 5]));
  const keystrokeShown = medianMicroseconds(200, (i) => {
    calculator.type('angle', angles[i % 5]);
    sink += calculator.state().length;
  });
  const plan = medianMicroseconds(400, (i) => {
    planner.type('coveWidth', widths[i % 5]);
    sink += planner.state().length;
  });
  calculator.delete();
  planner.delete();
  console.log(`module: a calculator keystroke ${keystroke.toFixed(1)} us, with its state ` +
              `${keystrokeShown.toFixed(1)} us; a planner solve with its state ` +
              `${plan.toFixed(1)} us (${sink % 10})`);
});
