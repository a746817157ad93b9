// The few things the page's C++ asks of the browser's document, carried out by
// dom.js. Elements are named by their id; every text is UTF-8.
#pragma once

extern "C" {

// Makes a <tag> with the given id as the last child of the element `parent`.
void celforo_dom_create(const char* parent, const char* tag, const char* id);
void celforo_dom_set_attribute(const char* id, const char* name, const char* value);
// One CSS property of the element's own style ("left", "font-size", ...).
void celforo_dom_set_style(const char* id, const char* property, const char* value);
// The element's text, shown as it is (never read as markup).
void celforo_dom_set_text(const char* id, const char* text);
// The element's content as markup; only for markup the program writes itself.
void celforo_dom_set_markup(const char* id, const char* markup);

// The value of a box, in memory from malloc that the caller frees.
char* celforo_dom_value(const char* id);
// Sets the value of a box; no event follows.
void celforo_dom_set_value(const char* id, const char* value);
void celforo_dom_focus(const char* id);

// Calls celforo_deliver(form, element, event) on each "input" (event 0) or
// "click" (event 1) of the element.
void celforo_dom_listen(const char* id, const char* type, int form, int element, int event);

// The index of the option chosen in a <select>, and its setting.
int celforo_dom_choice(const char* id);
void celforo_dom_set_choice(const char* id, int index);

// A value the page keeps on the device under `key`, in memory from malloc
// that the caller frees, or null when none is kept or the store is closed.
char* celforo_dom_stored(const char* key);
// Keeps a value under `key`; nothing happens where the store is closed.
void celforo_dom_store(const char* key, const char* value);

// Forgets what is kept under `key`; nothing happens where the store is closed.
void celforo_dom_unstore(const char* key);

// Replaces the options of a <select> by the lines of `items`, the first
// chosen.
void celforo_dom_set_options(const char* id, const char* items);

// Offers `length` bytes as a download named `name` of the media type `type`.
void celforo_dom_download(const char* name, const char* type, const char* bytes, int length);
// Offers the SVG document `svg` painted as a PNG image of `width` by `height`
// pixels as a download named `name`, once the browser has painted it.
void celforo_dom_download_png(const char* name, const char* svg, int width, int height);
// Opens the browser's file picker for files ending in `extension`; the first
// `mostBytes` of the file chosen go to celforo_file_read(kind, bytes, length),
// or why it could not be read to celforo_file_not_read(kind, why); nothing
// when the user cancels.
void celforo_dom_read_file(int kind, const char* extension, int mostBytes);
// Puts the page's address, its fragment replaced by `fragment`, on the
// clipboard; a refusal goes to celforo_link_not_copied(why).
void celforo_dom_copy_link(const char* fragment);
// The fragment of the page's address ("#setup=..." or ""), in memory from
// malloc that the caller frees.
char* celforo_dom_fragment(void);
// Asks the browser for the device's position, which goes to
// celforo_position_found(latitude, longitude, hasHeight, height), or why
// there is none to celforo_position_not_found(why).
void celforo_dom_ask_position(void);
// Shows the planning panel, as its button does.
void celforo_dom_show_plan(void);

// Whether the page is in night mode.
int celforo_dom_night(void);
// Whether the element is hidden (its "hidden" attribute).
int celforo_dom_hidden(const char* id);
// A "," typed into the box is entered as "."; pasted text is left as it is.
void celforo_dom_comma_typed_as_point(const char* id);

// Opens the modal message dialog; returns at once, while the dialog is open.
void celforo_dom_show_message(const char* title, const char* text);
// Closes the page's window where the browser allows it, else takes the form
// down and offers only to start again.
void celforo_dom_end_program();

}  // extern "C"
