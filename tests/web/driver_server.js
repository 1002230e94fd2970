'use strict';
// The browser window of the shared C++ window suites: one engine
// (RIBI_ENGINE) whose pages tests/web/browser_window.cpp opens and drives.
// Each line on stdin is a call, {"page": n, "call": name, "args": [...]},
// answered by one line on stdout, {"value": ...} or {"error": "..."}. Texts
// go both ways as arrays of UTF-16 code units, which keep a lone surrogate
// a pupil typed; each answer also counts the errors and warnings its page
// logged. The end of stdin closes the engine.

const readline = require('node:readline');
const { engine, desktop, phones, decodePng, open } = require('./open_page');

const fromUnits = (units) => Buffer.from(Uint16Array.from(units).buffer).toString('utf16le');
const toUnits = (key, value) => (typeof value === 'string' ? Array.from(value, (_, i) => value.charCodeAt(i)) : value);
// Text a key cannot give (a lone surrogate, a tab that is not the Tab key,
// a pasted page) goes in as an input method puts it: where the caret is,
// in the output box alone.
// (execCommand would take half a minute over a page of text.)
const insert = (page, text) => page.run((t) => {
  const box = document.activeElement;
  if (box.localName !== 'textarea') return;
  box.setRangeText(t, box.selectionStart, box.selectionEnd, 'end');
  box.dispatchEvent(new InputEvent('input', { bubbles: true, inputType: 'insertText', data: t }));
}, text);

// A point is in the viewport's pixels.
const inputs = {
  // Keys of the pupil's own layout, between what no key gives.
  async type(page, units) {
    for (const run of fromUnits(units).match(/\p{Cs}|\t|[^\p{Cs}\t]+/gu) ?? [])
      await (/^(\p{Cs}|\t)$/u.test(run) ? insert(page, run) : page.type(run));
  },
  insert: (page, units) => insert(page, fromUnits(units)),
};
for (const name of ['click', 'down', 'move', 'up', 'key']) inputs[name] = (page, ...args) => page[name](...args);

// What the suites' checks need that the page cannot give in any engine,
// and what this engine's driver cannot do.
const lacks = {
  otherForms: 'the page holds the program\'s own window, drawn into it when it was built',
  hiddenListItems: 'the page keeps a hidden list\'s items in the program, not in its elements',
  tabRound: 'Tab from the page\'s last stop goes on to the browser\'s own, as on any page',
  ...engine.lacks,
};

// A closed page is kept for the next window, which loads the page afresh
// in it: WebKit's driver starts a browser for each page it opens. A window
// on a phone (its index in `phones`) resizes it.
const pages = [];
const closed = [];
const calls = {
  async open(_none, phone) {
    const page = closed.pop() ?? (await open());
    if (phone !== undefined || page.resized) await page.resize(phones[phone] ?? desktop);
    page.resized = phone !== undefined;
    page.errors?.splice(0);
    await page.load();
    return pages.includes(page) ? pages.indexOf(page) : pages.push(page) - 1;
  },
  close: (page) => { closed.push(page); },
  run: (page, expression) => page.evaluate(expression),
  pixel: async (page, x, y) => decodePng(await page.screenshot()).rgb(x, y),
  lacks: () => lacks,
  state: (page) => page.state(),
};
// Each input answers with what the pupil sees after it.
for (const [name, input] of Object.entries(inputs))
  calls[name] = async (page, ...args) => (await input(page, ...args), page.state());

const lines = readline.createInterface({ input: process.stdin });
lines.on('line', async (line) => {
  const { page, call, args = [] } = JSON.parse(line);
  const answer = await (async () => calls[call](pages[page], ...args))().then(
    (value) => ({ value: value ?? null, errors: pages[page]?.errors?.length ?? 0 }),
    (error) => ({ error: `${call}: ${error.message}` }));
  process.stdout.write(`${JSON.stringify(answer, toUnits)}\n`);
});
lines.on('close', () => engine.quit());
