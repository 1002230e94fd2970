'use strict';
// The phone layouts' output box wraps no number apart from its unit, as the
// shared window suite checks of every window at its own width and
// narrower: here at the box's width that only a phone gives it.

const test = require('node:test');
const assert = require('node:assert/strict');
const b = require('./browser');

// The rule as the other windows' suite states it: a row ending in a digit,
// the next starting with a digit group or a unit of its own.
const breaksANumber = (before, after) => /\d[ \u00a0]*$/.test(before) && /^[ \u00a0]*(\d|(м|кг|см|г|°C)(?![а-яА-Яa-zA-Z]))/.test(after);

// The rows the output box wraps its text into. A textarea does not tell its rows: its text is laid
// out again in a block of the same content width and text style, and read
// a character at a time. That block's row count must be the textarea's own.
function outputRows() {
  const box = document.getElementById('Text1_0');
  const style = getComputedStyle(box);
  const mirror = document.createElement('div');
  for (const property of ['fontFamily', 'fontSize', 'fontWeight', 'fontStyle', 'fontKerning', 'letterSpacing',
    'wordSpacing', 'lineHeight', 'whiteSpace', 'overflowWrap', 'wordBreak', 'lineBreak', 'hyphens', 'tabSize'])
    mirror.style[property] = style[property];
  const padding = parseFloat(style.paddingLeft) + parseFloat(style.paddingRight);
  Object.assign(mirror.style, { position: 'absolute', left: '0', top: '0', visibility: 'hidden', padding: '0',
    border: '0', width: `${box.clientWidth - padding}px` });
  mirror.textContent = box.value;
  document.body.append(mirror);
  const range = document.createRange();
  const rows = [];
  let top = null;
  for (let i = 0; i < box.value.length; ++i) {
    range.setStart(mirror.firstChild, i);
    range.setEnd(mirror.firstChild, i + 1);
    // WebKit also gives the first character of a row a rect of no width at
    // the end of the row before.
    const rect = box.value[i] === '\n' ? null : [...range.getClientRects()].filter((r) => r.width > 0).pop();
    if (rows.length === 0 || (rect && rect.top > top + 1)) {
      rows.push('');
      top = rect ? rect.top : top;
    }
    rows[rows.length - 1] += box.value[i];
  }
  mirror.remove();
  const vertical = parseFloat(style.paddingTop) + parseFloat(style.paddingBottom);
  return { width: box.offsetWidth, rows, boxRows: Math.round((box.scrollHeight - vertical) / parseFloat(style.lineHeight)),
    overflows: box.scrollHeight > box.clientHeight };
}

for (const size of b.phones) {
  test(`no row of the output box parts a number from its unit at ${size.width}x${size.height}`, (t) => b.withPage(t, async (page) => {
    for (const [position, name] of b.control('List1_0').items.entries()) {
      await page.clickSpecies(position);
      const shown = await page.run(outputRows);
      if (shown.overflows) assert.equal(shown.rows.length, shown.boxRows, `${name} at ${shown.width} px: rows read`);
      for (let k = 1; k < shown.rows.length; ++k)
        assert.ok(!breaksANumber(shown.rows[k - 1], shown.rows[k]),
          `${name} at ${shown.width} px: "${shown.rows[k - 1]}" / "${shown.rows[k]}"`);
    }
  }, size));
}
