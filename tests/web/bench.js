'use strict';
// `make bench`, the browser's figures, each beside a floor measured in the
// same run, program and floor alternating so that a busy machine slows both:
// - first contentful paint of ribi.html against a static page with the
//   same controls and texts and no program;
// - a real mouse press on a species to its text in the box, laid out,
//   against writing the same text into the same box from the same event.

const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { pathToFileURL } = require('node:url');
const b = require('./browser');

const rounds = 15;
const clicks = 60;
const longestDescription = b.expected.speciesOutputs.reduce((best, text, p, all) =>
  (text.length > all[best].length ? p : best), 0);

const median = (values) => {
  const sorted = [...values].sort((x, y) => x - y);
  const middle = sorted.length >> 1;
  return sorted.length % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
};

// The window at its first view, as plain HTML: no script, no policy.
async function staticCopy(page) {
  return page.evaluate(() => {
    const copy = document.documentElement.cloneNode(true);
    copy.querySelector('#Text1_0').textContent = document.getElementById('Text1_0').value;
    for (const element of copy.querySelectorAll('script, meta[http-equiv]')) element.remove();
    return `<!DOCTYPE html>\n${copy.outerHTML}`;
  });
}

async function firstPaint(page, url) {
  await page.goto(url);
  return page.evaluate(() => new Promise((resolve) => {
    new PerformanceObserver((entries) => {
      const paint = entries.getEntriesByName('first-contentful-paint')[0];
      if (paint) resolve(paint.startTime);
    }).observe({ type: 'paint', buffered: true });
  }));
}

// Times from a mouse press (the window sees it first) to the box's new text
// laid out, measured in the page when the press has been handled.
async function armTimer(page) {
  await page.evaluate(() => {
    window.pressTimes = [];
    let start = 0;
    window.addEventListener('mousedown', () => { start = performance.now(); }, true);
    window.addEventListener('mousedown', () => {
      void document.getElementById('Text1_0').scrollHeight; // layout
      window.pressTimes.push(performance.now() - start);
    });
  });
}

async function main() {
  const browser = await b.openBrowser();
  const { page } = browser;
  await b.load(page);
  const floorPath = path.join(fs.mkdtempSync(path.join(os.tmpdir(), 'ribi-floor-')), 'floor.html');
  fs.writeFileSync(floorPath, await staticCopy(page));
  const floorUrl = pathToFileURL(floorPath).href;

  const paints = { program: [], floor: [] };
  for (let round = 0; round < rounds; round++) {
    paints.program.push(await firstPaint(page, b.pageUrl));
    paints.floor.push(await firstPaint(page, floorUrl));
  }

  // The program: a press on the species; the floor: a press on the banner
  // writes the same text into the same box.
  await b.load(page);
  const output = b.withLf(b.expected.speciesOutputs[longestDescription]);
  await page.evaluate((text) => {
    document.getElementById('Label1_0').addEventListener('mousedown', () => {
      const box = document.getElementById('Text1_0');
      box.value = text;
      box.scrollTop = 0;
    });
  }, output);
  await armTimer(page);
  const times = { program: [], floor: [] };
  for (let i = 0; i < clicks; i++) {
    await b.clickSpecies(page, (longestDescription + 1) % b.expected.speciesOutputs.length); // other text first, untimed
    await b.clickSpecies(page, longestDescription);
    await b.clickSpecies(page, (longestDescription + 2) % b.expected.speciesOutputs.length);
    await page.locator('#Label1_0').click();
    const [, program, , floor] = await page.evaluate(() => window.pressTimes.splice(0));
    times.program.push(program);
    times.floor.push(floor);
  }
  if ((await b.shown(page)) !== output) throw new Error('the floor wrote another text');
  await browser.close();

  const row = (figure, program, floor, goal) => {
    const ratio = program / floor;
    return `| ${figure} | ${program.toFixed(3)} ms | ${floor.toFixed(3)} ms | ${ratio.toFixed(2)} | ${goal} |`;
  };
  const paintRatio = median(paints.program) / median(paints.floor);
  console.log('| figure (median) | program | floor | ratio | goal |');
  console.log('|---|---:|---:|---:|---:|');
  console.log(row('browser: first contentful paint', median(paints.program), median(paints.floor),
    `ratio ≤ 1.3 ${paintRatio <= 1.3 ? 'met' : 'NOT met'}`));
  const click = median(times.program);
  console.log(row('browser: species press to text laid out', click, median(times.floor),
    `< 2 ms ${click < 2 ? 'met' : 'NOT met'}`));
  console.log(`(${rounds} page loads and ${clicks} presses each; Chromium ${b.chromiumPath})`);
}

main().catch((error) => {
  console.error(error);
  process.exit(1);
});
