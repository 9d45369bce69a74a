// SPDX-License-Identifier: GPL-3.0-or-later
// The program on a phone's screen, 412 x 915 and 360 x 640 with touch, and a tablet's: every
// window that is wider than the screen stands in one column, opens at its top, and every
// control, list row and command is reached by a finger, each at least 48 pixels high; the start
// dialog, which fits, keeps its pixels, and so does a sheet on a tablet, with its commands
// under it.
import assert from 'node:assert/strict';
import {after, before, test} from 'node:test';

import {Browser, Phone} from '../chromium.mjs';
import {ProgramPage, programWindows, serve} from './program-page.mjs';

const windows = programWindows();
const cold = windows.calculator('cold room'), ice = windows.calculator('ice bank');

const SmallPhone = {...Phone, width: 360, height: 640, deviceScaleFactor: 3};
const Tablet = {width: 768, height: 1024, deviceScaleFactor: 2, mobile: true, touch: true};

let browser, server;
before(async () => {
    browser = await Browser.launch();
    server = await serve(process.env.PAGE_FOLDER);
});
after(async () => {
    await browser.close();
    await server.stop();
});

async function start(device = Phone)
{
    const program = await ProgramPage.open(browser, `${server.origin}/coolingload.html`, device);
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
                atTop: (e => Math.round(e.getBoundingClientRect().top) === 0 && e.scrollTop === 0)(
                    document.querySelector('[data-name="${window}"]')),
                numeric: [...document.querySelectorAll('[data-name="${window}"] input.edit')].every(e => e.inputMode === 'numeric')};
    })()`);
}

function assertReachable(seen, window)
{
    assert.equal(seen.column, true, `${window} stands in one column`);
    assert.equal(seen.atTop, true, `${window} opens at its top`);
    assert.equal(seen.wider, false, 'nothing stands beyond the screen\'s sides');
    assert.equal(seen.numeric, true, 'number fields bring the digit keypad');
    for (const [name, height] of Object.entries(seen.heights)) assert.ok(height >= 48, `${name} is ${height} px high`);
}

for (const device of [Phone, SmallPhone]) {
    test(`The cold room at ${device.width} x ${device.height}, every control and command by touch`, async () => {
        const program = await start(device);
        // The start dialog keeps its pixels where it fits the screen.
        assert.equal(await program.page.evaluate(`document.querySelector('[data-name="${windows.start}"]').classList.contains("column")`),
                     device.width < 386);
        await program.click(ice.option);
        await program.click(cold.option);
        await program.click(windows.continue);
        assert.equal(await program.active(), cold.input);
        assertReachable(await reach(program, cold.input), cold.input);

        // The keyboard's composed text goes through the digit filter: a Persian digit is its digit, a
        // letter is dropped.
        for (const [field, typed] of [['Edit2', '1a0'], ['Edit3', '5'], ['Edit4', '\u06F3']]) {
            await program.click(cold.inInput(field));
            await program.type(typed);
        }
        assert.equal(await program.text(cold.inInput('Edit2')), '10');
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

    test(`The ice bank at ${device.width} x ${device.height}, by touch`, async () => {
        const program = await start(device);
        await program.click(ice.option);
        await program.click(windows.continue);
        assertReachable(await reach(program, ice.input), ice.input);
        for (const [list, row] of [['ComboBox1', 2], ['ComboBox2', 13], ['ComboBox3', 10]]) {
            await program.click(ice.inInput(list));
            await program.clickRow(row);
        }
        // A run refuses the empty volume and writes "0" in it; a tap in the field's middle, far
        // from its right-aligned text, selects it, and the volume typed replaces it.
        await program.click(ice.calculate);
        await program.click('Box.OK');
        assert.equal(await program.text(ice.inInput('Edit1')), '0');
        await program.page.tap(`[data-name="${ice.inInput('Edit1')}"]`);
        await program.settle();
        await program.type('4000');
        assert.equal(await program.text(ice.inInput('Edit1')), '4000');
        await program.click(ice.calculate);
        assertReachable(await reach(program, ice.sheet), ice.sheet);
        // 4000 x 1.163 x 29 / 18 and a fifth more: 8993 W.
        assert.equal(await program.text(ice.onSheet('Label6')), '8993  وات');
        await program.closeBox(ice.sheet);
        await program.click(ice.inInput('CloseBox'));
        assert.equal(await program.ended(), true);
        await program.close();
    });
}

// Every list of both input windows opens whole on the screen, below its field or above it,
// wherever the field stands, and its last and first rows are taken by a finger; the cold room's
// produce list, shown for its last process, too.
for (const device of [Phone, SmallPhone]) {
    test(`Every list by touch at ${device.width} x ${device.height}`, async () => {
        for (const [option, window] of [[cold.option, cold.input], [ice.option, ice.input]]) {
            const program = await start(device);
            await program.click(option);
            await program.click(windows.continue);
            assert.equal(await program.drawnWhole(`${window}.Image1`), true, 'the banner\'s title fits');
            const lists = await program.page.evaluate(`[...document.querySelectorAll('[data-name="${window}"] .list')]
                .map(e => e.dataset.name)`);
            const tried = new Set();
            for (const pass of [0, 1]) {
                if (pass === 1) {
                    if (window !== cold.input) break;
                    await program.click(cold.inInput('ComboBox1'));
                    await program.clickRow(4);
                }
                for (const list of lists) {
                    const shown = await program.page.evaluate(`(e => !!e.offsetParent && !e.matches('.disabled'))(
                        document.querySelector('[data-name="${list}"]'))`);
                    if (!shown || tried.has(list)) continue;
                    tried.add(list);
                    for (const block of ['start', 'end']) {
                        for (const row of ['last', 'first']) {
                            await program.page.evaluate(`document.querySelector('[data-name="${list}"]').scrollIntoView({block: '${block}'})`);
                            await program.settle();
                            await program.click(list);
                            const open = await program.page.evaluate(`(() => {
                                const rows = document.querySelector('.rows');
                                if (!rows) return {inside: false};
                                const r = rows.getBoundingClientRect();
                                return {inside: r.top >= 0 && r.bottom <= innerHeight && r.left >= 0 && r.right <= innerWidth,
                                        texts: [...rows.children].map(row => row.textContent)}; })()`);
                            assert.ok(open.inside, `${list} opens whole on the screen, its field at the screen's ${block}`);
                            const position = row === 'first' ? 0 : open.texts.length - 1;
                            await program.clickRow(position);
                            assert.equal(await program.text(list), open.texts[position], `${list}, its ${row} row`);
                        }
                    }
                }
            }
            assert.equal(tried.size, lists.length, 'every list was tried');
            assert.deepEqual(program.page.errors, []);
            await program.close();
        }
    });
}

// On a tablet the sheet keeps its pixels, opens whole on the screen over the input window's
// column scrolled down to Calculate, and its commands stand under it for a finger; a finger
// held on the sheet opens its menu.
test('A sheet on a tablet, by touch', async () => {
    const program = await start(Tablet);
    await program.click(windows.continue);
    for (const [field, typed] of [['Edit2', '10'], ['Edit3', '5'], ['Edit4', '3'], ['Edit1', '1000']]) {
        await program.click(cold.inInput(field));
        await program.type(typed);
    }
    await program.click(cold.calculate);
    assert.equal(await program.active(), cold.sheet);
    const sheet = await program.page.evaluate(`(e => ({column: e.classList.contains('column'), top: e.getBoundingClientRect().top,
        bottom: e.getBoundingClientRect().bottom, scrolled: scrollY}))(document.querySelector('[data-name="${cold.sheet}"]'))`);
    assert.equal(sheet.column, false, 'the sheet keeps its pixels');
    assert.ok(sheet.scrolled > 0 && sheet.top >= 0 && sheet.bottom <= Tablet.height, `the sheet stands on the screen: ${JSON.stringify(sheet)}`);
    await program.click(cold.onSheet('Copy'));
    assert.ok((await program.clipboard()).includes('4691  وات'));
    await program.click(cold.onSheet('Share'));
    assert.ok((await program.page.evaluate('window.shared.text')).includes('4691  وات'));
    const at = await program.page.centreOf(`[data-name="${cold.onSheet('Label24')}"]`);
    await program.page.send('Input.dispatchTouchEvent', {type: 'touchStart', touchPoints: [at]});
    await new Promise(resolve => setTimeout(resolve, 800));
    await program.page.send('Input.dispatchTouchEvent', {type: 'touchEnd', touchPoints: []});
    await program.settle();
    assert.equal(await program.page.evaluate('document.querySelectorAll(".menu").length'), 1, 'the held finger opens the menu');
    await program.page.evaluate('navigator.clipboard.writeText("")');
    await program.page.tap('.menu [data-action="copy-sheet"]');
    await program.settle();
    assert.equal(await program.page.evaluate('document.querySelectorAll(".menu").length'), 0);
    assert.ok((await program.clipboard()).includes('4691  وات'));
    assert.deepEqual(program.page.errors, []);
    await program.close();
});
