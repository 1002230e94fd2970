'use strict';
// Debian's Chromium, headless, through Playwright (CDP), with a fresh
// profile and no traffic of the browser's own: every request seen is the page's.

const { chromium } = require('playwright-core');

const executablePath = process.env.RIBI_CHROMIUM || '/usr/bin/chromium';
const flags = ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
  '--disable-component-update', '--disable-sync'];

let launched = null;

async function open({ width, height, touch, dark, early }) {
  // With the scroll bars that Playwright hides in a headless browser.
  launched ??= chromium.launch({ executablePath, headless: true, args: flags, ignoreDefaultArgs: ['--hide-scrollbars'] });
  const context = await (await launched).newContext({ viewport: { width, height }, hasTouch: touch,
    colorScheme: dark ? 'dark' : 'light' });
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
    wheel: async (x, y, delta) => { await page.mouse.move(x, y); await page.mouse.wheel(0, delta); },
    tap: (x, y) => page.touchscreen.tap(x, y),
    key: (key) => (key.length === 1 && key > '\u007f' ? letter(key) : page.keyboard.press(key)),
    type: (text) => page.keyboard.type(text),
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
    async accessibilityTree() {
      const session = await context.newCDPSession(page);
      const { nodes } = await session.send('Accessibility.getFullAXTree');
      await session.detach();
      return nodes;
    },
    close: () => context.close(),
  };
}

const quit = async () => { if (launched) await (await launched).close(); };

module.exports = { open, quit, lacks: {} };
