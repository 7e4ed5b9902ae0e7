// expression's depth in this browser: a line at the depth the page measured is answered, in
// a fresh worker and a warm one; one level deeper and the deepest line get the notice with
// the commands that answer them, which holds a phone's width.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import {
  accessible, choose, kPhone, launch, openFile, pasteInput, run, waitState,
} from './helpers.mjs';

let site;
before(async () => { site = await launch(); });
after(() => site.close());

test('a line at the measured depth is answered, a deeper one gets the notice', async () => {
  const page = await site.open();
  await choose(page, 'expression');
  const limit = Number((await page.$eval('#depth-limit', (s) => s.textContent)).replace(/,/g, ''));
  assert.ok(limit >= 100, `the page holds expression lines only ${limit} deep`);
  // E(d) = 1+1*(E(d-1)) is d+1; its first '+' switched makes it d. Run first in the fresh
  // worker that Stop starts, whose code is not warmed up, and then again in a warm one.
  const line = (d) => '1+1*('.repeat(d) + '1' + ')'.repeat(d);
  await choose(page, 'crypt');
  await pasteInput(page, 'hefallofa\n'.repeat(1 << 16));
  await page.click('#run');
  await waitState(page, 'running', 'done');
  await page.click('#stop');
  await waitState(page, 'stopped', 'done');
  await choose(page, 'expression');
  await pasteInput(page, `${line(limit)}\n1\n2\n`);
  for (const worker of ['fresh', 'warm']) {
    const result = await run(page);
    assert.ok(result.kind === 'answered' && result.bytes?.toString() === `${limit}\n`,
      `a line nested ${limit} deep, in a ${worker} worker, gave "${result.verdict}"`);
  }
  await pasteInput(page, `${line(limit + 1)}\n1\n2\n`);
  let result = await run(page);
  assert.ok(result.kind === 'deep' &&
    result.verdict.includes(`nests ${(limit + 1).toLocaleString('en-US')} deep`) &&
    result.notice?.includes('./solve expression my-folder') &&
    result.notice?.includes('node ../web/wasi-run.mjs ../build-wasm/expression/expression.wasm') &&
    result.bytes === null, result.verdict);
  await openFile(page, site.fileOf('expression.in', '('.repeat(524285) + '1\n0\n'));
  result = await run(page);
  assert.ok(result.kind === 'deep' && result.verdict.includes('nests 524,285 deep'), result.verdict);
  await site.done(page);
});

test('the depth notice holds a phone\'s width', async () => {
  const phone = await site.open({ viewport: kPhone });
  await choose(phone, 'expression');
  await pasteInput(phone, `${'('.repeat(100000)}1\n0\n`);
  const notice = await run(phone);
  const sideways = await phone.evaluate(() => document.documentElement.scrollWidth - innerWidth);
  assert.ok(notice.kind === 'deep' && sideways <= 0, `the notice scrolls ${sideways} px sideways`);
  await accessible(phone, 'at 390 px, the depth notice');
  await site.done(phone);
});
