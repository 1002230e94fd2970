'use strict';
// Debian's Chromium, headless, through Playwright (CDP), with a fresh
// profile and no traffic of the browser's own: every request seen is the page's.

const { chromium } = require('playwright-core');
const { puppet } = require('./puppet');

const executablePath = process.env.RIBI_CHROMIUM || '/usr/bin/chromium';
const flags = ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
  '--disable-component-update', '--disable-sync'];

// With the scroll bars that Playwright hides in a headless browser.
const browser = { executablePath, headless: true, args: flags, ignoreDefaultArgs: ['--hide-scrollbars'] };
let launched = null;

// A context of the shared browser, which is like an incognito window; or,
// with `profile`, a browser of its own with a fresh profile on disk, as a
// pupil's is: Chromium installs no app from an incognito window.
async function newContext(settings, profile) {
  if (profile) return chromium.launchPersistentContext('', { ...browser, ...settings });
  launched ??= chromium.launch(browser);
  return (await launched).newContext(settings);
}

async function open({ width, height, touch, dark, profile, early }) {
  const context = await newContext({ viewport: { width, height }, hasTouch: touch,
    colorScheme: dark ? 'dark' : 'light' }, profile);
  const page = await context.newPage();
  const requests = [];
  context.on('request', (request) => requests.push(request.url()));
  // Chromium's protocol, for one use.
  const protocol = async (use) => {
    const session = await context.newCDPSession(page);
    const answer = await use((method, parameters) => session.send(method, parameters));
    await session.detach();
    return answer;
  };
  // A key of the pupil's own layout (a Cyrillic letter) as a keyboard sends it, key down and up.
  const letter = (key) => protocol(async (send) => {
    for (const type of ['keyDown', 'keyUp'])
      await send('Input.dispatchKeyEvent', { type, key, text: type === 'keyDown' ? key : undefined });
  });
  return {
    ...puppet(page, 'clickCount'), requests,
    goto: (url) => page.goto(url, { waitUntil: early ? 'commit' : 'domcontentloaded' }),
    key: (key) => ([...key].length === 1 && key > '\u007f' ? letter(key) : page.keyboard.press(key)),
    // Key by key, as a keyboard types it: Playwright's own typing puts
    // other letters in as an input method would, wherever the caret was.
    type: async (text) => { for (const c of text) await (c > '\u007f' ? letter(c) : page.keyboard.type(c)); },
    resize: (size) => page.setViewportSize(size),
    // What only Chromium's protocol tells: the fonts a text was drawn
    // with, and the tree a screen reader reads.
    platformFonts: (selector) => protocol(async (send) => {
      await send('DOM.enable');
      await send('CSS.enable');
      const { root } = await send('DOM.getDocument');
      const { nodeId } = await send('DOM.querySelector', { nodeId: root.nodeId, selector });
      const { fonts } = await send('CSS.getPlatformFontsForNode', { nodeId });
      return fonts.map((font) => font.familyName);
    }),
    // What Chromium makes of the page as an app to install: the reasons it
    // cannot be, the manifest it read, with its errors, and the app's identity.
    installability: () => protocol(async (send) => {
      const { installabilityErrors } = await send('Page.getInstallabilityErrors');
      const { url, errors, data } = await send('Page.getAppManifest');
      const { appId } = await send('Page.getAppId');
      return { errors: installabilityErrors.map((e) => e.errorId), manifestUrl: url, manifestErrors: errors,
        manifest: data && JSON.parse(data), id: appId };
    }),
    accessibilityTree: () => protocol(async (send) => (await send('Accessibility.getFullAXTree')).nodes),
    close: () => context.close(),
  };
}

const quit = async () => { if (launched) await (await launched).close(); };

module.exports = { open, quit, lacks: {
  undoOfTheFocusedControl: 'Chromium\'s undo is the page\'s: Ctrl+Z anywhere undoes the last typing into the output box',
} };
