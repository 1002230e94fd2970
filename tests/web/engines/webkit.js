'use strict';
// WebKitGTK, Safari's engine: Debian's MiniBrowser driven by WebKitWebDriver
// (W3C WebDriver over HTTP), on the X display the test runs under (Xvfb).

const { spawn } = require('node:child_process');
const fs = require('node:fs');
const net = require('node:net');
const os = require('node:os');
const path = require('node:path');
const { setTimeout: pause } = require('node:timers/promises');

const driverPath = process.env.RIBI_WEBKIT_DRIVER || '/usr/bin/WebKitWebDriver';
const browserPath = process.env.RIBI_MINIBROWSER || '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser';

// WebDriver's code points for the keys the tests press.
const keys = { Backspace: '\uE003', Tab: '\uE004', Enter: '\uE007', Escape: '\uE00C', Delete: '\uE017', Shift: '\uE008', Control: '\uE009', Space: '\uE00D', PageUp: '\uE00E',
  PageDown: '\uE00F', End: '\uE010', Home: '\uE011', ArrowLeft: '\uE012', ArrowUp: '\uE013', ArrowRight: '\uE014',
  ArrowDown: '\uE015' };
const buttons = { left: 0, right: 2 };

const freePort = () => new Promise((resolve) => {
  const server = net.createServer().listen(0, '127.0.0.1', () => {
    const { port } = server.address();
    server.close(() => resolve(port));
  });
});

let started = null;

// MiniBrowser's bars would keep its window at least 447 pixels wide: a
// GTK style of its own shrinks them, so that the viewport can be a phone's.
function smallBars() {
  const config = fs.mkdtempSync(path.join(os.tmpdir(), 'ribi-webkit-'));
  fs.mkdirSync(path.join(config, 'gtk-3.0'));
  fs.writeFileSync(path.join(config, 'gtk-3.0', 'gtk.css'),
    '* { min-width: 0; min-height: 0; padding: 0; margin: 0; border-width: 0; font-size: 1px; }\n');
  return config;
}

async function startDriver() {
  const port = await freePort();
  const config = smallBars();
  const child = spawn(driverPath, [`--port=${port}`], { stdio: 'ignore', env: { ...process.env, XDG_CONFIG_HOME: config } });
  child.on('exit', () => fs.rmSync(config, { recursive: true, force: true }));
  const base = `http://127.0.0.1:${port}`;
  const call = async (method, path, body) => {
    const response = await fetch(base + path, {
      method, headers: { 'Content-Type': 'application/json' }, body: body && JSON.stringify(body),
    });
    const { value } = await response.json();
    if (!response.ok) throw new Error(`WebDriver ${method} ${path}: ${value.error}: ${value.message}`);
    return value;
  };
  // Ready once it answers.
  for (let attempt = 1; ; attempt++) {
    const error = await call('GET', '/status').then(() => null, (failure) => failure);
    if (!error) return { child, call };
    if (attempt > 100) throw error;
    await pause(50);
  }
}

async function open({ width, height, dark, early }) {
  started ??= startDriver();
  const { call } = await started;
  // Early, a navigation returns at once, and no command waits for the page
  // to load.
  const { sessionId } = await call('POST', '/session', { capabilities: { alwaysMatch: {
    'webkitgtk:browserOptions': { binary: browserPath, args: ['--automation', ...(dark ? ['--dark-mode'] : [])] },
    ...(early && { pageLoadStrategy: 'none' }),
  } } });
  const session = (method, path, body) => call(method, `/session/${sessionId}${path}`, body);
  const evaluate = (expression) => session('POST', '/execute/sync', { script: `return ${expression};`, args: [] });
  const act = (type, parameters, actions) =>
    session('POST', '/actions', { actions: [{ type, id: type, ...(parameters && { parameters }), actions }] });
  const pointer = (actions) => act('pointer', { pointerType: 'mouse' }, actions);
  const at = (x, y) => ({ type: 'pointerMove', x: Math.round(x), y: Math.round(y), origin: 'viewport' });
  // The window's size is the viewport's and the browser's own bars. The
  // viewport follows the window a moment later, and later still on a busy
  // machine, so the bars are measured at rest and the viewport awaited.
  const viewport = () => evaluate('({ width: innerWidth, height: innerHeight })');
  async function resize(size) {
    for (let attempt = 1; ; attempt++) {
      const [outer, inner] = [await session('GET', '/window/rect'), await viewport()];
      await session('POST', '/window/rect',
        { width: size.width + outer.width - inner.width, height: size.height + outer.height - inner.height });
      for (let waited = 0; waited < 2000; waited += 20) {
        const now = await viewport();
        if (now.width === size.width && now.height === size.height) return;
        await pause(20);
      }
      if (attempt === 3) throw new Error(`the viewport stays ${JSON.stringify(await viewport())}, not ${JSON.stringify(size)}`);
    }
  }
  await resize({ width, height });
  return {
    errors: null, requests: null,
    // Early, once the new document is there: a script run before then may
    // find its document gone.
    async goto(url) {
      await session('POST', '/url', { url });
      while (early && !(await evaluate(`location.href === ${JSON.stringify(url)}`).catch(() => false)))
        await pause(20);
    },
    evaluate,
    click: (x, y, { button = 'left', count = 1 } = {}) => pointer([at(x, y), ...Array(count).fill([
      { type: 'pointerDown', button: buttons[button] }, { type: 'pointerUp', button: buttons[button] }]).flat()]),
    down: (x, y) => pointer([at(x, y), { type: 'pointerDown', button: 0 }]),
    move: (x, y) => pointer([{ ...at(x, y), duration: 20 }]),
    up: (x, y) => pointer([at(x, y), { type: 'pointerUp', button: 0 }]),
    tap: null,
    key(combination) {
      const pressed = combination.split(/\+(?=.)/).map((key) => keys[key] ?? key);
      return act('key', null, [...pressed.map((value) => ({ type: 'keyDown', value })),
        ...pressed.reverse().map((value) => ({ type: 'keyUp', value }))]);
    },
    type: (text) => act('key', null, [...text].flatMap((value) => [{ type: 'keyDown', value }, { type: 'keyUp', value }])),
    resize,
    screenshot: async () => Buffer.from(await session('GET', '/screenshot'), 'base64'),
    close: () => session('DELETE', ''),
  };
}

async function quit() {
  if (started) (await started).child.kill();
}

module.exports = { open, quit, lacks: {
  touch: 'WebKitWebDriver has no touch input',
  rightClick: 'WebKitWebDriver releases a right press as a left one, which clicks',
  copyOfNoBreakSpaces: 'WebKitGTK copies and pastes a textarea\'s no-break spaces as plain spaces',
  coarsePointer: 'MiniBrowser cannot be told its pointer is coarse',
  console: 'WebKitWebDriver reports no console messages',
  requests: 'WebKitWebDriver reports no requests',
  fileRequests: 'WebKitWebDriver reports no requests',
  platformFonts: 'no protocol of WebKit names the fonts a text was drawn with',
  accessibilityTree: 'WebDriver has no accessibility tree',
  installability: 'WebKitGTK installs no web app, and WebDriver cannot ask whether Safari would',
} };
