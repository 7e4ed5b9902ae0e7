// The page: an input per program, in the editor or held as a file, or a random one made from
// a size and a seed (generators.js); Run and Stop; the link and the browser's storage that
// keep the input and your output; the format beside the editor. The runs are the worker's
// (runner.js, worker.js), what they left is shown by results.js, and your output is checked
// against the answer by yours.js.
//
// document.body.dataset.state tells where the page stands, for tests and scripts: loading,
// ready, running, done or stopped after a run (ready again once the input or the program
// changes), unserved when opened from a file (index.html sets that one).
import { heldWords, listenToBox } from './box.js';
import { kMostSeed, kSizes } from './generators.js';
import { ask } from './helper.js';
import { bytesInput, head, inputBytes } from './inputs.js';
import {
  Broken, kLinkBytes, kLinkInputBytes, makeFragment, pack, readFragment, TooLarge, unpack,
} from './link.js';
import {
  clearResult, count, showResult, showRunning, showStopped,
} from './results.js';
import { Runner, Stopped } from './runner.js';
import {
  forgetTab, keptByTab, keptYours, saveInput, saveProgram, saveUnpacked, saveYours, savedInput,
  savedProgram, savedRandom, savedText,
} from './storage.js';
import { listenToYours, restoreYours, setAnswer, showYours, yoursOf } from './yours.js';

const $ = (id) => document.getElementById(id);
const editor = $('input');

let programs = [];           // [{name, input, output}]: what the README says of each
const examples = new Map();  // program -> the bytes of its bundled example
// program -> {text} or {held: {name, bytes, why}} (inputs.js); with {random: {size, seed}}
// when it is a random input as made
const inputs = new Map();
let program = null;          // the one chosen
let runner = null;           // the worker that runs the modules

const state = () => document.body.dataset.state;
const setState = (value) => { document.body.dataset.state = value; };
const running = () => state() === 'running';

function say(text) {
  $('input-note').textContent = text;
}

// The README's words, with its `code` spans as code.
function setWords(element, text) {
  element.replaceChildren(...text.split('`').map((part, i) => {
    if (i % 2 === 0) return part;
    const code = document.createElement('code');
    code.textContent = part;
    return code;
  }));
}

function showFormat() {
  const about = programs.find((p) => p.name === program);
  $('format-title').textContent = `Format and limits of ${program}`;
  $('format-in-name').textContent = `${program}.in`;
  $('format-out-name').textContent = `${program}.out`;
  setWords($('format-in'), about.input);
  setWords($('format-out'), about.output);
}

// The chosen program's input, in the editor: text to edit, or the first lines of a held
// file, read-only, with what it is and why it is held.
function showInput() {
  const input = inputs.get(program);
  if (input.held) {
    editor.value = head(input.held);
    editor.readOnly = true;
    say(`${heldWords(input.held, count, 'editor')} Type, paste, open a file or reset to the ` +
      'example to replace it.');
  } else {
    editor.value = input.text;
    editor.readOnly = running();
    say('');
  }
}

// A change of the input or of the program: the page is ready again after a run, and keeps
// the new input (in the browser's storage and in the link).
function changed() {
  if (state() === 'done' || state() === 'stopped') setState('ready');
  setAnswer(program, null);  // an answer to another input checks no output of this one
  keepSoon();
}

// A new input for a program, the chosen one unless a file being read was opened for
// another.
function setInput(input, name = program) {
  inputs.set(name, input);
  if (name !== program) return;
  showInput();
  changed();
}

// --- Keeping the input: storage and link -------------------------------------------------

// Each program's keeping apart, so that a switch never drops the program left: the timer of
// a keep to come, and how many changes it has had. A keep is for the change it started
// after; when another came meanwhile, that one's keep stores it, and this one is dropped.
const keepTimers = new Map();
const changeCounts = new Map();
const unkept = new Set();  // the programs whose latest input is not stored yet

// A random input is kept as its size and seed, any other packed; your output beside it,
// packed, when it fits too.
async function keep(name) {
  const which = changeCounts.get(name) ?? 0;
  const input = inputs.get(name);
  const random = input.random ?? null;
  const bytes = inputBytes(input);
  const { text, packedBytes } = random ? { text: null } : await pack(bytes);
  const yours = yoursOf(name);
  const packedYours = yours === null ? { text: null } : await pack(inputBytes(yours));
  if (which !== (changeCounts.get(name) ?? 0)) return;
  saveInput(name, text, random && `${random.size} ${random.seed}`);
  saveYours(name, packedYours.text ?? '');
  unkept.delete(name);
  if (name !== program) return;
  history.replaceState(null, '', makeFragment(name, { input: text, size: random?.size,
    seed: random?.seed, output: packedYours.text }));
  const notes = [];
  if (!random && text === null) {
    const size = packedBytes === null ? `${count(bytes.byteLength)} bytes`
      : `${count(packedBytes)} bytes compressed`;
    notes.push(`This input is too large for a link and for this browser to keep (${size}; ` +
      `${count(kLinkBytes)} compressed at most): the link gives the program alone, and a ` +
      'reload shows the example.');
  }
  if (yours !== null && packedYours.text === null) {
    notes.push('Your output is too large for the link and for this browser to keep.');
  }
  $('link-note').textContent = notes.join(' ');
}

// A small input, or a random one (its size and seed), is kept at once, so that a reload
// right after typing finds it; a large one once typing pauses.
function keepSoon(name = program) {
  clearTimeout(keepTimers.get(name));
  changeCounts.set(name, (changeCounts.get(name) ?? 0) + 1);
  unkept.add(name);
  const input = inputs.get(name);
  const yours = yoursOf(name);
  const small = (input.random || (!input.held && input.text.length < 64 << 10)) &&
    !yours?.held && (yours?.text.length ?? 0) < 64 << 10;
  keepTimers.set(name, setTimeout(() => keep(name), small ? 0 : 300));
}

function keepNow(name) {
  clearTimeout(keepTimers.get(name));
  return keep(name);
}

// The page going away (a reload, the tab closed) cannot wait for a pack: the text not yet
// kept is stored as it is, and packed when the page opens again. A pack still under way is
// dropped, since the address the page reopens at no longer follows it.
let openingLink = false;  // another link pasted in the address bar is what the tab opens next

function keepAsText() {
  for (const name of unkept) {
    const { held, random, text } = inputs.get(name);
    if (random) saveUnpacked(name, { random: `${random.size} ${random.seed}` }, !openingLink);
    else if (!held) saveUnpacked(name, { text }, !openingLink);
    const yours = yoursOf(name);
    if (!yours?.held) {
      saveYours(name, null, yours?.text ?? '', openingLink ? ['localStorage'] : undefined);
    }
    clearTimeout(keepTimers.get(name));
    changeCounts.set(name, (changeCounts.get(name) ?? 0) + 1);
  }
  unkept.clear();
}

// --- Choosing a program, and the input from files ----------------------------------------

function choose(name) {
  if (program !== null && unkept.has(program)) keepNow(program);  // before it is left
  program = name;
  $('program').value = name;
  saveProgram(name);
  // At once, so that a reload right away comes back here: the stored input is the packed
  // form of this program's input, which keep() puts in the link (and renews meanwhile).
  history.replaceState(null, '', makeFragment(name, { input: savedInput(name) }));
  showFormat();
  showInput();
  clearResult();
  setAnswer(name, null);
  showYours(name);
  changed();
}

async function openFile(file) {
  const chosen = program;
  try {
    setInput(bytesInput(await file.arrayBuffer(), file.name), chosen);
  } catch (error) {
    say(`${file.name} could not be read (${error.message}); the input is as it was.`);
  }
}

function dropped(transfer) {
  if (running()) {
    say('A run is under way: stop it, or wait for it, before opening another file.');
    return;
  }
  if (transfer.files.length !== 1) {
    say(`Drop one file at a time: ${transfer.files.length} were dropped.`);
    return;
  }
  // A folder arrives as a file that cannot be read; say what it is.
  const entry = transfer.items?.[0]?.webkitGetAsEntry?.();
  if (entry?.isDirectory) {
    say(`${transfer.files[0].name} is a folder: drop a file.`);
    return;
  }
  openFile(transfer.files[0]);
}

// A file dragged anywhere over the page is opened, never followed by the browser.
function listenForDrops() {
  const zone = $('dropzone');
  const carriesFiles = (event) => event.dataTransfer?.types.includes('Files');
  window.addEventListener('dragover', (event) => {
    if (!carriesFiles(event)) return;
    event.preventDefault();
    event.dataTransfer.dropEffect = running() ? 'none' : 'copy';
    zone.hidden = false;
  });
  window.addEventListener('dragleave', (event) => {
    if (event.relatedTarget === null) zone.hidden = true;
  });
  window.addEventListener('drop', (event) => {
    zone.hidden = true;
    if (!carriesFiles(event)) return;
    event.preventDefault();
    dropped(event.dataTransfer);
  });
}

// --- The editor ----------------------------------------------------------------------------

function listenToEditor() {
  editor.addEventListener('input', () => {
    inputs.set(program, { text: editor.value });
    say('');
    changed();
  });
  editor.addEventListener('keydown', (event) => {
    if (event.key === 'Enter' && (event.ctrlKey || event.metaKey)) {
      event.preventDefault();
      run();
      return;
    }
  });
  listenToBox(editor, { get: () => inputs.get(program), set: (input) => setInput(input),
    locked: running });
}

// --- Random inputs ----------------------------------------------------------------------------

let seedTyped = false;  // a seed typed since the last random input is used; else a new one

async function makeRandom() {
  const size = $('size').value;
  const typed = $('seed').value.trim();
  if (seedTyped && !(/^\d+$/.test(typed) && Number(typed) <= kMostSeed)) {
    say(`The seed is a whole number from 0 to ${count(kMostSeed)}: "${typed.slice(0, 20)}" is not.`);
    return;
  }
  const seed = seedTyped ? Number(typed) : Math.floor(Math.random() * 1e6);
  $('seed').value = String(seed);
  seedTyped = false;
  const input = await randomInput(program, size, seed);
  if (input) setInput(input, input.random.program);
}

// The random input of (name, size, seed), from the helper worker; null when a later one was
// asked for meanwhile.
async function randomInput(name, size, seed) {
  const limits = programs.find((p) => p.name === name).limits;
  const bytes = await ask('generate', [name, size, seed, limits]);
  if (bytes === null) return null;
  const input = bytesInput(bytes, `the random input (${size}, seed ${seed})`);
  return { ...input, random: { program: name, size, seed } };
}

function listenToRandom() {
  $('random').addEventListener('click', makeRandom);
  $('seed').addEventListener('input', () => { seedTyped = true; });
  $('seed').addEventListener('keydown', (event) => {
    if (event.key === 'Enter') makeRandom();
  });
}

// --- Running -------------------------------------------------------------------------------

function lock(locked) {
  for (const id of ['program', 'run', 'open', 'reset', 'random', 'size', 'seed']) {
    $(id).disabled = locked;
  }
  $('stop').disabled = !locked;
  editor.readOnly = locked || Boolean(inputs.get(program).held);
}

async function run() {
  if (!['ready', 'done', 'stopped'].includes(state())) return;
  const chosen = program;
  const bytes = inputBytes(inputs.get(chosen));
  // Focus goes back where it was, the editor or Run; Run is disabled meanwhile, so a key
  // press goes to Stop.
  const back = document.activeElement === editor ? editor : $('run');
  lock(true);
  setState('running');
  showRunning(chosen);
  if (back !== editor) $('stop').focus();
  const started = performance.now();
  const total = () => (performance.now() - started) / 1000;
  try {
    // A copy is handed to the worker: the same input may be run again.
    const result = await runner.run(chosen, bytes.slice().buffer);
    showResult(chosen, result, total(), bytes);
    setState('done');
    const answered = result.status === 0 && !result.fault && result.output;
    setAnswer(chosen, answered ? new Uint8Array(result.output) : null);
  } catch (error) {
    if (error instanceof Stopped) {
      showStopped(chosen, total());
      setState('stopped');
    } else {
      showResult(chosen, { setupFailed: error.message }, total(), bytes);
      setState('done');
    }
  }
  lock(false);
  back.focus();
}

function stop() {
  if (running()) runner.stop();
}

async function copyLink() {
  await keepNow(program);
  try {
    await navigator.clipboard.writeText(location.href);
    $('link-note').textContent = `${$('link-note').textContent} Link copied.`.trim();
  } catch {
    // No clipboard (a page not served from this computer, nor over https): the link is in
    // the address bar, as it is kept there.
    $('link-note').textContent = 'The browser did not let the page copy: copy the link from ' +
      'the address bar, which holds it.';
  }
}

// --- Starting ------------------------------------------------------------------------------

async function fetchBytes(path) {
  const response = await fetch(path);
  if (!response.ok) throw new Error(`${path}: ${response.status} ${response.statusText}`);
  return response.arrayBuffer();
}

// The input a program starts with: on a reload, what this tab kept last, newer than its
// address; else the link's ({input, random}, for the program it names); else this
// browser's; else the example.
async function restore(name, linked, reload) {
  const example = () => bytesInput(examples.get(name), `the example ${name}.in`);
  const made = async (kept) => {
    const [size, seed] = kept.split(' ');
    return (await randomInput(name, size, Number(seed))) ?? example();
  };
  const unpacked = async (packed, what) => {
    try {
      return bytesInput(await unpack(packed), what);
    } catch {
      return example();
    }
  };
  const tab = reload ? keptByTab(name) : {};
  if (tab.text != null) return { text: tab.text };
  if (tab.random != null) return made(tab.random);
  if (tab.packed != null) return unpacked(tab.packed, 'the kept input');
  if (linked?.input) return bytesInput(linked.input, "the link's input");
  if (linked?.random) return made(`${linked.random.size} ${linked.random.seed}`);
  const text = savedText(name);
  if (text !== null) return { text };
  const random = savedRandom(name);
  if (random !== null) return made(random);
  const packed = savedInput(name);
  return packed === null ? example() : unpacked(packed, 'the kept input');
}

// Your output as this tab kept it last (on a reload), the link or this browser gives it
// back, or null.
async function restoreOutput(name, linked, reload) {
  const kept = async ({ packed, text }) => {
    if (text !== null) return text === '' ? null : { text };
    if (packed === '') return null;
    try {
      return bytesInput(await unpack(packed), 'your kept output');
    } catch {
      return null;
    }
  };
  const tab = reload ? keptYours(name, true) : { packed: null, text: null };
  if (tab.packed !== null || tab.text !== null) return kept(tab);
  if (linked) return bytesInput(linked, "the link's output");
  const browser = keptYours(name);
  return browser.packed !== null || browser.text !== null ? kept(browser) : null;
}

const broken = (part) => `The link is broken: its ${part} is not one this page made (cut ` +
  'short, or edited).';

// What the link opens: {program, input, random, output}, input and output being their
// bytes or null, random {size, seed} or null; or {trouble}, in the page's words, when the
// link cannot be used. No link at all is {}.
async function readLink(names) {
  if (location.hash.length <= 1) return {};
  const link = readFragment(location.hash);
  const shown = (name) => (name.length > 40 ? `${name.slice(0, 40)}…` : name);
  if (link.program === null) return { trouble: 'The link names no program; it is not used.' };
  if (!names.includes(link.program)) {
    return { trouble: `The link names a program this page does not have, ` +
      `"${shown(link.program)}"; it is not used.` };
  }
  if (link.input === '') return { trouble: "The link's input is empty; the link is not used." };
  let random = null;
  if (link.size !== null || link.seed !== null) {
    const seed = /^\d+$/.test(link.seed ?? '') ? Number(link.seed) : -1;
    if (!kSizes.includes(link.size) || seed < 0 || seed > kMostSeed) {
      return { trouble: broken('random input') };
    }
    random = { size: link.size, seed };
  }
  const unpacked = {};
  for (const part of ['input', 'output']) {
    try {
      unpacked[part] = link[part] === null ? null : await unpack(link[part]);
    } catch (error) {
      if (error instanceof TooLarge) {
        return { trouble: `The link's ${part} is refused: it would inflate past ` +
          `${count(kLinkInputBytes)} bytes, more than a link carries.` };
      }
      if (error instanceof Broken) return { trouble: broken(part) };
      throw error;
    }
  }
  return { program: link.program, random, ...unpacked };
}

async function start() {
  programs = JSON.parse(new TextDecoder().decode(await fetchBytes('programs.json')));
  const names = programs.map((p) => p.name);
  await Promise.all(names.map(async (name) => {
    examples.set(name, await fetchBytes(`examples/${name}.in`));
  }));
  // An unusable link is said to be one, and the page shows what it would without it. A link
  // opened is used; on a reload, what the tab kept last is newer than its address.
  const link = await readLink(names);
  const reload = performance.getEntriesByType?.('navigation')?.[0]?.type === 'reload';
  const first = [link.program, savedProgram()].find((name) => names.includes(name)) ?? names[0];
  for (const name of names) {
    const linked = name === link.program ? link : null;
    inputs.set(name, await restore(name, linked, reload));
    restoreYours(name, await restoreOutput(name, linked?.output ?? null, reload));
  }
  for (const name of names) $('program').add(new Option(name, name));

  $('program').addEventListener('change', () => choose($('program').value));
  $('open').addEventListener('click', () => $('file').click());
  $('file').addEventListener('change', () => {
    const file = $('file').files[0];
    $('file').value = '';  // the same file may be opened again
    if (file) openFile(file);
  });
  $('reset').addEventListener('click', () => {
    setInput(bytesInput(examples.get(program), `the example ${program}.in`));
  });
  $('run').addEventListener('click', run);
  $('stop').addEventListener('click', stop);
  $('copy').addEventListener('click', copyLink);
  listenToEditor();
  listenToRandom();
  listenToYours(keepSoon);
  listenForDrops();
  // Another link pasted into the address bar changes the fragment alone: open it afresh.
  window.addEventListener('hashchange', () => {
    openingLink = true;
    forgetTab(names);
    location.reload();
  });
  window.addEventListener('pagehide', keepAsText);
  choose(first);
  if (link.trouble) say(link.trouble);
  lock(true);  // until the worker is ready
  $('stop').disabled = true;

  runner = new Runner(names);
  await runner.start();
  lock(false);
  setState('ready');
}

start().catch((error) => {
  $('load-failed').textContent = `The page could not load its programs: ${error.message}`;
  $('load-failed').hidden = false;
});
