// An input as a short string, for the page's link and for the browser's storage: its bytes
// compressed by the browser's own CompressionStream (deflate-raw) and written in base64url.
// The link puts it in the URL's fragment, which the browser never sends to a server:
//   #program=stack&input=PACKED

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

// The bytes of a packed text; throws when it is not one (a link cut short, or edited).
export async function unpack(text) {
  if (!/^[A-Za-z0-9_-]*$/.test(text)) throw new Error('it is not base64url');
  const binary = atob(text.replace(/-/g, '+').replace(/_/g, '/'));
  const packed = Uint8Array.from(binary, (c) => c.charCodeAt(0));
  try {
    return await through(packed, new DecompressionStream('deflate-raw'));
  } catch {
    throw new Error('it does not decompress');
  }
}

// What the fragment of a URL names: {program, input}, each a string or null.
export function readFragment(hash) {
  const fields = new URLSearchParams(hash.replace(/^#/, ''));
  return { program: fields.get('program'), input: fields.get('input') };
}

export function makeFragment(program, packed) {
  return packed === null ? `#program=${program}` : `#program=${program}&input=${packed}`;
}
