// The calculator's page, its loader: starts the calculator's logic (the
// WebAssembly module skycalc.js), draws the window's controls from its forms
// (page_form.js), is the logic's control host and passes every click, pick and
// key to that logic by control ID; the menu's boxes are page_boxes.js, the
// drawings page_render.js. It computes and checks nothing itself. After the
// first readout it loads the rest of the logic (code) and the tables the boxes
// need (withTables).
'use strict';

(function (page) {
  const ID = SKYCALC_IDS;
  const PRECISE_CAPTION = ' (高精度)';
  const LOAD_FAILED = '計算機を読み込めませんでした。WebAssemblyに対応したブラウザーで、ページを再読み込みしてください。';
  const FILE_HINT = 'ファイルとして開いたページでは計算機を読み込めません。Webサーバーから開いてください(例: python3 -m http.server -d dist/web)。';
  const STOPPED = '計算機が停止しました。ページを再読み込みしてください。';
  const PLACE_CAPTION = '　地点: ';  // as the window's caption names the chosen place
  // 現在地: what the page says when the browser gives no position; the site is left as it was.
  const GEO_DENIED = '現在地の取得が許可されませんでした。経度・緯度は変わっていません。';
  const GEO_TIMEOUT = '現在地を時間内に取得できませんでした。経度・緯度は変わっていません。';
  const GEO_UNAVAILABLE = '現在地を取得できませんでした。経度・緯度は変わっていません。';
  const GEO_TIMEOUT_MS = 15000;
  // Keyboard characters that press a keypad key.
  const KEY_BUTTONS = { '0': 'IDC_DIGIT0', '1': 'IDC_DIGIT1', '2': 'IDC_DIGIT2', '3': 'IDC_DIGIT3',
    '4': 'IDC_DIGIT4', '5': 'IDC_DIGIT5', '6': 'IDC_DIGIT6', '7': 'IDC_DIGIT7', '8': 'IDC_DIGIT8',
    '9': 'IDC_DIGIT9', '.': 'IDC_POINT', '-': 'IDC_SIGN' };

  let module = null;   // the calculator's logic once loaded
  const controls = {}; // control ID -> { element, kind, ... }
  let caption = SKYCALC_FORMS.main.title;
  const { FONT, BASE, buildForm, closeAllLists, messageBox, menu, chartOf, drawDisplayList } = page;


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

  // --- The logic ------------------------------------------------------------
  function command(id) {
    if (!module) return;
    if (!live) {  // the rest of the logic is on its way: the key waits for it
      code().then(() => command(id), () => {});
      return;
    }
    try {
      module._skycalc_command(id);
      refreshColours();
      showCaption();  // a keyed site is no longer the chosen place
    } catch (error) {  // the logic has stopped: say so rather than leave a dead panel
      module = null;
      showFailure(String(error && error.message || error), STOPPED);
    }
  }

  // 地点: place index of the table, stored as keying it with SET would (its zone too when withZone).
  function applyPlace(index, withZone) {
    if (!module) return;
    module._skycalc_apply_place(index, withZone ? 1 : 0);
    refreshColours();
    showCaption();
  }

  // 現在地: asks the browser for its position (with its permission prompt) and
  // stores it as the keypad would key it; a refusal, a timeout or no position
  // says so and changes nothing.
  function useCurrentPosition() {
    if (!module) return;
    if (!navigator.geolocation) { messageBox.show(GEO_UNAVAILABLE); return; }
    navigator.geolocation.getCurrentPosition((position) => {
      if (!module) return;
      module._skycalc_apply_position(position.coords.longitude, position.coords.latitude);
      refreshColours();
      showCaption();
    }, (error) => {
      messageBox.show(error && error.code === 1 ? GEO_DENIED : error && error.code === 3 ? GEO_TIMEOUT : GEO_UNAVAILABLE);
    }, { enableHighAccuracy: false, timeout: GEO_TIMEOUT_MS, maximumAge: 60000 });
  }

  // --- The rest of the logic ---------------------------------------------------
  // skycalc.wasm holds only what the calculator's start runs (scripts/web.sh splits
  // the module by a profile of it); the rest, skycalc.deferred.wasm, is fetched
  // right after the first readout and instantiated beside it (its element segment
  // puts its functions into the module's table). Until then a key waits for it,
  // and the menu, the help and closing the page do nothing (nothing has changed).
  const CODE = 'skycalc.deferred.wasm';
  const CODE_FAILED = '計算機の残りを読み込めませんでした。接続を確かめて、もう一度押してください。';
  let live = false;      // the whole logic is in
  let codeLoad = null;   // the one load under way or done; cleared when it failed

  async function loadCode() {
    const response = await fetch(CODE);
    if (!response.ok) throw new Error(`${CODE}: ${response.status}`);
    if (!module) throw new Error(STOPPED);
    await WebAssembly.instantiate(await response.arrayBuffer(), { primary: module.asm });
    live = true;
    performance.mark('skycalc-live');
  }

  function code() {
    if (!codeLoad) {
      codeLoad = loadCode().catch((error) => {
        codeLoad = null;
        messageBox.show(`${CODE_FAILED}\n(${error && error.message || error})`);
        throw error;
      });
    }
    return codeLoad;
  }

  // --- The tables -----------------------------------------------------------
  // What the first readout does not need is fetched in the background once it
  // is shown: the big series tables (skycalc-tables.bin, copied into the
  // logic, which checks its size and checksum) for 暦, 天象 and 日食・月食, and
  // the 星図 box's star field and figures (written where the logic reads them).
  const TABLES = 'skycalc-tables.bin';
  const CHART_FILES = ['ChartStars.txt', 'ChartLines.txt'];
  const TABLES_FAILED = '計算用のデータを読み込めませんでした。接続を確かめて、もう一度開いてください。';
  let tablesLoad = null;  // the one load under way or done; cleared when it failed, so that the next need retries

  async function loadTables() {
    const bytes = async (name) => {
      const response = await fetch(name);
      if (!response.ok) throw new Error(`${name}: ${response.status}`);
      return new Uint8Array(await response.arrayBuffer());
    };
    const [tables, ...chartFiles] = await Promise.all([TABLES, ...CHART_FILES].map(bytes));
    if (!module) throw new Error(STOPPED);
    const at = module._skycalc_tables_buffer(tables.length);
    if (!at) throw new Error(`${TABLES}: ${tables.length} bytes`);
    module.HEAPU8.set(tables, at);
    if (module._skycalc_tables_loaded() !== 1) throw new Error(`${TABLES}: checksum`);
    CHART_FILES.forEach((name, i) => module.FS.writeFile(`/usr/share/skycalc/${name}`, chartFiles[i]));
    document.documentElement.dataset.tables = 'ready';
  }

  function tables() {
    if (!tablesLoad) tablesLoad = code().then(loadTables).catch((error) => { tablesLoad = null; throw error; });
    return tablesLoad;
  }

  // Runs run (a box that needs the tables) once they are loaded: at once when
  // they are, else when they arrive, the page showing it is busy meanwhile; one
  // such box waits at a time. A failed load says so and opens nothing.
  let waiting = false;
  function withTables(run) {
    if (document.documentElement.dataset.tables === 'ready') { run(); return; }
    if (waiting) return;
    waiting = true;
    const windowElement = document.getElementById('window');
    windowElement.setAttribute('aria-busy', 'true');
    document.body.style.cursor = 'progress';
    tables().then(() => { if (module) run(); }, (error) => messageBox.show(`${TABLES_FAILED}\n(${error && error.message || error})`))
      .finally(() => {
        waiting = false;
        windowElement.removeAttribute('aria-busy');
        document.body.style.cursor = '';
      });
  }

  function refreshColours() {
    for (const id of Object.keys(controls)) controls[id].element.classList.toggle('white', module._skycalc_ctl_color(Number(id)) === 1);
  }

  function setPreciseModel(precise) {
    module._skycalc_set_precise(precise ? 1 : 0);
    showCaption();
    refreshColours();
  }

  // The form's caption, with the precise model's mark and the chosen place.
  function showCaption() {
    const precise = module && module._skycalc_is_precise() === 1;
    const place = module ? module.UTF8ToString(module._skycalc_place_name()) : '';
    const text = caption + (precise ? PRECISE_CAPTION : '') + (place ? PLACE_CAPTION + place : '');
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
        if (live) page.showHelp();
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
    window.addEventListener('pagehide', () => { if (module && live) module._skycalc_close(); });
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
    showCaption();
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
      const open = async () => {
        module = await createSkyCalc({ skycalcHost: host, printErr: () => {} });
        performance.mark('skycalc-loaded');
      };
      await open();
      try {
        module._skycalc_open();
        showCaption();
        refreshColours();
      } catch (error) {
        // A start that reached code outside skycalc.wasm (none that its profile ran; the
        // module has stopped): a new instance, the whole logic in, then the start again.
        await open();
        codeLoad = loadCode();
        await codeLoad;
        module._skycalc_open();
        showCaption();
        refreshColours();
      }
      controls[ID.IDC_SET].element.focus();
      document.documentElement.dataset.state = 'ready';
      performance.mark('skycalc-ready');
      code().catch(() => { /* a key retries */ });
      // When the browser is idle: the tables, then the offline copy (the
      // service worker, whose install fetches every file once more).
      const idle = window.requestIdleCallback || ((run) => setTimeout(run, 1));
      idle(() => tables().catch(() => { /* a box that needs them retries and says so */ }).finally(() => {
        if ('serviceWorker' in navigator && /^https?:$/.test(location.protocol)) {
          navigator.serviceWorker.register('sw.js').catch(() => { /* the page works online without it */ });
        }
      }), { timeout: 1000 });
    } catch (error) {
      module = null;
      showFailure(String(error && error.message || error));
    }
  }

  // For measurements and tests (web/tools/page_figures.js, tests/web): the start-up, the logic itself,
  // and the 星図 box's chart of a view and its drawing.
  // The chart needs the tables' files: tables() resolves once they are in.
  window.skycalcPage = { start: start(), command: (id) => module._skycalc_command(id), code, tables,
    chart: (view, size) => chartOf(view, size), drawDisplayList };
  Object.assign(page, { logic: () => module, live: () => live, controls, command, setPreciseModel, applyPlace, useCurrentPosition, withTables });
})(window.SkyCalcPage = window.SkyCalcPage || {});
