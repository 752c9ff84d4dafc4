// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The calculator: the four inputs with their shop-fraction read-outs, the cut width, the
// warnings, the safety note first, the step buttons, 16ths or 32nds, the angle bar and the
// three drawings. Every event goes to the core; what it shows comes back from the core.

import { SVG, make } from './dom.js';

// Each input: its name in the core, the desktop's box, its title, its read-out's labels
// (whole, numerator, slash, denominator, mark), and its option as the steps' target.
const INPUTS = [
  { name: 'boardWidth', box: 'Text4', title: 'boardWidth', labels: [28, 27, 26, 25, 24], option: 'Option2' },
  { name: 'boardThickness', box: 'Text3', title: 'boardThickness', labels: [29, 30, 31, 32, 33], option: 'Option1' },
  { name: 'bladeHeight', box: 'Text1', title: 'bladeHeight', labels: [36, 37, 38, 39, 40], option: 'Option3' },
  { name: 'angle', box: 'Text2', title: 'cutAngle', labels: null, option: null },
];
// The step buttons' columns: inches, heading label, "+" and "-" buttons.
const STEPS = [
  [0.25, '1/4', 'Label21', 'Command9', 'Command8'],
  [0.125, '1/8', 'Label18', 'Command2', 'Command3'],
  [0.0625, '1/16', 'Label20', 'Command6', 'Command7'],
  [0.03125, '1/32', 'Label19', 'Command5', 'Command4'],
];
// The drawings, with the desktop picture's size in pixels.
const DRAWINGS = [
  { name: 'section', picture: 'Picture1', width: 337, height: 121, label: 'Section of the board with the cove' },
  { name: 'plan', picture: 'Picture2', width: 107, height: 120, label: 'Plan of the saw table' },
  { name: 'iso', picture: 'Picture4', width: 201, height: 168, label: 'The moulding, in an isometric view' },
];
// The angle bar's travel in degrees, as on the desktop.
const BAR_TOP = 85;
const BAR_BOTTOM = 5;
const COLOURS = { white: '#ffffff', highlight: '#ffff80', grey: '#808080', desktop: '' };

function readoutRow(labels) {
  const row = make('span', { class: 'readout' });
  row.append('(');
  const parts = labels.map((n) => make('span', { 'data-name': `Label${n}` }));
  row.append(...parts, ')');
  return { row, parts };
}

export class CalculatorView {
  constructor(core, root) {
    this.core = core;
    this.model = new core.Calculator();
    this.words = JSON.parse(core.Calculator.words());
    this.root = root;
    this.controls = {};
    this.build();
    this.render();
  }

  build() {
    const w = this.words;
    const root = this.root;
    root.replaceChildren();

    // The safety note comes first, and everything else waits behind it.
    const note = make('div', { class: 'safety', 'data-name': 'Frame2', role: 'alertdialog',
                               'aria-labelledby': 'safetyTitle', 'aria-describedby': 'safetyText' });
    note.append(make('h2', { id: 'safetyTitle' }, w.warning),
                make('p', { id: 'safetyText', 'data-name': 'Label47' }, w.safetyNote));
    const ok = make('button', { type: 'button', 'data-name': 'Command12' }, w.ok);
    ok.addEventListener('click', () => { this.model.dismissSafetyNote(); this.render(); });
    note.append(ok);
    this.controls.note = note;
    this.controls.ok = ok;

    const form = make('form', { class: 'calculator', autocomplete: 'off' });
    form.addEventListener('submit', (event) => event.preventDefault());
    this.controls.form = form;
    const inputs = make('div', { class: 'inputs' });
    for (const input of INPUTS) {
      const field = make('div', { class: 'field' });
      const id = `calc-${input.name}`;
      field.append(make('label', { for: id }, w[input.title]));
      const box = make('input', { id, 'data-name': input.box, inputmode: 'decimal',
                                  spellcheck: 'false', autocapitalize: 'off', maxlength: '64' });
      box.addEventListener('input', () => { this.model.type(input.name, box.value); this.render(); });
      if (input.name === 'angle') {
        box.addEventListener('focus', () => { this.model.focus('angle', true); this.render(); });
        box.addEventListener('blur', () => { this.model.focus('angle', false); this.render(); });
      }
      field.append(box);
      if (input.labels) {
        const { row, parts } = readoutRow(input.labels);
        field.append(row);
        this.controls[`${input.name}Readout`] = parts;
        const option = make('input', { type: 'radio', name: 'target', 'data-name': input.option,
                                       'aria-label': `${w.dimensionAdjustment}: ${w[input.title]}` });
        option.addEventListener('change', () => { this.model.chooseTarget(input.name); this.render(); });
        field.append(option);
        this.controls[`${input.name}Option`] = option;
      } else {
        const bar = make('input', { type: 'range', min: String(BAR_BOTTOM), max: String(BAR_TOP),
                                    step: '1', 'data-name': 'VScroll1', 'aria-label': w.cutAngle });
        bar.addEventListener('input', () => { this.model.moveAngleBar(Number(bar.value)); this.render(); });
        field.append(bar);
        this.controls.bar = bar;
      }
      this.controls[input.name] = box;
      inputs.append(field);
    }
    form.append(inputs);

    // The result line, with the cut width's fraction, read out when it changes.
    const result = make('p', { class: 'result', role: 'status', 'aria-live': 'polite' });
    const caption = make('span', { 'data-name': 'Label3' });
    const cut = make('span', { 'data-name': 'Label4', class: 'cut' });
    const { row, parts } = readoutRow([5, 6, 7, 8, 9]);
    result.append(caption, ' ', cut, ' ', row);
    this.controls.caption = caption;
    this.controls.cut = cut;
    this.controls.cutReadout = parts;
    form.append(result);

    const warnings = make('div', { class: 'warnings', role: 'alert' });
    this.controls.bladeHigh = make('p', { 'data-name': 'Label1' }, w.bladeHeightHigh);
    this.controls.tooWide = make('p', { 'data-name': 'Label2' }, w.cutTooWide);
    warnings.append(this.controls.bladeHigh, this.controls.tooWide);
    form.append(warnings);

    // The step buttons change the chosen input by the column's fraction.
    const steps = make('fieldset', { class: 'steps' });
    steps.append(make('legend', { 'data-name': 'Label44' }, w.dimensionAdjustment));
    for (const [inches, heading, label, plus, minus] of STEPS) {
      const column = make('div', { class: 'step' });
      column.append(make('span', { 'data-name': label }, heading));
      for (const [name, up, sign] of [[plus, true, '+'], [minus, false, '-']]) {
        const button = make('button', { type: 'button', 'data-name': name,
                                        'aria-label': `${up ? 'Up' : 'Down'} ${heading} in.` }, sign);
        button.addEventListener('click', () => { this.model.step(inches, up); this.render(); });
        column.append(button);
      }
      steps.append(column);
    }
    form.append(steps);

    const resolution = make('fieldset', { class: 'resolution', 'data-name': 'Frame1' });
    resolution.append(make('legend', { 'data-name': 'Label43' }, w.minimumFraction));
    for (const [name, denominator, text] of [['Option4', 16, w.sixteenths], ['Option5', 32, w.thirtySeconds]]) {
      const label = make('label');
      const option = make('input', { type: 'radio', name: 'resolution', 'data-name': name });
      option.addEventListener('change', () => { this.model.chooseResolution(denominator); this.render(); });
      label.append(option, ' ', text);
      resolution.append(label);
      this.controls[name] = option;
    }
    form.append(resolution);

    const drawings = make('div', { class: 'drawings' });
    this.controls.drawings = {};
    for (const d of DRAWINGS) {
      const figure = make('figure', { class: `drawing ${d.name}` });
      const svg = document.createElementNS(SVG, 'svg');
      svg.setAttribute('data-name', d.picture);
      svg.setAttribute('viewBox', `0 0 ${d.width} ${d.height}`);
      svg.setAttribute('role', 'img');
      svg.setAttribute('aria-label', d.label);
      figure.append(svg);
      if (d.name === 'plan') figure.append(make('figcaption', { 'data-name': 'Label45' }, w.bladeCentreLine));
      if (d.name === 'iso') {
        figure.append(make('figcaption', { 'data-name': 'Label46' }, w.isoView));
        svg.addEventListener('click', () => { this.model.clickIsoView(); this.render(); });
      }
      drawings.append(figure);
      this.controls.drawings[d.name] = { svg, ...d };
    }
    form.append(drawings);
    root.append(note, form);
  }

  // Shows what the core says, redrawing only the drawings that changed.
  render() {
    const state = JSON.parse(this.model.shown());
    const c = this.controls;
    c.note.hidden = !state.safetyNote;
    c.form.inert = state.safetyNote;
    if (state.safetyNote && document.activeElement !== c.ok) c.ok.focus();
    for (const input of INPUTS) {
      const box = c[input.name];
      const shown = state.inputs[input.name];
      if (box.value !== shown.text) box.value = shown.text;
      box.style.backgroundColor = COLOURS[shown.colour];
      if (input.labels) {
        state.readouts[input.name].forEach((text, i) => { c[`${input.name}Readout`][i].textContent = text; });
        c[`${input.name}Option`].checked = state.target === input.name;
      }
    }
    c.caption.textContent = state.resultCaption;
    c.cut.textContent = state.cutWidth;
    state.readouts.cutWidth.forEach((text, i) => { c.cutReadout[i].textContent = text; });
    c.bladeHigh.hidden = !state.bladeHeightHigh;
    c.tooWide.hidden = !state.cutTooWide;
    c.bar.disabled = !state.angleBar.enabled;
    c.bar.value = String(state.angleBar.position);
    c.Option4.checked = state.resolution === 16;
    c.Option5.checked = state.resolution === 32;
    for (const name of state.changedDrawings) {
      const d = c.drawings[name];
      d.svg.innerHTML = this.model.drawingSvg(name, d.width, d.height);
    }
    return state;
  }
}
