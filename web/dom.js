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

  celforo_dom_unstore: function (key) {
    try {
      localStorage.removeItem(UTF8ToString(key));
    } catch (closed) {
      // Nothing was kept.
    }
  },

  celforo_dom_set_options: function (id, items) {
    var list = document.getElementById(UTF8ToString(id));
    var options = UTF8ToString(items).split('\n').map(function (text, index) {
      var option = document.createElement('option');
      option.id = list.id + '-' + index;
      option.textContent = text;
      return option;
    });
    list.replaceChildren.apply(list, options);
    list.selectedIndex = 0;
  },

  $celforoOffer: function (name, blob) {
    var link = document.createElement('a');
    link.href = URL.createObjectURL(blob);
    link.download = name;
    link.hidden = true;
    document.body.appendChild(link);
    link.click();
    link.remove();
    setTimeout(function () {
      URL.revokeObjectURL(link.href);
    }, 60000);
  },

  celforo_dom_download__deps: ['$celforoOffer'],
  celforo_dom_download: function (name, type, bytes, length) {
    var copy = HEAPU8.slice(bytes, bytes + length);
    celforoOffer(UTF8ToString(name), new Blob([copy], {type: UTF8ToString(type)}));
  },

  // The SVG drawn on a canvas of its own size, by the browser's own painter.
  celforo_dom_download_png__deps: ['$celforoOffer'],
  celforo_dom_download_png: function (name, svg, width, height) {
    var fileName = UTF8ToString(name);
    var image = new Image(width, height);
    var source = URL.createObjectURL(new Blob([UTF8ToString(svg)], {type: 'image/svg+xml'}));
    image.onload = function () {
      var canvas = document.createElement('canvas');
      canvas.width = width;
      canvas.height = height;
      canvas.getContext('2d').drawImage(image, 0, 0, width, height);
      URL.revokeObjectURL(source);
      canvas.toBlob(function (png) {
        if (png) celforoOffer(fileName, png);
      }, 'image/png');
    };
    image.src = source;
  },

  celforo_dom_read_file__deps: ['malloc', 'free', '$allocateUTF8'],
  celforo_dom_read_file: function (kind, extension, mostBytes) {
    var picker = document.createElement('input');
    picker.type = 'file';
    picker.accept = UTF8ToString(extension);
    picker.hidden = true;
    function notRead(why) {
      var text = allocateUTF8(why);
      _celforo_file_not_read(kind, text);
      _free(text);
    }
    picker.addEventListener('change', function () {
      var file = picker.files && picker.files[0];
      picker.remove();
      if (!file) return;
      file.slice(0, mostBytes).arrayBuffer().then(function (buffer) {
        var bytes = new Uint8Array(buffer);
        var copy = _malloc(bytes.length + 1);
        HEAPU8.set(bytes, copy);
        _celforo_file_read(kind, copy, bytes.length);
        _free(copy);
      }, function () {
        notRead('Il browser non ha potuto leggere il file.');
      });
    });
    document.body.appendChild(picker);
    picker.click();
  },

  celforo_dom_copy_link__deps: ['malloc', 'free', '$allocateUTF8'],
  celforo_dom_copy_link: function (fragment) {
    var address = location.href.split('#')[0] + UTF8ToString(fragment);
    function refused() {
      var why = allocateUTF8('Il browser non permette di copiare negli appunti.');
      _celforo_link_not_copied(why);
      _free(why);
    }
    if (!navigator.clipboard || !navigator.clipboard.writeText) return refused();
    navigator.clipboard.writeText(address).catch(refused);
  },

  celforo_dom_fragment__deps: ['malloc'],
  celforo_dom_fragment: function () {
    var fragment = location.hash;
    var size = lengthBytesUTF8(fragment) + 1;
    var copy = _malloc(size);
    stringToUTF8(fragment, copy, size);
    return copy;
  },

  celforo_dom_ask_position__deps: ['malloc', 'free', '$allocateUTF8'],
  celforo_dom_ask_position: function () {
    function notFound(why) {
      var text = allocateUTF8(why);
      _celforo_position_not_found(text);
      _free(text);
    }
    if (!window.isSecureContext) return notFound('Posizione solo da una pagina sicura (https).');
    if (!navigator.geolocation) return notFound('Il browser non dà la posizione.');
    navigator.geolocation.getCurrentPosition(function (found) {
      var c = found.coords;
      var height = c.altitude === null || c.altitude === undefined ? 0 : c.altitude;
      _celforo_position_found(c.latitude, c.longitude, height === c.altitude ? 1 : 0, height);
    }, function (error) {
      notFound(error.code === 1 ? 'Posizione negata dal browser.'
               : error.code === 3 ? 'Posizione non trovata in tempo.'
               : 'Posizione non disponibile.');
    }, {timeout: 30000, maximumAge: 600000});
  },

  celforo_dom_show_plan: function () {
    var button = document.getElementById('plan-button');
    if (document.getElementById('plan').hidden && button) button.click();
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
