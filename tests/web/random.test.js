'use strict';
// Random pupil actions on the real page, with fixed seeds. After every
// action the window must be in a state a pupil could explain: no handler
// left running, the box holding one of the program's outputs or what the
// pupil typed, kept and shown alike, and a shown species' type marked. A
// failure prints the shortest sequence of actions that still fails.

const test = require('node:test');
const assert = require('node:assert/strict');
const b = require('./browser');

const seeds = [1, 2, 3];
const actionsPerSeed = 70;
const keys = ['Tab', 'Shift+Tab', 'ArrowUp', 'ArrowDown', 'ArrowLeft', 'ArrowRight', 'Home', 'End',
  'PageUp', 'PageDown', 'Space', 'Enter'];
const targets = ['#List1_0', '#Option1_0', '#Option1_1', '#Text1_0', '#Label1_0', '#Frame1_0'];

function random(seed) { // mulberry32
  let state = seed >>> 0;
  return () => {
    state = (state + 0x6d2b79f5) >>> 0;
    let t = state;
    t = Math.imul(t ^ (t >>> 15), t | 1);
    t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
}

function makeActions(seed) {
  const next = random(seed);
  const pick = (list) => list[Math.floor(next() * list.length)];
  const actions = [];
  for (let i = 0; i < actionsPerSeed; i++) {
    const roll = next();
    const at = { target: pick(targets), x: next(), y: next() };
    if (roll < 0.35) actions.push({ kind: 'click', ...at });
    else if (roll < 0.42) actions.push({ kind: 'double click', ...at });
    else if (roll < 0.48) actions.push({ kind: 'right click', ...at });
    else if (roll < 0.55) actions.push({ kind: 'drag', ...at, toX: next(), toY: next() });
    else if (roll < 0.6) actions.push({ kind: 'wheel', target: '#List1_0', x: next(), y: next(), delta: next() < 0.5 ? -60 : 60 });
    else if (roll < 0.9) actions.push({ kind: 'key', key: pick(keys) });
    else actions.push({ kind: 'type', text: pick(['x', 'бележка', 'a b']) });
  }
  return actions;
}

const describe = (a) => {
  const where = a.target ? ` ${a.target} at (${a.x.toFixed(2)}, ${a.y.toFixed(2)})` : '';
  if (a.kind === 'key') return `key ${a.key}`;
  if (a.kind === 'type') return `type "${a.text}"`;
  if (a.kind === 'drag') return `drag${where} to (${a.toX.toFixed(2)}, ${a.toY.toFixed(2)})`;
  if (a.kind === 'wheel') return `wheel ${a.delta}${where}`;
  return `${a.kind}${where}`;
};

async function perform(page, action) {
  if (action.kind === 'key') return page.keyboard.press(action.key);
  if (action.kind === 'type') return page.keyboard.type(action.text);
  const box = await page.locator(action.target).boundingBox();
  const x = box.x + 1 + action.x * (box.width - 2);
  const y = box.y + 1 + action.y * (box.height - 2);
  if (action.kind === 'click') return page.mouse.click(x, y);
  if (action.kind === 'double click') return page.mouse.dblclick(x, y);
  if (action.kind === 'right click') return page.mouse.click(x, y, { button: 'right' });
  if (action.kind === 'wheel') {
    await page.mouse.move(x, y);
    return page.mouse.wheel(0, action.delta);
  }
  await page.mouse.move(x, y);
  await page.mouse.down();
  await page.mouse.move(box.x + 1 + action.toX * (box.width - 2), box.y + 1 + action.toY * (box.height - 2), { steps: 4 });
  return page.mouse.up();
}

const known = new Map([[b.control('Text1_0').text, { task: true }]]);
b.expected.speciesOutputs.forEach((text, position) =>
  known.set(text, { position, type: b.expected.speciesTypes[position] }));
b.expected.typeListings.forEach((text, type) => known.set(text, { type, listing: true }));

// What is wrong with the window now, or null. `typed` says whether the
// pupil may have typed into the box since its last output.
async function fault(page, typed) {
  const state = await page.evaluate(() => ({
    guard: Module.mainWindow.guard(),
    kept: Module.mainWindow.outputText(),
    shown: document.getElementById('Text1_0').value,
    species: Module.mainWindow.speciesShown(),
    checked: [0, 1].map((i) => document.querySelector(`#Option1_${i} input`).checked),
  }));
  if (state.guard !== 0) return `ClickGuard is ${state.guard}`;
  if (b.withLf(state.kept) !== state.shown) return 'the kept Text and the textarea differ';
  if (state.checked[0] && state.checked[1]) return 'both options are selected';
  const output = known.get(state.kept);
  if (!output) return typed ? null : 'the box holds text that no click wrote and no pupil typed';
  if (output.position !== undefined && (state.species !== output.position || !state.checked[output.type]))
    return `species ${output.position} is shown, but the list or its type mark disagrees`;
  if (output.listing && !state.checked[output.type]) return `type ${output.type} is listed but not selected`;
  return null;
}

// Runs `actions` on a fresh page: the index and text of the first fault, or null.
async function run(page, errors, actions) {
  await b.load(page);
  let typed = false;
  for (let i = 0; i < actions.length; i++) {
    const before = await b.kept(page);
    const inBox = (await b.focused(page)) === 'Text1_0';
    await perform(page, actions[i]);
    const after = await b.kept(page);
    // Text typed lands in the box (even from outside it, as an input method
    // may put it there); a key only while the box has the focus.
    const typing = actions[i].kind === 'type' || (inBox && actions[i].kind === 'key');
    if (after !== before) typed = typing || (typed && !known.has(after));
    const problem = (await fault(page, typed)) ?? (errors.length ? errors.join('; ') : null);
    if (problem) return { at: i, problem };
  }
  return null;
}

async function shortest(page, errors, actions) {
  let sequence = actions;
  for (let i = 0; i < sequence.length;) {
    const without = sequence.filter((_, j) => j !== i);
    errors.length = 0;
    const failure = await run(page, errors, without);
    if (failure) sequence = without.slice(0, failure.at + 1);
    else i += 1;
  }
  return sequence;
}

for (const seed of seeds) {
  test(`random actions, seed ${seed}`, async (t) => {
    const browser = await b.openBrowser();
    t.after(() => browser.close());
    const actions = makeActions(seed);
    const failure = await run(browser.page, browser.errors, actions);
    if (failure) {
      const sequence = await shortest(browser.page, browser.errors, actions.slice(0, failure.at + 1));
      assert.fail(`seed ${seed}: ${failure.problem}; shortest sequence that fails:\n  ` +
        sequence.map(describe).join('\n  '));
    }
  });
}
