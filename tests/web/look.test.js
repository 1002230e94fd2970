'use strict';
// The window as it is seen: every control at its place and size, the
// colours sampled from a screenshot, the font, title and icon, and the
// whole window on a phone's screen.

const test = require('node:test');
const assert = require('node:assert/strict');
const b = require('./browser');
const { decodePng } = require('./png');

const visible = b.expected.controls.filter((c) => c.visible);

// Each control's rectangle in the window's (or its frame's) CSS pixels.
function placesOnPage(page) {
  return page.evaluate((ids) => {
    const form = document.getElementById('MainForm').getBoundingClientRect();
    const places = { MainForm: { left: form.left, top: form.top, width: form.width, height: form.height } };
    for (const { id, container } of ids) {
      const rect = document.getElementById(id).getBoundingClientRect();
      const origin = container ? document.getElementById(`${container}_0`).getBoundingClientRect() : form;
      places[id] = { left: rect.left - origin.left, top: rect.top - origin.top, width: rect.width, height: rect.height };
    }
    return places;
  }, visible.map(({ id, container }) => ({ id, container })));
}

test('at scale 1: every control at its place, in its colours and font', (t) => b.withPage(t, async (page) => {
  await t.test('one element, MainForm, holds every control at twips / 15 pixels', async () => {
    const places = await placesOnPage(page);
    assert.equal(places.MainForm.width, b.expected.width);
    assert.equal(places.MainForm.height, b.expected.height);
    for (const c of visible)
      assert.deepEqual(places[c.id], { left: c.left, top: c.top, width: c.width, height: c.height }, c.id);
    const outside = await page.evaluate(
      (ids) => ids.filter((id) => !document.getElementById('MainForm').contains(document.getElementById(id))),
      b.expected.controls.map((c) => c.id));
    assert.deepEqual(outside, []);
    assert.equal(await page.evaluate(() => document.getElementById('MainForm').id), b.expected.name);
  });

  await t.test('backgrounds are their colours to the unit, on the screen', async () => {
    const shot = decodePng(await page.screenshot());
    const form = (await placesOnPage(page)).MainForm;
    const at = (x, y) => shot.rgb(form.left + x + 0.5, form.top + y + 0.5);
    // Window: left of the frame, and below the names list.
    assert.deepEqual(at(3, 30), b.expected.background, 'window');
    assert.deepEqual(at(3, 170), b.expected.background, 'window');
    // Each control near its lower right corner, clear of text and borders.
    for (const c of visible.filter((c) => c.background)) {
      const origin = c.container ? b.control(`${c.container}_0`) : { left: 0, top: 0 };
      const x = origin.left + c.left + c.width - 20;
      const y = origin.top + c.top + c.height - 5;
      assert.deepEqual(at(x, y), c.background, c.id);
    }
  });

  await t.test('the font is the description\'s, or a face with its metrics; nothing is fetched for it', async () => {
    const session = await page.context().newCDPSession(page);
    await session.send('DOM.enable');
    await session.send('CSS.enable');
    const { root } = await session.send('DOM.getDocument');
    for (const selector of ['#List1_0_0', '#Label1_0', '#Text1_0', '#Option1_0 span']) {
      const { nodeId } = await session.send('DOM.querySelector', { nodeId: root.nodeId, selector });
      const { fonts } = await session.send('CSS.getPlatformFontsForNode', { nodeId });
      for (const font of fonts)
        assert.ok(['Times New Roman', 'Liberation Serif', 'Tinos'].includes(font.familyName), `${selector}: ${font.familyName}`);
    }
    const [family, size] = await page.$eval('#List1_0', (e) => [getComputedStyle(e).fontFamily, getComputedStyle(e).fontSize]);
    assert.ok(family.startsWith(`"${b.expected.font}"`), family);
    assert.equal(size, `${b.expected.fontPixels}px`);
  });

  await t.test('title with its two blanks, and the program\'s icon inline', async () => {
    const title = await page.title();
    assert.equal(title.replace(/\u00a0/g, ' '), b.expected.title);
    assert.ok(!title.includes(' ')); // blanks that document.title would collapse are no-break spaces
    const icon = await page.$eval('link[rel="icon"]', (link) => link.href);
    assert.match(icon, /^data:image\/png;base64,/);
    const png = Buffer.from(icon.split(',')[1], 'base64');
    assert.equal(png.readUInt32BE(16), 32); // 32 by 32 pixels
    assert.equal(png.readUInt32BE(20), 32);
  });
}));

test('on a 360 by 640 phone the whole window fits, scaled evenly, and works by touch', (t) => b.withPage(t, async (page) => {
  const places = await placesOnPage(page);
  const scale = places.MainForm.width / b.expected.width;
  assert.ok(scale > 0.7 && scale < 1, `scale ${scale}`);
  assert.ok(places.MainForm.left >= 0 && places.MainForm.left + places.MainForm.width <= 360.5);
  assert.ok(Math.abs(places.MainForm.height - b.expected.height * scale) < 0.5);
  for (const c of visible) // the same layout, smaller
    for (const side of ['left', 'top', 'width', 'height'])
      assert.ok(Math.abs(places[c.id][side] - c[side] * scale) < 0.5, `${c.id} ${side}`);

  const sideways = await page.evaluate(() => {
    window.scrollTo(100, 0);
    return [document.documentElement.scrollWidth, window.scrollX];
  });
  assert.deepEqual(sideways, [360, 0]);

  await page.locator('#List1_0_6').tap();
  assert.equal(await b.kept(page), b.expected.speciesOutputs[6]);
  await page.locator('#Option1_0').tap();
  assert.equal(await b.kept(page), b.expected.typeListings[0]);
}, { viewport: { width: 360, height: 640 }, hasTouch: true }));

// WCAG 2's contrast ratio of two CSS colours "rgb(r, g, b)".
function contrast(a, b) {
  const luminance = (css) => {
    const [r, g, bl] = css.match(/\d+/g).slice(0, 3).map((v) => {
      const c = Number(v) / 255;
      return c <= 0.03928 ? c / 12.92 : ((c + 0.055) / 1.055) ** 2.4;
    });
    return 0.2126 * r + 0.7152 * g + 0.0722 * bl;
  };
  const [hi, lo] = [luminance(a), luminance(b)].sort((x, y) => y - x);
  return (hi + 0.05) / (lo + 0.05);
}

test('under a dark colour scheme every text still reads on its background', (t) => b.withPage(t, async (page) => {
  const colours = await page.evaluate(() => {
    const of = (id) => {
      const style = getComputedStyle(document.getElementById(id));
      return { color: style.color, background: style.backgroundColor };
    };
    return { output: of('Text1_0'), banner: of('Label1_0'), names: of('Label1_1'), option: of('Option1_0') };
  });
  // The output box follows the scheme as a whole: dark, with light text.
  assert.ok(contrast(colours.output.background, 'rgb(0, 0, 0)') < 1.5, colours.output.background);
  for (const [name, { color, background }] of Object.entries(colours))
    assert.ok(contrast(color, background) >= 4.5, `${name}: ${color} on ${background}`);
}, { before: (page) => page.emulateMedia({ colorScheme: 'dark' }) }));

