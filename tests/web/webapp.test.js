'use strict';
// The folder for the school's website (packaging/web/make_webapp.py), served
// from a path of a plain web server: an app Chromium offers to install; after
// one visit it opens with no network; a new build put on the server reaches
// the pupil within two visits.

const test = require('node:test');
const assert = require('node:assert/strict');
const { execFileSync } = require('node:child_process');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const b = require('./browser');

const at = '/school/ribi/';

// The folder as `make package` builds it; with a marker, a build that differs.
function build(folder, marker) {
  execFileSync(process.env.RIBI_PYTHON ?? 'python3',
    [process.env.RIBI_WEBAPP_BUILDER, process.env.RIBI_PAGE, folder, ...(marker ? ['--marker', marker] : [])]);
}

// The folder built and served, visited once in a page of `options`, which
// `body` then gets with the server and the folder.
async function visited(t, body, options) {
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'ribi-webapp-'));
  t.after(() => fs.rmSync(folder, { recursive: true, force: true }));
  build(folder);
  const server = await b.serve(t, { folder, at });
  await b.withPage(t, async (page) => {
    await page.load(server.url);
    await body(page, server, folder);
  }, { load: false, ...options });
}

// The first visit is over once the worker controls the page, the folder kept.
const installed = (page) => page.waitFor(() => navigator.serviceWorker.controller, [], 30000);

test('Chromium finds the app installable: the manifest read, its icons loaded, in the window\'s colour', (t) =>
  b.can(t, 'installability') && visited(t, async (page, server) => {
    const { manifest, ...app } = await page.installability();
    // The folder's address is the app's: another copy elsewhere on the server is another app.
    assert.deepEqual(app, { errors: [], manifestUrl: `${server.url}manifest.webmanifest`, manifestErrors: [], id: server.url });

    const windowColour = await page.run(() => getComputedStyle(document.getElementById('MainForm')).backgroundColor);
    const hex = `#${windowColour.match(/\d+/g).map((c) => Number(c).toString(16).padStart(2, '0')).join('')}`;
    assert.deepEqual([manifest.theme_color, manifest.background_color], [hex, hex]);
    for (const icon of manifest.icons) {
      const png = b.decodePng(Buffer.from(await (await fetch(new URL(icon.src, app.manifestUrl))).arrayBuffer()));
      assert.equal(`${png.width}x${png.height}`, icon.sizes, icon.src);
      // Where a launcher's mask cuts the corners off, the background is the app's.
      if (icon.purpose === 'maskable') assert.equal(`#${Buffer.from(png.rgb(0, 0)).toString('hex')}`, hex);
    }
  }, { profile: true }));

test('after one visit, the app opens with no network and asks no other server', (t) => visited(t, async (page, server) => {
  const policy = await page.run(() => document.querySelector('meta[http-equiv="Content-Security-Policy"]').content);
  for (const directive of ["default-src 'none'", "manifest-src 'self'", "worker-src 'self'", "img-src data: 'self'"])
    assert.ok(policy.split('; ').includes(directive), `${directive} in ${policy}`);
  assert.doesNotMatch(policy, /'unsafe-inline'|'unsafe-eval'|https?:|\*/);
  await installed(page);

  await server.stop();
  for (const url of [server.url, `${server.url}index.html`]) {
    await page.load(url);
    if (url === server.url) await page.shot('-installed');
    await page.clickSpecies(3);
    assert.equal((await page.state()).output, b.outputs.species[3], url);
  }
  if (b.can(t, 'requests')) assert.deepEqual(page.requests.filter((url) => !url.startsWith(server.url)), []);
  assert.deepEqual(server.served.filter((file) => !file.startsWith(at)), []);
}, b.phones[0]));

test('a new build on the server reaches the pupil within two visits', (t) => visited(t, async (page, server, folder) => {
  await installed(page);
  build(folder, 'next');
  let shown = false;
  for (let visit = 1; visit <= 2 && !shown; visit++) {
    await page.goto(server.url);
    // Asked again while the page reloads under the test.
    shown = await page.waitFor(() => document.querySelector('meta[name="ribi-build"]')?.content === 'next')
      .then(() => true, () => false);
    t.diagnostic(`visit ${visit}: ${shown ? 'the new build' : 'the build before'}`);
  }
  assert.ok(shown, 'the new build not shown');
  await page.ready();
  await page.clickSpecies(0);
  assert.equal((await page.state()).output, b.outputs.species[0]);
}));
