'use strict';
// Debian's Firefox ESR, headless, over WebDriver BiDi through puppeteer-core.
// Touch (a coarse pointer) and the dark scheme are the browser's preferences,
// so each set of them has a browser of its own.

const puppeteer = require('puppeteer-core');
const { puppet } = require('./puppet');

const executablePath = process.env.RIBI_FIREFOX || '/usr/bin/firefox-esr';
const browsers = {};

async function open({ width, height, touch, dark, early }) {
  const preferences = `${touch}/${dark}`;
  browsers[preferences] ??= puppeteer.launch({
    browser: 'firefox', protocol: 'webDriverBiDi', executablePath, headless: true,
    extraPrefsFirefox: {
      'layout.css.prefers-color-scheme.content-override': dark ? 0 : 1,
      'privacy.reduceTimerPrecision': false, // the benchmark times presses of a millisecond
      ...(touch && { 'dom.w3c_touch_events.enabled': 1, 'ui.primaryPointerCapabilities': 1, 'ui.allPointerCapabilities': 1 }),
    },
  });
  const page = await (await browsers[preferences]).newPage();
  await page.setViewport({ width, height, hasTouch: touch });
  const requests = [];
  page.on('request', (request) => { if (!request.url().startsWith('data:')) requests.push(request.url()); });
  return {
    ...puppet(page, 'count'), requests,
    // Early, the navigation is the page's own, which puppeteer does not wait
    // for; it returns once the new document is there.
    async goto(url) {
      if (!early) return page.goto(url, { waitUntil: 'domcontentloaded' });
      await page.evaluate((to) => { location.href = to; }, url);
      return page.waitForFunction((to) => location.href === to, {}, url);
    },
    // Playwright's key names, as puppeteer spells them.
    async key(combination) {
      const keys = combination.split(/\+(?=.)/).map((key) => (key === 'Space' ? ' ' : key));
      for (const key of keys) await page.keyboard.down(key);
      for (const key of keys.reverse()) await page.keyboard.up(key);
    },
    type: (text) => page.keyboard.type(text),
    resize: (size) => page.setViewport({ ...size, hasTouch: touch }),
    close: () => page.close(),
  };
}

async function quit() {
  for (const browser of Object.values(browsers)) await (await browser).close();
}

module.exports = { open, quit, lacks: {
  fileRequests: 'WebDriver BiDi reports no file:// requests',
  platformFonts: 'no protocol of Firefox names the fonts a text was drawn with',
  accessibilityTree: 'WebDriver BiDi has no accessibility tree',
  installability: 'Firefox on the desktop installs no web app, and no protocol of it says whether it could',
  contrastOfEveryText: 'axe-core leaves the frame\'s legend undecided in Firefox ("partially obscured")',
} };
