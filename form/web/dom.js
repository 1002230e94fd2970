// The page's side of form/web/dom.h: the objects the program holds, each in
// a slot of one table, and the few calls it makes on them. Property and
// method names come as C strings, texts as UTF-16, as the program holds them.
var ribiDomLibrary = {
  // Slots 1 to 3 are the window, the document and the event being handled.
  $ribiDom: { objects: [null, null, null, null], free: [], names: {} },
  $ribiDom__postset: 'ribiDom.objects[1] = window; ribiDom.objects[2] = document;',
  $ribiKeep: function (object) {
    if (object === null || object === undefined) return 0;
    var slot = ribiDom.free.length ? ribiDom.free.pop() : ribiDom.objects.length;
    ribiDom.objects[slot] = object;
    return slot;
  },
  $ribiAt: function (slot) { return ribiDom.objects[slot]; },
  // Names are the program's literals, which stay where they are: each is
  // decoded once.
  $ribiName: function (name) { return ribiDom.names[name] || (ribiDom.names[name] = UTF8ToString(name)); },
  $ribiText: function (text, length) {
    return String.fromCharCode.apply(null, HEAPU16.subarray(text >> 1, (text >> 1) + length));
  },
  ribi_dom_object: function (object, property) {
    return ribiKeep(property ? ribiAt(object)[ribiName(property)] : ribiAt(object));
  },
  ribi_dom_by_id: function (id, length) { return ribiKeep(document.getElementById(ribiText(id, length))); },
  ribi_dom_create: function (parent, tag) {
    return ribiKeep(ribiAt(parent).appendChild(document.createElement(ribiName(tag))));
  },
  ribi_dom_query: function (element, selector) {
    return ribiKeep(ribiAt(element).querySelector(ribiName(selector)));
  },
  ribi_dom_release: function (slot) {
    ribiDom.objects[slot] = null;
    ribiDom.free.push(slot);
  },
  ribi_dom_same: function (a, b) { return ribiAt(a) === ribiAt(b); },
  ribi_dom_set_text: function (object, property, text, length) {
    ribiAt(object)[ribiName(property)] = ribiText(text, length);
  },
  ribi_dom_set_number: function (object, property, value) { ribiAt(object)[ribiName(property)] = value; },
  ribi_dom_number: function (object, property) {
    var value = ribiAt(object)[ribiName(property)];
    return typeof value === 'number' || typeof value === 'boolean' ? value : NaN;
  },
  ribi_dom_text: function (object, property, lowerCase, buffer, capacity) {
    var text = String(ribiAt(object)[ribiName(property)]);
    if (lowerCase) text = text.toLowerCase();
    for (var i = 0; i < text.length && i < capacity; i++) HEAPU16[(buffer >> 1) + i] = text.charCodeAt(i);
    return text.length;
  },
  ribi_dom_attribute: function (element, name, value, length) {
    if (value) ribiAt(element).setAttribute(ribiName(name), ribiText(value, length));
    else ribiAt(element).removeAttribute(ribiName(name));
  },
  ribi_dom_class: function (element, name, on) { ribiAt(element).classList.toggle(ribiName(name), !!on); },
  ribi_dom_call: function (object, method, first, second) { ribiAt(object)[ribiName(method)](first, second); },
  ribi_dom_focus: function (element, preventScroll) { ribiAt(element).focus({ preventScroll: !!preventScroll }); },
  ribi_dom_top: function (element) { return ribiAt(element).getBoundingClientRect().top; },
  // A function that hands each event it is called with to the program's
  // listener at `listener`, in slot 3 while it is handled.
  ribi_dom_listener: function (listener) {
    return ribiKeep(function (event) {
      var outer = ribiAt(3);
      ribiDom.objects[3] = event;
      try {
        _ribi_dom_dispatch(listener, event !== undefined);
      } finally {
        ribiDom.objects[3] = outer;
      }
    });
  },
  ribi_dom_listen: function (target, type, listener, on) {
    ribiAt(target)[on ? 'addEventListener' : 'removeEventListener'](ribiName(type), ribiAt(listener));
  },
  ribi_dom_call_soon: function (listener, milliseconds) { return setTimeout(ribiAt(listener), milliseconds); },
  ribi_console_error: function (line) { console.error(UTF8ToString(line)); },
};
// Every function reaches the table through the same few helpers.
Object.keys(ribiDomLibrary).forEach(function (name) {
  if (name !== '$ribiDom' && name.indexOf('__') < 0) ribiDomLibrary[name + '__deps'] = ['$ribiDom', '$ribiKeep', '$ribiAt', '$ribiText', '$ribiName'];
});
ribiDomLibrary.$ribiKeep__deps = ribiDomLibrary.$ribiAt__deps = ribiDomLibrary.$ribiText__deps = ['$ribiDom'];
ribiDomLibrary.$ribiName__deps = ['$ribiDom'];
mergeInto(LibraryManager.library, ribiDomLibrary);
