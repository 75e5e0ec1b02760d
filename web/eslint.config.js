// SPDX-License-Identifier: MIT
// ESLint over the site's JavaScript and its tests: the recommended rules, with each file's globals.

import js from '@eslint/js';
import globals from 'globals';

export default [
  js.configs.recommended,
  {
    files: ['site/js/**/*.js'],
    languageOptions: { sourceType: 'module', globals: globals.browser },
  },
  {
    files: ['site/sw.js'],
    languageOptions: { sourceType: 'script', globals: globals.serviceworker },
  },
  {
    // The tests run in node and hand functions to the page, which run there.
    files: ['tests/**/*.mjs', 'eslint.config.js'],
    languageOptions: { sourceType: 'module', globals: { ...globals.node, ...globals.browser } },
  },
];
