#!/usr/bin/env node
// node readme-programs.mjs README.md OUT.json PROGRAM...: writes what the page shows about
// each program, its input and its output with their limits, taken from the README's section
// for that program when the page is built, so that the page and the README say the same
// and nobody keeps a second copy. Each section's first paragraph reads "`PROGRAM.in`: ...
// `PROGRAM.out`: ..."; a program without one stops the build.
import { readFileSync, writeFileSync } from 'node:fs';

const [readmePath, outPath, ...names] = process.argv.slice(2);
if (!outPath || names.length === 0) {
  console.error('usage: node readme-programs.mjs README.md OUT.json PROGRAM...');
  process.exit(2);
}
const readme = readFileSync(readmePath, 'utf8').replace(/\r\n/g, '\n');

// The section's first paragraph, its lines joined: it stops at a blank line, before the
// indented example beside it.
function paragraph(name) {
  const start = readme.indexOf(`\n### ${name}\n`);
  if (start < 0) return null;
  const body = readme.slice(start).split('\n').slice(2).join('\n').trimStart();
  return body.split('\n\n')[0].replace(/\s*\n\s*/g, ' ');
}

const programs = [];
for (const name of names) {
  const text = paragraph(name);
  const input = `\`${name}.in\`:`;
  const output = `\`${name}.out\`:`;
  const at = text === null ? -1 : text.indexOf(output);
  if (at < 0 || !text.startsWith(input)) {
    console.error(`${readmePath}: no section "### ${name}" whose first paragraph reads ` +
      `"${input} ... ${output} ..."`);
    process.exit(1);
  }
  // Without the file names: the page sets them beside the text.
  programs.push({
    name,
    input: text.slice(input.length, at).trim(),
    output: text.slice(at + output.length).trim(),
  });
}
writeFileSync(outPath, `${JSON.stringify(programs, null, 2)}\n`);
