'use strict';
// What the page's list does itself where a toolkit's list does it for the
// other windows: a drag held below it scrolls it on, and its focus is drawn
// on it or on its chosen row. The rules every window shares are the C++
// suites' (window_suites_*).

const test = require('node:test');
const assert = require('node:assert/strict');
const b = require('./browser');

test('list: its focus is drawn on the list until a row is chosen, then on that row alone; a drag held below it scrolls '
  + 'it on, and shows the row it ends on once, at the release', (t) => b.withPage(t, async (page) => {
  const focusDrawnOn = () => page.run(() =>
    [document.getElementById('List1_0'), ...document.querySelectorAll('#List1_0 > [role="option"]')]
      .filter((e) => getComputedStyle(e).outlineStyle !== 'none').map((e) => e.id));
  await page.run(() => document.getElementById('List1_0').focus());
  assert.deepEqual(await focusDrawnOn(), ['List1_0']);
  await page.key('ArrowDown');
  assert.deepEqual(await focusDrawnOn(), ['List1_0_0']);

  const list = () => page.run(() => {
    const element = document.getElementById('List1_0');
    const { left, right, bottom } = element.getBoundingClientRect();
    const lastWhole = Math.floor((element.scrollTop + element.clientHeight) / element.firstElementChild.offsetHeight) - 1;
    return { x: (left + right) / 2, bottom, scrollTop: element.scrollTop, lastWhole };
  });
  const before = await list();
  await page.down(...(await page.centre('#List1_0_1')));
  await page.move(before.x, before.bottom + 20);
  await b.pause(500); // held there
  await page.up(before.x, before.bottom + 20);
  await page.expectAnnounced(2); // the key's, and the drag's
  const { species: row, output: text } = await page.state();
  assert.ok(row > before.lastWhole, `row ${row}`);
  assert.ok((await list()).scrollTop > before.scrollTop);
  assert.equal(text, b.outputs.species[row]);
}));
