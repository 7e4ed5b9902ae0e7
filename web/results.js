// What a run left, in words: what its exit status means, the times, standard error and the
// output file (its first MiB, cut at a line end, and all of it to download); where the input
// breaks the rule behind a refusal, and expression's answers beside their switched lines
// (explain.js); the check of your output against the answer (compare.js). Also a stopped
// run, which answered nothing.
import { explainRefusal, switchedLines } from './explain.js';
import { visible } from './shown.js';

const kShownBytes = 1 << 20;  // more of an output than this is only offered for download

const kBytes = 'application/octet-stream';  // what a download is: the bytes as they are
const $ = (id) => document.getElementById(id);
let downloadUrl = null;  // the object URL the download link holds, freed when replaced

export const count = (n) => n.toLocaleString('en-US');
const seconds = (s) => `${s.toFixed(3)} s`;

function offer(link, bytes, name) {
  if (downloadUrl) URL.revokeObjectURL(downloadUrl);
  downloadUrl = bytes && URL.createObjectURL(new Blob([bytes], { type: kBytes }));
  link.hidden = !bytes;
  if (!bytes) return;
  link.href = downloadUrl;
  link.download = name;
  link.textContent = `Download ${name} (${count(bytes.byteLength)} bytes)`;
}

// What the exit status means, for this program: [kind, words]. kind is answered, refused,
// grammar or fault, for the page's style and for scripts.
function meaning(program, result) {
  if (result.setupFailed) return ['fault', `The module could not start: ${result.setupFailed}.`];
  if (result.fault) return ['fault', `Fault: the module stopped (${result.fault.message}).`];
  const status = result.status;
  if (status === 0) return ['answered', 'Answered (exit status 0).'];
  if (status === 1) {
    const line = result.err.split('\n')[0];
    return ['refused', `Refused (exit status 1): ${line}`];
  }
  if (status === 134 && program === 'expression') {
    return ['grammar', 'The line breaks the expression grammar (exit status 134): ' +
      "the program's report is below."];
  }
  if (status === 134) return ['fault', `Fault: ${program} trapped (exit status 134).`];
  return ['fault', `Fault: ${program} ended with exit status ${status}, which it never gives.`];
}

function showVerdict(kind, words, times) {
  $('verdict').textContent = words;
  $('verdict').dataset.kind = kind;
  $('times').textContent = times;
}

// The part of an output that is shown: up to the last line end within kShownBytes; in a
// first line longer than that, up to its last blank, and without one up to a character's
// start. `where` says which, for the note beside it.
function shownPart(bytes) {
  if (bytes.byteLength <= kShownBytes) return { shown: bytes, where: '' };
  const start = bytes.subarray(0, kShownBytes);
  let end = start.lastIndexOf(0x0a) + 1;
  if (end > 0) return { shown: bytes.subarray(0, end), where: 'up to the end of a line' };
  end = start.lastIndexOf(0x20) + 1;
  if (end > 0) return { shown: bytes.subarray(0, end), where: 'up to a blank in its first line' };
  end = kShownBytes;
  while (end > 0 && (bytes[end] & 0xc0) === 0x80) --end;  // a UTF-8 continuation byte
  return { shown: bytes.subarray(0, end), where: 'of its first line' };
}

function showOutput(program, output) {
  const name = `${program}.out`;
  const pre = $('output');
  const note = $('output-note');
  pre.hidden = !output || output.byteLength === 0;
  offer($('download'), output && output.byteLength > 0 ? output : null, name);
  if (!output) {
    note.textContent = `${program} did not write ${name}.`;
    pre.textContent = '';
    return;
  }
  if (output.byteLength === 0) {
    note.textContent = `${name} is empty (0 bytes).`;
    pre.textContent = '';
    return;
  }
  const { shown, where } = shownPart(output);
  pre.textContent = new TextDecoder('utf-8').decode(shown);
  note.textContent = where
    ? `Shown: the first ${count(shown.byteLength)} of ${count(output.byteLength)} bytes, ` +
      `${where}; the download holds all of it.`
    : '';
}

function showError(text) {
  $('stderr').textContent = text;
  $('stderr').classList.toggle('empty', text === '');
}

// Where the input breaks the rule, when the program refused it.
function showWhy(program, input, output) {
  const why = output && explainRefusal(program, input, output);
  $('why').hidden = !why;
  if (!why) return;
  const answer = new TextDecoder().decode(output).trim();
  $('why-words').textContent = `Why ${answer}: ${why.words}`;
  $('why-line').hidden = why.text === undefined;
  if (why.text !== undefined) {
    // The line around the place, the place marked.
    const chars = [...why.text];
    const at = why.column - 1;
    const from = Math.max(0, at - 30);
    const mark = document.createElement('mark');
    mark.textContent = visible(chars[at] ?? ' ');
    $('why-line').replaceChildren(`${from > 0 ? '…' : ''}${visible(chars.slice(from, at).join(''))}`,
      mark, `${visible(chars.slice(at + 1, at + 31).join(''))}${chars.length > at + 31 ? '…' : ''}`);
  }
}

// expression's answers, each beside its line with that query's operator switched, marked.
function showSwitched(program, input, output) {
  const view = program === 'expression' && output ? switchedLines(input, output) : null;
  $('switched-view').hidden = !view || view.rows.length === 0;
  if ($('switched-view').hidden) return;
  $('switched').replaceChildren(...view.rows.map(({ before, operator, after, answer }) => {
    const item = document.createElement('li');
    const line = document.createElement('code');
    const mark = document.createElement('mark');
    mark.textContent = operator;
    line.append(before, mark, after);
    item.append(line, ` → ${answer}`);
    return item;
  }));
  $('switched-note').textContent = view.rows.length < view.of
    ? `The first ${count(view.rows.length)} of ${count(view.of)} answers.` : '';
}

// A run that ended: result is the worker's, total the seconds from Run to now, input the
// bytes it ran on.
export function showResult(program, result, total, input) {
  const [kind, words] = meaning(program, result);
  showVerdict(kind, words, result.setupFailed ? `Total ${seconds(total)}.`
    : `Total ${seconds(total)} from Run to result; the module ran ${seconds(result.seconds)}.`);
  showError(result.err ?? '');
  const output = result.output ? new Uint8Array(result.output) : null;
  showOutput(program, output);
  const answered = kind === 'answered' ? output : null;
  // The page's own readings come beside the result: one that fails is left out, the result
  // stands.
  for (const reading of [showWhy, showSwitched]) {
    try {
      reading(program, input, answered);
    } catch {
      reading(program, input, null);
    }
  }
  $('details').hidden = false;
}

// The check of your output: null to show none, 'checking' while the worker compares, or
// the result of compare().
export function showJudgement(judged) {
  $('judged').hidden = judged === null;
  $('wrong-lines').hidden = true;
  $('differences').replaceChildren();
  if (judged === null) return;
  const judgement = $('judgement');
  judgement.dataset.verdict = judged === 'checking' ? 'checking' : judged.verdict;
  if (judged === 'checking') {
    judgement.textContent = 'Your output: checking it against the answer…';
  } else if (judged.verdict === 'accepted') {
    judgement.textContent = 'Your output: Accepted. It is the same bytes as the answer.';
  } else if (judged.verdict === 'presentation') {
    judgement.textContent = 'Your output: Presentation differs. It holds the same words as ' +
      'the answer, with other white space:';
    $('differences').replaceChildren(...judged.differences.map((words) => {
      const item = document.createElement('li');
      item.textContent = words;
      return item;
    }));
  } else {
    judgement.textContent = `Your output: Wrong answer. ${judged.words[0].toUpperCase()}${judged.words.slice(1)}`;
    $('wrong-lines').hidden = false;
    showLine('answer', 'The answer', judged.answer);
    showLine('your', 'Yours', judged.yours);
  }
}

// One line of a wrong answer, its word marked.
function showLine(id, whose, line) {
  $(`${id}-line-title`).textContent = line.number === 0 ? `${whose}: no line at all`
    : `${whose}, line ${count(line.number)}${line.column ? `, column ${count(line.column)}` : ', its last'}:`;
  const mark = document.createElement('mark');
  mark.textContent = line.word;
  $(`${id}-line`).replaceChildren(line.before, ...(line.word ? [mark] : []), line.after);
}

export function showStopped(program, total) {
  showVerdict('stopped', `Stopped: ${program} was ended after ${seconds(total)}, and answered ` +
    'nothing.', '');
  $('details').hidden = true;
  $('why').hidden = true;
  offer($('download'), null);
}

export function showRunning(program) {
  showVerdict('running', `Running ${program}…`, '');
}

export function clearResult() {
  showVerdict('', 'Not run yet: press Run, or Ctrl+Enter in the input.', '');
  $('details').hidden = true;
  $('why').hidden = true;
  offer($('download'), null);
}
