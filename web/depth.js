// How deeply an expression line nests, and how deeply this browser can run one. The parser
// and the walk of expression recurse once per open parenthesis, and in a browser every
// level takes room on the engine's stack, whose size a page cannot choose. So the page
// measures, once, the deepest line that this browser's worker holds, and does not run a
// line nested deeper: it would end in a fault instead of an answer.
import { Runner } from './runner.js';

const kOpen = 0x28;   // (
const kClose = 0x29;  // )
const kLineFeed = 0x0a;

// The nesting depth of the input's first line (the expression line), counted as the
// parser will nest: the parentheses open at once, up to an unmatched ')' where the
// expression ends.
export function nestingDepth(bytes) {
  let depth = 0;
  let deepest = 0;
  for (const byte of bytes) {
    if (byte === kLineFeed) break;
    if (byte === kOpen && ++depth > deepest) deepest = depth;
    if (byte === kClose && depth-- === 0) break;
  }
  return deepest;
}

// The two lines whose levels cost the most, nested `depth` deep: one that parses and is
// walked (each level a sum and a product of two operands, which the walk cannot pass
// straight through), and one that the grammar refuses at its deepest point, where the
// assertion's report is written. Neither has a query, so the run ends after the walk.
const probes = [
  { line: (depth) => '1+1*('.repeat(depth) + '1' + ')'.repeat(depth), status: 0 },
  { line: (depth) => '('.repeat(depth), status: 134 },
];

// The search stops here: a line nested deeper is not run even if the browser could hold it.
const kDeepestProbed = 1 << 16;
// What is kept of the depth found, for what one run does not show: engine code of another
// tier, with frames of another size, once the functions are hot or in a fresh worker.
const kMargin = 3 / 4;

async function holds(runner, depth) {
  for (const probe of probes) {
    const input = new TextEncoder().encode(`${probe.line(depth)}\n0\n`).buffer;
    const result = await runner.run('expression', input);
    if (result.fault || result.status !== probe.status) return false;
  }
  return true;
}

// The deepest line that a worker of this page runs, with the margin above, and a fresh
// worker that has run both probes at that depth as its first runs: the page's worker. A
// depth is tried by running the probes, first in one worker (whose code warms up on the
// way), doubling and then halving the step; then the margin is taken and checked in a
// fresh worker, and taken again while that check fails.
export async function measureDepthLimit(programs) {
  const searcher = new Runner(programs);
  await searcher.start();
  let good = 0;
  let bad = 128;
  while (bad <= kDeepestProbed && await holds(searcher, bad)) {
    good = bad;
    bad *= 2;
  }
  while (bad <= kDeepestProbed && bad - good > Math.max(1, bad / 32)) {
    const middle = Math.floor((good + bad) / 2);
    if (await holds(searcher, middle)) good = middle;
    else bad = middle;
  }
  searcher.end();

  let limit = Math.floor(good * kMargin);
  for (;;) {
    const runner = new Runner(programs);
    await runner.start();
    if (limit === 0 || await holds(runner, limit)) return { limit, runner };
    runner.end();
    limit = Math.floor(limit * kMargin);
  }
}
