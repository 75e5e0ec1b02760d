// SPDX-License-Identifier: MIT
// @ts-check
// A trainee's results as the hall sends them, read by the results window as it reads the core's
// Results in the single-user page: revision(), view() and tsv(). A results message of another
// shape than the first is let be, since the window is built to the first one's summary.

/**
 * @typedef {{ label: string, value: string }} SummaryLine
 * @typedef {{ revision: number, summary: SummaryLine[][], rows: string[][],
 *   differences: { lot: number, difference: number, percent: number }[] }} ResultsView
 */

/** @param {unknown} v @returns {v is any[]} */
const isArray = (v) => Array.isArray(v);

/** @param {any} results @returns {boolean} */
function wellFormed(results) {
  return (
    results !== null &&
    typeof results === 'object' &&
    isArray(results.summary) &&
    results.summary.every((/** @type {any} */ column) => isArray(column) && column.every((line) => typeof line?.label === 'string' && typeof line?.value === 'string')) &&
    isArray(results.rows) &&
    results.rows.every((/** @type {any} */ cells) => isArray(cells) && cells.every((c) => typeof c === 'string')) &&
    isArray(results.differences) &&
    results.differences.every((/** @type {any} */ d) => ['lot', 'difference', 'percent'].every((k) => Number.isFinite(d?.[k])))
  );
}

/** @param {SummaryLine[][]} summary */
const shapeOf = (summary) => summary.map((column) => column.map((line) => line.label).join('\t')).join('\n');

export class HallResults {
  /** @type {ResultsView | null} */
  #view = null;
  #headings;

  /** @param {string[]} headings the lots' column headings (the core's results layout) */
  constructor(headings) {
    this.#headings = headings;
  }

  /**
   * Takes the hall's results; returns whether they were taken.
   * @param {unknown} results
   */
  take(results) {
    if (!wellFormed(results)) return false;
    const r = /** @type {ResultsView} */ (results);
    if (this.#view && shapeOf(r.summary) !== shapeOf(this.#view.summary)) return false;
    // Counted here: the window redraws when the number moves, whatever the hall's revision says.
    this.#view = { summary: r.summary, rows: r.rows, differences: r.differences, revision: (this.#view?.revision ?? 0) + 1 };
    return true;
  }

  /** Whether any results have come yet. */
  get ready() {
    return this.#view !== null;
  }

  revision() {
    return this.#view?.revision ?? 0;
  }

  /** @returns {ResultsView} */
  view() {
    return this.#view ?? { revision: 0, summary: [], rows: [], differences: [] };
  }

  // As the single-user page copies them: the summary's lines, a blank line, the lots newest first.
  tsv() {
    const { summary, rows } = this.view();
    const lines = [...summary.flat().map((line) => `${line.label}\t${line.value}`), '', this.#headings.join('\t'), ...rows.map((cells) => cells.join('\t'))];
    return `${lines.join('\n')}\n`;
  }
}
