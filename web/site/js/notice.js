// SPDX-License-Identifier: MIT
// @ts-check
// The page the program leaves when it cannot start or has ended: what happened and what to do,
// in place of its windows, so that the page is never left black. Its look is in the page itself
// (index.html), so it shows even when the stylesheet is what failed.

/** @typedef {{ heading: string, advice: string }} Notice */

/** @satisfies {Record<string, Notice>} */
export const kNotices = {
  ended: {
    heading: 'Kobaru を終了しました。',
    advice: 'もう一度始めるには、ページを再読み込みしてください。',
  },
  refused: {
    heading: 'Kobaru はほかのタブで起動しています。',
    advice: 'このタブを閉じて、起動しているタブをお使いください。',
  },
  coreMissing: {
    heading: '練習プログラムの本体（kobaru.wasm）を読み込めませんでした。',
    advice: 'ネットワークの接続を確かめて、ページを再読み込みしてください。',
  },
  stylesheetMissing: {
    heading: '画面の体裁のファイル（kobaru.css）を読み込めませんでした。',
    advice: 'ネットワークの接続を確かめて、ページを再読み込みしてください。',
  },
  failed: {
    heading: 'Kobaru を起動できませんでした。',
    advice: 'ページを再読み込みしてください。',
  },
};

/**
 * Puts `notice` in place of everything in the page; `detail`, when given, is the browser's own
 * word on what went wrong, for whoever looks after the site.
 * @param {Notice} notice
 * @param {string} [detail]
 */
export function showNotice({ heading, advice }, detail = '') {
  const template = /** @type {HTMLTemplateElement} */ (document.getElementById('notice'));
  const page = /** @type {DocumentFragment} */ (template.content.cloneNode(true));
  /** @type {HTMLElement} */ (page.querySelector('h1')).textContent = heading;
  /** @type {HTMLElement} */ (page.querySelector('.advice')).textContent = advice;
  /** @type {HTMLElement} */ (page.querySelector('.detail')).textContent = detail;
  document.body.replaceChildren(page);
}

/**
 * The one way a failure is told: to the console with what was being done, and in the page.
 * @param {string} doing what was being done, for the console
 * @param {unknown} error
 * @param {Notice} notice
 */
export function showFailure(doing, error, notice) {
  console.error(`${doing}:`, error);
  showNotice(notice, error instanceof Error ? error.message : String(error));
}
