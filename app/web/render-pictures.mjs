// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of the program's page for the README, taken in headless Chromium after the sample
// calculations of the desktop pictures: every window at a desktop's size, cut to the window,
// the input windows and a sheet on a phone's screen, whole, and the printed report's page.
// Usage: node render-pictures.mjs SERVED-FOLDER OUTPUT-FOLDER
import {join} from 'node:path';

import {Browser, Desktop, Phone} from './chromium.mjs';
import {ProgramPage, serve} from './tests/program-page.mjs';

const [folder, output] = process.argv.slice(2);
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

const coldRoom = [['Form2.Edit2', '10'], ['Form2.Edit3', '5'], ['Form2.Edit4', '3'], ['Form2.Edit1', '1000']];

let program = await ProgramPage.open(browser, url, Desktop);
await windowShot(program, 'Form1', 'start-dialog.png');
await program.click('Form1.BitBtn1');
await enter(program, coldRoom);
await windowShot(program, 'Form2', 'cold-room.png');
await program.click('Form2.Button1');
await windowShot(program, 'Form3', 'cold-room-results.png');
// The report as a printout shows it, on its A4 page.
await program.page.evaluate('window.print = () => {}');
await program.press('Ctrl+P');
await program.page.send('Emulation.setEmulatedMedia', {media: 'print'});
await program.page.send('Emulation.setDeviceMetricsOverride', {width: 794, height: 1123, deviceScaleFactor: 1, mobile: false});
await program.page.screenshot(join(output, 'cold-room-report.png'));
await program.close();

program = await ProgramPage.open(browser, url, Desktop);
await program.click('Form1.RadioButton1');
await program.click('Form1.BitBtn1');
await enter(program, [['Form4.Edit1', '4000']]);
await windowShot(program, 'Form4', 'ice-bank.png');
await program.click('Form4.Button1');
await windowShot(program, 'Form5', 'ice-bank-results.png');
await program.close();

// At 96 pixels per inch, as the desktop pictures are.
program = await ProgramPage.open(browser, url, {...Phone, deviceScaleFactor: 1});
await program.page.screenshot(join(output, 'phone-start-dialog.png'));
await program.click('Form1.BitBtn1');
await enter(program, coldRoom);
await program.page.evaluate('scrollTo(0, 0)');
await program.page.screenshot(join(output, 'phone-cold-room.png'), {wholePage: true});
await program.click('Form2.Button1');
await program.page.screenshot(join(output, 'phone-cold-room-results.png'));
await program.close();

await browser.close();
await server.stop();
