// The page's own reading of an answer, beside the program's: where an input breaks the rule
// that made transformation answer NO or crypt answer impossible, and expression's answers
// beside their lines with the query's operator switched. Pure functions of the bytes.

import { decode, visible } from './shown.js';

// The integers a program reads from a text: the first `count(first)` tokens, where `first`
// is the first token's value (what follows them is never read); null where one of those is
// no integer (the program then refused it).
function integers(bytes, count) {
  const tokens = decode(bytes).split(/[ \t\n\v\f\r]+/).filter((t) => t !== '');
  const first = tokens.length > 0 ? Number(tokens[0]) : null;
  if (first === null) return [];
  const values = Number.isInteger(first) ? tokens.slice(0, count(first)).map(Number) : [first];
  return values.every(Number.isInteger) ? values : null;
}

// Why transformation answered NO: the first position, in input order, whose target is below
// its initial value; failing that, the first whose target is no initial value. null when no
// position breaks a rule.
function transformationRefusal(input) {
  const values = integers(input, (n) => 1 + 2 * n);
  if (values === null || values.length < 1) return null;
  const n = values[0];
  const initial = values.slice(1, 1 + n);
  const target = values.slice(1 + n, 1 + 2 * n);
  if (initial.length < n || target.length < n) return null;
  for (let p = 0; p < n; ++p) {
    if (target[p] < initial[p]) {
      return { position: p + 1, rule: 'below', words: `position ${p + 1}'s target, ` +
        `${target[p]}, is below its initial value, ${initial[p]}.` };
    }
  }
  const starts = new Set(initial);
  for (let p = 0; p < n; ++p) {
    if (!starts.has(target[p])) {
      return { position: p + 1, rule: 'absent', words: `position ${p + 1}'s target, ` +
        `${target[p]}, is no initial value: no position starts with ${target[p]}.` };
    }
  }
  return null;
}

const kKey = new Set([...'aeiouy'].map((c) => c.charCodeAt(0)));
const kF = 0x66;
const kA = 0x61;

// Why crypt answered impossible: the first line whose key letter is not followed by "fa",
// with the place (line and column, counted in characters) and what was expected there.
function cryptRefusal(input) {
  let start = 0;
  for (let line = 1; start < input.length; ++line) {
    let end = input.indexOf(0x0a, start);
    if (end < 0) end = input.length;
    for (let i = start; i < end; ++i) {
      if (!kKey.has(input[i])) continue;
      let at;
      if (i + 1 >= end || input[i + 1] !== kF) {
        at = i + 1;
      } else if (i + 2 >= end || input[i + 2] !== kA) {
        at = i + 2;
      } else {
        i += 2;  // the syllable is removed, its "a" no key letter of its own
        continue;
      }
      const text = decode(input.subarray(start, end));
      const column = [...decode(input.subarray(start, at))].length + 1;
      const expected = at === i + 1 ? 'f' : 'a';
      // The character there: a slice of bytes always decodes to one at least.
      const found = at < end ? [...decode(input.subarray(at, Math.min(at + 4, end)))][0] : null;
      const byte = `the byte \\x${(input[at] ?? 0).toString(16).padStart(2, '0')}`;
      const there = at >= end ? 'the line ends there'
        : found === '\ufffd' ? `${byte} stands there`
          : found === ' ' ? 'a blank stands there' : `"${visible(found)}" stands there`;
      const role = expected === 'f' ? 'the start of' : 'the end of';
      return {
        line, column, expected, text,
        words: `line ${line.toLocaleString('en-US')}, column ${column.toLocaleString('en-US')}: ` +
          `"${expected}" was expected there, ${role} the "fa" that must follow the key letter ` +
          `"${String.fromCharCode(input[i])}", but ${there}.`,
      };
    }
    start = end + 1;
  }
  return null;
}

// The place where the input breaks the rule behind a refusal, {words, ...}, or null: for
// transformation's NO and crypt's impossible.
export function explainRefusal(program, input, output) {
  const text = decode(output);
  if (program === 'transformation' && text === 'NO') return transformationRefusal(input);
  if (program === 'crypt' && text === 'impossible\n') return cryptRefusal(input);
  return null;
}

// The longest expression line shown with each answer beside it.
export const kSwitchedLine = 200;

// expression's answers beside their lines: [{before, operator, after, answer}], the first
// `most` of them, with `of` the number of queries; null for a line longer than kSwitchedLine
// or for input and output that do not go together (a run that did not answer).
export function switchedLines(input, output, most = 100) {
  let end = input.indexOf(0x0a);
  if (end < 0) end = input.length;
  const rest = input.subarray(end + 1);
  if (end > 0 && input[end - 1] === 0x0d && end < input.length) end -= 1;  // CR LF
  if (end > kSwitchedLine) return null;
  const line = decode(input.subarray(0, end));
  const numbers = integers(rest, (k) => 1 + Math.max(0, k));
  if (numbers === null) return null;
  const k = numbers.length > 0 ? Math.max(0, numbers[0]) : 0;
  const answers = decode(output).split('\n');
  const queries = numbers.slice(1, 1 + k);
  if (answers.pop() !== '' || answers.length !== k || queries.length !== k) return null;
  const rows = [];
  for (let i = 0; i < Math.min(k, most); ++i) {
    const at = queries[i] - 1;
    if (line[at] !== '+' && line[at] !== '*') return null;
    rows.push({ before: line.slice(0, at), operator: line[at] === '+' ? '*' : '+',
      after: line.slice(at + 1), answer: answers[i] });
  }
  return { rows, of: k };
}
