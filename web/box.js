// A text box that holds an input (inputs.js) as a person edits it: the editor and Your
// output. A key that edits replaces a held file with empty text, which the key then edits;
// a paste too large to edit is held as a file, in place of the whole text. `get` and `set`
// read and replace the box's input; `locked` tells when it may not change.
import { bytesInput, kEditorBytes } from './inputs.js';

export function listenToBox(box, { get, set, locked }) {
  box.addEventListener('keydown', (event) => {
    const edits = event.key.length === 1 || ['Enter', 'Backspace', 'Delete'].includes(event.key);
    if (get()?.held && !locked() && edits && !event.ctrlKey && !event.metaKey && !event.altKey) {
      set({ text: '' });
    }
  });
  box.addEventListener('paste', (event) => {
    if (locked()) return;
    const text = event.clipboardData.getData('text/plain');
    if (text.length > kEditorBytes / 4) {
      const bytes = new TextEncoder().encode(text);
      if (bytes.byteLength > kEditorBytes) {
        event.preventDefault();
        set(bytesInput(bytes, 'the pasted text'));
        return;
      }
    }
    if (get()?.held) set({ text: '' });  // the paste goes in its place
  });
}

// What the note beside a box (the editor, ...) says of a held file.
export function heldWords(held, count, box = 'box') {
  return `Held as a file, read-only: ${held.name}, ${count(held.bytes.byteLength)} bytes; its ` +
    `first lines are shown. It is not in the ${box} because ${held.why}.`;
}
