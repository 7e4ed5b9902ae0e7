// The random inputs (generators.js), under Node: the same seed and size give the same input
// (pinned by hashes), each size stays inside the task's limits as the README gives them and
// reaches them at "limits", made within 2 s. The programs' answers to them are
// programs.test.mjs's.
import assert from 'node:assert/strict';
import { createHash } from 'node:crypto';
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { test } from 'node:test';
import { generate, kMemoryBoundBytes, kSizes, randomOf } from '../generators.js';
import { programsOf } from '../readme-programs.mjs';

const top = join(import.meta.dirname ?? new URL('.', import.meta.url).pathname, '../..');
const names = ['transformation', 'expression', 'stack', 'crypt', 'subsequence'];
const limits = Object.fromEntries(programsOf(readFileSync(join(top, 'README.md'), 'utf8'), names)
  .map((p) => [p.name, p.limits]));
const hash = (text) => createHash('sha256').update(text).digest('hex').slice(0, 16);

test('the random numbers are integer steps, the same in every engine: pinned', () => {
  const random = randomOf(1);
  assert.deepEqual([random.u32(), random.u32(), random.u32()], [2442144158, 3238099751, 3819917871]);
});

test('a seed and a size give one input, pinned by its hash', () => {
  const pinned = {
    transformation: ['f2c3706102728f26', 'c39fa637c24ac958'],
    expression: ['1736ccf22bbac3b1', '1328061728a963a1'],
    stack: ['8391e9ff91c3c640', 'f7864c46c8c237b7'],
    crypt: ['6a383eb7d0f36b4d', 'b1cfa2e9979a1f39'],
    subsequence: ['c8b674cbd1a52bfe', '4a89a88292ac72ce'],
  };
  const seen = {};
  for (const name of names) {
    seen[name] = ['small', 'medium'].map((size, i) => hash(generate(name, size, 7 + i, limits[name])));
    assert.equal(generate(name, 'small', 7, limits[name]), generate(name, 'small', 7, limits[name]));
    assert.notEqual(generate(name, 'medium', 1, limits[name]), generate(name, 'medium', 2, limits[name]));
  }
  assert.deepEqual(seen, pinned);
});

test('each size keeps inside the limits, and "limits" reaches them within 2 s', () => {
  for (const name of names) {
    for (const size of kSizes) {
      // The time of this process, which another process on a busy machine does not lengthen.
      const started = process.cpuUsage();
      const text = generate(name, size, 3, limits[name]);
      const { user, system } = process.cpuUsage(started);
      const seconds = (user + system) / 1e6;
      assert.ok(seconds < 2, `${name} at ${size}: ${seconds} s`);
      const [first, second] = text.split('\n');
      if (name === 'transformation' || name === 'stack') {
        const n = Number(first);
        const expected = { small: [0, 8], medium: [limits[name].n / 100 - 1, limits[name].n / 100 + 1],
          limits: [limits[name].n, limits[name].n] }[size];
        assert.ok(n >= expected[0] && n <= expected[1], `${name} at ${size}: n is ${n}`);
      } else if (name === 'expression') {
        const most = { small: 36, medium: Math.round(limits.expression.line / 100),
          limits: limits.expression.line }[size];
        assert.ok(first.length <= most && (size === 'small' || first.length >= most - 1),
          `${name} at ${size}: a line of ${first.length}`);
        assert.ok(Number(second) <= (size === 'limits' ? limits.expression.k : 6 + limits.expression.k / 100));
      } else {
        const most = size === 'small' ? 200 : size === 'medium' ? kMemoryBoundBytes / 100 : kMemoryBoundBytes;
        assert.ok(text.length <= most && (size === 'small' || text.length > most * 0.95),
          `${name} at ${size}: ${text.length} bytes`);
      }
    }
  }
});
