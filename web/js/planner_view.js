// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The planner: every box, inches or millimetres, the blade's lean, the fence angle, the
// passes, where the fence goes and the two tape marks, the warnings and the cautions, all
// in the core's words. The job stands in the page's address after "#", so a link or a
// bookmark opens it again, and the last one is kept in the browser's storage; with it the
// count of passes made at the saw, so a reload in the middle of the cove goes on from there.
// A job is saved to a file and opened from one too.

import { SVG, make } from './dom.js';
import { PrintView } from './print_view.js';

// Each box: the core's key for it and the desktop's control; its caption is the core's name
// for it, as the planner's sentences call it.
const BOXES = [
  ['coveWidth', 'planCoveWidth'],
  ['coveDepth', 'planCoveDepth'],
  ['boardWidth', 'planBoardWidth'],
  ['boardThickness', 'planBoardThickness'],
  ['coveOffset', 'planCoveOffset'],
  ['bladeDiameter', 'planBladeDiameter'],
  ['kerf', 'planKerf'],
  ['passDepth', 'planPassDepth'],
  ['tilt', 'planTilt'],
  ['maxHeight', 'planMaxHeight'],
];
// The read-outs: the core's name for each figure, the desktop's control and its caption.
const READOUTS = [
  ['angle', 'planAngle', 'Fence to blade'],
  ['complement', 'planComplement', 'Fence to front edge'],
  ['bladeHeight', 'planBladeHeight', 'Final blade height'],
  ['woodFenceSide', 'planWoodFence', 'Wood, fence side'],
  ['woodFarSide', 'planWoodFar', 'Wood, far side'],
  ['fenceDistance', 'planFenceDistance', 'Fence face from centre point'],
  ['bladeMark', 'planMarkBlade', 'Crosses the blade line, in front'],
  ['squareMark', 'planMarkSquare', 'Crosses the square line, right'],
  ['steepWall', 'planHalfSteep', 'Steep wall, from the deepest point'],
  ['gentleWall', 'planHalfGentle', 'Gentle wall'],
];
// The board end's picture, in pixels: the width of the results column, a board's proportions.
const END_VIEW = { width: 480, height: 200 };
const STORAGE_KEY = 'arcwright.job';
const JOB_FILE = 'job.arcwright';
// A job is a few hundred bytes; anything this large is not one, and is not read.
const LARGEST_JOB_FILE = 1024 * 1024;

// A length read-out: the unit's text, with the shop fraction in inches.
const spoken = (length) => (length ? length.spoken : '');

export class PlannerView {
  // `saw`: the view at the saw (saw_view.js), which keeps the count through this plan.
  constructor(core, root, calculator, saw) {
    this.core = core;
    this.model = new core.Planner();
    this.calculator = calculator;
    this.saw = saw;
    this.root = root;
    this.controls = {};
    this.problem = '';
    saw.onMove = () => this.keepJob();
    saw.onClose = () => {
      this.keepJob();
      this.controls.atSaw.focus();
    };
    this.build();
    this.render();
  }

  build() {
    const form = make('form', { class: 'planner', autocomplete: 'off' });
    form.addEventListener('submit', (event) => event.preventDefault());
    const boxes = make('div', { class: 'boxes' });
    const names = JSON.parse(this.core.Planner.boxNames());
    for (const [name, control] of BOXES) {
      const field = make('div', { class: 'field' });
      const id = `plan-${name}`;
      field.append(make('label', { for: id }, names[name]));
      const box = make('input', { id, 'data-name': control, inputmode: 'decimal',
                                  spellcheck: 'false', autocapitalize: 'off', maxlength: '64' });
      box.addEventListener('input', () => { this.model.type(name, box.value); this.changed(); });
      if (name === 'coveOffset') box.placeholder = 'centred';
      if (name === 'tilt') box.placeholder = 'upright';
      field.append(box);
      boxes.append(field);
      this.controls[name] = box;
    }
    form.append(boxes);

    const choices = make('div', { class: 'choices' });
    const units = make('fieldset');
    units.append(make('legend', {}, 'Unit'));
    for (const [unit, control, text] of [['in', 'planInches', 'Inches'], ['mm', 'planMillimetres', 'Millimetres']]) {
      const label = make('label');
      const option = make('input', { type: 'radio', name: 'unit', 'data-name': control });
      option.addEventListener('change', () => { this.model.chooseUnit(unit); this.changed(); });
      label.append(option, ' ', text);
      units.append(label);
      this.controls[control] = option;
    }
    const lean = make('fieldset');
    lean.append(make('legend', {}, 'A tilted blade leans'));
    for (const [way, control, text] of [['towardFence', 'planTiltToward', 'toward the fence'],
                                        ['awayFromFence', 'planTiltAway', 'away from the fence']]) {
      const label = make('label');
      const option = make('input', { type: 'radio', name: 'lean', 'data-name': control });
      option.addEventListener('change', () => { this.model.chooseLean(way); this.changed(); });
      label.append(option, ' ', text);
      lean.append(label);
      this.controls[control] = option;
    }
    const take = make('button', { type: 'button', 'data-name': 'planTake' }, "Take the Calculator's Set-up");
    take.addEventListener('click', () => { this.model.takeSetup(this.calculator.model); this.changed(); });
    choices.append(units, lean, take);
    form.append(choices);

    const job = make('div', { class: 'job' });
    const atSaw = make('button', { type: 'button', 'data-name': 'planAtSaw' }, 'At the Saw…');
    atSaw.addEventListener('click', () => this.saw.open(this.model));
    const save = make('button', { type: 'button', 'data-name': 'planSaveJob' }, 'Save Job…');
    save.addEventListener('click', () => this.saveJob());
    const open = make('button', { type: 'button', 'data-name': 'planOpenJob' }, 'Open Job…');
    const file = make('input', { type: 'file', accept: '.arcwright,application/json',
                                 'data-name': 'planJobFile', 'aria-label': 'Job file', hidden: '' });
    open.addEventListener('click', () => file.click());
    file.addEventListener('change', () => {
      const [chosen] = file.files;
      // Cleared, so that the same file chosen again opens again.
      file.value = '';
      if (chosen) this.openJobFile(chosen);
    });
    this.printing = new PrintView(this.model);
    job.append(atSaw, save, open, file, ...this.printing.controls);
    form.append(job);
    this.controls.atSaw = atSaw;

    const results = make('section', { class: 'results', 'aria-label': 'The plan' });
    const c = this.controls;
    c.status = make('p', { 'data-name': 'planStatus', class: 'status', role: 'status', 'aria-live': 'polite' });
    c.warning = make('p', { 'data-name': 'planWarning', class: 'warning', role: 'alert' });
    c.caution = make('ul', { 'data-name': 'planCaution', class: 'caution' });
    const figures = make('dl', { class: 'figures' });
    c.readouts = {};
    for (const [name, control, caption] of READOUTS) {
      const row = make('div');
      const value = make('dd', { 'data-name': control });
      row.append(make('dt', {}, caption), value);
      figures.append(row);
      c.readouts[name] = { row, value };
    }
    c.fenceSide = make('p', { 'data-name': 'planFenceSide' });
    c.centrePoint = make('p', { 'data-name': 'planCentrePoint' });
    c.note = make('p', { 'data-name': 'planNote' });
    c.endView = document.createElementNS(SVG, 'svg');
    c.endView.setAttribute('viewBox', `0 0 ${END_VIEW.width} ${END_VIEW.height}`);
    c.endView.setAttribute('role', 'img');
    c.endView.setAttribute('aria-label', 'The board end with the planned cove');
    c.endView.dataset.name = 'planEndView';
    c.endView.classList.add('end-view');
    const table = make('table', { 'data-name': 'planPasses' });
    table.append(make('caption', {}, 'Passes'), make('thead'), make('tbody'));
    c.passHead = table.tHead;
    c.passes = table.tBodies[0];
    results.append(c.status, c.warning, c.caution, figures, c.fenceSide, c.centrePoint, c.note,
                   c.endView, table);
    form.append(results);
    this.root.replaceChildren(form);
  }

  changed() {
    this.problem = '';
    // A changed plan starts the count at the saw over; the same plan keeps it.
    this.saw.follow(this.model);
    this.render();
    this.keepJob();
  }

  // The job in the address, without a new history entry per keystroke, and in storage.
  keepJob() {
    const text = this.model.jobText(this.saw.passesMade());
    history.replaceState(null, '', `#${encodeURIComponent(text)}`);
    try {
      localStorage.setItem(STORAGE_KEY, text);
    } catch {
      // Storage may be full or switched off; the address still holds the job.
    }
  }

  // Opens the job in the address, or else the one kept; a job that cannot be read is
  // said in a sentence, and the planner keeps its defaults.
  openFromAddress() {
    let text = '';
    try {
      text = location.hash.length > 1 ? decodeURIComponent(location.hash.slice(1)) : '';
    } catch {
      this.problem = 'The link does not hold a job Arcwright can read.';
    }
    if (!text && !this.problem) {
      try {
        text = localStorage.getItem(STORAGE_KEY) ?? '';
      } catch {
        text = '';
      }
    }
    if (text) this.opened(this.model.openJob(text));
    this.render();
  }

  // After a job was opened or refused: the count at the saw goes on from the job's pass.
  opened(problem) {
    this.problem = problem;
    if (problem) return;
    this.saw.follow(this.model);
    this.saw.resumeAt(this.model.jobSawPass());
  }

  saveJob() {
    const blob = new Blob([this.model.jobText(this.saw.passesMade())], { type: 'application/json' });
    const address = URL.createObjectURL(blob);
    const link = make('a', { href: address, download: JOB_FILE });
    link.hidden = true;
    document.body.append(link);
    link.click();
    link.remove();
    // The download has its own copy once it starts.
    setTimeout(() => URL.revokeObjectURL(address), 0);
  }

  // A job from a file: opened, or refused in a sentence with the planner as it was.
  async openJobFile(file) {
    if (file.size > LARGEST_JOB_FILE) {
      this.problem = 'That file is over 1 MB, far too large to be an Arcwright job; it was not opened.';
      this.render();
      return;
    }
    let text;
    try {
      text = await file.text();
    } catch {
      this.problem = 'That file could not be read; the planner keeps what it had.';
      this.render();
      return;
    }
    this.opened(this.model.openJob(text));
    this.render();
    if (!this.problem) this.keepJob();
  }

  render() {
    const state = JSON.parse(this.model.state());
    const c = this.controls;
    for (const [name] of BOXES) {
      const box = c[name];
      const shown = state.boxes[name];
      if (box.value !== shown.text) box.value = shown.text;
      box.setAttribute('aria-invalid', String(!shown.readable && shown.fault !== 'empty'));
    }
    // An empty reach box stands for the figure the planner takes from the blade.
    c.maxHeight.placeholder = state.maxHeight.text;
    c.planInches.checked = state.unit === 'in';
    c.planMillimetres.checked = state.unit === 'mm';
    c.planTiltToward.checked = state.lean === 'towardFence';
    c.planTiltAway.checked = state.lean === 'awayFromFence';
    const plan = state.plan;
    const words = state.words;
    c.status.textContent = this.problem || words.status;
    c.status.classList.toggle('refused', c.status.textContent !== '');
    c.warning.textContent = words.warnings.join(' ');
    c.caution.replaceChildren(...state.cautions.map((text) => make('li', {}, text)));
    for (const [name] of READOUTS) {
      const { row, value } = c.readouts[name];
      value.textContent = state.readouts[name];
      row.hidden = value.textContent === '';
    }
    c.readouts.woodFenceSide.value.classList.toggle('thin', state.readouts.thinFenceSide);
    c.readouts.woodFarSide.value.classList.toggle('thin', state.readouts.thinFarSide);
    c.fenceSide.textContent = state.readouts.fenceSide;
    c.centrePoint.textContent = state.readouts.centrePoint;
    c.note.textContent = words.calculatorNote;
    c.endView.innerHTML = this.model.boardEndSvg(END_VIEW.width, END_VIEW.height);
    c.atSaw.disabled = plan.passes.length === 0;
    this.printing.render(state.usable);
    // A tilted blade's passes carry each wall's reach in a column of their own.
    const headings = words.walls ? [...words.passHeadings, words.walls] : words.passHeadings;
    const head = make('tr');
    head.append(...headings.map((h) => make('th', { scope: 'col' }, h)));
    c.passHead.replaceChildren(head);
    c.passes.replaceChildren(...plan.passes.map((pass) => {
      const row = make('tr');
      row.append(make('td', {}, String(pass.number)), make('td', {}, spoken(pass.bladeHeight)),
                 make('td', {}, spoken(pass.coveWidth)));
      if (words.walls) row.append(make('td', {}, pass.walls));
      return row;
    }));
    return state;
  }
}
