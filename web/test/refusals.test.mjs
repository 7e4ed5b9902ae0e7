// The page's own readings beside an answer: transformation's NO and crypt's impossible
// explained with the place that breaks the rule, none beside other answers; expression's
// answers beside their switched lines, with the output file's box keeping its bytes alone.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import { choose, launch, run, typeInput } from './helpers.mjs';

let site;
before(async () => { site = await launch(); });
after(() => site.close());

test('a refusal is explained where the input breaks the rule, and only a refusal', async () => {
  const page = await site.open();
  await choose(page, 'transformation');
  await typeInput(page, '3\n1 2 5\n1 7 5\n');
  let result = await run(page);
  assert.equal(result.why, "Why NO: position 2's target, 7, is no initial value: no position " +
    'starts with 7.');
  await typeInput(page, '2\n1 2\n2 2\n');
  result = await run(page);
  assert.equal(result.why, null);
  await choose(page, 'crypt');
  await typeInput(page, 'pafarifas\nhefallo wofarld\n');
  result = await run(page);
  assert.equal(result.why, 'Why impossible: line 2, column 8: "f" was expected there, the start ' +
    'of the "fa" that must follow the key letter "o", but a blank stands there.');
  assert.equal(await page.$eval('#why-line', (line) => line.textContent), 'hefallo wofarld');
  assert.equal(await page.$eval('#why-line mark', (m) => m.textContent), ' ');
  await site.done(page);
});

test("expression's answers stand beside their switched lines, apart from the output file", async () => {
  const page = await site.open();
  await choose(page, 'expression');
  await typeInput(page, '2*(3+4)*5\n4\n2 5 8 2\n');
  const result = await run(page);
  assert.equal(result.text, '37\n120\n19\n37\n');
  const rows = await page.$$eval('#switched li', (items) => items.map((li) =>
    [li.textContent, li.querySelector('mark').textContent]));
  assert.deepEqual(rows, [['2+(3+4)*5 → 37', '+'], ['2*(3*4)*5 → 120', '*'],
    ['2*(3+4)+5 → 19', '+'], ['2+(3+4)*5 → 37', '+']]);
  await typeInput(page, `${'1+'.repeat(100)}1\n1\n2\n`);
  await run(page);
  assert.ok(await page.$eval('#switched-view', (v) => v.hidden), 'a line over 200 characters');
  await site.done(page);
});
