'use strict';
// A plain web server for the tests: a folder's files under a path of the
// server's, from 127.0.0.1, read afresh on every request. As many servers do,
// it says when the files last changed (long ago) and nothing of caching: a
// browser may then keep a copy a while by its own guess, which a new build
// must get past. It keeps the paths it was asked for.

const fs = require('node:fs');
const http = require('node:http');
const path = require('node:path');

const types = { '.html': 'text/html; charset=utf-8', '.js': 'text/javascript; charset=utf-8',
  '.webmanifest': 'application/manifest+json', '.png': 'image/png' };

async function serveFolder(folder, at = '/') {
  const served = [];
  const server = http.createServer((request, response) => {
    const { pathname } = new URL(request.url, 'http://server');
    served.push(pathname);
    const name = pathname.startsWith(at) && pathname.slice(at.length).replace(/^$|\/$/, '$&index.html');
    const file = name && !name.split('/').includes('..') && path.join(folder, name);
    fs.readFile(file || '', (error, body) => {
      response.writeHead(error ? 404 : 200, error ? { 'Content-Type': 'text/plain' } : {
        'Content-Type': types[path.extname(file)] ?? 'application/octet-stream', 'Last-Modified': 'Mon, 01 Jan 2024 00:00:00 GMT' });
      response.end(error ? '' : body);
    });
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  return {
    served,
    url: `http://127.0.0.1:${server.address().port}${at}`,
    // Gone, as a server is with no network: every connection refused.
    stop: () => new Promise((resolve) => {
      if (!server.listening) return resolve();
      server.close(resolve);
      server.closeAllConnections();
    }),
  };
}

module.exports = { serveFolder };
