// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Printing the template full size: the set-up page with the triangle and the pass table,
// then the plan of the saw table on as many sheets as it takes, each drawn by the core
// exactly as the desktop prints it. Nothing is fitted to the paper: an inch of board is an
// inch on the sheet. Each sheet ends with a 100 mm line, so a printer that shrank the page
// is caught with a rule before the fence is clamped to a wrong line.

import { SVG, make } from './dom.js';

const POINTS_PER_MM = 72 / 25.4;
// The paper in points, and its name for CSS's @page.
const PAPERS = {
  letter: { caption: 'Letter', page: 'letter', width: 8.5 * 72, height: 11 * 72 },
  a4: { caption: 'A4', page: 'A4', width: 210 * POINTS_PER_MM, height: 297 * POINTS_PER_MM },
};
// Where Letter is the paper in the shops; everywhere else it is A4.
const LETTER_REGIONS = new Set(['US', 'CA', 'MX', 'PR', 'PH', 'CL', 'CO', 'VE', 'GT', 'CR', 'PA',
                                'DO', 'SV', 'NI', 'BZ']);
const PAPER_KEY = 'arcwright.paper';
// Half an inch all round: inside what any home printer reaches.
const MARGIN_MM = 12.7;
const MARGIN = MARGIN_MM * POINTS_PER_MM;
// The strip under the drawing for the check line and its sentence, and a little room to
// spare so that rounding in the browser never pushes a sheet onto a second page.
const STRIP = 40;
const STRIP_DRAWN = 38;
const CHECK_LENGTH = 100 * POINTS_PER_MM;
const CHECK_SENTENCE = 'Print at 100 % (“Actual size”), not “Fit to page”: the line above must measure 100 mm.';
// The desktop draws its lines one printer dot wide, the finest line to trace a cove by;
// this is as fine as a line can be asked for and still be seen on every printer.
const LINE_WIDTH = 0.25;
const CHECK_WIDTH = 0.75;
// The share of the type size above the baseline in Liberation Sans and Arial, where the
// browser cannot measure it.
const ASCENT = 0.905;

function drawn(tag, attributes = {}, text = '') {
  const node = document.createElementNS(SVG, tag);
  for (const [key, value] of Object.entries(attributes)) node.setAttribute(key, String(value));
  if (text) node.textContent = text;
  return node;
}

// The face the core names, then the faces with its widths that browsers have.
function fontFamily(name) {
  const named = String(name ?? '').replace(/["\\]/g, '');
  return `${named ? `"${named}", ` : ''}"Liberation Sans", Arial, sans-serif`;
}

// The paper of the shops where the browser's language is spoken: Letter in the Americas
// that use it, A4 elsewhere.
export function paperFor(language) {
  let region = '';
  try {
    region = new Intl.Locale(language).maximize().region ?? '';
  } catch {
    region = (String(language).split(/[-_]/)[1] ?? '').toUpperCase();
  }
  return LETTER_REGIONS.has(region) ? 'letter' : 'a4';
}

function keptPaper() {
  try {
    const kept = localStorage.getItem(PAPER_KEY);
    return Object.hasOwn(PAPERS, kept ?? '') ? kept : '';
  } catch {
    return '';
  }
}

export class PrintView {
  // `model`: the planner's core object, whose pages are printed.
  constructor(model) {
    this.model = model;
    this.paper = keptPaper() || paperFor(navigator.language);
    this.ascents = new Map();
    this.sheets = null;
    this.pageStyle = null;
    this.build();
  }

  build() {
    const paper = make('label', { class: 'paper' }, 'Paper ');
    const choice = make('select', { 'data-name': 'planPaper' });
    for (const [name, { caption }] of Object.entries(PAPERS)) {
      choice.append(make('option', { value: name }, caption));
    }
    choice.value = this.paper;
    choice.addEventListener('change', () => {
      this.paper = choice.value;
      try {
        localStorage.setItem(PAPER_KEY, this.paper);
      } catch {
        // Without storage the choice lasts until the page closes.
      }
    });
    paper.append(choice);
    const button = make('button', { type: 'button', 'data-name': 'planPrint' }, 'Print Template…');
    button.addEventListener('click', () => this.print());
    this.button = button;
    this.choice = choice;
    // The planner puts these beside its other buttons.
    this.controls = [button, paper];
  }

  // Only a plan the core can draw is printed; the planner says why another is not.
  render(usable) {
    this.button.disabled = !usable;
  }

  // The printable area the core lays its pages out in: the paper less its margins and the
  // check strip.
  area() {
    const paper = PAPERS[this.paper];
    return { width: paper.width - 2 * MARGIN, height: paper.height - 2 * MARGIN - STRIP };
  }

  print() {
    if (!this.prepare()) return;
    window.addEventListener('afterprint', () => this.clear(), { once: true });
    window.print();
  }

  // Builds the sheets and the page's paper for printing; false when the plan cannot be drawn.
  prepare() {
    const { width, height } = this.area();
    const result = JSON.parse(this.model.pages(width, height));
    this.clear();
    if (!result.printed || result.pages.length === 0) {
      this.render(false);
      return false;
    }
    const sheets = make('div', { class: 'print-sheets', 'data-name': 'planPrintSheets',
                                 'aria-hidden': 'true', 'data-paper': this.paper });
    for (const page of result.pages) sheets.append(this.sheet(page.items, width, height));
    document.body.append(sheets);
    const paper = PAPERS[this.paper];
    const style = make('style', { 'data-name': 'planPrintPage' });
    style.textContent = `@page { size: ${paper.page}; margin: ${MARGIN_MM}mm; }`;
    document.head.append(style);
    document.documentElement.classList.add('printing');
    this.sheets = sheets;
    this.pageStyle = style;
    return true;
  }

  clear() {
    this.sheets?.remove();
    this.pageStyle?.remove();
    this.sheets = null;
    this.pageStyle = null;
    document.documentElement.classList.remove('printing');
  }

  sheet(items, width, height) {
    const sheet = make('section', { class: 'print-sheet' });
    const drawing = drawn('svg', { width: `${width}pt`, height: `${height}pt`,
                                   viewBox: `0 0 ${width} ${height}`, class: 'print-drawing' });
    const lines = drawn('g', { stroke: '#000', 'stroke-width': LINE_WIDTH, 'stroke-linecap': 'square',
                               fill: 'none' });
    const texts = drawn('g', { fill: '#000', class: 'print-texts' });
    let last = null;
    for (const item of items) {
      if (Array.isArray(item.line)) {
        const [x1, y1, x2, y2] = item.line;
        const line = drawn('line', { x1, y1, x2, y2 });
        if (item.colour) line.setAttribute('stroke', item.colour);
        lines.append(line);
      } else if (typeof item.text === 'string') {
        last = this.text(item, last, texts);
      }
    }
    drawing.append(lines, texts);
    sheet.append(drawing, this.check(width));
    return sheet;
  }

  // A text as the desktop places it: (x, y) is the top left of its line, and a text that
  // goes on after another starts where that one ended, on its own baseline.
  text(item, last, texts) {
    const size = Number(item.size) || 10;
    const font = { 'font-family': fontFamily(item.font), 'font-size': size,
                   'font-weight': item.bold ? 'bold' : 'normal' };
    const baseline = Number(item.y) + this.ascent(font['font-family'], item.bold) * size;
    if (item.after && last) {
      last.append(drawn('tspan', { ...font, y: baseline }, item.text));
      return last;
    }
    const text = drawn('text', { x: Number(item.x) || 0, y: baseline, ...font }, item.text);
    texts.append(text);
    return text;
  }

  // The face's ascent as a share of its size, measured once per face in the browser's own
  // font; Qt places the desktop's text by the same metric.
  ascent(family, bold) {
    const key = `${bold ? 'bold ' : ''}${family}`;
    if (!this.ascents.has(key)) {
      let ascent = ASCENT;
      try {
        const context = document.createElement('canvas').getContext('2d');
        // Large, as the browser rounds the ascent to whole pixels.
        context.font = `${bold ? 'bold ' : ''}1000px ${family}`;
        const measured = context.measureText('Hg').fontBoundingBoxAscent / 1000;
        if (measured > 0.5 && measured < 1.5) ascent = measured;
      } catch {
        // No canvas: the face's figure stands.
      }
      this.ascents.set(key, ascent);
    }
    return this.ascents.get(key);
  }

  // The 100 mm check line under the drawing: a rule with its end ticks inside its length,
  // so that from the outside of one tick to the outside of the other is 100 mm.
  check(width) {
    const strip = drawn('svg', { width: `${width}pt`, height: `${STRIP_DRAWN}pt`,
                                 viewBox: `0 0 ${width} ${STRIP_DRAWN}`, class: 'print-check' });
    const y = 12;
    const half = CHECK_WIDTH / 2;
    const ink = { stroke: '#000', 'stroke-width': CHECK_WIDTH, 'stroke-linecap': 'butt' };
    strip.append(
      drawn('line', { x1: 0, y1: y, x2: CHECK_LENGTH, y2: y, ...ink }),
      drawn('line', { x1: half, y1: y - 6, x2: half, y2: y + 6, ...ink }),
      drawn('line', { x1: CHECK_LENGTH - half, y1: y - 6, x2: CHECK_LENGTH - half, y2: y + 6, ...ink }));
    const font = { 'font-family': fontFamily('Liberation Sans'), 'font-size': 8, fill: '#000' };
    strip.append(drawn('text', { x: CHECK_LENGTH + 6, y: y + 3, ...font }, '100 mm'),
                 drawn('text', { x: 0, y: 31, ...font }, CHECK_SENTENCE));
    return strip;
  }
}
