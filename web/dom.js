// The browser's side of web/dom.h: each function does one thing to the
// document on behalf of the page's C++.
mergeInto(LibraryManager.library, {
  celforo_dom_create: function (parent, tag, id) {
    var element = document.createElement(UTF8ToString(tag));
    element.id = UTF8ToString(id);
    document.getElementById(UTF8ToString(parent)).appendChild(element);
  },

  celforo_dom_set_attribute: function (id, name, value) {
    document.getElementById(UTF8ToString(id)).setAttribute(UTF8ToString(name), UTF8ToString(value));
  },

  celforo_dom_set_style: function (id, property, value) {
    document.getElementById(UTF8ToString(id)).style.setProperty(UTF8ToString(property),
                                                                 UTF8ToString(value));
  },

  celforo_dom_set_text: function (id, text) {
    document.getElementById(UTF8ToString(id)).textContent = UTF8ToString(text);
  },

  celforo_dom_set_markup: function (id, markup) {
    document.getElementById(UTF8ToString(id)).innerHTML = UTF8ToString(markup);
  },

  celforo_dom_value__deps: ['malloc'],
  celforo_dom_value: function (id) {
    var value = document.getElementById(UTF8ToString(id)).value;
    var size = lengthBytesUTF8(value) + 1;
    var copy = _malloc(size);
    stringToUTF8(value, copy, size);
    return copy;
  },

  celforo_dom_set_value: function (id, value) {
    document.getElementById(UTF8ToString(id)).value = UTF8ToString(value);
  },

  celforo_dom_focus: function (id) {
    document.getElementById(UTF8ToString(id)).focus();
  },

  celforo_dom_listen: function (id, type, form, element, event) {
    document.getElementById(UTF8ToString(id)).addEventListener(UTF8ToString(type), function () {
      _celforo_deliver(form, element, event);
    });
  },

  celforo_dom_choice: function (id) {
    return document.getElementById(UTF8ToString(id)).selectedIndex;
  },

  celforo_dom_set_choice: function (id, index) {
    document.getElementById(UTF8ToString(id)).selectedIndex = index;
  },

  celforo_dom_stored__deps: ['malloc'],
  celforo_dom_stored: function (key) {
    var value = null;
    try {
      value = localStorage.getItem(UTF8ToString(key));
    } catch (closed) {
      // Private browsing, or storage turned off: nothing is kept.
    }
    if (value === null) return 0;
    var size = lengthBytesUTF8(value) + 1;
    var copy = _malloc(size);
    stringToUTF8(value, copy, size);
    return copy;
  },

  celforo_dom_store: function (key, value) {
    try {
      localStorage.setItem(UTF8ToString(key), UTF8ToString(value));
    } catch (closed) {
      // Kept until the page is closed, in the fields themselves.
    }
  },

  celforo_dom_hidden: function (id) {
    return document.getElementById(UTF8ToString(id)).hidden ? 1 : 0;
  },

  celforo_dom_night: function () {
    return document.documentElement.classList.contains('night') ? 1 : 0;
  },

  // Keypads set to Italian or German have only "," for the decimal key, and a
  // box reads only ".": a typed "," goes in as "." (through the browser's own
  // editing, so the box's length limit and undo still hold).
  celforo_dom_comma_typed_as_point: function (id) {
    var box = document.getElementById(UTF8ToString(id));
    box.addEventListener('beforeinput', function (event) {
      if (event.inputType !== 'insertText' || !event.data || event.data.indexOf(',') < 0) return;
      event.preventDefault();
      document.execCommand('insertText', false, event.data.replace(/,/g, '.'));
    });
  },

  // The form takes no input while the dialog is open; once the dialog is
  // closed (OK, Escape) the focus goes back to where it was.
  celforo_dom_show_message: function (title, text) {
    var dialog = document.getElementById('message');
    var form = document.getElementById('Form1');
    var before = document.activeElement;
    document.getElementById('message-ok').onclick = function () {
      dialog.close();
    };
    document.getElementById('message-title').textContent = UTF8ToString(title);
    document.getElementById('message-text').textContent = UTF8ToString(text);
    dialog.addEventListener('close', function () {
      form.inert = false;
      if (before && before.isConnected) before.focus();
    }, {once: true});
    form.inert = true;
    dialog.showModal();
    document.getElementById('message-ok').focus();
  },

  celforo_dom_end_program: function () {
    window.close();
    // Still here: a tab the page was not opened into by a script.
    var dialog = document.getElementById('message');
    if (dialog.open) dialog.close();
    document.getElementById('Form1').remove();
    var plan = document.getElementById('plan');
    if (plan) plan.remove();
    var planButton = document.getElementById('plan-button');
    if (planButton) planButton.hidden = true;
    document.getElementById('ended').hidden = false;
    document.getElementById('restart').focus();
  },
});
