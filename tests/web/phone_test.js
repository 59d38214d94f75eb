// Browser tests of the page on a phone and a tablet (Chromium's mobile emulation):
//   node phone_test.js layout|boxes|sequences|install|night --dist DIR --replay REPLAY
'use strict';
const assert = require('assert');
const { serve, launch } = require('./browser');
const { openPage, runOnPage, sequences, compare, fixClock } = require('./web_test');

const [what] = process.argv.slice(2);
const DIST = process.argv[process.argv.indexOf('--dist') + 1];
const PHONE = { width: 390, height: 844, deviceScaleFactor: 3, isMobile: true, hasTouch: true };
const PHONE_SIDE = { ...PHONE, width: 844, height: 390, isLandscape: true };
const TABLET = { width: 820, height: 1180, deviceScaleFactor: 2, isMobile: true, hasTouch: true };
const BOXES = ['出没時刻', '暦', '天象', '日食・月食', '星図', 'のﾊﾞｰｼﾞｮﾝ情報'];

async function openOn(browser, url, viewport) {
  const page = await browser.newPage();
  page.errors = [];
  page.on('pageerror', (error) => page.errors.push(error.message));
  await page.evaluateOnNewDocument(fixClock);
  await page.emulate({ viewport, userAgent: 'Mozilla/5.0 (Linux; Android 14) Mobile' });
  await page.goto(url);
  await page.waitForFunction(() => document.documentElement.dataset.state === 'ready', { timeout: 20000 });
  return page;
}

// What sticks out: of the viewport, of its own box (a clipped text), or a touch target under 44x44 CSS px.
function faults() {
  const out = [];
  const { innerWidth: w, innerHeight: h } = window;
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

// Opens the menu by the button (or a long press on the time readout) and picks the entry.
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
  const item = await page.evaluateHandle((text) => [...document.querySelectorAll('.menu-item')].find((i) => i.textContent.includes(text)), entry);
  await item.tap();
}

const TESTS = {
  // Nothing overflows and every control is touch-sized, upright and on its side, on a phone and a tablet;
  // the desktop window keeps its place and size.
  async layout(browser, url) {
    for (const viewport of [PHONE, PHONE_SIDE, TABLET]) {
      const page = await openOn(browser, url, viewport);
      // The longest texts the readouts hold: a Julian day and a precise position of a star.
      await page.evaluate(runOnPage, [['press', 1030], ['press', 1053], ['pick', 1048, 20], ['press', 1032], ['snap']]);
      assert.deepStrictEqual(await page.evaluate(faults), [], `${viewport.width}x${viewport.height}`);
      await page.close();
    }
    const desktop = await openPage(browser, url);
    await desktop.setViewport({ width: 1280, height: 960 });
    const form = await desktop.$eval('#client', (e) => [e.offsetWidth, getComputedStyle(e.querySelector('.control')).position]);
    assert.deepStrictEqual(form[1], 'absolute', 'the desktop form laid out by dialog units');
    assert(form[0] > 400 && form[0] < 600, `desktop form ${form[0]} px`);
  },

  // Every box opens full-screen from the menu button and from a long press, and its close button closes it;
  // the long press presses no key.
  async boxes(browser, url) {
    const page = await openOn(browser, url, PHONE);
    for (const byLongPress of [false, true]) {
      for (const entry of BOXES) {
        const entryText = await page.$eval('[data-name=IDC_ENTRY]', (e) => e.textContent);
        await openBox(page, entry, byLongPress);
        await page.waitForSelector('dialog.box[open]');
        const r = await page.$eval('dialog.box[open]', (e) => e.getBoundingClientRect().toJSON());
        assert.deepStrictEqual([r.width, r.height], [390, 844], `${entry} full-screen`);
        await page.tap('dialog.box[open] .caption-close');
        await page.waitForFunction(() => !document.querySelector('dialog.box[open]'));
        assert.strictEqual(await page.$eval('[data-name=IDC_ENTRY]', (e) => e.textContent), entryText, `${entry}: a key pressed`);
      }
    }
    assert.deepStrictEqual(page.errors, []);
  },

  // The random sequences keyed through the phone's controls (native lists, segmented buttons, the menu
  // button) give the readouts the headless calculator (and so the desktop page) gives.
  async sequences(browser, url) {
    const page = await openOn(browser, url, PHONE);
    await page.evaluate(() => { window.skycalcNativeLists = true; });
    const snaps = await compare(page, sequences(1000, 20261208));
    console.log(`${snaps.length} snapshots identical on the phone layout`);
    assert.deepStrictEqual(page.errors, []);
  },

  // The manifest is whole and Chromium finds the page installable; once loaded it starts offline.
  async install(browser, url) {
    const page = await openOn(browser, url, PHONE);
    const cdp = await page.createCDPSession();
    await page.evaluate(() => navigator.serviceWorker.ready);
    const manifest = await cdp.send('Page.getAppManifest');
    assert.deepStrictEqual(manifest.errors, []);
    const parsed = JSON.parse(manifest.data);
    assert.strictEqual(parsed.display, 'standalone');
    assert.match(parsed.short_name, /^[\u3040-\u30ff\u4e00-\u9fff]+$/, 'a Japanese short name');
    for (const icon of parsed.icons) {
      const size = await page.evaluate(async (src) => { const i = new Image(); i.src = src; await i.decode(); return `${i.width}x${i.height}`; }, icon.src);
      assert.strictEqual(size, icon.sizes, icon.src);
    }
    const { installabilityErrors } = await cdp.send('Page.getInstallabilityErrors');
    assert.deepStrictEqual(installabilityErrors, []);
    await page.reload();
    await page.waitForFunction(() => document.documentElement.dataset.state === 'ready');
    await page.setOfflineMode(true);
    await page.reload();
    await page.waitForFunction(() => document.documentElement.dataset.state, { timeout: 20000 });
    assert.strictEqual(await page.evaluate(() => document.documentElement.dataset.state), 'ready', 'offline');
    assert(await page.$eval('.caption-icon', (i) => i.complete && i.naturalWidth > 0), 'the icon offline');
  },

  // 夜間表示: the page and each box hold no colour but red on black; the choice comes back after a reload.
  async night(browser, url) {
    const page = await openOn(browser, url, PHONE);
    const offRed = async (name) => {
      const png = await page.screenshot({ encoding: 'base64' });
      const bad = await page.evaluate(async (data) => {
        const image = new Image();
        image.src = 'data:image/png;base64,' + data;
        await image.decode();
        const canvas = Object.assign(document.createElement('canvas'), { width: image.width, height: image.height });
        const context = canvas.getContext('2d');
        context.drawImage(image, 0, 0);
        const pixels = context.getImageData(0, 0, image.width, image.height).data;
        let count = 0;
        for (let i = 0; i < pixels.length; i += 4) if (pixels[i + 1] > 2 || pixels[i + 2] > 2) ++count;
        return count;
      }, png);
      assert.strictEqual(bad, 0, `${name}: ${bad} pixels not red`);
    };
    await page.tap('#menu-button');
    await page.evaluate(() => [...document.querySelectorAll('.menu-item')].find((i) => i.textContent.includes('夜間表示')).click());
    await offRed('calculator');
    await page.tap('#menu-button');
    assert.strictEqual(await page.evaluate(() => [...document.querySelectorAll('.menu-item')]
      .find((i) => i.textContent.includes('夜間表示')).querySelector('.menu-check').textContent), '✓');
    await page.evaluate(() => document.querySelector('.menu').hidden = true);
    for (const entry of BOXES) {
      await openBox(page, entry, false);
      await page.waitForSelector('dialog.box[open]');
      await offRed(entry);
      await page.tap('dialog.box[open] .caption-close');
    }
    await page.reload();
    await page.waitForFunction(() => document.documentElement.dataset.state === 'ready');
    assert(await page.evaluate(() => document.documentElement.classList.contains('night')), 'saved with the settings');
  },
};

if (require.main === module) (async () => {
  const server = await serve(DIST);
  const browser = await launch();
  try {
    await TESTS[what](browser, `http://127.0.0.1:${server.address().port}/`, DIST);
    console.log(`web.phone.${what}: passed`);
  } catch (error) {
    console.error(`web.phone.${what}: FAILED\n${error.stack || error}`);
    process.exitCode = 1;
  } finally {
    await browser.close();
    server.close();
  }
})();
