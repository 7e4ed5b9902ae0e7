// Your output checked against the answer: each verdict in words in the results' live region,
// the wrong word marked in both lines; a 3 MB paste judged within 5 s and a 30 MB file
// without holding the main thread; your output kept beside the input by the link and across
// a reload; axe-core before and after a verdict, light and dark.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import {
  accessible, choose, count, largeCrypt, launch, longestTask, openFile, pasteInput, run,
  screenshot, typeInput, waitState, watchMainThread,
} from './helpers.mjs';

let site;
before(async () => { site = await launch(); });
after(() => site.close());

// The verdict once the page has given one (not while it checks): its kind and words.
async function verdict(page) {
  const seen = await page.waitForFunction(() => {
    const $ = (id) => document.getElementById(id);
    if ($('judged').hidden || $('judgement').dataset.verdict === 'checking') return false;
    return {
      kind: $('judgement').dataset.verdict,
      words: $('judgement').textContent,
      differences: [...document.querySelectorAll('#differences li')].map((li) => li.textContent),
      lines: $('wrong-lines').hidden ? null : ['answer', 'your'].map((id) => ({
        title: $(`${id}-line-title`).textContent,
        text: $(`${id}-line`).textContent,
        marked: $(`${id}-line`).querySelector('mark')?.textContent ?? null,
      })),
      live: $('judged').closest('[aria-live]') !== null,
    };
  }, { timeout: 60000 });
  return seen.jsonValue();
}

test('each verdict, in words, after a run and whenever either side changes', async () => {
  const page = await site.open();
  await choose(page, 'expression');
  await typeInput(page, '37\n120\n19\n', 'yours');
  assert.ok(await page.$eval('#judged', (j) => j.hidden), 'no verdict before a run');
  await accessible(page, 'before a verdict');
  await run(page);
  let seen = await verdict(page);
  assert.deepEqual([seen.kind, seen.words, seen.live],
    ['accepted', 'Your output: Accepted. It is the same bytes as the answer.', true]);

  await pasteInput(page, '37\n121\n19\n', 'yours');
  seen = await verdict(page);
  assert.equal(seen.words, 'Your output: Wrong answer. Line 2, column 1: your output has "121" ' +
    'where the answer has "120".');
  assert.deepEqual(seen.lines, [
    { title: 'The answer, line 2, column 1:', text: '120', marked: '120' },
    { title: 'Yours, line 2, column 1:', text: '121', marked: '121' },
  ]);
  await accessible(page, 'after a verdict');
  await page.emulateMediaFeatures([{ name: 'prefers-color-scheme', value: 'dark' }]);
  await accessible(page, 'after a verdict, dark');
  await page.emulateMediaFeatures([]);
  await screenshot(page, 'page.png');

  await pasteInput(page, '37\n120\n', 'yours');
  seen = await verdict(page);
  assert.match(seen.words, /Wrong answer\. Your output ends after line 2 of 3: /);

  // The answer changes with the input: stack's trailing blank.
  await choose(page, 'stack');
  await run(page);
  await pasteInput(page, '-1 -1 3 4 5\n', 'yours');
  seen = await verdict(page);
  assert.deepEqual([seen.kind, seen.differences], ['presentation',
    ['line 1 has no trailing blank', 'your output ends with a line feed; the answer has none']]);
  await page.click('#clear-yours');
  assert.ok(await page.$eval('#judged', (j) => j.hidden), 'no verdict once your output is cleared');

  // An answer to another input checks nothing: after the input changes, the next run's does.
  await typeInput(page, '-1 -1 3 4 5 ', 'yours');
  assert.equal((await verdict(page)).kind, 'accepted');
  await typeInput(page, '3\n9 8 7');
  assert.ok(await page.$eval('#judged', (j) => j.hidden), 'no verdict on a changed input');
  await run(page);
  await typeInput(page, '7 8 9 ', 'yours');
  assert.equal((await verdict(page)).kind, 'accepted');
  await site.done(page);
});

test('a file with CR LF line ends is held as it is, and the verdict says so', async () => {
  const page = await site.open();
  await choose(page, 'expression');
  await run(page);
  await openFile(page, site.fileOf('mine.out', '37\r\n120\r\n19\r\n'), 'open-yours', 'yours',
    'yours-note');
  const seen = await verdict(page);
  assert.deepEqual([seen.kind, seen.differences],
    ['presentation', ['your output has CR LF line ends; the answer has LF alone']]);
  assert.ok(await page.$eval('#yours', (box) => box.readOnly), 'the file is held read-only');
  await site.done(page);
});

test('a 3 MB paste is judged within 5 s, a 30 MB file without holding the page', async (t) => {
  const page = await site.open({ beforeLoad: watchMainThread });
  const large = largeCrypt(42 << 20);  // its answer is about 30 MB
  await choose(page, 'crypt');
  await openFile(page, site.fileOf('crypt.in', large.input));
  await run(page);

  // Pasted: the answer's first 3 MB, its last word changed.
  const cut = large.output.lastIndexOf('\n', 3 << 20);
  const pasted = `${large.output.slice(0, cut - 1)}X\n`;
  const lines = pasted.split('\n').length - 1;
  let started = Date.now();
  await pasteInput(page, pasted, 'yours');
  let seen = await verdict(page);
  const pasteSeconds = (Date.now() - started) / 1000;
  assert.ok(seen.words.startsWith(`Your output: Wrong answer. Line ${count(lines)}, column `),
    seen.words);
  assert.ok(pasteSeconds < 5, `a 3 MB paste was judged after ${pasteSeconds} s`);

  // From a file: the whole answer, one word near its end changed.
  const at = large.output.length - 40;
  const mine = `${large.output.slice(0, at)}#${large.output.slice(at + 1)}`;
  const path = site.fileOf('crypt.out', mine);
  await page.click('#clear-yours');
  await page.evaluate(() => { window.longestTask = 0; });
  started = Date.now();
  await openFile(page, path, 'open-yours', 'yours', 'yours-note');
  seen = await verdict(page);
  const fileSeconds = (Date.now() - started) / 1000;
  const longest = await longestTask(page);
  t.diagnostic(`your output of ${count(mine.length)} bytes from a file: its verdict after ` +
    `${fileSeconds} s, the main thread held ${Math.round(longest)} ms at most; a 3 MB paste ` +
    `judged after ${pasteSeconds} s`);
  assert.equal(seen.kind, 'wrong');
  assert.match(seen.words, new RegExp(`Line ${count(large.output.slice(0, at).split('\n').length)},`));
  assert.ok(longest < 1000, `the main thread was held ${longest} ms`);
  await site.done(page);
});

test('the link and a reload keep your output beside the input', async () => {
  const page = await site.open();
  await choose(page, 'stack');
  await typeInput(page, '3\n3 1 2\n');
  await typeInput(page, '1 2 3 \n', 'yours');
  await page.click('#copy');
  await page.waitForFunction(() =>
    document.getElementById('link-note').textContent.includes('copied'));
  const link = await page.evaluate(() => navigator.clipboard.readText());
  assert.match(link, /#program=stack&input=[\w-]+&output=[\w-]+$/);
  const other = await site.open({ address: link });
  assert.equal(await other.$eval('#yours', (box) => box.value), '1 2 3 \n');
  await run(other);
  const seen = await verdict(other);
  assert.deepEqual(seen.differences, ['your output ends with a line feed; the answer has none']);
  await other.reload({ waitUntil: 'load' });
  await waitState(other, 'ready');
  assert.equal(await other.$eval('#yours', (box) => box.value), '1 2 3 \n');
  assert.ok(await other.$eval('#judged', (j) => j.hidden), 'no verdict before the page runs again');
  // Typed, then a reload at once.
  await typeInput(other, '3 2 1 ', 'yours');
  await other.reload({ waitUntil: 'load' });
  await waitState(other, 'ready');
  assert.equal(await other.$eval('#yours', (box) => box.value), '3 2 1 ');
  await site.done(other);
  await site.done(page);
});
