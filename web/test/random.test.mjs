// Random inputs on the page: "Random input" with a Size and a Seed gives the generator's
// input (the same as under Node), which the program answers; the link carries the size and
// the seed, not the input, and a fresh browser makes the same input from it; a seed that is
// no number is said so.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import {
  about, choose, editorText, launch, run, textOf, typeInput, waitState,
} from './helpers.mjs';
import { generate } from '../generators.js';

let site;
before(async () => { site = await launch(); });
after(() => site.close());

const limits = (program) => about.find((p) => p.name === program).limits;

// Presses Random input with `size` and, when given, `seed` typed; waits for the new input.
async function random(page, size, seed = null) {
  const before = await page.evaluate(() => location.hash);
  await page.select('#size', size);
  if (seed !== null) await typeInput(page, String(seed), 'seed');
  await page.click('#random');
  await page.waitForFunction((old) => location.hash !== old && location.hash.includes('seed='),
    {}, before);
  return Number(await page.$eval('#seed', (s) => s.value));
}

test('a random input is the generator\'s, answered, and each press draws a new seed', async () => {
  const page = await site.open();
  await choose(page, 'transformation');
  const seed = await random(page, 'small', 4242);
  assert.equal(seed, 4242);
  assert.equal(await editorText(page), generate('transformation', 'small', 4242,
    limits('transformation')));
  const result = await run(page);
  assert.equal(result.kind, 'answered');
  const again = await random(page, 'small');
  assert.notEqual(again, 4242, 'a press without a typed seed draws a new one');
  // Edited, it is an input like any other, and the link carries it.
  await page.click('#input');
  await page.keyboard.type('9');
  await page.waitForFunction(() => location.hash.includes('input=') && !location.hash.includes('seed'));
  await site.done(page);
});

test('the link carries the size and seed of an input at the limits, a few dozen characters', async () => {
  const page = await site.open();
  await choose(page, 'stack');
  await random(page, 'limits', 77);
  const link = await page.evaluate(() => location.href);
  assert.equal(link, `${site.url}#program=stack&size=limits&seed=77`);
  const expected = generate('stack', 'limits', 77, limits('stack'));
  assert.ok(expected.startsWith(`${limits('stack').n}\n`));
  assert.ok(await editorText(page) === expected, 'the page made the generator\'s input');
  const other = await site.open({ address: link });
  assert.ok(await editorText(other) === expected, 'a fresh browser made the same input');
  const result = await run(other);
  assert.equal(result.kind, 'answered');
  await other.reload({ waitUntil: 'load' });
  await waitState(other, 'ready');
  assert.ok(await editorText(other) === expected, 'a reload makes it again');
  await site.done(other);
  await site.done(page);
});

test('a seed that is no whole number in range is said so', async () => {
  const page = await site.open();
  const before = await editorText(page);
  await typeInput(page, '12x', 'seed');
  await page.click('#random');
  await page.waitForFunction(() => document.getElementById('input-note').textContent !== '');
  assert.equal(await textOf(page, '#input-note'),
    'The seed is a whole number from 0 to 4,294,967,295: "12x" is not.');
  assert.equal(await editorText(page), before);
  await site.done(page);
});
