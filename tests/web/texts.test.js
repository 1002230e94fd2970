'use strict';
// Every text the window shows, byte for byte: the Text the binding keeps
// (CR LF) and what the textarea shows (LF), after real clicks.

const test = require('node:test');
const assert = require('node:assert/strict');
const b = require('./browser');

const taskStatement = b.control('Text1_0').text;

test('the page shows the same texts as the other windows', (t) => b.withPage(t, async (page) => {
  await t.test('first view: the task statement, nothing selected, nothing run', async () => {
    assert.equal(await b.kept(page), taskStatement);
    assert.equal(await b.shown(page), b.withLf(taskStatement));
    assert.equal(await b.listIndex(page), -1);
    assert.equal(await b.typeSelected(page, 0), false);
    assert.equal(await b.typeSelected(page, 1), false);
    assert.equal(await b.guard(page), 0);
    await b.expectAnnounced(page, 0);
  });

  await t.test('each species: its output, its type marked, no listing left behind', async () => {
    for (let position = 0; position < b.expected.speciesOutputs.length; position++) {
      await b.clickSpecies(page, position);
      const output = b.expected.speciesOutputs[position];
      const type = b.expected.speciesTypes[position];
      const name = b.control('List1_0').items[position];
      assert.equal(await b.kept(page), output, name);
      assert.ok(output.includes('\r\n'), name);
      assert.equal(await b.shown(page), b.withLf(output), name);
      assert.equal(await b.typeSelected(page, type), true, name);
      assert.equal(await b.typeSelected(page, 1 - type), false, name);
      assert.equal(await b.listIndex(page), position, name);
      assert.equal(await b.guard(page), 0, name);
      await b.expectAnnounced(page, position + 1); // one output per click
    }
  });

  await t.test('each type: the listing of its species', async () => {
    for (const type of [1, 0]) {
      await b.clickType(page, type);
      assert.equal(await b.kept(page), b.expected.typeListings[type]);
      assert.equal(await b.shown(page), b.withLf(b.expected.typeListings[type]));
      assert.equal(await b.typeSelected(page, type), true);
      assert.equal(await b.guard(page), 0);
    }
  });

  await t.test('what the pupil types is kept with CR LF and discarded by the next click', async () => {
    await page.locator('#Text1_0').click();
    await page.keyboard.press('Control+End');
    await page.keyboard.press('Enter');
    await page.keyboard.type('бележка');
    assert.equal(await b.kept(page), `${b.expected.typeListings[0]}\r\nбележка`);
    await b.clickSpecies(page, 0);
    assert.equal(await b.kept(page), b.expected.speciesOutputs[0]);
  });
}));
