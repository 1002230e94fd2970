'use strict';
// When a click reaches the handlers, by mouse and keyboard: the rules the
// other windows are tested for, with real input events.

const test = require('node:test');
const assert = require('node:assert/strict');
const b = require('./browser');

const species = b.outputs.species;
const listings = b.outputs.listings;
const shown = async (page) => (await page.state()).species;
const output = async (page) => (await page.state()).output;
const focused = async (page) => (await page.state()).focused;
const types = async (page) => (await page.state()).types;
// Where a keyboard user sees the list's focus: the list itself, or the row
// that draws it.
const focusDrawnOn = (page) => page.run(() =>
  [document.getElementById('List1_0'), ...document.querySelectorAll('#List1_0 > [role="option"]')]
    .filter((e) => getComputedStyle(e).outlineStyle !== 'none').map((e) => e.id));

test('list: a press on an item, even the selected one, shows it; right presses select nothing', (t) =>
  b.withPage(t, async (page) => {
    await page.clickSpecies(2);
    await page.expectAnnounced(1);
    assert.equal(await shown(page), 2);

    await page.press('#Text1_0');
    await page.type('x');
    await page.clickSpecies(2);
    await page.expectAnnounced(2);
    assert.equal(await output(page), species[2]);

    if (b.can(t, 'rightClick')) {
      await page.clickSpecies(3, { button: 'right' });
      await page.expectAnnounced(2);
      assert.equal(await shown(page), 2);
    }

    await page.clickSpecies(4, { count: 2 });
    await page.expectAnnounced(3); // one output for a double click
    assert.equal(await shown(page), 4);
    assert.equal(await output(page), species[4]);
  }));

test('list: a drag follows the pointer and shows the item it ends on once, at the release', (t) =>
  b.withPage(t, async (page) => {
    await page.down(...(await page.centre('#List1_0_0')));
    let to;
    for (const item of [1, 2, 3]) {
      to = await page.centre(`#List1_0_${item}`);
      await page.move(...to);
      assert.equal(await shown(page), item);
    }
    const listLeft = await page.run(() => document.getElementById('List1_0').getBoundingClientRect().left);
    await page.move(listLeft - 3, to[1]); // off the list: the release is the page's
    await page.expectAnnounced(0);
    assert.equal(await output(page), b.outputs.task);
    await page.up(listLeft - 3, to[1]);
    await page.expectAnnounced(1);
    assert.equal(await shown(page), 3);
    assert.equal(await output(page), species[3]);
    assert.deepEqual(await types(page), [false, true]);
  }));

test('list: a drag held below the list scrolls it on, and shows the row it ends on once, at the release', (t) =>
  b.withPage(t, async (page) => {
    const list = () => page.run(() => {
      const element = document.getElementById('List1_0');
      const { left, right, bottom } = element.getBoundingClientRect();
      const lastWhole = Math.floor((element.scrollTop + element.clientHeight) / element.firstElementChild.offsetHeight) - 1;
      return { x: (left + right) / 2, bottom, scrollTop: element.scrollTop, lastWhole };
    });
    const before = await list();
    await page.down(...(await page.centre('#List1_0_1')));
    await page.move(before.x, before.bottom + 20);
    await new Promise((resolve) => setTimeout(resolve, 500)); // held there
    await page.up(before.x, before.bottom + 20);
    await page.expectAnnounced(1);
    const { species: row, output: text } = await page.state();
    assert.ok(row > before.lastWhole, `row ${row}`);
    assert.ok((await list()).scrollTop > before.scrollTop);
    assert.equal(text, species[row]);
  }));

test('keyboard: Tab visits the output box, the option group and the list; focus shows nothing', (t) =>
  b.withPage(t, async (page) => {
    const visits = [['Tab', 'Option1_0'], ['Tab', 'List1_0'], ['Shift+Tab', 'Option1_0'], ['Shift+Tab', 'Text1_0'],
      ['Tab', 'Option1_0'], ['Tab', 'List1_0'], ['Shift+Tab', 'Option1_0']]; // from the list back to the group's first option
    assert.equal(await focused(page), 'Text1_0');
    for (const [key, to] of visits) {
      await page.key(key);
      assert.equal(await focused(page), to, `${key} to ${to}`);
    }
    await page.expectAnnounced(0);
    assert.equal(await output(page), b.outputs.task);

    await page.clickType(1); // the group's tab stop is now the selected option
    await page.focus('#Text1_0');
    await page.key('Tab');
    assert.equal(await focused(page), 'Option1_1');
  }));

test('keyboard: arrows, page keys and letters in the list show the species moved to', (t) =>
  b.withPage(t, async (page) => {
    await page.key('Tab');
    await page.key('Tab');
    assert.deepEqual(await focusDrawnOn(page), ['List1_0']); // no row chosen yet
    // Each output is announced before the next key: outputs that come
    // faster than that are announced as the last of them alone.
    const steps = [['ArrowDown', 0], ['ArrowDown', 1], ['ArrowUp', 0], ['ArrowUp', 0]]; // from no selection to the first; at the top, nothing
    for (const [announced, [key, position]] of steps.entries()) {
      await page.key(key);
      assert.equal(await output(page), species[position], key);
      await page.expectAnnounced(Math.min(announced + 1, 3));
    }
    assert.deepEqual(await focusDrawnOn(page), ['List1_0_0']);
    await page.key('End');
    assert.equal(await shown(page), species.length - 1);
    assert.equal(await output(page), species[species.length - 1]);
    assert.deepEqual(await types(page), [true, false]);
    await page.key('Home');
    assert.equal(await shown(page), 0);
    await page.key('PageDown');
    assert.ok((await shown(page)) > 1);
    const names = b.control('List1_0').items;
    await page.key(names[12][0]); // a Cyrillic letter: the next name with it
    assert.equal(await shown(page), names.findIndex((n) => n[0] === names[12][0]));
    assert.equal(await focused(page), 'List1_0'); // announced without moving the focus
  }));

test('keyboard: Space and arrows in the option group list a type, round the group', (t) =>
  b.withPage(t, async (page) => {
    await page.key('Tab');
    const steps = [['Space', 0], ['ArrowDown', 1], ['ArrowDown', 0], ['ArrowLeft', 1]]; // down from the last: round to the first
    for (const [announced, [key, type]] of steps.entries()) {
      await page.key(key);
      const state = await page.state();
      assert.deepEqual([state.output, state.types, state.focused], [listings[type], [type === 0, type === 1], `Option1_${type}`], key);
      await page.expectAnnounced(announced + 1);
    }
    assert.equal(await shown(page), -1);
  }));

test('options: the nested click of a species is ignored, a user click on the marked type lists it', (t) =>
  b.withPage(t, async (page) => {
    const catfish = 9;
    await page.clickSpecies(catfish);
    assert.equal(await output(page), species[catfish]); // the nested option click left no listing
    const type = b.expected.speciesTypes[catfish];
    assert.equal((await types(page))[type], true);

    await page.clickType(type);
    assert.equal(await output(page), listings[type]);

    if (b.can(t, 'rightClick')) {
      await page.clickType(1 - type, { button: 'right' });
      assert.equal((await types(page))[1 - type], false);
      assert.equal(await output(page), listings[type]);
    }

    // Anywhere in the option's rectangle counts, its circle too.
    await page.press(`#Option1_${1 - type} input`);
    assert.equal(await output(page), listings[1 - type]);
    await page.click(...(await page.centre(`#Option1_${type}`, 0.99)));
    assert.equal(await output(page), listings[type]);
  }));

test('output box: each output is shown from its top', (t) =>
  b.withPage(t, async (page) => {
    await page.clickType(1);
    const box = () => page.run(() => {
      const { scrollTop, scrollHeight, clientHeight, selectionStart } = document.getElementById('Text1_0');
      return { scrollTop, overflows: scrollHeight > clientHeight, selectionStart };
    });
    assert.equal((await box()).overflows, true); // the listing does not fit
    await page.run(() => { const e = document.getElementById('Text1_0'); e.scrollTop = e.scrollHeight; });
    await page.clickType(0);
    assert.deepEqual(await box(), { scrollTop: 0, overflows: true, selectionStart: 0 });
  }));

// However many lines a click writes (a listing is a write per line, a
// species click holds its option's Click), the box is written and the
// output announced once.
test('output box: each click writes it once and announces it once', (t) =>
  b.withPage(t, async (page) => {
    await page.run(() => {
      const box = document.getElementById('Text1_0');
      const { get, set } = Object.getOwnPropertyDescriptor(HTMLTextAreaElement.prototype, 'value');
      window.boxWrites = 0;
      Object.defineProperty(box, 'value', { get, set(text) { window.boxWrites += 1; set.call(this, text); } });
    });
    const writes = () => page.run(() => window.boxWrites);
    await page.clickType(1);
    await page.expectAnnounced(1);
    assert.equal(await writes(), 1);
    await page.clickSpecies(9);
    await page.expectAnnounced(2);
    assert.equal(await writes(), 2);
  }));

test('output box: Tab back into it selects nothing, and a key goes in at the caret', (t) =>
  b.withPage(t, async (page) => {
    await page.clickType(0);
    await page.press('#Text1_0');
    // Round the window's three stops, and the browser's own where it has any.
    for (let tabs = 1; tabs <= 4; tabs++) {
      await page.key('Tab');
      if ((await focused(page)) === 'Text1_0') break;
    }
    assert.equal(await focused(page), 'Text1_0');
    const [start, end] = await page.run(() => {
      const box = document.getElementById('Text1_0');
      return [box.selectionStart, box.selectionEnd];
    });
    assert.equal(start, end);
    await page.type('ж');
    assert.equal(await output(page), listings[0].slice(0, start) + 'ж' + listings[0].slice(start));
  }));
