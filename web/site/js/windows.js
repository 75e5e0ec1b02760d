// SPDX-License-Identifier: MIT
// The program's windows in the page. The launcher and the practice screen fill the page, one at
// a time; the version window, the manual and the practice screen's results open beside them.
// Each is created when first shown and destroyed when unloaded.

import { AboutWindow } from './about.js';
import { HelpWindow } from './help.js';
import { Launcher } from './launcher.js';
import { PracticeScreen } from './practice.js';
import { ResultsWindow } from './results.js';

export class Windows {
  #open = new Map(); // 'launcher', 'practice', 'about', 'help', 'seiseki' -> the window
  #core;
  #lock;
  #files;
  #options;
  #ended = false;

  // `core` is the WebAssembly module; `lock` resolves to the one-copy lock ({ firstCopy }),
  // `files` to the set of the site's files; `options` holds what the practice screen needs
  // besides them (the sounds, and for tests a seed and a replay log) and `end`, run when the
  // program ends.
  constructor(core, lock, files, options) {
    this.#core = core;
    this.#lock = lock;
    this.#files = files;
    this.#options = options;
  }

  showLauncher() {
    if (this.#ended) return;
    if (!this.#open.has('launcher')) this.#fill('launcher', new Launcher(this, this.#core));
  }

  async openPractice() {
    if (this.#ended) return;
    if (!this.#open.has('practice')) {
      const [{ firstCopy }, files] = await Promise.all([this.#lock, this.#files]);
      if (this.#open.has('practice') || this.#ended) return;
      const screen = new PracticeScreen({ core: this.#core, windows: this, firstCopy, files, ...this.#options });
      this.#fill('practice', screen);
      await screen.load(); // a second copy of the program closes it again here
    }
    this.#unload('launcher');
    this.#endIfNoWindow();
  }

  closePractice() {
    this.#unload('seiseki');
    this.#unload('practice');
    this.#endIfNoWindow();
  }

  showAbout() {
    this.#float('about', () => new AboutWindow(this.#core.aboutTexts(), () => this.#close('about')));
  }

  // The results of the practice screen `screen`, which are its board's: they go with it.
  showResults(screen) {
    this.#float('seiseki', () => new ResultsWindow(this.#core.resultsTexts(), screen.results, () => this.#close('seiseki')));
  }

  showHelp() {
    this.#float('help', () => new HelpWindow(() => this.#close('help')));
  }

  // Ends the program at once: every window goes, nothing runs afterwards.
  exitProgram() {
    for (const which of [...this.#open.keys()]) this.#unload(which);
    this.#end();
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
