// What this browser keeps for the page (localStorage): the program last chosen, and each
// program's input in the packed form of its link (or the size and seed of a random one) and
// your output beside it; or, when the page went away before it had packed the latest text
// (packing takes a while), that text as it is, until it is packed. A tab keeps the same of
// its own (sessionStorage, across its reloads): on a reload it is newer than the tab's
// address, which a reload made at once may find behind, and than what another tab kept.
// Storage may be turned off (then even naming it throws) or full; the page then works as
// before, keeping nothing.
const kPrefix = 'solvers.';
const kBoth = ['localStorage', 'sessionStorage'];

function get(key, area = 'localStorage') {
  try {
    return globalThis[area].getItem(kPrefix + key);
  } catch {
    return null;
  }
}

function set(key, value, area = 'localStorage') {
  try {
    if (value === null) globalThis[area].removeItem(kPrefix + key);
    else globalThis[area].setItem(kPrefix + key, value);
  } catch {
    // Not kept: the input is still in the page, and in the link when it fits there.
  }
}

export const savedProgram = () => get('program');
export const saveProgram = (program) => set('program', program);
// The packed input of program (link.js), or null for none; a random input's size and seed,
// "SIZE SEED", kept in its place.
export const savedInput = (program) => get(`input.${program}`);
export const savedRandom = (program) => get(`random.${program}`);
export function saveInput(program, packed, random = null) {
  for (const area of kBoth) {
    set(`input.${program}`, packed, area);
    set(`random.${program}`, random, area);
    set(`text.${program}`, null, area);
  }
}
// Your output, packed as an input is, or its text as a page going away left it: an empty
// string when there is none, null when nothing is kept.
export function saveYours(program, packed, text = null, areas = kBoth) {
  for (const area of areas) {
    set(`output.${program}`, packed, area);
    set(`outputText.${program}`, text, area);
  }
}
export const keptYours = (program, tab = false) => {
  const area = tab ? 'sessionStorage' : 'localStorage';
  return { packed: get(`output.${program}`, area), text: get(`outputText.${program}`, area) };
};
// The text that a page going away left unpacked: this browser's, or null.
export const savedText = (program) => get(`text.${program}`);
export function saveUnpacked(program, { text = null, random = null }, tab = true) {
  for (const area of tab ? kBoth : ['localStorage']) {
    set(`input.${program}`, null, area);
    set(`text.${program}`, text, area);
    set(`random.${program}`, random, area);
  }
}
// What this tab kept of program's input, its latest: {text, random, packed}, each a string
// or null.
export const keptByTab = (program) => ({
  text: get(`text.${program}`, 'sessionStorage'),
  random: get(`random.${program}`, 'sessionStorage'),
  packed: get(`input.${program}`, 'sessionStorage'),
});
// Forgets what this tab kept of its own, so that the link it opens next is used.
export function forgetTab(programs) {
  for (const program of programs) {
    for (const key of ['input', 'text', 'random', 'output', 'outputText']) {
      set(`${key}.${program}`, null, 'sessionStorage');
    }
  }
}
