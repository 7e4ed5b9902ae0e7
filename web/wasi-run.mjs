#!/usr/bin/env node
// node wasi-run.mjs PROGRAM.wasm [ARGUMENT...]: runs one program of the set, built as a
// WebAssembly module for WASI, the way the native program runs: in the current folder,
// which the module sees as its own (it reads PROGRAM.in and writes PROGRAM.out there, and
// nothing outside it), with the terminal's standard error, and ending with the module's
// exit status. The programs take no arguments; the in-process tests, run the same way,
// take GoogleTest's.
//
// The module runs on a worker thread, since a WebAssembly call takes room on the engine's
// own stack too, and the main thread's is far too small for the deepest expression line;
// a worker's stack size can be chosen. A trap ends the run with status 134, as the abort
// signal does in a shell: abort() traps, after the program's own report (a failed
// assertion) on standard error. Any other trap is a fault, and is named in one line.
import { writeSync, readFileSync } from 'node:fs';
import { basename } from 'node:path';
import { setFlagsFromString } from 'node:v8';
import { Worker, isMainThread, parentPort, workerData } from 'node:worker_threads';

// Node 20 crashes (SIGSEGV) in its optimised fast calls into WASI once a module's memory
// has grown large (a 64 MiB crypt.in); its ordinary calls are sound. Process-wide, and
// set before any code is optimised.
setFlagsFromString('--no-turbo-fast-api-calls');

// The worker's stack: expression's deepest line, 524285 nested parentheses, takes 112 to
// 128 MiB of the engine's stack in the baseline code that a module first runs in (Node 20);
// 1 GiB leaves room for an engine with larger frames. The rest of the set needs almost
// none, and only what a run uses becomes memory.
const kStackMiB = 1024;
const kAbortStatus = 134;

function say(line) {
  writeSync(2, `wasi-run: ${line}\n`);
}

if (isMainThread) {
  if (process.argv.length < 3) {
    say('usage: node wasi-run.mjs PROGRAM.wasm [ARGUMENT...]   (runs it in the current folder)');
    process.exit(2);
  }
  const module = process.argv[2];
  let status = kAbortStatus;
  const worker = new Worker(new URL(import.meta.url), {
    workerData: { module, args: process.argv.slice(3) },
    resourceLimits: { stackSizeMb: kStackMiB },
  });
  worker.on('message', (code) => {
    status = code;
  });
  worker.on('error', (error) => {
    // Thrown outside the module's run (it cannot be read, it is not a module).
    say(`${module}: ${error.message}`);
    status = 2;
  });
  worker.on('exit', () => process.exit(status));
} else {
  // node:wasi says once that it is experimental; that is not the program's to print.
  process.removeAllListeners('warning');
  process.on('warning', () => {});
  const { WASI } = await import('node:wasi');
  const { module, args } = workerData;
  const name = basename(module).replace(/\.wasm$/, '');
  const wasi = new WASI({
    version: 'preview1',
    args: [name, ...args],
    env: {},
    preopens: { '.': process.cwd() },
    returnOnExit: true,
  });
  const compiled = await WebAssembly.compile(readFileSync(module));
  const instance = await WebAssembly.instantiate(compiled, wasi.getImportObject());
  let status;
  try {
    status = wasi.start(instance);
  } catch (error) {
    if (!(error instanceof WebAssembly.RuntimeError && /unreachable/.test(error.message))) {
      // A fault: memory out of bounds, a stack too small. Never the program's answer.
      say(`${name}: trapped: ${error.message}`);
    }
    status = kAbortStatus;
  }
  parentPort.postMessage(status);
}
