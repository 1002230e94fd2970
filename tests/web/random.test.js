'use strict';
// Random pupil actions on the real page, with fixed seeds. After every
// action the window must be in a state a pupil could explain: the box
// holding one of the program's outputs or what the pupil typed, and a shown
// species' type marked. A failure prints the shortest sequence of actions
// that still fails.

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
  if (action.kind === 'key') return page.key(action.key);
  if (action.kind === 'type') return page.type(action.text);
  const [x, y] = await page.centre(action.target, action.x, action.y);
  if (action.kind === 'click') return page.click(x, y);
  if (action.kind === 'double click') return page.click(x, y, { count: 2 });
  if (action.kind === 'right click') return page.click(x, y, { button: 'right' });
  if (action.kind === 'wheel') return page.wheel(x, y, action.delta);
  const [toX, toY] = await page.centre(action.target, action.toX, action.toY);
  await page.down(x, y);
  for (let step = 1; step <= 4; step++) await page.move(x + ((toX - x) * step) / 4, y + ((toY - y) * step) / 4);
  return page.up(toX, toY);
}

const known = new Map([[b.outputs.task, { task: true }]]);
b.outputs.species.forEach((text, position) => known.set(text, { position, type: b.expected.speciesTypes[position] }));
b.outputs.listings.forEach((text, type) => known.set(text, { type, listing: true }));

// What is wrong with the window now, or null. `typed` says whether the
// pupil may have typed into the box since its last output.
function fault(state, typed) {
  if (state.types[0] && state.types[1]) return 'both options are selected';
  const output = known.get(state.output);
  if (!output) return typed ? null : 'the box holds text that no click wrote and no pupil typed';
  if (output.position !== undefined && (state.species !== output.position || !state.types[output.type]))
    return `species ${output.position} is shown, but the list or its type mark disagrees`;
  if (output.listing && !state.types[output.type]) return `type ${output.type} is listed but not selected`;
  return null;
}

// Runs `actions` on a fresh load of the page: the index and text of the first fault, or null.
async function run(page, actions) {
  await page.load();
  let typed = false;
  let before = await page.state();
  for (let i = 0; i < actions.length; i++) {
    await perform(page, actions[i]);
    const after = await page.state();
    // Text typed lands in the box (even from outside it, as an input method
    // may put it there); a key only while the box has the focus.
    const typing = actions[i].kind === 'type' || (before.focused === 'Text1_0' && actions[i].kind === 'key');
    if (after.output !== before.output) typed = typing || (typed && !known.has(after.output));
    const problem = fault(after, typed) ?? (page.errors?.length ? page.errors.join('; ') : null);
    if (problem) return { at: i, problem };
    before = after;
  }
  return null;
}

async function shortest(page, actions) {
  let sequence = actions;
  for (let i = 0; i < sequence.length;) {
    const without = sequence.filter((_, j) => j !== i);
    page.errors?.splice(0);
    const failure = await run(page, without);
    if (failure) sequence = without.slice(0, failure.at + 1);
    else i += 1;
  }
  return sequence;
}

for (const seed of seeds) {
  test(`random actions, seed ${seed}`, (t) => b.withPage(t, async (page) => {
    const actions = makeActions(seed);
    const failure = await run(page, actions);
    if (failure) {
      const sequence = await shortest(page, actions.slice(0, failure.at + 1));
      assert.fail(`seed ${seed}: ${failure.problem}; shortest sequence that fails:\n  ` +
        sequence.map(describe).join('\n  '));
    }
  }, { load: false }));
}
