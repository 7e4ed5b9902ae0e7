// Text as the page's words show it. Bytes are decoded as UTF-8 with a byte order mark kept,
// so that columns count it, and a byte that is not UTF-8 is one replacement character; every
// character that cannot be seen (a control character, a byte order mark or another format
// character, a space other than the blank) is written as an escape, \xNN or \u{NNNN}.
const decoder = new TextDecoder('utf-8', { ignoreBOM: true });

export const decode = (bytes) => decoder.decode(bytes);

export function visible(text) {
  return text.replace(/[\p{Cc}\p{Cf}\p{Z}]/gu, (c) => {
    if (c === ' ') return c;
    const code = c.codePointAt(0).toString(16);
    return code.length <= 2 ? `\\x${code.padStart(2, '0')}` : `\\u{${code}}`;
  });
}
