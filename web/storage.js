// What this browser keeps for the page (localStorage): the program last chosen, and each
// program's input in the packed form of its link. Storage may be turned off or full; the
// page then works as before, keeping nothing.
const kPrefix = 'solvers.';

function get(key) {
  try {
    return localStorage.getItem(kPrefix + key);
  } catch {
    return null;
  }
}

function set(key, value) {
  try {
    if (value === null) localStorage.removeItem(kPrefix + key);
    else localStorage.setItem(kPrefix + key, value);
  } catch {
    // Not kept: the input is still in the page, and in the link when it fits there.
  }
}

export const savedProgram = () => get('program');
export const saveProgram = (program) => set('program', program);
// The packed input of program (link.js), or null for none.
export const savedInput = (program) => get(`input.${program}`);
export const saveInput = (program, packed) => set(`input.${program}`, packed);
