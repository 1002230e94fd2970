'use strict';
// The driver every browser test uses: one engine per run (RIBI_ENGINE:
// chromium, firefox or webkit), each through its adapter in engines/. An
// adapter opens a page of a given size, with touch or a dark scheme (and, in
// Chromium, with a profile on disk rather than an incognito one), or early
// (its goto returns once the new document has begun, loaded or not), and
// offers goto, evaluate (an expression), click, mouse down, move and up,
// and tap at points, key and type (a Cyrillic letter too), resize,
// a PNG screenshot, and the console errors and requests it saw (null where
// the engine cannot tell). What it cannot do at all it names in `lacks`,
// with the reason; the tests skip that one check there. Everything else is
// written here, once, on top of them.

const assert = require('node:assert/strict');
const fs = require('node:fs');
const path = require('node:path');
const { pathToFileURL } = require('node:url');
const { PNG } = require('playwright-core/lib/utilsBundle');

const engineName = process.env.RIBI_ENGINE || 'chromium';
const engine = require(`./engines/${engineName}`);
const pageUrl = pathToFileURL(process.env.RIBI_PAGE).href;
const desktop = { width: 1024, height: 768 };
const phones = [{ width: 360, height: 640 }, { width: 640, height: 360 }];
const pause = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

// A PNG's pixels, by the reader that comes with Playwright.
function decodePng(buffer) {
  const { width, height, data } = PNG.sync.read(buffer);
  const at = (x, y) => (Math.round(y) * width + Math.round(x)) * 4;
  return { width, height, rgb: (x, y) => [...data.subarray(at(x, y), at(x, y) + 3)] };
}

// What a pupil sees: the output box's text, the row shown, the types
// marked, where the focus is, and how many outputs were announced; and
// what the page helpers of the C++ driver (browser_window.cpp) add.
function readState() {
  const rows = [...document.querySelectorAll('#List1_0 > [role="option"]')];
  const focus = document.activeElement;
  return {
    output: document.getElementById('Text1_0').value,
    species: rows.findIndex((row) => row.getAttribute('aria-selected') === 'true'),
    types: [0, 1].map((i) => document.querySelector(`#Option1_${i} input`).checked),
    focused: focus.closest('label[id]')?.id ?? focus.id,
    announced: window.announced,
    ...window.ribi?.state(),
  };
}

function countAnnouncements() {
  window.announced = 0;
  const count = new MutationObserver((changes) => {
    for (const change of changes) if (change.target.textContent !== '') window.announced += 1;
  });
  for (const region of document.querySelectorAll('[aria-live]')) count.observe(region, { childList: true });
}

let axeSource = null;

async function open({ width, height, touch = false, dark = false, profile = false, early = false } = desktop) {
  const page = await engine.open({ width, height, touch, dark, profile, early });
  const run = (fn, ...args) => page.evaluate(`(${fn})(...${JSON.stringify(args)})`);
  // A script that fails, as one may while a document replaces another, is
  // tried again; what it answers counts as true or false, as an element
  // cannot come back from every engine.
  async function waitFor(fn, args = [], timeout = 10000) {
    let failure = '';
    const holds = () => page.evaluate(`!!(${fn})(...${JSON.stringify(args)})`).catch((error) => { failure = error.message; });
    for (const start = Date.now(); !(await holds()); await pause(20))
      if (Date.now() - start > timeout) throw new Error(`${engineName}: timed out waiting for ${fn} ${failure}`);
  }
  const state = () => run(readState);
  // Two clicks at one point are a double click in some engines whatever
  // the driver says, unless the system's double-click time lies between them.
  const engineClick = page.click;
  let last = { x: -1, y: -1, at: 0 };
  async function click(x, y, options) {
    const wait = Math.hypot(x - last.x, y - last.y) < 5 ? last.at + 600 - Date.now() : 0;
    if (wait > 0 && !(options?.count > 1)) await pause(wait);
    await engineClick(x, y, options);
    last = { x, y, at: Date.now() };
  }
  return Object.assign(page, {
    run, waitFor, state, click,
    ready: () => waitFor(() => document.getElementById('MainForm') && !document.querySelector('#MainForm[aria-busy]')),
    // Loads the page and waits until the program has taken over its window.
    async load(url = pageUrl) {
      await page.goto(url);
      await page.ready();
      await run(countAnnouncements);
    },
    // The middle of the element, scrolled into view inside its list first,
    // as the pupil would.
    centre: (selector) => run((s) => {
      const element = document.querySelector(s);
      element.scrollIntoView({ block: 'nearest' });
      const box = element.getBoundingClientRect();
      return [box.left + box.width / 2, box.top + box.height / 2];
    }, selector),
    press: async (selector, options) => click(...(await page.centre(selector)), options),
    // A tap's mouse events may come after the driver's tap has returned
    // (Firefox's do, on a busy machine): the tap is done once its click is.
    async touch(selector) {
      const at = await page.centre(selector);
      await run(() => addEventListener('click', () => { window.tapped = true; }, { capture: true, once: true }));
      await page.tap(...at);
      await waitFor(() => window.tapped);
      await run(() => { delete window.tapped; });
    },
    clickSpecies: (position) => page.press(`#List1_0_${position}`),
    clickType: (index) => page.press(`#Option1_${index}`),
    // Outputs are announced in a task after the click's; on a busy machine
    // later still: wait a while for the count expected before comparing.
    async expectAnnounced(count) {
      await waitFor((n) => window.announced >= n, [count], 5000).catch(() => {});
      await run(() => new Promise((resolve) => setTimeout(resolve, 0)));
      assert.equal((await state()).announced, count);
    },
    // The viewport's pixels, kept as RIBI_SHOTS/ENGINE-WxH[label].png when asked for.
    async shot(label = '') {
      const png = await page.screenshot();
      if (process.env.RIBI_SHOTS) {
        const size = await run(() => `${innerWidth}x${innerHeight}`);
        fs.mkdirSync(process.env.RIBI_SHOTS, { recursive: true });
        fs.writeFileSync(path.join(process.env.RIBI_SHOTS, `${engineName}-${size}${label}.png`), png);
      }
      return decodePng(png);
    },
    // axe-core's rules, all but those of WCAG's AAA level (the window keeps
    // its colours), on the page as it is now: the violations found, and the
    // texts whose contrast it read.
    async audit() {
      axeSource ??= fs.readFileSync(require.resolve('axe-core/axe.min.js'), 'utf8');
      if (!(await run(() => typeof axe !== 'undefined'))) await page.evaluate(`(() => { ${axeSource}; return 1; })()`);
      return run(async () => {
        const rules = Object.fromEntries(axe.getRules().map(({ ruleId, tags }) => [ruleId, { enabled: !tags.includes('wcag2aaa') }]));
        const { violations, passes } = await axe.run(document, { rules });
        return { violations: violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`),
          // Each as its id, or its parent's id and its tag.
          contrastChecked: (passes.find((p) => p.id === 'color-contrast')?.nodes ?? []).map((n) => {
            const element = document.querySelector(n.target[0]);
            return element.id || `${element.parentElement.closest('[id]').id} ${element.localName}`;
          }) };
      });
    },
  });
}

module.exports = { engine, engineName, pageUrl, desktop, phones, pause, decodePng, open };
