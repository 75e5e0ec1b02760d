// SPDX-License-Identifier: MIT
// @ts-check
// The three cues and the beep through Web Audio. Browsers let a page sound only after the
// trainee has touched it, so the first press or key unlocks the sound; cues asked for before that
// are silent, as on a computer without a sound device.

const kCues = ['sutato.wav', 'rakusatu.wav', 'nagare.wav'];
const kBeepHz = 880;
const kBeepSeconds = 0.12;
const kBeepVolume = 0.12;

export class Sounds {
  /** @type {AudioContext | null} */
  #context = null;
  /** @type {Map<string, Promise<AudioBuffer | null>>} path -> the cue, or null for a missing file */
  #buffers = new Map();
  /** @type {{ source?: AudioBufferSourceNode } | null} */
  #playing = null;

  constructor() {
    const unlock = () => {
      this.#unlock();
      for (const type of ['pointerdown', 'keydown']) window.removeEventListener(type, unlock, true);
    };
    for (const type of ['pointerdown', 'keydown']) window.addEventListener(type, unlock, true);
  }

  #unlock() {
    if (this.#context || typeof AudioContext === 'undefined') return;
    this.#context = new AudioContext();
    for (const cue of kCues) this.#buffer(`./${cue}`);
  }

  // A cue the site does not have stays silent, as on the desktop; one that cannot be fetched or
  // decoded too, and says why.
  /** @param {string} path */
  #buffer(path) {
    if (!this.#buffers.has(path)) {
      const context = /** @type {AudioContext} */ (this.#context);
      this.#buffers.set(
        path,
        fetch(path)
          .then((r) => {
            if (r.ok) return r.arrayBuffer();
            console.warn(`The cue ${path} is not on the site (${r.status}): it stays silent`);
            return null;
          })
          .then((bytes) => (bytes ? context.decodeAudioData(bytes) : null))
          .catch((e) => {
            console.error(`Loading the cue ${path}:`, e);
            return null;
          }),
      );
    }
    return /** @type {Promise<AudioBuffer | null>} */ (this.#buffers.get(path));
  }

  /**
   * Starts the cue at once; a new cue replaces one still playing. A missing file plays nothing.
   * @param {string} path
   */
  play(path) {
    if (!this.#context) return;
    this.#stop();
    /** @type {{ source?: AudioBufferSourceNode }} */
    const request = {};
    this.#playing = request;
    this.#buffer(path).then((buffer) => {
      if (!buffer || this.#playing !== request) return;
      const context = /** @type {AudioContext} */ (this.#context);
      const source = context.createBufferSource();
      source.buffer = buffer;
      source.connect(context.destination);
      source.start();
      request.source = source;
    });
  }

  #stop() {
    this.#playing?.source?.stop();
    this.#playing = null;
  }

  beep() {
    const context = this.#context;
    if (!context) return;
    const tone = context.createOscillator();
    const volume = context.createGain();
    tone.frequency.value = kBeepHz;
    volume.gain.value = kBeepVolume;
    tone.connect(volume).connect(context.destination);
    tone.start();
    tone.stop(context.currentTime + kBeepSeconds);
  }
}
