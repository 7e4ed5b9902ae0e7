// An input as a short string, for the page's link and for the browser's storage: its bytes
// compressed by the browser's own CompressionStream (deflate-raw) and written in base64url.
// The link puts it in the URL's fragment, which the browser never sends to a server:
//   #program=stack&input=PACKED&output=PACKED  or  #program=stack&size=limits&seed=7

// The most compressed bytes a link carries, and the browser keeps per program.
export const kLinkBytes = 8 << 10;

async function through(bytes, transform) {
  const stream = new Blob([bytes]).stream().pipeThrough(transform);
  return new Uint8Array(await new Response(stream).arrayBuffer());
}

// Deflate makes no more than about 1032 bytes into one: a longer input cannot fit, and is
// not compressed at all (a file of many MiB would hold up the page for nothing).
const kMostDeflated = 1032;

// {text, packedBytes}: text is the packed form of bytes, or null when compressed they take
// more than kLinkBytes; packedBytes is how many they take, or null when not compressed.
export async function pack(bytes) {
  if (bytes.byteLength > kLinkBytes * kMostDeflated) return { text: null, packedBytes: null };
  const packed = await through(bytes, new CompressionStream('deflate-raw'));
  if (packed.byteLength > kLinkBytes) return { text: null, packedBytes: packed.byteLength };
  let binary = '';
  for (const byte of packed) binary += String.fromCharCode(byte);
  const text = btoa(binary).replace(/\+/g, '-').replace(/\//g, '_').replace(/=+$/, '');
  return { text, packedBytes: packed.byteLength };
}

// What a link's input may inflate to at most: twice the most that pack() ever puts in one.
// A link that inflates past it is no link of this page's, but a bomb that would fill the
// memory and hold up the page.
export const kLinkInputBytes = 2 * kLinkBytes * kMostDeflated;

// What unpack() throws: the text is no packed input (a link cut short, or edited), or it
// inflates past kLinkInputBytes.
export class Broken extends Error {}
export class TooLarge extends Error {}

// The packed bytes go to the decompressor this many at a time: inflated, a piece is 4 MiB at
// most, so that inflation stops near the cap and never holds the page for long.
const kFeedBytes = 4 << 10;

// The bytes of a packed text. Inflation stops at the cap, holding no more than one piece
// past it.
export async function unpack(text) {
  let packed;
  try {
    if (!/^[A-Za-z0-9_-]+$/.test(text)) throw new Error();
    const binary = atob(text.replace(/-/g, '+').replace(/_/g, '/'));
    packed = new Uint8Array(binary.length);
    for (let i = 0; i < binary.length; ++i) packed[i] = binary.charCodeAt(i);
  } catch {
    throw new Broken('it is not base64url');
  }
  const inflate = new DecompressionStream('deflate-raw');
  const writer = inflate.writable.getWriter();
  const reader = inflate.readable.getReader();
  // Each piece is taken only once the one before is inflated and read.
  (async () => {
    for (let at = 0; at < packed.length; at += kFeedBytes) {
      await writer.write(packed.subarray(at, at + kFeedBytes));
    }
    await writer.close();
  })().catch(() => {});  // a failure comes out of the reader too
  const chunks = [];
  let size = 0;
  for (;;) {
    let chunk;
    try {
      chunk = await reader.read();
    } catch {
      throw new Broken('it does not decompress');
    }
    if (chunk.done) break;
    size += chunk.value.byteLength;
    if (size > kLinkInputBytes) {
      reader.cancel().catch(() => {});
      throw new TooLarge(`it inflates past ${kLinkInputBytes} bytes`);
    }
    chunks.push(chunk.value);
  }
  const bytes = new Uint8Array(size);
  let at = 0;
  for (const chunk of chunks) {
    bytes.set(chunk, at);
    at += chunk.byteLength;
  }
  return bytes;
}

// What the fragment of a URL names: {program, input, size, seed, output}, each a string or
// null. A link carries its input packed, or the size and seed of a random one
// (generators.js); and your output, packed, when it fits too.
export function readFragment(hash) {
  const fields = new URLSearchParams(hash.replace(/^#/, ''));
  const field = (name) => fields.get(name);
  return { program: field('program'), input: field('input'), size: field('size'),
    seed: field('seed'), output: field('output') };
}

// The fragment for a program and its fields (those that are null are left out).
export function makeFragment(program, fields = {}) {
  let fragment = `#program=${program}`;
  for (const [name, value] of Object.entries(fields)) {
    if (value !== null && value !== undefined) fragment += `&${name}=${value}`;
  }
  return fragment;
}
