// The worker that runs the modules (worker.js), as the page uses it: one run at a time, and
// a Stop that ends the worker at once, whatever the module is doing, and starts a fresh one.

// A run ended by stop(): what run() rejects with.
export class Stopped extends Error {}

export class Runner {
  // programs: the names of the modules the worker compiles before it is ready.
  constructor(programs) {
    this.programs = programs;
    this.pending = null;  // {resolve, reject} of the run under way
    this.worker = null;
  }

  // Starts the worker; resolves once every module is compiled.
  start() {
    this.worker = new Worker('worker.js', { type: 'module' });
    this.loaded = new Promise((resolve, reject) => {
      this.worker.onmessage = ({ data }) => {
        if (data.loaded) resolve();
        else if (data.loadFailed) reject(new Error(data.loadFailed));
        else this.settle((pending) => pending.resolve(data));
      };
      // The worker itself failed (its script, a browser without module workers).
      this.worker.onerror = (event) => {
        event.preventDefault();
        const error = new Error(event.message || 'the worker failed');
        reject(error);
        this.settle((pending) => pending.reject(error));
      };
    });
    this.worker.postMessage({ load: this.programs });
    return this.loaded;
  }

  // Runs program on the bytes (an ArrayBuffer, handed over to the worker: the caller keeps
  // no use of it); resolves with the worker's result, rejects with Stopped after stop().
  run(program, input) {
    if (this.pending) return Promise.reject(new Error('a run is already under way'));
    return new Promise((resolve, reject) => {
      this.pending = { resolve, reject };
      this.worker.postMessage({ program, input }, [input]);
    });
  }

  settle(how) {
    const pending = this.pending;
    this.pending = null;
    if (pending) how(pending);
  }

  // Ends the worker and starts a fresh one, which loads its modules in the background: a
  // run asked of it meanwhile waits for them in the worker.
  stop() {
    this.end();
    this.start().catch(() => {});  // a failure shows in the next run
  }

  end() {
    this.worker.terminate();
    this.settle((pending) => pending.reject(new Stopped('stopped')));
  }
}
