// The page's side of the window: its elements, found by id where the page
// was built with the window drawn in, else made; what each shows; and the
// pupil's presses, keys and typing, which go straight to the program's
// controls (page_views.cpp exports what they call). The program names each
// element by its control's position in the form's plan. Texts come as
// UTF-16, as the program holds them, ending in NUL unless a length is given.
var ribiPageViews = {
  $ribiPage: { elements: [], inputs: [], created: [], form: null, regions: [], next: 0, pending: null, timer: 0, listening: null },
  $ribiText: function (text, length) {
    var at = text >> 1, end = at;
    if (length === undefined) while (HEAPU16[end]) end++;
    else end += length;
    return String.fromCharCode.apply(null, HEAPU16.subarray(at, end));
  },
  $ribiListen: function (target, type, listener) {
    target.addEventListener(type, listener, { 'signal': ribiPage.listening.signal });
  },
  // The element `id`, or a new `tag` in `parent`, which `fill` fills.
  $ribiObtain: function (parent, tag, id, fill) {
    var element = document.getElementById(id);
    ribiPage.made = !element;
    if (element) return element;
    element = parent.appendChild(document.createElement(tag));
    element.id = id;
    fill(element);
    return element;
  },
  // The element of the control at `position`, in the window or in the
  // control at `parent`.
  $ribiMake: function (position, parent, tag, id, fill) {
    var element = ribiObtain(parent < 0 ? ribiPage.form : ribiPage.elements[parent], tag, ribiText(id), fill);
    ribiPage.created[position] = ribiPage.made;
    return ribiPage.elements[position] = element;
  },
  // What receives the focus: an option's radio input, else the element.
  $ribiFocusable: function (position) { return ribiPage.inputs[position] || ribiPage.elements[position]; },
  $ribiColour: function (colour) { return 'rgb(' + (colour >> 16) + ',' + (colour >> 8 & 255) + ',' + (colour & 255) + ')'; },

  ribi_page_window: function (id, title, width, height, background, font, fontPixels, fontWeight) {
    ribiPage.listening = new AbortController();
    var landmark = ribiObtain(document.body, 'main', 'ribi-page', function () {});
    ribiPage.form = ribiObtain(landmark, 'div', ribiText(id), function (form) {
      // document.title collapses runs of blanks; no-break spaces stay as they are.
      document.title = ribiText(title).replace(/ /g, '\xa0');
      document.documentElement.lang = 'bg'; // for the screen reader's voice
      form.className = 'ribi-form';
      form.setAttribute('aria-busy', 'true');
      var style = form.style;
      style.width = width + 'px';
      style.height = height + 'px';
      style.backgroundColor = ribiColour(background);
      // The description's face first, then faces with the same metrics as
      // Times New Roman that free systems carry; nothing is fetched.
      style.fontFamily = '"' + ribiText(font) + '", "Liberation Serif", "Tinos", serif';
      style.fontSize = fontPixels + 'px';
      style.fontWeight = fontWeight;
    });
    ribiPage.windowMade = ribiPage.made;
    ribiPage.regions = [0, 1].map(function (number) {
      return ribiObtain(landmark, 'div', 'ribi-announcement-' + number, function (region) {
        region.setAttribute('role', 'status');
        region.setAttribute('aria-live', 'polite');
        region.setAttribute('aria-atomic', 'true');
        region.className = 'ribi-announcement';
      });
    });
  },
  ribi_page_label: function (position, parent, id, text, heading, centred) {
    ribiMake(position, parent, heading ? 'h1' : 'div', id, function (label) {
      label.className = 'ribi-label';
      label.style.textAlign = centred ? 'center' : 'left';
      label.textContent = ribiText(text);
    });
  },
  ribi_page_frame: function (position, parent, id, text) {
    ribiMake(position, parent, 'fieldset', id, function (frame) {
      frame.className = 'ribi-frame';
      frame.appendChild(document.createElement('legend')).textContent = ribiText(text);
    });
  },
  // A radio input in a label that spans the option's rectangle, so that a
  // press anywhere in it counts; its click, Space included, and the arrow
  // keys go to the form's option, which decides what is checked.
  ribi_page_option: function (position, parent, id, group, caption, option) {
    var input = ribiPage.inputs[position] = ribiMake(position, parent, 'label', id, function (label) {
      label.className = 'ribi-option';
      var input = label.appendChild(document.createElement('input'));
      input.type = 'radio';
      input.name = ribiText(group);
      label.appendChild(document.createElement('span')).textContent = ribiText(caption);
    }).querySelector('input');
    // A click on the label reaches the input as a click of its own.
    ribiListen(input, 'click', function () { _ribi_option_click(option); });
    // The browser's own arrow keys would check the next radio without a
    // click of the form's: the form's option moves instead.
    ribiListen(input, 'keydown', function (event) {
      var forward = event.key === 'ArrowDown' || event.key === 'ArrowRight';
      var back = event.key === 'ArrowUp' || event.key === 'ArrowLeft';
      var modified = event.ctrlKey || event.altKey || event.shiftKey || event.metaKey;
      if ((forward || back) && !modified && _ribi_option_arrow(option, forward)) event.preventDefault();
    });
  },
  ribi_page_check: function (position, checked) { ribiFocusable(position).checked = !!checked; },
  ribi_page_tab_stop: function (position, tabStop) { ribiFocusable(position).tabIndex = tabStop ? 0 : -1; },
  ribi_page_focus: function (position) { ribiFocusable(position).focus(); },

  // An ARIA listbox of rows, single selection: the DOM has no list box of
  // its own, so the rows that keys move to, and the scrolling, also while a
  // drag holds the pointer beyond the list's edge, are decided here and by
  // the form's list. No `list`: a hidden list, whose items are read by
  // position only, never seen nor read out.
  ribi_page_list: function (position, parent, id, list) {
    var element = ribiMake(position, parent, 'div', id, function (element) {
      if (!list) return;
      element.setAttribute('role', 'listbox');
      element.className = 'ribi-list';
      element.tabIndex = 0;
    });
    var rows = element.ribiRows = [], pressed = false, pointerY = 0, step = 0;
    if (!list) return;
    function rowHeight() { return rows.length ? Math.max(1, rows[0].offsetHeight) : 1; }
    function pressEnded(stillPressed) {
      pressed = stillPressed;
      if (pressed) return;
      clearTimeout(step);
      step = 0;
    }
    // The selection follows the held pointer: to the row at its height, or,
    // beyond the top or bottom of the rows, to the row at that edge, the
    // list scrolled a row towards it, and again while it stays there.
    function follow() {
      if (!pressed || !rows.length) return;
      var height = element.clientHeight, h = rowHeight();
      var y = pointerY - element.getBoundingClientRect().top - element.clientTop;
      if (y >= 0 && y < height) {
        clearTimeout(step);
        step = 0;
        return _ribi_list_move(list, ((element.scrollTop | 0) + (y | 0)) / h | 0);
      }
      if (step) return; // the next row comes when the step is due
      var up = y < 0;
      element.scrollTop = Math.max(0, (element.scrollTop | 0) + (up ? -h : h));
      var scroll = element.scrollTop | 0; // as far as the list goes
      var edge = up ? (scroll + h - 1) / h | 0 : ((scroll + height) / h | 0) - 1;
      _ribi_list_move(list, Math.min(Math.max(edge, 0), rows.length - 1));
      step = setTimeout(function () { step = 0; follow(); }, 100);
    }
    ribiListen(element, 'mousedown', function (event) {
      if (event.button !== 0) return; // a right or middle press selects nothing
      pressed = _ribi_list_press(list, rows.indexOf(event.target), event.detail === 2);
      if (pressed) pointerY = event.clientY;
    });
    // A drag goes on and ends anywhere on the page. (Listening only while
    // the button is held would cost each click more than a move costs.)
    ribiListen(document, 'mousemove', function (event) {
      if (!pressed) return;
      if (!(event.buttons & 1)) return pressEnded(_ribi_list_cancel(list)); // released where the page did not see it
      pointerY = event.clientY;
      follow();
    });
    ribiListen(document, 'mouseup', function (event) {
      if (event.button === 0) pressEnded(_ribi_list_release(list));
    });
    ribiListen(element, 'blur', function () { pressEnded(_ribi_list_cancel(list)); });
    // In the order of the form's list's keys.
    var keys = ['ArrowDown', 'ArrowUp', 'PageDown', 'PageUp', 'Home', 'End'];
    ribiListen(element, 'keydown', function (event) {
      if (!rows.length || event.altKey || event.metaKey) return;
      var letter = event.key.length === 1 && !event.ctrlKey ? event.key.toLowerCase().charCodeAt(0) : 0;
      var page = (element.clientHeight / rowHeight() | 0) - 1;
      var target = _ribi_list_key(list, keys.indexOf(event.key), letter, page);
      if (target < 0) return;
      event.preventDefault();
      if (target === element.ribiSelected) return;
      // Scrolled before the Click, whose output would have to be laid out
      // first; within the list only, by whole rows: the first row shown is
      // never cut.
      var top = rows[target].offsetTop, scroll = element.scrollTop | 0, height = element.clientHeight, h = rowHeight();
      if (top < scroll) element.scrollTop = top;
      else if (top + h > scroll + height) element.scrollTop = top - (Math.max(1, height / h | 0) - 1) * h;
      _ribi_list_select(list, target);
    });
  },
  ribi_page_row: function (position, id, name) {
    var list = ribiPage.elements[position];
    list.ribiRows.push(ribiObtain(list, 'div', ribiText(id), function (row) {
      row.setAttribute('role', 'option');
      row.setAttribute('aria-selected', 'false');
      row.textContent = ribiText(name);
    }));
  },
  ribi_page_show_selection: function (position, row) {
    var list = ribiPage.elements[position], shown = list.querySelector('[aria-selected="true"]');
    var chosen = row >= 0 && row < list.ribiRows.length;
    if (shown) shown.setAttribute('aria-selected', 'false');
    list.ribiSelected = chosen ? row : -1;
    // Unchanged, the class is left alone, and so is the list's style.
    list.classList.toggle('ribi-chosen', chosen);
    if (!chosen) return list.removeAttribute('aria-activedescendant');
    list.ribiRows[row].setAttribute('aria-selected', 'true');
    list.setAttribute('aria-activedescendant', list.ribiRows[row].id);
  },

  // The output box, a <textarea>, which holds LF line breaks alone.
  ribi_page_box: function (position, parent, id, text, box) {
    var textarea = ribiMake(position, parent, 'textarea', id, function (textarea) {
      textarea.spellcheck = false;
      textarea.setAttribute('autocomplete', 'off');
      // The first text is the page's own, in its markup too, for a page that
      // shows it before the program runs; it is not announced.
      textarea.defaultValue = ribiText(text);
      textarea.className = 'ribi-text';
    });
    ribiListen(textarea, 'input', function () { _ribi_box_typed(box); });
  },
  // Each output is shown from its first line, the caret before it, and
  // announced to screen readers without moving the focus. A screen reader
  // may stay silent when a live region is given the text it holds already,
  // so two polite regions take turns. They are written in a task after the
  // click's, so that the box shows the output first; of outputs within one
  // task the last is announced.
  ribi_page_show_text: function (position, text, length) {
    var textarea = ribiPage.elements[position];
    textarea.value = ribiPage.pending = ribiText(text, length);
    textarea.setSelectionRange(0, 0);
    textarea.scrollTop = 0;
    ribiPage.timer = ribiPage.timer || setTimeout(function () {
      ribiPage.regions[ribiPage.next].textContent = ribiPage.pending;
      ribiPage.next ^= 1;
      ribiPage.regions[ribiPage.next].textContent = '';
      ribiPage.timer = 0;
    });
  },
  ribi_page_typed_text: function (position, buffer, capacity) {
    var text = ribiPage.elements[position].value;
    for (var i = 0; i < text.length && i < capacity; i++) HEAPU16[(buffer >> 1) + i] = text.charCodeAt(i);
    return text.length;
  },

  // Placed and coloured, in CSS pixels, where the element is new: a drawn
  // one is so already.
  ribi_page_place: function (position, visible, left, top, width, height, background, name) {
    var element = ribiPage.elements[position], style = element.style, label = ribiText(name);
    if (!ribiPage.created[position]) return;
    if (!visible) return element.hidden = true; // neither seen, nor focused, nor read out
    style.left = left + 'px';
    style.top = top + 'px';
    style.width = width + 'px';
    style.height = height + 'px';
    if (background >= 0) style.backgroundColor = ribiColour(background);
    if (label) element.setAttribute('aria-label', label);
  },
  // The window's first tab stop has the focus, unless the pupil has moved
  // it on the page drawn with the window.
  ribi_page_focus_first: function (position) {
    var first = ribiFocusable(position), focused = document.activeElement;
    if (ribiPage.windowMade) first.setAttribute('autofocus', '');
    if (ribiPage.windowMade || !focused || focused === document.body) first.focus({ 'preventScroll': true });
  },
  // The page holds the input that came while the window was busy, and
  // passes it on once the attribute is gone.
  ribi_page_ready: function () { ribiPage.form.removeAttribute('aria-busy'); },
  ribi_page_close: function () {
    ribiPage.listening.abort();
    clearTimeout(ribiPage.timer);
  },
  ribi_console_error: function (line) { console.error(UTF8ToString(line)); },
};
// Every function reaches the page's state through the same few helpers.
var ribiHelpers = ['$ribiPage', '$ribiText', '$ribiListen', '$ribiObtain', '$ribiMake', '$ribiFocusable', '$ribiColour'];
Object.keys(ribiPageViews).forEach(function (name) {
  ribiPageViews[name + '__deps'] = name.charAt(0) === '$' ? ribiHelpers.slice(0, ribiHelpers.indexOf(name)) : ribiHelpers;
});
mergeInto(LibraryManager.library, ribiPageViews);
