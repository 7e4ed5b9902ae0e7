// The page's own work that may take long, off its thread: comparing your output with the
// answer (compare.js) and making a random input (generators.js). The page sends {id,
// compare: [answer, yours]} or {id, generate: [program, size, seed, limits]}, and gets back
// {id, result} (a generated input as its bytes) or {id, failed}.
import { compare } from './compare.js';
import { generate } from './generators.js';

self.onmessage = ({ data }) => {
  try {
    if (data.compare) {
      const [answer, yours] = data.compare;
      self.postMessage({ id: data.id, result: compare(answer, yours) });
    } else {
      const bytes = new TextEncoder().encode(generate(...data.generate));
      self.postMessage({ id: data.id, result: bytes.buffer }, [bytes.buffer]);
    }
  } catch (error) {
    self.postMessage({ id: data.id, failed: String(error?.message ?? error) });
  }
};
