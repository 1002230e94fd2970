'use strict';
// The page needs nothing but itself: no request of any kind while it loads
// and is used, from disk or from a web server, under a policy that forbids
// fetching anything.

const test = require('node:test');
const assert = require('node:assert/strict');
const b = require('./browser');

async function useEverything(page) {
  for (let position = 0; position < b.outputs.species.length; position += 5) await page.clickSpecies(position);
  await page.clickType(0);
  await page.key('ArrowDown');
  await page.resize(b.phones[0]);
  await page.clickSpecies(17);
  assert.equal((await page.state()).output, b.outputs.species[17]);
}

test('from a file:// address: no request but the page itself', (t) => b.withPage(t, async (page) => {
  await useEverything(page);
  if (b.can(t, 'fileRequests')) assert.deepEqual(page.requests, [b.pageUrl]);
}));

test('from a web server: the same, with the page at most 110 KB', async (t) => {
  const { url, served, size } = await b.servePage(t);
  assert.ok(size <= 110 * 1024, `${size} bytes`);
  await b.withPage(t, async (page) => {
    await page.load(url);
    await useEverything(page);
    if (b.can(t, 'requests')) assert.deepEqual(page.requests, [url]);
    assert.deepEqual(served, ['/ribi.html']);

    const policy = await page.run(() => document.querySelector('meta[http-equiv="Content-Security-Policy"]').content);
    assert.match(policy, /default-src 'none'/);
    assert.doesNotMatch(policy, /'unsafe-inline'|'unsafe-eval'|https?:/);
    const errorsBefore = page.errors?.length;
    const blocked = await page.run(() => fetch('/elsewhere').then(() => 'fetched', () => 'blocked'));
    assert.equal(blocked, 'blocked');
    assert.deepEqual(served, ['/ribi.html']);
    page.errors?.splice(errorsBefore); // the refusal is logged, as it should be
  }, { load: false });
});
