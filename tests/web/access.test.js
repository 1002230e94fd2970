'use strict';
// What a screen reader and an audit get: every control's role and name
// (from Chromium's accessibility tree), each output announced by a polite
// live region, again when it repeats, axe-core's rules at a desktop's and a
// phone's size, in the light and the dark scheme, and the page as built.

const test = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const b = require('./browser');

const catfish = 9;

function readTree(nodes) {
  const shown = nodes.filter((n) => !n.ignored);
  const byId = new Map(nodes.map((n) => [n.nodeId, n]));
  const property = (node, name) => node.properties?.find((p) => p.name === name)?.value?.value;
  const named = (role, name) => shown.filter((n) => n.role?.value === role && n.name?.value === name);
  const withRole = (role) => shown.filter((n) => n.role?.value === role);
  // The text of a node's subtree, one entry per line.
  const texts = (node) => (node.role?.value === 'StaticText' ? [node.name.value] : [])
    .concat(...(node.childIds ?? []).map((child) => texts(byId.get(child))));
  return { property, named, withRole, texts };
}

test('a screen reader gets every control and each output', (t) => b.withPage(t, async (page) => {
  await t.test('every control has its role and name; the hidden lists are not there', { skip: !b.can(t, 'accessibilityTree') }, async () => {
    const tree = readTree(await page.accessibilityTree());
    const names = b.control('List1_0');
    assert.equal(tree.named('textbox', b.control('Text1_0').accessibleName).length, 1);
    assert.equal(tree.named('group', b.control('Frame1_0').text).length, 1);
    for (const index of [0, 1]) {
      const [radio] = tree.named('radio', b.control(`Option1_${index}`).text);
      assert.equal(tree.property(radio, 'checked'), 'false', `Option1_${index}`);
    }
    assert.equal(tree.withRole('listbox').length, 1);
    assert.equal(tree.named('listbox', names.accessibleName).length, 1);
    assert.deepEqual(tree.withRole('option').map((n) => n.name.value), names.items); // no type codes, no descriptions
    assert.equal(tree.withRole('heading').length, 1);
    assert.equal(tree.withRole('main').length, 1);
  });

  await t.test('an output is announced politely, without moving the focus, and again when repeated', async () => {
    const regions = () => page.run(() => [...document.querySelectorAll('[aria-live]')]
      .map((r) => [r.getAttribute('aria-live'), r.getAttribute('role'), r.textContent]));
    await page.clickSpecies(catfish);
    await page.expectAnnounced(1);
    const first = await regions();
    await page.clickSpecies(catfish);
    await page.expectAnnounced(2);
    const second = await regions();
    const output = b.outputs.species[catfish];
    // The same text goes to the other region: a screen reader hears it twice.
    assert.deepEqual(first.map(([live, role]) => [live, role]), [['polite', 'status'], ['polite', 'status']]);
    assert.deepEqual(first.map(([, , text]) => text).filter((text) => text !== ''), [output]);
    assert.deepEqual(second.map(([, , text]) => text).filter((text) => text !== ''), [output]);
    assert.notDeepEqual(first, second);
    assert.equal((await page.state()).focused, 'List1_0');
    if (b.can(t, 'accessibilityTree')) {
      const tree = readTree(await page.accessibilityTree());
      const spoken = tree.withRole('status').map((region) => tree.texts(region).join('\n')).filter((text) => text !== '');
      assert.deepEqual(spoken, [output]); // line by line, in one region
      const [marked] = tree.named('radio', b.control(`Option1_${b.expected.speciesTypes[catfish]}`).text);
      assert.equal(tree.property(marked, 'checked'), 'true');
    }
  });
}));

// The texts axe-core's contrast rule must have read, none left out as
// undecidable: each by its id, or its parent's id and its tag; a list row.
const texts = ['Text1_0', 'Label1_0', 'Label1_1', 'List1_0_', 'Option1_0 span', 'Option1_1 span', 'Frame1_0 legend'];

for (const [name, options] of [['a desktop', b.desktop], ['a phone', { ...b.phones[0], touch: true }],
  ['a desktop, dark scheme', { ...b.desktop, dark: true }]]) {
  test(`axe-core finds nothing on ${name}: first view, after a species, after a type`, (t) => b.withPage(t, async (page) => {
    for (const [view, act] of [['first view', () => {}], ['a species', () => page.clickSpecies(catfish)],
      ['a type', () => page.clickType(1)]]) {
      await act();
      const { violations, contrastChecked } = await page.audit();
      assert.deepEqual(violations, [], view);
      if (b.can(t, 'contrastOfEveryText'))
        assert.deepEqual(texts.filter((s) => !contrastChecked.some((read) => read.startsWith(s))), [],
          `${view}: texts whose contrast was not read`);
    }
    if (options.dark) { // the output box follows the scheme as a whole: dark
      const shot = await page.shot('-dark');
      const { left, top, width, height } = await page.run(() => document.getElementById('Text1_0').getBoundingClientRect().toJSON());
      const counts = new Map();
      for (let y = top; y < top + height; y += 3)
        for (let x = left; x < left + width; x += 3) counts.set(`${shot.rgb(x, y)}`, (counts.get(`${shot.rgb(x, y)}`) ?? 0) + 1);
      const background = [...counts].sort((a, c) => c[1] - a[1])[0][0];
      assert.ok(Math.max(...background.split(',').map(Number)) < 64, `output box background ${background}`);
    }
  }, options));
}

test('the page as built: a title, one main landmark, one heading, no test hook', () => {
  const html = fs.readFileSync(b.pageUrl.startsWith('file:') ? new URL(b.pageUrl) : b.pageUrl, 'utf8');
  assert.match(html, /<title>[^<]+<\/title>/);
  assert.equal(html.match(/<main[\s>]/g)?.length, 1);
  assert.equal(html.match(/<h1[\s>]/g)?.length, 1);
  assert.deepEqual(['mainWindow', 'outputText', 'speciesShown'].filter((hook) => html.includes(hook)), []);
});
