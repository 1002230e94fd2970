'use strict';
// Debian's Firefox ESR, headless, over WebDriver BiDi through puppeteer-core.
// Touch (a coarse pointer) and the dark scheme are the browser's preferences,
// so each set of them has a browser of its own.

const puppeteer = require('puppeteer-core');

const executablePath = process.env.RIBI_FIREFOX || '/usr/bin/firefox-esr';
const browsers = new Map();

function browserFor(touch, dark) {
  const key = `${touch}/${dark}`;
  if (!browsers.has(key)) {
    browsers.set(key, puppeteer.launch({
      browser: 'firefox', protocol: 'webDriverBiDi', executablePath, headless: true,
      extraPrefsFirefox: {
        'layout.css.prefers-color-scheme.content-override': dark ? 0 : 1,
        'privacy.reduceTimerPrecision': false, // the benchmark times presses of a millisecond
        ...(touch && { 'dom.w3c_touch_events.enabled': 1, 'ui.primaryPointerCapabilities': 1, 'ui.allPointerCapabilities': 1 }),
      },
    }));
  }
  return browsers.get(key);
}

// Playwright's key names, as puppeteer spells them.
const keyName = (key) => (key === 'Space' ? ' ' : key);

async function open({ width, height, touch, dark, early }) {
  const browser = await browserFor(touch, dark);
  const page = await browser.newPage();
  await page.setViewport({ width, height, hasTouch: touch });
  const errors = [];
  const requests = [];
  page.on('request', (request) => { if (!request.url().startsWith('data:')) requests.push(request.url()); });
  page.on('pageerror', (error) => errors.push(error.message));
  page.on('console', (message) => {
    if (message.type() === 'error' || message.type() === 'warn') errors.push(message.text());
  });
  return {
    errors, requests,
    // Early, the navigation is the page's own, which puppeteer does not wait
    // for; it returns once the new document is there.
    async goto(url) {
      if (!early) return page.goto(url, { waitUntil: 'domcontentloaded' });
      await page.evaluate((to) => { location.href = to; }, url);
      return page.waitForFunction((to) => location.href === to, {}, url);
    },
    evaluate: (expression) => page.evaluate(expression),
    click: (x, y, { button = 'left', count = 1 } = {}) => page.mouse.click(x, y, { button, count }),
    down: async (x, y) => { await page.mouse.move(x, y); await page.mouse.down(); },
    move: (x, y) => page.mouse.move(x, y, { steps: 2 }),
    up: async (x, y) => { await page.mouse.move(x, y); await page.mouse.up(); },
    tap: (x, y) => page.touchscreen.tap(x, y),
    async key(combination) {
      const keys = combination.split(/\+(?=.)/).map(keyName);
      for (const key of keys.slice(0, -1)) await page.keyboard.down(key);
      await page.keyboard.press(keys[keys.length - 1]);
      for (const key of keys.slice(0, -1).reverse()) await page.keyboard.up(key);
    },
    type: (text) => page.keyboard.type(text),
    resize: (size) => page.setViewport({ ...size, hasTouch: touch }),
    screenshot: () => page.screenshot(),
    close: () => page.close(),
  };
}

async function quit() {
  for (const browser of browsers.values()) await (await browser).close();
}

module.exports = { open, quit, lacks: {
  fileRequests: 'WebDriver BiDi reports no file:// requests',
  platformFonts: 'no protocol of Firefox names the fonts a text was drawn with',
  accessibilityTree: 'WebDriver BiDi has no accessibility tree',
  installability: 'Firefox on the desktop installs no web app, and no protocol of it says whether it could',
  contrastOfEveryText: 'axe-core leaves the frame\'s legend undecided in Firefox ("partially obscured")',
} };
