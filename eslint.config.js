// The linter of the page's script modules (web/page) and the browser tests (tests/web): the
// recommended rules, each file with its own world's globals. The packages come from
// SMASHBOL_NODE_MODULES where the tests installed them, else from node_modules beside this file.
import { createRequire } from 'node:module';
import path from 'node:path';

const modules = process.env.SMASHBOL_NODE_MODULES;
const require = createRequire(modules ? path.resolve(modules, 'x.js') : import.meta.url);
const js = require('@eslint/js');
const globals = require('globals');

export default [
  { ignores: ['build*/**', 'node_modules/**', 'obj-*/**', 'debian/**'] },
  js.configs.recommended,
  {
    files: ['web/page/**/*.js'],
    languageOptions: { sourceType: 'module', globals: globals.browser },
  },
  {
    files: ['web/page/sw.js'],
    languageOptions: { sourceType: 'script', globals: globals.serviceworker },
  },
  {
    files: ['tests/web/**/*.mjs', 'tests/robustness/**/*.mjs', 'bench/**/*.mjs', 'eslint.config.js'],
    languageOptions: { globals: { ...globals.node, ...globals.browser } },
  },
];
