// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of the program's page for the README, taken in headless Chromium after the sample
// calculations of the desktop pictures: every window at a desktop's size, cut to the window,
// the input windows and a sheet on a phone's screen, whole, and the printed report's page.
// Usage: node render-pictures.mjs SERVED-FOLDER OUTPUT-FOLDER
import {join} from 'node:path';

import {Browser, Desktop, Phone} from './chromium.mjs';
import {ProgramPage, programWindows, serve} from './tests/program-page.mjs';

const [folder, output] = process.argv.slice(2);
const windows = programWindows(folder);
const cold = windows.calculator('cold room'), ice = windows.calculator('ice bank');
const browser = await Browser.launch();
const server = await serve(folder);
const url = `${server.origin}/coolingload.html`;

// The window's own rectangle, its frame and shadow included.
async function windowShot(program, name, file)
{
    const box = await program.page.evaluate(`(() => {
        const r = document.querySelector('[data-name="${name}"]').getBoundingClientRect();
        return {x: r.x - 2, y: r.y - 2, width: r.width + 8, height: r.height + 9, scale: 1}; })()`);
    const {data} = await program.page.send('Page.captureScreenshot', {format: 'png', clip: box});
    await import('node:fs').then(fs => fs.writeFileSync(join(output, file), Buffer.from(data, 'base64')));
}

async function enter(program, fields)
{
    for (const [field, text] of fields) {
        await program.click(field);
        await program.type(text);
    }
}

const coldRoom = [['Edit2', '10'], ['Edit3', '5'], ['Edit4', '3'], ['Edit1', '1000']]
    .map(([field, text]) => [cold.inInput(field), text]);

let program = await ProgramPage.open(browser, url, Desktop);
await windowShot(program, windows.start, 'start-dialog.png');
await program.click(windows.continue);
await enter(program, coldRoom);
await windowShot(program, cold.input, 'cold-room.png');
await program.click(cold.calculate);
await windowShot(program, cold.sheet, 'cold-room-results.png');
// The report as a printout shows it, on its A4 page.
await program.page.evaluate('window.print = () => {}');
await program.press('Ctrl+P');
await program.page.send('Emulation.setEmulatedMedia', {media: 'print'});
await program.page.send('Emulation.setDeviceMetricsOverride', {width: 794, height: 1123, deviceScaleFactor: 1, mobile: false});
await program.page.screenshot(join(output, 'cold-room-report.png'));
await program.close();

program = await ProgramPage.open(browser, url, Desktop);
await program.click(ice.option);
await program.click(windows.continue);
await enter(program, [[ice.inInput('Edit1'), '4000']]);
await windowShot(program, ice.input, 'ice-bank.png');
await program.click(ice.calculate);
await windowShot(program, ice.sheet, 'ice-bank-results.png');
await program.close();

// At 96 pixels per inch, as the desktop pictures are.
program = await ProgramPage.open(browser, url, {...Phone, deviceScaleFactor: 1});
await program.page.screenshot(join(output, 'phone-start-dialog.png'));
await program.click(windows.continue);
await enter(program, coldRoom);
await program.page.evaluate('scrollTo(0, 0)');
await program.page.screenshot(join(output, 'phone-cold-room.png'), {wholePage: true});
await program.click(cold.calculate);
await program.page.screenshot(join(output, 'phone-cold-room-results.png'));
await program.close();

await browser.close();
await server.stop();
