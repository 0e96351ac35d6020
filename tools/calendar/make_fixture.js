#!/usr/bin/env node
// Writes the calendar reference fixture: every lunar month start and every
// solar-term day of the mainland Chinese calendar (new moons and solar terms
// computed astronomically for UTC+8) from 1899-12-01 to 2101-01-31, so that
// every day of 1900-01-01 ... 2100-12-31 is covered, with the first days of 2101
// that a birth at 23:00 on 2100-12-31 is counted with. Then the moment of every
// solar term of 1900-2100 to the second (Beijing time), and the year and month
// pillars of births ten minutes before and after every term that begins a solar
// month (节) of 1949-2050, taken at the exact moment.
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

// Term moments. A lunar year's table runs from the 大雪 before it to the 惊蛰 after;
// the keys of the following year's terms are written in pinyin.
const PINYIN_KEYS = { DA_XUE: '大雪', DONG_ZHI: '冬至', XIAO_HAN: '小寒', DA_HAN: '大寒',
                      LI_CHUN: '立春', YU_SHUI: '雨水', JING_ZHE: '惊蛰' };
function termMomentsOf(year) {
    const found = new Map();
    for (const probe of [Solar.fromYmd(year, 1, 15), Solar.fromYmd(year, 6, 1),
                         Solar.fromYmd(year, 12, 31)]) {
        const table = probe.getLunar().getJieQiTable();
        for (const key of Object.keys(table)) {
            const name = PINYIN_KEYS[key] || key;
            const moment = table[key];
            if (moment.getYear() === year) {
                found.set(name, moment);
            }
        }
    }
    return TERM_NAMES.map((name) => {
        if (!found.has(name)) {
            throw new Error(`no moment for ${name} of ${year}`);
        }
        return found.get(name);
    });
}

let moments = header('Solar-term moments, 1900-2100, Beijing time (UTC+8), to the second.',
                     'Gregorian date, time, term index within that year (1 = 小寒 ... 24 = 冬至), name');
let births = header('Year and month pillars of births ten minutes either side of every 节, 1949-2050.',
                    'Gregorian date, time (Beijing), year pillar, month pillar (exact: changed at the term\'s moment)');
let momentCount = 0;
let birthCount = 0;
for (let year = 1900; year <= 2100; year++) {
    termMomentsOf(year).forEach((moment, k) => {
        moments += `${moment.toYmdHms()} ${k + 1} ${TERM_NAMES[k]}\n`;
        momentCount++;
        // Odd indices here (小寒, 立春, 惊蛰 ...) are the twelve 节.
        if (year >= 1949 && year <= 2050 && k % 2 === 0) {
            for (const minutes of [-10, 10]) {
                const birth = Solar.fromJulianDay(moment.getJulianDay() + minutes / 1440);
                const lunar = birth.getLunar();
                births += `${birth.toYmd()} ${pad(birth.getHour(), 2)}:${pad(birth.getMinute(), 2)} ` +
                          `${lunar.getYearInGanZhiExact()} ${lunar.getMonthInGanZhiExact()}\n`;
                birthCount++;
            }
        }
    });
}

fs.writeFileSync(path.join(outDir, 'lunar_months.txt'), months);
fs.writeFileSync(path.join(outDir, 'solar_terms.txt'), terms);
fs.writeFileSync(path.join(outDir, 'solar_term_moments.txt'), moments);
fs.writeFileSync(path.join(outDir, 'term_births.txt'), births);
console.log(`${monthCount} month starts, ${termCount} term days, ${momentCount} term moments, ` +
            `${birthCount} births`);
