// The page's forms: the window's forms (layout.js) laid out in dialog units
// of the page font, the drop-down lists, and the modal boxes (the message box,
// a box drawn from a form, a box laid out here). A pick in a list goes to the
// logic through page.command.
'use strict';

(function (page) {
  const APP_NAME = 'skycalc';  // the message boxes' caption, as the window's program name
  const FONT = '9pt "ＭＳ Ｐゴシック", "MS PGothic", "IPAPGothic", "IPA Pゴシック", "IPAGothic", "IPAゴシック", sans-serif';

  // --- Dialog units -------------------------------------------------------
  // Dialog base units of the page font: x from the average width of A-Za-z,
  // y the character height, as the window computes them for its font.
  function baseUnits() {
    const context = document.createElement('canvas').getContext('2d');
    context.font = FONT;
    const metrics = context.measureText('ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz');
    const letters = Math.round(metrics.width);
    const ascent = metrics.fontBoundingBoxAscent ?? 12, descent = metrics.fontBoundingBoxDescent ?? 4;
    return { x: Math.floor((Math.floor(letters / 26) + 1) / 2), y: Math.round(ascent) + Math.round(descent) };
  }
  const BASE = baseUnits();
  const px = (units, base) => Math.round(units * base / (base === BASE.x ? 4 : 8));
  function place(element, rect) {
    Object.assign(element.style, { left: px(rect[0], BASE.x) + 'px', top: px(rect[1], BASE.y) + 'px',
      width: px(rect[2], BASE.x) + 'px', height: px(rect[3], BASE.y) + 'px' });
  }
  function sizeForm(element, size) {
    element.style.width = px(size[0], BASE.x) + 'px';
    element.style.height = px(size[1], BASE.y) + 'px';
  }

  // --- Building a form ------------------------------------------------------
  function make(tag, className, text) {
    const element = document.createElement(tag);
    if (className) element.className = className;
    if (text !== undefined) element.textContent = text;
    return element;
  }

  // Builds the controls of form into container; returns them by name.
  function buildForm(form, container, onControl) {
    const named = {};
    sizeForm(container, form.size);
    for (const control of form.controls) {
      let element;
      if (control.cls === 'QLabel') {
        element = make('div', 'label align-' + control.align + (control.sunken ? ' sunken' : '') + (control.top ? ' top' : '') +
          (control.wrap ? ' wrap' : ''));
        element.append(make('span', 'text', control.text));
      } else if (control.cls === 'QGroupBox') {
        element = make('div', 'groupbox');
      } else if (control.cls === 'QRadioButton') {
        element = make('label', 'radio');
        const input = make('input');
        Object.assign(input, { type: 'radio', name: control.group });
        element.append(input, make('span', 'text', control.text));
        element.input = input;
      } else if (control.cls === 'QPushButton') {
        element = make('button', 'button', control.text);
        element.type = 'button';
        element.disabled = !control.enabled;
        if (control.checkable) element.setAttribute('aria-pressed', 'false');
        if (control.group) element.dataset.group = control.group;
      } else if (control.cls === 'QComboBox') {
        element = buildList(control);
      } else {
        continue;
      }
      element.classList.add('control');
      element.dataset.name = control.name;
      place(element, control.rect);
      (control.frame ? named[control.frame] : container).append(element);
      named[control.name] = element;
      if (onControl) onControl(control, element);
    }
    return named;
  }

  // --- The drop-down lists ------------------------------------------------
  // A text field that takes any text (and selects nothing by it) with a
  // button that opens the entries; only a pick selects.
  function buildList(control) {
    const element = make('div', 'combo');
    const input = make('input', 'combo-text');
    Object.assign(input, { type: 'text', spellcheck: false, autocomplete: 'off' });
    const arrow = make('button', 'combo-arrow');
    Object.assign(arrow, { type: 'button', tabIndex: -1 });
    arrow.setAttribute('aria-label', '一覧');
    const popup = make('div', 'combo-popup');
    popup.setAttribute('role', 'listbox');
    popup.hidden = true;
    // On a phone the browser's own list (a native select laid over the field) takes the pick;
    // it holds no selection of its own, so that any entry, the current one too, is a pick.
    const select = make('select', 'combo-select');
    select.setAttribute('aria-label', control.name);
    select.addEventListener('focus', () => fillSelect(element));
    select.addEventListener('pointerdown', () => fillSelect(element));
    select.addEventListener('change', () => {
      const index = select.selectedIndex;
      select.selectedIndex = -1;
      if (index >= 0) pickList(element, index);
    });
    element.append(input, arrow, popup, select);
    Object.assign(element, { input, popup, select, entries: [], selection: -1, highlighted: -1 });
    arrow.addEventListener('mousedown', (event) => event.preventDefault());
    arrow.addEventListener('click', () => (popup.hidden ? openList(element) : closeList(element)));
    input.addEventListener('keydown', (event) => listKey(element, event));
    popup.addEventListener('mousedown', (event) => event.preventDefault());
    popup.addEventListener('click', (event) => {
      const entry = event.target.closest('.combo-entry');
      if (entry) pickList(element, Number(entry.dataset.index));
    });
    return element;
  }

  // The native select's options: the list's entries (the logic adds them once, at the start).
  function fillSelect(list) {
    if (list.select.options.length === list.entries.length) return;
    list.select.replaceChildren(...list.entries.map((text) => make('option', '', text)));
    list.select.selectedIndex = -1;
  }

  function openList(list) {
    closeAllLists();
    list.popup.replaceChildren(...list.entries.map((text, index) => {
      const entry = make('div', 'combo-entry', text);
      entry.dataset.index = index;
      entry.setAttribute('role', 'option');
      return entry;
    }));
    list.popup.hidden = false;
    // Twelve entries show at a time, as the window's lists.
    const first = list.popup.firstChild;
    if (first) list.popup.style.maxHeight = 12 * first.offsetHeight + 2 + 'px';
    highlight(list, list.selection >= 0 ? list.selection : 0);
    list.input.focus({ preventScroll: true });
    list.input.setSelectionRange(0, 0);
    list.input.scrollLeft = 0;
  }

  function closeList(list) { list.popup.hidden = true; }
  function closeAllLists() { for (const list of document.querySelectorAll('.combo')) closeList(list); }

  function highlight(list, index) {
    list.highlighted = Math.max(0, Math.min(index, list.entries.length - 1));
    list.popup.querySelectorAll('.combo-entry').forEach((entry, i) => {
      entry.classList.toggle('highlighted', i === list.highlighted);
      if (i === list.highlighted) entry.scrollIntoView({ block: 'nearest' });
    });
  }

  // The user picks entry index: the selection moves, the text field shows the entry, the logic hears of it.
  function pickList(list, index) {
    closeList(list);
    list.selection = index;
    list.input.value = list.entries[index];
    list.input.setSelectionRange(0, 0);
    list.input.scrollLeft = 0;
    page.command(list.controlId);
  }

  function listKey(list, event) {
    const open = !list.popup.hidden;
    if ((event.key === 'ArrowDown' && event.altKey) || event.key === 'F4') {
      open ? closeList(list) : openList(list);
    } else if (open && (event.key === 'ArrowDown' || event.key === 'ArrowUp')) {
      highlight(list, list.highlighted + (event.key === 'ArrowDown' ? 1 : -1));
    } else if (open && event.key === 'Enter') {
      pickList(list, list.highlighted);
    } else if (open && event.key === 'Escape') {
      closeList(list);
    } else if (!open && event.key === 'Enter') {
      // Enter in the text field picks the entry of exactly that text, if there is one; the
      // texts are compared in Unicode NFKC, so the full-width ベガ an input method types is
      // the star list's half-width ﾍﾞｶﾞ.
      const typed = list.input.value.normalize('NFKC');
      const index = list.entries.findIndex((entry) => entry.normalize('NFKC') === typed);
      if (index >= 0) pickList(list, index);
    } else {
      return;
    }
    event.preventDefault();
  }

  // --- Modal boxes ----------------------------------------------------------
  // A modal box with the window's caption bar; Esc runs onCancel (default: closes it).
  function modalBox(title, className, onCancel) {
    const dialog = make('dialog', 'box ' + className);
    const bar = make('div', 'caption');
    const icon = make('img', 'caption-icon');
    Object.assign(icon, { src: 'skycalc.png', alt: '' });
    // The close button (shown on a phone, where a box fills the screen) does what Esc does.
    const close = make('button', 'caption-close', '×');
    Object.assign(close, { type: 'button', tabIndex: -1 });
    close.setAttribute('aria-label', '閉じる');
    close.addEventListener('click', () => dialog.dispatchEvent(new Event('cancel', { cancelable: true })));
    bar.append(icon, make('span', 'caption-text', title), close);
    const client = make('div', 'client');
    dialog.append(bar, client);
    dialog.addEventListener('cancel', (event) => {
      event.preventDefault();
      onCancel ? onCancel() : dialog.close();
    });
    document.body.append(dialog);
    return { dialog, client };
  }

  // The message box: one OK; messages shown while one is open wait their turn.
  // The logic's messages are warnings; the help is information.
  const messageBox = (function () {
    const { dialog, client } = modalBox(APP_NAME, 'message', () => dismiss());
    const icon = make('div', 'message-icon');
    const text = make('div', 'message-text');
    const ok = make('button', 'button message-ok', 'OK');
    ok.type = 'button';
    client.append(icon, text, ok);
    const queue = [];
    function showFirst() {
      const { message, info } = queue.shift();
      text.textContent = message;
      icon.textContent = info ? 'i' : '!';
      icon.classList.toggle('info', info);
    }
    // OK (or Esc) shows the next waiting message, or closes the box.
    function dismiss() {
      if (queue.length) showFirst();
      else dialog.close();
    }
    ok.addEventListener('click', dismiss);
    function add(message, info) {
      queue.push({ message, info });
      if (dialog.open) return;
      showFirst();
      dialog.showModal();
      ok.focus();
    }
    return { show: (message) => add(message, false), showInfo: (message) => add(message, true) };
  })();

  // A box drawn from one of the window's forms, with its OK.
  function formBox(form, className, fill) {
    const { dialog, client } = modalBox(form.title, className);
    const named = buildForm(form, client);
    named.IDOK.addEventListener('click', () => dialog.close());
    dialog.addEventListener('close', () => dialog.remove());
    fill(named, client);
    dialog.showModal();
    named.IDOK.focus();
    return dialog;
  }

  // A box laid out in the page's code (no form of its own): title, size in dialog units, OK at okRect.
  function plainBox(title, className, size, okRect) {
    const { dialog, client } = modalBox(title, className);
    sizeForm(client, size);
    const ok = make('button', 'button control', 'OK');
    ok.type = 'button';
    ok.dataset.name = 'IDOK';
    place(ok, okRect);
    ok.addEventListener('click', () => dialog.close());
    dialog.addEventListener('close', () => dialog.remove());
    client.append(ok);
    return { dialog, client, ok };
  }

  function unitLabel(client, name, rect, className = '') {
    const label = make('div', 'label top control ' + className);
    label.dataset.name = name;
    label.append(make('span', 'text'));
    place(label, rect);
    client.append(label);
    return label;
  }

  Object.assign(page, { FONT, BASE, px, place, sizeForm, make, buildForm, closeAllLists, pickList, fillSelect,
    modalBox, messageBox, formBox, plainBox, unitLabel });
})(window.SkyCalcPage = window.SkyCalcPage || {});
