#!/usr/bin/env node
// node web/test-page.mjs PAGE_FOLDER: tests the assembled page (build-wasm/page) in
// Debian's Chromium, headless, driven by puppeteer-core, with the page served from
// 127.0.0.1 by this script. Each program answers its bundled example with the bytes of
// its expected.out; a refused input shows its one line and status 1; a line the grammar
// refuses shows the assertion report and status 134, and the deepest one that report or
// the page's line that the browser's stack is too small; a 64 MiB crypt.in picked as a
// file is answered whole. SOLVERS_PAGE_SCREENSHOT=FILE also saves a picture of the last run.
import { createServer } from 'node:http';
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { extname, join, resolve, sep } from 'node:path';
import { fileURLToPath } from 'node:url';
import puppeteer from 'puppeteer-core';

const top = resolve(fileURLToPath(import.meta.url), '../..');
const programs = ['transformation', 'expression', 'stack', 'crypt', 'subsequence'];
const kChromium = '/usr/bin/chromium';

if (process.argv.length !== 3) {
  console.error('usage: node web/test-page.mjs PAGE_FOLDER');
  process.exit(2);
}
const pageFolder = resolve(process.argv[2]);

const types = {
  '.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css',
  '.wasm': 'application/wasm', '.in': 'application/octet-stream',
};
const server = createServer((request, response) => {
  const path = decodeURIComponent(new URL(request.url, 'http://x').pathname);
  const file = resolve(pageFolder, '.' + (path.endsWith('/') ? path + 'index.html' : path));
  if (!file.startsWith(pageFolder + sep)) {
    response.writeHead(403).end();
    return;
  }
  try {
    const body = readFileSync(file);
    response.writeHead(200, { 'Content-Type': types[extname(file)] || 'application/octet-stream' });
    response.end(body);
  } catch {
    response.writeHead(404).end();
  }
});
await new Promise((done) => server.listen(0, '127.0.0.1', done));
const url = `http://127.0.0.1:${server.address().port}/`;

const scratch = mkdtempSync(join(tmpdir(), 'page-test-'));
const browser = await puppeteer.launch({
  executablePath: kChromium,
  headless: true,
  userDataDir: join(scratch, 'profile'),
  args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
    '--disable-background-networking', '--disable-component-update', '--disable-sync'],
});

let checks = 0;
const failures = [];
function check(ok, what) {
  checks += 1;
  if (!ok) failures.push(what);
}

const page = await browser.newPage();
page.on('pageerror', (error) => failures.push(`the page threw: ${error.message}`));
await page.setViewport({ width: 1000, height: 900 });
await page.goto(url, { waitUntil: 'load' });
await page.waitForFunction(() => document.body.dataset.state === 'ready');

// Runs the chosen program on the input the page holds; what the page then shows, with
// the output file's bytes as the download link gives them.
async function runShown(program) {
  await page.select('#program', program);
  await page.click('#run');
  await page.waitForFunction(() => document.body.dataset.state === 'done', { timeout: 300000 });
  return page.evaluate(async () => {
    const link = document.getElementById('download');
    let output = null;
    if (!link.hidden) {
      const bytes = new Uint8Array(await (await fetch(link.href)).arrayBuffer());
      let text = '';
      for (let i = 0; i < bytes.length; i += 0x8000) {
        text += String.fromCharCode(...bytes.subarray(i, i + 0x8000));
      }
      output = btoa(text);
    }
    document.body.dataset.state = 'ready';
    return {
      time: document.getElementById('time').textContent,
      status: document.getElementById('status').textContent,
      err: document.getElementById('stderr').textContent,
      output: output === null ? null : output,
    };
  });
}

function bytesOf(shown) {
  return shown.output === null ? null : Buffer.from(shown.output, 'base64');
}

async function pickFile(program, bytes) {
  const file = join(scratch, `${program}.in`);
  writeFileSync(file, bytes);
  const input = await page.$('#file');
  await input.uploadFile(file);
  await page.waitForFunction((name) =>
    document.getElementById('input-name').textContent.startsWith(name), {}, `${program}.in`);
}

for (const program of programs) {
  await page.select('#program', program);
  await page.click('#example');
  await page.waitForFunction((name) =>
    document.getElementById('input-name').textContent.startsWith(`the example ${name}.in`),
  {}, program);
  const shown = await runShown(program);
  const expected = readFileSync(join(top, program, 'example', 'expected.out'));
  check(shown.status === '0' && shown.err === '' && bytesOf(shown)?.equals(expected),
    `${program}: its example gave status ${shown.status}, "${shown.err}"`);
}

// A refusal: one line, status 1, an empty output file.
await pickFile('stack', '100001\n');
let shown = await runShown('stack');
check(shown.status === '1' && shown.err === 'stack: n is 100001, above the limit of 100000\n' &&
      bytesOf(shown)?.length === 0, `stack: a refused n gave status ${shown.status}, "${shown.err}"`);

// A line the grammar refuses: the assertion report, the abort's status, an empty output.
await pickFile('expression', '2*(3+4\n1\n2\n');
shown = await runShown('expression');
check(shown.status === '134' &&
      shown.err.startsWith("Assertion failed: ptr < n && s[ptr++] == ')' (expression/parser.cpp") &&
      bytesOf(shown)?.length === 0,
  `expression: a refused line gave status ${shown.status}, "${shown.err}"`);

// The deepest line the length limit allows, which the grammar refuses at its end: the
// browser's stack cannot be chosen, so a page may fall short of it, but it must say so in
// its one line, never answer.
await pickFile('expression', '('.repeat(524285) + '1\n0\n');
shown = await runShown('expression');
check(shown.status === '134' && bytesOf(shown)?.length === 0 &&
      (shown.err.startsWith("Assertion failed: ptr < n && s[ptr++] == ')'") ||
       /^the browser's stack is too small for this input \([^\n]*\)\n$/.test(shown.err)),
  `expression: the deepest line gave status ${shown.status}, "${shown.err}"`);

// A crypt.in of 64 MiB in lines of about 80 bytes, built from words whose decoding is known.
const words = [['pafarifas', 'paris'], ['hefallofa', 'hello'], ['wofarld', 'world'],
  ['xyfaz', 'xyz'], ['bcd', 'bcd'], ['éfa', 'éfa']];
const encoded = [];
const decoded = [];
let size = 0;
for (let i = 0; size < 64 << 20; ++i) {
  const line = [];
  const plain = [];
  for (let j = 0; j < 9; ++j) {
    const [coded, word] = words[(i * 7 + j * 3) % (words.length - 1)];
    line.push(coded);
    plain.push(word);
  }
  encoded.push(line.join(' '));
  decoded.push(plain.join(' '));
  size += encoded[encoded.length - 1].length + 1;
}
await pickFile('crypt', encoded.join('\n') + '\n');
shown = await runShown('crypt');
check(shown.status === '0' && shown.err === '' &&
      bytesOf(shown)?.equals(Buffer.from(decoded.join('\n') + '\n')),
  `crypt: a 64 MiB crypt.in gave status ${shown.status}, "${shown.err}"`);
const cryptTime = shown.time;

// The picture of a run, for a person to look at: the example of expression.
if (process.env.SOLVERS_PAGE_SCREENSHOT) {
  await page.select('#program', 'expression');
  await page.click('#example');
  await runShown('expression');
  await page.screenshot({ path: process.env.SOLVERS_PAGE_SCREENSHOT, fullPage: true });
}

const version = await browser.version();
await browser.close();
server.close();
rmSync(scratch, { recursive: true, force: true });
for (const failure of failures) console.error(`page test: ${failure}`);
console.log(`page test in ${version} (${kChromium}): ${checks - failures.length} of ${checks} ` +
  `checks passed; the 64 MiB crypt.in ran in ${cryptTime}`);
process.exit(failures.length === 0 ? 0 : 1);
