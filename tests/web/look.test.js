'use strict';
// The window as only a browser shows it: the faces its font is drawn with,
// and on a phone, laid out for the screen and its fingers.

const test = require('node:test');
const assert = require('node:assert/strict');
const b = require('./browser');

// The places, colours and font of the window are the shared C++ suites';
// here, what only a browser shows.
test('at a desktop\'s size: the font\'s faces, the output box\'s line pitch, the icon', (t) => b.withPage(t, async (page) => {
  if (b.can(t, 'platformFonts'))
    for (const selector of ['#List1_0_0', '#Label1_0', '#Text1_0', '#Option1_0 span'])
      for (const face of await page.platformFonts(selector))
        assert.ok(['Times New Roman', 'Liberation Serif', 'Tinos'].includes(face), `${selector}: ${face}`);
  const [pitch, row] = await page.run(() => {
    const box = document.getElementById('Text1_0');
    const copy = box.parentElement.appendChild(box.cloneNode());
    copy.style.height = '0';
    const heightOf = (text) => { copy.value = text; return copy.scrollHeight; };
    const lines = heightOf('a\na\na') - heightOf('a\na');
    copy.remove();
    return [lines, document.getElementById('List1_0_0').getBoundingClientRect().height];
  });
  assert.equal(pitch, row); // as far apart as the list's rows
  const icon = await page.run(() => document.querySelector('link[rel="icon"]').href);
  assert.match(icon, /^data:image\/png;base64,/);
  const png = Buffer.from(icon.split(',')[1], 'base64');
  assert.deepEqual([png.readUInt32BE(16), png.readUInt32BE(20)], [32, 32]);
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
    // The window's top and its height against the screen's, to a pixel.
    misfit: [form.top, form.height - innerHeight].map((by) => (Math.abs(by) <= 1 ? 0 : by)),
    sideways: [document.documentElement.scrollWidth > innerWidth, window.scrollX],
    smallTexts: texts.filter((s) => parseFloat(getComputedStyle(document.querySelector(s)).fontSize) * scale < 16),
    smallTargets: [...document.querySelectorAll('#List1_0 > [role="option"], #Frame1_0 > label')]
      .filter((e) => rect(e).width < 44 || rect(e).height < 44).map((e) => e.id),
    boxScrolls: ['auto', 'scroll'].includes(getComputedStyle(box).overflowY) && box.scrollHeight > box.clientHeight,
  };
}

for (const size of b.phones) {
  test(`on a ${size.width} by ${size.height} phone: the window fills the screen and works by touch`, (t) => b.withPage(t, async (page) => {
    await page.shot();
    if (size.width > b.expected.look.width && !b.can(t, 'coarsePointer')) return; // a mouse's layout: the desktop's
    assert.deepEqual(await page.run(phoneLayout), { misfit: [0, 0], sideways: [false, 0], smallTexts: [], smallTargets: [],
      boxScrolls: true }); // the task statement fills more than the box
    const touch = b.can(t, 'touch') ? page.touch : page.press;
    await touch('#Option1_1');
    assert.equal((await page.state()).output, b.outputs.listings[1]);
    await touch('#List1_0_17'); // scrolled into view in the list first
    assert.equal((await page.state()).output, b.outputs.species[17]);
  }, { ...size, touch: true }));
}
