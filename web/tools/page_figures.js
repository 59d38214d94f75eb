// The web page's figures and picture, from dist/web in headless Chromium:
//   node web/tools/page_figures.js bench DIST             start time and precise recomputes a second
//   node web/tools/page_figures.js screenshot DIST OUT.png the page at 2x (docs/screenshot-web.png)
// Needs tests/web's puppeteer-core (npm ci there) and Chromium.
'use strict';
const path = require('path');
const tests = path.join(__dirname, '../../tests/web');
const { serve, launch } = require(path.join(tests, 'browser'));
const { openPage, runOnPage } = require(path.join(tests, 'web_test'));

const TOOLS = {
  // The picture: the page as it starts, at twice its size, as the window's beside it.
  async screenshot(browser, url, out) {
    const page = await openPage(browser, url);
    await page.setViewport({ width: 560, height: 330, deviceScaleFactor: 2 });
    const box = await page.$eval('#window', (e) => { const r = e.getBoundingClientRect(); return [r.x, r.y, r.width, r.height]; });
    await page.screenshot({ path: out, clip: { x: box[0], y: box[1], width: box[2] + 4, height: box[3] + 4 } });
  },

  // Start (navigation, and the page's script, to ready; median of 5) and SET clicks a second in the precise model.
  async bench(browser, url) {
    const starts = [];
    for (let i = 0; i < 5; ++i) {
      const page = await openPage(browser, url);
      starts.push(await page.evaluate(() => ['skycalc-start', 'skycalc-ready'].map((mark) => performance.getEntriesByName(mark)[0].startTime)));
      await page.close();
    }
    const page = await openPage(browser, url);
    await page.evaluate(runOnPage, [['precise', 1], ['press', 1030]]);
    const rate = await page.evaluate(() => {
      const set = document.querySelector('[data-name=IDC_SET]');
      const t0 = performance.now();
      let n = 0;
      while (performance.now() - t0 < 2000) { set.click(); ++n; }
      return n / ((performance.now() - t0) / 1000);
    });
    const median = (values) => values.sort((a, b) => a - b)[2].toFixed(0);
    console.log(`navigation to ready: median ${median(starts.map((s) => s[1]))} ms; script start to ready: ` +
      `${median(starts.map((s) => s[1] - s[0]))} ms; precise SET clicks: ${rate.toFixed(0)} a second`);
  },
};

(async () => {
  const [what, dist, out] = process.argv.slice(2);
  const server = await serve(path.resolve(dist));
  const browser = await launch();
  try {
    await TOOLS[what](browser, `http://127.0.0.1:${server.address().port}/`, out);
  } finally {
    await browser.close();
    server.close();
  }
})();
