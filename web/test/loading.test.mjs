// Loading: the states; the format beside the editor is the README's section; each program
// starts with its bundled example, which gives its expected.out, with both times shown;
// axe-core before and after a run, light and dark.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import {
  accessible, choose, editorText, exampleOf, expectedOf, launch, programs, readmeFormat, run,
  state, waitState,
} from './helpers.mjs';

let site;
before(async () => { site = await launch(); });
after(() => site.close());

test('the page loads, shows each program as the README does, and runs every example', async () => {
  const page = await site.open({ ready: false });
  assert.equal(await state(page), 'loading');
  await waitState(page, 'ready');
  assert.ok(await page.$eval('#run', (b) => !b.disabled), 'Run is enabled once the page is ready');
  assert.ok(await page.$eval('link[rel=icon]', (l) => l.href.startsWith('data:image/svg+xml')),
    'the favicon is an inline SVG');
  assert.equal(await page.$eval('select', (s) => s.id), 'program', 'the first list is Program');
  await accessible(page, 'on a fresh page');
  for (const program of programs) {
    await choose(page, program);
    const format = await page.evaluate(() => ({
      input: document.getElementById('format-in').textContent.replace(/\s+/g, ' '),
      output: document.getElementById('format-out').textContent.replace(/\s+/g, ' '),
    }));
    assert.deepEqual(format, readmeFormat(program), `${program}: the format beside the editor`);
    assert.ok(Buffer.from(await editorText(page)).equals(exampleOf(program)),
      `${program}: the editor starts with the bundled example`);
    const result = await run(page);
    assert.ok(result.state === 'done' && result.kind === 'answered' && result.err === '' &&
      result.bytes?.equals(expectedOf(program)), `${program}: its example gave "${result.verdict}"`);
    assert.match(result.times,
      /^Total \d+\.\d{3} s from Run to result; the module ran \d+\.\d{3} s\.$/);
  }
  await accessible(page, 'after a run');
  await page.emulateMediaFeatures([{ name: 'prefers-color-scheme', value: 'dark' }]);
  await accessible(page, 'after a run, dark');
  assert.ok(await page.$eval('#verdict', (v) => v.closest('[aria-live]') !== null),
    'the verdict stands in an aria-live region');
  await site.done(page);
});
