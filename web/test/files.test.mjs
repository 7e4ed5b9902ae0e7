// Files: Open file… into the editor; a 64 MiB file held read-only and replaced by typing; a
// file with a CR and bytes that are not UTF-8 reaching crypt exactly; a file dropped on the
// page opened, the browser staying on the page, and a dropped folder refused.
import assert from 'node:assert/strict';
import { mkdtempSync } from 'node:fs';
import { join } from 'node:path';
import { after, before, test } from 'node:test';
import {
  choose, count, editorText, largeCrypt, launch, openFile, readOnly, run,
} from './helpers.mjs';

let site;
before(async () => { site = await launch(); });
after(() => site.close());

test('Open file… opens a small file in the editor and holds a large one', async () => {
  const page = await site.open();
  await choose(page, 'stack');
  await openFile(page, site.fileOf('small.in', '2\n7 -7\n'));
  assert.equal(await editorText(page), '2\n7 -7\n');
  assert.ok(!await readOnly(page));

  const large = largeCrypt(64 << 20);
  await choose(page, 'crypt');
  await openFile(page, site.fileOf('crypt.in', large.input));
  const note = await page.$eval('#input-note', (n) => n.textContent);
  assert.ok(await readOnly(page) && note.includes('crypt.in') &&
    note.includes(count(large.input.length)) &&
    (await editorText(page)).startsWith(large.input.slice(0, 200)),
  `a 64 MiB file is held as a file: "${note}"`);
  await page.click('#input');
  await page.keyboard.type('yfa');
  assert.equal(await editorText(page), 'yfa', 'typing replaces the held file');
  assert.ok(!await readOnly(page));

  // Bytes the editor would change are held: a CR, bytes that are not UTF-8.
  const binary = Buffer.from('pafarifas\r\n\xff\xfe\x00bcd\n', 'latin1');
  await openFile(page, site.fileOf('binary.in', binary));
  assert.ok(await readOnly(page), 'a binary file is held');
  const result = await run(page);
  assert.equal(result.bytes?.toString('hex'),
    Buffer.from('paris\r\n\xff\xfe\x00bcd\n', 'latin1').toString('hex'));
  await site.done(page);
});

// Drags paths from outside the browser and drops them at (x, y), as a person does; whether
// the browser then showed the file instead of the page, as it does when the page lets it:
// in a tab of its own (headless Chromium) or in place of the page.
async function drop(page, paths, x = 640, y = 30) {
  await page.evaluate(() => { window.notLeft = true; });
  let opened = false;
  const tab = (target) => { opened ||= target.url().startsWith('file:'); };
  site.browser.on('targetcreated', tab);
  const session = await page.createCDPSession();
  const data = { items: [], files: paths, dragOperationsMask: 1 };
  for (const type of ['dragEnter', 'dragOver', 'drop']) {
    await session.send('Input.dispatchDragEvent', { type, x, y, data });
  }
  await session.detach();
  await new Promise((done) => setTimeout(done, 1000));  // the browser does it well within that
  site.browser.off('targetcreated', tab);
  for (const other of await site.browser.pages()) {
    if (other.url().startsWith('file:')) await other.close();
  }
  await page.bringToFront();
  return opened || page.evaluate(() => window.notLeft !== true).catch(() => true);
}

test('a file dropped on the page is opened, and a folder is refused', async () => {
  const page = await site.open();
  await choose(page, 'crypt');
  assert.ok(!await drop(page, [site.fileOf('dropped.in', 'xyfaz\n')]),
    'the browser showed a dropped file instead of the page');
  await page.waitForFunction(() => document.getElementById('input').value === 'xyfaz\n');
  const folder = mkdtempSync(join(site.scratch, 'folder-'));
  assert.ok(!await drop(page, [folder], 300, 700),
    'the browser showed a dropped folder instead of the page');
  await page.waitForFunction(() =>
    document.getElementById('input-note').textContent.includes('folder'));
  assert.equal(await editorText(page), 'xyfaz\n', 'a dropped folder changed the input');
  await site.done(page);
});
