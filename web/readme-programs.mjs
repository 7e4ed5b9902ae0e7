#!/usr/bin/env node
// node readme-programs.mjs README.md OUT.json PROGRAM...: writes what the page shows about
// each program, its input and its output with their limits, taken from the README's section
// for that program when the page is built, so that the page and the README say the same
// and nobody keeps a second copy. Each section's first paragraph reads "`PROGRAM.in`: ...
// `PROGRAM.out`: ..."; a program without one stops the build. The limits are also read out
// as figures for the page's random inputs: {n, line, k}, each where the paragraph gives it.
import { readFileSync, writeFileSync } from 'node:fs';
import { pathToFileURL } from 'node:url';

// The figures, as the paragraphs word them.
const kLimitWords = {
  n: /a count n \(\d+ to (\d+)\)/,
  line: /line of at most (\d+) characters/,
  k: /a count k \(at most (\d+)\)/,
};

// The section's first paragraph, its lines joined: it stops at a blank line, before the
// indented example beside it.
function paragraph(readme, name) {
  const start = readme.indexOf(`\n### ${name}\n`);
  if (start < 0) return null;
  const body = readme.slice(start).split('\n').slice(2).join('\n').trimStart();
  return body.split('\n\n')[0].replace(/\s*\n\s*/g, ' ');
}

// [{name, input, output, limits}] of the README's text; throws when a section is missing.
export function programsOf(readme, names) {
  readme = readme.replace(/\r\n/g, '\n');
  return names.map((name) => {
    const text = paragraph(readme, name);
    const input = `\`${name}.in\`:`;
    const output = `\`${name}.out\`:`;
    const at = text === null ? -1 : text.indexOf(output);
    if (at < 0 || !text.startsWith(input)) {
      throw new Error(`no section "### ${name}" whose first paragraph reads ` +
        `"${input} ... ${output} ..."`);
    }
    // Without the file names: the page sets them beside the text.
    const about = { name, input: text.slice(input.length, at).trim() };
    about.output = text.slice(at + output.length).trim();
    about.limits = {};
    for (const [limit, words] of Object.entries(kLimitWords)) {
      const found = about.input.match(words);
      if (found) about.limits[limit] = Number(found[1]);
    }
    return about;
  });
}

if (process.argv[1] && import.meta.url === pathToFileURL(process.argv[1]).href) {
  const [readmePath, outPath, ...names] = process.argv.slice(2);
  if (!outPath || names.length === 0) {
    console.error('usage: node readme-programs.mjs README.md OUT.json PROGRAM...');
    process.exit(2);
  }
  try {
    const programs = programsOf(readFileSync(readmePath, 'utf8'), names);
    writeFileSync(outPath, `${JSON.stringify(programs, null, 2)}\n`);
  } catch (error) {
    console.error(`${readmePath}: ${error.message}`);
    process.exit(1);
  }
}
