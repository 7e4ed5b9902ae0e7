// Keeping: the program and each input across a reload, and across a switch or a reload
// made at once after a paste; Copy link opened in a fresh profile; an input too large for a
// link stays out of it, and the page says so.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import {
  chosen, choose, editorText, kept, launch, pasteInput, run, typeInput, waitState,
} from './helpers.mjs';

let site;
before(async () => { site = await launch(); });
after(() => site.close());

test('the program and every input survive a reload', async () => {
  const page = await site.open();
  await choose(page, 'stack');
  await typeInput(page, '3\n3 1 2');
  await kept(page, 'stack', '3\n3 1 2');
  await choose(page, 'crypt');
  await typeInput(page, 'hefallofa\n');
  await kept(page, 'crypt', 'hefallofa\n');
  await page.reload({ waitUntil: 'load' });
  await waitState(page, 'ready');
  assert.equal(await chosen(page), 'crypt');
  assert.equal(await editorText(page), 'hefallofa\n');
  await choose(page, 'stack');
  assert.equal(await editorText(page), '3\n3 1 2');
  await site.done(page);
});

test('Copy link gives a link that a fresh profile opens with the same input', async () => {
  const page = await site.open();
  await choose(page, 'stack');
  await typeInput(page, '4\n-2147483648 2147483647 0 -1\n');
  await page.click('#copy');
  await page.waitForFunction(() =>
    document.getElementById('link-note').textContent.includes('copied'));
  const link = await page.evaluate(() => navigator.clipboard.readText());
  assert.ok(link.startsWith(`${site.url}#program=stack&input=`), `Copy link gave ${link}`);
  const other = await site.open({ address: link });
  assert.equal(await chosen(other), 'stack');
  assert.equal(await editorText(other), '4\n-2147483648 2147483647 0 -1\n');
  const result = await run(other);
  assert.equal(result.bytes?.toString(), '-2147483648 -1 0 2147483647 ');
  await site.done(other);
  await site.done(page);
});

test('an input too large for a link leaves it out, and the page says so', async () => {
  const page = await site.open();
  await choose(page, 'stack');
  let digits = '20000\n';
  for (let i = 0; i < 20000; ++i) digits += `${(i * 7919 + 13) % 1000003} `;
  await pasteInput(page, digits);
  await page.click('#copy');
  await page.waitForFunction(() =>
    document.getElementById('link-note').textContent.includes('too large'));
  assert.equal(await page.evaluate(() => location.hash), '#program=stack');
  await site.done(page);
});

test('a link opened in a tab that showed the page is used; a reload keeps what the tab typed', async () => {
  const page = await site.open();
  await choose(page, 'stack');
  await typeInput(page, '1\n111');
  await kept(page, 'stack', '1\n111');
  await page.goto('about:blank');
  await page.goto(`${site.url}#program=stack&input=M-UyVdA1VDABEcYA`, { waitUntil: 'load' });
  await waitState(page, 'ready');
  assert.equal(await editorText(page), '5\n5 -1 4 -1 3', 'the link, not what the tab had');
  await site.done(page);
});

test('a random input, and an edit of it, survive a reload made at once', async () => {
  const page = await site.open();
  await choose(page, 'stack');
  const pressRandom = async (size) => {
    const before = await editorText(page);
    await page.select('#size', size);
    await page.click('#random');
    await page.waitForFunction((old) => document.getElementById('input').value !== old, {}, before);
  };
  const reload = async () => {
    await page.reload({ waitUntil: 'load' });
    await waitState(page, 'ready');
  };
  await pressRandom('limits');
  const made = await editorText(page);
  await reload();
  assert.ok(await editorText(page) === made, 'the random input at the limits');
  await pressRandom('small');
  await typeInput(page, '1\n42\n');
  await reload();
  assert.equal(await editorText(page), '1\n42\n', 'the random input, edited');
  await site.done(page);
});

test('with site data blocked, the page works, keeping nothing', async () => {
  const page = await site.open({ beforeLoad: () => {
    for (const name of ['localStorage', 'sessionStorage']) {
      Object.defineProperty(window, name, { get() { throw new DOMException('denied', 'SecurityError'); } });
    }
  } });
  await choose(page, 'stack');
  assert.equal((await run(page)).kind, 'answered');
  await site.done(page);
});

test('an input pasted just before a switch or a reload is kept', async () => {
  const page = await site.open();
  const pasted = `16000\n${'5 -1 4 -1 3 '.repeat(3200)}\n`;  // 80 KB, a short link
  await choose(page, 'stack');
  await pasteInput(page, pasted);
  await choose(page, 'crypt');
  await typeInput(page, 'xyfaz\n');
  await page.reload({ waitUntil: 'load' });
  await waitState(page, 'ready');
  assert.equal(await editorText(page), 'xyfaz\n', 'crypt\'s input, typed just before a reload');
  await choose(page, 'stack');
  assert.ok(await editorText(page) === pasted, 'stack\'s input, pasted just before a switch');
  await site.done(page);
});
