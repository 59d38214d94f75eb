// Profiles the calculator's start for splitting its module (scripts/web.sh):
//   node web/tools/split_profile.js BUILD_DIR PROFILE
// BUILD_DIR holds skycalc.js and skycalc.wasm as linked with -sSPLIT_MODULE (the module
// instrumented by Binaryen's wasm-split); the start runs in Node with the page's host
// stubbed, with nothing saved and with every setting saved (the precise model, night
// mode, a site in each hemisphere's other half), with the calls the page makes before its
// first readout. What runs goes into the primary module; the rest is loaded after it.
'use strict';
const fs = require('fs');
const path = require('path');

const [dir, out] = process.argv.slice(2).map((p) => path.resolve(p));
const SAVED = [{}, { Longitude: '-70.50', Latitude: '-33.25', Azimuth: '180.00', SDHour: '-5', SDMinute: '30', Precise: '1', Night: '1' },
  { Longitude: '139.74', Latitude: '35.66', Azimuth: '0.00', SDHour: '9', SDMinute: '0', Precise: '0', Night: '0', Place: '東京' }];
const FIRST_ID = 1000, LAST_ID = 1070;  // panel/control_ids.h's range, as the page's colours ask

let saved = new Map();
const host = { setText() {}, setCheck() {}, setListText() {}, getListSelection: () => -1, addListEntry: () => true,
  showMessage() {}, readSetting: (name) => (saved.has(name) ? saved.get(name) : null), writeSetting: () => true,
  settingsLocation: () => 'profile' };

(async () => {
  const createSkyCalc = require(path.join(dir, 'skycalc.js'));
  const logic = await createSkyCalc({ skycalcHost: host, print() {}, printErr() {},
    wasmBinary: fs.readFileSync(path.join(dir, 'skycalc.wasm')) });
  for (const settings of SAVED) {
    saved = new Map(Object.entries(settings));
    logic._skycalc_open();
    logic._skycalc_is_precise();
    logic._skycalc_is_night();
    logic.UTF8ToString(logic._skycalc_place_name());
    for (let id = FIRST_ID; id <= LAST_ID; ++id) logic._skycalc_ctl_color(id);
  }
  const size = 1 << 20, at = logic._malloc(size);
  fs.writeFileSync(out, logic.HEAPU8.slice(at, at + logic.asm.__write_profile(at, size)));
})().catch((error) => { console.error(error); process.exitCode = 1; });
