// SPDX-License-Identifier: MIT
// The three cues and the beep through Web Audio. Browsers let a page sound only after the
// trainee has touched it, so the first press or key unlocks the sound; cues asked for before that
// are silent, as on a computer without a sound device.

const kCues = ['sutato.wav', 'rakusatu.wav', 'nagare.wav'];
const kBeepHz = 880;
const kBeepSeconds = 0.12;
const kBeepVolume = 0.12;

export class Sounds {
  #context = null;
  #buffers = new Map(); // path -> Promise of an AudioBuffer, or of null for a missing file
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

  #buffer(path) {
    if (!this.#buffers.has(path)) {
      const context = this.#context;
      this.#buffers.set(
        path,
        fetch(path)
          .then((r) => (r.ok ? r.arrayBuffer() : null))
          .then((bytes) => (bytes ? context.decodeAudioData(bytes) : null))
          .catch(() => null),
      );
    }
    return this.#buffers.get(path);
  }

  // Starts the cue at once; a new cue replaces one still playing. A missing file plays nothing.
  play(path) {
    if (!this.#context) return;
    this.#stop();
    const request = {};
    this.#playing = request;
    this.#buffer(path).then((buffer) => {
      if (!buffer || this.#playing !== request) return;
      const source = this.#context.createBufferSource();
      source.buffer = buffer;
      source.connect(this.#context.destination);
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
