// Serves dist/web over HTTP on a free local port and drives it in Debian's
// headless Chromium through puppeteer-core.
'use strict';
const fs = require('fs');
const http = require('http');
const os = require('os');
const path = require('path');
const puppeteer = require('puppeteer-core');

const TYPES = { '.html': 'text/html; charset=utf-8', '.js': 'text/javascript; charset=utf-8', '.css': 'text/css; charset=utf-8',
  '.wasm': 'application/wasm', '.png': 'image/png', '.webmanifest': 'application/manifest+json' };

// A static server of folder; missing lists files to answer 404 for (a broken deployment).
function serve(folder, missing = new Set()) {
  const server = http.createServer((request, response) => {
    const name = decodeURIComponent(new URL(request.url, 'http://x').pathname).replace(/^\/$/, '/index.html');
    const file = path.join(folder, path.normalize(name));
    if (missing.has(path.basename(file)) || !file.startsWith(folder) || !fs.existsSync(file)) {
      response.writeHead(404).end();
      return;
    }
    response.writeHead(200, { 'Content-Type': TYPES[path.extname(file)] || 'application/octet-stream' });
    response.end(fs.readFileSync(file));
  });
  return new Promise((resolve) => server.listen(0, '127.0.0.1', () => resolve(server)));
}

async function launch() {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'skycalc-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    headless: true,
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync',
      `--user-data-dir=${profile}`],
  });
  browser.once('disconnected', () => {
    try { fs.rmSync(profile, { recursive: true, force: true, maxRetries: 5 }); } catch (error) { /* a leftover temp folder */ }
  });
  return browser;
}

module.exports = { serve, launch };
