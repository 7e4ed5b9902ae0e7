// Typing: typed input run by Ctrl+Enter and Cmd+Enter, focus back in the editor; an input
// per program across switches, and no result of another program shown; an empty input;
// Reset to example.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import {
  choose, editorText, exampleOf, expectedOf, keys, launch, run, shown, state, typeInput,
  waitState,
} from './helpers.mjs';

let site;
before(async () => { site = await launch(); });
after(() => site.close());

test('typed input runs by Ctrl+Enter and Cmd+Enter, with focus back in the editor', async () => {
  const page = await site.open();
  await choose(page, 'stack');
  await run(page);
  await typeInput(page, '5\n5 -1 4 -1 3\n');
  assert.equal(await state(page), 'ready', 'typing after a run makes the page ready again');
  await keys(page, 'Control', 'Enter');
  await waitState(page, 'done');
  let result = await shown(page);
  assert.equal(result.bytes?.toString(), '-1 -1 3 4 5 ');
  assert.equal(await page.evaluate(() => document.activeElement.id), 'input');
  assert.equal(await editorText(page), '5\n5 -1 4 -1 3\n');

  await typeInput(page, '3\n3 1 2');
  await keys(page, 'Meta', 'Enter');
  await waitState(page, 'done');
  result = await shown(page);
  assert.equal(result.bytes?.toString(), '1 2 3 ');
  await site.done(page);
});

test('each program keeps its own input and never runs another\'s', async () => {
  const page = await site.open();
  await choose(page, 'stack');
  await typeInput(page, '3\n3 1 2');
  await run(page);
  await choose(page, 'crypt');
  assert.ok(await page.$eval('#details', (d) => d.hidden) && await state(page) === 'ready',
    "a program switch shows no other program's result");
  assert.ok(Buffer.from(await editorText(page)).equals(exampleOf('crypt')));
  const result = await run(page);
  assert.ok(result.bytes?.equals(expectedOf('crypt')), `crypt ran another input: "${result.text}"`);
  await typeInput(page, 'hefallofa\n');
  await choose(page, 'stack');
  assert.equal(await editorText(page), '3\n3 1 2');
  await choose(page, 'crypt');
  assert.equal(await editorText(page), 'hefallofa\n');
  await site.done(page);
});

test('an empty input is input too, and Reset to example brings the example back', async () => {
  const page = await site.open();
  await choose(page, 'subsequence');
  await typeInput(page, '');
  const result = await run(page);
  assert.ok(result.kind === 'refused' && result.verdict.includes('subsequence: ') &&
    result.bytes === null && result.note === 'subsequence.out is empty (0 bytes).',
  `an empty input gave "${result.verdict}", "${result.note}"`);
  await page.click('#reset');
  assert.ok(Buffer.from(await editorText(page)).equals(exampleOf('subsequence')));
  await site.done(page);
});
