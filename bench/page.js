'use strict';
// `make bench-web`, the browser's figures, each beside a floor measured in the
// same run, program and floor alternating so that a busy machine slows both:
// - first contentful paint of ribi.html against a static page of the same
//   look: the page's finished DOM and style with its scripts taken out;
// - the time from navigation until a click that came at once (before the
//   first paint) is answered, against the same floor's first paint, the
//   earliest a pupil can click anything;
// - a real mouse click on a species, press and release, to its text in the
//   box, laid out, against writing the same text into the same box from the
//   same events.
// Chromium through Playwright; the paint again in Firefox ESR over WebDriver
// BiDi where puppeteer-core is installed beside Playwright.

const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { pathToFileURL } = require('node:url');
const { chromium } = require('playwright-core');

const pageUrl = pathToFileURL(process.env.RIBI_PAGE).href;
const expected = JSON.parse(fs.readFileSync(process.env.RIBI_EXPECTED, 'utf8'));
const chromiumPath = process.env.RIBI_CHROMIUM || '/usr/bin/chromium';
const firefoxPath = process.env.RIBI_FIREFOX || '/usr/bin/firefox-esr';

const rounds = 40;
const clicks = 60;
const outputs = expected.speciesOutputs.map((text) => text.replace(/\r\n/g, '\n'));
const longest = outputs.reduce((best, text, p) => (text.length > outputs[best].length ? p : best), 0);

// Chromium gives paint times in whole steps of 4 ms, so a median of them
// jumps by a step: paints are summed up by their mean, the fastest and the
// slowest tenth left out.
const trimmedMean = (values) => {
  const sorted = [...values].sort((x, y) => x - y);
  const kept = sorted.slice(Math.floor(sorted.length / 10), sorted.length - Math.floor(sorted.length / 10));
  return kept.reduce((sum, value) => sum + value, 0) / kept.length;
};
const median = (values) => {
  const sorted = [...values].sort((x, y) => x - y);
  const middle = sorted.length >> 1;
  return sorted.length % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
};
const ready = () => !document.querySelector('.ribi-form[aria-busy]');

// The window at its first view, as plain HTML: no script, no policy.
function staticCopy() {
  const copy = document.documentElement.cloneNode(true);
  copy.querySelector('#Text1_0').textContent = document.getElementById('Text1_0').value;
  copy.querySelector('.ribi-form').removeAttribute('aria-busy');
  for (const element of copy.querySelectorAll('script, meta[http-equiv]')) element.remove();
  return `<!DOCTYPE html>\n${copy.outerHTML}`;
}

// In the page, as the navigation starts: once the window is parsed, a press
// and release on the second species, which the page holds while the program
// is busy; the time it is answered, from navigation start. (The program
// answers when it is ready, in the same task as it says so.)
function clickAtOnce() {
  window.answeredAt = new Promise((resolve) => {
    document.addEventListener('DOMContentLoaded', () => {
      const box = document.getElementById('Text1_0');
      const first = box.value;
      for (const type of ['mousedown', 'mouseup']) {
        document.getElementById('List1_0_1').dispatchEvent(
          new MouseEvent(type, { bubbles: true, cancelable: true, view: window, detail: 1 }));
      }
      const answered = () => (box.value !== first ? resolve(performance.now()) : setTimeout(answered, 1));
      new MutationObserver(() => queueMicrotask(answered))
        .observe(document, { subtree: true, attributeFilter: ['aria-busy'] });
    });
  });
}

const firstPaintInPage = () => new Promise((resolve) => {
  new PerformanceObserver((entries) => {
    const paint = entries.getEntriesByName('first-contentful-paint')[0];
    if (paint) resolve(paint.startTime);
  }).observe({ type: 'paint', buffered: true });
});

// Times the handling of a press and of its release on whatever is clicked,
// from the window's first sight of each event to the box's text laid out
// after the page's own listeners: the two added up, per click.
function armTimer() {
  window.clickTimes = [];
  let start = 0;
  let spent = 0;
  for (const type of ['mousedown', 'mouseup']) {
    window.addEventListener(type, () => { start = performance.now(); }, true);
    window.addEventListener(type, () => {
      void document.getElementById('Text1_0').scrollHeight; // layout
      spent += performance.now() - start;
      if (type === 'mouseup') {
        window.clickTimes.push(spent);
        spent = 0;
      }
    });
  }
}

async function chromiumFigures(floorPath, floorUrl) {
  const browser = await chromium.launch({ executablePath: chromiumPath, headless: true,
    args: ['--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking'] });
  const context = await browser.newContext({ viewport: { width: 1024, height: 768 } });
  const page = await context.newPage();
  await page.goto(pageUrl);
  await page.waitForFunction(ready);
  const floor = await page.evaluate(staticCopy);
  fs.writeFileSync(floorPath, floor);

  const paints = { program: [], floor: [] };
  const answers = [];
  const clicking = await context.newPage();
  await clicking.addInitScript(clickAtOnce);
  await page.bringToFront();
  for (let round = 0; round < rounds; round++) {
    await page.goto(pageUrl);
    paints.program.push(await page.evaluate(firstPaintInPage));
    await page.goto(floorUrl);
    paints.floor.push(await page.evaluate(firstPaintInPage));
  }
  // A page behind another is not painted: each is brought to the front for
  // its own loads.
  await clicking.bringToFront();
  for (let round = 0; round < rounds; round++) {
    await clicking.goto(pageUrl);
    answers.push(await clicking.evaluate(() => window.answeredAt));
  }
  await page.bringToFront();
  if ((await clicking.$eval('#Text1_0', (box) => box.value)) !== outputs[1]) throw new Error('the early click went unanswered');

  // The program: a click on the species; the floor: a click on the banner,
  // whose release writes the same text into the same box.
  await page.goto(pageUrl);
  await page.waitForFunction(ready);
  await page.evaluate((text) => {
    document.getElementById('Label1_0').addEventListener('mouseup', () => {
      const box = document.getElementById('Text1_0');
      box.value = text;
      box.scrollTop = 0;
    });
  }, outputs[longest]);
  await page.evaluate(armTimer);
  const species = (position) => page.locator(`#List1_0_${position}`).click();
  const times = { program: [], floor: [] };
  for (let i = 0; i < clicks; i++) {
    await species((longest + 1) % outputs.length); // another text first, untimed
    await species(longest);
    await species((longest + 2) % outputs.length);
    await page.locator('#Label1_0').click();
    const [, program, , floor] = await page.evaluate(() => window.clickTimes.splice(0));
    times.program.push(program);
    times.floor.push(floor);
  }
  if ((await page.$eval('#Text1_0', (box) => box.value)) !== outputs[longest]) throw new Error('the floor wrote another text');
  const version = browser.version();
  await browser.close();
  return { version, paints, answers, times };
}

// Firefox's first paint, where puppeteer-core is there to drive it.
async function firefoxPaints(floorUrl) {
  let puppeteer;
  try {
    puppeteer = require('puppeteer-core');
  } catch {
    return null;
  }
  const browser = await puppeteer.launch({ browser: 'firefox', protocol: 'webDriverBiDi', executablePath: firefoxPath,
    headless: true });
  const page = await browser.newPage();
  await page.setViewport({ width: 1024, height: 768 });
  const paints = { program: [], floor: [] };
  for (let round = 0; round < rounds; round++) {
    await page.goto(pageUrl);
    paints.program.push(await page.evaluate(firstPaintInPage));
    await page.goto(floorUrl);
    paints.floor.push(await page.evaluate(firstPaintInPage));
  }
  const version = await browser.version();
  await browser.close();
  return { version, paints };
}

async function main() {
  const floorPath = path.join(fs.mkdtempSync(path.join(os.tmpdir(), 'ribi-floor-')), 'floor.html');
  const floorUrl = pathToFileURL(floorPath).href;
  const chromiumRun = await chromiumFigures(floorPath, floorUrl);
  const firefoxRun = await firefoxPaints(floorUrl);

  const row = (figure, program, floor, goal) =>
    `| ${figure} | ${program.toFixed(3)} ms | ${floor.toFixed(3)} ms | ${(program / floor).toFixed(2)} | ${goal} |`;
  const ratioGoal = (program, floor, most) =>
    `ratio ≤ ${most.toFixed(2)} ${(program / floor).toFixed(2) <= most ? 'met' : 'NOT met'}`;
  const paint = (run) => [trimmedMean(run.paints.program), trimmedMean(run.paints.floor)];
  console.log('| figure (paints: trimmed mean; clicks: median) | program | floor | ratio | goal |');
  console.log('|---|---:|---:|---:|---:|');
  const [program, floor] = paint(chromiumRun);
  console.log(row('Chromium: first contentful paint', program, floor, ratioGoal(program, floor, 1.1)));
  console.log(row('Chromium: navigation to a click at once answered / floor\'s first paint',
    trimmedMean(chromiumRun.answers), floor, ''));
  const click = [median(chromiumRun.times.program), median(chromiumRun.times.floor)];
  console.log(row('Chromium: species click (press and release) to text laid out', ...click,
    ratioGoal(...click, 1.5)));
  if (firefoxRun) {
    const [firefoxProgram, firefoxFloor] = paint(firefoxRun);
    console.log(row('Firefox: first contentful paint', firefoxProgram, firefoxFloor, ''));
  }
  console.log(`(${rounds} page loads of each and ${clicks} clicks each; Chromium ${chromiumRun.version}` +
    `${firefoxRun ? `, Firefox ${firefoxRun.version}` : '; Firefox not measured: puppeteer-core is not installed'})`);
}

main().catch((error) => {
  console.error(error);
  process.exit(1);
});
