// Browser tests of the web page (run by CTest after scripts/web.sh):
//   node web_test.js sequences|settings|input|boxes|fit|robustness|chart|windowPage --dist DIR --replay REPLAY [--window BOX_TEXTS]
// sequences: 1,000 random sequences keyed on the page and replayed on the
// headless calculator; every text, check and message must agree.
'use strict';
const assert = require('assert');
const { execFileSync } = require('child_process');
const fs = require('fs');
const os = require('os');
const path = require('path');
const zlib = require('zlib');
const { serve, launch } = require('./browser');

const [what] = process.argv.slice(2);
const option = (name) => process.argv[process.argv.indexOf(name) + 1];
const DIST = option('--dist');
const REPLAY = option('--replay');
const CLI = option('--cli');
const DATA = option('--data-dir');
const WINDOW = option('--window');
const ID = { SET: 1024, C: 1025, AC: 1055, POINT: 1011, SIGN: 1010, PLANETLIST: 1047, STARLIST: 1048, PLANET: 1051 };
const DIGITS = [1009, 1000, 1001, 1002, 1003, 1004, 1005, 1006, 1007, 1008];
const RADIOS = [1032, 1033, 1030, 1031, 1051, 1053, 1054];
const LISTS = [[ID.PLANETLIST, 10], [ID.STARLIST, 21], [1049, 88]];
// Field button, lowest and highest value keyed (a little beyond its range), decimals.
const FIELDS = [[1018, 900, 3100, 0], [1018, -100500, 100500, 0], [1019, 0, 13, 0], [1020, 0, 32, 0], [1015, 0, 24, 0],
  [1016, 0, 60, 0], [1012, -181, 181, 2], [1013, -91, 91, 2], [1014, -1, 361, 2], [1021, -24, 24, 0], [1022, 0, 60, 0]];

// The clock the native replay uses (tests/support), as the page's local time.
function fixClock() {
  const Real = Date;
  const fixed = new Real(2026, 11, 7, 21, 30).getTime();
  window.Date = class extends Real {
    constructor(...a) { super(...(a.length ? a : [fixed])); }
    static now() { return fixed; }
  };
}

async function openPage(browser, url, options = {}) {
  const page = await browser.newPage();
  page.errors = [];
  page.on('pageerror', (error) => page.errors.push(error.message));
  if (options.clock !== false) await page.evaluateOnNewDocument(fixClock);
  await page.goto(url);
  await page.waitForFunction(() => document.documentElement.dataset.state, { timeout: 20000 });
  if (await page.evaluate(() => document.documentElement.dataset.state) === 'ready') await ready(page);
  return page;
}

// The first readout shown and the tables loaded after it (what 暦, 天象, 日食・月食 and 星図 wait for).
async function ready(page) {
  await page.waitForFunction(() => document.documentElement.dataset.state === 'ready' && document.documentElement.dataset.tables === 'ready',
    { timeout: 20000 });
}

function random(seed) {  // mulberry32
  return () => {
    seed = (seed + 0x6d2b79f5) | 0;
    let t = Math.imul(seed ^ (seed >>> 15), 1 | seed);
    t = (t + Math.imul(t ^ (t >>> 7), 61 | t)) ^ t;
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
}

// count random sequences of actions, each action followed by a snapshot.
function sequences(count, seed) {
  const r = random(seed);
  const pick = (list) => list[Math.floor(r() * list.length)];
  const actions = [];
  let precise = false;
  for (let s = 0; s < count; ++s) {
    for (let n = 2 + Math.floor(r() * 5); n > 0; --n) {
      const kind = r();
      if (kind < 0.4) {  // a field keyed and SET, now and then with a stray key
        const [button, low, high, decimals] = pick(FIELDS);
        const value = (low + r() * (high - low)).toFixed(r() < 0.5 ? decimals : 0);
        actions.push(['press', button]);
        for (const c of value.replace('-', '')) actions.push(['press', c === '.' ? ID.POINT : DIGITS[c]]);
        if (value.startsWith('-')) actions.push(['press', ID.SIGN]);
        if (r() < 0.1) actions.push(['press', pick([ID.POINT, ID.SIGN, ID.C, DIGITS[0]])]);
        actions.push(['press', ID.SET]);
      } else {
        const [list, size] = pick(LISTS);
        actions.push(kind < 0.65 ? ['pick', list, Math.floor(r() * size)] : kind < 0.85 ? ['press', pick(RADIOS)]
          : kind < 0.9 ? ['press', ID.AC] : kind < 0.95 ? ['precise', (precise = !precise) ? 1 : 0]
            : ['type', list, pick(['火星', 'シリウス', 'abc', '12', ''])]);
      }
      actions.push(['snap']);
    }
  }
  return actions;
}

// Runs actions on the page through its controls; returns the snapshots.
function runOnPage(actions) {
  const names = Object.fromEntries(Object.entries(SKYCALC_IDS).map(([name, id]) => [id, name]));
  const control = (id) => document.querySelector(`[data-name="${names[id]}"]`);
  const snaps = [];
  const messages = (window.messagesSinceSnap ??= []);  // kept from one batch of actions to the next
  for (const [verb, id, arg] of actions) {
    const element = control(id);
    if (verb === 'press') (element.input || element).click();
    if (verb === 'pick' && window.skycalcNativeLists) {  // the phone's native select
      element.select.dispatchEvent(new Event('focus'));
      element.select.selectedIndex = arg;
      element.select.dispatchEvent(new Event('change'));
    } else if (verb === 'pick') { element.querySelector('.combo-arrow').click(); element.querySelectorAll('.combo-entry')[arg].click(); }
    if (verb === 'type') Object.assign(element.input, { value: arg }).dispatchEvent(new Event('input'));
    if (verb === 'precise') {
      if (window.skycalcNativeLists) document.getElementById('menu-button').click();
      else document.getElementById('window').dispatchEvent(new MouseEvent('contextmenu', { bubbles: true, clientX: 20, clientY: 20 }));
      [...document.querySelectorAll('.menu-item')].find((item) => item.textContent.includes('高精度計算')).click();
    }
    for (let box; (box = document.querySelector('dialog.message[open]'));) {
      messages.push(box.querySelector('.message-text').textContent);
      box.querySelector('.message-ok').click();
    }
    if (verb === 'snap') {
      const texts = [1044, 1045, 1046, 1026, 1034, 1035, 1036, 1037, 1038, 1039, 1040, 1041, 1042, 1043].map((i) => control(i).textContent);
      const lists = [1047, 1048, 1049].map((i) => control(i).input.value);
      const radios = [1032, 1033, 1030, 1031, 1051, 1053, 1054].map((i) => (control(i).input.checked ? '1' : '0'));
      snaps.push([...texts, ...lists, ...radios, ...messages].map((t) => t + '|').join(''));
      messages.length = 0;
    }
  }
  return snaps;
}

function replay(actions) {
  const input = actions.map((a) => a.join(' ') + '\n').join('');
  return execFileSync(REPLAY, { input, encoding: 'utf8', maxBuffer: 1 << 28 }).split('\n').slice(0, -1);
}

async function compare(page, actions) {
  const expected = replay(actions);
  const got = [];
  for (let i = 0; i < actions.length; i += 2000) got.push(...await page.evaluate(runOnPage, actions.slice(i, i + 2000)));
  const wrong = got.map((line, i) => [i, line]).filter(([i, line]) => line !== expected[i]);
  assert.deepStrictEqual(wrong.slice(0, 3), [], `${wrong.length} of ${got.length} snapshots differ; first native: ` +
    (wrong.length ? expected[wrong[0][0]] : ''));
  return got;
}

const TESTS = {
  async sequences(browser, url) {
    const page = await openPage(browser, url), actions = sequences(1000, 20261207);
    const snaps = await compare(page, actions);
    const messages = snaps.filter((line) => line.split('|').length > 25).length;
    console.log(`${actions.length} actions, ${snaps.length} snapshots identical (${messages} with messages)`);
    assert(messages > 50, 'the sequences reach the messages');
    assert.deepStrictEqual(page.errors, []);
  },

  // Saved only when the page is closed, read back at the next start (hand values in "%5.2f" and "%d").
  async settings(browser, url) {
    let page = await openPage(browser, url);
    const keyed = [[1012, '135.5'], [1013, '-33.25'], [1014, '180'], [1021, '-5'], [1022, '30']].flatMap(([button, value]) => [
      ['press', button], ...[...value.replace('-', '')].map((c) => ['press', c === '.' ? ID.POINT : DIGITS[c]]),
      ...(value.startsWith('-') ? [['press', ID.SIGN]] : []), ['press', ID.SET]]);
    await page.evaluate(runOnPage, [...keyed, ['precise', 1]]);
    assert.strictEqual(await page.evaluate(() => localStorage.length), 0, 'nothing written before the page is closed');
    await page.reload();
    await ready(page);
    const stored = await page.evaluate(() => Object.fromEntries(Object.entries(localStorage)));
    assert.deepStrictEqual(stored, { Longitude: '135.50', Latitude: '-33.25', Azimuth: '180.00', SDHour: '-5', SDMinute: '30', Precise: '1' });
    const shown = await page.evaluate(() => ['IDC_LONGITUDE', 'IDC_LATITUDE', 'IDC_AZIMUTH', 'IDC_ZONEHOUR', 'IDC_ZONEMINUTE']
      .map((name) => document.querySelector(`[data-name=${name}]`).textContent).concat(document.title));
    assert.deepStrictEqual(shown, ['135.50°', '-33.25°', '180.00°', '-5', '30', '星空ポケット「ほしよみ君」 (高精度)']);
    // A browser that refuses the writes (storage full): the window's message, with where the settings go.
    // Only what changed is written, so something changes first.
    await page.evaluate(runOnPage, [['precise', 0]]);
    const refused = await page.evaluate(() => {
      Storage.prototype.setItem = () => { throw new DOMException('full', 'QuotaExceededError'); };
      window.dispatchEvent(new Event('pagehide'));
      const box = document.querySelector('dialog.message[open]');
      return box && box.querySelector('.message-text').textContent;
    });
    assert.strictEqual(refused, `設定を保存できませんでした。\nlocalStorage (${new URL(url).origin})`);
  },

  // Real mouse and keyboard: keys, list typing and picking, copy, menu, boxes.
  async input(browser, url) {
    const page = await openPage(browser, url);
    const text = (name) => page.$eval(`[data-name=${name}]`, (e) => e.textContent);
    await page.click('[data-name=IDC_FIELD_YEAR]');
    assert(await page.$eval('[data-name=IDC_FIELD_YEAR]', (e) => e.classList.contains('white')), '年 white while the target');
    await page.keyboard.type('1999-');
    assert.strictEqual(await text('IDC_ENTRY'), '-1999');
    await page.keyboard.type('-');
    await page.click('[data-name=IDC_SET]');
    assert.strictEqual(await text('IDC_YEAR'), '1999');
    await page.click('[data-name=IDC_FIELD_MONTH]');
    assert(!await page.$eval('[data-name=IDC_FIELD_YEAR]', (e) => e.classList.contains('white')));
    // Typed names select nothing, leaving the field neither; Enter picks the entry of that very name.
    const sun = await text('IDC_RAAZM');
    await page.click('[data-name=IDC_PLANETLIST] input');
    await page.$eval('[data-name=IDC_PLANETLIST] input', (input) => input.select());
    await page.keyboard.sendCharacter('火星');
    await page.click('[data-name=IDC_PLANET] input');
    assert.strictEqual(await text('IDC_RAAZM'), sun);
    await page.click('[data-name=IDC_PLANETLIST] input');
    await page.keyboard.press('Enter');
    const expected = replay([['press', 1018], ['press', 1000], ['press', 1008], ['press', 1008], ['press', 1008], ['press', ID.SET],
      ['press', 1019], ['pick', ID.PLANETLIST, 3], ['snap'], ['pick', ID.STARLIST, 5], ['snap'], ['events'], ['moment'],
      ['press', ID.PLANET], ['moment']]);
    assert.strictEqual(await text('IDC_RAAZM'), expected[0].split('|')[1]);
    await page.click('[data-name=IDC_STARLIST] .combo-arrow');
    await page.click('[data-name=IDC_STARLIST] .combo-entry[data-index="5"]');
    assert.strictEqual(await text('IDC_RAAZM'), expected[1].split('|')[1]);
    const copied = await page.evaluate(() => {
      const event = new ClipboardEvent('copy', { bubbles: true, cancelable: true, clipboardData: new DataTransfer() });
      document.body.dispatchEvent(event);
      return event.clipboardData.getData('text/plain');
    });
    assert.strictEqual(copied, expected[1].split('|').slice(0, 3).join('\t'));
    // The right-click menu: 出没時刻 of the star on the stored date, then the version box.
    await page.click('[data-name=IDC_TIME]', { button: 'right' });
    await page.click('.menu-item:first-child');
    const box = await page.$eval('dialog.rise-set[open]', (d) => [d.querySelector('[data-name=IDC_EVENTS_BODY]').textContent,
      getComputedStyle(d.querySelector('[data-name=IDC_EVENTS_CIVIL_DAWN]')).display === 'none', ...['RISE', 'TRANSIT', 'SET']
        .map((e) => d.querySelector(`[data-name=IDC_EVENTS_${e}_TIME]`).textContent + '|')]);
    assert.match(box[0], /^.+　1999年12月7日$/);
    assert.strictEqual(box[1], true, 'twilights only for the Sun');
    assert.strictEqual(box.slice(2).join(''), expected[2]);
    // The convention line and この時刻, moved up into the twilights' place, as the logic gives them.
    const moment = () => page.$eval('dialog.rise-set[open]', (d) => [...d.querySelectorAll('[data-name^=IDC_MOMENT], [data-name=IDC_EVENTS_CONVENTION]')]
      .filter((e) => !e.dataset.name.endsWith('_CAPTION') || e.dataset.name === 'IDC_MOMENT_CAPTION')
      .map((e) => [e.dataset.name, e.textContent, e.getBoundingClientRect().bottom <= d.getBoundingClientRect().bottom]));
    const starMoment = await moment();
    assert.deepStrictEqual(starMoment.map(([, t]) => t + '|').join(''), expected[3]);
    assert(starMoment.every(([, , inside]) => inside), 'この時刻 inside the box');
    await page.click('dialog.rise-set [data-name=IDOK]');
    await page.click('[data-name=IDC_PLANET] input');
    await page.click('[data-name=IDC_TIME]', { button: 'right' });
    await page.click('.menu-item:first-child');
    assert.deepStrictEqual((await moment()).map(([, t]) => t + '|').join(''), expected[4]);
    await page.click('dialog.rise-set [data-name=IDOK]');
    await page.click('[data-name=IDC_TIME]', { button: 'right' });
    await page.keyboard.press('a');
    assert.match(await page.$eval('dialog.about[open]', (d) => d.textContent), /ver1\.2/);
    await page.keyboard.press('Escape');
    await page.keyboard.press('F1');
    assert.match(await page.$eval('dialog.message[open]', (d) => d.textContent), /使い方/);
    assert.deepStrictEqual(page.errors, []);
  },

  // 暦 and 日食・月食 from the menu, their texts against skycalc-cli's
  // --calendar and --eclipses for the same fields; outside the years, the message.
  async boxes(browser, url) {
    const page = await openPage(browser, url);
    const key = (button, value) => [['press', button], ...[...value.replace('-', '')].map((c) => ['press', c === '.' ? ID.POINT : DIGITS[c]]),
      ...(value.startsWith('-') ? [['press', ID.SIGN]] : []), ['press', ID.SET]];
    const fields = { year: ['2033', 1018], month: ['11', 1019], longitude: ['-70.25', 1012], latitude: ['-33.5', 1013],
      'zone-hour': ['-4', 1021], 'zone-minute': ['0', 1022], azimuth: ['180', 1014] };
    await page.evaluate(runOnPage, Object.values(fields).flatMap(([value, button]) => key(button, value)));
    // The fields each mode uses (the tool refuses the others).
    const cli = (names, ...args) => execFileSync(CLI, [...names.flatMap((name) => [`--${name}`, fields[name][0]]), ...args, '--data-dir', DATA],
      { encoding: 'utf8', env: { ...process.env, HOME: '/nonexistent' }, stdio: ['ignore', 'pipe', 'inherit'] }).split('\n').slice(0, -1);
    const openFromMenu = async (label) => {
      await page.click('[data-name=IDC_TIME]', { button: 'right' });
      const labels = await page.$$eval('.menu > *', (items) => items.map((item) => item.textContent));
      assert.deepStrictEqual(labels, ['出没時刻(R)...', '暦(K)...', '天象(T)...', '日食・月食(E)...', '星図(M)...', '', '地点(L)...', '高精度計算(P)', '夜間表示(N)', '',
        '「ほしよみ君」 のﾊﾞｰｼﾞｮﾝ情報(A)...']);
      await page.evaluate((l) => [...document.querySelectorAll('.menu-item')].find((i) => i.textContent.startsWith(l)).click(), label);
    };
    // 暦: every day's cell and the events, month by month with 翌月 (2033-11 to 2034-01, the uncertain leap month).
    await openFromMenu('暦');
    const days = cli(['year', 'month', 'zone-hour', 'zone-minute'], '--calendar', '--count', '3');
    for (let m = 0; m < 3; ++m) {
      const shown = await page.$eval('dialog.almanac[open]', (d) => ({
        title: d.querySelector('[data-name=IDC_ALMANAC_MONTH]').textContent,
        cells: [...d.querySelectorAll('.almanac-cell[data-day]')].map((c) => [c.querySelector('.almanac-day').textContent,
          c.querySelector('.almanac-age').textContent, c.querySelector('.almanac-lunar').textContent,
          c.querySelector('.almanac-rokuyo').textContent, c.querySelector('.almanac-events').textContent,
          c.querySelector('.almanac-holiday')?.textContent ?? '', c.querySelector('.almanac-holiday') !== null]),
        lines: [1, 2, 3].map((c) => d.querySelector(`[data-name=IDC_ALMANAC_EVENTS${c}]`).textContent).filter((t) => t).join('\n'),
        note: d.querySelector('[data-name=IDC_ALMANAC_NOTE]').textContent }));
      const [year, month] = [2033 + Math.floor((10 + m) / 12), (10 + m) % 12 + 1];
      assert.strictEqual(shown.title, `${year}年${month}月　標準時 -4時0分`);
      const expected = days.filter((line) => line.startsWith(`${year}-${String(month).padStart(2, '0')}-`)).map((line) => line.split('\t'));
      // A cell's own events come first; the day's 天象 follow them (checked with the 天象 box below).
      const ownEvents = expected.map(([, , , , , events]) => events.split(', ').filter((e) => e).map((e) => e.split(' ')[0]).join(' '));
      shown.cells.forEach((cell, i) => {
        assert(cell[4].startsWith(ownEvents[i]), `${cell[4]} after ${ownEvents[i]}`);
        cell[4] = ownEvents[i];
      });
      assert.deepStrictEqual(shown.cells, expected.map(([date, age, , lunar, rokuyo, events, holiday = '']) => [String(Number(date.slice(8))), age,
        lunar.replace(/月/, '/').replace(/日$/, ''), rokuyo, events.split(', ').filter((e) => e).map((e) => e.split(' ')[0]).join(' '),
        holiday, holiday !== '']));
      assert.strictEqual(shown.lines, expected.flatMap(([date, , , , , events]) =>
        events.split(', ').filter((e) => e).map((e) => `${Number(date.slice(8))}日 ${e}`)).join('\n'));
      assert.strictEqual(shown.note, days.filter((l) => l.startsWith('※')).map((l) => l.slice(1)).slice(0, shown.note.includes('\n') ? 2 : 1).join('\n'));
      if (m < 2) await page.click('dialog.almanac [data-name=IDC_ALMANAC_NEXT]');
    }
    assert.match(await page.$eval('dialog.almanac [data-name=IDC_ALMANAC_NOTE]', (e) => e.textContent), /閏十一月/);
    await page.click('dialog.almanac [data-name=IDOK]');
    // 天象: the rows of the year against --phenomena, the groups unticked and ticked, 前年.
    await openFromMenu('天象');
    const phenomenaRows = () => page.$eval('dialog.phenomena[open]', (d) => [...d.querySelectorAll('tr')].slice(1)
      .map((r) => [...r.querySelectorAll('td')].map((c) => c.textContent)));
    const phenomena = (...kind) => cli(['year', 'zone-hour', 'zone-minute'], '--phenomena', ...kind).map((line) => line.split('\t'));
    const order = ([date, time, name, body, figure, detail, meaning]) => [date, time, body, name, figure, detail, meaning];
    assert.strictEqual(await page.$eval('dialog.phenomena [data-name=IDC_PHENOMENA_TITLE]', (e) => e.textContent), '2033年の天象　標準時 -4時0分');
    assert.deepStrictEqual(await phenomenaRows(), phenomena().map(order));
    await page.click('dialog.phenomena [data-name=IDC_PHENOMENA_MOON] input');
    assert.deepStrictEqual(await phenomenaRows(), phenomena('--kind', 'planet,meteor').map(order));
    await page.click('dialog.phenomena [data-name=IDC_PHENOMENA_PLANET] input');
    assert.deepStrictEqual(await phenomenaRows(), phenomena('--kind', 'meteor').map(order));
    await page.click('dialog.phenomena [data-name=IDC_PHENOMENA_PREVIOUS]');
    assert.strictEqual(await page.$eval('dialog.phenomena [data-name=IDC_PHENOMENA_TITLE]', (e) => e.textContent), '2032年の天象　標準時 -4時0分');
    assert((await phenomenaRows()).every(([date], i, all) => date.startsWith('2032-') && all.length >= 8), 'the meteor maxima of 2032');
    await page.click('dialog.phenomena [data-name=IDOK]');
    // 日食・月食: the list and each eclipse's contact lines.
    await openFromMenu('日食・月食');
    const eclipses = cli(['year', 'longitude', 'latitude', 'zone-hour', 'zone-minute', 'azimuth'], '--eclipses').map((line) => line.split('\t').slice(0, -1));  // less the azimuth words
    const shown = await page.$eval('dialog.eclipse[open]', (d) => [d.querySelector('[data-name=IDC_ECLIPSE_TITLE]').textContent,
      ...[...d.querySelectorAll('.eclipse-entry')].map((row) => { row.click(); return [row.textContent,
        d.querySelector('[data-name=IDC_ECLIPSE_DETAIL]').textContent]; })]);
    assert.strictEqual(shown[0], '2033年の日食・月食　方位は北から東回り');
    assert.strictEqual(shown.length - 1, eclipses.length);
    eclipses.forEach(([date, title, , seen, ...contacts], i) => {
      assert(shown[i + 1][0].startsWith(`${date}　${title}　`) && shown[i + 1][0].endsWith(`　${seen}`), shown[i + 1][0]);
      const lines = shown[i + 1][1].split('\n').filter((l) => l).slice(contacts.length ? 1 : 0);
      assert.deepStrictEqual(contacts.length ? lines : [], contacts.map((c) => c.replace(/^(\S+) (\S+) \((高度|食分|半影食分) (\S+) 方位 (\S+?)( 地平線下)?\)$/,
        (all, name, time, label, value, az, below) => `${name}　${time}　${label} ${value}　方位 ${az}${below ? '　地平線下' : ''}`)));
    });
    assert(shown.slice(1).some(([, detail]) => /地平線下/.test(detail)) && eclipses.length >= 2, 'a full year with an eclipse below the horizon');
    await page.click('dialog.eclipse [data-name=IDOK]');
    // 星図: the logic's chart of the stored date drawn; a click on a constellation name picks it in its list.
    await openFromMenu('星図');
    const chart = await page.$eval('dialog.chart[open] canvas', (c) => {
      const rect = c.getBoundingClientRect(), list = c.skycalcChart.list;
      const o = list.objects.find((x) => x.kind === 'constellation');
      const centre = c.getContext('2d').getImageData(c.width / 2, c.height / 2, 1, 1).data;
      return { title: c.skycalcChart.title, name: o.name, x: rect.left + o.x * rect.width / list.width,
        y: rect.top + o.y * rect.height / list.height, sky: [...centre] };
    });
    assert.match(chart.title, /^2033年11月/);
    assert.strictEqual(chart.sky[3], 255, 'the chart is drawn');
    await page.mouse.click(chart.x, chart.y);
    assert.strictEqual(await page.$eval('[data-name=IDC_CONSTLIST] input', (e) => e.value), chart.name);
    await page.click('dialog.chart .chart-close');
    // Outside the years: the message, and no box.
    await page.evaluate(runOnPage, key(1018, '3000'));
    for (const [label, message] of [['暦', '暦は1000年～2999年にだけ計算できます。'], ['日食・月食', '日食・月食は1000年～2999年にだけ計算できます。']]) {
      await openFromMenu(label);
      assert.strictEqual(await page.$eval('dialog.message[open] .message-text', (e) => e.textContent), message);
      await page.click('dialog.message .message-ok');
      assert.strictEqual(await page.$('dialog.almanac, dialog.eclipse'), null);
    }
    assert.deepStrictEqual(page.errors, []);
  },

  // The window's boxes (skycalc-box-texts reads its widgets) and the page's,
  // from the same view-models: the 暦 box for 2023-03 (閏2月), 2033-11 and
  // 2033-12 (the uncertain 閏11月) stepped by 翌月, every text, state and
  // colour class exactly and each Moon icon as its display list; the version box.
  async windowPage(browser, url) {
    const page = await openPage(browser, url);
    const key = (button, value) => [['press', button], ...[...value].map((c) => ['press', DIGITS[c]]), ['press', ID.SET]];
    const openFromMenu = async (label) => {
      await page.click('[data-name=IDC_TIME]', { button: 'right' });
      await page.evaluate((l) => [...document.querySelectorAll('.menu-item')].find((i) => i.textContent.startsWith(l)).click(), label);
    };
    const windowBoxes = (...args) => execFileSync(WINDOW, args, { encoding: 'utf8', stdio: ['ignore', 'pipe', 'ignore'] })
      .split('\n').filter((l) => l).map((l) => JSON.parse(l));
    const months = [];
    for (const [year, month, count] of [['2023', '3', 1], ['2033', '11', 2]]) {
      await page.evaluate(runOnPage, [[1018, year], [1019, month], [1021, '9'], [1022, '0']].flatMap(([b, v]) => key(b, v)));
      const window = windowBoxes('almanac', year, month, '9', '0', String(count));
      months.push(...window);
      await openFromMenu('暦');
      for (const [m, expected] of window.entries()) {
        const shown = await page.$eval('dialog.almanac[open]', (d) => {
          const text = (name) => d.querySelector(`[data-name=${name}]`).textContent;
          const colours = { 'rgb(192, 0, 0)': 'sunday', 'rgb(0, 64, 192)': 'saturday' };
          return {
            title: text('IDC_ALMANAC_MONTH'),
            previous: !d.querySelector('[data-name=IDC_ALMANAC_PREVIOUS]').disabled,
            next: !d.querySelector('[data-name=IDC_ALMANAC_NEXT]').disabled,
            heads: [...d.querySelectorAll('.almanac-head')].map((h) => h.textContent),
            cells: [...d.querySelectorAll('.almanac-cell[data-day]')].map((c) => {
              const part = (name) => c.querySelector(name)?.textContent ?? '';
              const texts = [part('.almanac-day'), part('.almanac-age'), part('.almanac-lunar'), part('.almanac-rokuyo'),
                ...part('.almanac-events').split(' ').filter((e) => e), ...(part('.almanac-holiday') ? [part('.almanac-holiday')] : [])];
              return { day: Number(c.dataset.day), texts, colour: colours[getComputedStyle(c.querySelector('.almanac-day')).color] ?? 'plain',
                moon: c.querySelector('canvas').skycalcList };
            }),
            events: [1, 2, 3].map((c) => text(`IDC_ALMANAC_EVENTS${c}`)),
            note: text('IDC_ALMANAC_NOTE'),
          };
        });
        assert.deepStrictEqual(shown, expected, `${year}-${month} + ${m}`);
        if (m + 1 < window.length) await page.click('dialog.almanac [data-name=IDC_ALMANAC_NEXT]');
      }
      await page.click('dialog.almanac [data-name=IDOK]');
    }
    assert.strictEqual(months[0].cells[21].texts[2], '旧閏2/1');
    assert.match(months[2].note, /閏十一月/);
    await openFromMenu('「ほしよみ君」');
    const about = await page.$eval('dialog.about[open]', (d) => ({ caption: d.querySelector('.caption-text').textContent,
      title: d.querySelector('[data-name=IDC_ABOUT_TITLE]').textContent,
      lines: [1, 2, 3, 4].map((i) => d.querySelector(`[data-name=IDC_ABOUT_LINE${i}]`).textContent) }));
    assert.deepStrictEqual(about, windowBoxes('about')[0]);
    assert.deepStrictEqual(page.errors, []);
  },

  // At desktop size no text runs out of its box, in the main form and in each
  // box: the 出没時刻 box of the Sun, the Moon and the longest star name, every month of the
  // 暦 box, the 天象 box, every eclipse of the 日食・月食 box (a year with contacts below the
  // horizon) and the version box. A text field scrolls and is left out.
  async fit(browser, url) {
    const page = await openPage(browser, url);
    await page.setViewport({ width: 1280, height: 960 });
    const overflowing = (root) => page.$eval(root, (r) => [...r.querySelectorAll('*')]
      .filter((e) => e.offsetParent !== null && !(e instanceof HTMLInputElement) && !(e instanceof HTMLCanvasElement) &&
        (e.scrollWidth > e.clientWidth || e.scrollHeight > e.clientHeight))
      .map((e) => `${e.dataset.name || e.className} "${e.textContent}" ${e.scrollWidth}x${e.scrollHeight} in ${e.clientWidth}x${e.clientHeight}`));
    const openFromMenu = async (label) => {
      await page.click('[data-name=IDC_TIME]', { button: 'right' });
      await page.evaluate((l) => [...document.querySelectorAll('.menu-item')].find((i) => i.textContent.startsWith(l)).click(), label);
    };
    const misfits = [...await overflowing('.window')];
    for (const [scene, actions] of [['the Sun', []], ['the Moon', [['pick', ID.PLANETLIST, 9]]], ['the longest star name', [['press', 1053], ['pick', ID.STARLIST, 13]]]]) {
      await page.evaluate(runOnPage, actions);
      await openFromMenu('出没時刻');
      misfits.push(...(await overflowing('dialog.rise-set[open]')).map((m) => `出没時刻, ${scene}: ${m}`));
      await page.click('dialog.rise-set [data-name=IDOK]');
    }
    await openFromMenu('暦');
    for (let month = 1; month <= 12; ++month) {
      misfits.push(...(await overflowing('dialog.almanac[open]')).map((m) => `暦, month ${month}: ${m}`));
      await page.click('dialog.almanac [data-name=IDC_ALMANAC_NEXT]');
    }
    await page.click('dialog.almanac [data-name=IDOK]');
    // 天象: every text whole (the list itself scrolls).
    await openFromMenu('天象');
    misfits.push(...(await overflowing('dialog.phenomena[open]')).filter((m) => !m.startsWith('IDC_PHENOMENA_TABLE ')).map((m) => `天象: ${m}`));
    await page.click('dialog.phenomena [data-name=IDOK]');
    await openFromMenu('日食・月食');  // 2026 from 140 E: the partial lunar eclipse of 08-28 below the horizon
    for (let row = 0; row < await page.$$eval('.eclipse-entry', (rows) => rows.length); ++row) {
      await page.$$eval('.eclipse-entry', (rows, i) => rows[i].click(), row);
      misfits.push(...(await overflowing('dialog.eclipse[open]')).map((m) => `日食・月食, entry ${row}: ${m}`));
    }
    assert.match(await page.$eval('dialog.eclipse [data-name=IDC_ECLIPSE_DETAIL]', (e) => e.textContent), /地平線下/);
    await page.click('dialog.eclipse [data-name=IDOK]');
    await openFromMenu('「ほしよみ君」');
    misfits.push(...await overflowing('dialog.about[open]'));
    assert.deepStrictEqual(misfits, []);
    assert.deepStrictEqual(page.errors, []);
  },

  // 星図: a drag by mouse or finger carries the sky under the pointer round the
  // centre (a quarter turn leaves the object dragged under the pointer), a tap
  // picks; and the page's canvas draws the same display list as the SVG
  // (rasterised by rsvg-convert) for a day, a twilight with the Moon and a
  // moonless night. Mean of the largest channel difference (of 255): the shapes
  // alone 0.5-0.9 (antialiasing), one pixel to the side 3.2-5.3, red and blue
  // swapped 18-73; with the texts (two font engines' glyphs) 2-3.6.
  async chart(browser, url) {
    const page = await openPage(browser, url);
    await page.setViewport({ width: 1280, height: 960, hasTouch: true });  // reloads the page
    await ready(page);
    const scenes = [['day', '10', '12', '0'], ['twilight and Moon', '10', '17', '15'], ['moonless night', '29', '22', '0']];
    const figures = [];
    for (const [name, day, hour, minute] of scenes) {
      const keyed = [[1018, '2025'], [1019, '1'], [1020, day], [1015, hour], [1016, minute], [1012, '139.7'], [1013, '35.7'], [1021, '9'], [1022, '0']];
      await page.evaluate(runOnPage, [...keyed.flatMap(([button, value]) => [['press', button], ...[...value].map((c) => ['press', c === '.' ? ID.POINT : DIGITS[c]]),
        ['press', ID.SET]]), ['pick', ID.PLANETLIST, 9]]);
      const svg = path.join(os.tmpdir(), `skycalc-chart-${process.pid}.svg`);
      execFileSync(CLI, ['--year', '2025', '--month', '1', '--day', day, '--hour', hour, '--minute', minute, '--longitude', '139.7', '--latitude', '35.7',
        '--zone-hour', '9', '--zone-minute', '0', '--planet', 'moon', '--width', '400', '--chart', svg, '--data-dir', DATA]);
      // The picture, and its shapes alone (the glyphs of two font engines differ).
      const text = fs.readFileSync(svg, 'utf8');
      fs.writeFileSync(svg, text.replace(/<text [^]*?<\/text>\n/g, ''));
      const pngs = [execFileSync('rsvg-convert', [svg]), execFileSync('rsvg-convert', [], { input: text })].map((p) => p.toString('base64'));
      fs.rmSync(svg);
      figures.push([name, ...await page.evaluate(async (pngs) => {
        const canvas = () => Object.assign(document.createElement('canvas'), { width: 400, height: 400 });
        const pixels = (c) => c.getContext('2d').getImageData(0, 0, 400, 400).data;
        const mean = (a, b, swap = [0, 1, 2]) => {
          let total = 0;
          for (let i = 0; i < a.length; i += 4) total += Math.max(...swap.map((c, k) => Math.abs(a[i + c] - b[i + k])));
          return total / (a.length / 4);
        };
        const list = window.skycalcPage.chart({ offset: 0, facing: 180, ecliptic: true, equator: false }, 400).list;
        const [shapes, whole, shifted, svgShapes, svgWhole] = [canvas(), canvas(), canvas(), canvas(), canvas()];
        window.skycalcPage.drawDisplayList(shapes, { ...list, items: list.items.filter((item) => item.shape !== 'text') });
        window.skycalcPage.drawDisplayList(whole, list);
        shifted.getContext('2d').drawImage(shapes, 1, 0);
        for (const [target, png] of [[svgShapes, pngs[0]], [svgWhole, pngs[1]]]) {
          const image = new Image();
          image.src = 'data:image/png;base64,' + png;
          await image.decode();
          target.getContext('2d').drawImage(image, 0, 0);
        }
        const [s, w, t, vs, vw] = [shapes, whole, shifted, svgShapes, svgWhole].map(pixels);
        return [mean(s, vs), mean(t, vs), mean(s, vs, [2, 1, 0]), mean(w, vw)];
      }, pngs)]);
    }
    console.log(figures.map(([name, ...f]) => `${name}: mean difference of the shapes ${f[0].toFixed(2)} (shifted ${f[1].toFixed(2)}, ` +
      `red and blue swapped ${f[2].toFixed(2)}), with the texts ${f[3].toFixed(2)}`).join('\n'));
    for (const [name, shapes, shifted, swapped, whole] of figures) {
      assert(shapes < 1.5 && whole < 5, `${name}: the canvas and the SVG differ by ${shapes} (${whole} with the texts)`);
      assert(shifted > 1.5 && swapped > 1.5, `${name}: a shifted (${shifted}) or swapped (${swapped}) picture passes`);
    }
    // Drag a constellation name a quarter turn round the centre, with the mouse and with a finger; then tap it.
    await page.click('[data-name=IDC_TIME]', { button: 'right' });
    await page.evaluate(() => [...document.querySelectorAll('.menu-item')].find((i) => i.textContent.startsWith('星図')).click());
    const place = (name) => page.$eval('dialog.chart[open] canvas', (c, name) => {
      const rect = c.getBoundingClientRect(), chart = c.skycalcChart, k = rect.width / chart.list.width;
      const o = chart.list.objects.find((x) => x.kind === 'constellation' && (name ? x.name === name : Math.hypot(x.x - chart.centre[0], x.y - chart.centre[1]) > 150));
      return { name: o.name, x: rect.left + o.x * k, y: rect.top + o.y * k, cx: rect.left + chart.centre[0] * k, cy: rect.top + chart.centre[1] * k };
    }, name);
    for (const [input, down, move, up] of [['mouse', (p) => page.mouse.move(p.x, p.y).then(() => page.mouse.down()), (x, y) => page.mouse.move(x, y), () => page.mouse.up()],
      ['touch', (p) => page.touchscreen.touchStart(p.x, p.y), (x, y) => page.touchscreen.touchMove(x, y), () => page.touchscreen.touchEnd()]]) {
      const start = await place();
      const [dx, dy] = [start.x - start.cx, start.y - start.cy];
      await down(start);
      for (let step = 1; step <= 9; ++step) {
        const a = step * Math.PI / 18;  // clockwise on the screen
        await move(start.cx + dx * Math.cos(a) - dy * Math.sin(a), start.cy + dx * Math.sin(a) + dy * Math.cos(a));
        await page.evaluate(() => new Promise((resolve) => requestAnimationFrame(() => requestAnimationFrame(resolve))));
      }
      await up();
      const end = await place(start.name);
      assert(Math.hypot(end.x - (start.cx - dy), end.y - (start.cy + dx)) < 3, `${input}: ${start.name} not under the pointer: ${JSON.stringify([start, end])}`);
      assert.strictEqual(await page.$eval('dialog.chart .chart-facing', (e) => e.selectedIndex), -1, `${input}: the facing list still names a direction`);
    }
    const target = await place();
    await page.touchscreen.tap(target.x, target.y);
    assert.strictEqual(await page.$eval('[data-name=IDC_CONSTLIST] input', (e) => e.value), target.name, 'a tap picks');
    assert.deepStrictEqual(page.errors, []);
  },

  // The 出没時刻 and 日食・月食 boxes lay out exactly the panel's view-models as the
  // replayed calculator makes them (the window's test holds the window to the same):
  // the Sun and the Moon in both models, 2030 (a partial solar eclipse from Tokyo) and 2022 (a total lunar one).
  async viewModels(browser, url) {
    const page = await openPage(browser, url);
    const keyed = (year) => [[1018, year], [1019, '6'], [1020, '1'], [1015, '12'], [1016, '0'], [1012, '139.74'], [1013, '35.65'],
      [1021, '9'], [1022, '0'], [1014, '0']].flatMap(([b, value]) => [['press', b], ...[...value].map((c) => ['press', c === '.' ? ID.POINT : DIGITS[c]]), ['press', ID.SET]]);
    const open = async (label) => {
      await page.click('[data-name=IDC_TIME]', { button: 'right' });
      await page.evaluate((l) => [...document.querySelectorAll('.menu-item')].find((i) => i.textContent.startsWith(l)).click(), label);
    };
    for (const [precise, body] of [[0, 0], [0, 9], [1, 0], [1, 9]]) {
      const actions = [...keyed('2030'), ['precise', precise], ['pick', ID.PLANETLIST, body]];
      await page.evaluate(runOnPage, actions.filter(([verb]) => verb !== 'precise' || (precise && !body)));  // the page's item toggles
      const model = JSON.parse(replay([...actions, ['risesetbox']])[0]);
      await open('出没時刻');
      assert.deepStrictEqual(await page.$eval('dialog.rise-set[open]', (d, labels) => labels.map(({ name }) => {
        const label = d.querySelector(`[data-name=${name}]`);
        return { name, text: label.textContent, shown: getComputedStyle(label).display !== 'none' };
      }), model.labels), model.labels.map(({ name, text, shown }) => ({ name, text, shown })), `precise ${precise}, body ${body}`);
      await page.click('dialog.rise-set [data-name=IDOK]');
    }
    await page.evaluate(runOnPage, [['precise', 0]]);
    for (const year of ['2030', '2022']) {
      await page.evaluate(runOnPage, keyed(year));
      const { title, site, first, rows } = JSON.parse(replay([...keyed(year), ['eclipsebox']])[0]);
      await open('日食・月食');
      assert.deepStrictEqual(await page.$eval('dialog.eclipse[open]', (d) => ({
        title: d.querySelector('[data-name=IDC_ECLIPSE_TITLE]').textContent, site: d.querySelector('[data-name=IDC_ECLIPSE_SITE]').textContent,
        first: [...d.querySelectorAll('.eclipse-entry')].findIndex((row) => row.classList.contains('selected')),
        rows: [...d.querySelectorAll('.eclipse-entry')].map((row) => (row.click(), { summary: row.textContent,
          details: d.querySelector('[data-name=IDC_ECLIPSE_DETAIL]').textContent, picture: d.querySelector('canvas').skycalcPicture })) })),
      { title, site, first, rows }, year);
      assert(first >= 0 && rows[first].picture.items.length >= 2, `${year}: an eclipse drawn`);
      await page.click('dialog.eclipse [data-name=IDOK]');
    }
    assert.deepStrictEqual(page.errors, []);
  },

  // A broken deployment says so in Japanese; a loaded page works offline.
  async robustness(browser, url, dist) {
    for (const missing of ['skycalc.wasm', 'skycalc.js']) {
      const server = await serve(dist, new Set([missing]));
      const page = await openPage(browser, `http://127.0.0.1:${server.address().port}/`);
      assert.strictEqual(await page.evaluate(() => document.documentElement.dataset.state), 'failed', missing);
      assert.match(await page.$eval('#status', (e) => (e.hidden ? '' : e.textContent)), /読み込めませんでした/);
      server.close();
    }
    const server = await serve(dist);
    const page = await openPage(browser, `http://127.0.0.1:${server.address().port}/`);
    await page.evaluate(() => navigator.serviceWorker.ready);
    await page.reload();  // once more, so that the worker serves the page
    await ready(page);
    server.closeAllConnections();
    await new Promise((resolve) => server.close(resolve));
    await page.reload();
    await page.waitForFunction(() => document.documentElement.dataset.state, { timeout: 20000 });
    assert.strictEqual(await page.evaluate(() => document.documentElement.dataset.state), 'ready', 'offline');
  },


  // 地点: choosing 東京 gives what keying the office's figures with SET gives
  // (the native calculator keyed); 現在地 with a mocked position is keyed to
  // two decimals; a refusal and a timeout say so and change nothing.
  async places(browser, url) {
    const page = await openPage(browser, url);
    const key = (button, value) => [['press', button], ...[...value.replace('-', '')].map((c) => ['press', c === '.' ? ID.POINT : DIGITS[c]]),
      ...(value.startsWith('-') ? [['press', ID.SIGN]] : []), ['press', ID.SET]];
    const start = [...key(1018, '2026'), ...key(1019, '3'), ...key(1020, '20'), ...key(1015, '21'), ...key(1016, '0'),
      ...key(1021, '3'), ['press', 1033], ['pick', ID.STARLIST, 9]];
    await page.evaluate(runOnPage, start);
    const choose = async (search, withZone) => {
      await page.click('[data-name=IDC_TIME]', { button: 'right' });
      await page.evaluate(() => [...document.querySelectorAll('.menu-item')].find((i) => i.textContent.startsWith('地点')).click());
      await page.type('dialog.places[open] .places-search', search);
      await page.$eval('dialog.places[open] .places-zone input', (box, on) => { box.checked = on; }, withZone);
      await page.click('dialog.places[open] [data-name=IDOK]');
    };
    await choose('とうきょう', true);
    const [chosen] = await page.evaluate(runOnPage, [['snap']]);
    const tokyoKeys = [...key(1012, '139.74'), ...key(1013, '35.66'), ...key(1021, '9'), ...key(1022, '0')];
    const keyed = replay([...start, ...tokyoKeys, ['snap']]);
    assert.strictEqual(chosen, keyed[keyed.length - 1], 'choosing 東京 and keying its figures');
    assert.strictEqual(await page.evaluate(() => document.title), '星空ポケット「ほしよみ君」　地点: 東京');
    await page.evaluate(runOnPage, key(1013, '35'));
    assert.strictEqual(await page.evaluate(() => document.title), '星空ポケット「ほしよみ君」', 'a keyed latitude forgets the place');

    // 現在地: the browser's position, mocked; then a refusal and a timeout.
    const geolocate = async (outcome) => {
      await page.evaluate((o) => {
        navigator.geolocation.getCurrentPosition = (success, failure, options) => {
          window.geoOptions = options;
          if (o.position) success({ coords: o.position });
          else failure({ code: o.code, message: '' });
        };
      }, outcome);
      await page.click('[data-name=IDC_TIME]', { button: 'right' });
      await page.evaluate(() => [...document.querySelectorAll('.menu-item')].find((i) => i.textContent.startsWith('地点')).click());
      await page.click('dialog.places[open] [data-name=IDC_PLACES_HERE]');
      const [snap] = await page.evaluate(runOnPage, [['snap']]);
      return snap;
    };
    const here = await geolocate({ position: { longitude: 139.741361, latitude: 35.658099, accuracy: 20 } });
    const hereKeyed = replay([...start, ...tokyoKeys, ...key(1013, '35'), ...key(1012, '139.74'), ...key(1013, '35.66'), ['snap']]);
    assert.strictEqual(here, hereKeyed[hereKeyed.length - 1], 'the position keyed to two decimals, the zone kept');
    assert.ok((await page.evaluate(() => window.geoOptions.timeout)) > 0, 'a timeout is asked for');
    for (const [code, message] of [[1, '現在地の取得が許可されませんでした。経度・緯度は変わっていません。'],
      [3, '現在地を時間内に取得できませんでした。経度・緯度は変わっていません。']]) {
      const snap = await geolocate({ code });
      const fields = snap.split('|');
      assert.strictEqual(fields.slice(0, 24).join('|'), here.split('|').slice(0, 24).join('|'), `nothing changed (${code})`);
      assert.strictEqual(fields[24], message);
    }
    assert.deepStrictEqual(page.errors, []);
  },

  // The first readout needs none of the tables loaded after it: it comes before they are asked for, from under
  // 300 KB of files (brotli, as a static host sends them). 暦, 天象, 日食・月食 and 星図 opened at once wait for them
  // (held back) and then show what they show once loaded; so they do offline after one load.
  async tables(browser, url, dist) {
    const BOXES = [['暦', 'almanac'], ['天象', 'phenomena'], ['日食・月食', 'eclipse'], ['星図', 'chart']];
    const LATER = ['/skycalc-tables.bin', '/ChartStars.txt', '/ChartLines.txt'];
    const fresh = async (holds = {}) => {  // a new profile; holds: file -> the promise its request waits for
      const page = await (await browser.createBrowserContext()).newPage();
      page.errors = [];
      page.on('pageerror', (error) => page.errors.push(error.message));
      await page.evaluateOnNewDocument(fixClock);
      await page.setBypassServiceWorker(Object.keys(holds).length > 0);  // else its own fetches fill the page's
      await page.setRequestInterception(true);
      page.on('request', (r) => Promise.resolve(holds[new URL(r.url()).pathname]).then(() => r.continue()));
      await page.goto(url);
      await page.waitForFunction(() => document.documentElement.dataset.state === 'ready', { timeout: 20000 });
      return page;
    };
    const open = (page, entry) => page.evaluate((e) => {
      document.querySelector('[data-name=IDC_TIME]').dispatchEvent(new MouseEvent('contextmenu', { bubbles: true }));
      [...document.querySelectorAll('.menu-item')].find((i) => i.textContent.startsWith(e)).click();
    }, entry);
    const shown = async (page, [entry, name]) => {
      await open(page, entry);
      const text = await (await page.waitForSelector(`dialog.${name}[open]`)).evaluate((d) => JSON.stringify([d.textContent,
        ...[...d.querySelectorAll('canvas')].map((c) => c.skycalcChart || c.skycalcPicture || c.skycalcList || null)]));
      await page.keyboard.press('Escape');
      await page.waitForFunction(() => !document.querySelector('dialog[open]'));
      return text;
    };
    const reference = await openPage(browser, url), expected = [];
    for (const box of BOXES) expected.push(await shown(reference, box));
    for (const [i, box] of BOXES.entries()) {
      let release;
      const page = await fresh({ [LATER[0]]: new Promise((resolve) => { release = resolve; }) });
      const [tables, files] = await page.evaluate(() => [document.documentElement.dataset.tables || '', ['/index.html', ...performance.getEntriesByType('resource')
        .filter((e) => e.responseEnd <= performance.getEntriesByName('skycalc-ready')[0].startTime).map((e) => new URL(e.name).pathname)]]);
      const bytes = files.reduce((sum, f) => sum + zlib.brotliCompressSync(fs.readFileSync(path.join(dist, f))).length, 0);
      assert(!tables && !files.some((f) => LATER.includes(f)) && files.includes('/skycalc.wasm') && bytes < 300 * 1024, `${bytes} bytes: ${files}`);
      const shownLater = shown(page, box);
      await new Promise((resolve) => setTimeout(resolve, 500));
      assert.deepStrictEqual(await page.evaluate(() => [!!document.querySelector('dialog[open]'), document.getElementById('window').ariaBusy]),
        [false, 'true'], `${box[0]} while the tables are held back`);
      release();
      assert.strictEqual(await shownLater, expected[i], `${box[0]} once they arrive`);
      assert.deepStrictEqual(page.errors, []);
      await page.browserContext().close();
    }
    // A key pressed before the rest of the logic is in waits for it; asked for a box before the tables, the logic stops.
    let code;
    const early = await fresh({ '/skycalc.deferred.wasm': new Promise((resolve) => { code = resolve; }), [LATER[0]]: new Promise(() => {}) });
    await early.click('[data-name=IDC_DIGIT7]');
    assert.strictEqual(await early.$eval('[data-name=IDC_ENTRY]', (e) => e.textContent), '0');
    code();
    await early.waitForFunction(() => document.querySelector('[data-name=IDC_ENTRY]').textContent === '7');
    assert.match(await early.evaluate(() => { try { window.SkyCalcPage.logic()._skycalc_phenomena(0); return 'computed'; } catch (e) { return e.message; } }), /^Aborted/);
    await early.browserContext().close();
    const offline = await fresh();
    await offline.evaluate(() => navigator.serviceWorker.ready);
    await offline.setOfflineMode(true);
    for (const [i, box] of BOXES.entries()) {
      await offline.reload();
      await ready(offline);  // the menu needs the whole logic, not only the first readout
      assert.strictEqual(await shown(offline, box), expected[i], `${box[0]} offline`);
    }
    assert.deepStrictEqual([...reference.errors, ...offline.errors], []);
    await offline.browserContext().close();
  },
};

module.exports = { openPage, ready, runOnPage, sequences, compare, fixClock };
if (require.main === module) (async () => {
  const server = await serve(DIST);
  const browser = await launch();
  try {
    const tests = what.startsWith('phone.') ? require('./phone_test') : TESTS;
    await tests[what.replace(/^phone\./, '')](browser, `http://127.0.0.1:${server.address().port}/`, DIST);
    console.log(`web.${what}: passed`);
  } catch (error) {
    console.error(`web.${what}: FAILED\n${error.stack || error}`);
    process.exitCode = 1;
  } finally {
    await browser.close();
    server.close();
  }
})();
