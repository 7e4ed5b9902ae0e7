// An input in the editor or held as a file (inputs.js), under Node: the editor takes what it
// gives back exactly; a file too large, not UTF-8, with a CR or another control character is
// held, its bytes untouched; a held file's head.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { bytesInput, head, inputBytes, kEditorBytes } from '../inputs.js';

test('text the editor gives back is edited; anything else is held as it is', () => {
  const b = (text) => Buffer.from(text, 'latin1');
  assert.deepEqual(bytesInput(b('3\n3 1 2\n'), 'a'), { text: '3\n3 1 2\n' });
  assert.deepEqual(bytesInput(Buffer.from('\ufeffé\n'), 'a'), { text: '\ufeffé\n' });
  const held = {
    'it is larger than the editor takes': new Uint8Array(kEditorBytes + 1).fill(0x31),
    'it is not UTF-8 text': b('\xff\n'),
    'it holds carriage returns, which the editor would drop': b('a\r\n'),
    'it holds control characters': b('a\x00'),
  };
  for (const [why, bytes] of Object.entries(held)) {
    const input = bytesInput(bytes, 'f.in');
    assert.equal(input.held?.why, why);
    assert.deepEqual(inputBytes(input), new Uint8Array(bytes));
  }
  assert.deepEqual(inputBytes({ text: 'é' }), new Uint8Array([0xc3, 0xa9]));
});

test("a held file's head: its first lines, marked when there is more", () => {
  const lines = Array.from({ length: 100 }, (_, i) => `line ${i}`).join('\n');
  const shown = head({ bytes: Buffer.from(lines) });
  assert.equal(shown.split('\n').length, 41);
  assert.ok(shown.endsWith('\n…'));
  assert.equal(head({ bytes: Buffer.from('a\nb') }), 'a\nb');
});
