// Runs the programs' WebAssembly modules, off the page's thread. The page first sends
// {load: [PROGRAM...]} and gets back {loaded: true} once every module is compiled, or
// {loadFailed}. Then, for each run, it sends {program, input} and gets back {status,
// output, err, seconds, fault}, fault ({message}) being set when the module did not
// end by itself; or {setupFailed} when the module could not start. The module sees one
// folder, holding PROGRAM.in; the WASI calls are the shim's (@bjorn3/browser_wasi_shim),
// with files held in memory.
import {
  ConsoleStdout,
  File,
  OpenFile,
  PreopenDirectory,
  WASI,
} from './shim/index.js';

// The shim grows a file to the exact size of every write, which copies the whole file each
// time: quadratic for a large output written in stdio's small blocks. The output file grows
// by doubling instead; `data` stays a view of exactly the bytes written.
class GrowingOpenFile extends OpenFile {
  fd_write(data) {
    const at = Number(this.file_pos);
    const end = at + data.byteLength;
    const file = this.file;
    if (end > file.data.byteLength) {
      let buffer = file.data.buffer;
      if (end > buffer.byteLength || file.data.byteOffset !== 0) {
        const grown = new Uint8Array(Math.max(end, 2 * buffer.byteLength, 1 << 16));
        grown.set(file.data);
        buffer = grown.buffer;
      }
      file.data = new Uint8Array(buffer, 0, end);
    }
    file.data.set(data, at);
    this.file_pos = BigInt(end);
    return { ret: 0, nwritten: data.byteLength };
  }
}

// PROGRAM.out, made before the run so that it grows as above; `opened` tells whether the
// program created it at all (it does not when its input cannot be read).
class OutputFile extends File {
  path_open(oflags, rightsBase, fdFlags) {
    const opened = super.path_open(oflags, rightsBase, fdFlags);
    if (opened.fd_obj) {
      this.opened = true;
      opened.fd_obj = new GrowingOpenFile(this);
    }
    return opened;
  }
}

const modules = new Map();  // compiled once per program

async function compile(program) {
  if (!modules.has(program)) {
    // Compiled from the bytes, so that any static server will do, whatever type it names.
    modules.set(program, fetch(`modules/${program}.wasm`).then((response) => {
      if (!response.ok) throw new Error(`modules/${program}.wasm: ${response.status}`);
      return response.arrayBuffer();
    }).then((bytes) => WebAssembly.compile(bytes)));
  }
  return modules.get(program);
}

async function load(programs) {
  try {
    await Promise.all(programs.map(compile));
    self.postMessage({ loaded: true });
  } catch (error) {
    self.postMessage({ loadFailed: String(error && error.message || error) });
  }
}

async function run(program, input) {
  try {
    const module = await compile(program);
    const output = new OutputFile(new ArrayBuffer(0));
    const folder = new PreopenDirectory('.', new Map([
      [`${program}.in`, new File(new Uint8Array(input), { readonly: true })],
      [`${program}.out`, output],
    ]));
    const err = [];
    const fds = [
      new OpenFile(new File(new ArrayBuffer(0), { readonly: true })),  // standard input
      new ConsoleStdout(() => {}),  // standard output: the programs write nothing there
      new ConsoleStdout((bytes) => err.push(bytes.slice())),
      folder,
    ];
    // The shim's own trace of every call goes to the console unless it is told not to.
    const wasi = new WASI([program], [], fds, { debug: false });
    const instance = await WebAssembly.instantiate(module, { wasi_snapshot_preview1: wasi.wasiImport });
    const started = performance.now();
    let status;
    let fault = null;
    try {
      status = wasi.start(instance);
    } catch (error) {
      // abort() traps: the run ended as by the abort signal, after the program's own report.
      // Anything else is a fault of the run, named as the browser names it.
      status = 134;
      if (!(error instanceof WebAssembly.RuntimeError && /unreachable/i.test(error.message))) {
        fault = { message: String(error.message) };
      }
    }
    const seconds = (performance.now() - started) / 1000;
    const text = new Blob(err);
    const result = {
      status,
      fault,
      seconds,
      err: await text.text(),
      output: output.opened ? output.data.slice().buffer : null,
    };
    self.postMessage(result, result.output ? [result.output] : []);
  } catch (error) {
    self.postMessage({ setupFailed: String(error && error.message || error) });
  }
}

self.onmessage = ({ data }) => (data.load ? load(data.load) : run(data.program, data.input));
