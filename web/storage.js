// What this browser keeps for the page (localStorage): the program last chosen, and each
// program's input in the packed form of its link (or the size and seed of a random one) and
// your output beside it; or, when the page went away before it had
// packed the latest text (packing takes a while), that text as it is, until it is packed.
// Storage may be turned off or full; the page then works as before, keeping nothing.
const kPrefix = 'solvers.';

function get(key, storage = localStorage) {
  try {
    return storage.getItem(kPrefix + key);
  } catch {
    return null;
  }
}

function set(key, value, storage = localStorage) {
  try {
    if (value === null) storage.removeItem(kPrefix + key);
    else storage.setItem(kPrefix + key, value);
  } catch {
    // Not kept: the input is still in the page, and in the link when it fits there.
  }
}

// Whether this tab's address is one the page wrote itself (sessionStorage, kept across a
// reload of the tab), rather than a link opened in it.
export const ownAddress = () => get('own', sessionStorage) === 'yes';
export const setOwnAddress = (own) => set('own', own ? 'yes' : null, sessionStorage);

export const savedProgram = () => get('program');
export const saveProgram = (program) => set('program', program);
// The packed input of program (link.js), or null for none.
export const savedInput = (program) => get(`input.${program}`);
export function saveInput(program, packed) {
  set(`input.${program}`, packed);
  set(`text.${program}`, null);
}
// The size and seed of a random input, "SIZE SEED", kept in place of the packed input.
export const savedRandom = (program) => get(`random.${program}`);
export const saveRandom = (program, random) => set(`random.${program}`, random);
// Your output, packed as an input is, or null.
export const savedYours = (program) => get(`output.${program}`);
export const saveYours = (program, packed) => set(`output.${program}`, packed);
// The text a page that went away left unpacked, or null.
export const savedText = (program) => get(`text.${program}`);
export const saveText = (program, text) => set(`text.${program}`, text);
