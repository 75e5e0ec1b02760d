// SPDX-License-Identifier: MIT
// @ts-check
// The core compiled to WebAssembly, beside the page's modules: the single-user page runs the
// auction with it; the hall's pages take only its presentation (magnification, the results
// window's layout and chart), as the hall's server runs the auction.

/** @returns {Promise<any>} the module, once its WebAssembly is ready */
export async function loadCore() {
  const module = await import(new URL('../kobaru.mjs', import.meta.url).href);
  return module.default();
}
