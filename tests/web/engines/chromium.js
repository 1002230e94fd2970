'use strict';
// Debian's Chromium, headless, through Playwright (CDP), with a fresh
// profile and no traffic of the browser's own: every request seen is the page's.

const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { chromium } = require('playwright-core');

const executablePath = process.env.RIBI_CHROMIUM || '/usr/bin/chromium';
const flags = ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
  '--disable-component-update', '--disable-sync'];

// With the scroll bars that Playwright hides in a headless browser.
const browser = { executablePath, headless: true, args: flags, ignoreDefaultArgs: ['--hide-scrollbars'] };
let launched = null;

// A context of the shared browser, which is like an incognito window; or,
// with `profile`, a browser of its own with a profile on disk, as a pupil's
// is: Chromium installs no app from an incognito window.
async function newContext(settings, profile) {
  if (!profile) {
    launched ??= chromium.launch(browser);
    const context = await (await launched).newContext(settings);
    return { context, close: () => context.close() };
  }
  const directory = fs.mkdtempSync(path.join(os.tmpdir(), 'ribi-chromium-'));
  const context = await chromium.launchPersistentContext(directory, { ...browser, ...settings });
  const close = async () => {
    await context.close();
    fs.rmSync(directory, { recursive: true, force: true });
  };
  return { context, close };
}

async function open({ width, height, touch, dark, profile, early }) {
  const { context, close } = await newContext({ viewport: { width, height }, hasTouch: touch,
    colorScheme: dark ? 'dark' : 'light' }, profile);
  const page = await context.newPage();
  const errors = [];
  const requests = [];
  context.on('request', (request) => requests.push(request.url()));
  page.on('pageerror', (error) => errors.push(error.message));
  page.on('console', (message) => {
    if (message.type() === 'error' || message.type() === 'warning') errors.push(message.text());
  });
  // A key of the pupil's own layout (a Cyrillic letter) as a keyboard sends it, key down and up.
  const letter = async (key) => {
    const session = await context.newCDPSession(page);
    for (const type of ['keyDown', 'keyUp'])
      await session.send('Input.dispatchKeyEvent', { type, key, text: type === 'keyDown' ? key : undefined });
    await session.detach();
  };
  return {
    errors, requests,
    goto: (url) => page.goto(url, { waitUntil: early ? 'commit' : 'domcontentloaded' }),
    evaluate: (expression) => page.evaluate(expression),
    click: (x, y, { button = 'left', count = 1 } = {}) => page.mouse.click(x, y, { button, clickCount: count }),
    down: async (x, y) => { await page.mouse.move(x, y); await page.mouse.down(); },
    move: (x, y) => page.mouse.move(x, y, { steps: 2 }),
    up: async (x, y) => { await page.mouse.move(x, y); await page.mouse.up(); },
    tap: (x, y) => page.touchscreen.tap(x, y),
    key: (key) => ([...key].length === 1 && key > '\u007f' ? letter(key) : page.keyboard.press(key)),
    // Key by key, as a keyboard types it: Playwright's own typing puts
    // other letters in as an input method would, wherever the caret was.
    type: async (text) => { for (const c of text) await (c > '\u007f' ? letter(c) : page.keyboard.type(c)); },
    resize: (size) => page.setViewportSize(size),
    screenshot: () => page.screenshot(),
    // What only Chromium's protocol tells: the fonts a text was drawn
    // with, and the tree a screen reader reads.
    async platformFonts(selector) {
      const session = await context.newCDPSession(page);
      await session.send('DOM.enable');
      await session.send('CSS.enable');
      const { root } = await session.send('DOM.getDocument');
      const { nodeId } = await session.send('DOM.querySelector', { nodeId: root.nodeId, selector });
      const { fonts } = await session.send('CSS.getPlatformFontsForNode', { nodeId });
      await session.detach();
      return fonts.map((font) => font.familyName);
    },
    // What Chromium makes of the page as an app to install: the reasons it
    // cannot be, the manifest it read, with its errors, and the app's identity.
    async installability() {
      const session = await context.newCDPSession(page);
      const { installabilityErrors } = await session.send('Page.getInstallabilityErrors');
      const { url, errors, data } = await session.send('Page.getAppManifest');
      const { appId } = await session.send('Page.getAppId');
      await session.detach();
      return { errors: installabilityErrors.map((e) => e.errorId), manifestUrl: url, manifestErrors: errors,
        manifest: data && JSON.parse(data), id: appId };
    },
    async accessibilityTree() {
      const session = await context.newCDPSession(page);
      const { nodes } = await session.send('Accessibility.getFullAXTree');
      await session.detach();
      return nodes;
    },
    close,
  };
}

const quit = async () => { if (launched) await (await launched).close(); };

module.exports = { open, quit, lacks: {
  undoOfTheFocusedControl: 'Chromium\'s undo is the page\'s: Ctrl+Z anywhere undoes the last typing into the output box',
} };
