'use strict';
// Every text the window shows, byte for byte, after real clicks, and input
// that comes before the program is ready, answered once it is.

const test = require('node:test');
const assert = require('node:assert/strict');
const b = require('./browser');

test('the page shows the same texts as the other windows', (t) => b.withPage(t, async (page) => {
  await t.test('first view: the task statement, nothing selected, nothing run', async () => {
    assert.deepEqual(await page.state(), { output: b.outputs.task, species: -1, types: [false, false],
      focused: 'Text1_0', announced: 0 });
  });

  await t.test('each species: its output, its type marked, announced once', async () => {
    for (const [position, output] of b.outputs.species.entries()) {
      await page.clickSpecies(position);
      const types = [0, 1].map((type) => type === b.expected.speciesTypes[position]);
      const { focused, announced, ...shown } = await page.state();
      assert.deepEqual(shown, { output, species: position, types }, b.control('List1_0').items[position]);
      await page.expectAnnounced(position + 1);
    }
  });

  await t.test('each type: the listing of its species', async () => {
    for (const type of [1, 0]) {
      await page.clickType(type);
      const { output, types } = await page.state();
      assert.deepEqual({ output, types }, { output: b.outputs.listings[type], types: [type === 0, type === 1] });
    }
  });

  await t.test('what the pupil types stays until the next click', async () => {
    await page.press('#Text1_0');
    await page.key('Control+End');
    await page.key('Enter');
    await page.type('бележка');
    assert.equal((await page.state()).output, `${b.outputs.listings[0]}\nбележка`);
    await page.clickSpecies(0);
    assert.equal((await page.state()).output, b.outputs.species[0]);
  });
}));

// Input while the program is on its way: a click, a key and typing into
// the output box are answered in the order they came, as they would have
// been by a program that was ready.
const early = [
  ['a click', (page) => page.clickSpecies(2), b.outputs.species[2]],
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
    const server = await b.servePage(t, { holds: true });
    await page.goto(server.url);
    await page.waitFor(() => document.querySelector('#MainForm[aria-busy] #List1_0_17'));
    await give(page);
    server.release();
    await page.ready();
    assert.equal((await page.state()).output, output, input);
  }
}, { load: false, early: true }));
