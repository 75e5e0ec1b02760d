// SPDX-License-Identifier: MIT
// @ts-check
// What the hall's two pages share: the hall named in the address, the practice screen drawn from
// the hall's welcome and kept up to date by its views, the line that tells how the connection is,
// and the notice that says why the page cannot go on.

import { BoardLayout } from './board_layout.js';
import { BoardView } from './board_view.js';
import { loadCore } from './core.js';
import { useTwipsOf } from './magnify.js';

// 32 hexadecimal digits, after the name of the server's process that holds the hall and a hyphen
// where several processes share the halls (kobaru-hall --instance).
const kHallId = /^(?:[0-9a-z]{1,16}-)?[0-9a-f]{32}$/;

/**
 * Whether `id` is written as a hall's id.
 * @param {unknown} id
 */
export const isHallId = (id) => typeof id === 'string' && kHallId.test(id);

/**
 * The core for the page's drawing (layouts, magnification, the results' chart), or null once the
 * page has said it could not load.
 * @returns {Promise<any>}
 */
export async function hallCore() {
  try {
    const core = await loadCore();
    useTwipsOf(core);
    return core;
  } catch (e) {
    console.error('Loading the core (kobaru.mjs and kobaru.wasm):', e);
    showHallNotice('練習プログラムの本体（kobaru.wasm）を読み込めませんでした。', 'ネットワークの接続を確かめて、ページを再読み込みしてください。');
    return null;
  }
}

/** The hall of the page's address (`?hall=`), or null when there is none. */
export function hallOfAddress() {
  const hall = new URLSearchParams(location.search).get('hall') ?? '';
  return isHallId(hall) ? hall : null;
}

/** @param {unknown} v */
const isNumber = (v) => typeof v === 'number' && Number.isFinite(v);
/** @param {any} r */
const isRect = (r) => r !== null && typeof r === 'object' && ['left', 'top', 'width', 'height'].every((k) => isNumber(r[k]));

/**
 * Whether the welcome's layout is one the screen can be drawn to.
 * @param {any} layout
 */
function drawable(layout) {
  return (
    isRect({ left: 0, top: 0, ...layout }) &&
    isRect(layout.traineeArea) &&
    Array.isArray(layout.parts) &&
    layout.parts.every((/** @type {any} */ p) => isRect(p) && Array.isArray(p.elements))
  );
}

/**
 * The practice screen as the hall shows it to this page. Views are applied one after another in
 * the order they came: one holding a message waits for it to close before the next is drawn.
 */
export class HallScreen {
  view;
  layout;
  #queue = Promise.resolve();

  /**
   * @param {import('./magnify.js').Fitting} core
   * @param {any} welcome the hall's welcome
   * @param {{ panel: import('./board_layout.js').Panel } & Omit<ConstructorParameters<typeof BoardView>[0], 'caption' | 'elements'>} options
   */
  constructor(core, welcome, { panel, ...board }) {
    const { layout, elements } = welcome;
    if (!drawable(layout) || !Array.isArray(elements)) throw new Error('the welcome has no screen to draw');
    this.view = new BoardView({ caption: String(layout.caption ?? ''), elements, ...board });
    this.layout = new BoardLayout(core, this.view, layout, { panel });
    this.apply({ focus: welcome.focus, held: welcome.held });
  }

  /** @param {import('./board_view.js').Reply} view */
  apply(view) {
    this.#queue = this.#queue.then(() => this.view.apply(view));
  }

  destroy() {
    this.view.destroy();
    this.layout.destroy();
  }
}

/**
 * How the connection is, in words.
 * @param {import('./hall_connection.js').Status} status
 */
export function statusText({ state, roundTrip }) {
  switch (state) {
    case 'open':
      return roundTrip === null ? '接続しました' : `接続中（往復 ${Math.round(roundTrip)} ms）`;
    case 'reconnecting':
      return '接続を回復しています…';
    case 'stopped':
      return '接続していません';
    default:
      return '接続しています…';
  }
}

/**
 * Why the hall has ended, for the notice that says so.
 * @param {unknown} reason the hall's
 */
export function endedAdvice(reason) {
  switch (reason) {
    case 'idle':
      return 'だれも接続していない時間が続いたため、終了しました。';
    case 'stopped':
      return '練習会場のサーバーが停止しました。';
    default:
      return '講師が練習会場を終了しました。';
  }
}

/**
 * Tells, over the top of the page, why it cannot go on; what is under it stays to be read.
 * @param {string} heading
 * @param {string} advice
 * @param {{ caption: string, run: () => void } | null} [action] a button that does what the
 *   notice offers, and takes the notice away
 */
export function showHallNotice(heading, advice, action = null) {
  document.querySelector('.hall-notice')?.remove();
  const notice = document.createElement('div');
  notice.className = 'hall-notice';
  notice.setAttribute('role', 'alert');
  const h = document.createElement('h1');
  h.textContent = heading;
  const p = document.createElement('p');
  p.textContent = advice;
  notice.append(h, p);
  if (action) {
    const button = document.createElement('button');
    button.type = 'button';
    button.textContent = action.caption;
    button.addEventListener('click', () => {
      notice.remove();
      action.run();
    });
    notice.append(button);
  }
  document.body.prepend(notice);
}
