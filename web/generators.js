// Random inputs: generate(program, size, seed, limits) is the text of one input inside the
// program's contract, a pure function of its arguments, so that the same seed and size
// give the same input in every browser and under Node. limits are the program's figures
// from the README (programs.json: n, line, k). Sizes:
//   small   a person can check the answer by hand: n up to 8, lines of a few dozen characters;
//   limits  the task's largest n and line; for crypt and subsequence, which only memory
//           bounds, kMemoryBoundBytes of input;
//   medium  about a hundredth of that.
// Small inputs mix the kinds of answer: each is about as likely as the others.

export const kSizes = ['small', 'medium', 'limits'];
export const kMostSeed = 0xffffffff;
export const kMemoryBoundBytes = 8 << 20;

const kMostInt = 2147483647;
const kLeastInt = -2147483648;

// xoshiro128**, seeded through splitmix32 from the seed and a text (the program and the
// size, so that each draws its own numbers): 32-bit integer steps only (Math.imul, shifts),
// the same in every engine.
export function randomOf(seed, text = '') {
  let x = seed >>> 0;
  for (let i = 0; i < text.length; ++i) x = Math.imul(x ^ text.charCodeAt(i), 0x01000193) >>> 0;
  const split = () => {
    x = (x + 0x9e3779b9) >>> 0;
    let z = x;
    z = Math.imul(z ^ (z >>> 16), 0x85ebca6b);
    z = Math.imul(z ^ (z >>> 13), 0xc2b2ae35);
    return (z ^ (z >>> 16)) >>> 0;
  };
  const s = [split(), split(), split(), split()];
  const rotl = (v, k) => (v << k) | (v >>> (32 - k));
  const u32 = () => {
    const result = Math.imul(rotl(Math.imul(s[1], 5), 7), 9) >>> 0;
    const t = s[1] << 9;
    s[2] ^= s[0];
    s[3] ^= s[1];
    s[1] ^= s[2];
    s[0] ^= s[3];
    s[2] ^= t;
    s[3] = rotl(s[3], 11);
    return result;
  };
  // Below n (n at most 2^32): the high part of a 64-bit product, exact in a double for the
  // small n used here and the same everywhere for the rest.
  const below = (n) => Math.floor((u32() * n) / 4294967296);
  return {
    u32,
    below,
    between: (lo, hi) => lo + below(hi - lo + 1),
    chance: (p) => u32() < p * 4294967296,
    pick: (items) => items[below(items.length)],
    int32: () => u32() | 0,
  };
}

// n for a size: up to 8 when small, the limit, or a hundredth of it.
function countFor(size, random, limit, least = 0) {
  if (size === 'small') return random.between(least, 8);
  return size === 'limits' ? limit : Math.max(least, Math.round(limit / 100));
}

const bytesFor = (size) => (size === 'limits' ? kMemoryBoundBytes : kMemoryBoundBytes / 100);

// --- transformation: YES, or NO by either rule ---------------------------------------------

function transformation(random, size, limits) {
  const kind = random.pick(['yes', 'below', 'absent']);
  const n = countFor(size, random, limits.n, kind === 'yes' ? 0 : 1);
  // Small values repeat and go negative; larger inputs also span the whole 32-bit range.
  const wide = size !== 'small' && random.chance(0.5);
  const value = wide ? random.int32 : () => random.between(-4, size === 'small' ? 9 : n);
  const initial = Array.from({ length: n }, value);
  // A target is an initial value not below the position's own.
  const target = initial.map((a) => {
    if (random.chance(0.4)) return a;
    const b = initial[random.below(n)];
    return b >= a ? b : a;
  });
  if (kind === 'below') {
    const p = random.below(n);
    if (initial[p] === kLeastInt) initial[p] += 1;
    target[p] = Math.max(kLeastInt, initial[p] - random.between(1, 9));
  } else if (kind === 'absent') {
    // Above every initial value; or, with values up to the top of the range, the first
    // value above the smallest that no position starts with.
    const values = new Set(initial);
    const largest = initial.reduce((a, b) => Math.max(a, b));
    let p = random.below(n);
    let t = largest + random.between(1, 3);
    if (t > kMostInt) {
      p = initial.indexOf(initial.reduce((a, b) => Math.min(a, b)));
      for (t = initial[p] + 1; values.has(t);) t += 1;
    }
    target[p] = t;
  }
  return `${n}\n${initial.join(' ')}\n${target.join(' ')}\n`;
}

// --- stack: ties and negative values -------------------------------------------------------

function stack(random, size, limits) {
  const n = countFor(size, random, limits.n);
  const spread = size === 'small' ? 5 : random.pick([8, n, kMostInt]);
  const values = Array.from({ length: n }, () => (spread === kMostInt ? random.int32()
    : random.between(-spread, spread)));
  return `${n}\n${values.join(' ')}\n`;
}

// --- expression: both operators, nesting, repeated queries ---------------------------------

// A line that the grammar takes, of at most `length` characters, written left to right with
// the parentheses still open counted, so that there is always room to close them; and the
// 1-based positions of its operators. `fill` goes on to the length; otherwise the line ends
// by chance.
function expressionLine(random, length, deepest, digits, fill) {
  const parts = [];
  const operators = [];
  let written = 0;
  let open = 0;
  const room = () => length - written - open;  // what is left once every '(' is closed
  const put = (text) => {
    parts.push(text);
    written += text.length;
  };
  for (;;) {
    // A factor: parentheses (each with room for itself, a digit and its ')'), then a number.
    while (open < deepest && room() >= 3 && random.chance(0.3)) {
      put('(');
      open += 1;
    }
    const width = Math.min(room(), random.between(1, digits));
    let number = String(random.between(width > 1 ? 1 : 0, 9)) + randomDigits(random, width - 1);
    if (width > 1 && random.chance(0.1)) number = `0${number.slice(1)}`;  // a leading zero
    put(number);
    // Then an operator and the next factor, or a ')' and again, or the end of the line.
    for (;;) {
      if (room() >= 2 && (open === 0 || random.chance(0.7)) && (fill || random.chance(0.8))) {
        operators.push(written + 1);
        put(random.chance(0.5) ? '+' : '*');
        break;
      }
      if (open === 0) return { line: parts.join(''), operators };
      put(')');
      open -= 1;
    }
  }
}

function expression(random, size, limits) {
  const small = size === 'small';
  const scaled = (limit) => (size === 'limits' ? limit : Math.round(limit / 100));
  const { line, operators } = expressionLine(random, small ? random.between(1, 36)
    : scaled(limits.line), small ? 3 : 64, small ? 2 : 12, !small);
  const k = operators.length === 0 ? 0 : small ? random.between(1, 6) : scaled(limits.k);
  const queries = [];
  for (let i = 0; i < k; ++i) {
    const again = i > 0 && random.chance(0.25);
    queries.push(again ? queries[random.below(i)] : operators[random.below(operators.length)]);
  }
  return `${line}\n${k}\n${queries.join(' ')}\n`;
}

// --- crypt: decoded, or impossible in each way a line can fail ------------------------------

const kKeyLetters = 'aeiouy';
const kPlain = 'aeiouybcdfghklmnprstvwxz   ABEOY019.,';

// `plain` encoded: every key letter followed by "fa".
function encode(plain) {
  let coded = '';
  for (const c of plain) coded += kKeyLetters.includes(c) ? `${c}fa` : c;
  return coded;
}

function plainLine(random, most) {
  let text = '';
  const length = random.between(0, most);
  for (let i = 0; i < length; ++i) text += kPlain[random.below(kPlain.length)];
  return text;
}

// The ways a line fails: a key letter at its end; "f" and then its end; a key letter followed
// by another character than "f"; "f" followed by another than "a".
export const kCryptFailures = ['end', 'cut', 'no f', 'no a'];

function brokenLine(random, way, most) {
  const key = kKeyLetters[random.below(kKeyLetters.length)];
  const before = encode(plainLine(random, most));
  const after = encode(plainLine(random, most));
  const other = (not) => {
    const c = kPlain[random.below(kPlain.length)];
    return c === not ? 'x' : c;
  };
  if (way === 'end') return `${before}${key}`;
  if (way === 'cut') return `${before}${key}f`;
  if (way === 'no f') return `${before}${key}${other('f')}${after}`;
  return `${before}${key}f${other('a')}${after}`;
}

function crypt(random, size) {
  const way = random.chance(0.5) ? null : random.pick(kCryptFailures);
  const lines = [];
  if (size === 'small') {
    const count = random.between(way ? 1 : 0, 6);
    for (let i = 0; i < count; ++i) lines.push(encode(plainLine(random, 16)));
  } else {
    // Lines of 0 to about 160 bytes, up to the size; a failing line replaces one of them.
    const most = bytesFor(size) - 200;
    let total = 0;
    while (total < most) {
      const line = encode(plainLine(random, 100));
      lines.push(line);
      total += line.length + 1;
    }
  }
  if (way) lines[random.below(lines.length)] = brokenLine(random, way, size === 'small' ? 8 : 40);
  return lines.length === 0 ? '' : `${lines.join('\n')}\n`;
}

// --- subsequence: carries, equal neighbours, leading zeros ---------------------------------

// The digits of the next number, not below `digits` (a number without leading zeros): the
// same, larger in one digit with any digits after it, or longer.
function nextNumber(random, digits, longest) {
  const choice = random.below(4);
  if (choice === 0) return digits;
  if (choice === 3 || /^9*$/.test(digits)) {
    const length = Math.min(longest, digits.length + random.between(1, 2));
    if (length > digits.length) return `${random.between(1, 9)}${randomDigits(random, length - 1)}`;
  }
  let at = digits.length - 1 - random.below(Math.min(digits.length, 3));
  while (digits[at] === '9') at -= 1;
  if (at < 0) return digits;
  const raised = String(random.between(Number(digits[at]) + 1, 9));
  return digits.slice(0, at) + raised + randomDigits(random, digits.length - at - 1);
}

function randomDigits(random, length) {
  let text = '';
  for (let i = 0; i < length; ++i) text += random.below(10);
  return text;
}

function subsequence(random, size) {
  const small = size === 'small';
  const longest = small ? 4 : random.pick([20, 200, 2000]);
  const n = small ? random.between(1, 8) : Infinity;
  const most = small ? Infinity : bytesFor(size) - 12;  // room for the count's line
  const words = [];
  let digits = String(random.between(0, small ? 120 : 9));
  for (let total = 0; words.length < n;) {
    const zeros = random.chance(0.2) ? '0'.repeat(random.between(1, 2)) : '';
    const word = zeros + digits;
    total += word.length + 1;
    if (total > most) break;
    words.push(word);
    digits = nextNumber(random, digits, longest);
    if (!small && digits.length < longest / 4) digits = nextNumber(random, digits, longest);
  }
  return `${words.length}\n${words.join(' ')}\n`;
}

const generators = { transformation, stack, expression, crypt, subsequence };

// The text of the input; throws for a program or size it does not know.
export function generate(program, size, seed, limits) {
  if (!kSizes.includes(size)) throw new Error(`no size "${size}"`);
  if (!(program in generators)) throw new Error(`no generator for ${program}`);
  return generators[program](randomOf(seed, `${program} ${size}`), size, limits);
}
