'use strict';
// Input that comes before the program is ready, answered once it is.

const test = require('node:test');
const assert = require('node:assert/strict');
const b = require('./browser');

// Input while the program is on its way: a click, a key and typing into
// the output box are answered in the order they came, as they would have
// been by a program that was ready.
const early = [
  ['a click, then a key in the list', async (page) => {
    await page.clickSpecies(2);
    await page.key('ArrowDown');
  }, b.outputs.species[3]],
  ['a click, then a line typed into the output box', async (page) => {
    await page.clickSpecies(2);
    await page.press('#Text1_0');
    await page.key('Control+End');
    await page.key('Enter');
    await page.type('бележка');
  }, `${b.outputs.species[2]}\nбележка`],
  ['typing into the output box, then a click', async (page) => {
    await page.press('#Text1_0');
    await page.type('бележка');
    await page.clickSpecies(2);
  }, b.outputs.species[2]],
];

test('input that comes before the program is ready is answered when it is, in order', (t) => b.withPage(t, async (page) => {
  for (const [input, give, output] of early) {
    const server = await b.serve(t, { holds: true });
    await page.goto(`${server.url}ribi.html`);
    await page.waitFor(() => document.querySelector('#MainForm[aria-busy] #List1_0_17'));
    await give(page);
    server.release();
    await page.ready();
    assert.equal((await page.state()).output, output, input);
  }
}, { load: false, early: true }));
