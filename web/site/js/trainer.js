// SPDX-License-Identifier: MIT
// @ts-check
// The trainer's page of a hall: the whole practice screen as the single-user page shows it, run
// by the hall's server, with the trainees' names in the record; the bid button and 確認 are the
// trainees' and only shown. 練習終了 ends the hall for everybody, once the trainer says so. Beside
// the screen, the hall panel: the trainees' address, who is there, and their results.

import { ask, showMessage } from './dialogs.js';
import { HallConnection } from './hall_connection.js';
import { HallPanel } from './hall_panel.js';
import { HallScreen, endedAdvice, hallCore, hallOfAddress, isHallId, showHallNotice, statusText } from './hall_page.js';
import { offerNewHall } from './new_hall.js';
import { Sounds } from './sounds.js';

const kKey = /^[0-9a-f]{32}$/;
/**
 * The hall's CSV, saved with a byte order mark so that spreadsheets read it as UTF-8; an earlier
 * hall's under a name of its own.
 * @param {string} text
 * @param {string} name
 */
function saveCsv(text, name) {
  const url = URL.createObjectURL(new Blob([`\uFEFF${text}`], { type: 'text/csv;charset=utf-8' }));
  const link = document.createElement('a');
  link.href = url;
  link.download = name;
  link.click();
  // The download has taken the file by then.
  setTimeout(() => URL.revokeObjectURL(url), 60_000);
}

async function start() {
  // The page alone, with no hall in its address, is where a trainer opens one.
  if (!new URLSearchParams(location.search).has('hall')) {
    offerNewHall();
    return;
  }
  const hall = hallOfAddress();
  const key = location.hash.slice(1);
  if (!hall || !kKey.test(key)) {
    showHallNotice('このアドレスでは練習会場を開けません。', '練習会場を作ったときに表示された講師用のアドレスを、そのまま開いてください。');
    return;
  }
  const core = await hallCore();
  if (!core) return;
  const sounds = new Sounds();
  const slot = /** @type {HTMLElement} */ (document.querySelector('.screen-slot'));
  const status = /** @type {HTMLElement} */ (document.querySelector('.hall-status'));
  /** @type {HallScreen | null} */
  let screen = null;
  let ending = false;

  const connection = new HallConnection({
    hall,
    hello: () => ({ type: 'trainer', key }),
    status: (s) => {
      status.textContent = statusText(s);
    },
    on: {
      welcome(message) {
        if (message.role !== 'trainer') return;
        /** @type {HallScreen} */
        let next;
        try {
          next = new HallScreen(core, message, {
            panel: 'always',
            send: (input) => void connection.send({ type: 'input', input }),
            effects: {
              sound: (e) => sounds.play(String(e.path)),
              beep: () => sounds.beep(),
              message: (e) => showMessage(String(e.text ?? ''), String(e.title ?? ''), String(e.icon ?? 'information')),
              showResults: () => panel.showResults(),
            },
            disabled: Array.isArray(message.disabled) ? message.disabled.map(String) : [],
            own: { Command25: end },
          });
        } catch (e) {
          // The screen there is, if any, stays.
          console.warn("the hall's welcome has no screen to draw:", e);
          return;
        }
        screen?.destroy();
        screen = next;
        slot.prepend(screen.layout.element);
        screen.layout.bar.append(status);
        screen.layout.bar.hidden = false;
        document.title = `${screen.view.element.getAttribute('aria-label')} - 練習会場`;
        panel.address(message.join, message.qr);
      },
      view: (message) => screen?.apply(message),
      trainees: (message) => panel.trainees(message.trainees),
      results: (message) => panel.results(message),
      csv: (message) => {
        if (typeof message.text !== 'string') return;
        const earlier = isHallId(message.hall) && message.hall !== hall;
        // An earlier hall's file is named for it: its process's name, if any, and 8 of its digits.
        saveCsv(message.text, earlier ? `kobaru-hall-results-${message.hall.slice(0, -24)}.csv` : 'kobaru-hall-results.csv');
      },
      halls: (message) => panel.halls(message.halls),
      storage: (message) => panel.storage(message.ok === true, typeof message.message === 'string' ? message.message : ''),
      error(message) {
        if (message.code === 'badKey') {
          connection.stop();
          screen?.destroy();
          showHallNotice('講師用の鍵が違うため、練習会場を開けません。', '練習会場を作ったときに表示された講師用のアドレスを、# から後ろまでそのまま開いてください。');
        } else {
          console.warn(`the hall did not take a message: ${message.code} ${message.message ?? ''}`);
        }
      },
      ended(message) {
        connection.stop();
        if (screen) screen.view.element.inert = true;
        showHallNotice('練習会場は終了しました。', endedAdvice(message.reason));
      },
    },
  });

  const panel = new HallPanel(/** @type {HTMLElement} */ (document.querySelector('[data-window="hall"]')), {
    csv: (/** @type {string} */ of = '') => {
      if (!connection.send(of ? { type: 'csv', hall: of } : { type: 'csv' })) showMessage('練習会場に接続していないため、成績を保存できません。接続が回復してから、もう一度お試しください。', '成績の保存', 'warning');
    },
  });

  // 練習終了 is the page's own: it asks first, since it ends every trainee's practice too.
  async function end() {
    if (ending) return;
    ending = true;
    try {
      if (await ask('練習会場を終了します。全員の練習が終わります。よろしいですか？', '練習終了', 'warning')) connection.send({ type: 'end' });
    } finally {
      ending = false;
    }
  }
}

start().catch((e) => {
  console.error("Starting the trainer's page:", e);
  showHallNotice('練習会場を開けませんでした。', 'ページを再読み込みしてください。');
});
