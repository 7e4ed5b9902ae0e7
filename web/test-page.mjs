#!/usr/bin/env node
// node web/test-page.mjs PAGE_FOLDER: tests the assembled page (build-wasm/page) as a person
// uses it, in Debian's Chromium, headless, driven by puppeteer-core, with the page served
// from 127.0.0.1 by this script and a fresh profile. The checks, in groups:
//   - loading: the states; the format beside the editor is the README's section; the
//     editor starts with the bundled example; every example gives its expected.out;
//   - typing: typed input run by Ctrl+Enter and Cmd+Enter, focus back in the editor; an
//     input per program across switches; a program never runs another's input;
//   - keeping: the inputs after a reload; Copy link opened in a fresh browser profile;
//     an input too large for a link is not put in it, and the page says so;
//   - files: Open file…, a large file held read-only and replaced by typing, a binary
//     file's bytes reaching the program exactly, a file dropped on the page and a
//     folder dropped on it;
//   - runs: locked during a run, Stop on a 64 MiB crypt.in and Run again, a reload
//     during a run; results in words (refusal, grammar report, empty output, empty
//     input), output cut at a line end with exact sizes, numbers never broken;
//   - expression's depth: a line at the depth the page measured is answered, one deeper
//     and the deepest line get the notice with the commands;
//   - keyboard alone; axe-core before and after a run, light and dark; the phone width;
//     file://; and, all along, no console message, no failed or outside request, nothing
//     sent.
// It ends with a line naming the browser and the times of the 64 MiB crypt.in.
// SOLVERS_PAGE_SCREENSHOTS=FOLDER saves page.png (desktop, a result) and page-phone.png.
import { createServer } from 'node:http';
import { mkdirSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import { extname, join, resolve, sep } from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';
import puppeteer from 'puppeteer-core';

const top = resolve(fileURLToPath(import.meta.url), '../..');
const kChromium = '/usr/bin/chromium';
const axePath = createRequire(import.meta.url).resolve('axe-core/axe.min.js');

if (process.argv.length !== 3) {
  console.error('usage: node web/test-page.mjs PAGE_FOLDER');
  process.exit(2);
}
const pageFolder = resolve(process.argv[2]);
const programs = JSON.parse(readFileSync(join(pageFolder, 'programs.json'), 'utf8'))
  .map((p) => p.name);

// A check that fails is a failure; so is a fault of the page seen along the way (a console
// message, a request it should not make) or a group that could not finish, each told once.
let checks = 0;
const failures = [];
const faults = new Set();
function check(ok, what) {
  checks += 1;
  if (!ok) failures.push(what);
}

// --- The server, which notes every request that is not a plain fetch of one of its files --

const types = {
  '.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css', '.json': 'application/json',
  '.wasm': 'application/wasm', '.in': 'application/octet-stream',
};
const server = createServer((request, response) => {
  const path = decodeURIComponent(new URL(request.url, 'http://x').pathname);
  const file = resolve(pageFolder, '.' + (path.endsWith('/') ? path + 'index.html' : path));
  if (request.method !== 'GET' || request.headers['content-length']) {
    faults.add(`the page sent something: ${request.method} ${request.url}`);
  }
  if (!file.startsWith(pageFolder + sep)) {
    response.writeHead(403).end();
    return;
  }
  try {
    const body = readFileSync(file);
    response.writeHead(200, { 'Content-Type': types[extname(file)] || 'application/octet-stream' });
    response.end(body);
  } catch {
    faults.add(`the page asked for what is not there: ${request.url}`);
    response.writeHead(404).end();
  }
});
await new Promise((done) => server.listen(0, '127.0.0.1', done));
const origin = `http://127.0.0.1:${server.address().port}`;
const url = `${origin}/`;

const scratch = mkdtempSync(join(tmpdir(), 'page-test-'));
const browser = await puppeteer.launch({
  executablePath: kChromium,
  headless: true,
  userDataDir: join(scratch, 'profile'),
  args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
    '--disable-background-networking', '--disable-component-update', '--disable-sync'],
});
const kClipboard = ['clipboard-read', 'clipboard-write', 'clipboard-sanitized-write'];
await browser.defaultBrowserContext().overridePermissions(origin, kClipboard);

// A page of the browser (or of another context, a fresh profile), watched all along: a
// message on its console (its worker's included), an exception, a request that is not to
// the test's server, each is a failure.
async function newPage(context = browser.defaultBrowserContext(),
  viewport = { width: 1280, height: 800 }) {
  const page = await context.newPage();
  page.on('console', (message) => faults.add(`console: ${message.type()}: ${message.text()}`));
  page.on('pageerror', (error) => faults.add(`the page threw: ${error.message}`));
  page.on('request', (request) => {
    const target = request.url();
    if (!target.startsWith(origin) && !/^(data|blob|file):/.test(target)) {
      faults.add(`the page asked outside its server: ${target}`);
    }
  });
  await page.setViewport(viewport);
  return page;
}

const state = (page) => page.evaluate(() => document.body.dataset.state);
const waitState = (page, ...states) => page.waitForFunction(
  (wanted) => wanted.includes(document.body.dataset.state), { timeout: 300000 }, states);

async function open(page, address = url) {
  await page.goto(address, { waitUntil: 'load' });
  await waitState(page, 'ready');
}

const editorText = (page) => page.$eval('#input', (editor) => editor.value);

// Replaces the editor's text as a person does: click, select all, type.
async function typeInput(page, text) {
  await page.click('#input');
  await page.keyboard.down('Control');
  await page.keyboard.press('a');
  await page.keyboard.up('Control');
  if (text === '') await page.keyboard.press('Backspace');
  else await page.keyboard.type(text);
}

// Pastes text over the editor's, as a person does with a long text.
async function pasteInput(page, text) {
  await page.evaluate((pasted) => navigator.clipboard.writeText(pasted), text);
  await page.click('#input');
  await page.keyboard.down('Control');
  await page.keyboard.press('KeyA', { commands: ['SelectAll'] });
  await page.keyboard.press('KeyV', { commands: ['Paste'] });
  await page.keyboard.up('Control');
}

async function choose(page, program) {
  await page.select('#program', program);
}

// A file on disk, for the file chooser and for drops.
function fileOf(name, bytes) {
  const folder = mkdtempSync(join(scratch, 'file-'));
  const path = join(folder, name);
  writeFileSync(path, bytes);
  return path;
}

// Opens a file by Open file…; it is opened once the editor shows it or the page says it
// holds it.
async function openFile(page, path) {
  const [chooser] = await Promise.all([page.waitForFileChooser(), page.click('#open')]);
  await chooser.accept([path]);
  await page.waitForFunction((name, start) => document.getElementById('input-note').textContent
    .includes(`: ${name}, `) || document.getElementById('input').value.startsWith(start), {},
  path.split(sep).pop(), readFileSync(path, 'latin1').slice(0, 100));
}

// Drags paths from outside the browser and drops them at (x, y), as a person does; whether
// the browser then showed the file instead of the page, as it does when the page lets it:
// in a tab of its own (headless Chromium) or in place of the page.
async function drop(page, paths, x = 640, y = 30) {
  await page.evaluate(() => { window.notLeft = true; });
  let opened = false;
  const tab = (target) => { opened ||= target.url().startsWith('file:'); };
  browser.on('targetcreated', tab);
  const session = await page.createCDPSession();
  const data = { items: [], files: paths, dragOperationsMask: 1 };
  for (const type of ['dragEnter', 'dragOver', 'drop']) {
    await session.send('Input.dispatchDragEvent', { type, x, y, data });
  }
  await session.detach();
  await new Promise((done) => setTimeout(done, 1000));  // the browser does it well within that
  browser.off('targetcreated', tab);
  for (const other of await browser.pages()) {
    if (other.url().startsWith('file:')) await other.close();
  }
  await page.bringToFront();
  return opened || page.evaluate(() => window.notLeft !== true).catch(() => true);
}

// What the page shows after a run: the state, the verdict and its kind, the times, standard
// error, the note on the output, and the output file's bytes as the download link gives
// them (null when there is no link).
async function shown(page) {
  const seen = await page.evaluate(async () => {
    const $ = (id) => document.getElementById(id);
    const link = $('download');
    let output = null;
    if (!link.hidden) {
      const bytes = new Uint8Array(await (await fetch(link.href)).arrayBuffer());
      let text = '';
      for (let i = 0; i < bytes.length; i += 0x8000) {
        text += String.fromCharCode(...bytes.subarray(i, i + 0x8000));
      }
      output = btoa(text);
    }
    return {
      state: document.body.dataset.state,
      verdict: $('verdict').textContent,
      kind: $('verdict').dataset.kind,
      times: $('times').textContent,
      err: $('details').hidden ? null : $('stderr').textContent,
      note: $('output-note').textContent,
      text: $('output').textContent,
      notice: $('depth-notice').hidden ? null : $('depth-notice').textContent,
      output,
    };
  });
  seen.bytes = seen.output === null ? null : Buffer.from(seen.output, 'base64');
  return seen;
}

// Runs what the page holds by pressing Run; what it then shows.
async function run(page) {
  await page.click('#run');
  await waitState(page, 'done', 'stopped');
  return shown(page);
}

const expectedOf = (program) => readFileSync(join(top, program, 'example', 'expected.out'));
const exampleOf = (program) => readFileSync(join(top, program, 'example', `${program}.in`));

// The README's first paragraph of a program's section, as the page is to show it: its two
// halves, each after the file's name, in plain words.
function readmeFormat(program) {
  const readme = readFileSync(join(top, 'README.md'), 'utf8');
  const section = readme.split(`\n### ${program}\n`)[1].trim().split('\n\n')[0];
  const plain = section.replace(/`/g, '').replace(/\s+/g, ' ');
  const [input, output] = plain.slice(`${program}.in: `.length).split(` ${program}.out: `);
  return { input, output };
}

// A crypt.in of 64 MiB in lines of about 80 bytes, built from words whose decoding is known.
function largeCrypt() {
  const words = [['pafarifas', 'paris'], ['hefallofa', 'hello'], ['wofarld', 'world'],
    ['xyfaz', 'xyz'], ['bcd', 'bcd']];
  const encoded = [];
  const decoded = [];
  let size = 0;
  for (let i = 0; size < 64 << 20; ++i) {
    const line = [];
    const plain = [];
    for (let j = 0; j < 9; ++j) {
      const [coded, word] = words[(i * 7 + j * 3) % words.length];
      line.push(coded);
      plain.push(word);
    }
    encoded.push(line.join(' '));
    decoded.push(plain.join(' '));
    size += encoded[encoded.length - 1].length + 1;
  }
  return { input: encoded.join('\n') + '\n', output: decoded.join('\n') + '\n' };
}

// axe-core's findings on the page as it stands, serious and critical only.
async function accessibility(page, when) {
  if (!await page.evaluate(() => 'axe' in window)) await page.addScriptTag({ path: axePath });
  const found = await page.evaluate(async () => {
    const results = await window.axe.run(document);
    return results.violations.filter((v) => v.impact === 'serious' || v.impact === 'critical')
      .map((v) => `${v.id} (${v.nodes.map((n) => n.target.join(' ')).join(', ')})`);
  });
  check(found.length === 0, `axe-core, ${when}: ${found.join('; ')}`);
}

// A group of checks; an exception in it (a wait that timed out) is its failure, and the
// groups after it still run.
async function group(name, checks) {
  const started = Date.now();
  try {
    await checks();
  } catch (error) {
    faults.add(`${name}: ${error.message.split('\n')[0]}`);
  }
  if (process.env.SOLVERS_PAGE_TEST_TIMES) {
    console.log(`${name}: ${(Date.now() - started) / 1000} s`);
  }
}

const page = await newPage();

// --- Loading ---------------------------------------------------------------------------------

await group('loading', async () => {
  await page.goto(url, { waitUntil: 'domcontentloaded' });
  const first = await state(page);
  await waitState(page, 'ready');
  check(first === 'loading', `the page started in state ${first}`);
  check(await page.$eval('#run', (b) => !b.disabled), 'Run is not enabled once the page is ready');
  check(await page.$eval('link[rel=icon]', (l) => l.href.startsWith('data:image/svg+xml')),
    'the page has no inline SVG favicon');
  await accessibility(page, 'on a fresh page');
  for (const program of programs) {
    await choose(page, program);
    const format = await page.evaluate(() => ({
      input: document.getElementById('format-in').textContent.replace(/\s+/g, ' '),
      output: document.getElementById('format-out').textContent.replace(/\s+/g, ' '),
    }));
    const readme = readmeFormat(program);
    check(format.input === readme.input && format.output === readme.output,
      `${program}: the format beside the editor is not the README's: ${JSON.stringify(format)}`);
    check(Buffer.from(await editorText(page)).equals(exampleOf(program)),
      `${program}: the editor does not start with the bundled example`);
    const result = await run(page);
    check(result.state === 'done' && result.kind === 'answered' && result.err === '' &&
          result.bytes?.equals(expectedOf(program)),
    `${program}: its example gave "${result.verdict}", "${result.err}"`);
    const times = /^Total \d+\.\d{3} s from Run to result; the module ran \d+\.\d{3} s\.$/;
    check(times.test(result.times), `${program}: the times read "${result.times}"`);
  }
  await accessibility(page, 'after a run');
  await page.emulateMediaFeatures([{ name: 'prefers-color-scheme', value: 'dark' }]);
  await accessibility(page, 'after a run, dark');
  await page.emulateMediaFeatures([]);
  check(await page.$eval('#verdict', (v) => v.closest('[aria-live]') !== null),
    'the verdict is not in an aria-live region');
});

// --- Typing, Ctrl+Enter, an input per program --------------------------------------------

await group('typing', async () => {
  await choose(page, 'stack');
  await typeInput(page, '5\n5 -1 4 -1 3\n');
  check(await state(page) === 'ready', 'typing after a run did not make the page ready again');
  await page.keyboard.down('Control');
  await page.keyboard.press('Enter');
  await page.keyboard.up('Control');
  await waitState(page, 'done');
  let result = await shown(page);
  check(result.bytes?.toString() === '-1 -1 3 4 5 ',
    `stack: typed input and Ctrl+Enter gave "${result.text}"`);
  check(await page.evaluate(() => document.activeElement.id) === 'input',
    'focus did not return to the editor after Ctrl+Enter');
  check(await editorText(page) === '5\n5 -1 4 -1 3\n', 'the editor lost what was typed');

  await typeInput(page, '3\n3 1 2');
  await page.keyboard.down('Meta');
  await page.keyboard.press('Enter');
  await page.keyboard.up('Meta');
  await waitState(page, 'done');
  result = await shown(page);
  check(result.bytes?.toString() === '1 2 3 ', `stack: Cmd+Enter gave "${result.text}"`);

  // Each program keeps its own: crypt never runs stack's input, stack's comes back.
  await choose(page, 'crypt');
  check(await page.$eval('#details', (d) => d.hidden) && await state(page) === 'ready',
    "a program switch still shows the other program's result");
  check(Buffer.from(await editorText(page)).equals(exampleOf('crypt')),
    'crypt does not show its own input');
  result = await run(page);
  check(result.bytes?.equals(expectedOf('crypt')), `crypt ran another input: "${result.text}"`);
  await typeInput(page, 'hefallofa\n');
  await choose(page, 'stack');
  check(await editorText(page) === '3\n3 1 2', "stack's typed input was not kept across a switch");
  await choose(page, 'crypt');
  check(await editorText(page) === 'hefallofa\n',
    "crypt's typed input was not kept across a switch");

  // Empty input is input too.
  await choose(page, 'subsequence');
  await typeInput(page, '');
  result = await run(page);
  check(result.kind === 'refused' && result.verdict.includes('subsequence: ') &&
        result.bytes === null && result.note === 'subsequence.out is empty (0 bytes).',
  `subsequence: an empty input gave "${result.verdict}", "${result.note}"`);
  await page.click('#reset');
  check(Buffer.from(await editorText(page)).equals(exampleOf('subsequence')),
    'Reset to example did not bring the example back');
});

// --- Keeping: a reload, and the link in a fresh profile ----------------------------------

await group('keeping', async () => {
  await choose(page, 'crypt');
  await page.reload({ waitUntil: 'load' });
  await waitState(page, 'ready');
  check(await page.$eval('#program', (s) => s.value) === 'crypt',
    'the program was not kept across a reload');
  check(await editorText(page) === 'hefallofa\n',
    `crypt's input after a reload: "${await editorText(page)}"`);
  await choose(page, 'stack');
  check(await editorText(page) === '3\n3 1 2',
    `stack's input after a reload: "${await editorText(page)}"`);

  await typeInput(page, '4\n-2147483648 2147483647 0 -1\n');
  await page.click('#copy');
  await page.waitForFunction(() =>
    document.getElementById('link-note').textContent.includes('copied'));
  const link = await page.evaluate(() => navigator.clipboard.readText());
  check(link.startsWith(`${url}#program=stack&input=`), `Copy link gave ${link}`);
  const fresh = await browser.createBrowserContext();
  await fresh.overridePermissions(origin, kClipboard);
  const other = await newPage(fresh);
  await open(other, link);
  check(await other.$eval('#program', (s) => s.value) === 'stack' &&
        await editorText(other) === '4\n-2147483648 2147483647 0 -1\n',
  `the link opened in a fresh profile shows ${await other.$eval('#program', (s) => s.value)}, ` +
    `"${await editorText(other)}"`);
  const result = await run(other);
  check(result.bytes?.toString() === '-2147483648 -1 0 2147483647 ',
    `the link's input ran as "${result.text}"`);

  // An input that does not compress into a link: the link names the program alone.
  let digits = '20000\n';
  for (let i = 0; i < 20000; ++i) digits += `${(i * 7919 + 13) % 1000003} `;
  await pasteInput(other, digits);
  await other.click('#copy');
  await other.waitForFunction(() =>
    document.getElementById('link-note').textContent.includes('too large'));
  check(await other.evaluate(() => location.hash) === '#program=stack',
    `a large input went into the link: ${(await other.evaluate(() => location.hash)).slice(0, 60)}`);
  // A link whose input is broken says so and shows the example; a link pasted into the
  // address bar of the open page is opened too.
  await other.evaluate((address) => { location.href = address; },
    `${url}#program=expression&input=AAAA`);
  await other.waitForFunction(() => document.body.dataset.state === 'ready' &&
    document.getElementById('program').value === 'expression');
  const note = await other.$eval('#input-note', (n) => n.textContent);
  check(note === "The link's input could not be read (it does not decompress); the example is " +
        'shown.' && Buffer.from(await editorText(other)).equals(exampleOf('expression')),
  `a broken link said "${note}"`);
  await fresh.close();
});

// --- Files -----------------------------------------------------------------------------------

const large = largeCrypt();
const largePath = fileOf('crypt.in', large.input);
await group('files', async () => {
  await choose(page, 'stack');
  await openFile(page, fileOf('small.in', '2\n7 -7\n'));
  check(await editorText(page) === '2\n7 -7\n' && !await page.$eval('#input', (e) => e.readOnly),
    'a small file did not open in the editor');

  // Larger than the editor takes: held, read-only, replaced by typing.
  await choose(page, 'crypt');
  await openFile(page, largePath);
  const note = await page.$eval('#input-note', (n) => n.textContent);
  check(await page.$eval('#input', (e) => e.readOnly) && note.includes('crypt.in') &&
        note.includes(large.input.length.toLocaleString('en-US')) &&
        (await editorText(page)).startsWith(large.input.slice(0, 200)),
  `a 64 MiB file is not held as a file: "${note}"`);
  await page.click('#input');
  await page.keyboard.type('yfa');
  check(await editorText(page) === 'yfa' && !await page.$eval('#input', (e) => e.readOnly),
    `typing did not replace the held file: "${(await editorText(page)).slice(0, 40)}"`);

  // Bytes the editor would change are held: a CR, bytes that are not UTF-8.
  const binary = Buffer.from('pafarifas\r\n\xff\xfe\x00bcd\n', 'latin1');
  await openFile(page, fileOf('binary.in', binary));
  check(await page.$eval('#input', (e) => e.readOnly), 'a binary file went into the editor');
  let result = await run(page);
  check(result.bytes?.equals(Buffer.from('paris\r\n\xff\xfe\x00bcd\n', 'latin1')),
    `crypt did not get a binary file's bytes: ${result.bytes?.toString('hex')}`);

  // Dropped on the page, not on any box: opened, and the page stays.
  check(!await drop(page, [fileOf('dropped.in', 'xyfaz\n')]),
    'the browser showed a dropped file instead of the page');
  await page.waitForFunction(() => document.getElementById('input').value === 'xyfaz\n');
  const folder = mkdtempSync(join(scratch, 'folder-'));
  check(!await drop(page, [folder], 300, 700),
    'the browser showed a dropped folder instead of the page');
  await page.waitForFunction(() =>
    document.getElementById('input-note').textContent.includes('folder'));
  check(await editorText(page) === 'xyfaz\n', 'a dropped folder changed the input');
});

// --- Runs: locked, stopped, reloaded; results in words ---------------------------------

let cryptTimes = '';
await group('runs', async () => {
  await choose(page, 'crypt');
  await openFile(page, largePath);
  await page.click('#run');
  await waitState(page, 'running');
  const locked = await page.evaluate(() => document.getElementById('input').readOnly &&
    ['program', 'run', 'open', 'reset'].every((id) => document.getElementById(id).disabled));
  check(locked, 'the Program list, Run or the input is not locked during a run');
  const focused = () => page.evaluate(() => document.activeElement.id);
  check(await focused() === 'stop', 'focus is not on Stop during a run');
  await page.click('#program');
  await page.keyboard.press('ArrowDown');
  check(await page.$eval('#program', (s) => s.value) === 'crypt',
    'the program changed during a run');
  await page.click('#stop');
  await waitState(page, 'stopped');
  let result = await shown(page);
  check(result.verdict.startsWith('Stopped') && result.bytes === null,
    `a stopped run shows "${result.verdict}"`);
  check(await focused() === 'run', 'focus did not return to Run after Stop');

  // The fresh worker answers the same 64 MiB whole.
  result = await run(page);
  check(result.kind === 'answered' && result.bytes?.equals(Buffer.from(large.output)),
    `crypt: a 64 MiB crypt.in after Stop gave "${result.verdict}"`);
  cryptTimes = result.times;
  // Its output is cut at a line end, with exact sizes.
  const cut = Buffer.from(large.output).subarray(0, 1 << 20).lastIndexOf(0x0a) + 1;
  const sizes = `the first ${cut.toLocaleString('en-US')} of ` +
    `${large.output.length.toLocaleString('en-US')} bytes`;
  check(result.note === `Shown: ${sizes}, up to the end of a line; the download holds all of it.` &&
        result.text === large.output.slice(0, cut), `a long output was shown as: "${result.note}"`);

  // A reload during a run: the page comes back ready, with the input it kept.
  await page.click('#run');
  await waitState(page, 'running');
  await page.reload({ waitUntil: 'load' });
  await waitState(page, 'ready');
  check(await page.$eval('#program', (s) => s.value) === 'crypt' &&
        Buffer.from(await editorText(page)).equals(exampleOf('crypt')),
  'a reload during a run did not come back to crypt and its example');

  // The words of a refusal and of the grammar report, the empty output file.
  await choose(page, 'stack');
  await typeInput(page, '100001\n');
  result = await run(page);
  const refusal = 'stack: n is 100001, above the limit of 100000';
  check(result.verdict === `Refused (exit status 1): ${refusal}` && result.err === `${refusal}\n` &&
        result.bytes === null && result.note === 'stack.out is empty (0 bytes).',
  `stack: a refused n gave "${result.verdict}", "${result.note}"`);
  await choose(page, 'expression');
  await typeInput(page, '2*(3+4\n1\n2\n');
  result = await run(page);
  check(result.kind === 'grammar' &&
        result.verdict.startsWith('The line breaks the expression grammar (exit status 134)') &&
        result.err.startsWith("Assertion failed: ptr < n && s[ptr++] == ')' (expression/parser.cpp") &&
        result.bytes === null, `expression: a refused line gave "${result.verdict}", "${result.err}"`);

  // Long numbers stay whole: a line of them wraps at its blanks only.
  await choose(page, 'stack');
  let values = '3000\n';
  for (let i = 0; i < 3000; ++i) values += `${-2147067021 + i * 1000003} `;
  await pasteInput(page, values);
  await run(page);
  const broken = await page.$eval('#output', (pre) => {
    const text = pre.firstChild;
    const range = document.createRange();
    let split = 0;
    for (const match of text.data.matchAll(/\S+/g)) {
      range.setStart(text, match.index);
      range.setEnd(text, match.index + match[0].length);
      if (range.getClientRects().length !== 1) ++split;
    }
    const lineHeight = parseFloat(getComputedStyle(pre).lineHeight);
    return { split, lines: Math.round(pre.scrollHeight / lineHeight) };
  });
  check(broken.split === 0 && broken.lines > 1,
    `numbers broken across lines: ${JSON.stringify(broken)}`);
  if (process.env.SOLVERS_PAGE_SCREENSHOTS) {
    mkdirSync(process.env.SOLVERS_PAGE_SCREENSHOTS, { recursive: true });
    await choose(page, 'expression');
    await page.click('#reset');
    await run(page);
    await page.screenshot({ path: join(process.env.SOLVERS_PAGE_SCREENSHOTS, 'page.png'),
      fullPage: true });
  }
});

// --- expression's depth --------------------------------------------------------------------

await group('depth', async () => {
  await choose(page, 'expression');
  const limit = Number((await page.$eval('#depth-limit', (s) => s.textContent)).replace(/,/g, ''));
  check(limit >= 100, `the page holds expression lines only ${limit} deep`);
  // At the limit, in the shape whose levels cost the most: answered. E(d) = 1+1*(E(d-1))
  // is d+1; its first '+' switched makes it d.
  // Run first in the fresh worker that Stop starts, whose code is not warmed up, and then
  // again in a warm one.
  const line = (d) => '1+1*('.repeat(d) + '1' + ')'.repeat(d);
  await choose(page, 'crypt');
  await openFile(page, largePath);
  await page.click('#run');
  await waitState(page, 'running');
  await page.click('#stop');
  await waitState(page, 'stopped');
  await choose(page, 'expression');
  await pasteInput(page, `${line(limit)}\n1\n2\n`);
  for (const worker of ['fresh', 'warm']) {
    const result = await run(page);
    check(result.kind === 'answered' && result.bytes?.toString() === `${limit}\n`,
      `expression: a line nested ${limit} deep, in a ${worker} worker, gave "${result.verdict}"`);
  }
  await pasteInput(page, `${line(limit + 1)}\n1\n2\n`);
  let result = await run(page);
  const deeper = (limit + 1).toLocaleString('en-US');
  check(result.kind === 'deep' && result.verdict.includes(`nests ${deeper} deep`) &&
        result.notice?.includes('./solve expression my-folder') &&
        result.notice?.includes('node ../web/wasi-run.mjs ../build-wasm/expression/expression.wasm') &&
        result.bytes === null, `expression: a line nested ${limit + 1} deep gave "${result.verdict}"`);
  // The deepest line the length limit allows, which the grammar refuses at its end.
  await openFile(page, fileOf('expression.in', '('.repeat(524285) + '1\n0\n'));
  result = await run(page);
  check(result.kind === 'deep' && result.verdict.includes('nests 524,285 deep') &&
        result.bytes === null,
    `expression: the deepest line gave "${result.verdict}"`);
});

// --- Keyboard alone -------------------------------------------------------------------------

await group('keyboard', async () => {
  await page.reload({ waitUntil: 'load' });
  await waitState(page, 'ready');
  await page.evaluate(() => document.activeElement.blur());
  const reached = [];
  for (let i = 0; i < 12; ++i) {
    await page.keyboard.press('Tab');
    reached.push(await page.evaluate(() => document.activeElement.id));
  }
  const wanted = ['program', 'input', 'open', 'reset', 'run', 'copy'];
  check(wanted.every((id) => reached.includes(id)), `Tab reaches only ${reached.join(', ')}`);
  await page.focus('#program');
  await page.keyboard.press('Home');
  await page.keyboard.press('ArrowDown');
  check(await page.$eval('#program', (s) => s.value) === programs[1],
    'the arrow keys do not choose a program');
  await page.focus('#reset');
  await page.keyboard.press('Enter');
  await page.focus('#run');
  await page.keyboard.press('Enter');
  await waitState(page, 'done');
  const result = await shown(page);
  const focused = await page.evaluate(() => document.activeElement.id);
  check(result.bytes?.equals(expectedOf(programs[1])) && focused === 'run',
    `a run by keyboard gave "${result.verdict}", focus on ${focused}`);
  await page.focus('#open');
  const chooser = page.waitForFileChooser({ timeout: 5000 });
  await page.keyboard.press('Enter');
  check(await chooser.then(() => true, () => false),
    'Open file… does not open the chooser by keyboard');
});

// --- The phone width, and file:// --------------------------------------------------------

await group('phone and file://', async () => {
  const phone = await newPage(browser.defaultBrowserContext(),
    { width: 390, height: 844, isMobile: true });
  await open(phone);
  await choose(phone, 'stack');
  await pasteInput(phone, `200\n${'-2147483648 '.repeat(200)}\n`);
  await run(phone);
  const sideways = () => phone.evaluate(() =>
    document.documentElement.scrollWidth - window.innerWidth);
  check(await sideways() <= 0, `the page scrolls ${await sideways()} px sideways at 390 px`);
  await accessibility(phone, 'at 390 px');
  if (process.env.SOLVERS_PAGE_SCREENSHOTS) {
    await phone.screenshot({ path: join(process.env.SOLVERS_PAGE_SCREENSHOTS, 'page-phone.png') });
  }
  // The depth notice, whose commands are long.
  await choose(phone, 'expression');
  await pasteInput(phone, `${'('.repeat(100000)}1\n0\n`);
  const notice = await run(phone);
  check(notice.kind === 'deep' && await sideways() <= 0,
    `the depth notice scrolls ${await sideways()} px sideways at 390 px`);
  await accessibility(phone, 'at 390 px, the depth notice');
  await phone.close();

  const local = await newPage();
  await local.goto(pathToFileURL(join(pageFolder, 'index.html')).href, { waitUntil: 'load' });
  const unserved = await local.evaluate(() => {
    const notice = document.getElementById('unserved');
    return { state: document.body.dataset.state, notice: notice.hidden ? '' : notice.textContent };
  });
  check(unserved.state === 'unserved' && unserved.notice.includes('python3 -m http.server'),
    `from file:// the page is in state ${unserved.state}, saying "${unserved.notice}"`);
  await local.close();
});

const version = await browser.version();
await browser.close();
server.close();
rmSync(scratch, { recursive: true, force: true });
for (const failure of [...failures, ...faults]) console.error(`page test: ${failure}`);
console.log(`page test in ${version} (${kChromium}): ${checks - failures.length} of ${checks} checks ` +
  `passed${faults.size > 0 ? `, ${faults.size} faults seen` : ''}; the 64 MiB crypt.in: ${cryptTimes}`);
process.exit(failures.length === 0 && faults.size === 0 ? 0 : 1);
