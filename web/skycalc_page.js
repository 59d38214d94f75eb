// The calculator's page: draws the window's controls from its forms
// (layout.js), is the control host of the calculator's logic (the
// WebAssembly module skycalc.js) and passes every click, pick and key to that
// logic by control ID. It computes and checks nothing itself.
'use strict';

(function () {
  const ID = SKYCALC_IDS;
  const APP_NAME = 'skycalc';  // the message boxes' caption, as the window's program name
  const PRECISE_CAPTION = ' (高精度)';
  const LOAD_FAILED = '計算機を読み込めませんでした。WebAssemblyに対応したブラウザーで、ページを再読み込みしてください。';
  const FILE_HINT = 'ファイルとして開いたページでは計算機を読み込めません。Webサーバーから開いてください(例: python3 -m http.server -d dist/web)。';
  const STOPPED = '計算機が停止しました。ページを再読み込みしてください。';
  const HELP_TEXT =
    '星空ポケット「ほしよみ君」の使い方\n\n' +
    '1. 右下の項目ボタン(年・月・日・時・分・経度・緯度・方位・標時・標分)で、入力する項目を選びます。\n' +
    '2. テンキーで数値を入力し、SETで設定します。+/-で符号、.で小数点(経度・緯度・方位のみ)を入力します。' +
    'Cで入力を消し、ACで最初の状態に戻します。\n' +
    '3. ﾕﾘｳｽ日/地方恒星時で左上の時刻の表示を、赤道座標系/地平座標系で位置の表示を切り替えます。\n' +
    '4. 惑星・恒星・星座の一覧から天体を選ぶと、その位置が表示されます。\n\n' +
    '5. 右クリックのメニューの「出没時刻」で、選んだ天体のその日の出・南中・没(太陽は薄明も)の時刻を表示します。' +
    '「暦」でその月の暦(正午月齢・旧暦・六曜・二十四節気・惑星の現象など)を、「天象」でその年の惑星・月・流星群の現象を、' +
    '「日食・月食」でその年の日食と月食を、' +
    '設定した地点と標準時で表示します(1000年～2999年)。' +
    '「星図」で設定した地点と日時の空を星座早見盤と同じ向きで表示し、惑星・恒星・星座名のクリックでその天体を選びます。\n\n' +
    '計算方法は2つあります。\n' +
    '・電卓の計算(標準): 平均軌道要素と簡略な月の式によるもので、誤差は太陽で約1分角、惑星で数分角～1度、冥王星で約2度です。\n' +
    '・高精度計算(右クリックのメニューの「高精度計算」): 視位置を1分角以内で求めます' +
    '(1000年～2999年、冥王星は1885年～2099年)。地方恒星時は視恒星時になります。\n\n' +
    'キーボードの数字キー、「.」と「-」でも入力できます。Ctrl+Cで表示中の値をコピーします。\n' +
    '経度・緯度・方位と標準時、計算方法は、ページを閉じたとき(再読み込みや別のページへの移動を含みます)に、' +
    'このブラウザーに保存されます。';
  // Keyboard characters that press a keypad key.
  const KEY_BUTTONS = { '0': 'IDC_DIGIT0', '1': 'IDC_DIGIT1', '2': 'IDC_DIGIT2', '3': 'IDC_DIGIT3',
    '4': 'IDC_DIGIT4', '5': 'IDC_DIGIT5', '6': 'IDC_DIGIT6', '7': 'IDC_DIGIT7', '8': 'IDC_DIGIT8',
    '9': 'IDC_DIGIT9', '.': 'IDC_POINT', '-': 'IDC_SIGN' };
  const FONT = '9pt "ＭＳ Ｐゴシック", "MS PGothic", "IPAPGothic", "IPA Pゴシック", "IPAGothic", "IPAゴシック", sans-serif';

  let module = null;   // the calculator's logic once loaded
  const controls = {}; // control ID -> { element, kind, ... }
  let caption = SKYCALC_FORMS.main.title;

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
        element = make('div', 'label align-' + control.align + (control.sunken ? ' sunken' : '') + (control.top ? ' top' : ''));
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
    element.append(input, arrow, popup);
    Object.assign(element, { input, popup, entries: [], selection: -1, highlighted: -1 });
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
    command(list.controlId);
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

  // --- The control host ---------------------------------------------------
  const host = {
    setText(id, text) {
      const control = controls[id];
      if (control && control.kind === 'label') control.element.firstChild.textContent = text;
    },
    setCheck(id, checked) {
      const control = controls[id];
      if (!control) return;
      if (control.kind === 'radio') control.element.input.checked = checked;
      else if (control.kind === 'button' && control.element.hasAttribute('aria-pressed'))
        control.element.setAttribute('aria-pressed', String(checked));
    },
    isChecked(id) {
      const control = controls[id];
      if (!control) return false;
      if (control.kind === 'radio') return control.element.input.checked;
      return control.element.getAttribute('aria-pressed') === 'true';
    },
    setListText(id, text) {
      const control = controls[id];
      if (!control || control.kind !== 'list') return;
      control.element.input.value = text;
      control.element.input.scrollLeft = 0;
    },
    getListSelection(id) {
      const control = controls[id];
      return control && control.kind === 'list' ? control.element.selection : -1;
    },
    addListEntry(id, text) {
      const control = controls[id];
      if (!control || control.kind !== 'list') return false;
      control.element.entries.push(text);
      return true;
    },
    showMessage(text) { messageBox.show(text); },
    readSetting(name) {
      try { return window.localStorage.getItem(name); } catch (error) { return null; }
    },
    // False when the browser refuses the write (storage full or blocked).
    writeSetting(name, value) {
      try { window.localStorage.setItem(name, value); return true; } catch (error) { return false; }
    },
    // Where the settings are kept, for the message of a refused write.
    settingsLocation() { return `localStorage (${location.origin})`; },
  };

  // --- Modal boxes ----------------------------------------------------------
  // A modal box with the window's caption bar; Esc runs onCancel (default: closes it).
  function modalBox(title, className, onCancel) {
    const dialog = make('dialog', 'box ' + className);
    const bar = make('div', 'caption');
    const icon = make('img', 'caption-icon');
    Object.assign(icon, { src: 'skycalc.png', alt: '' });
    bar.append(icon, make('span', 'caption-text', title));
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

  function showAbout() {
    formBox(SKYCALC_FORMS.about, 'about', (named) => {
      const icon = make('img');
      icon.src = 'skycalc.png';
      icon.alt = '';
      named.IDC_ABOUT_ICON.firstChild.replaceWith(icon);
    });
  }

  // The 出没時刻 box of the chosen body on the stored date, with この時刻 (the logic's texts).
  function showRiseSet() {
    const names = ['IDC_EVENTS_BODY', 'IDC_EVENTS_SITE', null, 'IDC_EVENTS_RISE_TIME', 'IDC_EVENTS_RISE_DETAIL',
      'IDC_EVENTS_TRANSIT_TIME', 'IDC_EVENTS_TRANSIT_DETAIL', 'IDC_EVENTS_SET_TIME', 'IDC_EVENTS_SET_DETAIL',
      'IDC_EVENTS_NOTE', 'IDC_EVENTS_ORIGIN', 'IDC_EVENTS_CIVIL_DAWN', 'IDC_EVENTS_CIVIL_DUSK', 'IDC_EVENTS_NAUTICAL_DAWN',
      'IDC_EVENTS_NAUTICAL_DUSK', 'IDC_EVENTS_ASTRONOMICAL_DAWN', 'IDC_EVENTS_ASTRONOMICAL_DUSK',
      'IDC_EVENTS_CONVENTION', 'IDC_MOMENT_CAPTION', 'IDC_MOMENT_MAGNITUDE', 'IDC_MOMENT_FRACTION', 'IDC_MOMENT_PHASE',
      'IDC_MOMENT_ELONGATION', 'IDC_MOMENT_DIAMETER', 'IDC_MOMENT_DISTANCE', 'IDC_MOMENT_CONSTELLATION'];
    const lines = module.UTF8ToString(module._skycalc_day_events()).split('\n');
    if (lines.length < names.length) return;  // refused: the logic has shown its message
    const sun = lines[2] === '1';
    const form = SKYCALC_FORMS.riseSet;
    formBox(form, 'rise-set', (named, client) => {
      names.forEach((name, i) => { if (name) named[name].firstChild.textContent = lines[i]; });
      // Without the twilights the convention line and この時刻 move up into their place.
      if (!sun) {
        const twilightRows = 40;
        sizeForm(client, [form.size[0], form.size[1] - twilightRows]);
        for (const kind of ['CIVIL', 'NAUTICAL', 'ASTRONOMICAL'])
          for (const part of ['CAPTION', 'DAWN', 'DUSK']) named[`IDC_EVENTS_${kind}_${part}`].hidden = true;
        for (const { name, rect: [x, y, w, h] } of form.controls)
          if (name.startsWith('IDC_MOMENT') || name === 'IDC_EVENTS_CONVENTION') place(named[name], [x, y - twilightRows, w, h]);
      }
    });
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

  // The Moon's disc on a canvas, dark, with its lit part: the bright limb a
  // half circle on the Sun's side (the right while waxing), the terminator a
  // half ellipse whose half-width is |2 fraction - 1| of the radius.
  function drawMoon(canvas, fraction, waxing) {
    const context = canvas.getContext('2d'), r = canvas.width / 2 - 1, c = canvas.width / 2;
    context.fillStyle = '#484850';
    context.strokeStyle = '#707070';
    context.beginPath();
    context.arc(c, c, r, 0, 2 * Math.PI);
    context.fill();
    context.stroke();
    const side = waxing ? 1 : -1, bulge = 2 * fraction - 1, steps = 24;
    context.beginPath();
    for (let i = 0; i <= steps; ++i) {
      const t = Math.PI * i / steps;
      context.lineTo(c + side * r * Math.sin(t), c - r * Math.cos(t));
    }
    for (let i = 0; i <= steps; ++i) {
      const t = Math.PI * i / steps;
      context.lineTo(c - side * bulge * r * Math.sin(t), c + r * Math.cos(t));
    }
    context.fillStyle = '#f6dc60';
    context.fill();
  }

  // The 暦 box: the stored month's grid (the logic's texts), its events and notes; 前月 and 翌月 step.
  const WEEKDAYS = ['日', '月', '火', '水', '木', '金', '土'];
  function showAlmanac() {
    const first = module.UTF8ToString(module._skycalc_almanac(0, 0));
    if (!first) return;  // refused: the logic has shown its message
    const { dialog, client, ok } = plainBox('暦', 'almanac', [380, 414], [322, 7, 50, 14]);
    const title = unitLabel(client, 'IDC_ALMANAC_MONTH', [11, 10, 180, 10]);
    const stepButton = (name, text, rect, months) => {
      const button = make('button', 'button control', text);
      Object.assign(button, { type: 'button' });
      button.dataset.name = name;
      place(button, rect);
      button.addEventListener('click', () => {
        const index = month.year * 12 + month.month - 1 + months;
        const json = module.UTF8ToString(module._skycalc_almanac(Math.floor(index / 12), index % 12 + 1));
        if (json) show(JSON.parse(json));
      });
      client.append(button);
      return button;
    };
    const previous = stepButton('IDC_ALMANAC_PREVIOUS', '前月', [214, 7, 50, 14], -1);
    const next = stepButton('IDC_ALMANAC_NEXT', '翌月', [268, 7, 50, 14], 1);
    const grid = make('div', 'almanac-grid control');
    grid.dataset.name = 'IDC_ALMANAC_GRID';
    place(grid, [8, 26, 364, 312]);
    const columns = [0, 1, 2].map((c) => unitLabel(client, `IDC_ALMANAC_EVENTS${c + 1}`, [11 + 121 * c, 342, 119, 36]));
    const note = unitLabel(client, 'IDC_ALMANAC_NOTE', [11, 382, 358, 26], 'wrap');
    client.append(grid);
    let month;
    function show(data) {
      month = data;
      title.firstChild.textContent = data.title;
      previous.disabled = !data.previous;
      next.disabled = !data.next;
      const cells = WEEKDAYS.map((name, d) => make('div', `almanac-head day${d}`, name));
      // The days run on without gaps in the week, even across the 1582 reform.
      const start = data.days.length ? data.days[0].weekday : 0;
      for (let slot = 0; slot < 42; ++slot) {
        const day = data.days[slot - start];
        const cell = make('div', `almanac-cell day${slot % 7}${day && day.holiday ? ' holiday' : ''}`);
        if (day) {
          cell.dataset.day = day.day;
          const moon = make('canvas', 'almanac-moon');
          moon.width = moon.height = 2 * BASE.y - 4;
          drawMoon(moon, day.fraction, day.waxing);
          const top = make('div', 'almanac-top');
          top.append(make('b', 'almanac-day', String(day.day)), make('span', 'almanac-rokuyo', day.rokuyo));
          cell.append(moon, top, make('div', 'almanac-age', day.age), make('div', 'almanac-lunar', day.lunar));
          if (day.holiday) cell.append(make('div', 'almanac-holiday', day.holiday));
          cell.append(make('div', 'almanac-events', day.events.join(' ')));
        }
        cells.push(cell);
      }
      grid.replaceChildren(...cells);
      // Column by column, as many lines in each as the longest needs.
      const per = Math.ceil(data.eventLines.length / 3);
      columns.forEach((column, c) => { column.firstChild.textContent = data.eventLines.slice(c * per, (c + 1) * per).join('\n'); });
      note.firstChild.textContent = data.note;
    }
    show(JSON.parse(first));
    dialog.showModal();
    ok.focus();
  }

  // The 天象 box: the stored year's sky events, one a row (the logic's texts
  // and columns), each group shown or hidden by its box; 前年 and 翌年 step.
  function showPhenomena() {
    const first = module.UTF8ToString(module._skycalc_phenomena(0));
    if (!first) return;  // refused: the logic has shown its message
    const { dialog, client, ok } = plainBox('天象', 'phenomena', [560, 320], [503, 7, 50, 14]);
    const title = unitLabel(client, 'IDC_PHENOMENA_TITLE', [11, 10, 250, 10]);
    const stepButton = (name, text, rect, years) => {
      const button = make('button', 'button control', text);
      button.type = 'button';
      button.dataset.name = name;
      place(button, rect);
      button.addEventListener('click', () => {
        const json = module.UTF8ToString(module._skycalc_phenomena(shown.year + years));
        if (json) show(JSON.parse(json));
      });
      client.append(button);
      return button;
    };
    const previous = stepButton('IDC_PHENOMENA_PREVIOUS', '前年', [395, 7, 50, 14], -1);
    const next = stepButton('IDC_PHENOMENA_NEXT', '翌年', [449, 7, 50, 14], 1);
    const data0 = JSON.parse(first);
    const boxes = data0.groups.map((group, g) => {
      const label = make('label', 'radio control');
      label.dataset.name = `IDC_PHENOMENA_${group.key.toUpperCase()}`;
      const input = make('input');
      Object.assign(input, { type: 'checkbox', checked: true });
      input.addEventListener('change', () => fill());
      label.append(input, make('span', '', group.name));
      place(label, [11 + 45 * g, 26, 42, 10]);
      client.append(label);
      return { key: group.key, input };
    });
    const list = make('div', 'phenomena-list control');
    list.dataset.name = 'IDC_PHENOMENA_TABLE';
    place(list, [8, 40, 544, 274]);
    client.append(list);
    let shown;
    // The rows of the groups ticked.
    function fill() {
      const ticked = new Set(boxes.filter((b) => b.input.checked).map((b) => b.key));
      const table = make('table');
      const head = make('tr');
      for (const column of shown.columns) head.append(make('th', '', column));
      table.append(head);
      for (const row of shown.rows) {
        if (!ticked.has(row.group)) continue;
        const line = make('tr');
        for (const cell of row.cells) line.append(make('td', '', cell));
        table.append(line);
      }
      list.replaceChildren(table);
    }
    function show(data) {
      shown = data;
      title.firstChild.textContent = data.title;
      previous.disabled = !data.previous;
      next.disabled = !data.next;
      fill();
    }
    show(data0);
    dialog.showModal();
    ok.focus();
  }

  // The 日食・月食 box: the stored year's eclipses at the stored site; the
  // selected one's contacts and a drawing at its maximum (the logic's figures).
  function showEclipses() {
    const json = module.UTF8ToString(module._skycalc_eclipses());
    if (!json) return;  // refused: the logic has shown its message
    const data = JSON.parse(json);
    formBox(SKYCALC_FORMS.eclipse, 'eclipse', (named, client) => {
      named.IDC_ECLIPSE_TITLE.firstChild.textContent = data.title;
      named.IDC_ECLIPSE_SITE.firstChild.textContent = data.site;
      named.IDC_ECLIPSE_DETAIL.classList.add('top');
      const control = (name) => SKYCALC_FORMS.eclipse.controls.find((c) => c.name === name);
      const list = make('div', 'eclipse-list control');
      list.dataset.name = 'IDC_ECLIPSE_LIST';
      list.setAttribute('role', 'listbox');
      list.tabIndex = 0;
      place(list, control('IDC_ECLIPSE_LIST').rect);
      const picture = make('canvas', 'eclipse-picture control');
      picture.dataset.name = 'IDC_ECLIPSE_PICTURE';
      place(picture, control('IDC_ECLIPSE_PICTURE').rect);
      picture.width = parseInt(picture.style.width, 10);
      picture.height = parseInt(picture.style.height, 10);
      client.append(list, picture);
      const rows = data.eclipses.map((e, i) => {
        const row = make('div', 'eclipse-entry', e.summary);
        row.setAttribute('role', 'option');
        row.addEventListener('click', () => select(i));
        return row;
      });
      list.append(...rows);
      function select(i) {
        rows.forEach((row, j) => row.classList.toggle('selected', i === j));
        if (rows[i]) rows[i].scrollIntoView({ block: 'nearest' });
        const e = data.eclipses[i];
        named.IDC_ECLIPSE_DETAIL.firstChild.textContent = e ? e.details : '';
        drawEclipse(picture, e);
      }
      list.addEventListener('keydown', (event) => {
        const at = rows.findIndex((row) => row.classList.contains('selected'));
        if (event.key === 'ArrowDown' && at + 1 < rows.length) select(at + 1);
        else if (event.key === 'ArrowUp' && at > 0) select(at - 1);
        else return;
        event.preventDefault();
      });
      // Open on the first eclipse seen from the site; with none, say so.
      select(data.first);
      if (data.first < 0) named.IDC_ECLIPSE_DETAIL.firstChild.textContent = data.noneSeen;
    });
  }

  // The eclipse at maximum seen from the site, the zenith up (View, radians):
  // the Moon's disc over the Sun's, or the Moon in the umbra and penumbra.
  function drawEclipse(canvas, e) {
    const p = canvas.getContext('2d'), w = canvas.width, h = canvas.height;
    p.fillStyle = e && e.lunar ? 'rgb(10,12,30)' : 'rgb(40,70,120)';
    p.fillRect(0, 0, w, h);
    if (!e || !e.shown) return;
    const v = e.view;
    const reach = Math.hypot(v.moonX, v.moonY) + v.moon;
    const extent = 1.15 * Math.max(reach, e.lunar ? Math.min(v.umbra, reach + v.moon) : v.sun);
    const scale = 0.5 * Math.min(w, h) / extent, cx = w / 2, cy = h / 2;
    const mx = cx + v.moonX * scale, my = cy - v.moonY * scale;
    const disc = (x, y, radius) => { const path = new Path2D(); path.arc(x, y, radius * scale, 0, 2 * Math.PI); return path; };
    if (e.lunar) {
      const moon = disc(mx, my, v.moon);
      p.fillStyle = 'rgb(250,240,200)';
      p.fill(moon);
      p.save();
      p.clip(moon);
      p.fillStyle = 'rgba(60,60,70,0.43)';
      p.fill(disc(cx, cy, v.penumbra));
      p.fillStyle = 'rgba(120,40,25,0.92)';
      p.fill(disc(cx, cy, v.umbra));
      p.restore();
      // Both edges of the shadow, so that a Moon in the penumbra alone is seen inside one.
      p.setLineDash([1, 2]);
      p.strokeStyle = 'rgb(150,150,165)';
      p.stroke(disc(cx, cy, v.penumbra));
      p.strokeStyle = 'rgb(200,90,70)';
      p.stroke(disc(cx, cy, v.umbra));
    } else {
      p.fillStyle = 'rgb(255,210,80)';
      p.fill(disc(cx, cy, v.sun));
      p.fillStyle = 'rgb(25,25,30)';
      p.fill(disc(mx, my, v.moon));
    }
  }

  // --- The 星図 box -------------------------------------------------------------
  // The logic's chart of the stored fields (its display list) drawn on a
  // canvas; its own time steps and facing leave the fields alone. A drag
  // (mouse, pen or finger) turns the chart about its centre as the window's
  // drag does; a click or tap on a planet, a named star or a constellation
  // name picks it in its list.
  const CHART_SIZE = 800;  // the display list's box units
  const CHART_STEPS = [['−1日', -1440], ['−1時間', -60], ['−10分', -10], ['+10分', 10], ['+1時間', 60], ['+1日', 1440]];
  const CHART_FACINGS = [['北', 0], ['北東', 45], ['東', 90], ['南東', 135], ['南', 180], ['南西', 225], ['西', 270], ['北西', 315]];
  const CHART_REACH = 12;  // box units a click may land from an object: about a name's height
  const DRAG_THRESHOLD = 4;  // CSS pixels a press moves before it is a drag, not a click (the window's)

  // The chart of the stored fields as the logic gives it: {title, centre, list}.
  function chartOf(view, size) {
    return JSON.parse(module.UTF8ToString(module._skycalc_chart(view.offset, view.facing,
      view.ecliptic ? 1 : 0, view.equator ? 1 : 0, size)));
  }

  function showChart() {
    const { dialog, client } = modalBox('星図', 'chart');
    const view = { offset: 0, facing: 180, ecliptic: true, equator: false };
    const button = (label, className, run) => {
      const element = make('button', 'button ' + className, label);
      element.type = 'button';
      element.addEventListener('click', run);
      return element;
    };
    const check = (label, on, set) => {
      const box = make('input');
      Object.assign(box, { type: 'checkbox', checked: on });
      box.addEventListener('change', () => { set(box.checked); draw(); });
      const element = make('label', 'radio');
      element.append(box, label);
      return element;
    };
    const steps = make('div', 'chart-bar');
    for (const [label, minutes] of CHART_STEPS) steps.append(button(label, 'chart-step', () => { view.offset += minutes; draw(); }));
    steps.append(button('現在の設定に戻す', 'chart-reset', () => { view.offset = 0; draw(); }));
    const facing = make('select', 'chart-facing');
    for (const [label, azimuth] of CHART_FACINGS) facing.append(Object.assign(make('option', '', label), { value: azimuth }));
    facing.value = '180';
    facing.addEventListener('change', () => { view.facing = Number(facing.value); draw(); });
    const options = make('div', 'chart-bar');
    const whole = button('全天(南を下に)', 'chart-whole', () => { facing.value = '180'; view.facing = 180; draw(); });
    options.append(make('span', '', '下にする方位:'), facing, whole, check('黄道', view.ecliptic, (on) => { view.ecliptic = on; }),
      check('天の赤道', view.equator, (on) => { view.equator = on; }));
    const canvas = make('canvas', 'chart-canvas');
    const close = button('閉じる', 'chart-close', () => dialog.close());
    options.append(close);
    client.append(steps, options, canvas);
    function draw() {
      const side = canvas.getBoundingClientRect().width || 560;
      // A new size only when it changes: setting it even to the same clears and reallocates the canvas.
      const pixels = Math.round(side * (window.devicePixelRatio || 1));
      if (canvas.width !== pixels || canvas.height !== pixels) canvas.width = canvas.height = pixels;
      const chart = chartOf(view, CHART_SIZE);
      canvas.skycalcChart = chart;
      drawDisplayList(canvas, chart.list);
    }
    // One redraw a frame however many moves the pointer reports.
    let pending = false;
    function drawSoon() {
      if (pending) return;
      pending = true;
      requestAnimationFrame(() => { pending = false; draw(); });
    }
    // The box point under a pointer event.
    const boxPoint = (event) => {
      const rect = canvas.getBoundingClientRect(), list = canvas.skycalcChart.list;
      return [(event.clientX - rect.left) * list.width / rect.width, (event.clientY - rect.top) * list.height / rect.height];
    };
    // Its angle about the chart's centre, degrees, measured as the window measures it.
    const angleAt = (event) => {
      const [x, y] = boxPoint(event), [cx, cy] = canvas.skycalcChart.centre;
      return Math.atan2(x - cx, y - cy) * 180 / Math.PI;
    };
    let press = null;  // the pointer held down: {id, x, y, angle, moved}
    canvas.addEventListener('pointerdown', (event) => {
      if (press || event.button !== 0) return;
      canvas.setPointerCapture(event.pointerId);
      press = { id: event.pointerId, x: event.clientX, y: event.clientY, angle: angleAt(event), moved: false };
      event.preventDefault();
    });
    canvas.addEventListener('pointermove', (event) => {
      if (!press || event.pointerId !== press.id) return;
      if (!press.moved && Math.hypot(event.clientX - press.x, event.clientY - press.y) < DRAG_THRESHOLD) return;
      press.moved = true;
      const angle = angleAt(event);
      const turn = ((angle - press.angle + 540) % 360) - 180;
      press.angle = angle;
      if (turn === 0) return;
      view.facing = (((view.facing - turn) % 360) + 360) % 360;
      facing.selectedIndex = -1;  // between the named directions
      drawSoon();
    });
    const release = (event) => {
      if (!press || event.pointerId !== press.id) return;
      const clicked = !press.moved && event.type === 'pointerup';
      press = null;
      if (!clicked) return;
      const [x, y] = boxPoint(event);
      const list = canvas.skycalcChart.list;
      let best = null, bestDistance = CHART_REACH * list.width / CHART_SIZE;
      for (const o of list.objects) {
        const d = Math.hypot(o.x - x, o.y - y);
        if (o.listId && d <= bestDistance) { best = o; bestDistance = d; }
      }
      if (!best || !controls[best.listId]) return;
      pickList(controls[best.listId].element, best.listIndex);
      draw();
    };
    canvas.addEventListener('pointerup', release);
    canvas.addEventListener('pointercancel', release);
    dialog.addEventListener('close', () => dialog.remove());
    dialog.showModal();
    draw();
    close.focus();
  }

  // Draws a display list (DisplayListJson) to fill canvas, scaled evenly.
  // The canvas parses every font and colour it is given, so each is given
  // only when it changes (the stars of a whole sky share a few dozen).
  function drawDisplayList(canvas, list) {
    const context = canvas.getContext('2d');
    const scale = Math.min(canvas.width / list.width, canvas.height / list.height);
    context.setTransform(1, 0, 0, 1, 0, 0);
    context.clearRect(0, 0, canvas.width, canvas.height);
    context.setTransform(scale, 0, 0, scale, (canvas.width - list.width * scale) / 2, (canvas.height - list.height * scale) / 2);
    if (list.background) {
      context.fillStyle = list.background;
      context.fillRect(0, 0, list.width, list.height);
    }
    context.lineCap = context.lineJoin = 'round';
    context.textBaseline = 'middle';
    const anchors = { start: 'left', middle: 'center', end: 'right' };
    let fill = null, stroke = null, width = null, font = null, align = null;
    const setFill = (colour) => { if (colour !== fill) context.fillStyle = fill = colour; };
    for (const item of list.items) {
      const p = item.points;
      if (item.shape === 'text') {
        const itemFont = `${item.fontSize}px sans-serif`;
        if (itemFont !== font) context.font = font = itemFont;
        if (anchors[item.anchor] !== align) context.textAlign = align = anchors[item.anchor];
        setFill(item.fill);
        context.fillText(item.text, p[0], p[1]);
        continue;
      }
      context.beginPath();
      if (item.shape === 'circle') {
        context.arc(p[0], p[1], item.radius, 0, 2 * Math.PI);
      } else {
        context.moveTo(p[0], p[1]);
        for (let i = 2; i + 1 < p.length; i += 2) context.lineTo(p[i], p[i + 1]);
        if (item.closed) context.closePath();
      }
      if (item.fill) {
        setFill(item.fill);
        context.fill();
      }
      if (item.stroke) {
        if (item.stroke !== stroke) context.strokeStyle = stroke = item.stroke;
        if (item.strokeWidth !== width) context.lineWidth = width = item.strokeWidth;
        context.stroke();
      }
    }
  }

  // --- The right-click menu -------------------------------------------------
  const menu = (function () {
    const element = make('div', 'menu');
    element.setAttribute('role', 'menu');
    element.hidden = true;
    const items = [
      { label: '出没時刻', key: 'R', suffix: '...', run: showRiseSet },
      { label: '暦', key: 'K', suffix: '...', run: showAlmanac },
      { label: '天象', key: 'T', suffix: '...', run: showPhenomena },
      { label: '日食・月食', key: 'E', suffix: '...', run: showEclipses },
      { label: '星図', key: 'M', suffix: '...', run: showChart },
      null,
      { label: '高精度計算', key: 'P', suffix: '', check: () => module._skycalc_is_precise() === 1,
        run: () => setPreciseModel(module._skycalc_is_precise() !== 1) },
      null,
      { label: '「ほしよみ君」 のﾊﾞｰｼﾞｮﾝ情報', key: 'A', suffix: '...', run: showAbout },
    ];
    for (const item of items) {
      if (!item) { element.append(make('div', 'menu-separator')); continue; }
      const row = make('div', 'menu-item');
      row.setAttribute('role', 'menuitem');
      const mark = make('span', 'menu-check');
      const key = make('u', '', item.key);
      const label = make('span', 'menu-label', item.label + '(');
      label.append(key, ')' + item.suffix);
      row.append(mark, label);
      element.append(row);
      row.addEventListener('click', () => { hide(); item.run(); });
      Object.assign(item, { row, mark });
    }
    document.body.append(element);
    function hide() { element.hidden = true; }
    return {
      show(x, y) {
        for (const item of items) if (item && item.check) item.mark.textContent = item.check() ? '✓' : '';
        element.hidden = false;
        const width = element.offsetWidth, height = element.offsetHeight;
        element.style.left = Math.min(x, window.innerWidth - width) + 'px';
        element.style.top = Math.min(y, window.innerHeight - height) + 'px';
      },
      hide,
      get open() { return !element.hidden; },
      key(letter) {
        const item = items.find((candidate) => candidate && candidate.key === letter.toUpperCase());
        if (item) { hide(); item.run(); }
      },
      contains(node) { return element.contains(node); },
    };
  })();

  // --- The logic ------------------------------------------------------------
  function command(id) {
    if (!module) return;
    try {
      module._skycalc_command(id);
      refreshColours();
    } catch (error) {  // the logic has stopped: say so rather than leave a dead panel
      module = null;
      showFailure(String(error && error.message || error), STOPPED);
    }
  }

  function refreshColours() {
    for (const id of Object.keys(controls)) controls[id].element.classList.toggle('white', module._skycalc_ctl_color(Number(id)) === 1);
  }

  function setPreciseModel(precise) {
    showCaption(precise);
    module._skycalc_set_precise(precise ? 1 : 0);
    refreshColours();
  }

  function showCaption(precise) {
    const text = caption + (precise ? PRECISE_CAPTION : '');
    document.getElementById('caption').textContent = text;
    document.title = text;
  }

  // Clicks at once and shows the key held down for a moment.
  function pressVisibly(button) {
    button.click();
    button.classList.add('down');
    setTimeout(() => button.classList.remove('down'), 100);
  }

  function readoutsText() {
    return ['IDC_TIME', 'IDC_RAAZM', 'IDC_DECALT'].map((name) => controls[ID[name]].element.textContent).join('\t');
  }

  const anyBoxOpen = () => document.querySelector('dialog[open]') !== null;
  const inTextField = (target) => target instanceof HTMLInputElement && target.type === 'text';

  function bindInput(windowElement) {
    document.addEventListener('keydown', (event) => {
      if (menu.open) {
        if (event.key === 'Escape') menu.hide();
        else if (/^[a-z]$/i.test(event.key)) menu.key(event.key);
        event.preventDefault();
        return;
      }
      if (anyBoxOpen() || !module) return;
      if (event.key === 'F1') {
        event.preventDefault();
        messageBox.showInfo(HELP_TEXT + '\n\n' + module.UTF8ToString(module._skycalc_azimuth_help()));
        return;
      }
      if (inTextField(event.target) || event.ctrlKey || event.altKey || event.metaKey) return;
      const name = KEY_BUTTONS[event.key];
      if (name) {
        event.preventDefault();
        pressVisibly(controls[ID[name]].element);
      }
    });
    // Ctrl+C (or the browser's Copy) outside a text field copies the three readouts.
    document.addEventListener('copy', (event) => {
      if (inTextField(event.target) || anyBoxOpen() || !module) return;
      event.clipboardData.setData('text/plain', readoutsText());
      event.preventDefault();
    });
    windowElement.addEventListener('contextmenu', (event) => {
      event.preventDefault();
      if (module && !anyBoxOpen()) menu.show(event.clientX, event.clientY);
    });
    document.addEventListener('mousedown', (event) => {
      if (menu.open && !menu.contains(event.target)) menu.hide();
      if (!event.target.closest || !event.target.closest('.combo')) closeAllLists();
    });
    // The page is closed (tab closed, reloaded, or left): the settings are
    // written, as the window writes them when it is closed.
    window.addEventListener('pagehide', () => { if (module) module._skycalc_close(); });
  }

  // --- Start-up -------------------------------------------------------------
  function showFailure(detail, text = location.protocol === 'file:' ? FILE_HINT : LOAD_FAILED) {
    const status = document.getElementById('status');
    status.textContent = text + (detail ? `\n(${detail})` : '');
    status.hidden = false;
    document.documentElement.dataset.state = 'failed';
  }

  function build() {
    const windowElement = document.getElementById('window');
    const client = document.getElementById('client');
    client.style.font = FONT;
    document.getElementById('caption').parentElement.style.height = (BASE.y + 10) + 'px';
    buildForm(SKYCALC_FORMS.main, client, (control, element) => {
      const id = ID[control.name];
      if (id === undefined) return;
      const kind = { QLabel: 'label', QRadioButton: 'radio', QPushButton: 'button', QComboBox: 'list' }[control.cls];
      controls[id] = { element, kind };
      element.controlId = id;
      if (kind === 'radio') {
        element.input.addEventListener('click', () => command(id));
      } else if (kind === 'button') {
        element.addEventListener('click', () => {
          // A checkable button is checked by its click, and the others of its group cleared.
          if (control.checkable) {
            for (const other of client.querySelectorAll(`[data-group="${control.group}"]`))
              other.setAttribute('aria-pressed', String(other === element));
          }
          command(id);
        });
      }
    });
    showCaption(false);
    bindInput(windowElement);
  }

  async function start() {
    performance.mark('skycalc-start');
    build();
    if (typeof WebAssembly !== 'object' || typeof createSkyCalc !== 'function') {
      showFailure(typeof createSkyCalc !== 'function' ? 'skycalc.js' : 'WebAssembly');
      return;
    }
    try {
      const loaded = await createSkyCalc({ skycalcHost: host, printErr: () => {} });
      performance.mark('skycalc-loaded');
      module = loaded;
      const precise = module._skycalc_open() === 1;
      showCaption(precise);
      refreshColours();
      controls[ID.IDC_SET].element.focus();
      document.documentElement.dataset.state = 'ready';
      performance.mark('skycalc-ready');
    } catch (error) {
      module = null;
      showFailure(String(error && error.message || error));
    }
  }

  if ('serviceWorker' in navigator && /^https?:$/.test(location.protocol)) {
    navigator.serviceWorker.register('sw.js').catch(() => { /* the page works online without it */ });
  }
  // For measurements and tests (web/tools/page_figures.js, tests/web): the start-up, the logic itself,
  // and the 星図 box's chart of a view and its drawing.
  window.skycalcPage = { start: start(), command: (id) => module._skycalc_command(id),
    chart: (view, size) => chartOf(view, size), drawDisplayList };
})();
