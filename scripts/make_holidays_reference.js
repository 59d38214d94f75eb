#!/usr/bin/env node
// Reference list of Japan's national holidays, 1948 to 2050, from two
// independent sources:
//
//  - the cabinet office's list of the holidays since 1955 (内閣府「国民の
//    祝日」について, www8.cao.go.jp/chosei/shukujitsu/gaiyou.html, file
//    syukujitsu.csv, Shift_JIS; give it converted to UTF-8, "yyyy/m/d,name"
//    lines after a header). The copy used: as of 2026-03 (through 2027, the
//    last year whose equinox days the cabinet had announced).
//  - the npm package japanese-holidays 1.0.10 (MIT), which encodes the law
//    and its amendments from 1948-07-20 with formulas for the equinox days.
//
// Usage:
//   npm install --prefix /tmp/holref japanese-holidays@1.0.10
//   iconv -f SHIFT_JIS -t UTF-8 syukujitsu.csv > /tmp/syukujitsu-utf8.csv
//   NODE_PATH=/tmp/holref/node_modules node scripts/make_holidays_reference.js \
//     /tmp/syukujitsu-utf8.csv > tests/astro/almanac/holidays_reference.csv
//
// Each row: date,cabinet,law: the cabinet's name (empty outside its years or
// where it has none) and the package's name (empty where it has none). The
// two names differ in style: the cabinet calls every 振替休日 and 国民の休日
// 休日, and the one-off days by shorter names. Days on which the two lists
// disagree are written to standard error.
'use strict';
const fs = require('fs');
const JapaneseHolidays = require('japanese-holidays');

const FIRST = 1948, LAST = 2050;
const rows = new Map();  // 'yyyy-mm-dd' -> {cabinet, law}
const pad = (n) => String(n).padStart(2, '0');
const row = (key) => {
  if (!rows.has(key)) rows.set(key, { cabinet: '', law: '' });
  return rows.get(key);
};

let cabinetFirst = Infinity, cabinetLast = -Infinity;
const lines = fs.readFileSync(process.argv[2], 'utf8').replace(/^\uFEFF/, '').split(/\r?\n/).slice(1);
for (const line of lines) {
  if (!line.trim()) continue;
  const [date, name] = line.split(',');
  const [y, m, d] = date.split('/').map(Number);
  row(`${y}-${pad(m)}-${pad(d)}`).cabinet = name.trim();
  cabinetFirst = Math.min(cabinetFirst, y);
  cabinetLast = Math.max(cabinetLast, y);
}
for (let year = FIRST; year <= LAST; ++year) {
  for (const h of JapaneseHolidays.getHolidaysOf(year)) {
    row(`${year}-${pad(h.month)}-${pad(h.date)}`).law = h.name;
  }
}

const keys = [...rows.keys()].sort();
process.stdout.write('date,cabinet,law\n');
for (const key of keys) {
  const { cabinet, law } = rows.get(key);
  const year = Number(key.slice(0, 4));
  if (year >= cabinetFirst && year <= cabinetLast && (cabinet === '') !== (law === '')) {
    process.stderr.write(`disagree ${key}: cabinet "${cabinet}", package "${law}"\n`);
  }
  process.stdout.write(`${key},${cabinet},${law}\n`);
}
process.stderr.write(`cabinet years ${cabinetFirst}-${cabinetLast}\n`);
