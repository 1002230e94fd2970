'use strict';
// What a screen reader and an audit get: every control's role and name
// (from Chromium's accessibility tree), each output announced by a polite
// live region, again when it repeats, and axe-core's rules (a title, one
// main landmark, a heading among them) at a desktop's and a phone's size,
// in the light and the dark scheme.

const test = require('node:test');
const assert = require('node:assert/strict');
const b = require('./browser');

const catfish = 9;
const list = b.control('List1_0');

// What a screen reader reaches: each landmark, heading and control as its
// role and name, and a radio's mark, the roles in this order and each
// one's nodes in the page's; and each live region that says something,
// line by line.
const reached = ['main', 'heading', 'textbox', 'group', 'radio', 'listbox', 'option'];
async function readerGets(page) {
  const nodes = await page.accessibilityTree();
  const byId = new Map(nodes.map((n) => [n.nodeId, n]));
  const shown = nodes.filter((n) => !n.ignored);
  const texts = (node) => (node.role?.value === 'StaticText' ? [node.name.value] : [])
    .concat(...(node.childIds ?? []).map((child) => texts(byId.get(child))));
  const mark = (node) => node.properties.find((p) => p.name === 'checked').value.value;
  return {
    controls: shown.filter((n) => reached.includes(n.role?.value))
      .sort((x, y) => reached.indexOf(x.role.value) - reached.indexOf(y.role.value))
      .map((n) => [n.role.value, n.name.value, ...(n.role.value === 'radio' ? [mark(n)] : [])]),
    spoken: shown.filter((n) => n.role?.value === 'status').map((n) => texts(n).join('\n')).filter((text) => text !== ''),
  };
}
// With type `marked` checked (-1: none); the hidden lists are not there.
const controls = (marked) => [['main', ''], ['heading', b.control('Label1_0').text],
  ['textbox', b.control('Text1_0').accessibleName], ['group', b.control('Frame1_0').text],
  ...[0, 1].map((i) => ['radio', b.control(`Option1_${i}`).text, `${i === marked}`]),
  ['listbox', list.accessibleName], ...list.items.map((item) => ['option', item])]; // no type codes, no descriptions

test('a screen reader gets every control, and each output, politely, without moving the focus, again when repeated',
  (t) => b.withPage(t, async (page) => {
    const tree = b.can(t, 'accessibilityTree');
    if (tree) assert.deepEqual(await readerGets(page), { controls: controls(-1), spoken: [] });
    const output = b.outputs.species[catfish];
    const said = [];
    for (const count of [1, 2]) {
      await page.clickSpecies(catfish);
      await page.expectAnnounced(count);
      said.push(await page.run(() => [...document.querySelectorAll('[aria-live]')]
        .map((r) => `${r.getAttribute('aria-live')} ${r.getAttribute('role')}: ${r.textContent}`)));
    }
    // The same text goes to the other region: a screen reader hears it twice.
    for (const regions of said) assert.deepEqual([...regions].sort(), ['polite status: ', `polite status: ${output}`]);
    assert.notDeepEqual(said[0], said[1]);
    assert.equal((await page.state()).focused, 'List1_0');
    if (tree) // line by line, in one region
      assert.deepEqual(await readerGets(page), { controls: controls(b.expected.speciesTypes[catfish]), spoken: [output] });
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
