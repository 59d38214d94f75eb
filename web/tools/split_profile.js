// Profiles the calculator's start for splitting its module (scripts/web.sh):
//   node web/tools/split_profile.js BUILD_DIR PROFILE
// BUILD_DIR holds skycalc.js and skycalc.wasm as linked with -sSPLIT_MODULE (the module
// instrumented by Binaryen's wasm-split). The start runs in Node with the page's host
// stubbed and the calls the page makes before its first readout: with nothing saved, then
// at instants spread over 1900-2100 (day and night, every season) with sites all over the
// globe, both models, night mode and a chosen place saved, so that the branches a start
// takes for its own clock and settings are all seen. What runs goes into the primary
// module; the rest is loaded after the first readout (and a start that reaches it anyway
// is run again once it is in: web/skycalc_page.js).
'use strict';
const fs = require('fs');
const path = require('path');

const [dir, out] = process.argv.slice(2).map((p) => path.resolve(p));
const STARTS = 400;
// A fixed pseudo-random sequence (mulberry32): the starts are the same in every build (but the
// first, at the build's own clock).
let seed = 20261208;
function random() {
  seed = (seed + 0x6d2b79f5) | 0;
  let t = Math.imul(seed ^ (seed >>> 15), 1 | seed);
  t = (t + Math.imul(t ^ (t >>> 7), 61 | t)) ^ t;
  return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
}
function settingsOf(i) {
  if (i === 0) return {};
  const zone = Math.floor(random() * 27) - 12;
  return { Longitude: (random() * 360 - 180).toFixed(2), Latitude: (random() * 178 - 89).toFixed(2), Azimuth: (i % 2 ? 0 : 180).toFixed(2),
    SDHour: String(zone), SDMinute: String([0, 30, 45][i % 3] * (zone < 0 ? -1 : 1)), Precise: String(i % 2), Night: String((i >> 1) % 2),
    ...(i % 5 === 0 ? { Place: '東京' } : {}) };
}
const FIRST_ID = 1000, LAST_ID = 1070;  // panel/control_ids.h's range, as the page's colours ask

let saved = new Map();
const host = { setText() {}, setCheck() {}, setListText() {}, getListSelection: () => -1, addListEntry: () => true,
  showMessage() {}, readSetting: (name) => (saved.has(name) ? saved.get(name) : null), writeSetting: () => true,
  settingsLocation: () => 'profile' };

(async () => {
  const createSkyCalc = require(path.join(dir, 'skycalc.js'));
  const logic = await createSkyCalc({ skycalcHost: host, print() {}, printErr() {},
    wasmBinary: fs.readFileSync(path.join(dir, 'skycalc.wasm')) });
  const RealDate = Date;
  for (let i = 0; i < STARTS; ++i) {
    saved = new Map(Object.entries(settingsOf(i)));
    const now = i === 0 ? RealDate.now() : RealDate.UTC(1900, 0, 1) + random() * 200 * 365.25 * 86400000;
    global.Date = class extends RealDate { constructor(...a) { super(...(a.length ? a : [now])); } };
    logic._skycalc_open();
    logic._skycalc_is_precise();
    logic._skycalc_is_night();
    logic.UTF8ToString(logic._skycalc_place_name());
    for (let id = FIRST_ID; id <= LAST_ID; ++id) logic._skycalc_ctl_color(id);
  }
  global.Date = RealDate;
  const size = 1 << 20, at = logic._malloc(size);
  fs.writeFileSync(out, logic.HEAPU8.slice(at, at + logic.asm.__write_profile(at, size)));
})().catch((error) => { console.error(error); process.exitCode = 1; });
