'use strict';
// The page needs nothing but itself: no request of any kind while it loads
// and is used, from disk or from a web server, under a policy that forbids
// fetching anything.

const test = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const http = require('node:http');
const b = require('./browser');

async function useEverything(page) {
  for (let position = 0; position < b.expected.speciesOutputs.length; position += 5) await b.clickSpecies(page, position);
  await b.clickType(page, 0);
  await page.keyboard.press('ArrowDown');
  await page.setViewportSize({ width: 360, height: 640 });
  await b.clickSpecies(page, 17);
  assert.equal(await b.kept(page), b.expected.speciesOutputs[17]);
}

test('from a file:// address: no request but the page itself', (t) => b.withPage(t, async (page, browser) => {
  await useEverything(page);
  assert.deepEqual(browser.requests, [b.pageUrl]);
}));

test('from a web server: the same, with the page under 200 KB', async (t) => {
  const page = fs.readFileSync(process.env.RIBI_PAGE);
  assert.ok(page.length < 200 * 1024, `${page.length} bytes`);
  const served = [];
  const server = http.createServer((request, response) => {
    served.push(request.url);
    response.writeHead(request.url === '/ribi.html' ? 200 : 404, { 'Content-Type': 'text/html; charset=utf-8' });
    response.end(request.url === '/ribi.html' ? page : '');
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  t.after(() => server.close());
  const url = `http://127.0.0.1:${server.address().port}/ribi.html`;

  const browser = await b.openBrowser();
  t.after(() => browser.close());
  await b.load(browser.page, url);
  await useEverything(browser.page);
  assert.deepEqual(browser.requests, [url]);
  assert.deepEqual(served, ['/ribi.html']);
  assert.deepEqual(browser.errors, []);

  const policy = await browser.page.$eval('meta[http-equiv="Content-Security-Policy"]', (m) => m.content);
  assert.match(policy, /default-src 'none'/);
  assert.doesNotMatch(policy, /'unsafe-inline'|'unsafe-eval'|https?:/);
  const blocked = await browser.page.evaluate(() => fetch('/elsewhere').then(() => 'fetched', () => 'blocked'));
  assert.equal(blocked, 'blocked');
  assert.deepEqual(served, ['/ribi.html']);
});
