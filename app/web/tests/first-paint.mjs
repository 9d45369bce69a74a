// SPDX-License-Identifier: GPL-3.0-or-later
// First contentful paint of each page given, opened from its file in headless Chromium by
// turns, a fresh tab each time: the median of each and its ratio to the first page's.
// Usage: node first-paint.mjs RUNS PAGE.html...
import {pathToFileURL} from 'node:url';

import {Browser, Desktop} from '../chromium.mjs';

const runs = Number(process.argv[2]);
const pages = process.argv.slice(3);
const times = pages.map(() => []);
const browser = await Browser.launch();
for (let run = 0; run < runs; ++run) {
    for (const [i, path] of pages.entries()) {
        const page = await browser.newPage(Desktop);
        await page.open(pathToFileURL(path).href);
        await page.waitFor('performance.getEntriesByName("first-contentful-paint").length > 0');
        times[i].push(await page.evaluate('performance.getEntriesByName("first-contentful-paint")[0].startTime'));
        await page.close();
    }
}
await browser.close();
const median = values => values.sort((a, b) => a - b)[Math.floor(values.length / 2)];
const baseline = median(times[0]);
for (const [i, path] of pages.entries()) {
    const time = median(times[i]);
    console.log(`${path}: ${time.toFixed(1)} ms, ${(time / baseline).toFixed(2)} x the first`);
}
