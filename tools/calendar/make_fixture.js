#!/usr/bin/env node
// Writes the calendar reference fixture: every lunar month start and every
// solar-term day of the mainland Chinese calendar (new moons and solar terms
// computed astronomically for UTC+8) from 1899-12-01 to 2101-01-31, so that
// every day of 1900-01-01 ... 2100-12-31 is covered, with the first days of 2101
// that a birth at 23:00 on 2100-12-31 is counted with.
//
// Independent source: the npm package lunar-javascript, version 1.7.7 (MIT).
//   npm install lunar-javascript@1.7.7   (in a scratch folder, not here)
//   NODE_PATH=<scratch>/node_modules node tools/calendar/make_fixture.js <output folder>
'use strict';

const fs = require('fs');
const path = require('path');
const lunarJs = require('lunar-javascript');
const { Solar } = lunarJs;

const PACKAGE_VERSION = '1.7.7';
const TERM_NAMES = ['小寒', '大寒', '立春', '雨水', '惊蛰', '春分', '清明', '谷雨', '立夏', '小满',
                    '芒种', '夏至', '小暑', '大暑', '立秋', '处暑', '白露', '秋分', '寒露', '霜降',
                    '立冬', '小雪', '大雪', '冬至'];

const outDir = process.argv[2];
if (!outDir) {
    console.error('usage: make_fixture.js OUTPUT_FOLDER');
    process.exit(2);
}

function pad(n, width) {
    return String(n).padStart(width, '0');
}

function header(what, columns) {
    return [
        `# ${what}`,
        '# Mainland Chinese calendar, new moons and solar terms computed for UTC+8.',
        `# Derived from the npm package lunar-javascript ${PACKAGE_VERSION} (MIT licence)`,
        '# by tools/calendar/make_fixture.js; do not edit, regenerate instead.',
        `# Columns: ${columns}`,
    ].join('\n') + '\n';
}

let months = header('Lunar month starts, 1899-12 to 2101-01.',
                    'Gregorian date of day 1, lunar year, month number, leap (1) or regular (0)');
let terms = header('Solar-term days, 1899-12 to 2101-01.',
                   'Gregorian date, term index within that Gregorian year (1 = 小寒 ... 24 = 冬至), name');
let monthCount = 0;
let termCount = 0;

let solar = Solar.fromYmd(1899, 12, 1);
const last = Solar.fromYmd(2101, 1, 31);
let first = true;
while (!solar.isAfter(last)) {
    const lunar = solar.getLunar();
    const date = `${pad(solar.getYear(), 4)}-${pad(solar.getMonth(), 2)}-${pad(solar.getDay(), 2)}`;
    if (lunar.getDay() === 1 || first) {
        if (lunar.getDay() !== 1) {
            // The first month of the span starts earlier: step back to its day 1.
            const start = solar.next(1 - lunar.getDay());
            months += `${start.toYmd()} ${lunar.getYear()} ${Math.abs(lunar.getMonth())} ${lunar.getMonth() < 0 ? 1 : 0}\n`;
        } else {
            months += `${date} ${lunar.getYear()} ${Math.abs(lunar.getMonth())} ${lunar.getMonth() < 0 ? 1 : 0}\n`;
        }
        monthCount++;
        first = false;
    }
    const term = lunar.getJieQi();
    if (term) {
        const index = TERM_NAMES.indexOf(term) + 1;
        if (index === 0) {
            throw new Error(`unknown term name ${term} on ${date}`);
        }
        terms += `${date} ${index} ${term}\n`;
        termCount++;
    }
    solar = solar.next(1);
}

fs.writeFileSync(path.join(outDir, 'lunar_months.txt'), months);
fs.writeFileSync(path.join(outDir, 'solar_terms.txt'), terms);
console.log(`${monthCount} month starts, ${termCount} term days`);
