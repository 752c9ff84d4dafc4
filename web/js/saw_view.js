// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

// At the saw: the planner's passes one at a time, in type large enough to read from the
// saw with the board in both hands. The set-up page comes before pass 1, the calculator's
// safety note before everything, and the keys move the count so that a knuckle or a foot
// pedal that sends Space does the work: Space or Enter the next pass, Backspace the one
// before, Home the first, End the last, Escape closes. The screen is kept awake while the
// view is open, where the browser allows it.

import { SVG, make } from './dom.js';

// Each line: the core's name for its text and the desktop's name for the line.
const LINES = [
  ['pass', 'sawPass'],
  ['setLine', 'sawSetLine'],
  ['height', 'sawHeight'],
  ['rise', 'sawRise'],
  ['width', 'sawWidth'],
  ['final', 'sawFinal'],
  ['then', 'sawThen'],
];
// The drawing's own size; the page scales it to the view's width.
const DRAWING_WIDTH = 640;
const DRAWING_HEIGHT = 260;
const NO_WAKE_LOCK = "This browser cannot keep the screen awake: set the screen's timeout yourself.";

export class SawView {
  // `root`: an empty element outside the page's <main>, covered by nothing.
  constructor(core, root) {
    this.saw = new core.Saw();
    this.words = JSON.parse(core.Calculator.words());
    this.root = root;
    this.controls = {};
    this.announced = '';
    this.lock = null;
    this.opened = false;
    // What the planner wants to hear: each move of the count, and the view closing.
    this.onMove = () => {};
    this.onClose = () => {};
    this.build();
    document.addEventListener('keydown', (event) => this.key(event), true);
    // The browser lets the lock go whenever the page is hidden; it is asked for again.
    document.addEventListener('visibilitychange', () => {
      if (this.opened && document.visibilityState === 'visible') this.keepAwake();
    });
  }

  build() {
    const root = this.root;
    const w = this.words;
    root.classList.add('saw');
    root.setAttribute('role', 'dialog');
    root.setAttribute('aria-modal', 'true');
    root.setAttribute('aria-labelledby', 'sawTitle');
    root.setAttribute('aria-describedby', 'sawKeys');
    root.hidden = true;

    const top = make('div', { class: 'saw-top' });
    top.append(make('h2', { id: 'sawTitle' }, 'At the Saw'));
    const close = make('button', { type: 'button', 'data-name': 'sawClose', class: 'saw-close',
                                   'aria-keyshortcuts': 'Escape' }, 'Close');
    close.addEventListener('click', () => this.close());
    top.append(close);
    const keys = make('p', { id: 'sawKeys', class: 'saw-keys' },
                      'Space or Enter: next pass. Backspace: the pass before. Home: the first pass. '
                      + 'End: the last. Escape: close.');

    // The calculator's note, read and closed each time the view opens.
    const safety = make('div', { class: 'safety', 'data-name': 'sawSafety', role: 'alertdialog',
                                 'aria-labelledby': 'sawSafetyTitle', 'aria-describedby': 'sawSafetyText' });
    safety.append(make('h2', { id: 'sawSafetyTitle' }, w.warning),
                  make('p', { id: 'sawSafetyText' }, w.safetyNote));
    const ok = make('button', { type: 'button', 'data-name': 'sawSafetyOk',
                                'aria-keyshortcuts': 'Space Enter' }, w.ok);
    ok.addEventListener('click', () => this.closeSafetyNote());
    safety.append(ok);

    const page = make('div', { class: 'saw-page' });
    for (const [field, name] of LINES) {
      const line = make('p', { 'data-name': name, class: `saw-line saw-${field}` });
      this.controls[field] = line;
      page.append(line);
    }
    const drawing = document.createElementNS(SVG, 'svg');
    drawing.setAttribute('data-name', 'sawDrawing');
    drawing.setAttribute('viewBox', `0 0 ${DRAWING_WIDTH} ${DRAWING_HEIGHT}`);
    drawing.setAttribute('role', 'img');
    drawing.setAttribute('aria-label', 'The end of the board with the outline of every pass: '
                         + 'the passes made in grey, this pass in red, the passes to come faint.');
    drawing.classList.add('saw-drawing');
    this.controls.drawing = drawing;
    this.controls.note = make('p', { 'data-name': 'sawNote', class: 'saw-line saw-note' });
    this.controls.caution = make('ul', { 'data-name': 'sawCaution', class: 'saw-caution' });
    page.append(drawing, this.controls.note, this.controls.caution);

    const buttons = make('div', { class: 'saw-buttons' });
    const back = make('button', { type: 'button', 'data-name': 'sawBack',
                                  'aria-keyshortcuts': 'Backspace' }, 'Back');
    back.addEventListener('click', () => this.move('back'));
    const next = make('button', { type: 'button', 'data-name': 'sawNext', class: 'saw-next',
                                  'aria-keyshortcuts': 'Space Enter' }, 'Next Pass');
    next.addEventListener('click', () => this.forward());
    buttons.append(back, next);
    this.controls.back = back;
    this.controls.next = next;

    this.controls.footer = make('p', { 'data-name': 'sawFooter', class: 'saw-footer' });
    this.controls.awake = make('p', { 'data-name': 'sawWakeLock', class: 'saw-awake' }, NO_WAKE_LOCK);
    this.controls.awake.hidden = true;
    // Read out on every move, as the count changes.
    this.controls.spoken = make('p', { 'data-name': 'sawSpoken', class: 'saw-spoken',
                                       'aria-live': 'polite' });
    page.append(buttons, this.controls.footer, this.controls.awake);

    this.controls.safety = safety;
    this.controls.ok = ok;
    this.controls.page = page;
    root.replaceChildren(top, keys, safety, page, this.controls.spoken);
  }

  // The count follows the planner's plan: kept while the plan is the same, started over
  // when it changes.
  follow(planner) {
    this.saw.follow(planner);
  }

  // A kept job's count: this many passes made.
  resumeAt(passesMade) {
    this.saw.resumeAt(passesMade);
  }

  passesMade() {
    return this.saw.passesMade();
  }

  get isOpen() {
    return this.opened;
  }

  // Opens on the safety note, then the set-up page when no pass is made yet, else the pass
  // the count stands at.
  open(planner) {
    if (this.opened) return;
    this.saw.follow(planner);
    this.opened = true;
    this.announced = '';
    this.controls.spoken.textContent = '';
    for (const outside of document.querySelectorAll('body > header, body > main')) outside.inert = true;
    document.body.classList.add('saw-open');
    this.root.hidden = false;
    this.controls.safety.hidden = false;
    this.controls.page.hidden = true;
    this.render();
    this.root.scrollTop = 0;
    this.controls.ok.focus();
    this.keepAwake();
  }

  close() {
    if (!this.opened) return;
    this.opened = false;
    this.root.hidden = true;
    for (const outside of document.querySelectorAll('body > header, body > main')) outside.inert = false;
    document.body.classList.remove('saw-open');
    this.letSleep();
    this.onClose();
  }

  closeSafetyNote() {
    this.controls.safety.hidden = true;
    this.controls.page.hidden = false;
    this.render();
    this.root.scrollTop = 0;
    (this.controls.next.disabled ? this.controls.back : this.controls.next).focus({ preventScroll: true });
  }

  // Next, or on the last pass Done: that pass is counted as made and the view closes.
  forward() {
    const state = JSON.parse(this.saw.state());
    const done = this.isLastPass(state);
    this.move('next');
    if (done) this.close();
  }

  move(way) {
    if (!this.saw[way]()) return;
    this.render();
    this.onMove();
  }

  isLastPass(state) {
    return !state.setUpPage && state.count > 0 && state.position === state.count - 1;
  }

  key(event) {
    if (!this.opened || event.ctrlKey || event.altKey || event.metaKey) return;
    const forward = event.key === ' ' || event.key === 'Enter';
    const ways = { Backspace: 'back', Home: 'first', End: 'last' };
    if (event.key !== 'Escape' && !forward && !(event.key in ways)) return;
    // Kept from the button with the focus, which would click as well: one key, one move.
    event.preventDefault();
    event.stopPropagation();
    // A key held down, or a pedal kept pressed, moves one pass, never several.
    if (event.repeat) return;
    if (event.key === 'Escape') {
      this.close();
    } else if (!this.controls.safety.hidden) {
      if (forward) this.closeSafetyNote();
    } else if (forward) {
      this.forward();
    } else {
      this.move(ways[event.key]);
    }
  }

  render() {
    const state = JSON.parse(this.saw.state());
    const c = this.controls;
    for (const [field] of LINES) c[field].textContent = state[field];
    c.note.textContent = state.note;
    // The cautions are read with the set-up, before the first cut.
    const cautions = state.setUpPage ? state.cautions : [];
    c.caution.replaceChildren(...cautions.map((text) => make('li', {}, text)));
    c.caution.hidden = cautions.length === 0;
    c.footer.textContent = state.footer;
    c.footer.hidden = !state.footer;
    c.back.disabled = !(state.count > 0 && (state.position > 0 || !state.setUpPage));
    c.next.disabled = !(state.count > 0 && !state.finished);
    c.next.textContent = this.isLastPass(state) ? 'Done' : 'Next Pass';
    if (c.next.disabled && document.activeElement === c.next) c.back.focus({ preventScroll: true });
    if (typeof this.saw.drawingSvg === 'function' && state.count > 0) {
      c.drawing.innerHTML = this.saw.drawingSvg(DRAWING_WIDTH, DRAWING_HEIGHT);
      c.drawing.removeAttribute('hidden');
    } else {
      c.drawing.setAttribute('hidden', '');
    }
    if (c.safety.hidden && state.spoken !== this.announced) {
      this.announced = state.spoken;
      c.spoken.textContent = state.spoken;
    }
    return state;
  }

  // Asks the browser to keep the screen on; where it cannot or will not, the view says so.
  async keepAwake() {
    const said = this.controls.awake;
    if (!navigator.wakeLock || typeof navigator.wakeLock.request !== 'function') {
      said.hidden = false;
      return;
    }
    try {
      const lock = await navigator.wakeLock.request('screen');
      if (!this.opened) {
        await lock.release();
        return;
      }
      if (this.lock && this.lock !== lock) this.lock.release().catch(() => {});
      this.lock = lock;
      said.hidden = true;
    } catch {
      said.hidden = false;
    }
  }

  letSleep() {
    const lock = this.lock;
    this.lock = null;
    if (lock) lock.release().catch(() => {});
  }
}
