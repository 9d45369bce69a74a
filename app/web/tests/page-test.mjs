// SPDX-License-Identifier: GPL-3.0-or-later
// The packed page in headless Chromium, opened from a file as a user opens it from a disk: a
// handler that waits for its box writes the field only once the box is closed, a text that is
// no number reaches the general error box, and the page makes no request at all. Served from
// a folder, the page opens again once the server is gone.
import assert from 'node:assert/strict';
import {after, before, test} from 'node:test';
import {readFileSync} from 'node:fs';
import {createServer} from 'node:http';
import {join} from 'node:path';
import {pathToFileURL} from 'node:url';

import {Browser, Desktop, Phone} from './chromium.mjs';

const url = pathToFileURL(process.env.MODAL_WAIT_PAGE).href;
const screenshots = process.env.SCREENSHOTS;
let browser;

before(async () => { browser = await Browser.launch(); });
after(async () => { await browser.close(); });

const fieldValue = page => page.evaluate('document.getElementById("field").value');
const boxText = page => page.evaluate('backdrop.hidden ? null : document.getElementById("text").textContent');

async function openPage(device)
{
    const page = await browser.newPage(device);
    await page.open(url);
    await page.waitFor('document.body.dataset.ready === "yes"');
    return page;
}

// Only the page's own file is read, and the faces it holds as data; anything else was asked of
// the network or the disk.
function assertNoRequest(page)
{
    assert.deepEqual(page.requests.filter(request => request !== url && !request.startsWith('data:')), []);
    assert.deepEqual(page.errors, []);
}

test('Enter waits for the box before the field changes, on a desktop', async () => {
    const page = await openPage(Desktop);
    await page.type('1500');
    await page.press('Enter');
    await page.waitFor('!backdrop.hidden');
    assert.equal(await boxText(page), '3000');
    // The handler waits: the field still holds what was typed while the box is up.
    await new Promise(resolve => setTimeout(resolve, 100));
    assert.equal(await fieldValue(page), '1500');
    await page.screenshot(join(screenshots, 'modal-wait-desktop.png'));
    await page.click('#ok');
    await page.waitFor('backdrop.hidden');
    assert.equal(await fieldValue(page), '3000');
    assertNoRequest(page);
    await page.close();
});

test('A text that is no number shows the general error box, on a phone by touch', async () => {
    const page = await openPage(Phone);
    assert.equal(await page.evaluate('matchMedia("(pointer: coarse)").matches'), true);
    await page.tap('#field');
    await page.type('abc');
    await page.press('Enter');
    await page.waitFor('!backdrop.hidden');
    assert.equal(await page.evaluate('document.getElementById("caption").textContent'), 'ModalWait');
    assert.equal(await boxText(page), "'abc' is not a valid integer value.");
    await page.screenshot(join(screenshots, 'modal-wait-phone.png'));
    await page.tap('#ok');
    await page.waitFor('backdrop.hidden');
    // The program goes on: the next Enter runs the handler again.
    await page.evaluate('document.getElementById("field").value = ""');
    await page.type('21');
    await page.press('Enter');
    await page.waitFor('!backdrop.hidden');
    assert.equal(await boxText(page), '42');
    await page.tap('#ok');
    await page.waitFor('document.getElementById("field").value === "42"');
    assertNoRequest(page);
    await page.close();
});

// The folder's files over HTTP on a port of the system's choosing, on this machine only.
async function serve(folder)
{
    const types = {html: 'text/html', js: 'text/javascript', webmanifest: 'application/manifest+json', svg: 'image/svg+xml'};
    const server = createServer((request, response) => {
        const name = new URL(request.url, 'http://localhost').pathname.slice(1) || 'index.html';
        try {
            const content = readFileSync(join(folder, name.replaceAll('/', '')));
            response.writeHead(200, {'Content-Type': types[name.split('.').pop()] ?? 'application/octet-stream'});
            response.end(content);
        } catch {
            response.writeHead(404).end();
        }
    });
    await new Promise(resolve => server.listen(0, '127.0.0.1', resolve));
    return server;
}

test('The served folder opens again without its server', async () => {
    const server = await serve(process.env.MODAL_WAIT_SITE);
    const origin = `http://127.0.0.1:${server.address().port}`;
    const page = await browser.newPage(Desktop);
    await page.open(`${origin}/`);
    await page.waitFor('document.body.dataset.ready === "yes"');
    await page.evaluate('navigator.serviceWorker.ready.then(() => true)');
    await page.waitFor('navigator.serviceWorker.controller !== null');
    assert.equal(await page.evaluate('caches.keys().then(names => names.length)'), 1);
    server.closeAllConnections();
    await new Promise(resolve => server.close(resolve));

    await page.open(`${origin}/`);
    await page.waitFor('document.body.dataset.ready === "yes"');
    await page.type('8');
    await page.press('Enter');
    await page.waitFor('!backdrop.hidden');
    await page.click('#ok');
    await page.waitFor('document.getElementById("field").value === "16"');
    assert.deepEqual(page.requests.filter(request => !request.startsWith(origin) && !request.startsWith('data:')), []);
    assert.deepEqual(page.errors, []);
    await page.close();
});
