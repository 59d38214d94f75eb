// The Astronomy Engine peer (npm astronomy-engine, installed by
// scripts/bench_peers.sh) of skycalc-cli's searches, at Tokyo (139.7 E,
// 35.7 N):
//   node peer_astronomy_engine.js MODULE_DIR eclipses FIRST_YEAR YEARS
//     every lunar eclipse (with the Moon's altitude at greatest) and every
//     solar eclipse with its local circumstances;
//   node peer_astronomy_engine.js MODULE_DIR moon FIRST_YEAR DAYS
//     the Moon's rise, transit and set on each day;
//   node peer_astronomy_engine.js MODULE_DIR sun FIRST_YEAR DAYS
//     the Sun's rise and set and the three twilights (-6, -12, -18 degrees)
//     morning and evening on each day.
'use strict';
const A = require(require('path').resolve(process.argv[2], 'astronomy-engine'));
const mode = process.argv[3], first = Number(process.argv[4]), count = Number(process.argv[5]);
const tokyo = new A.Observer(35.7, 139.7, 0);
const start = A.MakeTime(new Date(Date.UTC(first, 0, 1)));
let lines = 0;
if (mode === 'eclipses') {
  const end = A.MakeTime(new Date(Date.UTC(first + count, 0, 1)));
  for (let e = A.SearchLunarEclipse(start); e.peak.ut < end.ut; e = A.NextLunarEclipse(e.peak)) {
    const eq = A.Equator(A.Body.Moon, e.peak, tokyo, true, true);
    A.Horizon(e.peak, tokyo, eq.ra, eq.dec, 'normal');
    ++lines;
  }
  for (let e = A.SearchLocalSolarEclipse(start, tokyo); e.peak.time.ut < end.ut; e = A.NextLocalSolarEclipse(e.peak.time, tokyo)) ++lines;
  for (let e = A.SearchGlobalSolarEclipse(start); e.peak.ut < end.ut; e = A.NextGlobalSolarEclipse(e.peak)) ++lines;
} else {
  for (let d = 0; d < count; ++d) {
    const day = start.AddDays(d - 9 / 24);  // local midnight, JST
    if (mode === 'moon') {
      A.SearchRiseSet(A.Body.Moon, tokyo, +1, day, 1);
      A.SearchRiseSet(A.Body.Moon, tokyo, -1, day, 1);
      A.SearchHourAngle(A.Body.Moon, tokyo, 0, day);
      lines += 3;
    } else {
      A.SearchRiseSet(A.Body.Sun, tokyo, +1, day, 1);
      A.SearchRiseSet(A.Body.Sun, tokyo, -1, day, 1);
      A.SearchHourAngle(A.Body.Sun, tokyo, 0, day);
      for (const altitude of [-6, -12, -18]) {
        A.SearchAltitude(A.Body.Sun, tokyo, +1, day, 1, altitude);
        A.SearchAltitude(A.Body.Sun, tokyo, -1, day, 1, altitude);
      }
      lines += 9;
    }
  }
}
console.log(lines + ' events');
