'use strict';
// What the browser-only tests share: the page of open_page.js in a test of
// node:test, the expected texts, and a web server on this machine.

const assert = require('node:assert/strict');
const fs = require('node:fs');
const http = require('node:http');
const path = require('node:path');
const { after } = require('node:test');
const { engine, engineName, pageUrl, desktop, phones, pause, decodePng, open } = require('./open_page');

after(() => engine.quit());

const expected = JSON.parse(fs.readFileSync(process.env.RIBI_EXPECTED, 'utf8'));
const control = (id) => expected.controls.find((c) => c.id === id);
// The output box's textarea holds LF line breaks where the program writes CR LF.
const withLf = (text) => text.replace(/\r\n/g, '\n');
const outputs = {
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

const types = { '.html': 'text/html; charset=utf-8', '.js': 'text/javascript; charset=utf-8',
  '.webmanifest': 'application/manifest+json', '.png': 'image/png' };

// A plain web server for test `t`, from 127.0.0.1: a folder's files (by
// default, the page's) under a path of the server's, read afresh on every
// request. As many servers do, it says when the files last changed (long
// ago) and nothing of caching: a browser may then keep a copy a while by its
// own guess, which a new build must get past. It keeps the paths it was
// asked for. One that `holds` the program sends a page's window and script,
// and the rest, the program, only once `release` is called: until then any
// input comes before the program is ready.
async function serve(t, { folder = path.dirname(process.env.RIBI_PAGE), at = '/', holds = false } = {}) {
  let release;
  const released = new Promise((resolve) => { release = resolve; });
  const served = [];
  const server = http.createServer((request, response) => {
    const { pathname } = new URL(request.url, 'http://server');
    served.push(pathname);
    const name = pathname.startsWith(at) && pathname.slice(at.length).replace(/^$|\/$/, '$&index.html');
    const file = name && !name.split('/').includes('..') && path.join(folder, name);
    fs.readFile(file || '', async (error, body) => {
      if (error) return response.writeHead(404).end();
      response.writeHead(200, { 'Content-Type': types[path.extname(file)] ?? 'application/octet-stream',
        'Last-Modified': 'Mon, 01 Jan 2024 00:00:00 GMT' });
      const program = holds ? body.indexOf('<script type="application/octet-stream"') : 0;
      response.write(body.subarray(0, program));
      if (holds) await released;
      return response.end(body.subarray(program));
    });
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  // Gone, as a server is with no network: every connection refused.
  const stop = () => new Promise((resolve) => {
    release();
    if (!server.listening) return resolve();
    server.close(resolve);
    server.closeAllConnections();
  });
  t.after(stop);
  return { url: `http://127.0.0.1:${server.address().port}${at}`, served, release, stop };
}

module.exports = { expected, outputs, pageUrl, control, desktop, phones, pause, decodePng, can, withPage, serve };
