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

// Once the window is parsed: notes, at the first press, whether the program was still starting.
function watchFirstPress() {
  if (!document.getElementById('List1_0_2')) return false;
  window.addEventListener('mousedown', () => { window.busyAtPress ??= !!document.querySelector('#MainForm[aria-busy]'); }, true);
  return true;
}

// Where the engine can slow the page down, until the click did come
// while the program was starting (a few tries: the two race).
test('a click that comes before the program is ready is answered when it is', (t) => b.withPage(t, async (page) => {
  const slow = b.can(t, 'slowDown');
  if (slow) await page.slowDown(50);
  for (let attempt = 1; ; attempt++) {
    await page.goto(b.pageUrl, { early: true });
    await page.waitFor(watchFirstPress);
    await page.clickSpecies(2);
    if (!slow || (await page.run(() => window.busyAtPress)) || attempt === 3) break;
  }
  if (slow) {
    assert.equal(await page.run(() => window.busyAtPress), true, 'the program was ready before the click');
    await page.slowDown(1);
  }
  await page.ready();
  await page.waitFor((text) => document.getElementById('Text1_0').value === text, [b.outputs.species[2]], 5000)
    .catch(() => {});
  assert.equal((await page.state()).output, b.outputs.species[2]);
}, { load: false }));
