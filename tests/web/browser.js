'use strict';
// What the browser-only tests share: the page of open_page.js in a test of
// node:test, the expected texts, and the page served from this machine.

const assert = require('node:assert/strict');
const fs = require('node:fs');
const http = require('node:http');
const { after } = require('node:test');
const { engine, engineName, pageUrl, desktop, phones, open } = require('./open_page');

after(() => engine.quit());

const expected = JSON.parse(fs.readFileSync(process.env.RIBI_EXPECTED, 'utf8'));
const control = (id) => expected.controls.find((c) => c.id === id);
// The output box's textarea holds LF line breaks where the program writes CR LF.
const withLf = (text) => text.replace(/\r\n/g, '\n');
const outputs = {
  task: withLf(control('Text1_0').text),
  species: expected.speciesOutputs.map(withLf),
  listings: expected.typeListings.map(withLf),
};

// Whether this engine can do `what` ('touch', 'console', ...); where it
// cannot, test `t` says why, and the caller skips that one check.
function can(t, what) {
  const reason = engine.lacks[what];
  if (reason) t.diagnostic(`${what} not checked in ${engineName}: ${reason}`);
  return !reason;
}

// A fresh page, loaded (unless `load` is false), closed when test `t` ends;
// nothing may have been logged as an error or a warning once `body` is done.
async function withPage(t, body, { load = true, ...options } = {}) {
  const page = await open({ ...desktop, ...options });
  t.after(() => page.close());
  if (load) await page.load();
  await body(page);
  if (can(t, 'console')) assert.deepEqual(page.errors, []);
}

// The page from a web server on this machine, closed when test `t` ends,
// which notes every address asked of it. A server that `holds` the program
// sends the window and the page's script, and the rest, the program, only
// once `release` is called: until then any input comes before the program
// is ready.
async function servePage(t, { holds = false } = {}) {
  const html = fs.readFileSync(new URL(pageUrl));
  const windowEnd = holds ? html.indexOf('<script type="application/octet-stream"') : html.length;
  let release;
  const released = new Promise((resolve) => { release = resolve; });
  const served = [];
  const server = http.createServer(async (request, response) => {
    served.push(request.url);
    if (request.url !== '/ribi.html') return response.writeHead(404).end();
    response.writeHead(200, { 'Content-Type': 'text/html; charset=utf-8' }).write(html.subarray(0, windowEnd));
    if (holds) await released;
    return response.end(html.subarray(windowEnd));
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  t.after(() => {
    release();
    server.closeAllConnections();
    server.close();
  });
  return { url: `http://127.0.0.1:${server.address().port}/ribi.html`, served, release, size: html.length };
}

module.exports = { expected, outputs, pageUrl, control, desktop, phones, can, withPage, servePage };
