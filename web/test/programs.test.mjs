// The random inputs run by the programs themselves: the page's modules under Node's WASI,
// all in this one process. 1,000 small seeds per program, 20 medium and 2 at the limits:
// each is answered with status 0 and nothing on standard error, and each kind of answer
// is a fifth of the small ones at least. The refusals' explanations stand exactly beside
// the refusals, and the place each names breaks the rule, as this test checks on its own.
import assert from 'node:assert/strict';
import {
  closeSync, existsSync, mkdtempSync, openSync, readFileSync, rmSync, writeFileSync,
} from 'node:fs';
import { tmpdir } from 'node:os';
import { setFlagsFromString } from 'node:v8';
import { join } from 'node:path';
import { after, test } from 'node:test';
import { about, pageFolder } from './helpers.mjs';
import { explainRefusal } from '../explain.js';
import { generate } from '../generators.js';

// As in wasi-run.mjs: Node 20 crashes in its optimised fast calls into WASI once a module's
// memory has grown large; set before any code is optimised.
setFlagsFromString('--no-turbo-fast-api-calls');
// node:wasi says once that it is experimental; not this test's to print.
process.removeAllListeners('warning');
process.on('warning', () => {});
const { WASI } = await import('node:wasi');

// In memory where the system offers it: thousands of small files are written and read.
const scratch = mkdtempSync(join(existsSync('/dev/shm') ? '/dev/shm' : tmpdir(), 'programs-test-'));
after(() => rmSync(scratch, { recursive: true, force: true }));
const compiled = new Map();

// Runs a module in the scratch folder on the input: {status, output, err}.
function runModule(program, input) {
  if (!compiled.has(program)) {
    compiled.set(program, new WebAssembly.Module(
      readFileSync(join(pageFolder, 'modules', `${program}.wasm`))));
  }
  writeFileSync(join(scratch, `${program}.in`), input);
  const err = join(scratch, 'err');
  const stdin = openSync('/dev/null', 'r');
  const stderr = openSync(err, 'w');
  const wasi = new WASI({ version: 'preview1', args: [program], env: {}, returnOnExit: true,
    preopens: { '.': scratch }, stdin, stdout: stderr, stderr });
  const instance = new WebAssembly.Instance(compiled.get(program), wasi.getImportObject());
  let status;
  try {
    status = wasi.start(instance);
  } catch (error) {
    status = `trapped: ${error.message}`;
  }
  for (const fd of [stdin, stderr]) {
    try { closeSync(fd); } catch { /* the WASI instance closed it */ }
  }
  return { status, output: readFileSync(join(scratch, `${program}.out`)),
    err: readFileSync(err, 'utf8') };
}

// --- Each input's kinds, as this test tells them, and where a refusal breaks the rule ------

const words = (text) => text.split(/\s+/).filter((w) => w !== '');

// transformation: the rule it breaks, first in input order, or none.
function transformationRule(input) {
  const [n, ...values] = words(input).map(Number);
  const initial = values.slice(0, n);
  const target = values.slice(n, 2 * n);
  const below = target.findIndex((t, p) => t < initial[p]);
  if (below >= 0) return { kind: 'NO, a target below', position: below + 1 };
  const starts = new Set(initial);
  const absent = target.findIndex((t) => !starts.has(t));
  if (absent >= 0) return { kind: 'NO, a target that is no initial value', position: absent + 1 };
  return { kind: 'YES' };
}

// crypt: the first line that is no encoding, the column where it fails and the way.
const kValid = /^(?:[^aeiouy]|[aeiouy]fa)*/;
function cryptFailure(input) {
  const lines = input.split('\n');
  if (lines[lines.length - 1] === '') lines.pop();
  for (let i = 0; i < lines.length; ++i) {
    const line = lines[i];
    const good = line.match(kValid)[0].length;
    if (good === line.length) continue;
    const at = line[good + 1] === 'f' ? good + 2 : good + 1;
    const way = at >= line.length ? (at === good + 1 ? 'a key letter at the end' : 'fa cut short')
      : at === good + 1 ? 'no f after a key letter' : 'no a after its f';
    return { kind: `impossible, ${way}`, line: i + 1, column: at + 1 };
  }
  return { kind: 'decoded' };
}

// subsequence: whether counting up from a to b (units first) carries at some step.
function carries(a, b) {
  let digits = [...a.padStart(b.length, '0')].map(Number);
  const goal = [...b.padStart(a.length, '0')].map(Number);
  digits = digits.slice(digits.length - Math.max(a.length, b.length));
  for (let i = digits.length - 1; i >= 0; --i) {
    while (digits[i] !== goal[goal.length - digits.length + i]) {
      let j = i;
      for (digits[j] += 1; digits[j] > 9; digits[--j] += 1) digits[j] = 0;
      if (j !== i) return true;
    }
  }
  return false;
}

const kindsOf = {
  transformation: (input) => [transformationRule(input).kind],
  crypt: (input) => {
    const kind = cryptFailure(input).kind;
    return kind === 'decoded' ? [kind] : ['impossible', kind];
  },
  expression: (input) => {
    const [line, , ...queries] = input.split(/\s+/);
    const kinds = [];
    if (line.includes('+') && line.includes('*')) kinds.push('both operators');
    if (line.includes('(')) kinds.push('nesting');
    if (new Set(queries).size < queries.filter((q) => q !== '').length) kinds.push('repeated queries');
    return kinds;
  },
  subsequence: (input) => {
    const numbers = words(input).slice(1);
    const value = (w) => w.replace(/^0+(?=.)/, '');
    const pairs = numbers.slice(1).map((w, i) => [value(numbers[i]), value(w)]);
    const kinds = [];
    if (pairs.some(([a, b]) => carries(a, b))) kinds.push('carries');
    if (pairs.some(([a, b]) => a === b)) kinds.push('equal neighbours');
    if (numbers.some((w) => w.length > 1 && w[0] === '0')) kinds.push('leading zeros');
    return kinds;
  },
  stack: (input) => {
    const values = words(input).slice(1).map(Number);
    const kinds = [];
    if (new Set(values).size < values.length) kinds.push('ties');
    if (values.some((v) => v < 0)) kinds.push('negative values');
    return kinds;
  },
};

// The page's explanation stands exactly beside a refusal, and names the place this test
// finds on its own.
function checkExplanation(program, input, output, where) {
  const explained = explainRefusal(program, Buffer.from(input), output);
  if (program === 'transformation') {
    const rule = transformationRule(input);
    assert.equal(output.toString() === 'NO', rule.kind !== 'YES', `${where}: the answer`);
    assert.equal(explained?.position ?? null, rule.position ?? null, `${where}: the position`);
  } else if (program === 'crypt') {
    const failure = cryptFailure(input);
    assert.equal(output.toString() === 'impossible\n', failure.kind !== 'decoded', `${where}: the answer`);
    assert.deepEqual(explained && [explained.line, explained.column],
      failure.line ? [failure.line, failure.column] : null, `${where}: the place`);
  }
}

const limits = (program) => about.find((p) => p.name === program).limits;

// The kinds each program's small inputs must mix, a fifth of them each at least; and crypt's
// ways of failing, each of which must be among them.
const kMixed = {
  transformation: ['YES', 'NO, a target below', 'NO, a target that is no initial value'],
  crypt: ['decoded', 'impossible'],
  expression: ['both operators', 'nesting', 'repeated queries'],
  subsequence: ['carries', 'equal neighbours', 'leading zeros'],
  stack: ['ties', 'negative values'],
};
const kCryptFailures = ['a key letter at the end', 'fa cut short', 'no f after a key letter',
  'no a after its f'].map((way) => `impossible, ${way}`);

for (const program of Object.keys(kindsOf)) {
  test(`${program}: random inputs of every size are answered`, async (t) => {
    const counted = new Map();
    const runs = [['small', 1000], ['medium', 20], ['limits', 2]];
    for (const [size, seeds] of runs) {
      for (let seed = 0; seed < seeds; ++seed) {
        const input = generate(program, size, seed, limits(program));
        const where = `${program}, ${size}, seed ${seed}`;
        const result = runModule(program, input);
        assert.deepEqual([result.status, result.err], [0, ''], where);
        checkExplanation(program, input, result.output, where);
        if (size !== 'small') continue;
        for (const kind of kindsOf[program](input)) counted.set(kind, (counted.get(kind) ?? 0) + 1);
      }
    }
    const shares = [...counted].sort().map(([kind, n]) => `${kind} ${(n / 10).toFixed(1)}%`);
    t.diagnostic(`${program}, 1,000 small inputs: ${shares.join(', ')}`);
    for (const kind of kMixed[program]) {
      const n = counted.get(kind) ?? 0;
      assert.ok(n >= 200, `${program}: ${kind} in ${n} of 1,000`);
    }
    if (program === 'crypt') {
      for (const way of kCryptFailures) assert.ok(counted.has(way), `crypt: ${way} in none`);
    }
  });
}
