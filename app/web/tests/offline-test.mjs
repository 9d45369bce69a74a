// SPDX-License-Identifier: GPL-3.0-or-later
// The program as one file and as a folder to serve: the file within its size, opened from a
// disk it runs with no request to the network or to any other file, and the served folder
// installs and opens again once its server is gone.
import assert from 'node:assert/strict';
import {after, before, test} from 'node:test';
import {readFileSync} from 'node:fs';
import {join} from 'node:path';
import {pathToFileURL} from 'node:url';
import {gzipSync} from 'node:zlib';

import {Browser, Desktop} from '../chromium.mjs';
import {ProgramPage, programWindows, serve} from './program-page.mjs';

const folder = process.env.PAGE_FOLDER;
const windows = programWindows(folder);
const cold = windows.calculator('cold room');
const file = join(folder, 'coolingload.html');
let browser;
before(async () => { browser = await Browser.launch(); });
after(async () => { await browser.close(); });

// The room of the conformance suite: 10 x 5 x 3 m of chilled meat, 1000 kg a day: 4691 W.
async function calculate(program)
{
    await program.click(windows.continue);
    for (const [field, text] of [['Edit2', '10'], ['Edit3', '5'], ['Edit4', '3'], ['Edit1', '1000']]) {
        await program.click(cold.inInput(field));
        await program.type(text);
    }
    await program.click(cold.calculate);
    return program.text(cold.onSheet('Label24'));
}

test('The page is one file of at most 300 KB, 150 KB gzipped', () => {
    const page = readFileSync(file);
    assert.ok(page.length <= 300_000, `${page.length} bytes`);
    assert.ok(gzipSync(page, {level: 9}).length <= 150_000, `${gzipSync(page, {level: 9}).length} bytes gzipped`);
});

// The page's faces are cut down to the letters of the texts that the program holds, with the
// printable ASCII characters that a figure or a paste brings: each of these is drawn in them,
// regular and bold, rather than in a face of the system or as a box.
test('Every letter the program shows is in the page\'s own faces', async () => {
    const program = await ProgramPage.open(browser, pathToFileURL(file).href, Desktop);
    const ascii = String.fromCharCode(...Array.from({length: 0x7F - 0x20}, (_, i) => 0x20 + i));
    const texts = [windows.title, ...windows.texts, ...windows.windows.flatMap(window => window.texts), ascii];
    assert.deepEqual(await program.drawnInOtherFaces(texts, ['19px Nazli', 'bold 19px Nazli']), []);
    await program.close();
});

test('Opened from a disk, the page asks for nothing', async () => {
    const url = pathToFileURL(file).href;
    const program = await ProgramPage.open(browser, url, Desktop);
    assert.equal(await calculate(program), '4691  وات');
    assert.match(await program.page.evaluate('document.querySelector(\'meta[http-equiv="Content-Security-Policy"]\').content'),
                 /^default-src 'none';/);
    // Closing its last window leaves a page that says the program has ended, whose button
    // starts it again.
    await program.press('Enter');
    await program.closeBox(cold.input);
    assert.ok(await program.ended());
    const loaded = program.page.nextEvent('Page.loadEventFired');
    await program.page.click('[data-name="Ended.Again"]');
    await loaded;
    await program.started();
    assert.equal(await program.active(), windows.start);
    // Only the page's own file is read, and the faces and pictures it holds as data.
    assert.deepEqual(program.page.requests.filter(request => request !== url && !request.startsWith('data:')), []);
    assert.deepEqual(program.page.errors, []);
    await program.close();
});

test('Served, the program installs and opens again without its server', async () => {
    const server = await serve(join(folder, 'coolingload'));
    const page = await browser.newPage(Desktop);
    await page.open(`${server.origin}/`);
    await page.waitFor('document.body.dataset.ready === "yes"');
    const {errors, data} = await page.send('Page.getAppManifest');
    assert.deepEqual(errors, []);
    assert.deepEqual((await page.send('Page.getInstallabilityErrors')).installabilityErrors, []);
    const manifest = JSON.parse(data);
    assert.equal(manifest.lang, 'fa');
    assert.match(manifest.name, /^[\u0600-\u06FF]/);
    assert.ok([...manifest.short_name].length <= 12, manifest.short_name);
    await page.waitFor('navigator.serviceWorker.controller !== null');
    await server.stop();

    await page.open(`${server.origin}/`);
    const program = new ProgramPage(page, Desktop);
    await page.waitFor('document.body.dataset.ready === "yes"');
    assert.equal(await calculate(program), '4691  وات');
    assert.deepEqual(page.requests.filter(request => !request.startsWith(server.origin) && !request.startsWith('data:')), []);
    assert.deepEqual(page.errors, []);
    await page.close();
});
