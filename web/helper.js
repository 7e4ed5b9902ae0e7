// The helper worker (helper-worker.js) as the page asks it: ask(kind, question) resolves with
// the answer, or with null when a later question of the same kind came meanwhile (the page
// wants the latest check and the latest random input only).
let worker = null;
let next = 0;
const waiting = new Map();  // id -> {kind, resolve, reject}
const latest = new Map();   // kind -> the id of its latest question

function started() {
  if (worker) return worker;
  worker = new Worker('helper-worker.js', { type: 'module' });
  worker.onmessage = ({ data }) => {
    const question = waiting.get(data.id);
    waiting.delete(data.id);
    if (latest.get(question.kind) !== data.id) question.resolve(null);
    else if ('failed' in data) question.reject(new Error(data.failed));
    else question.resolve(data.result);
  };
  worker.onerror = (event) => {
    event.preventDefault();
    for (const question of waiting.values()) question.reject(new Error(event.message || 'the helper failed'));
    waiting.clear();
    worker = null;
  };
  return worker;
}

export function ask(kind, question) {
  const id = ++next;
  latest.set(kind, id);
  return new Promise((resolve, reject) => {
    waiting.set(id, { kind, resolve, reject });
    started().postMessage({ id, [kind]: question });
  });
}
