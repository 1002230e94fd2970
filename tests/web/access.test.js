'use strict';
// What a screen reader gets, from Chromium's accessibility tree (CDP):
// every control's role and name, no hidden list, and each output
// announced by a polite live region, again when it repeats.

const test = require('node:test');
const assert = require('node:assert/strict');
const b = require('./browser');

async function accessibilityTree(page) {
  const session = await page.context().newCDPSession(page);
  const { nodes } = await session.send('Accessibility.getFullAXTree');
  await session.detach();
  const shown = nodes.filter((n) => !n.ignored);
  const property = (node, name) => node.properties?.find((p) => p.name === name)?.value?.value;
  return {
    nodes: shown,
    named: (role, name) => shown.filter((n) => n.role?.value === role && n.name?.value === name),
    withRole: (role) => shown.filter((n) => n.role?.value === role),
    property,
    // The text of a node's subtree, one entry per line.
    texts(node) {
      const byId = new Map(nodes.map((n) => [n.nodeId, n]));
      const lines = [];
      const visit = (n) => {
        if (n.role?.value === 'StaticText') lines.push(n.name.value);
        for (const child of n.childIds ?? []) visit(byId.get(child));
      };
      visit(node);
      return lines;
    },
  };
}

test('accessibility tree: roles, names, live regions', (t) => b.withPage(t, async (page) => {
  await t.test('every control has its role and name; the hidden lists are not there', async () => {
    const tree = await accessibilityTree(page);
    const names = b.control('List1_0');
    assert.equal(tree.named('textbox', b.control('Text1_0').accessibleName).length, 1);
    assert.equal(tree.named('group', b.control('Frame1_0').text).length, 1);
    for (const index of [0, 1]) {
      const [radio] = tree.named('radio', b.control(`Option1_${index}`).text);
      assert.ok(radio, `Option1_${index}`);
      assert.equal(tree.property(radio, 'checked'), 'false');
    }
    assert.equal(tree.withRole('listbox').length, 1);
    assert.equal(tree.named('listbox', names.accessibleName).length, 1);
    const options = tree.withRole('option').map((n) => n.name.value);
    assert.deepEqual(options, names.items); // the type codes and descriptions are not read out
    assert.equal(tree.named('StaticText', b.control('Label1_0').text).length, 1);
  });

  await t.test('an output is announced politely, without moving the focus, and again when repeated', async () => {
    const catfish = 9;
    await b.clickSpecies(page, catfish);
    await b.settled(page);
    const regionsAfterFirst = await page.$$eval('[aria-live]', (rs) => rs.map((r) => r.textContent));
    await b.clickSpecies(page, catfish);
    await b.settled(page);
    const regionsAfterSecond = await page.$$eval('[aria-live]', (rs) => rs.map((r) => r.textContent));
    const output = b.withLf(b.expected.speciesOutputs[catfish]);
    // The same text goes to the other region: a screen reader hears it twice.
    assert.deepEqual(regionsAfterFirst.filter((text) => text !== ''), [output]);
    assert.deepEqual(regionsAfterSecond.filter((text) => text !== ''), [output]);
    assert.notDeepEqual(regionsAfterFirst, regionsAfterSecond);
    assert.equal(await b.focused(page), 'List1_0');

    const tree = await accessibilityTree(page);
    const regions = tree.withRole('status');
    assert.equal(regions.length, 2);
    for (const region of regions) assert.equal(tree.property(region, 'live'), 'polite');
    const spoken = regions.map((region) => tree.texts(region).join('\n')).filter((text) => text !== '');
    assert.deepEqual(spoken, [output]); // line by line, in one region
    const [marked] = tree.named('radio', b.control(`Option1_${b.expected.speciesTypes[catfish]}`).text);
    assert.equal(tree.property(marked, 'checked'), 'true');
  });
}));
