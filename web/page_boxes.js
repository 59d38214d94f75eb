// The page's boxes opened from the menu (出没時刻, 暦, 天象, 日食・月食, 星図,
// the version and the help) and the menu itself: each fills a box with the
// logic's texts and figures and draws the logic's drawings.
'use strict';

(function (page) {
  const { BASE, place, sizeForm, make, pickList, modalBox, messageBox, formBox, plainBox, unitLabel,
    drawDisplayList } = page;
  const logic = () => page.logic();
  // The version box: the logic's texts in the window's form.
  function showAbout() {
    const about = JSON.parse(logic().UTF8ToString(logic()._skycalc_about()));
    formBox({ ...SKYCALC_FORMS.about, title: about.caption }, 'about', (named) => {
      named.IDC_ABOUT_TITLE.firstChild.textContent = about.title;
      about.lines.forEach((line, i) => { named[`IDC_ABOUT_LINE${i + 1}`].firstChild.textContent = line; });
      const icon = make('img');
      icon.src = 'skycalc.png';
      icon.alt = '';
      named.IDC_ABOUT_ICON.firstChild.replaceWith(icon);
    });
  }

  // The 出没時刻 box of the chosen body on the stored date, with この時刻 (the
  // logic's labels: their texts, which are shown, and which move up, by how much).
  function showRiseSet() {
    const json = logic().UTF8ToString(logic()._skycalc_day_events());
    if (!json) return;  // refused: the logic has shown its message
    const box = JSON.parse(json);
    const form = SKYCALC_FORMS.riseSet;
    formBox(form, 'rise-set', (named, client) => {
      sizeForm(client, [form.size[0], form.size[1] - box.raise]);
      for (const { name, text, shown, raised } of box.labels) {
        const label = named[name];
        label.firstChild.textContent = text;
        label.hidden = !shown;
        if (raised) {
          const [x, y, w, h] = form.controls.find((c) => c.name === name).rect;
          place(label, [x, y - box.raise, w, h]);
        }
      }
    });
  }

  // The 暦 box (the window's form): the logic's month (AlmanacBoxJson), its
  // cells with their Moon icons (display lists), events and note; 前月 and
  // 翌月 go to the months the logic names.
  function showAlmanac() {
    const first = logic().UTF8ToString(logic()._skycalc_almanac(0, 0));
    if (!first) return;  // refused: the logic has shown its message
    const form = SKYCALC_FORMS.almanac;
    formBox(form, 'almanac', (named, client) => {
      const grid = make('div', 'almanac-grid control');
      grid.dataset.name = 'IDC_ALMANAC_GRID';
      place(grid, form.controls.find((c) => c.name === 'IDC_ALMANAC_GRID').rect);
      client.append(grid);
      let shown;
      const step = (to) => {
        const json = logic().UTF8ToString(logic()._skycalc_almanac(to.year, to.month));
        if (json) show(JSON.parse(json));
      };
      named.IDC_ALMANAC_PREVIOUS.addEventListener('click', () => step(shown.previous));
      named.IDC_ALMANAC_NEXT.addEventListener('click', () => step(shown.next));
      function show(data) {
        shown = data;
        named.IDC_ALMANAC_MONTH.firstChild.textContent = data.title;
        named.IDC_ALMANAC_PREVIOUS.disabled = !data.previous.enabled;
        named.IDC_ALMANAC_NEXT.disabled = !data.next.enabled;
        const cells = data.heads.map((head) => make('div', `almanac-head ${head.colour}`, head.text));
        for (const day of data.cells) {
          const cell = make('div', `almanac-cell${day.day ? ' ' + day.colour : ''}`);
          if (day.day) {
            cell.dataset.day = day.day;
            const moon = make('canvas', 'almanac-moon');
            moon.width = moon.height = 2 * BASE.y - 4;
            moon.skycalcList = day.moon;
            drawDisplayList(moon, day.moon);
            const top = make('div', 'almanac-top');
            top.append(make('b', 'almanac-day', day.number), make('span', 'almanac-rokuyo', day.rokuyo));
            cell.append(moon, top, make('div', 'almanac-age', day.age), make('div', 'almanac-lunar', day.lunar));
            if (day.holiday) cell.append(make('div', 'almanac-holiday', day.holiday));
            cell.append(make('div', 'almanac-events', day.eventsLine));
          }
          cells.push(cell);
        }
        grid.replaceChildren(...cells);
        data.eventColumns.forEach((text, c) => { named[`IDC_ALMANAC_EVENTS${c + 1}`].firstChild.textContent = text; });
        named.IDC_ALMANAC_NOTE.firstChild.textContent = data.note;
      }
      show(JSON.parse(first));
    });
  }

  // The 天象 box: the stored year's sky events, one a row (the logic's texts
  // and columns), each group shown or hidden by its box; 前年 and 翌年 step.
  function showPhenomena() {
    const first = logic().UTF8ToString(logic()._skycalc_phenomena(0));
    if (!first) return;  // refused: the logic has shown its message
    const data0 = JSON.parse(first);
    const { dialog, client, ok } = plainBox(data0.caption, 'phenomena', [560, 320], [503, 7, 50, 14]);
    const title = unitLabel(client, 'IDC_PHENOMENA_TITLE', [11, 10, 250, 10]);
    const stepButton = (name, step, rect) => {
      const button = make('button', 'button control', data0[step].text);
      button.type = 'button';
      button.dataset.name = name;
      place(button, rect);
      button.addEventListener('click', () => {
        const json = logic().UTF8ToString(logic()._skycalc_phenomena(shown[step].year));
        if (json) show(JSON.parse(json));
      });
      client.append(button);
      return button;
    };
    const previous = stepButton('IDC_PHENOMENA_PREVIOUS', 'previous', [395, 7, 50, 14]);
    const next = stepButton('IDC_PHENOMENA_NEXT', 'next', [449, 7, 50, 14]);
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
      previous.disabled = !data.previous.enabled;
      next.disabled = !data.next.enabled;
      fill();
    }
    show(data0);
    dialog.showModal();
    ok.focus();
  }

  // The 日食・月食 box: the stored year's eclipses at the stored site; the
  // selected one's contacts and its drawing at its maximum (the logic's texts and display lists).
  function showEclipses() {
    const json = logic().UTF8ToString(logic()._skycalc_eclipses());
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
      const rows = data.rows.map((e, i) => {
        const row = make('div', 'eclipse-entry', e.summary);
        row.setAttribute('role', 'option');
        row.addEventListener('click', () => select(i));
        return row;
      });
      list.append(...rows);
      function select(i) {
        rows.forEach((row, j) => row.classList.toggle('selected', i === j));
        if (rows[i]) rows[i].scrollIntoView({ block: 'nearest' });
        const shown = data.rows[i] || data.none;
        named.IDC_ECLIPSE_DETAIL.firstChild.textContent = shown.details;
        // The sky's colour round the square drawing.
        picture.style.background = shown.picture.background;
        picture.skycalcPicture = shown.picture;
        drawDisplayList(picture, shown.picture);
      }
      list.addEventListener('keydown', (event) => {
        const at = rows.findIndex((row) => row.classList.contains('selected'));
        if (event.key === 'ArrowDown' && at + 1 < rows.length) select(at + 1);
        else if (event.key === 'ArrowUp' && at > 0) select(at - 1);
        else return;
        event.preventDefault();
      });
      select(data.first);
    });
  }


  // --- The 星図 box -------------------------------------------------------------
  // The logic's chart of the stored fields (its display list) drawn on a
  // canvas; its own time steps and facing leave the fields alone. A drag
  // (mouse, pen or finger) turns the chart about its centre as the window's
  // drag does; a click or tap on a planet, a named star or a constellation
  // name picks it in its list.
  // The box's texts, steps, facings and click reach, as the window has them (ChartBoxJson).
  let chartBox = null;
  const chartBoxOf = () => chartBox || (chartBox = JSON.parse(logic().UTF8ToString(logic()._skycalc_chart_box())));

  // The chart of the stored fields as the logic gives it: {title, centre, list}.
  function chartOf(view, size) {
    return JSON.parse(logic().UTF8ToString(logic()._skycalc_chart(view.offset, view.facing,
      view.ecliptic ? 1 : 0, view.equator ? 1 : 0, size)));
  }

  function showChart() {
    const box = chartBoxOf();
    const { dialog, client } = modalBox(box.caption, 'chart');
    const view = { offset: 0, ...box.view };
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
    for (const [label, minutes] of box.steps) steps.append(button(label, 'chart-step', () => { view.offset += minutes; draw(); }));
    steps.append(button(box.reset, 'chart-reset', () => { view.offset = 0; draw(); }));
    const facing = make('select', 'chart-facing');
    for (const [label, azimuth] of box.facings) facing.append(Object.assign(make('option', '', label), { value: azimuth }));
    const south = box.facings[box.southFacing][1];
    facing.value = String(south);
    facing.addEventListener('change', () => { view.facing = Number(facing.value); draw(); });
    const options = make('div', 'chart-bar');
    const whole = button(box.whole, 'chart-whole', () => { facing.value = String(south); view.facing = south; draw(); });
    options.append(make('span', '', box.facingLabel), facing, whole, check(box.ecliptic, view.ecliptic, (on) => { view.ecliptic = on; }),
      check(box.equator, view.equator, (on) => { view.equator = on; }));
    const canvas = make('canvas', 'chart-canvas');
    const close = button(box.close, 'chart-close', () => dialog.close());
    options.append(close);
    client.append(steps, options, canvas);
    function draw() {
      const side = canvas.getBoundingClientRect().width || 560;
      // A new size only when it changes: setting it even to the same clears and reallocates the canvas.
      const pixels = Math.round(side * (window.devicePixelRatio || 1));
      if (canvas.width !== pixels || canvas.height !== pixels) canvas.width = canvas.height = pixels;
      const chart = chartOf(view, box.unitsWide);
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
      if (!press.moved && Math.hypot(event.clientX - press.x, event.clientY - press.y) < box.dragThreshold) return;
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
      let best = null, bestDistance = box.reach * list.width / box.unitsWide;
      for (const o of list.objects) {
        const d = Math.hypot(o.x - x, o.y - y);
        if (o.listId && d <= bestDistance) { best = o; bestDistance = d; }
      }
      if (!best || !page.controls[best.listId]) return;
      pickList(page.controls[best.listId].element, best.listIndex);
      draw();
    };
    canvas.addEventListener('pointerup', release);
    canvas.addEventListener('pointercancel', release);
    dialog.addEventListener('close', () => dialog.remove());
    dialog.showModal();
    draw();
    close.focus();
  }

  // --- 地点 -----------------------------------------------------------------
  // The 地点 box: the places the logic finds for the search text (reading,
  // kanji, romanised name or region), one chosen with 設定 (or a double
  // click, or Enter), the zone too when checked; 現在地 asks the browser.
  let placesWithZone = true;  // the zone check, kept while the page is open
  function showPlaces() {
    const { dialog, client } = modalBox('地点', 'places');
    const search = make('input', 'places-search');
    Object.assign(search, { type: 'text', placeholder: '読み・漢字・ローマ字で検索 (さっぽろ, 札幌, Sapporo)' });
    search.setAttribute('aria-label', '地点の検索');
    const list = make('select', 'places-list');
    Object.assign(list, { size: 12 });
    list.setAttribute('aria-label', '地点');
    const zoneRow = make('label', 'places-zone');
    const zone = make('input');
    Object.assign(zone, { type: 'checkbox', checked: placesWithZone });
    zoneRow.append(zone, '標準時(標時・標分)も設定する');
    const button = (text, name) => {
      const element = make('button', 'button places-button', text);
      element.type = 'button';
      element.dataset.name = name;
      return element;
    };
    const here = button('現在地', 'IDC_PLACES_HERE'), ok = button('設定', 'IDOK'), cancel = button('キャンセル', 'IDCANCEL');
    const buttons = make('div', 'places-buttons');
    buttons.append(here, ok, cancel);
    client.append(search, list, zoneRow, buttons);
    function fill() {
      const found = JSON.parse(logic().ccall('skycalc_places', 'string', ['string'], [search.value]));
      list.replaceChildren(...found.map(({ index, row }) => {
        const option = make('option', '', row);
        option.value = String(index);
        return option;
      }));
      list.selectedIndex = found.length ? 0 : -1;
      ok.disabled = !found.length;
    }
    function choose() {
      if (list.selectedIndex < 0) return;
      placesWithZone = zone.checked;
      dialog.close();
      page.applyPlace(Number(list.value), zone.checked);
    }
    search.addEventListener('input', fill);
    search.addEventListener('keydown', (event) => {
      if (event.key === 'Enter') { event.preventDefault(); choose(); }
      if (event.key === 'ArrowDown' && list.options.length) { event.preventDefault(); list.focus(); }
    });
    list.addEventListener('dblclick', choose);
    list.addEventListener('keydown', (event) => { if (event.key === 'Enter') { event.preventDefault(); choose(); } });
    ok.addEventListener('click', choose);
    cancel.addEventListener('click', () => dialog.close());
    here.addEventListener('click', () => { dialog.close(); page.useCurrentPosition(); });
    dialog.addEventListener('close', () => dialog.remove());
    fill();
    dialog.showModal();
    search.focus();
  }

  // --- The right-click menu -------------------------------------------------
  const menu = (function () {
    const element = make('div', 'menu');
    element.setAttribute('role', 'menu');
    element.hidden = true;
    // The logic's entries (the window's), each run by the box or switch of its key.
    // 暦, 天象, 日食・月食 and 星図 compute from the tables loaded after the first readout.
    const actions = { riseSet: showRiseSet, almanac: () => page.withTables(showAlmanac), phenomena: () => page.withTables(showPhenomena),
      eclipses: () => page.withTables(showEclipses), chart: () => page.withTables(showChart), places: showPlaces, about: showAbout, precise: () => page.setPreciseModel(logic()._skycalc_is_precise() !== 1),
      night: () => page.setNightMode(logic()._skycalc_is_night() !== 1) };
    const checks = { precise: () => logic()._skycalc_is_precise() === 1, night: () => logic()._skycalc_is_night() === 1 };
    let items = [];
    // Built from the logic's entries once it has loaded.
    function build() {
      items = JSON.parse(logic().UTF8ToString(logic()._skycalc_menu())).map((entry) => entry &&
        { label: entry.label, key: entry.accessKey, suffix: entry.suffix, run: actions[entry.key], check: checks[entry.key] });
      element.replaceChildren();
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
    }
    document.body.append(element);
    function hide() { element.hidden = true; }
    return {
      show(x, y) {
        if (!page.live()) return;  // the rest of the logic (the menu's among it) is on its way
        if (!items.length) build();
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

  function showHelp() {
    messageBox.showInfo(logic().UTF8ToString(logic()._skycalc_help()));
  }

  Object.assign(page, { menu, showHelp, chartOf, showPlaces });
})(window.SkyCalcPage = window.SkyCalcPage || {});
