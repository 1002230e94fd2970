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
const { serveFolder } = require('./folder_server');
const { decodePng } = require('./png');

const at = '/school/ribi/';

// The folder as `make package` builds it; with a marker, a build that differs.
function build(folder, marker) {
  execFileSync(process.env.RIBI_PYTHON ?? 'python3',
    [process.env.RIBI_WEBAPP_BUILDER, process.env.RIBI_PAGE, folder, ...(marker ? ['--marker', marker] : [])]);
}

async function servedFolder(t) {
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'ribi-webapp-'));
  t.after(() => fs.rmSync(folder, { recursive: true, force: true }));
  build(folder);
  const server = await serveFolder(folder, at);
  t.after(() => server.stop());
  return { folder, server };
}

// The first visit is over once the worker controls the page, the folder kept.
const installed = (page) => page.waitFor(() => navigator.serviceWorker.controller, [], 30000);

// The page's build marker, while the page may be reloading under the test.
async function buildShown(page, timeout) {
  for (const start = Date.now(); Date.now() - start < timeout; await new Promise((resolve) => setTimeout(resolve, 100))) {
    try {
      const marker = await page.run(() => document.querySelector('meta[name="ribi-build"]')?.content);
      if (marker) return marker;
    } catch { /* between two documents */ }
  }
  return undefined;
}

test('Chromium finds the app installable: the manifest read, its icons loaded, in the window\'s colour', async (t) => {
  if (!b.can(t, 'installability')) return;
  const { server } = await servedFolder(t);
  await b.withPage(t, async (page) => {
    await page.load(server.url);
    const app = await page.installability();
    assert.deepEqual(app.errors, []);
    assert.deepEqual(app.manifestErrors, []);
    assert.equal(app.manifestUrl, `${server.url}manifest.webmanifest`);
    // The folder's address: another copy elsewhere on the server is another app.
    assert.equal(app.id, server.url);

    const windowColour = await page.run(() => getComputedStyle(document.getElementById('MainForm')).backgroundColor);
    const hex = `#${windowColour.match(/\d+/g).map((c) => Number(c).toString(16).padStart(2, '0')).join('')}`;
    assert.equal(app.manifest.theme_color, hex);
    assert.equal(app.manifest.background_color, hex);
    for (const icon of app.manifest.icons) {
      const png = decodePng(Buffer.from(await (await fetch(new URL(icon.src, app.manifestUrl))).arrayBuffer()));
      assert.equal(`${png.width}x${png.height}`, icon.sizes, icon.src);
      // Where a launcher's mask cuts the corners off, the background is the app's.
      if (icon.purpose === 'maskable') assert.equal(`#${Buffer.from(png.rgb(0, 0)).toString('hex')}`, hex);
    }
  }, { load: false, profile: true });
});

test('after one visit, the app opens with no network and asks no other server', async (t) => {
  const { server } = await servedFolder(t);
  await b.withPage(t, async (page) => {
    await page.load(server.url);
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
  }, { load: false, ...b.phones[0] });
});

test('a new build on the server reaches the pupil within two visits', async (t) => {
  const { folder, server } = await servedFolder(t);
  await b.withPage(t, async (page) => {
    await page.load(server.url);
    await installed(page);
    build(folder, 'next');
    let shown;
    for (let visit = 1; visit <= 2 && shown !== 'next'; visit++) {
      await page.goto(server.url);
      shown = await buildShown(page, 10000);
      t.diagnostic(`visit ${visit}: ${shown ?? 'the build before'}`);
    }
    assert.equal(shown, 'next');
    await page.ready();
    await page.clickSpecies(0);
    assert.equal((await page.state()).output, b.outputs.species[0]);
  }, { load: false });
});
