// Browser tests of the page on a phone and a tablet (Chromium's mobile emulation):
//   node web_test.js phone.layout|phone.boxes|phone.sequences|phone.install|phone.night --dist DIR --replay REPLAY
'use strict';
const assert = require('assert');
const { ready, runOnPage, sequences, compare, fixClock } = require('./web_test');

const PHONE = { width: 390, height: 844, deviceScaleFactor: 3, isMobile: true, hasTouch: true };
const BOXES = ['出没時刻', '暦', '天象', '日食・月食', '星図', '地点', 'のﾊﾞｰｼﾞｮﾝ情報'];
const menuItem = (text) => [...document.querySelectorAll('.menu-item')].find((i) => i.textContent.includes(text));

async function openOn(browser, url, viewport) {
  const page = await browser.newPage();
  page.errors = [];
  page.on('pageerror', (error) => page.errors.push(error.message));
  await page.evaluateOnNewDocument(fixClock);
  await page.emulate({ viewport, userAgent: 'Mozilla/5.0 (Linux; Android 14) Mobile' });
  await page.goto(url);
  await ready(page);
  return page;
}

// What sticks out: of the viewport, of its own box (a clipped text), or a touch target under 44x44 CSS px.
function faults() {
  const out = [], { innerWidth: w, innerHeight: h } = window;
  if (document.scrollingElement.scrollWidth > w) out.push(`page ${document.scrollingElement.scrollWidth} px wide`);
  for (const e of document.querySelectorAll('#window .control, #menu-button')) {
    const r = e.getBoundingClientRect(), name = e.dataset.name || e.id;
    if (r.width === 0 || r.height === 0) continue;  // a frame's empty slot
    if (r.left < -0.5 || r.right > w + 0.5 || r.top < -0.5 || r.bottom > h + 0.5) out.push(`${name} outside`);
    if (e.matches('.label') && e.scrollWidth > e.clientWidth + 1) out.push(`${name} text clipped`);
    if (e.matches('.button, .radio, .combo, #menu-button') && (r.width < 44 || r.height < 44)) out.push(`${name} ${r.width}x${r.height}`);
  }
  return out;
}

// An open box's touch targets under 44x44 CSS px: its buttons, lists, fields and the labels of its check boxes.
function smallTargets() {
  return [...document.querySelectorAll('dialog.box[open] :is(button, select, input:not([type=checkbox]):not([type=radio]), label)')]
    .map((e) => [e.dataset.name || e.textContent.trim(), e.getBoundingClientRect()])
    .filter(([, r]) => r.width > 0 && (r.width < 44 || r.height < 44)).map(([name, r]) => `${name} ${r.width}x${r.height}`);
}

// Opens the menu by its button (or a long press on a key) and picks the entry; waits for the box.
async function openBox(page, entry, byLongPress) {
  if (byLongPress) {
    const r = await page.$eval('[data-name=IDC_DIGIT7]', (e) => e.getBoundingClientRect().toJSON());
    await page.touchscreen.touchStart(r.x + r.width / 2, r.y + r.height / 2);
    await new Promise((resolve) => setTimeout(resolve, 700));
    await page.touchscreen.touchEnd();
  } else {
    await page.tap('#menu-button');
  }
  await page.waitForSelector('.menu:not([hidden])');
  await (await page.evaluateHandle(menuItem, entry)).tap();
  await page.waitForSelector('dialog.box[open]');
}

const TESTS = {
  // Nothing overflows and every control is touch-sized, upright and on its side, on a phone and a tablet
  // (with the longest readouts: a Julian day, a star's horizontal place); the desktop form is as it was.
  async layout(browser, url) {
    for (const viewport of [PHONE, { ...PHONE, width: 844, height: 390, isLandscape: true },
      { width: 820, height: 1180, deviceScaleFactor: 2, isMobile: true, hasTouch: true }]) {
      const page = await openOn(browser, url, viewport);
      await page.evaluate(runOnPage, [['press', 1030], ['press', 1053], ['pick', 1048, 20], ['press', 1032], ['snap']]);
      assert.deepStrictEqual(await page.evaluate(faults), [], `${viewport.width}x${viewport.height}`);
      await page.close();
    }
    const desktop = await openOn(browser, url, { width: 1280, height: 960 });
    const [width, position] = await desktop.$eval('#client', (e) => [e.offsetWidth, getComputedStyle(e.firstChild).position]);
    assert(position === 'absolute' && width < 600, `the desktop form: ${position}, ${width} px`);
  },

  // Every box opens full-screen from the menu button and from a long press, its controls touch-sized, and × closes it;
  // the long press presses no key.
  async boxes(browser, url) {
    const page = await openOn(browser, url, PHONE);
    for (const byLongPress of [false, true]) {
      for (const entry of BOXES) {
        await openBox(page, entry, byLongPress);
        assert.deepStrictEqual(await page.$eval('dialog.box[open]', (e) => [e.offsetWidth, e.offsetHeight]), [390, 844], entry);
        assert.deepStrictEqual(await page.evaluate(smallTargets), [], entry);
        await page.tap('dialog.box[open] .caption-close');
        await page.waitForFunction(() => !document.querySelector('dialog.box[open]'));
        assert.strictEqual(await page.$eval('[data-name=IDC_ENTRY]', (e) => e.textContent), '0', `${entry}: a key pressed`);
      }
    }
    assert.deepStrictEqual(page.errors, []);
  },

  // The random sequences keyed through the phone's native lists and menu button give the headless calculator's
  // readouts, as the desktop page does.
  async sequences(browser, url) {
    const page = await openOn(browser, url, PHONE);
    await page.evaluate(() => { window.skycalcNativeLists = true; });
    console.log(`${(await compare(page, sequences(1000, 20261208))).length} snapshots identical on the phone layout`);
    assert.deepStrictEqual(page.errors, []);
  },

  // The manifest is whole, Chromium finds the page installable, and once loaded it starts offline.
  async install(browser, url) {
    const page = await openOn(browser, url, PHONE);
    const cdp = await page.createCDPSession();
    await page.evaluate(() => navigator.serviceWorker.ready);
    const manifest = await cdp.send('Page.getAppManifest');
    assert.deepStrictEqual(manifest.errors, []);
    const parsed = JSON.parse(manifest.data);
    assert.strictEqual(parsed.display, 'standalone');
    assert.match(parsed.short_name, /^[\u3040-\u30ff\u4e00-\u9fff]+$/, 'a Japanese short name');
    for (const { src, sizes } of parsed.icons)
      assert.strictEqual(await page.evaluate(async (s) => { const i = new Image(); i.src = s; await i.decode(); return `${i.width}x${i.height}`; }, src), sizes);
    assert.deepStrictEqual((await cdp.send('Page.getInstallabilityErrors')).installabilityErrors, []);
    await page.reload();
    await ready(page);
    await page.setOfflineMode(true);
    await page.reload();
    await page.waitForFunction(() => document.documentElement.dataset.state, { timeout: 20000 });
    assert.strictEqual(await page.evaluate(() => document.documentElement.dataset.state), 'ready', 'offline');
    assert(await page.$eval('.caption-icon', (i) => i.complete && i.naturalWidth > 0), 'the icon offline');
  },

  // 夜間表示: no pixel but red on black in the calculator and each box; checked in the menu; back after a reload,
  // from the first paint.
  async night(browser, url) {
    const page = await openOn(browser, url, PHONE);
    const notRed = (data) => new Promise((resolve) => {
      const image = Object.assign(new Image(), { src: 'data:image/png;base64,' + data });
      image.decode().then(() => {
        const context = Object.assign(document.createElement('canvas'), { width: image.width, height: image.height }).getContext('2d');
        context.drawImage(image, 0, 0);
        const pixels = context.getImageData(0, 0, image.width, image.height).data;
        let count = 0;
        for (let i = 0; i < pixels.length; i += 4) if (pixels[i + 1] > 2 || pixels[i + 2] > 2) ++count;
        resolve(count);
      });
    });
    await page.tap('#menu-button');
    await (await page.evaluateHandle(menuItem, '夜間表示')).click();
    assert.strictEqual(await page.evaluate(notRed, await page.screenshot({ encoding: 'base64' })), 0, 'the calculator');
    await page.tap('#menu-button');
    assert.strictEqual(await (await page.evaluateHandle(menuItem, '夜間表示')).evaluate((i) => i.querySelector('.menu-check').textContent), '✓');
    await page.tap('#menu-button');
    for (const entry of BOXES) {
      await openBox(page, entry, false);
      assert.strictEqual(await page.evaluate(notRed, await page.screenshot({ encoding: 'base64' })), 0, entry);
      await page.tap('dialog.box[open] .caption-close');
    }
    // Whether the night class came before the module's first readout (the parser may let the module finish first).
    await page.evaluateOnNewDocument(() => new MutationObserver(() => {
      const root = document.documentElement;
      if (window.nightBeforeTheModule === undefined && (root.classList.contains('night') || root.dataset.state)) {
        window.nightBeforeTheModule = root.classList.contains('night') && !root.dataset.state;
      }
    }).observe(document, { subtree: true, attributeFilter: ['class', 'data-state'] }));
    await page.reload();
    await ready(page);
    assert(await page.evaluate(() => document.documentElement.classList.contains('night')), 'saved with the settings');
    assert(await page.evaluate(() => window.nightBeforeTheModule), 'night from the first paint, before the module is loaded');
  },
};

module.exports = TESTS;  // run by web_test.js as phone.<name>
