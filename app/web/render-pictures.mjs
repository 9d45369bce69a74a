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

// A calculator opened from the start dialog, with its sample run typed into its input window.
async function openWithSample(device, calculator)
{
    const program = await ProgramPage.open(browser, url, device);
    await program.click(calculator.option);
    await program.click(windows.continue);
    for (const {control, text} of calculator.sample.fields) {
        await program.click(calculator.inInput(control));
        await program.type(text);
    }
    return program;
}

let program = await ProgramPage.open(browser, url, Desktop);
await windowShot(program, windows.start, 'start-dialog.png');
await program.close();
for (const calculator of windows.calculators) {
    const {picture, report} = calculator.sample;
    program = await openWithSample(Desktop, calculator);
    await windowShot(program, calculator.input, `${picture}.png`);
    await program.click(calculator.calculate);
    await windowShot(program, calculator.sheet, `${picture}-results.png`);
    if (report) {
        // The report as a printout shows it, on its A4 page.
        await program.page.evaluate('window.print = () => {}');
        await program.press('Ctrl+P');
        await program.page.send('Emulation.setEmulatedMedia', {media: 'print'});
        await program.page.send('Emulation.setDeviceMetricsOverride',
                                {width: 794, height: 1123, deviceScaleFactor: 1, mobile: false});
        await program.page.screenshot(join(output, `${picture}-report.png`));
    }
    await program.close();
}

// The calculator whose report is printed, on a phone too, at 96 pixels per inch as the desktop
// pictures are.
const phone = {...Phone, deviceScaleFactor: 1};
program = await ProgramPage.open(browser, url, phone);
await program.page.screenshot(join(output, 'phone-start-dialog.png'));
await program.close();
const printed = windows.calculators.find(calculator => calculator.sample.report);
program = await openWithSample(phone, printed);
await program.page.evaluate('scrollTo(0, 0)');
await program.page.screenshot(join(output, `phone-${printed.sample.picture}.png`), {wholePage: true});
await program.click(printed.calculate);
await program.page.screenshot(join(output, `phone-${printed.sample.picture}-results.png`));
await program.close();

await browser.close();
await server.stop();
