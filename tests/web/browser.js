'use strict';
// Opens build-web/ribi.html in Debian's Chromium, headless, with a fresh
// profile, and drives it through real input events (CDP), as a pupil would.

const assert = require('node:assert/strict');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { pathToFileURL } = require('node:url');
const { chromium } = require('playwright-core');

const pagePath = process.env.RIBI_PAGE;
const expected = JSON.parse(fs.readFileSync(process.env.RIBI_EXPECTED, 'utf8'));
const pageUrl = pathToFileURL(pagePath).href;
const chromiumPath = process.env.RIBI_CHROMIUM || '/usr/bin/chromium';

// No background traffic of the browser's own: every request seen is the page's.
const chromiumFlags = [
  '--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
  '--disable-background-networking', '--disable-component-update', '--disable-sync',
];

const control = (id) => expected.controls.find((c) => c.id === id);
const withLf = (text) => text.replace(/\r\n/g, '\n');

// `hasTouch`: a touch screen, as a phone has.
async function openBrowser(viewport = { width: 1024, height: 768 }, hasTouch = false) {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'ribi-chromium-'));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: chromiumPath,
    headless: true,
    args: chromiumFlags,
    viewport,
    hasTouch,
  });
  const requests = [];
  context.on('request', (request) => requests.push(request.url()));
  const page = context.pages()[0] || (await context.newPage());
  const errors = [];
  page.on('pageerror', (error) => errors.push(error.message));
  page.on('console', (message) => {
    if (message.type() === 'error' || message.type() === 'warning') errors.push(message.text());
  });
  return {
    context, page, requests, errors,
    async close() {
      await context.close();
      fs.rmSync(profile, { recursive: true, force: true });
    },
  };
}

// Loads the page and waits for its window; counts the outputs announced.
async function load(page, url = pageUrl) {
  await page.goto(url);
  await page.waitForFunction(() => window.Module && Module.mainWindow);
  await page.evaluate(() => {
    window.announced = 0;
    const count = new MutationObserver((changes) => {
      for (const change of changes) if (change.target.textContent !== '') window.announced += 1;
    });
    for (const region of document.querySelectorAll('[aria-live]')) count.observe(region, { childList: true });
  });
}

// A fresh browser with the page loaded (`before` runs first), closed when
// test `t` ends. Nothing may have been logged as an error or a warning
// once `body` is done.
async function withPage(t, body, { viewport, hasTouch, url, before } = {}) {
  const browser = await openBrowser(viewport, hasTouch);
  t.after(() => browser.close());
  if (before) await before(browser.page);
  await load(browser.page, url);
  await body(browser.page, browser);
  assert.deepEqual(browser.errors, []);
}

const kept = (page) => page.evaluate(() => Module.mainWindow.outputText());
const shown = (page) => page.$eval('#Text1_0', (box) => box.value);
const guard = (page) => page.evaluate(() => Module.mainWindow.guard());
const listIndex = (page) => page.evaluate(() => Module.mainWindow.speciesShown());
// Outputs are announced in a task after the click's: wait for it.
const settled = (page) => page.evaluate(() => new Promise((resolve) => setTimeout(resolve, 0)));
const announced = async (page) => {
  await settled(page);
  return page.evaluate(() => window.announced);
};
// On a busy machine that task may come later still: wait for the count
// expected, for a while, before comparing.
const expectAnnounced = async (page, count) => {
  await page.waitForFunction((n) => window.announced >= n, count, { timeout: 5000 }).catch(() => {});
  assert.equal(await announced(page), count);
};
const typeSelected = (page, index) => page.$eval(`#Option1_${index} input`, (radio) => radio.checked);
const focused = (page) => page.evaluate(() => {
  const element = document.activeElement;
  return element.closest('label[id]')?.id ?? element.id;
});

// A real click on the names list's item at `position`, scrolled into view
// inside the list first, as the pupil would scroll it.
async function clickSpecies(page, position, options = {}) {
  await page.locator(`#List1_0_${position}`).click(options);
}
async function clickType(page, index, options = {}) {
  await page.locator(`#Option1_${index}`).click(options);
}

// A key of the pupil's own keyboard layout (a Cyrillic letter), pressed
// through the browser's input pipeline as a keyboard sends it.
async function pressLetter(page, letter) {
  const session = await page.context().newCDPSession(page);
  for (const type of ['keyDown', 'keyUp'])
    await session.send('Input.dispatchKeyEvent', { type, key: letter, text: type === 'keyDown' ? letter : undefined });
  await session.detach();
}

module.exports = {
  expected, pageUrl, chromiumPath, control, withLf, openBrowser, load, withPage, kept, shown, guard, listIndex, expectAnnounced,
  typeSelected, focused, clickSpecies, clickType, pressLetter, settled,
};
