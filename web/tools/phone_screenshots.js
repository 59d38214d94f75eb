// The page on a phone at three times its size, for docs/: upright, on its side,
// the 暦 box open, and night mode with the 星図 box open.
//   node web/tools/phone_screenshots.js DIST DOCS
// Needs tests/web's puppeteer-core (npm ci there) and Chromium.
'use strict';
const path = require('path');
const tests = path.join(__dirname, '../../tests/web');
const { serve, launch } = require(path.join(tests, 'browser'));
const { fixClock } = require(path.join(tests, 'web_test'));

const SHOTS = [['screenshot-phone.png', 390, 844], ['screenshot-phone-landscape.png', 844, 390],
  ['screenshot-phone-almanac.png', 390, 844, false, '暦'], ['screenshot-phone-night.png', 390, 844, true, '星図']];

(async () => {
  const [dist, docs] = process.argv.slice(2).map((p) => path.resolve(p));
  const server = await serve(dist);
  const browser = await launch();
  try {
    for (const [file, width, height, night, box] of SHOTS) {
      const page = await browser.newPage();
      await page.evaluateOnNewDocument(fixClock);
      await page.emulate({ viewport: { width, height, deviceScaleFactor: 3, isMobile: true, hasTouch: true, isLandscape: width > height },
        userAgent: 'Mozilla/5.0 (Linux; Android 14) Mobile' });
      await page.goto(`http://127.0.0.1:${server.address().port}/`);
      // The first readout, then the rest of the logic and the tables the boxes need.
      await page.waitForFunction(() => document.documentElement.dataset.tables === 'ready');
      const menu = (text) => page.evaluate((t) => [...document.querySelectorAll('.menu-item')].find((i) => i.textContent.includes(t)).click(), text);
      if (night) { await page.tap('#menu-button'); await menu('夜間表示'); }
      if (box) { await page.tap('#menu-button'); await menu(box); await page.waitForSelector('dialog.box[open]'); }
      await page.screenshot({ path: path.join(docs, file) });
      await page.close();
    }
  } finally {
    await browser.close();
    server.close();
  }
})();
