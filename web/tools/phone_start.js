// The page's start on a phone, from dist/web in headless Chromium: the time from
// navigation to the first readout (the page's 'skycalc-ready' mark), on a
// phone's screen (390x844), CPU (4x slower) and network (150 ms round trip,
// 1.6 Mbit/s down, 750 kbit/s up), as Lighthouse's mobile profile has them:
//   node web/tools/phone_start.js DIST [RUNS]
// Three starts: cold with the files sent as they are, cold with the server
// compressing them (brotli, as a static host does), and warm (the service
// worker holding the files). Prints a Markdown table (median of RUNS, 5 by default); the last
// column is when the rest of the module (skycalc.deferred.wasm) is in and keys act.
// Needs tests/web's puppeteer-core (npm ci there) and Chromium.
'use strict';
const fs = require('fs');
const http = require('http');
const path = require('path');
const zlib = require('zlib');
const { launch } = require(path.join(__dirname, '../../tests/web/browser'));

const TYPES = { '.html': 'text/html; charset=utf-8', '.js': 'text/javascript; charset=utf-8', '.css': 'text/css; charset=utf-8',
  '.wasm': 'application/wasm', '.png': 'image/png', '.webmanifest': 'application/manifest+json' };
const NETWORK = { offline: false, latency: 150, downloadThroughput: 1.6e6 / 8, uploadThroughput: 750e3 / 8 };

// A static server of folder; compress: brotli for a client that accepts it (not the PNGs).
function serve(folder, compress) {
  // Compressed once beforehand, as a static host keeps its files (brotli at its best takes seconds).
  const cache = new Map();
  if (compress) {
    for (const name of fs.readdirSync(folder)) {
      const file = path.join(folder, name);
      if (fs.statSync(file).isFile()) cache.set(file, zlib.brotliCompressSync(fs.readFileSync(file), { params: { [zlib.constants.BROTLI_PARAM_QUALITY]: 11 } }));
    }
  }
  const server = http.createServer((request, response) => {
    const name = decodeURIComponent(new URL(request.url, 'http://x').pathname).replace(/^\/$/, '/index.html');
    const file = path.join(folder, path.normalize(name));
    if (!file.startsWith(folder) || !fs.existsSync(file)) { response.writeHead(404).end(); return; }
    const type = TYPES[path.extname(file)] || 'application/octet-stream';
    let body = fs.readFileSync(file);
    const headers = { 'Content-Type': type, 'Cache-Control': 'no-cache' };
    if (compress && !type.startsWith('image/') && /\bbr\b/.test(request.headers['accept-encoding'] || '')) {
      body = cache.get(file) || zlib.brotliCompressSync(body);
      headers['Content-Encoding'] = 'br';
    }
    headers['Content-Length'] = body.length;
    response.writeHead(200, headers).end(body);
  });
  return new Promise((resolve) => server.listen(0, '127.0.0.1', () => resolve(server)));
}

// One start in a fresh profile context: milliseconds from navigation to the first readout, and
// to the whole logic in (the 'skycalc-live' mark: the rest of the module instantiated, keys act).
async function start(browser, url, warm) {
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  page.setDefaultTimeout(120000);
  await page.emulate({ viewport: { width: 390, height: 844, deviceScaleFactor: 3, isMobile: true, hasTouch: true },
    userAgent: 'Mozilla/5.0 (Linux; Android 14) Mobile' });
  const cdp = await page.createCDPSession();
  await cdp.send('Network.enable');
  await cdp.send('Network.setCacheDisabled', { cacheDisabled: !warm });
  if (warm) {  // one load installs the service worker, a second lets it take the page
    await page.goto(url, { waitUntil: 'domcontentloaded' });
    await page.waitForFunction(() => document.documentElement.dataset.state === 'ready', { timeout: 120000 });
    await page.evaluate(() => navigator.serviceWorker.ready);
  }
  await cdp.send('Network.emulateNetworkConditions', NETWORK);
  await cdp.send('Emulation.setCPUThrottlingRate', { rate: 4 });
  await page.goto(url, { waitUntil: 'domcontentloaded' });
  await page.waitForFunction(() => document.documentElement.dataset.state === 'ready', { timeout: 120000 });
  await page.waitForFunction(() => performance.getEntriesByName('skycalc-live').length > 0, { timeout: 120000 });
  const ms = await page.evaluate(() => ['skycalc-ready', 'skycalc-live'].map((name) => performance.getEntriesByName(name)[0].startTime));
  if (process.env.MARKS) console.error(await page.evaluate(() => JSON.stringify(performance.getEntriesByType('mark').map((m) => [m.name, Math.round(m.startTime)]).concat([['dcl', Math.round(performance.timing.domContentLoadedEventStart - performance.timing.navigationStart)]]))));
  await context.close();
  return ms;
}

const median = (values) => values.slice().sort((a, b) => a - b)[Math.floor(values.length / 2)];

(async () => {
  const dist = path.resolve(process.argv[2] || 'dist/web');
  const runs = Number(process.argv[3] || 5);
  const browser = await launch();
  const rows = [];
  try {
    for (const [label, compress, warm] of [['cold, files as they are', false, false], ['cold, compressed (brotli)', true, false],
      ['warm (service worker)', true, true]]) {
      const server = await serve(dist, compress);
      const url = `http://127.0.0.1:${server.address().port}/`;
      const times = [];
      for (let i = 0; i < runs; ++i) times.push(await start(browser, url, warm));
      server.close();
      const seconds = (t) => (t / 1000).toFixed(2);
      rows.push(`| ${label} | ${seconds(median(times.map((t) => t[0])))} s | ${times.map((t) => seconds(t[0])).join(', ')} | ` +
        `${seconds(median(times.map((t) => t[1])))} s |`);
    }
  } finally {
    await browser.close();
  }
  for (const name of ['skycalc.wasm', 'skycalc.deferred.wasm']) {
    const data = fs.readFileSync(path.join(dist, name));
    console.log(`${name} ${(data.length / 1024).toFixed(0)} KB (${(zlib.brotliCompressSync(data).length / 1024).toFixed(0)} KB with brotli)`);
  }
  console.log('');
  console.log('| start | first readout, median | runs | whole logic in, median |\n|---|---|---|---|\n' + rows.join('\n'));
})();
