// The page: an input per program, in the editor or held as a file; Run and Stop; the link
// and the browser's storage that keep the input; the format beside the editor. The runs
// are the worker's (runner.js, worker.js), what they left is shown by results.js.
//
// document.body.dataset.state tells where the page stands, for tests and scripts: loading,
// ready, running, done or stopped after a run (ready again once the input or the program
// changes), unserved when opened from a file (index.html sets that one).
import { measureDepthLimit, nestingDepth } from './depth.js';
import { bytesInput, head, inputBytes, kEditorBytes } from './inputs.js';
import {
  Broken, kLinkBytes, kLinkInputBytes, makeFragment, pack, readFragment, TooLarge, unpack,
} from './link.js';
import {
  clearResult, count, showDepthNotice, showResult, showRunning, showStopped,
} from './results.js';
import { Stopped } from './runner.js';
import {
  ownAddress, saveInput, saveProgram, saveText, savedInput, savedProgram, savedText,
  setOwnAddress,
} from './storage.js';

const $ = (id) => document.getElementById(id);
const editor = $('input');

let programs = [];           // [{name, input, output}]: what the README says of each
const examples = new Map();  // program -> the bytes of its bundled example
const inputs = new Map();    // program -> {text} or {held: {name, bytes, why}} (inputs.js)
let program = null;          // the one chosen
let runner = null;           // the worker, once the depth it holds is measured
let depthLimit = 0;          // the deepest expression line it runs

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
  $('format-depth').hidden = program !== 'expression' || runner === null;
  $('depth-limit').textContent = count(depthLimit);
}

// The chosen program's input, in the editor: text to edit, or the first lines of a held
// file, read-only, with what it is and why it is held.
function showInput() {
  const input = inputs.get(program);
  if (input.held) {
    const { name, bytes, why } = input.held;
    editor.value = head(input.held);
    editor.readOnly = true;
    say(`Held as a file, read-only: ${name}, ${count(bytes.byteLength)} bytes; its first lines ` +
      `are shown. It is not in the editor because ${why}. Type, paste, open a file or reset ` +
      'to the example to replace it.');
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
// a keep to come, and which change the latest keep is for (an older one is dropped).
const keepTimers = new Map();
const keepCounts = new Map();
const unkept = new Set();  // the programs whose latest input is not stored yet

async function keep(name) {
  const which = (keepCounts.get(name) ?? 0) + 1;
  keepCounts.set(name, which);
  const bytes = inputBytes(inputs.get(name));
  const { text, packedBytes } = await pack(bytes);
  if (which !== keepCounts.get(name)) return;
  saveInput(name, text);
  unkept.delete(name);
  if (name !== program) return;
  history.replaceState(null, '', makeFragment(name, text));
  const size = packedBytes === null ? `${count(bytes.byteLength)} bytes`
    : `${count(packedBytes)} bytes compressed`;
  $('link-note').textContent = text !== null ? '' : `This input is too large for a link and ` +
    `for this browser to keep (${size}; ${count(kLinkBytes)} compressed at most): the link ` +
    'gives the program alone, and a reload shows the example.';
}

// A small input is kept at once, so that a reload right after typing finds it; a large one
// once typing pauses.
function keepSoon() {
  const name = program;
  clearTimeout(keepTimers.get(name));
  unkept.add(name);
  const input = inputs.get(name);
  const small = !input.held && input.text.length < 64 << 10;
  keepTimers.set(name, setTimeout(() => keep(name), small ? 0 : 300));
}

function keepNow(name) {
  clearTimeout(keepTimers.get(name));
  return keep(name);
}

// The page going away (a reload, the tab closed) cannot wait for a pack: the text not yet
// kept is stored as it is, and packed when the page opens again. A pack still under way is
// dropped, since the address the page reopens at no longer follows it.
function keepAsText() {
  for (const name of unkept) {
    const input = inputs.get(name);
    if (!input.held) saveText(name, input.text);
    clearTimeout(keepTimers.get(name));
    keepCounts.set(name, (keepCounts.get(name) ?? 0) + 1);
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
  history.replaceState(null, '', makeFragment(name, savedInput(name)));
  showFormat();
  showInput();
  clearResult();
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
    // A key that edits replaces a held file with empty text, which the key then edits.
    const edits = event.key.length === 1 || ['Enter', 'Backspace', 'Delete'].includes(event.key);
    if (inputs.get(program).held && !running() && edits && !event.ctrlKey && !event.metaKey &&
        !event.altKey) {
      setInput({ text: '' });
    }
  });
  editor.addEventListener('paste', (event) => {
    if (running()) return;
    const text = event.clipboardData.getData('text/plain');
    // A paste too large to edit is held as a file, in place of the whole input.
    if (text.length > kEditorBytes / 4) {
      const bytes = new TextEncoder().encode(text);
      if (bytes.byteLength > kEditorBytes) {
        event.preventDefault();
        setInput(bytesInput(bytes, 'the pasted text'));
        return;
      }
    }
    if (inputs.get(program).held) setInput({ text: '' });  // the paste goes in its place
  });
}

// --- Running -------------------------------------------------------------------------------

function lock(locked) {
  for (const id of ['program', 'run', 'open', 'reset']) $(id).disabled = locked;
  $('stop').disabled = !locked;
  editor.readOnly = locked || Boolean(inputs.get(program).held);
}

async function run() {
  if (!['ready', 'done', 'stopped'].includes(state())) return;
  const chosen = program;
  const bytes = inputBytes(inputs.get(chosen));
  if (chosen === 'expression') {
    const depth = nestingDepth(bytes);
    if (depth > depthLimit) {
      showDepthNotice(depth, depthLimit, bytes);
      setState('done');
      return;
    }
  }
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
    showResult(chosen, result, total());
    setState('done');
  } catch (error) {
    if (error instanceof Stopped) {
      showStopped(chosen, total());
      setState('stopped');
    } else {
      showResult(chosen, { setupFailed: error.message }, total());
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

// The input a program starts with: the link's (bytes), this browser's, or the example.
async function restore(name, linked) {
  const example = () => bytesInput(examples.get(name), `the example ${name}.in`);
  if (linked) return bytesInput(linked, "the link's input");
  const text = savedText(name);
  if (text !== null) return { text };
  const packed = savedInput(name);
  if (packed === null) return example();
  try {
    return bytesInput(await unpack(packed), 'the kept input');
  } catch {
    return example();
  }
}

// What the link opens: {program, input}, input being its bytes or null; or {trouble}, in
// the page's words, when the link cannot be used. No link at all is {}.
async function readLink(names) {
  if (location.hash.length <= 1) return {};
  const link = readFragment(location.hash);
  const shown = (name) => (name.length > 40 ? `${name.slice(0, 40)}…` : name);
  if (link.program === null) return { trouble: 'The link names no program; it is not used.' };
  if (!names.includes(link.program)) {
    return { trouble: `The link names a program this page does not have, ` +
      `"${shown(link.program)}"; it is not used.` };
  }
  if (link.input === null) return { program: link.program, input: null };
  if (link.input === '') return { trouble: "The link's input is empty; the link is not used." };
  try {
    return { program: link.program, input: await unpack(link.input) };
  } catch (error) {
    if (error instanceof TooLarge) {
      return { trouble: "The link's input is refused: it would inflate past " +
        `${count(kLinkInputBytes)} bytes, more than a link carries.` };
    }
    if (error instanceof Broken) {
      return { trouble: 'The link is broken: its input is not one this page made (cut short, ' +
        'or edited).' };
    }
    throw error;
  }
}

async function start() {
  programs = JSON.parse(new TextDecoder().decode(await fetchBytes('programs.json')));
  const names = programs.map((p) => p.name);
  await Promise.all(names.map(async (name) => {
    examples.set(name, await fetchBytes(`examples/${name}.in`));
  }));
  // An unusable link is said to be one, and the page shows what it would without it. The
  // address of a tab that this page has already shown is its own, and what this browser kept
  // is as new or newer (the address may lag behind a reload made at once after typing).
  const link = ownAddress() ? {} : await readLink(names);
  setOwnAddress(true);
  const first = [link.program, savedProgram()].find((name) => names.includes(name)) ?? names[0];
  for (const name of names) {
    inputs.set(name, await restore(name, name === link.program ? link.input : null));
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
  listenForDrops();
  // Another link pasted into the address bar changes the fragment alone: open it afresh.
  window.addEventListener('hashchange', () => {
    setOwnAddress(false);
    location.reload();
  });
  window.addEventListener('pagehide', keepAsText);
  choose(first);
  if (link.trouble) say(link.trouble);
  lock(true);  // until the worker is ready
  $('stop').disabled = true;

  ({ limit: depthLimit, runner } = await measureDepthLimit(names));
  showFormat();
  lock(false);
  setState('ready');
}

start().catch((error) => {
  $('load-failed').textContent = `The page could not load its programs: ${error.message}`;
  $('load-failed').hidden = false;
});
