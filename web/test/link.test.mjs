// The link's packed inputs (link.js), under Node: what pack() makes unpack() gives back; a
// text that is no packed input is Broken, one that inflates past the cap TooLarge, with no
// more than the cap held; the fragment's fields.
import assert from 'node:assert/strict';
import { deflateRawSync } from 'node:zlib';
import { test } from 'node:test';
import {
  Broken, kLinkBytes, kLinkInputBytes, makeFragment, pack, readFragment, TooLarge, unpack,
} from '../link.js';

test('what pack makes, unpack gives back; the largest input a link carries is under the cap', async () => {
  for (const text of ['', '5\n5 -1 4 -1 3\n', 'é\u0000\r\n']) {
    const bytes = new TextEncoder().encode(text);
    assert.deepEqual(await unpack((await pack(bytes)).text), bytes);
  }
  const zeros = new Uint8Array(4 << 20);
  const packed = await pack(zeros);
  assert.ok(packed.text !== null && packed.packedBytes <= kLinkBytes);
  assert.equal((await unpack(packed.text)).length, zeros.length);
  // Past half the cap, pack does not even try.
  assert.deepEqual(await pack(new Uint8Array(kLinkInputBytes / 2 + 1)),
    { text: null, packedBytes: null });
});

test('a broken text and a bomb are refused', async () => {
  for (const text of ['', 'A', 'AAAA', 'a+b', 'M-UyVdA1VDABEcY']) {
    await assert.rejects(unpack(text), Broken, text);
  }
  const bomb = deflateRawSync(Buffer.alloc(kLinkInputBytes + 1, '1')).toString('base64url');
  await assert.rejects(unpack(bomb), TooLarge);
  const justUnder = deflateRawSync(Buffer.alloc(kLinkInputBytes, '1')).toString('base64url');
  assert.equal((await unpack(justUnder)).length, kLinkInputBytes);
});

test('the fragment names the program and carries the input or the seed, and your output', () => {
  assert.equal(makeFragment('stack', { input: 'P', output: null }), '#program=stack&input=P');
  const fragment = makeFragment('crypt', { size: 'limits', seed: 7, output: 'Q' });
  assert.equal(fragment, '#program=crypt&size=limits&seed=7&output=Q');
  assert.deepEqual(readFragment(fragment),
    { program: 'crypt', input: null, size: 'limits', seed: '7', output: 'Q' });
});
