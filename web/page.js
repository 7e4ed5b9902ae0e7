// The page: picks a program and an input file, runs the program in a worker (worker.js),
// and shows what the run left: the output file, the exit status, standard error, the time.
// Nothing leaves the browser.
const programs = ['transformation', 'expression', 'stack', 'crypt', 'subsequence'];
const kShownBytes = 1 << 20;  // more of an output than this is only offered for download

const $ = (id) => document.getElementById(id);
const state = { input: null, inputName: '' };
let worker = null;
let outputUrl = null;

function describeSize(bytes) {
  if (bytes < 1024) return `${bytes} bytes`;
  if (bytes < 1 << 20) return `${(bytes / 1024).toFixed(1)} KiB`;
  return `${(bytes / (1 << 20)).toFixed(1)} MiB`;
}

function setInput(bytes, name) {
  state.input = bytes;
  state.inputName = name;
  $('input-name').textContent = `${name} (${describeSize(bytes.byteLength)})`;
  $('run').disabled = false;
}

async function readFile(file) {
  setInput(await file.arrayBuffer(), file.name);
}

async function loadExample() {
  const program = $('program').value;
  const response = await fetch(`examples/${program}.in`);
  if (!response.ok) throw new Error(`no example for ${program}`);
  setInput(await response.arrayBuffer(), `the example ${program}.in`);
}

function show(result, program) {
  const out = $('output');
  if (outputUrl) URL.revokeObjectURL(outputUrl);
  outputUrl = null;
  $('download').hidden = true;
  if (result.output === null) {
    out.textContent = `(${program}.out was not written)`;
  } else {
    const bytes = new Uint8Array(result.output);
    const shown = new TextDecoder('utf-8').decode(bytes.subarray(0, kShownBytes));
    out.textContent = bytes.byteLength > kShownBytes
      ? `${shown}\n… (${describeSize(bytes.byteLength)} in all: download it to see the rest)`
      : shown;
    if (bytes.byteLength === 0) out.textContent = `(${program}.out is empty)`;
    outputUrl = URL.createObjectURL(new Blob([bytes], { type: 'application/octet-stream' }));
    const link = $('download');
    link.href = outputUrl;
    link.download = `${program}.out`;
    link.textContent = `Download ${program}.out (${describeSize(bytes.byteLength)})`;
    link.hidden = false;
  }
  $('status').textContent = String(result.status);
  $('status').dataset.status = String(result.status);
  $('time').textContent = `${result.seconds.toFixed(3)} s`;
  $('stderr').textContent = result.fault ? `${result.err}${result.fault}\n` : result.err;
  $('results').hidden = false;
}

function run() {
  const program = $('program').value;
  if (!state.input) return;
  $('run').disabled = true;
  $('results').hidden = true;
  $('running').hidden = false;
  document.body.dataset.state = 'running';
  if (!worker) worker = new Worker('worker.js', { type: 'module' });
  // The input is copied: the same file may be run again, or by another program.
  const input = state.input.slice(0);
  worker.onmessage = ({ data }) => {
    $('running').hidden = true;
    $('run').disabled = false;
    if (data.setupFailed) {
      $('stderr').textContent = `The module could not be started: ${data.setupFailed}`;
      $('status').textContent = '—';
      $('results').hidden = false;
    } else {
      show(data, program);
    }
    document.body.dataset.state = 'done';
  };
  worker.onerror = (event) => {
    // The worker itself failed (a browser without module workers): start a fresh one.
    worker.terminate();
    worker = null;
    $('running').hidden = true;
    $('run').disabled = false;
    $('stderr').textContent = `The run failed: ${event.message}`;
    $('results').hidden = false;
    document.body.dataset.state = 'done';
  };
  worker.postMessage({ program, input }, [input]);
}

function start() {
  const select = $('program');
  for (const program of programs) select.add(new Option(program, program));
  select.addEventListener('change', () => {
    $('results').hidden = true;
  });
  $('file').addEventListener('change', (event) => {
    if (event.target.files.length) readFile(event.target.files[0]);
  });
  $('example').addEventListener('click', () => loadExample().catch((e) => alert(e.message)));
  $('run').addEventListener('click', run);
  const drop = $('drop');
  drop.addEventListener('dragover', (event) => {
    event.preventDefault();
    drop.classList.add('over');
  });
  drop.addEventListener('dragleave', () => drop.classList.remove('over'));
  drop.addEventListener('drop', (event) => {
    event.preventDefault();
    drop.classList.remove('over');
    if (event.dataTransfer.files.length) readFile(event.dataTransfer.files[0]);
  });
  document.body.dataset.state = 'ready';
}

start();
