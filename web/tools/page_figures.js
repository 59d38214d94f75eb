// The web page's figures and picture, from dist/web in headless Chromium:
//   node web/tools/page_figures.js bench DIST [RESULTS.md] start time, recomputes a second, sizes
//                                  (with RESULTS.md: its section "The web page" written there)
//   node web/tools/page_figures.js screenshot DIST OUT.png the page at 2x (docs/screenshot-web.png)
//   node web/tools/page_figures.js chart-screenshot DIST OUT.png its 星図 box at 2x, the Moon chosen
//                                  (docs/screenshot-web-chart.png)
//   node web/tools/page_figures.js chart DIST [RESULTS.md] the 星図 box's redraw, median of 101
//                                  (with RESULTS.md: its section "The web page's 星図" written there)
// Needs tests/web's puppeteer-core (npm ci there) and Chromium.
'use strict';
const { execSync } = require('child_process');
const fs = require('fs');
const os = require('os');
const path = require('path');
const zlib = require('zlib');
const tests = path.join(__dirname, '../../tests/web');
const { serve, launch } = require(path.join(tests, 'browser'));
const { openPage, runOnPage } = require(path.join(tests, 'web_test'));

// Opens the 星図 box from the right-click menu.
async function openChart(page) {
  await page.click('[data-name=IDC_TIME]', { button: 'right' });
  await page.evaluate(() => [...document.querySelectorAll('.menu-item')].find((i) => i.textContent.startsWith('星図')).click());
  await page.waitForSelector('dialog.chart[open] canvas');
}

const TOOLS = {
  // The picture: the page as it starts, at twice its size, as the window's beside it.
  async screenshot(browser, url, out) {
    const page = await openPage(browser, url);
    await page.setViewport({ width: 640, height: 330, deviceScaleFactor: 2 });  // above the phone layout's 600 px
    const box = await page.$eval('#window', (e) => { const r = e.getBoundingClientRect(); return [r.x, r.y, r.width, r.height]; });
    await page.screenshot({ path: out, clip: { x: box[0], y: box[1], width: box[2] + 4, height: box[3] + 4 } });
  },

  // The 星図 box of the page's clock (2026-12-07 21:30 at the default site), the Moon chosen, at twice its size.
  async 'chart-screenshot'(browser, url, out) {
    const page = await openPage(browser, url);
    await page.setViewport({ width: 720, height: 760, deviceScaleFactor: 2 });
    await page.evaluate(runOnPage, [['pick', 1047, 9]]);
    await openChart(page);
    const box = await page.$eval('dialog.chart[open]', (e) => { const r = e.getBoundingClientRect(); return [r.x, r.y, r.width, r.height]; });
    await page.screenshot({ path: out, clip: { x: box[0], y: box[1], width: box[2], height: box[3] } });
  },

  // The 星図 box redrawn (the whole sky: the display list built by the logic,
  // read as JSON and drawn on the canvas, pixels flushed) 101 times through its
  // facing list, as a drag or a time step redraws it; the median and the 90th
  // percentile of the whole, and of the build alone, and the least of each
  // (what a redraw costs when nothing else runs on the machine).
  async chart(browser, url) {
    const page = await openPage(browser, url);
    await page.setViewport({ width: 1280, height: 960 });
    await openChart(page);
    const times = await page.evaluate(() => {
      const facing = document.querySelector('dialog.chart .chart-facing'), canvas = document.querySelector('dialog.chart canvas');
      const whole = [], build = [];
      for (let i = 0; i < 101; ++i) {
        facing.selectedIndex = i % 8;
        const t0 = performance.now();
        facing.dispatchEvent(new Event('change'));
        canvas.getContext('2d').getImageData(0, 0, 1, 1);  // the drawing rasterised, not only recorded
        const t1 = performance.now();
        window.skycalcPage.chart({ offset: 0, facing: 45 * (i % 8), ecliptic: true, equator: false }, 800);
        build.push(performance.now() - t1);
        whole.push(t1 - t0);
      }
      return { whole, build, items: canvas.skycalcChart.list.items.length, side: canvas.width };
    });
    const rank = (values, q) => values.sort((a, b) => a - b)[Math.round(q * (values.length - 1))].toFixed(2);
    const section = ['<!-- web chart: written by web/tools/page_figures.js chart -->', "## The web page's 星図", '',
      `${new Date().toISOString().slice(0, 16).replace('T', ' ')} UTC; ${os.cpus()[0].model}; load average ${os.loadavg().map((l) => l.toFixed(2)).join(' ')}. ` +
      `dist/web from scripts/web.sh in ${(await browser.version())} headless (--disable-gpu: the canvas drawn by the CPU), ` +
      `the whole sky of the page's test clock (2026-12-07 21:30, 140° E 35° N), ${times.items} shapes on a ${times.side} x ${times.side} canvas; ` +
      'scripts/bench_chart_web.sh.', '',
      '| Figure (101 redraws, wall time) | Median | 90th percentile | Least (the machine otherwise idle) |', '|---|---|---|---|',
      `| Redraw of the box: display list built, read as JSON and drawn, pixels flushed (< 16 ms) | ${rank(times.whole, 0.5)} ms | ${rank(times.whole, 0.9)} ms | ${rank(times.whole, 0)} ms |`,
      `| of which the display list built and read (skycalc_chart, JSON.parse) | ${rank(times.build, 0.5)} ms | ${rank(times.build, 0.9)} ms | ${rank(times.build, 0)} ms |`,
      '<!-- end of web chart -->', ''].join('\n');
    console.log(section);
    const results = process.argv[4];
    if (!results) return;
    const text = fs.readFileSync(results, 'utf8');
    const marked = /<!-- web chart[^]*?<!-- end of web chart -->\n/;
    fs.writeFileSync(results, marked.test(text) ? text.replace(marked, section) : text.replace(/\n*$/, '\n\n') + section);
  },

  // Start (navigation, and the page's script, to ready; median of 5) and SET clicks a second in the precise model.
  async bench(browser, url) {
    const starts = [];
    for (let i = 0; i < 5; ++i) {
      const page = await openPage(browser, url);
      starts.push(await page.evaluate(() => ['skycalc-start', 'skycalc-ready', 'skycalc-loaded']
        .map((mark) => performance.getEntriesByName(mark)[0].startTime)));
      await page.close();
    }
    const page = await openPage(browser, url);
    await page.evaluate(runOnPage, [['precise', 1], ['press', 1030]]);
    const rates = await page.evaluate(() => [() => document.querySelector('[data-name=IDC_SET]').click(),
      () => window.skycalcPage.command(1024)].map((press) => {
      const t0 = performance.now();
      let n = 0;
      while (performance.now() - t0 < 2000) { press(); ++n; }
      return n / ((performance.now() - t0) / 1000);
    }));
    const median = (values) => values.sort((a, b) => a - b)[2].toFixed(0);
    const dist = path.dirname(path.resolve(process.argv[3], 'x'));
    const size = (name) => { const data = fs.readFileSync(path.join(dist, name));
      return `${(data.length / 1024).toFixed(0)} KB (gzip ${(zlib.gzipSync(data, { level: 9 }).length / 1024).toFixed(0)} KB)`; };
    const all = fs.readdirSync(dist).reduce((sum, name) => sum + fs.statSync(path.join(dist, name)).size, 0);
    const section = [`<!-- web page: written by web/tools/page_figures.js bench -->`, '## The web page', '',
      `${new Date().toISOString().slice(0, 16).replace('T', ' ')} UTC; ${os.cpus()[0].model}; load average ${os.loadavg().map((l) => l.toFixed(2)).join(' ')}. ` +
      `dist/web from scripts/web.sh (Emscripten ${execSync("dpkg-query -W -f='${Version}' emscripten")}, Release), served locally, ` +
      `in ${(await browser.version())} headless with the tests' flags and a fresh profile.`, '',
      '| Figure | Value |', '|---|---|',
      `| skycalc.wasm (logic, ERFA, both catalogues) | ${size('skycalc.wasm')} |`,
      `| skycalc.js (Emscripten's loader) | ${size('skycalc.js')} |`,
      `| skycalc-tables.bin (the series fetched after the first readout) | ${size('skycalc-tables.bin')} |`,
      `| page.js (the page's scripts and layout.js) + skycalc.css + index.html | ${['page.js', 'skycalc.css', 'index.html']
        .reduce((sum, name) => sum + fs.statSync(path.join(dist, name)).size, 0) / 1024 | 0} KB |`,
      `| Whole page (dist/web, with the icon and service worker) | ${(all / 1024).toFixed(0)} KB |`,
      `| Navigation to ready, median of 5 | ${median(starts.map((s) => s[1]))} ms |`,
      `| Page script start to ready (WebAssembly compiled, catalogues read, panel started), median of 5 | ${median(starts.map((s) => s[1] - s[0]))} ms |`,
      `| of which the WebAssembly fetched and compiled | ${median(starts.map((s) => s[2] - s[0]))} ms |`,
      `| of which the calculator's start (catalogues read, lists filled, reset) | ${median(starts.map((s) => s[1] - s[2]))} ms |`,
      `| SET clicks a second, precise model, the Sun in right ascension and declination (page, logic and repaint) | ${rates[0].toFixed(0)} |`,
      `| SET a second, the same through the logic alone (skycalc_command, texts to the page) | ${rates[1].toFixed(0)} |`,
      '<!-- end of web page -->', ''].join('\n');
    console.log(section);
    const results = process.argv[4];
    if (!results) return;
    const text = fs.readFileSync(results, 'utf8');
    const marked = /<!-- web page[^]*?<!-- end of web page -->\n/;
    fs.writeFileSync(results, marked.test(text) ? text.replace(marked, section) : text.replace(/\n*$/, '\n\n') + section);
  },
};

(async () => {
  const [what, dist, out] = process.argv.slice(2);
  const server = await serve(path.resolve(dist));
  const browser = await launch();
  try {
    await TOOLS[what](browser, `http://127.0.0.1:${server.address().port}/`, out);
  } catch (error) {
    console.error(error);
    process.exitCode = 1;
  } finally {
    await browser.close();
    server.close();
  }
})();
