// SPDX-License-Identifier: MIT
// @ts-check
// The program's windows in the page. The launcher and the practice screen fill the page, one at
// a time; the version window, the manual and the results open beside them. Each is created when
// first shown and destroyed when unloaded. The trainee's results are kept here for the program's
// life, as the desktop keeps them: each practice screen fills them, and they stay to be looked
// at once it has closed.

import { AboutWindow } from './about.js';
import { HelpWindow } from './help.js';
import { Launcher } from './launcher.js';
import { useTwipsOf } from './magnify.js';
import { PracticeScreen } from './practice.js';
import { ResultsWindow } from './results.js';

export class Windows {
  #open = new Map(); // 'launcher', 'practice', 'about', 'help', 'seiseki' -> the window
  #core;
  #lock;
  #files;
  #options;
  #results;
  #practised = false;
  #ended = false;

  /**
   * @param {any} core the WebAssembly module
   * @param {Promise<{ firstCopy: boolean }>} lock resolves to the one-copy lock
   * @param {Promise<Set<string>>} files resolves to the set of the site's files
   * @param {{ sounds: any, seed?: number, replay?: any, end: () => void }} options what the
   *   practice screen needs besides them (the sounds, and for tests a seed and a replay log), and
   *   `end`, run when the program ends
   */
  constructor(core, lock, files, options) {
    this.#core = core;
    this.#lock = lock;
    this.#files = files;
    this.#options = options;
    this.#results = new core.Results();
    useTwipsOf(core);
  }

  /** Whether a practice has been opened since the program started: its results can be shown. */
  get practised() {
    return this.#practised;
  }

  showLauncher() {
    if (this.#ended) return;
    if (!this.#open.has('launcher')) this.#fill('launcher', new Launcher(this, this.#core));
  }

  // Opens the practice screen and unloads the launcher; a new practice is a new session of
  // results.
  async openPractice() {
    if (this.#ended) return;
    if (!this.#open.has('practice')) {
      const [{ firstCopy }, files] = await Promise.all([this.#lock, this.#files]);
      if (this.#open.has('practice') || this.#ended) return;
      this.#results.clear();
      const screen = new PracticeScreen({ core: this.#core, windows: this, firstCopy, files, results: this.#results, ...this.#options });
      this.#fill('practice', screen);
      await screen.load(); // a second copy of the program closes it again here
      if (this.#open.get('practice') === screen) this.#practised = true;
    }
    this.#unload('launcher');
    this.#endIfNoWindow();
  }

  closePractice() {
    this.#unload('practice');
    this.#endIfNoWindow();
  }

  showAbout() {
    this.#float('about', () => new AboutWindow(this.#core.aboutLayout(), () => this.#close('about')));
  }

  // The results of the last practice opened, beside whatever else is open.
  showResults() {
    this.#float('seiseki', () => new ResultsWindow(this.#core, this.#results, () => this.#close('seiseki')));
  }

  showHelp() {
    this.#float('help', () => new HelpWindow(this.#core.helpLayout(), () => this.#close('help')));
  }

  // Ends the program at once: every window goes, nothing runs afterwards.
  exitProgram() {
    for (const which of [...this.#open.keys()]) this.#unload(which);
    this.#end();
  }

  /**
   * What a menu button of the launcher asks for: one of the core's MenuAction values.
   * @param {any} action
   */
  perform(action) {
    const { MenuAction } = this.#core;
    const perform = new Map([
      [MenuAction.OpenPractice, () => this.openPractice()],
      [MenuAction.ShowHelp, () => this.showHelp()],
      [MenuAction.ExitProgram, () => this.exitProgram()],
      [MenuAction.ShowAbout, () => this.showAbout()],
      [MenuAction.ShowResults, () => this.showResults()],
    ]).get(action);
    if (!perform) throw new Error(`no window does the menu action ${action?.value}`);
    perform();
  }

  #fill(which, win) {
    this.#open.set(which, win);
    document.body.prepend(win.element);
    this.#title();
  }

  #float(which, make) {
    if (this.#ended) return;
    if (!this.#open.has(which)) {
      const win = make();
      this.#open.set(which, win);
      document.body.append(win.element);
      win.centre();
    }
    this.#open.get(which).focus();
  }

  #close(which) {
    this.#unload(which);
    this.#endIfNoWindow();
  }

  #unload(which) {
    const win = this.#open.get(which);
    if (!win) return;
    this.#open.delete(which);
    win.destroy();
    this.#title();
  }

  #title() {
    const main = this.#open.get('practice') ?? this.#open.get('launcher');
    if (main) document.title = main.caption;
  }

  // Closing the last window ends the program, as on the desktop.
  #endIfNoWindow() {
    if (this.#open.size === 0) this.#end();
  }

  #end() {
    if (this.#ended) return;
    this.#ended = true;
    this.#options.end();
  }
}
