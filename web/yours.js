// Your output, per program: the box beside the answer's output file, filled by typing,
// pasting or opening a file (held as it is when the box would change it: a file with CR LF
// line ends, one too large to edit), and checked against the answer of the last run whenever
// either changes. The check runs in the helper worker (compare.js), so that outputs of tens
// of MiB never hold up the page; its verdict is shown by results.js.
import { heldWords, listenToBox } from './box.js';
import { ask } from './helper.js';
import { bytesInput, head, inputBytes } from './inputs.js';
import { count, showJudgement } from './results.js';

const $ = (id) => document.getElementById(id);
const box = $('yours');
const yours = new Map();    // program -> {text} or {held}, absent for none
const answers = new Map();  // program -> the output of its last answered run
let program = null;
let changed = () => {};

// What the box holds for `name`: {text} or {held}, or null when nothing was given.
export const yoursOf = (name) => yours.get(name) ?? null;

function setYours(input, name = program) {
  if (input === null || (!input.held && input.text === '' && !input.fromFile)) yours.delete(name);
  else yours.set(name, input);
  if (name !== program) return;
  show();
  changed(name);
  judge();
}

// Your output as a link or this browser gave it back, without keeping it again.
export function restoreYours(name, input) {
  if (input) yours.set(name, input);
}

function show() {
  const input = yoursOf(program);
  box.value = input === null ? '' : input.held ? head(input.held) : input.text;
  box.readOnly = Boolean(input?.held);
  $('yours-note').textContent = input?.held ? `${heldWords(input.held, count)} Type, paste or ` +
    'open a file to replace it.' : answers.has(program) ? ''
    : "Paste your program's output here, or open its file: once the page has run this input, " +
      'it checks yours against its answer.';
}

// The chosen program's box, after a switch; the answer of its last run, if it is shown.
export function showYours(name) {
  program = name;
  show();
  judge();
}

// The answer of a run, or null when the run did not answer (no check then).
export function setAnswer(name, output) {
  if (output) answers.set(name, output);
  else answers.delete(name);
  if (name === program) {
    show();
    judge();
  }
}

let judging = 0;
async function judge() {
  const which = ++judging;
  const answer = answers.get(program);
  const input = yoursOf(program);
  if (!answer || input === null) {
    showJudgement(null);
    return;
  }
  showJudgement('checking');
  try {
    const judged = await ask('compare', [answer, inputBytes(input)]);
    if (judged !== null && which === judging) showJudgement(judged);
  } catch (error) {
    if (which === judging) showJudgement(null);
    $('yours-note').textContent = `Your output could not be checked: ${error.message}.`;
  }
}

async function openFile(file) {
  const name = program;
  try {
    const input = bytesInput(await file.arrayBuffer(), file.name);
    setYours(input.held ? input : { ...input, fromFile: true }, name);
  } catch (error) {
    $('yours-note').textContent = `${file.name} could not be read (${error.message}).`;
  }
}

// onChange(program) is told of every change, for the page to keep it.
export function listenToYours(onChange) {
  changed = onChange;
  let soon = 0;
  box.addEventListener('input', () => {
    yours.set(program, { text: box.value });
    if (box.value === '') yours.delete(program);
    changed(program);
    // The verdict shown is no longer this text's.
    showJudgement(answers.has(program) && box.value !== '' ? 'checking' : null);
    // A large text is checked once typing pauses.
    clearTimeout(soon);
    soon = setTimeout(judge, box.value.length < 64 << 10 ? 0 : 300);
  });
  listenToBox(box, { get: () => yoursOf(program), set: setYours, locked: () => false });
  $('open-yours').addEventListener('click', () => $('yours-file').click());
  $('yours-file').addEventListener('change', () => {
    const file = $('yours-file').files[0];
    $('yours-file').value = '';
    if (file) openFile(file);
  });
  $('clear-yours').addEventListener('click', () => setYours(null));
}
