'use strict';
// The page needs nothing but itself: no request of any kind while it loads
// and is used, from disk or from a web server, under a policy that forbids
// fetching anything.

const test = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
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
  const size = fs.statSync(new URL(b.pageUrl)).size;
  assert.ok(size <= 110 * 1024, `${size} bytes`);
  const { url: folder, served } = await b.serve(t);
  const url = `${folder}ribi.html`;
  await b.withPage(t, async (page) => {
    await page.load(url);
    await useEverything(page);
    if (b.can(t, 'requests')) assert.deepEqual(page.requests, [url]);

    // What the policy says is the web app's test; here, that it holds.
    const errorsBefore = page.errors?.length;
    assert.equal(await page.run(() => fetch('/elsewhere').then(() => 'fetched', () => 'blocked')), 'blocked');
    assert.deepEqual(served, ['/ribi.html']);
    page.errors?.splice(errorsBefore); // the refusal is logged, as it should be
  }, { load: false });
});
