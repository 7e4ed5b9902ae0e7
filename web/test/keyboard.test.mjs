// Keyboard alone: Tab reaches every control, the arrow keys choose a program, Enter runs
// and Open file… opens the chooser, focus comes back to Run; Enter in Seed makes a random
// input, and Your output takes typing.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import { chosen, expectedOf, launch, programs, shown, waitState } from './helpers.mjs';

let site;
before(async () => { site = await launch(); });
after(() => site.close());

test('every control is reached and used by keyboard alone', async () => {
  const page = await site.open();
  await page.evaluate(() => document.activeElement.blur());
  const reached = [];
  for (let i = 0; i < 24; ++i) {
    await page.keyboard.press('Tab');
    reached.push(await page.evaluate(() => document.activeElement.id));
  }
  const wanted = ['program', 'input', 'open', 'reset', 'random', 'size', 'seed', 'run', 'copy',
    'yours', 'open-yours', 'clear-yours'];
  assert.deepEqual(wanted.filter((id) => !reached.includes(id)), [],
    `Tab reaches ${reached.join(', ')}`);
  await page.focus('#program');
  await page.keyboard.press('Home');
  await page.keyboard.press('ArrowDown');
  assert.equal(await chosen(page), programs[1], 'the arrow keys choose a program');
  await page.focus('#reset');
  await page.keyboard.press('Enter');
  await page.focus('#run');
  await page.keyboard.press('Enter');
  await waitState(page, 'done');
  const result = await shown(page);
  assert.ok(result.bytes?.equals(expectedOf(programs[1])), result.verdict);
  assert.equal(await page.evaluate(() => document.activeElement.id), 'run');
  await page.focus('#open');
  const chooser = page.waitForFileChooser({ timeout: 5000 });
  await page.evaluate(() => 0);  // the browser has taken the chooser's interception by now
  await page.keyboard.press('Enter');
  assert.ok(await chooser.then(() => true, () => false), 'Open file… opens the chooser by keyboard');
  // Random input from the Seed box by Enter, and Your output typed.
  await page.focus('#seed');
  await page.keyboard.type('5');
  await page.keyboard.press('Enter');
  await page.waitForFunction(() => location.hash.includes('seed=5'));
  await page.focus('#yours');
  await page.keyboard.type('x');
  assert.equal(await page.$eval('#yours', (box) => box.value), 'x');
  await site.done(page);
});
