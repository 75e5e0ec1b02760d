// SPDX-License-Identifier: MIT
// @ts-check
// The program's messages as modal dialogs in the page: the text, the title, the icon and an OK
// button (and キャンセル for a question). While one is open, nothing behind it can be reached.

const kIcons = {
  information:
    '<svg viewBox="0 0 32 32" aria-hidden="true"><circle cx="16" cy="16" r="15" fill="#1c6dd0"/>' +
    '<rect x="14" y="13" width="4" height="12" rx="1" fill="#fff"/>' +
    '<circle cx="16" cy="8.5" r="2.3" fill="#fff"/></svg>',
  warning:
    '<svg viewBox="0 0 32 32" aria-hidden="true"><path d="M16 2 31 29H1z" fill="#f2c200" ' +
    'stroke="#a07800" stroke-width="1"/><rect x="14.2" y="11" width="3.6" height="10" rx="1"/>' +
    '<circle cx="16" cy="25" r="2"/></svg>',
};

let serial = 0;

/**
 * Resolves when the trainee has closed the message.
 * @param {string} text
 * @param {string} title
 * @param {string} icon 'information' or 'warning' (any other shows the first)
 * @returns {Promise<void>}
 */
export async function showMessage(text, title, icon) {
  await dialog(text, title, icon, ['OK']);
}

/**
 * A question with OK and キャンセル: resolves to true for OK; キャンセル and Escape are false.
 * @param {string} text
 * @param {string} title
 * @param {string} icon as for showMessage
 * @returns {Promise<boolean>}
 */
export async function ask(text, title, icon) {
  return (await dialog(text, title, icon, ['OK', 'キャンセル'])) === 0;
}

/**
 * Resolves to the index of the button that closed the dialog; Escape is the last one.
 * @param {string} text
 * @param {string} title
 * @param {string} icon
 * @param {string[]} captions
 * @returns {Promise<number>}
 */
function dialog(text, title, icon, captions) {
  const id = `message-${++serial}`;
  const modal = document.createElement('div');
  modal.className = 'modal';
  modal.innerHTML =
    `<div class="window message" role="alertdialog" aria-modal="true" aria-labelledby="${id}-t" ` +
    `aria-describedby="${id}-b"><div class="caption"><span class="title" id="${id}-t"></span></div>` +
    `<div class="body"><span class="icon">${kIcons[icon] ?? kIcons.information}</span>` +
    `<span class="text" id="${id}-b"></span></div><div class="buttons"></div></div>`;
  modal.querySelector('.title').textContent = title;
  modal.querySelector('.text').textContent = text;
  modal.dataset.icon = icon;
  const buttons = captions.map((caption, i) => {
    const button = document.createElement('button');
    button.type = 'button';
    button.className = i === 0 ? 'ok' : 'cancel';
    button.textContent = caption;
    return button;
  });
  modal.querySelector('.buttons').append(...buttons);

  // Everything else is out of reach of the keyboard and the pointer until the message is closed.
  const behind = /** @type {HTMLElement[]} */ ([...document.body.children]).filter((el) => !el.inert);
  const focusBefore = /** @type {HTMLElement | null} */ (document.activeElement);
  document.body.append(modal);
  for (const el of behind) el.inert = true;
  buttons[0].focus();

  return new Promise((resolve) => {
    /** @param {number} answer */
    const close = (answer) => {
      modal.remove();
      for (const el of behind) el.inert = false;
      if (focusBefore?.isConnected) focusBefore.focus({ preventScroll: true });
      resolve(answer);
    };
    buttons.forEach((button, i) => button.addEventListener('click', () => close(i)));
    modal.addEventListener('keydown', (e) => {
      if (e.key === 'Escape') {
        e.preventDefault();
        close(buttons.length - 1);
      }
    });
  });
}
