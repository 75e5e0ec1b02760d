// SPDX-License-Identifier: MIT
// @ts-check
// The practice screen Form1 drawn from the core's element states, one DOM element each, wherever
// the states come from: the page's own core or the hall's server. The person's hand goes out raw
// through `send` (pointer and keys on the buttons, characters and text in the entries, the focus);
// what comes back is applied here: the effects in order, the changed elements, the focus and the
// button drawn held. A message holds the screen until it is closed, as on the desktop, where the
// message box returns only when closed; its closing is one more input.

import { viewOf } from './elements.js';

/**
 * @typedef {{ kind: string, name?: string, pointer?: number, primary?: boolean, over?: boolean,
 *   repeat?: boolean, key?: number, text?: string }} Input the raw input the core takes
 * @typedef {{ kind: string, path?: string, text?: string, title?: string, icon?: string }} Effect
 * @typedef {{ effects?: Effect[], changes?: any[], focus?: string | null, held?: string }} Reply
 *   what the core, or the hall for this page, returns for an event
 * @typedef {{ name: string, control: string, el: HTMLElement }} Drawn one element as drawn
 */

const kPrimary = 0;
const kSpace = 32;
const kEnter = 13;
const kBackspace = 8;

/** @param {HTMLElement} el @param {PointerEvent} e */
function over(el, e) {
  const r = el.getBoundingClientRect();
  return e.clientX >= r.left && e.clientX < r.right && e.clientY >= r.top && e.clientY < r.bottom;
}

/**
 * Whether an element made as `made` is made again for a state the core draws as `now`. An entry
 * locked stays an entry, read-only, so that the box keeps the focus and the caret; a box unlocked
 * becomes an entry, so that it can be typed into.
 * @param {string} made
 * @param {unknown} now
 */
function remade(made, now) {
  return typeof now === 'string' && now !== made && !(made === 'entry' && now === 'box');
}

export class BoardView {
  /** @type {HTMLDivElement} */
  element;
  /** @type {Map<string, Drawn & { apply: (state: any) => void }>} in stacking order */
  #views = new Map();
  #held = '';
  #focusing = false; // the focus moves where the core put it: the core knows already
  #closed = false;
  #send;
  #effects;
  #applied;
  #disabled;
  #own;

  /**
   * @param {object} options
   * @param {string} options.caption the screen's caption, its accessible name
   * @param {any[]} options.elements every element's state, in stacking order
   * @param {(input: Input) => Promise<void> | void} options.send takes the person's raw input;
   *   may resolve once what it brought about is applied
   * @param {Record<string, (effect: Effect) => unknown>} options.effects what each kind of effect
   *   does; `message` resolves once the message is closed. Kinds without one are let be.
   * @param {Iterable<string>} [options.disabled] buttons shown but not pressable: nothing is sent
   * @param {Record<string, () => void>} [options.own] buttons the page answers itself when clicked
   * @param {(reply: Reply) => void} [options.applied] runs once a reply without a message is applied
   */
  constructor({ caption, elements, send, effects, disabled = [], own = {}, applied = () => {} }) {
    this.#send = send;
    this.#effects = effects;
    this.#applied = applied;
    this.element = document.createElement('div');
    this.element.className = 'screen';
    this.element.dataset.window = 'Form1';
    this.element.setAttribute('role', 'application');
    this.element.setAttribute('aria-label', caption);
    this.element.addEventListener('contextmenu', (e) => e.preventDefault());
    this.#disabled = new Set(disabled);
    this.#own = own;
    for (const state of elements) {
      const drawn = this.#make(state);
      if (!drawn) continue;
      this.#views.set(drawn.name, drawn);
      this.element.append(drawn.el);
    }
    this.#bindFocus();
  }

  /** Every element as drawn, in stacking order; an element made again keeps its entry here. @returns {Drawn[]} */
  get drawn() {
    return [...this.#views.values()];
  }

  /**
   * The changes and effects of one event; resolves once they are done, messages closed included.
   * @param {Reply} reply
   * @returns {Promise<void>}
   */
  async apply(reply) {
    let messaged = false;
    for (const effect of Array.isArray(reply.effects) ? reply.effects : []) {
      const run = effect && Object.hasOwn(this.#effects, effect.kind) ? this.#effects[effect.kind] : undefined;
      if (effect?.kind === 'message') {
        // The screen holds until the message is closed; a message that could not be shown still
        // releases it.
        try {
          await run(effect);
        } catch (e) {
          console.error(`showing the message "${effect.text}" failed:`, e);
        }
        messaged = true;
      } else if (run) {
        try {
          run(effect);
        } catch (e) {
          console.error(`the screen's ${effect.kind} failed:`, e);
        }
      }
    }
    if (this.#closed) return;
    for (const state of Array.isArray(reply.changes) ? reply.changes : []) {
      try {
        const drawn = this.#views.get(state?.name);
        if (drawn && remade(drawn.control, state.control)) this.#remake(drawn, state);
        else drawn?.apply(state);
      } catch (e) {
        console.warn(`the element ${state.name} cannot show that state:`, e);
      }
    }
    if (reply.focus) {
      this.#focusing = true;
      this.#views.get(reply.focus)?.el.focus({ preventScroll: true });
      this.#focusing = false;
    }
    if (typeof reply.held === 'string' && reply.held !== this.#held) {
      this.#views.get(this.#held)?.el.classList.remove('down');
      this.#held = reply.held;
      this.#views.get(this.#held)?.el.classList.add('down');
    }
    if (messaged) return this.#send({ kind: 'messageClosed' });
    this.#applied(reply);
  }

  // Nothing more is sent or applied.
  destroy() {
    this.#closed = true;
    this.element.remove();
  }

  /**
   * The element's DOM element for its state, with the person's hand on it bound; null for a
   * state no control draws.
   * @param {any} state
   * @returns {(Drawn & { apply: (state: any) => void }) | null}
   */
  #make(state) {
    let view;
    try {
      view = viewOf(state);
    } catch (e) {
      console.warn(`the element ${state?.name} cannot be drawn:`, e);
      return null;
    }
    const { name, control } = state;
    if (this.#disabled.has(name)) {
      view.el.setAttribute('aria-disabled', 'true');
      view.el.classList.add('disabled');
      // Nor does it take the focus from where the person works.
      view.el.addEventListener('pointerdown', (e) => e.preventDefault());
    } else if (this.#own[name]) {
      view.el.addEventListener('click', () => this.#own[name]());
    } else if (control === 'button') {
      this.#bindButton(view.el, name);
    } else if (control === 'entry') {
      this.#bindEntry(view.el, name);
    }
    return { name, control, ...view };
  }

  // In its place, with whatever the layout and the hold gave the old one.
  /** @param {Drawn & { apply: (state: any) => void }} drawn @param {any} state */
  #remake(drawn, state) {
    const made = this.#make(state);
    if (!made) return;
    made.el.classList.add(...[...drawn.el.classList].filter((c) => c === 'offstage' || c === 'down'));
    drawn.el.replaceWith(made.el);
    Object.assign(drawn, { control: made.control, el: made.el, apply: made.apply });
  }

  /** @param {Input} input */
  #input(input) {
    if (this.#closed) return undefined;
    return this.#send(input);
  }

  // Pointer and keys as they come. The pointer is captured, so its release reaches the button
  // wherever it happens; a lost capture is a release away from the button.
  /** @param {HTMLElement} el @param {string} name */
  #bindButton(el, name) {
    el.addEventListener('pointerdown', (e) => {
      e.preventDefault();
      el.setPointerCapture(e.pointerId);
      this.#input({ kind: 'buttonDown', name, pointer: e.pointerId, primary: e.button === kPrimary });
    });
    el.addEventListener('pointerup', (e) => this.#input({ kind: 'buttonUp', name, pointer: e.pointerId, over: over(el, e) }));
    const lost = (/** @type {PointerEvent} */ e) => this.#input({ kind: 'buttonUp', name, pointer: e.pointerId, over: false });
    el.addEventListener('pointercancel', lost);
    el.addEventListener('lostpointercapture', lost);
    /** @param {string} kind */
    const key = (kind) => (/** @type {KeyboardEvent} */ e) => {
      const code = e.key === ' ' ? kSpace : e.key === 'Enter' ? kEnter : 0;
      if (!code) return;
      e.preventDefault();
      this.#input({ kind, name, key: code, repeat: e.repeat });
    };
    el.addEventListener('keydown', key('keyDown'));
    el.addEventListener('keyup', key('keyUp'));
  }

  // Each character typed (and Backspace) before it lands in the box, the text once it has, and
  // the pointer coming up over the box.
  /** @param {HTMLElement} el @param {string} name */
  #bindEntry(el, name) {
    const input = /** @type {HTMLInputElement} */ (el);
    el.addEventListener('keydown', (e) => {
      if (e.isComposing || e.ctrlKey || e.metaKey || e.altKey) return;
      const chars = [...e.key];
      if (chars.length === 1) this.#input({ kind: 'entryKey', name, key: chars[0].codePointAt(0) });
      else if (e.key === 'Backspace') this.#input({ kind: 'entryKey', name, key: kBackspace });
    });
    el.addEventListener('input', () => this.#input({ kind: 'entryText', name, text: input.value }));
    el.addEventListener('pointerup', (e) => this.#input({ kind: 'entryClick', name, over: over(el, e), primary: e.button === kPrimary }));
  }

  // The handlers see where the keyboard focus is.
  #bindFocus() {
    this.element.addEventListener('focusin', (e) => {
      if (this.#focusing) return;
      const target = e.target instanceof HTMLElement ? e.target : null;
      this.#input({ kind: 'focus', name: target?.dataset.name ?? '' });
    });
    this.element.addEventListener('focusout', (e) => {
      if (!(e.relatedTarget instanceof Node && this.element.contains(e.relatedTarget))) this.#input({ kind: 'focus', name: '' });
    });
  }
}
