// SPDX-License-Identifier: MIT
// @ts-check
// The trainee's page of a hall: the trainee gives a name and takes a seat, then bids on the hall's
// practice screen, drawn as the trainee's view of it (on a phone held upright, its parts one
// under the other). Only the bid button and 確認 take the trainee's hand. The seat's token stays
// in the tab, so that a reload, or a connection that drops and comes back, sits in the same seat
// with the same name, results and right.

import { showMessage } from './dialogs.js';
import { HallConnection } from './hall_connection.js';
import { HallResults } from './hall_results.js';
import { HallScreen, endedAdvice, hallCore, hallOfAddress, showHallNotice, statusText } from './hall_page.js';
import { ResultsWindow } from './results.js';
import { Sounds } from './sounds.js';

const kLongestName = 20;
// What of a trainee's hand the hall counts: the pointer and the keys on its buttons.
const kCounted = new Set(['buttonDown', 'buttonUp', 'keyDown', 'keyUp']);

/** @param {string} text */
function made(text, className = '') {
  const button = document.createElement('button');
  button.type = 'button';
  button.textContent = text;
  if (className) button.className = className;
  return button;
}

async function start() {
  const hall = hallOfAddress();
  if (!hall) {
    showHallNotice('このアドレスでは練習会場に入れません。', '講師から、参加用のアドレスかQRコードをもう一度もらってください。');
    return;
  }
  const core = await hallCore();
  if (!core) return;
  const seatKey = `kobaru-hall-seat:${hall}`;
  const sounds = new Sounds();
  const form = /** @type {HTMLFormElement} */ (document.querySelector('[data-window="join"]'));
  const nameBox = /** @type {HTMLInputElement} */ (form.querySelector('input[name="name"]'));
  const enter = /** @type {HTMLButtonElement} */ (form.querySelector('button[type="submit"]'));
  const error = /** @type {HTMLElement} */ (form.querySelector('.error'));
  const status = /** @type {HTMLElement} */ (document.querySelector('.hall-status'));
  const results = new HallResults(core.resultsLayout().headings);

  const who = document.createElement('span');
  who.className = 'who';
  const openResults = made('成績', 'show-results');
  openResults.disabled = true;
  const recordToggle = made('記録を隠す', 'record-toggle');
  recordToggle.setAttribute('aria-pressed', 'true');
  let recordShown = true;
  /** @type {ResultsWindow | null} */
  let resultsWindow = null;
  /** @type {HallScreen | null} */
  let screen = null;
  /** @type {string | null} the name given, until the hall has seated it */
  let asked = null;

  /** @param {string} text */
  const askName = (text) => {
    error.textContent = text;
    form.hidden = false;
    form.append(status);
    enter.disabled = false;
    nameBox.focus();
  };

  const connection = new HallConnection({
    hall,
    hello: () => {
      const seat = sessionStorage.getItem(seatKey);
      if (seat) return { type: 'join', seat };
      return asked === null ? null : { type: 'join', name: asked };
    },
    status: (s) => {
      status.textContent = statusText(s);
    },
    // Another page (a copy of this tab) sat in the seat: this one stays as it was, and can take
    // the seat back.
    taken: () => {
      if (screen) screen.view.element.inert = true;
      showHallNotice('この席は、ほかのページで開かれました。', 'このページで練習を続けるときは、「このページで続ける」を押してください。', {
        caption: 'このページで続ける',
        run: () => {
          if (screen) screen.view.element.inert = false;
          connection.resume();
        },
      });
    },
    on: {
      welcome(message) {
        if (message.role !== 'trainee' || typeof message.seat !== 'string') return;
        /** @type {HallScreen} */
        let next;
        try {
          next = new HallScreen(core, message, {
            panel: 'never',
            send: (input) => void (kCounted.has(input.kind) && connection.send({ type: 'input', input })),
            effects: {
              sound: (e) => sounds.play(String(e.path)),
              beep: () => sounds.beep(),
              message: (e) => showMessage(String(e.text ?? ''), String(e.title ?? ''), String(e.icon ?? 'information')),
            },
          });
        } catch (e) {
          // The screen there is, if any, stays.
          console.warn("the hall's welcome has no screen to draw:", e);
          return;
        }
        screen?.destroy();
        screen = next;
        sessionStorage.setItem(seatKey, message.seat);
        asked = null;
        form.hidden = true;
        who.textContent = typeof message.name === 'string' ? `${message.name} さん` : '';
        screen.layout.recordShown = recordShown;
        screen.layout.bar.append(who, status, openResults, recordToggle);
        document.body.prepend(screen.layout.element);
      },
      view: (message) => screen?.apply(message),
      results(message) {
        if (results.take(message.results)) openResults.disabled = false;
      },
      error(message) {
        if (message.code === 'badName') {
          asked = null;
          askName(`お名前は1〜${kLongestName}文字で入れてください。`);
        } else if (message.code === 'noSeat') {
          sessionStorage.removeItem(seatKey);
          screen?.destroy();
          screen = null;
          askName('前の席は、接続が切れている間に閉じられました。もう一度お名前を入れて入場してください。');
        } else {
          console.warn(`the hall did not take a message: ${message.code} ${message.message ?? ''}`);
        }
      },
      ended(message) {
        connection.stop();
        sessionStorage.removeItem(seatKey);
        form.hidden = true;
        if (screen) screen.view.element.inert = true;
        showHallNotice('練習会場は終了しました。', `${endedAdvice(message.reason)}おつかれさまでした。このページを閉じるまで、「成績」で今回の成績を見られます。`);
      },
    },
  });

  form.addEventListener('submit', (e) => {
    e.preventDefault();
    const name = nameBox.value.trim();
    const length = [...name].length;
    if (length < 1 || length > kLongestName) {
      askName(`お名前は1〜${kLongestName}文字で入れてください。`);
      return;
    }
    error.textContent = '';
    asked = name;
    enter.disabled = true;
    // Sent now if the hall is there; otherwise as soon as it is.
    connection.send({ type: 'join', name });
  });
  // A tab coming back into its seat does not ask for the name.
  if (sessionStorage.getItem(seatKey)) form.hidden = true;
  else askName('');

  openResults.addEventListener('click', () => {
    if (!resultsWindow) {
      resultsWindow = new ResultsWindow(
        core,
        results,
        () => {
          resultsWindow?.destroy();
          resultsWindow = null;
        },
        'hall',
      );
      document.body.append(resultsWindow.element);
      resultsWindow.centre();
    }
    resultsWindow.focus();
  });
  recordToggle.addEventListener('click', () => {
    recordShown = !recordShown;
    recordToggle.textContent = recordShown ? '記録を隠す' : '記録を表示';
    recordToggle.setAttribute('aria-pressed', String(recordShown));
    if (screen) screen.layout.recordShown = recordShown;
  });
}

start().catch((e) => {
  console.error("Starting the trainee's page:", e);
  showHallNotice('練習会場に入れませんでした。', 'ページを再読み込みしてください。');
});
