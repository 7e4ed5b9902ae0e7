// What a program runs on: either text in the editor, or a file held as it is, read-only.
// A file is held when the editor would not give its bytes back exactly: too large to edit
// comfortably, not UTF-8 text, or holding a carriage return or another control character (a
// text area turns CR LF into LF, and its line ends matter to crypt). The run gets the
// bytes of the one or the other.

export const kEditorBytes = 1 << 20;  // a file up to this size is opened in the editor
const kHeadBytes = 4 << 10;           // what the page shows of a held file
const kHeadLines = 40;

// A byte order mark is kept as the character it is, so that it reaches the program.
const decoder = new TextDecoder('utf-8', { fatal: true, ignoreBOM: true });
const encoder = new TextEncoder();

// Why the editor cannot hold these bytes as they are: {why}, or {text} when it can.
function asText(bytes) {
  if (bytes.byteLength > kEditorBytes) return { why: 'it is larger than the editor takes' };
  let text;
  try {
    text = decoder.decode(bytes);
  } catch {
    return { why: 'it is not UTF-8 text' };
  }
  if (text.includes('\r')) return { why: 'it holds carriage returns, which the editor would drop' };
  if (/[\x00-\x08\x0b\x0c\x0e-\x1f\x7f]/.test(text)) return { why: 'it holds control characters' };
  return { text };
}

// An input from bytes (a file, the example, a link): in the editor when it can be, else
// held, with its name.
export function bytesInput(bytes, name) {
  bytes = new Uint8Array(bytes);
  const seen = asText(bytes);
  return seen.why ? { held: { name, bytes, why: seen.why } } : { text: seen.text };
}

// The bytes the program reads.
export function inputBytes(input) {
  return input.held ? input.held.bytes : encoder.encode(input.text);
}

// The first lines of a held file, for the page to show; the bytes that are not UTF-8 show as
// the replacement character.
export function head(held) {
  const start = new TextDecoder('utf-8').decode(held.bytes.subarray(0, kHeadBytes));
  const lines = start.split('\n').slice(0, kHeadLines);
  const shown = lines.join('\n');
  const more = shown.length < start.length || held.bytes.byteLength > kHeadBytes;
  return more ? `${shown}\n…` : shown;
}
