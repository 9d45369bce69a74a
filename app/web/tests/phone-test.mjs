// SPDX-License-Identifier: GPL-3.0-or-later
// The program on a phone's screen, 412 x 915 with touch: every window that is wider than the
// screen stands in one column, and every control and command is reached by a finger, each at
// least 48 pixels high; the start dialog, which fits, keeps its pixels.
import assert from 'node:assert/strict';
import {after, before, test} from 'node:test';

import {Browser, Phone} from '../chromium.mjs';
import {ProgramPage, programWindows, serve} from './program-page.mjs';

const windows = programWindows();
const cold = windows.calculator('cold room'), ice = windows.calculator('ice bank');

let browser, server;
before(async () => {
    browser = await Browser.launch();
    server = await serve(process.env.PAGE_FOLDER);
});
after(async () => {
    await browser.close();
    await server.stop();
});

async function start()
{
    const program = await ProgramPage.open(browser, `${server.origin}/coolingload.html`, Phone);
    // Where the browser offers a phone's own sharing, the sheet offers it; it and the print
    // dialog are recorded here.
    await program.page.evaluate(`navigator.share = async shared => { window.shared = shared; };
                                 window.print = () => { window.printed = document.title; }`);
    return program;
}

// What a finger can reach of a window: each shown control's height, and whether the page is
// wider than the screen.
function reach(program, window)
{
    return program.page.evaluate(`(() => {
        const shown = [...document.querySelectorAll('[data-name="${window}"] .client > [data-name]')]
            .filter(e => e.offsetParent && !e.matches('.label, .rule, .banner'));
        return {heights: Object.fromEntries(shown.map(e => [e.dataset.name, e.getBoundingClientRect().height])),
                column: document.querySelector('[data-name="${window}"]').classList.contains('column'),
                wider: document.documentElement.scrollWidth > innerWidth,
                numeric: [...document.querySelectorAll('[data-name="${window}"] input.edit')].every(e => e.inputMode === 'numeric')};
    })()`);
}

function assertReachable(seen, window)
{
    assert.equal(seen.column, true, `${window} stands in one column`);
    assert.equal(seen.wider, false, 'nothing stands beyond the screen\'s sides');
    assert.equal(seen.numeric, true, 'number fields bring the digit keypad');
    for (const [name, height] of Object.entries(seen.heights)) assert.ok(height >= 48, `${name} is ${height} px high`);
}

test('The cold room on a phone, every control and command by touch', async () => {
    const program = await start();
    // The start dialog fits the screen and keeps its pixels.
    assert.equal(await program.page.evaluate(`document.querySelector('[data-name="${windows.start}"]').classList.contains("column")`),
                 false);
    await program.click(ice.option);
    await program.click(cold.option);
    await program.click(windows.continue);
    assert.equal(await program.active(), cold.input);
    assertReachable(await reach(program, cold.input), cold.input);

    // Every list opens and takes a row by touch; the process rearranges the window.
    await program.click(cold.inInput('ComboBox1'));
    await program.clickRow(4);
    assert.equal(await program.text(cold.inInput('ComboBox4')), '25');
    await program.click(cold.inInput('ComboBox1'));
    await program.clickRow(0);
    for (const [list, row, text] of [['ComboBox6', 1, '95'], ['ComboBox2', 1, 'پلي يورتان 15 سانتي'], ['ComboBox3', 1, 'ماهي'],
                                     ['ComboBox4', 2, '5'], ['ComboBox5', 5, '25'], ['ComboBox7', 17, '20']]) {
        await program.click(cold.inInput(list));
        await program.clickRow(row);
        assert.equal(await program.text(cold.inInput(list)), text, list);
    }
    // The keyboard's digits, a Persian one among them.
    for (const [field, typed] of [['Edit2', '10'], ['Edit3', '5'], ['Edit4', '\u06F3']]) {
        await program.click(cold.inInput(field));
        await program.type(typed);
    }
    assert.equal(await program.text(cold.inInput('Edit4')), '3');
    await program.click(cold.inInput('Button2'));
    assert.equal((await program.box()).caption, 'Information');
    await program.click('Box.OK');
    assert.equal(await program.text(cold.inInput('Edit1')), '50000');
    await program.click(cold.calculate);
    assert.equal(await program.active(), cold.sheet);
    assertReachable(await reach(program, cold.sheet), cold.sheet);

    // The sheet's commands stand on it: copy and share hand on the sheet with its inputs.
    await program.click(cold.onSheet('Copy'));
    const copied = await program.clipboard();
    assert.ok(copied.includes('طول ابعاد سردخانه (متر): 10\n'), copied);
    await program.click(cold.onSheet('Share'));
    assert.equal(await program.page.evaluate('window.shared.text'), copied);
    // Print lays the report out and hands it to the print dialog: every row as the sheet shows it.
    await program.click(cold.onSheet('Print'));
    assert.match(await program.page.evaluate('window.printed'), /^نتيجه محاسبات - /);
    const printed = await program.page.evaluate('[...document.querySelectorAll(".report .run")].map(run => run.textContent)');
    for (const label of ['Label24', 'Label29'])
        assert.ok(printed.includes(await program.text(cold.onSheet(label))), label);
    await program.click(cold.back);
    assert.equal(await program.active(), cold.input);
    await program.click(cold.calculate);
    await program.closeBox(cold.sheet);
    assert.equal(await program.active(), cold.input);
    await program.click(cold.exit);
    assert.equal(await program.ended(), true);
    assert.deepEqual(program.page.errors, []);
    await program.close();
});

test('The ice bank on a phone, by touch', async () => {
    const program = await start();
    await program.click(ice.option);
    await program.click(windows.continue);
    assertReachable(await reach(program, ice.input), ice.input);
    await program.click(ice.inInput('Edit1'));
    await program.type('4000');
    for (const [list, row] of [['ComboBox1', 2], ['ComboBox2', 13], ['ComboBox3', 10]]) {
        await program.click(ice.inInput(list));
        await program.clickRow(row);
    }
    await program.click(ice.calculate);
    assertReachable(await reach(program, ice.sheet), ice.sheet);
    // 4000 x 1.163 x 29 / 18 and a fifth more: 8993 W.
    assert.equal(await program.text(ice.onSheet('Label6')), '8993  وات');
    await program.closeBox(ice.sheet);
    await program.click(ice.inInput('CloseBox'));
    assert.equal(await program.ended(), true);
    await program.close();
});
