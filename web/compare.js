// A person's output checked against the answer, as a judge checks it: compare(answer,
// yours), two Uint8Arrays, gives
//   {verdict: 'accepted'}                       the same bytes;
//   {verdict: 'presentation', differences}      the same words with other white space, each
//                                               difference said in words;
//   {verdict: 'wrong', words, answer, yours}    the first word that differs, or the place
//                                               where one output ends before the other, with
//                                               both lines ({number, before, word, after}).
// A word is a run of bytes that are not white space (blank, tab, line feed, CR, VT, FF);
// lines and columns count from 1, columns in characters. One pass over each output, no copy
// of it (but one without CRs, when CR LF line ends are the difference): fit for outputs of
// tens of MiB, in a worker.
import { decode, visible } from './shown.js';

const kLineFeed = 0x0a;
const kReturn = 0x0d;
const isSpace = (b) => b === 0x20 || (b >= 0x09 && b <= 0x0d);
const count = (n) => n.toLocaleString('en-US');
const kMostDifferences = 3;  // the lines told apart; more are counted

// The words of an output, one after the other: each with its line and where that line starts.
function cursor(bytes) {
  let at = 0;
  let line = 1;
  let lineStart = 0;
  return () => {
    while (at < bytes.length && isSpace(bytes[at])) {
      if (bytes[at] === kLineFeed) {
        line += 1;
        lineStart = at + 1;
      }
      at += 1;
    }
    if (at === bytes.length) return null;
    const start = at;
    while (at < bytes.length && !isSpace(bytes[at])) at += 1;
    return { start, end: at, line, lineStart };
  };
}

function sameBytes(a, b, aStart = 0, aEnd = a.length, bStart = 0, bEnd = b.length) {
  if (aEnd - aStart !== bEnd - bStart) return false;
  for (let i = 0; i < aEnd - aStart; ++i) if (a[aStart + i] !== b[bStart + i]) return false;
  return true;
}

// How many lines an output has: a last line without a line feed counts, an empty output has
// none.
function lineCount(bytes) {
  let lines = 0;
  for (let at = bytes.indexOf(kLineFeed); at >= 0; at = bytes.indexOf(kLineFeed, at + 1)) lines += 1;
  return bytes.length > 0 && bytes[bytes.length - 1] !== kLineFeed ? lines + 1 : lines;
}

// The line of an output's last word, or 0 when it has none.
function lastWordLine(bytes) {
  let last = bytes.length;
  while (last > 0 && isSpace(bytes[last - 1])) last -= 1;
  if (last === 0) return 0;
  return lineCount(bytes.subarray(0, last));
}

function lineEnd(bytes, from) {
  const end = bytes.indexOf(kLineFeed, from);
  return end < 0 ? bytes.length : end;
}

// A line of an output as the page shows it: about 80 characters around the word, which is
// marked ({number, column, before, word, after}); at the end of an output, its last line.
// An output that ends (word null) shows the line of its last word, or none when it has none.
function shownLine(bytes, word, last) {
  if (word === null) {
    if (last === null) return { number: 0, column: null, before: '', word: '', after: '' };
    const text = decode(bytes.subarray(last.lineStart, lineEnd(bytes, last.end)));
    return { number: last.line, column: null, before: clip(text, true), word: '', after: '' };
  }
  const end = lineEnd(bytes, word.end);
  const before = decode(bytes.subarray(word.lineStart, word.start));
  const text = [...decode(bytes.subarray(word.start, word.end))];
  return {
    number: word.line,
    column: [...before].length + 1,
    before: clip(before, true),
    word: visible(text.length > 40 ? `${text.slice(0, 39).join('')}…` : text.join('')),
    after: clip(decode(bytes.subarray(word.end, Math.min(end, word.end + 200))), false),
  };
}

// About 32 characters of a text, cut at its start or its end, with what cannot be seen
// written as escapes.
function clip(text, keepEnd) {
  const chars = [...text];
  if (chars.length <= 32) return visible(text);
  return keepEnd ? `…${visible(chars.slice(-31).join(''))}` : `${visible(chars.slice(0, 31).join(''))}…`;
}

const quoted = (line) => `"${line.word}"`;

// Two words that differ but would be shown alike (they differ past what is shown, or in
// letters composed otherwise): each from a little before the first character that differs,
// and, if they still look alike, every character past ASCII as its code point.
function apart(first, second) {
  const a = [...first];
  const b = [...second];
  let at = 0;
  while (at < a.length && at < b.length && a[at] === b[at]) at += 1;
  const from = Math.max(0, at - 10);
  const part = (chars) => `${from > 0 ? '…' : ''}${visible(chars.slice(from, from + 39).join(''))}` +
    `${chars.length > from + 39 ? '…' : ''}`;
  const shown = [part(a), part(b)];
  if (shown[0].normalize('NFC') !== shown[1].normalize('NFC')) return shown;  // they look apart
  const points = (text) => text.replace(/[^\x20-\x7e]/gu, (c) => (c === '…' ? c
    : `\\u{${c.codePointAt(0).toString(16)}}`));
  return shown.map(points);
}

// a and y are the first words that differ, null where an output has ended; lastA and lastY
// the words before them, null at the start.
function wrong(answer, yours, a, y, lastA, lastY) {
  const answerLines = lineCount(answer);
  const yourLines = lineCount(yours);
  const shownAnswer = shownLine(answer, a, lastA);
  const shownYours = shownLine(yours, y, lastY);
  const alike = (p, q) => p.normalize('NFC') === q.normalize('NFC');
  if (a !== null && y !== null && alike(shownAnswer.word, shownYours.word)) {
    [shownAnswer.word, shownYours.word] = apart(decode(answer.subarray(a.start, a.end)),
      decode(yours.subarray(y.start, y.end)));
  }
  const goesOn = (line) => `${quoted(line)} at line ${count(line.number)}, column ${count(line.column)}`;
  let words;
  if (y === null) {
    words = (lastY === null ? 'your output has no words at all'
      : `your output ends after line ${count(lastY.line)} of ${count(lastWordLine(answer))}`) +
      `: the answer goes on with ${goesOn(shownAnswer)}.`;
  } else if (a === null) {
    words = (lastA === null ? 'the answer has no words at all' : 'your output goes on after ' +
      `the answer's end (line ${count(lastA.line)})`) + `, with ${goesOn(shownYours)}.`;
  } else {
    const same = shownAnswer.number === shownYours.number && shownAnswer.column === shownYours.column;
    words = `line ${count(shownYours.number)}, column ${count(shownYours.column)}: your output ` +
      `has ${quoted(shownYours)} where the answer has ${quoted(shownAnswer)}` +
      (same ? '.' : ` (its line ${count(shownAnswer.number)}, column ` +
        `${count(shownAnswer.column)}).`);
    if (yourLines !== answerLines) {
      words += yourLines < answerLines
        ? ` Your output has ${count(yourLines)} lines, the answer ${count(answerLines)}.`
        : ` Your output has ${count(yourLines)} lines, ${count(yourLines - answerLines)} more ` +
          `than the answer's ${count(answerLines)}.`;
    }
  }
  return { verdict: 'wrong', words, answer: shownAnswer, yours: shownYours };
}

// How the white space of one line differs, both lines holding the same words: in words, or
// null when it does not.
function lineDifference(answer, aStart, aEnd, yours, yStart, yEnd, number) {
  if (sameBytes(answer, yours, aStart, aEnd, yStart, yEnd)) return null;
  const edges = (bytes, start, end) => {
    let first = start;
    while (first < end && isSpace(bytes[first])) first += 1;
    let last = end;
    while (last > first && isSpace(bytes[last - 1])) last -= 1;
    return { first, last };
  };
  const a = edges(answer, aStart, aEnd);
  const y = edges(yours, yStart, yEnd);
  const line = `line ${count(number)}`;
  if (!sameBytes(answer, yours, aStart, a.first, yStart, y.first)) {
    if (a.first === aStart) return `${line} starts with white space; the answer's does not`;
    if (y.first === yStart) return `${line} has no leading white space; the answer's has`;
    return `${line} starts with other white space than the answer's`;
  }
  if (!sameBytes(answer, yours, a.last, aEnd, y.last, yEnd)) {
    const blank = (bytes, from, to) => (to - from === 1 && bytes[from] === 0x20);
    if (a.last === aEnd) return `${line} ends with white space; the answer's does not`;
    if (y.last === yEnd) {
      return blank(answer, a.last, aEnd) ? `${line} has no trailing blank`
        : `${line} has no trailing white space; the answer's has`;
    }
    return `${line} ends with other white space than the answer's`;
  }
  return `${line} separates its words with other white space than the answer's`;
}

// The differences of two outputs that hold the same words, in words.
function whiteSpace(answer, yours) {
  const differences = [];
  // CR LF line ends, as a file saved on Windows has them (a text box turns them into LF).
  const crlf = (bytes) => {
    for (let at = bytes.indexOf(kReturn); at >= 0; at = bytes.indexOf(kReturn, at + 1)) {
      if (bytes[at + 1] === kLineFeed) return true;
    }
    return false;
  };
  if (crlf(yours) && !crlf(answer)) {
    differences.push('your output has CR LF line ends; the answer has LF alone');
    const kept = new Uint8Array(yours.length);
    let length = 0;
    for (let i = 0; i < yours.length; ++i) {
      if (yours[i] !== kReturn || yours[i + 1] !== kLineFeed) kept[length++] = yours[i];
    }
    yours = kept.subarray(0, length);
    if (sameBytes(answer, yours)) return differences;
  }
  // Lines broken elsewhere: the first word that stands on another line.
  const nextAnswer = cursor(answer);
  const nextYours = cursor(yours);
  let a;
  let y;
  let lastA = null;
  let lastY = null;
  for (;;) {
    a = nextAnswer();
    y = nextYours();
    if (a === null) break;
    if (a.line !== y.line) {
      const word = visible(decode(answer.subarray(a.start, Math.min(a.end, a.start + 40))));
      differences.push(`"${word}" stands on line ${count(y.line)} of your output and on line ` +
        `${count(a.line)} of the answer: the lines break elsewhere before it`);
      return differences;
    }
    lastA = a;
    lastY = y;
  }
  // The same lines up to the last word's: each line's white space, then what follows the
  // last word's line (a line feed at the end, empty lines).
  const lines = lastA === null ? 0 : lastA.line;
  let aStart = 0;
  let yStart = 0;
  let differing = 0;
  for (let number = 1; number <= lines; ++number) {
    const aEnd = lineEnd(answer, aStart);
    const yEnd = lineEnd(yours, yStart);
    const difference = lineDifference(answer, aStart, aEnd, yours, yStart, yEnd, number);
    if (difference !== null && ++differing <= kMostDifferences) differences.push(difference);
    aStart = aEnd + 1;
    yStart = yEnd + 1;
  }
  if (differing > kMostDifferences) {
    differences.push(`${count(differing - kMostDifferences)} more lines differ in white space`);
  }
  const tail = (bytes, start) => bytes.subarray(Math.min(start - 1, bytes.length));
  const aTail = lines === 0 ? answer : tail(answer, aStart);
  const yTail = lines === 0 ? yours : tail(yours, yStart);
  if (!sameBytes(aTail, yTail)) differences.push(endDifference(aTail, yTail));
  return differences;
}

// What follows the last line with words: its line feed and any lines of white space.
function endDifference(answer, yours) {
  const feeds = (bytes) => bytes.reduce((n, b) => n + (b === kLineFeed), 0);
  const onlyFeeds = (bytes) => bytes.every((b) => b === kLineFeed);
  if (onlyFeeds(answer) && onlyFeeds(yours)) {
    const a = feeds(answer);
    const y = feeds(yours);
    if (a === 0) return 'your output ends with a line feed; the answer has none';
    if (y === 0) return 'your output has no line feed at its end; the answer has one';
    const more = y - a;
    return more > 0 ? `your output ends with ${count(more)} empty line${more > 1 ? 's' : ''} ` +
      'more than the answer'
      : `your output lacks the ${count(-more)} empty line${-more > 1 ? 's' : ''} that end the answer`;
  }
  return 'your output ends with other white space than the answer\'s';
}

export function compare(answer, yours) {
  if (sameBytes(answer, yours)) return { verdict: 'accepted' };
  const nextAnswer = cursor(answer);
  const nextYours = cursor(yours);
  let lastA = null;
  let lastY = null;
  for (;;) {
    const a = nextAnswer();
    const y = nextYours();
    if (a === null && y === null) {
      return { verdict: 'presentation', differences: whiteSpace(answer, yours) };
    }
    if (a === null || y === null || !sameBytes(answer, yours, a.start, a.end, y.start, y.end)) {
      return wrong(answer, yours, a, y, lastA, lastY);
    }
    lastA = a;
    lastY = y;
  }
}
