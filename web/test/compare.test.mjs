// The comparison of your output with the answer (compare.js), under Node: a verdict of each
// kind, the differences of white space in words, the first wrong word with its place, and
// outputs of tens of MiB.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { compare } from '../compare.js';

const bytes = (text) => Buffer.from(text, 'latin1');
const judge = (answer, yours) => compare(bytes(answer), bytes(yours));

test('the same bytes are accepted, empty outputs included', () => {
  for (const output of ['', 'NO', '1 2 3 ', '37\n120\n19\n']) {
    assert.deepEqual(judge(output, output), { verdict: 'accepted' });
  }
});

test('the same words with other white space differ in presentation, said in words', () => {
  const cases = [
    ['NO', 'NO\n', ['your output ends with a line feed; the answer has none']],
    ['37\n19\n', '37\n19', ['your output has no line feed at its end; the answer has one']],
    ['-1 -1 3 4 5 ', '-1 -1 3 4 5', ['line 1 has no trailing blank']],
    ['a\nb \nc\n', 'a\nb\nc\n', ['line 2 has no trailing blank']],
    ['a\nb\n', 'a \nb\n', ["line 1 ends with white space; the answer's does not"]],
    ['a b\n', ' a b\n', ["line 1 starts with white space; the answer's does not"]],
    ['a b\n', 'a  b\n', ["line 1 separates its words with other white space than the answer's"]],
    ['YES\n2\n1 3\n', 'YES\r\n2\r\n1 3\r\n', ['your output has CR LF line ends; the answer has LF alone']],
    ['paris\n\nbcd\n', 'paris\nbcd\n',
      ['"bcd" stands on line 2 of your output and on line 3 of the answer: the lines break ' +
       'elsewhere before it']],
    ['1\n', '1\n\n\n', ['your output ends with 2 empty lines more than the answer']],
    ['', '\n', ['your output ends with a line feed; the answer has none']],
  ];
  for (const [answer, yours, differences] of cases) {
    assert.deepEqual(judge(answer, yours), { verdict: 'presentation', differences },
      JSON.stringify(yours));
  }
  // Many lines: the first three, then a count.
  const answer = 'x\n'.repeat(10);
  const result = judge(answer, 'x \n'.repeat(10));
  assert.equal(result.differences.length, 4);
  assert.equal(result.differences[3], '7 more lines differ in white space');
});

test('a wrong answer names the first differing word, its line and column, and both lines', () => {
  let result = judge('37\n120\n19\n', '37\n121\n19\n');
  assert.equal(result.verdict, 'wrong');
  assert.equal(result.words, 'line 2, column 1: your output has "121" where the answer has "120".');
  assert.deepEqual(result.yours, { number: 2, column: 1, before: '', word: '121', after: '' });
  assert.deepEqual(result.answer, { number: 2, column: 1, before: '', word: '120', after: '' });

  result = judge('1 2 3 4 ', '1 2 4 3 ');
  assert.equal(result.words, 'line 1, column 5: your output has "4" where the answer has "3".');
  assert.deepEqual(result.yours, { number: 1, column: 5, before: '1 2 ', word: '4', after: ' 3 ' });

  // Missing and extra lines.
  result = judge('1\n2\n3\n4\n', '1\n2\n3\n');
  assert.equal(result.words,
    'your output ends after line 3 of 4: the answer goes on with "4" at line 4, column 1.');
  result = judge('1\n2\n', '1\n2\n3\n');
  assert.equal(result.words,
    'your output goes on after the answer\'s end (line 2), with "3" at line 3, column 1.');
  // Empty lines are no lines of words: the line of the last word is what ends.
  result = judge('1\n2\n3\n', '1\n2\n\n\n');
  assert.equal(result.words,
    'your output ends after line 2 of 3: the answer goes on with "3" at line 3, column 1.');
  result = judge('7 8 9 ', '  \n');
  assert.equal(result.words,
    'your output has no words at all: the answer goes on with "7" at line 1, column 1.');
  // What cannot be seen is written as an escape: a byte order mark, a NUL.
  assert.equal(compare(Buffer.from('YES\n0\n'), Buffer.from('\ufeffYES\n0\n')).words,
    'line 1, column 1: your output has "\\u{feff}YES" where the answer has "YES".');
  assert.equal(judge('2\n', '2\0\n').words,
    'line 1, column 1: your output has "2\\x00" where the answer has "2".');
  // Words that would look alike: differing past the 40 characters shown, or composed otherwise.
  const digits = '1234567890'.repeat(5);
  assert.equal(judge(`${digits}1\n`, `${digits}2\n`).words,
    `line 1, column 1: your output has "…${digits.slice(40)}2" where the answer has "…${digits.slice(40)}1".`);
  assert.equal(compare(Buffer.from('caf\u00e9\n'), Buffer.from('cafe\u0301\n')).words,
    'line 1, column 1: your output has "cafe\\u{301}" where the answer has "caf\\u{e9}".');
  result = judge('1\n2\n', '1 3\n2\n5\n');
  assert.equal(result.words, 'line 1, column 3: your output has "3" where the answer has "2" ' +
    '(its line 2, column 1). Your output has 3 lines, 1 more than the answer\'s 2.');

  // Columns in characters, and a long line shown around the word.
  result = compare(Buffer.from('héllo wörld\n'), Buffer.from('héllo world\n'));
  assert.equal(result.yours.column, 7);
  const long = `${'7 '.repeat(1000)}8 ${'7 '.repeat(1000)}`;
  result = judge(long, long.replace('8', '9'));
  assert.equal(result.yours.before, `…${' 7'.repeat(15)} `);
  assert.equal(result.yours.word, '9');
  assert.equal(result.yours.after.length, 32);
});

test('outputs of 30 MB are judged whole, with the line numbers of the whole output', () => {
  const lines = Array.from({ length: 3_000_000 }, (_, i) => `${i % 1000003}`);
  const answer = Buffer.from(`${lines.join('\n')}\n`);
  assert.ok(answer.length > 20e6);
  const yours = Buffer.from(answer);
  assert.equal(compare(answer, yours).verdict, 'accepted');
  lines[2_999_990] = 'x';
  const result = compare(answer, Buffer.from(`${lines.join('\n')}\n`));
  assert.match(result.words, /^line 2,999,991, column 1: your output has "x"/);
});
