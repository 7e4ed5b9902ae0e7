// The page's own readings (explain.js), under Node: where an input breaks the rule behind
// transformation's NO and crypt's impossible, and expression's answers beside their
// switched lines. programs.test.mjs checks the refusals' places on random inputs.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { explainRefusal, kSwitchedLine, switchedLines } from '../explain.js';

const b = (text) => Buffer.from(text);

test('transformation: the first position below its initial value, else the first target no position starts with', () => {
  const why = (input) => explainRefusal('transformation', b(input), b('NO'));
  assert.deepEqual(why('2\n2 1\n1 2\n'), { position: 1, rule: 'below',
    words: "position 1's target, 1, is below its initial value, 2." });
  // Below wins over absent, though it comes later in input order.
  assert.equal(why('3\n1 2 5\n9 2 4\n').position, 3);
  assert.deepEqual(why('3\n-1 2 2\n-1 3 2\n'), { position: 2, rule: 'absent',
    words: "position 2's target, 3, is no initial value: no position starts with 3." });
  assert.equal(explainRefusal('transformation', b('2\n1 2\n2 2\n'), b('YES\n1\n1 2\n')), null);
  // What follows the last value the program reads is never read.
  assert.equal(why('2\n2 1\n1 2\nhello\n').position, 1);
});

test('crypt: the line and column where "fa" was expected, and what stands there', () => {
  const why = (input) => explainRefusal('crypt', b(input), b('impossible\n'));
  const cases = [
    ['pafarifas\na\nbcd\n', 2, 2, 'f', 'the line ends there'],
    ['af\n', 1, 3, 'a', 'the line ends there'],
    ['xyfaz\nabfa\n', 2, 2, 'f', '"b" stands there'],
    ['afafa\n', 1, 6, 'f', 'the line ends there'],
    ['hé efx\n', 1, 6, 'a', '"x" stands there'],  // é is one character
    ['e\x01', 1, 2, 'f', '"\\x01" stands there'],
    // A byte order mark is a character where it stands, and is shown as one.
    ['y\ufeff\n', 1, 2, 'f', '"\\u{feff}" stands there'],
    ['a\ufefffa\n', 1, 2, 'f', '"\\u{feff}" stands there'],
    [Buffer.from([0xef, 0xbb, 0xbf, 0x79, 0xff]), 1, 3, 'f', 'the byte \\xff stands there'],
  ];
  for (const [input, line, column, expected, there] of cases) {
    const found = explainRefusal('crypt', Buffer.from(input), b('impossible\n'));
    assert.deepEqual([found.line, found.column, found.expected], [line, column, expected], input);
    assert.ok(found.words.startsWith(`line ${line}, column ${column}: "${expected}" was expected`) &&
      found.words.endsWith(`but ${there}.`), found.words);
  }
  assert.equal(explainRefusal('crypt', b('qwfafa\n'), b('qwfa\n')), null);
});

test('expression: each answer beside its line with that operator switched', () => {
  assert.deepEqual(switchedLines(b('2*(3+4)*5\r\n3\n2 5 8\n'), b('37\n120\n19\n')), {
    of: 3,
    rows: [
      { before: '2', operator: '+', after: '(3+4)*5', answer: '37' },
      { before: '2*(3', operator: '*', after: '4)*5', answer: '120' },
      { before: '2*(3+4)', operator: '+', after: '5', answer: '19' },
    ],
  });
  assert.equal(switchedLines(b('2+2\n3\n2 2 2\n'), b('4\n4\n4\n'), 2).rows.length, 2);
  const long = `${'1+'.repeat(kSwitchedLine / 2)}1\n1\n2\n`;
  assert.equal(switchedLines(b(long), b('1\n')), null, 'a line too long to show');
  assert.equal(switchedLines(b('5\n'), b('')).rows.length, 0);
  // What follows the last query is never read.
  assert.equal(switchedLines(b('2*(3+4)*5\n3\n2 5 8 extra\n'), b('37\n120\n19\n')).rows.length, 3);
});
