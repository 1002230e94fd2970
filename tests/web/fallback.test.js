'use strict';
// A browser that lacks a part the page uses: the page inflates its program
// itself, or its window says that it cannot run it, and nothing looks
// answered. Each part is taken away by a script of its own run before the
// page's, which the page's policy is told to allow.

const test = require('node:test');
const assert = require('node:assert/strict');
const crypto = require('node:crypto');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { pathToFileURL } = require('node:url');
const b = require('./browser');

const cannotRun = 'Този браузър не може да изпълни програмата. ' +
  'Отворете я в по-нов браузър: Chrome, Edge, Firefox или Safari.';

function pageWith(script) {
  const hash = crypto.createHash('sha256').update(script).digest('base64');
  const page = fs.readFileSync(new URL(b.pageUrl), 'utf8')
    .replace('script-src ', `script-src 'sha256-${hash}' `)
    .replace('<meta charset="utf-8">', `<meta charset="utf-8"><script>${script}</script>`);
  const file = path.join(fs.mkdtempSync(path.join(os.tmpdir(), 'ribi-lacking-')), 'ribi.html');
  fs.writeFileSync(file, page);
  return pathToFileURL(file).href;
}

test('without DecompressionStream, the page inflates its program itself', (t) =>
  b.withPage(t, async (page) => {
    await page.load(pageWith('delete window.DecompressionStream;'));
    await page.clickSpecies(9);
    assert.equal((await page.state()).output, b.outputs.species[9]);
  }, { load: false }));

// Each part taken away by its script; a failure in the program's own
// promise is also left in the console, for whoever looks there.
// A program that cannot compile (without WebAssembly's exception handling)
// and one that fails as it starts are one failure to the page: its
// WebAssembly's promise rejected.
const failures = {
  'no WebAssembly': ['delete window.WebAssembly;'],
  'no WebAssembly exception handling': ['WebAssembly.instantiate = () =>' +
    ' Promise.reject(new WebAssembly.CompileError("no exception handling"));', 'no exception handling'],
};
for (const [lacking, [script, logged]] of Object.entries(failures)) {
  test(`with ${lacking}, the window says that this browser cannot run the program`, (t) =>
    b.withPage(t, async (page) => {
      await page.goto(pageWith(script));
      await page.waitFor((text) => document.getElementById('Text1_0').value === text, [cannotRun]);
      assert.equal(await page.run(() => document.querySelector('[aria-live]').textContent), cannotRun);
      await page.clickType(1);
      await page.clickSpecies(2);
      const state = await page.state();
      assert.deepEqual([state.output, state.types, state.species], [cannotRun, [false, false], -1]);
      if (logged && page.errors) assert.deepEqual(page.errors.splice(0).map((e) => e.includes(logged)), [true]);
    }, { load: false }));
}
