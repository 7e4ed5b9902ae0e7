// The phone width (390 px): no sideways scrolling with a long output line, axe-core there;
// and the page opened from file://, which says it must be served.
import assert from 'node:assert/strict';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';
import { after, before, test } from 'node:test';
import {
  accessible, choose, kPhone, launch, pageFolder, pasteInput, run, screenshot,
} from './helpers.mjs';

let site;
before(async () => { site = await launch(); });
after(() => site.close());

const sideways = (page) => page.evaluate(() =>
  document.documentElement.scrollWidth - window.innerWidth);

test('the page holds a phone\'s width', async () => {
  const phone = await site.open({ viewport: kPhone });
  await choose(phone, 'stack');
  await pasteInput(phone, `200\n${'-2147483648 '.repeat(200)}\n`);
  await run(phone);
  assert.ok(await sideways(phone) <= 0, `the page scrolls ${await sideways(phone)} px sideways`);
  await accessible(phone, 'at 390 px');
  // A verdict with its marked lines, long as they are.
  await pasteInput(phone, `${'-2147483648 '.repeat(150)}7 ${'-2147483648 '.repeat(49)}`, 'yours');
  await phone.waitForFunction(() => document.getElementById('judgement').dataset.verdict === 'wrong');
  assert.ok(await sideways(phone) <= 0, `a verdict scrolls ${await sideways(phone)} px sideways`);
  await accessible(phone, 'at 390 px, a verdict');
  await phone.$eval('#results-title', (title) => title.scrollIntoView());
  await screenshot(phone, 'page-phone.png', false);
  await site.done(phone);
});

test('opened from file://, the page says it must be served', async () => {
  const local = await site.open({ address: pathToFileURL(join(pageFolder, 'index.html')).href,
    ready: false });
  const unserved = await local.evaluate(() => {
    const notice = document.getElementById('unserved');
    return { state: document.body.dataset.state, notice: notice.hidden ? '' : notice.textContent };
  });
  assert.ok(unserved.state === 'unserved' && unserved.notice.includes('python3 -m http.server'),
    JSON.stringify(unserved));
  await site.done(local);
});
