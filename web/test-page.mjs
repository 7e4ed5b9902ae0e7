#!/usr/bin/env node
// node web/test-page.mjs PAGE_FOLDER [FILE...]: the page's tests, with Node's test runner:
// every web/test/*.test.mjs (or the FILEs named), one file at a time. The unit tests of the
// page's pure modules (link, inputs, comparison, generators, explanations) run under Node
// alone; the programs' test runs the modules of PAGE_FOLDER under Node's WASI; the rest
// drive the page in Debian's Chromium (test/helpers.mjs), one feature a file.
// SOLVERS_PAGE_SCREENSHOTS=FOLDER saves the pictures the README shows into FOLDER.
import { readdirSync } from 'node:fs';
import { join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { run } from 'node:test';
import { spec } from 'node:test/reporters';

if (process.argv.length < 3) {
  console.error('usage: node web/test-page.mjs PAGE_FOLDER [FILE...]');
  process.exit(2);
}
process.env.SOLVERS_PAGE = resolve(process.argv[2]);
const folder = join(fileURLToPath(new URL('.', import.meta.url)), 'test');
const files = process.argv.length > 3 ? process.argv.slice(3).map((f) => resolve(f))
  : readdirSync(folder).filter((f) => f.endsWith('.test.mjs')).sort().map((f) => join(folder, f));

// One file at a time: the timed checks must not share two cores with another browser.
const stream = run({ files, concurrency: 1, timeout: 600000 });
stream.on('test:fail', () => { process.exitCode = 1; });
stream.compose(spec).pipe(process.stdout);
