#!/usr/bin/env node
// node wasi-run.mjs PROGRAM.wasm [ARGUMENT...]: runs one program of the set, built as a
// WebAssembly module for WASI, the way the native program runs: in the current folder,
// which the module sees as its own (it reads PROGRAM.in and writes PROGRAM.out there, and
// nothing outside it), with the terminal's standard error, and ending with the module's
// exit status. The programs take no arguments; the in-process tests, run the same way,
// take GoogleTest's.
//
// A trap ends the run with status 134, as the abort signal does in a shell: abort() traps,
// after the program's own report (a failed assertion) on standard error. Any other trap is
// a fault, and is named in one line.
import { writeSync, readFileSync } from 'node:fs';
import { basename } from 'node:path';
import { setFlagsFromString } from 'node:v8';

// Node 20 crashes (SIGSEGV) in its optimised fast calls into WASI once a module's memory
// has grown large (a 64 MiB crypt.in); its ordinary calls are sound. Process-wide, and
// set before any code is optimised.
setFlagsFromString('--no-turbo-fast-api-calls');

const kAbortStatus = 134;

function say(line) {
  writeSync(2, `wasi-run: ${line}\n`);
}

if (process.argv.length < 3) {
  say('usage: node wasi-run.mjs PROGRAM.wasm [ARGUMENT...]   (runs it in the current folder)');
  process.exit(2);
}
// node:wasi says once that it is experimental; that is not the program's to print.
process.removeAllListeners('warning');
process.on('warning', () => {});
const { WASI } = await import('node:wasi');
const [module, ...args] = process.argv.slice(2);
const name = basename(module).replace(/\.wasm$/, '');
let compiled;
try {
  compiled = await WebAssembly.compile(readFileSync(module));
} catch (error) {
  // It cannot be read, or it is not a module.
  say(`${module}: ${error.message}`);
  process.exit(2);
}
const wasi = new WASI({
  version: 'preview1',
  args: [name, ...args],
  env: {},
  preopens: { '.': process.cwd() },
  returnOnExit: true,
});
const instance = await WebAssembly.instantiate(compiled, wasi.getImportObject());
let status;
try {
  status = wasi.start(instance);
} catch (error) {
  if (!(error instanceof WebAssembly.RuntimeError && /unreachable/.test(error.message))) {
    // A fault: memory out of bounds, the engine's stack exhausted. Never the program's answer.
    say(`${name}: trapped: ${error.message}`);
  }
  status = kAbortStatus;
}
process.exit(status);
