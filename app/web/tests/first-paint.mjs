// SPDX-License-Identifier: GPL-3.0-or-later
// First contentful paint of each page given, opened from its file in headless Chromium by
// turns, a fresh tab each time: the median of each and its ratio to the first page's; for a
// page whose program marks its start ("program-started"), the median of that too.
// Usage: node first-paint.mjs RUNS PAGE.html...
import {pathToFileURL} from 'node:url';

import {Browser, Desktop} from '../chromium.mjs';

const runs = Number(process.argv[2]);
const pages = process.argv.slice(3);
const times = pages.map(() => []);
const started = pages.map(() => []);
const browser = await Browser.launch();
for (let run = 0; run < runs; ++run) {
    for (const [i, path] of pages.entries()) {
        const page = await browser.newPage(Desktop);
        await page.open(pathToFileURL(path).href);
        await page.waitFor('performance.getEntriesByName("first-contentful-paint").length > 0');
        times[i].push(await page.evaluate('performance.getEntriesByName("first-contentful-paint")[0].startTime'));
        await new Promise(resolve => setTimeout(resolve, 200));
        const mark = await page.evaluate('performance.getEntriesByName("program-started")[0]?.startTime ?? null');
        if (mark !== null) started[i].push(mark);
        await page.close();
    }
}
await browser.close();
const median = values => values.sort((a, b) => a - b)[Math.floor(values.length / 2)];
const baseline = median(times[0]);
for (const [i, path] of pages.entries()) {
    const time = median(times[i]);
    const start = started[i].length ? `; the program started after ${median(started[i]).toFixed(1)} ms` : '';
    console.log(`${path}: first paint ${time.toFixed(1)} ms, ${(time / baseline).toFixed(2)} x the first${start}`);
}
