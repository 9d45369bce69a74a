// SPDX-License-Identifier: GPL-3.0-or-later
// Times the cold-room calculation in headless Chromium, in the page calc-timing.html: the
// median of ROUNDS rounds of RUNS calculations each, in nanoseconds per calculation.
// Usage: node calc-timing.mjs PAGE.html [ROUNDS] [RUNS]
import {pathToFileURL} from 'node:url';

import {Browser, Desktop} from '../chromium.mjs';

const [path, rounds = 15, runs = 200000] = process.argv.slice(2);
const browser = await Browser.launch();
const page = await browser.newPage(Desktop);
await page.open(pathToFileURL(path).href);
await page.waitFor('typeof Module._ColdRoomNanoseconds === "function" && runtimeInitialized');
await page.evaluate(`Module._ColdRoomNanoseconds(${runs})`);  // warmed up
const times = [];
for (let i = 0; i < rounds; ++i) times.push(await page.evaluate(`Module._ColdRoomNanoseconds(${runs})`));
await browser.close();
times.sort((a, b) => a - b);
console.log(`${times[Math.floor(times.length / 2)].toFixed(1)} ns per calculation in the page`);
