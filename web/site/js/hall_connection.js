// SPDX-License-Identifier: MIT
// @ts-check
// A hall page's connection to the server: one WebSocket to the hall, opened again by itself when
// it drops (after 0.5 s, then twice as long each time up to 8 s, and from 0.5 s again once the
// hall has welcomed the page back), its round trip measured with a ping every few seconds, and a
// connection that stops answering taken for dropped. A connection the hall closes itself, as done
// with (a normal closure) and without a word, once it had welcomed the page, is not opened again unless the page says so:
// another page has taken its seat. Every message is one JSON object with a type; anything else,
// and a type the page has no use for, is let be.

const kFirstWait = 500;
const kLongestWait = 8000;
const kPingEvery = 3000;
// A ping unanswered for this long means the connection is gone, whatever the socket says.
const kSilentFor = 10_000;
// How the hall closes a connection it is done with (RFC 6455); a server or proxy going away says
// otherwise.
const kNormalClosure = 1000;

/**
 * @typedef {{ state: 'connecting' | 'open' | 'reconnecting' | 'stopped', roundTrip: number | null }} Status
 * @typedef {Record<string, (message: any) => void>} Handlers by message type
 */

export class HallConnection {
  #url;
  #hello;
  #handlers;
  #onStatus;
  /** @type {WebSocket | null} */
  #socket = null;
  #wait = kFirstWait;
  /** @type {ReturnType<typeof setTimeout> | null} */
  #retry = null;
  /** @type {ReturnType<typeof setInterval> | null} */
  #pinger = null;
  /** @type {number | null} when the oldest unanswered ping went out */
  #unanswered = null;
  #stopped = false;
  #everOpen = false;
  #welcomed = false;
  #onTaken;
  /** @type {Status} */
  status = { state: 'connecting', roundTrip: null };

  /**
   * @param {object} options
   * @param {string} options.hall the hall's id
   * @param {() => object | null} options.hello the first message of each connection (who the
   *   page is), or null to send none yet
   * @param {Handlers} options.on what to do with each type of message
   * @param {(status: Status) => void} options.status told whenever the status changes
   * @param {() => void} [options.taken] told when the hall closed the connection as above; without
   *   it the connection is opened again as after a drop
   */
  constructor({ hall, hello, on, status, taken }) {
    const url = new URL(`ws?hall=${encodeURIComponent(hall)}`, location.href);
    url.protocol = url.protocol === 'https:' ? 'wss:' : 'ws:';
    this.#url = url.href;
    this.#hello = hello;
    this.#handlers = on;
    this.#onStatus = status;
    this.#onTaken = taken;
    this.#open();
  }

  /** Whether a message sent now goes out. */
  get open() {
    return this.#socket?.readyState === WebSocket.OPEN;
  }

  /**
   * Sends `message` if the connection is open; returns whether it was.
   * @param {object} message
   */
  send(message) {
    if (!this.open) return false;
    /** @type {WebSocket} */ (this.#socket).send(JSON.stringify(message));
    return true;
  }

  /** No more messages, no more reconnecting: the hall has ended, or will not have this page. */
  stop() {
    this.#stopped = true;
    if (this.#retry !== null) clearTimeout(this.#retry);
    this.#drop();
    this.#report('stopped', null);
  }

  /** Opens the connection again after stop(), at once. */
  resume() {
    if (!this.#stopped) return;
    this.#stopped = false;
    this.#wait = kFirstWait;
    this.#report('connecting', null);
    this.#open();
  }

  #open() {
    this.#welcomed = false;
    const socket = new WebSocket(this.#url);
    this.#socket = socket;
    socket.addEventListener('open', () => {
      this.#everOpen = true;
      this.#unanswered = null;
      this.#report('open', null);
      const hello = this.#hello();
      if (hello) this.send(hello);
      this.#ping();
      this.#pinger = setInterval(() => this.#ping(), kPingEvery);
    });
    socket.addEventListener('message', (e) => this.#receive(e.data));
    socket.addEventListener('close', (e) => {
      if (e.wasClean && e.code === kNormalClosure && this.#welcomed && this.#onTaken && this.#socket === socket) {
        this.stop();
        this.#onTaken();
      } else {
        this.#lost(socket);
      }
    });
  }

  // The socket is gone, or hears nothing: another, after the wait.
  /** @param {WebSocket | null} socket */
  #lost(socket) {
    if (this.#socket !== socket || socket === null) return;
    this.#drop();
    if (this.#stopped) return;
    this.#report(this.#everOpen ? 'reconnecting' : 'connecting', null);
    this.#retry = setTimeout(() => {
      this.#retry = null;
      this.#open();
    }, this.#wait);
    this.#wait = Math.min(this.#wait * 2, kLongestWait);
  }

  #drop() {
    if (this.#pinger !== null) clearInterval(this.#pinger);
    this.#pinger = null;
    const socket = this.#socket;
    this.#socket = null;
    socket?.close();
  }

  #ping() {
    const now = performance.now();
    if (this.#unanswered !== null && now - this.#unanswered > kSilentFor) {
      this.#lost(this.#socket);
      return;
    }
    this.#unanswered ??= now;
    this.send({ type: 'ping', t: now });
  }

  /** @param {unknown} data */
  #receive(data) {
    this.#unanswered = null;
    let message;
    try {
      message = typeof data === 'string' ? JSON.parse(data) : null;
    } catch {
      message = null;
    }
    if (!message || typeof message !== 'object' || Array.isArray(message) || typeof message.type !== 'string') return;
    if (message.type === 'pong') {
      if (typeof message.t === 'number' && Number.isFinite(message.t)) this.#report('open', Math.max(0, performance.now() - message.t));
      return;
    }
    if (message.type === 'welcome') {
      this.#wait = kFirstWait;
      this.#welcomed = true;
    }
    const handler = Object.hasOwn(this.#handlers, message.type) ? this.#handlers[message.type] : null;
    if (!handler) return;
    try {
      handler(message);
    } catch (e) {
      console.error(`the page could not take the hall's ${message.type}:`, e);
    }
  }

  /** @param {Status['state']} state @param {number | null} roundTrip */
  #report(state, roundTrip) {
    this.status = { state, roundTrip };
    this.#onStatus(this.status);
  }
}
