// Links the page cannot use: a program it does not have, an empty input, a broken fragment
// and a deflate bomb each get one note beside the editor, and the page then shows what it
// would without the link; the bomb never holds the main thread. And a link pasted into the
// address bar of the open page is opened.
import assert from 'node:assert/strict';
import { deflateRawSync } from 'node:zlib';
import { after, before, test } from 'node:test';
import {
  chosen, choose, count, editorText, kept, launch, longestTask, rendererPeak, textOf, typeInput,
  waitState, watchMainThread,
} from './helpers.mjs';
import { kLinkInputBytes } from '../link.js';

let site;
before(async () => { site = await launch(); });
after(() => site.close());

// Pastes a link with `fragment` into the address bar of the open page, which opens it.
async function openLink(page, fragment) {
  await Promise.all([page.waitForNavigation({ waitUntil: 'load' }),
    page.evaluate((address) => { location.href = address; }, `${site.url}${fragment}`)]);
  await waitState(page, 'ready');
  return { note: await textOf(page, '#input-note'), program: await chosen(page),
    input: await editorText(page) };
}

test('an unusable link is said to be one, and the page shows what it would without it', async () => {
  const page = await site.open();
  await choose(page, 'crypt');
  await typeInput(page, 'xyfaz\n');
  await kept(page, 'crypt', 'xyfaz\n');
  const without = { program: 'crypt', input: 'xyfaz\n' };
  const links = [
    ['#program=nosuch&input=K0hMSyzKTEss5spITUvMyclPS1QoBxJFOSlcXBWVaYlVXAA',
      'The link names a program this page does not have, "nosuch"; it is not used.'],
    ['#program=stack&input=', "The link's input is empty; the link is not used."],
    ['#program=stack&input=A',
      'The link is broken: its input is not one this page made (cut short, or edited).'],
    ['#program=stack&input=AAAA',
      'The link is broken: its input is not one this page made (cut short, or edited).'],
    ['#program=stack&input=M-UyVdA1VDABEcYA&output=A',
      'The link is broken: its output is not one this page made (cut short, or edited).'],
    ['#program=stack&size=huge&seed=7',
      'The link is broken: its random input is not one this page made (cut short, or edited).'],
  ];
  for (const [fragment, note] of links) {
    assert.deepEqual(await openLink(page, fragment), { note, ...without }, fragment);
  }
  // A usable one, pasted into the address bar of the open page, is opened.
  const usable = await openLink(page, '#program=stack&input=M-UyVdA1VDABEcYA');
  assert.deepEqual(usable, { note: '', program: 'stack', input: '5\n5 -1 4 -1 3' });
  await site.done(page);
});

test('a deflate bomb in a link is refused without holding the main thread', async (t) => {
  const bomb = deflateRawSync(Buffer.alloc(400 << 20, '1'), { level: 9 }).toString('base64url');
  const started = Date.now();
  const page = await site.open({ address: `${site.url}#program=stack&input=${bomb}`,
    beforeLoad: watchMainThread });
  const ready = Date.now() - started;
  const longest = await longestTask(page);
  const peak = rendererPeak(site.browser);
  t.diagnostic(`a link inflating to 400 MiB: ready after ${ready} ms, the main thread held ` +
    `${Math.round(longest)} ms at most, the page's peak ${Math.round(peak)} MiB`);
  assert.equal(await textOf(page, '#input-note'), "The link's input is refused: it would " +
    `inflate past ${count(kLinkInputBytes)} bytes, more than a link carries.`);
  assert.equal(await chosen(page), 'transformation', 'the page shows what it would without the link');
  // A freeze held it for seconds; a busy machine may hold any page for a few hundred ms.
  assert.ok(longest < 1000, `the main thread was held ${longest} ms`);
  // Inflation stops at the cap: the page never holds the bomb.
  assert.ok(peak < 300, `the page took ${Math.round(peak)} MiB`);
  await site.done(page);
});
