// SPDX-License-Identifier: MIT
// A window of its own size over the page, with its caption bar: it opens centred and can be
// dragged by the bar; the close box unloads it.

export class FramedWindow {
  constructor(name, caption, onClose) {
    const { element, centre } = framed(name, caption, onClose);
    this.element = element;
    this.centre = centre;
  }

  destroy() {
    this.element.remove();
  }
}

function framed(name, caption, onClose) {
  const element = document.createElement('div');
  element.className = 'window';
  element.dataset.window = name;
  element.setAttribute('role', 'dialog');
  element.setAttribute('aria-label', caption);

  const bar = document.createElement('div');
  bar.className = 'caption';
  const title = document.createElement('span');
  title.className = 'title';
  title.textContent = caption;
  const close = document.createElement('button');
  close.type = 'button';
  close.className = 'close';
  close.textContent = '×';
  close.setAttribute('aria-label', '閉じる');
  close.addEventListener('click', onClose);
  bar.append(title, close);
  element.append(bar);

  let drag = null;
  bar.addEventListener('pointerdown', (e) => {
    if (e.target === close) return;
    drag = { x: e.clientX - element.offsetLeft, y: e.clientY - element.offsetTop, id: e.pointerId };
    bar.setPointerCapture(e.pointerId);
  });
  bar.addEventListener('pointermove', (e) => {
    if (!drag || drag.id !== e.pointerId) return;
    const left = Math.min(Math.max(e.clientX - drag.x, 0), window.innerWidth - 40);
    const top = Math.min(Math.max(e.clientY - drag.y, 0), window.innerHeight - 26);
    element.style.left = `${left}px`;
    element.style.top = `${top}px`;
  });
  bar.addEventListener('pointerup', () => (drag = null));
  bar.addEventListener('pointercancel', () => (drag = null));

  // Once its content is in: centred in the viewport.
  const centre = () => {
    element.style.left = `${Math.max(0, (window.innerWidth - element.offsetWidth) / 2)}px`;
    element.style.top = `${Math.max(0, (window.innerHeight - element.offsetHeight) / 2)}px`;
  };
  return { element, centre };
}
