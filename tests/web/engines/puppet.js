'use strict';
// What Chromium's page through Playwright and Firefox's through puppeteer
// do alike: the errors and warnings logged, and the mouse, the touch screen
// and the screenshot. `clickCount` is the driver's name for a click's count.

function puppet(page, clickCount) {
  const errors = [];
  page.on('pageerror', (error) => errors.push(error.message));
  page.on('console', (message) => {
    if (['error', 'warning', 'warn'].includes(message.type())) errors.push(message.text());
  });
  return {
    errors,
    evaluate: (expression) => page.evaluate(expression),
    click: (x, y, { button = 'left', count = 1 } = {}) => page.mouse.click(x, y, { button, [clickCount]: count }),
    down: async (x, y) => { await page.mouse.move(x, y); await page.mouse.down(); },
    move: (x, y) => page.mouse.move(x, y, { steps: 2 }),
    up: async (x, y) => { await page.mouse.move(x, y); await page.mouse.up(); },
    tap: (x, y) => page.touchscreen.tap(x, y),
    screenshot: () => page.screenshot(),
  };
}

module.exports = { puppet };
