// The page's boxes opened from the menu (出没時刻, 暦, 天象, 日食・月食, 星図,
// the version and the help) and the menu itself: each fills a box with the
// logic's texts and figures and draws the logic's drawings.
'use strict';

(function (page) {
  const { BASE, place, sizeForm, make, pickList, modalBox, messageBox, formBox, plainBox, unitLabel,
    drawMoon, drawEclipse, drawDisplayList } = page;
  const logic = () => page.logic();
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
    const lines = logic().UTF8ToString(logic()._skycalc_day_events()).split('\n');
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

  // The 暦 box: the stored month's grid (the logic's texts), its events and notes; 前月 and 翌月 step.
  const WEEKDAYS = ['日', '月', '火', '水', '木', '金', '土'];
  function showAlmanac() {
    const first = logic().UTF8ToString(logic()._skycalc_almanac(0, 0));
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
        const json = logic().UTF8ToString(logic()._skycalc_almanac(Math.floor(index / 12), index % 12 + 1));
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
  // selected one's contacts and a drawing at its maximum (the logic's figures).
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

  // --- The right-click menu -------------------------------------------------
  const menu = (function () {
    const element = make('div', 'menu');
    element.setAttribute('role', 'menu');
    element.hidden = true;
    // The logic's entries (the window's), each run by the box or switch of its key.
    const actions = { riseSet: showRiseSet, almanac: showAlmanac, phenomena: showPhenomena, eclipses: showEclipses,
      chart: showChart, about: showAbout, precise: () => page.setPreciseModel(logic()._skycalc_is_precise() !== 1),
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
    messageBox.showInfo(HELP_TEXT + '\n\n' + logic().UTF8ToString(logic()._skycalc_azimuth_help()));
  }

  Object.assign(page, { menu, showHelp, chartOf });
})(window.SkyCalcPage = window.SkyCalcPage || {});
