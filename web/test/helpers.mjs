// What the page's tests share: the page served from 127.0.0.1, Debian's Chromium driven by
// puppeteer-core, a fresh page for each group of checks (in a browser context of its own,
// so that no group sees another's storage), and the steps a person takes on it. Every page
// is watched all along: a message on its console (its workers' included), an exception, a
// request that is not a plain fetch from the test's server is a fault, which done() reports.
// The page folder is SOLVERS_PAGE (test-page.mjs sets it).
import assert from 'node:assert/strict';
import { createServer } from 'node:http';
import { mkdtempSync, readdirSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import { extname, join, resolve, sep } from 'node:path';
import { fileURLToPath } from 'node:url';
import puppeteer from 'puppeteer-core';

export const top = resolve(fileURLToPath(import.meta.url), '../../..');
export const kChromium = '/usr/bin/chromium';
const axePath = createRequire(import.meta.url).resolve('axe-core/axe.min.js');

if (!process.env.SOLVERS_PAGE) throw new Error('SOLVERS_PAGE names no page folder');
export const pageFolder = resolve(process.env.SOLVERS_PAGE);
export const about = JSON.parse(readFileSync(join(pageFolder, 'programs.json'), 'utf8'));
export const programs = about.map((p) => p.name);

// A phone's width, as the page must hold it.
export const kPhone = { width: 390, height: 844, isMobile: true };

export const count = (n) => n.toLocaleString('en-US');
export const expectedOf = (program) => readFileSync(join(top, program, 'example', 'expected.out'));
export const exampleOf = (program) => readFileSync(join(top, program, 'example', `${program}.in`));

const types = {
  '.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css', '.json': 'application/json',
  '.wasm': 'application/wasm', '.in': 'application/octet-stream',
};

// The server and the browser for one test file; close() ends both. Each page that open()
// gives is watched, and done(page) fails on what was seen.
export async function launch() {
  const faults = new Map();  // page -> what went wrong on it
  const fault = (page, what) => faults.get(page)?.add(what);
  let current = null;  // the page a request is for: the tests drive one at a time
  const server = createServer((request, response) => {
    const path = decodeURIComponent(new URL(request.url, 'http://x').pathname);
    const file = resolve(pageFolder, '.' + (path.endsWith('/') ? path + 'index.html' : path));
    if (request.method !== 'GET' || request.headers['content-length']) {
      fault(current, `the page sent something: ${request.method} ${request.url}`);
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
      fault(current, `the page asked for what is not there: ${request.url}`);
      response.writeHead(404).end();
    }
  });
  await new Promise((done) => server.listen(0, '127.0.0.1', done));
  const origin = `http://127.0.0.1:${server.address().port}`;
  const scratch = mkdtempSync(join(tmpdir(), 'page-test-'));
  const browser = await puppeteer.launch({
    executablePath: kChromium,
    headless: true,
    userDataDir: join(scratch, 'profile'),
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync'],
  });
  const kClipboard = ['clipboard-read', 'clipboard-write', 'clipboard-sanitized-write'];

  // A fresh page in a context of its own (or in `context`, to share its storage), opened
  // at `address` and ready unless `ready` is false.
  async function open({ address = `${origin}/`, viewport = { width: 1280, height: 800 },
    context = null, ready = true, beforeLoad = null } = {}) {
    context ??= await browser.createBrowserContext();
    await context.overridePermissions(origin, kClipboard);
    const page = await context.newPage();
    faults.set(page, new Set());
    current = page;
    page.on('console', (message) => fault(page, `console: ${message.type()}: ${message.text()}`));
    page.on('pageerror', (error) => fault(page, `the page threw: ${error.message}`));
    page.on('request', (request) => {
      const target = request.url();
      if (!target.startsWith(origin) && !/^(data|blob|file):/.test(target)) {
        fault(page, `the page asked outside its server: ${target}`);
      }
    });
    await page.setViewport(viewport);
    if (beforeLoad) await page.evaluateOnNewDocument(beforeLoad);
    await page.goto(address, { waitUntil: ready ? 'load' : 'domcontentloaded' });
    if (ready) await waitState(page, 'ready');
    return page;
  }

  // Fails on any fault seen on the page, then closes it and its context.
  async function done(page) {
    const seen = [...faults.get(page)];
    faults.delete(page);
    const context = page.browserContext();
    await page.close();
    if (context !== browser.defaultBrowserContext()) await context.close();
    assert.deepEqual(seen, [], 'faults seen on the page');
  }

  async function close() {
    await browser.close();
    server.close();
    rmSync(scratch, { recursive: true, force: true });
  }

  // A file on disk, for the file chooser and for drops.
  function fileOf(name, bytes) {
    const folder = mkdtempSync(join(scratch, 'file-'));
    const path = join(folder, name);
    writeFileSync(path, bytes);
    return path;
  }

  return { browser, origin, url: `${origin}/`, scratch, open, done, close, fileOf };
}

export const state = (page) => page.evaluate(() => document.body.dataset.state);
export const waitState = (page, ...states) => page.waitForFunction(
  (wanted) => wanted.includes(document.body.dataset.state), { timeout: 300000 }, states);

export const editorText = (page, id = 'input') => page.$eval(`#${id}`, (box) => box.value);
export const readOnly = (page, id = 'input') => page.$eval(`#${id}`, (box) => box.readOnly);
export const textOf = (page, selector) => page.$eval(selector, (e) => e.textContent);
export const chosen = (page) => page.$eval('#program', (s) => s.value);

export async function keys(page, modifier, key) {
  await page.keyboard.down(modifier);
  await page.keyboard.press(key);
  await page.keyboard.up(modifier);
}

// Replaces a box's text as a person does: click, select all, type.
export async function typeInput(page, text, id = 'input') {
  await page.click(`#${id}`);
  await keys(page, 'Control', 'a');
  if (text === '') await page.keyboard.press('Backspace');
  else await page.keyboard.type(text);
}

// Pastes text over a box's, as a person does with a long text.
export async function pasteInput(page, text, id = 'input') {
  await page.evaluate((pasted) => navigator.clipboard.writeText(pasted), text);
  await page.click(`#${id}`);
  await page.keyboard.down('Control');
  await page.keyboard.press('KeyA', { commands: ['SelectAll'] });
  await page.keyboard.press('KeyV', { commands: ['Paste'] });
  await page.keyboard.up('Control');
}

export const choose = (page, program) => page.select('#program', program);

// Waits until this browser keeps `text` as the input of `program` (storage.js, link.js).
export const kept = (page, program, text) => page.waitForFunction(async (name, wanted) => {
  const packed = localStorage.getItem(`solvers.input.${name}`);
  if (packed === null) return false;
  const bytes = Uint8Array.from(atob(packed.replace(/-/g, '+').replace(/_/g, '/')),
    (c) => c.charCodeAt(0));
  const stream = new Blob([bytes]).stream().pipeThrough(new DecompressionStream('deflate-raw'));
  return await new Response(stream).text() === wanted;
}, {}, program, text);

// Opens a file by the button `button` (Open file… of the input, or of your output); it is
// opened once its box shows it or the note beside it says it holds it.
export async function openFile(page, path, button = 'open', box = 'input', note = 'input-note') {
  const [chooser] = await Promise.all([page.waitForFileChooser(), page.click(`#${button}`)]);
  await chooser.accept([path]);
  await page.waitForFunction((name, start, boxId, noteId) =>
    document.getElementById(noteId).textContent.includes(`: ${name}, `) ||
    document.getElementById(boxId).value.startsWith(start), {},
  path.split(sep).pop(), readFileSync(path, 'latin1').slice(0, 100), box, note);
}

// What the page shows after a run: the state, the run's verdict and its kind, the times,
// standard error, the note on the output, the refusal's explanation, the check of your
// output, and the output file's bytes as the download link gives them (null when there is
// no link).
export async function shown(page) {
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
      why: $('why').hidden ? null : $('why-words').textContent,
      output,
    };
  });
  seen.bytes = seen.output === null ? null : Buffer.from(seen.output, 'base64');
  return seen;
}

// Runs what the page holds by pressing Run; what it then shows.
export async function run(page) {
  await page.click('#run');
  await waitState(page, 'done', 'stopped');
  return shown(page);
}

// The README's first paragraph of a program's section, as the page is to show it: its two
// halves, each after the file's name, in plain words.
export function readmeFormat(program) {
  const readme = readFileSync(join(top, 'README.md'), 'utf8');
  const section = readme.split(`\n### ${program}\n`)[1].trim().split('\n\n')[0];
  const plain = section.replace(/`/g, '').replace(/\s+/g, ' ');
  const [input, output] = plain.slice(`${program}.in: `.length).split(` ${program}.out: `);
  return { input, output };
}

// axe-core's serious and critical findings on the page as it stands: none is allowed.
export async function accessible(page, when) {
  if (!await page.evaluate(() => 'axe' in window)) await page.addScriptTag({ path: axePath });
  const found = await page.evaluate(async () => {
    const results = await window.axe.run(document);
    return results.violations.filter((v) => v.impact === 'serious' || v.impact === 'critical')
      .map((v) => `${v.id} (${v.nodes.map((n) => n.target.join(' ')).join(', ')})`);
  });
  assert.deepEqual(found, [], `axe-core, ${when}`);
}

// How long the page's main thread was held at most, in ms, from the moment the page began
// (watchMainThread, given to open() as beforeLoad) to now: the longest task the browser saw.
export function watchMainThread() {
  window.longestTask = 0;
  new PerformanceObserver((list) => {
    for (const entry of list.getEntries()) {
      window.longestTask = Math.max(window.longestTask, entry.duration);
    }
  }).observe({ type: 'longtask', buffered: true });
}
export const longestTask = (page) => page.evaluate(() => window.longestTask);

// The most memory (peak resident, MiB) any of the browser's renderers has taken: every page
// of a check is new, in a context of its own, so its renderer's peak is that page's.
export function rendererPeak(browser) {
  const parents = new Map();
  for (const pid of readdirSync('/proc').filter((name) => /^\d+$/.test(name))) {
    try {
      const stat = readFileSync(`/proc/${pid}/stat`, 'utf8');
      parents.set(pid, stat.slice(stat.lastIndexOf(')') + 2).split(' ')[1]);
    } catch {
      // gone meanwhile
    }
  }
  const root = String(browser.process().pid);
  const below = (pid) => pid !== undefined && (pid === root || below(parents.get(pid)));
  let peak = 0;
  for (const pid of parents.keys()) {
    if (pid === root || !below(pid)) continue;
    try {
      if (!readFileSync(`/proc/${pid}/cmdline`, 'utf8').includes('--type=renderer')) continue;
      const kib = /VmHWM:\s+(\d+)/.exec(readFileSync(`/proc/${pid}/status`, 'utf8'));
      if (kib) peak = Math.max(peak, Number(kib[1]) / 1024);
    } catch {
      // gone meanwhile
    }
  }
  return peak;
}

// Dumps the page's screenshot into SOLVERS_PAGE_SCREENSHOTS, when that is set.
export async function screenshot(page, name, fullPage = true) {
  const folder = process.env.SOLVERS_PAGE_SCREENSHOTS;
  if (folder) await page.screenshot({ path: join(folder, name), fullPage });
}

// A crypt.in of `size` bytes in lines of about 80 bytes, built from words whose decoding is
// known: {input, output}.
export function largeCrypt(size) {
  const words = [['pafarifas', 'paris'], ['hefallofa', 'hello'], ['wofarld', 'world'],
    ['xyfaz', 'xyz'], ['bcd', 'bcd']];
  const encoded = [];
  const decoded = [];
  let total = 0;
  for (let i = 0; total < size; ++i) {
    const line = [];
    const plain = [];
    for (let j = 0; j < 9; ++j) {
      const [coded, word] = words[(i * 7 + j * 3) % words.length];
      line.push(coded);
      plain.push(word);
    }
    encoded.push(line.join(' '));
    decoded.push(plain.join(' '));
    total += encoded[encoded.length - 1].length + 1;
  }
  return { input: encoded.join('\n') + '\n', output: decoded.join('\n') + '\n' };
}
