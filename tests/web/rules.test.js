'use strict';
// When a click reaches the handlers, by mouse and keyboard: the rules the
// other windows are tested for, with real input events.

const test = require('node:test');
const assert = require('node:assert/strict');
const b = require('./browser');

const species = b.expected.speciesOutputs;
const listings = b.expected.typeListings;

async function centreOf(page, selector) {
  const box = await page.locator(selector).boundingBox();
  return { x: box.x + box.width / 2, y: box.y + box.height / 2, box };
}

test('list: a press on an item, even the selected one, shows it; right presses select nothing', (t) =>
  b.withPage(t, async (page) => {
    await b.clickSpecies(page, 2);
    await b.expectAnnounced(page, 1);
    assert.equal(await b.listIndex(page), 2);

    await page.locator('#Text1_0').click();
    await page.keyboard.type('x');
    await b.clickSpecies(page, 2);
    await b.expectAnnounced(page, 2);
    assert.equal(await b.kept(page), species[2]);

    await b.clickSpecies(page, 3, { button: 'right' });
    await b.expectAnnounced(page, 2);
    assert.equal(await b.listIndex(page), 2);

    await page.locator('#List1_0_4').dblclick();
    await b.expectAnnounced(page, 3); // one output for a double click
    assert.equal(await b.listIndex(page), 4);
    assert.equal(await b.kept(page), species[4]);
    assert.equal(await b.guard(page), 0);
  }));

test('list: a drag shows each item it passes and ends on the one it ends on', (t) =>
  b.withPage(t, async (page) => {
    // Item by item, each announced before the pointer moves on, as a
    // pupil's hand is slower than the page.
    const from = await centreOf(page, '#List1_0_0');
    await page.mouse.move(from.x, from.y);
    await page.mouse.down();
    await b.expectAnnounced(page, 1);
    for (const item of [1, 2, 3]) {
      const to = await centreOf(page, `#List1_0_${item}`);
      await page.mouse.move(to.x, to.y, { steps: 2 });
      await b.expectAnnounced(page, item + 1);
    }
    await page.mouse.up();
    assert.equal(await b.listIndex(page), 3);
    assert.equal(await b.kept(page), species[3]);
    await b.expectAnnounced(page, 4); // items 0, 1, 2, 3, and no more on release
    assert.equal(await b.typeSelected(page, 1), true);
  }));

test('keyboard: Tab visits the output box, the option group and the list; focus shows nothing', (t) =>
  b.withPage(t, async (page) => {
    assert.equal(await b.focused(page), 'Text1_0');
    await page.keyboard.press('Tab');
    assert.equal(await b.focused(page), 'Option1_0');
    await page.keyboard.press('Tab');
    assert.equal(await b.focused(page), 'List1_0');
    await page.keyboard.press('Shift+Tab');
    assert.equal(await b.focused(page), 'Option1_0');
    await page.keyboard.press('Shift+Tab');
    assert.equal(await b.focused(page), 'Text1_0');
    await page.keyboard.press('Tab');
    await page.keyboard.press('Tab');
    await page.keyboard.press('Shift+Tab'); // from the list back to the group's first option
    assert.equal(await b.focused(page), 'Option1_0');
    await b.expectAnnounced(page, 0);
    assert.equal(await b.kept(page), b.control('Text1_0').text);

    await b.clickType(page, 1); // the group's tab stop is now the selected option
    await page.locator('#Text1_0').focus();
    await page.keyboard.press('Tab');
    assert.equal(await b.focused(page), 'Option1_1');
  }));

test('keyboard: arrows, page keys and letters in the list show the species moved to', (t) =>
  b.withPage(t, async (page) => {
    await page.keyboard.press('Tab');
    await page.keyboard.press('Tab');
    // Each output is announced before the next key: outputs that come
    // faster than that are announced as the last of them alone.
    await page.keyboard.press('ArrowDown'); // from no selection to the first species
    assert.equal(await b.kept(page), species[0]);
    await b.expectAnnounced(page, 1);
    await page.keyboard.press('ArrowDown');
    assert.equal(await b.kept(page), species[1]);
    await b.expectAnnounced(page, 2);
    await page.keyboard.press('ArrowUp');
    assert.equal(await b.kept(page), species[0]);
    await b.expectAnnounced(page, 3);
    await page.keyboard.press('ArrowUp'); // at the top already: nothing
    await b.expectAnnounced(page, 3);
    await page.keyboard.press('End');
    assert.equal(await b.listIndex(page), species.length - 1);
    assert.equal(await b.kept(page), species[species.length - 1]);
    assert.equal(await b.typeSelected(page, 0), true);
    await page.keyboard.press('Home');
    assert.equal(await b.listIndex(page), 0);
    await page.keyboard.press('PageDown');
    assert.ok((await b.listIndex(page)) > 1);
    const names = b.control('List1_0').items;
    await b.pressLetter(page, names[12][0]); // the next name with that letter
    assert.equal(await b.listIndex(page), names.findIndex((n) => n[0] === names[12][0]));
    assert.equal(await b.focused(page), 'List1_0'); // announced without moving the focus
    assert.equal(await b.guard(page), 0);
  }));

test('keyboard: Space and arrows in the option group list a type, round the group', (t) =>
  b.withPage(t, async (page) => {
    await page.keyboard.press('Tab');
    await page.keyboard.press('Space');
    assert.equal(await b.kept(page), listings[0]);
    await b.expectAnnounced(page, 1);
    await page.keyboard.press('ArrowDown');
    assert.equal(await b.typeSelected(page, 1), true);
    assert.equal(await b.focused(page), 'Option1_1');
    assert.equal(await b.kept(page), listings[1]);
    await b.expectAnnounced(page, 2);
    await page.keyboard.press('ArrowDown'); // round to the first option
    assert.equal(await b.typeSelected(page, 0), true);
    await b.expectAnnounced(page, 3);
    await page.keyboard.press('ArrowLeft');
    assert.equal(await b.typeSelected(page, 1), true);
    await b.expectAnnounced(page, 4);
    assert.equal(await b.listIndex(page), -1);
  }));

test('options: the nested click of a species is ignored, a user click on the marked type lists it', (t) =>
  b.withPage(t, async (page) => {
    const catfish = 9;
    await b.clickSpecies(page, catfish);
    assert.equal(await b.kept(page), species[catfish]); // the nested option click left no listing
    const type = b.expected.speciesTypes[catfish];
    assert.equal(await b.typeSelected(page, type), true);

    await b.clickType(page, type);
    assert.equal(await b.kept(page), listings[type]);

    await b.clickType(page, 1 - type, { button: 'right' });
    assert.equal(await b.typeSelected(page, 1 - type), false);
    assert.equal(await b.kept(page), listings[type]);

    // Anywhere in the option's rectangle counts, its circle too.
    const circle = await page.locator(`#Option1_${1 - type} input`).boundingBox();
    await page.mouse.click(circle.x + circle.width / 2, circle.y + circle.height / 2);
    assert.equal(await b.kept(page), listings[1 - type]);
    const edge = await page.locator(`#Option1_${type}`).boundingBox();
    await page.mouse.click(edge.x + edge.width - 3, edge.y + edge.height / 2);
    assert.equal(await b.kept(page), listings[type]);
    assert.equal(await b.guard(page), 0);
  }));

test('output box: each output is shown from its top', (t) =>
  b.withPage(t, async (page) => {
    await b.clickType(page, 1);
    const box = page.locator('#Text1_0');
    assert.ok(await box.evaluate((e) => e.scrollHeight > e.clientHeight)); // the listing does not fit
    await box.evaluate((e) => { e.scrollTop = e.scrollHeight; });
    await b.clickType(page, 0);
    assert.equal(await box.evaluate((e) => e.scrollTop), 0);
    assert.equal(await box.evaluate((e) => e.selectionStart), 0);
  }));
