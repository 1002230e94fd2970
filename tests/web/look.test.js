'use strict';
// The window as it is seen: at a desktop's size every control at its place
// to the pixel, in its colours and font; on a phone, laid out for the
// screen and its fingers. Places hold within a pixel in every engine.

const test = require('node:test');
const assert = require('node:assert/strict');
const b = require('./browser');

const { look } = b.expected;
const near = (actual, expected, what) => assert.ok(Math.abs(actual - expected) <= 1, `${what}: ${actual}, not ${expected}`);

// Each element's rectangle in its parent control's CSS pixels (the window's for the window).
const placesOnPage = (page) => page.run((ids) => Object.fromEntries(ids.map((id) => {
  const element = document.getElementById(id);
  const rect = element.getBoundingClientRect();
  const parent = id === 'MainForm' ? { left: 0, top: 0 } : element.parentElement.closest('[id]').getBoundingClientRect();
  return [id, { left: rect.left - parent.left, top: rect.top - parent.top, width: rect.width, height: rect.height }];
})), ['MainForm', ...look.places.map((p) => p.id)]);

test('at a desktop\'s size: every control at its place, in its colours and font', (t) => b.withPage(t, async (page) => {
  await t.test('one element, MainForm, holds every control, each at its place', async () => {
    const places = await placesOnPage(page);
    near(places.MainForm.width, look.width, 'window width');
    near(places.MainForm.height, look.height, 'window height');
    for (const { id, ...expected } of look.places)
      for (const side of ['left', 'top', 'width', 'height']) near(places[id][side], expected[side], `${id} ${side}`);
    const outside = await page.run((ids) => ids.filter((id) => !document.getElementById('MainForm').contains(document.getElementById(id))),
      b.expected.controls.map((c) => c.id));
    assert.deepEqual(outside, []);
  });

  await t.test('the output box\'s lines are as far apart as the list\'s rows', async () => {
    const [pitch, row] = await page.run(() => {
      const box = document.getElementById('Text1_0');
      const copy = box.parentElement.appendChild(box.cloneNode());
      copy.style.height = '0';
      const heightOf = (text) => { copy.value = text; return copy.scrollHeight; };
      const pitch = heightOf('a\na\na') - heightOf('a\na');
      copy.remove();
      return [pitch, document.getElementById('List1_0_0').getBoundingClientRect().height];
    });
    assert.equal(pitch, row);
  });

  await t.test('backgrounds are their colours to the unit, on the screen', async () => {
    const shot = await page.shot();
    const origins = await page.run((ids) => ids.map((id) => {
      const { left, top } = document.getElementById(id).getBoundingClientRect();
      return [left, top];
    }), look.backgrounds.map((s) => s.id));
    look.backgrounds.forEach(({ what, x, y, colour }, i) =>
      assert.deepEqual(shot.rgb(origins[i][0] + x + 0.5, origins[i][1] + y + 0.5), colour, `${what} at ${x}, ${y}`));
  });

  await t.test('the font is the description\'s, or a face with its metrics', async () => {
    const [family, size] = await page.run(() => ['fontFamily', 'fontSize'].map((p) => getComputedStyle(document.getElementById('List1_0'))[p]));
    assert.ok(family.startsWith(`"${b.expected.font}"`), family);
    assert.equal(size, `${b.expected.fontPixels}px`);
    if (b.can(t, 'platformFonts'))
      for (const selector of ['#List1_0_0', '#Label1_0', '#Text1_0', '#Option1_0 span'])
        for (const face of await page.platformFonts(selector))
          assert.ok(['Times New Roman', 'Liberation Serif', 'Tinos'].includes(face), `${selector}: ${face}`);
  });

  await t.test('title with its two blanks, and the program\'s icon inline', async () => {
    const [title, icon] = await page.run(() => [document.title, document.querySelector('link[rel="icon"]').href]);
    assert.equal(title.replace(/\u00a0/g, ' '), look.title);
    assert.ok(!title.includes(' ')); // blanks that document.title would collapse are no-break spaces
    assert.match(icon, /^data:image\/png;base64,/);
    const png = Buffer.from(icon.split(',')[1], 'base64');
    assert.deepEqual([png.readUInt32BE(16), png.readUInt32BE(20)], [32, 32]);
  });
}));

// What makes a window usable by a finger on a small screen.
function phoneLayout() {
  const rect = (e) => e.getBoundingClientRect();
  const mainForm = document.getElementById('MainForm');
  const form = rect(mainForm);
  const scale = form.width / mainForm.offsetWidth; // 1 unless the window is drawn scaled
  const texts = ['#List1_0_0', '#Label1_0', '#Label1_1', '#Text1_0', '#Option1_0', '#Frame1_0 legend'];
  const box = document.getElementById('Text1_0');
  window.scrollTo(100, 0);
  return {
    top: form.top, height: form.height, viewport: innerHeight,
    sideways: [document.documentElement.scrollWidth > innerWidth, window.scrollX],
    smallTexts: texts.filter((s) => parseFloat(getComputedStyle(document.querySelector(s)).fontSize) * scale < 16),
    smallTargets: [...document.querySelectorAll('#List1_0 > [role="option"], #Frame1_0 > label')]
      .filter((e) => rect(e).width < 44 || rect(e).height < 44).map((e) => e.id),
    boxScrolls: ['auto', 'scroll'].includes(getComputedStyle(box).overflowY) && box.scrollHeight > box.clientHeight,
  };
}

for (const size of b.phones) {
  test(`on a ${size.width} by ${size.height} phone: the window fills the screen and works by touch`, async (t) => {
    await b.withPage(t, async (page) => {
      await page.shot();
      if (size.width > look.width && !b.can(t, 'coarsePointer')) return; // a mouse's layout: the desktop's
      const layout = await page.run(phoneLayout); // the task statement fills more than the box
      near(layout.top, 0, 'window top');
      near(layout.height, layout.viewport, 'window height');
      assert.deepEqual(layout.sideways, [false, 0]);
      assert.deepEqual(layout.smallTexts, []);
      assert.deepEqual(layout.smallTargets, []);
      assert.equal(layout.boxScrolls, true);
      const touch = b.can(t, 'touch') ? page.touch : page.press;
      await touch('#Option1_1');
      assert.equal((await page.state()).output, b.outputs.listings[1]);
      await touch('#List1_0_17'); // scrolled into view in the list first
      assert.equal((await page.state()).output, b.outputs.species[17]);
    }, { ...size, touch: true });
  });
}
