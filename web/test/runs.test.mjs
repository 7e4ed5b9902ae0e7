// Runs: the controls locked during a run, focus on Stop; Stop ends a 64 MiB run and the
// fresh worker answers the same input whole, its output cut at a line end with exact sizes;
// a reload during a run; the words of a refusal and of the grammar report; a line of long
// numbers wrapped at blanks only; expression's deepest lines, answered on the browser's own
// stack.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import {
  chosen, choose, count, editorText, exampleOf, largeCrypt, launch, openFile, pasteInput, run,
  shown, typeInput, waitState,
} from './helpers.mjs';

let site;
before(async () => { site = await launch(); });
after(() => site.close());

const focused = (page) => page.evaluate(() => document.activeElement.id);

test('a run locks the page, Stop ends it, and a fresh worker answers 64 MiB whole', async (t) => {
  const page = await site.open();
  const large = largeCrypt(64 << 20);
  await choose(page, 'crypt');
  await openFile(page, site.fileOf('crypt.in', large.input));
  await page.click('#run');
  await waitState(page, 'running');
  assert.ok(await page.evaluate(() => document.getElementById('input').readOnly &&
    ['program', 'run', 'open', 'reset'].every((id) => document.getElementById(id).disabled)),
  'the Program list, Run and the input are locked during a run');
  assert.equal(await focused(page), 'stop');
  await page.click('#program');
  await page.keyboard.press('ArrowDown');
  assert.equal(await chosen(page), 'crypt', 'the program cannot change during a run');
  await page.click('#stop');
  await waitState(page, 'stopped');
  let result = await shown(page);
  assert.ok(result.verdict.startsWith('Stopped') && result.bytes === null, result.verdict);
  assert.equal(await focused(page), 'run');

  result = await run(page);
  assert.ok(result.kind === 'answered' && result.bytes?.equals(Buffer.from(large.output)),
    `a 64 MiB crypt.in after Stop gave "${result.verdict}"`);
  t.diagnostic(`the 64 MiB crypt.in: ${result.times}`);
  const cut = Buffer.from(large.output).subarray(0, 1 << 20).lastIndexOf(0x0a) + 1;
  assert.equal(result.note, `Shown: the first ${count(cut)} of ${count(large.output.length)} ` +
    'bytes, up to the end of a line; the download holds all of it.');
  assert.ok(result.text === large.output.slice(0, cut), 'the shown part is the output\'s start');

  // A reload during a run: the page comes back ready, with the input it kept.
  await page.click('#run');
  await waitState(page, 'running');
  await page.reload({ waitUntil: 'load' });
  await waitState(page, 'ready');
  assert.equal(await chosen(page), 'crypt');
  assert.ok(Buffer.from(await editorText(page)).equals(exampleOf('crypt')),
    'a reload during a run comes back to the kept input');
  await site.done(page);
});

test('a refusal and a grammar report are said in words', async () => {
  const page = await site.open();
  await choose(page, 'stack');
  await typeInput(page, '100001\n');
  let result = await run(page);
  const refusal = 'stack: n is 100001, above the limit of 100000';
  assert.ok(result.verdict === `Refused (exit status 1): ${refusal}` &&
    result.err === `${refusal}\n` && result.bytes === null &&
    result.note === 'stack.out is empty (0 bytes).', `${result.verdict}, ${result.note}`);
  await choose(page, 'expression');
  await typeInput(page, '2*(3+4\n1\n2\n');
  result = await run(page);
  assert.ok(result.kind === 'grammar' &&
    result.verdict.startsWith('The line breaks the expression grammar (exit status 134)') &&
    result.err.startsWith("Assertion failed: ptr < n && s[ptr++] == ')' (expression/parser.cpp") &&
    result.bytes === null, `${result.verdict}, ${result.err}`);
  await site.done(page);
});

test('long numbers stay whole: a line of them wraps at its blanks only', async () => {
  const page = await site.open();
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
  assert.ok(broken.split === 0 && broken.lines > 1, JSON.stringify(broken));
  await site.done(page);
});

test("expression's deepest lines are answered in the browser, pasted as a person pastes", async () => {
  const page = await site.open();
  await choose(page, 'expression');
  // 262,141 levels around 1*1, the '*' switched: 1+1.
  const depth = 262141;
  await pasteInput(page, `${'('.repeat(depth)}1*1${')'.repeat(depth)}\n1\n${depth + 2}\n`);
  let result = await run(page);
  assert.deepEqual([result.kind, result.text], ['answered', '2\n'], result.verdict);
  // The longest line the grammar refuses where a factor must start.
  await pasteInput(page, `${'('.repeat(524286)}\n`);
  result = await run(page);
  assert.ok(result.kind === 'grammar' && result.err.startsWith('Assertion failed: ptr < n && ' +
    "(s[ptr] >= '0' && s[ptr] <= '9' || s[ptr] == '(')"), `${result.verdict}: ${result.err}`);
  await site.done(page);
});
