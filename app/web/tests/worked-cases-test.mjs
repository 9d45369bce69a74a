// SPDX-License-Identifier: GPL-3.0-or-later
// Worked cases of both calculators entered through the program's page in the engine that
// ENGINE names (engines.mjs), as a user enters them, and the result sheets read back exact to
// the text.
import assert from 'node:assert/strict';
import {after, before, test} from 'node:test';

import {Desktop, launch} from '../engines.mjs';
import {ProgramPage, programWindows, serve} from './program-page.mjs';
import {CapacityError, ColdRoomCases, CopyFailed, DimensionsError, IceBankCases, Processes, SheetRows, SuggestionCases,
        SuggestionNotice, TubeSizes, VolumeTooSmall} from './worked-cases.mjs';

const windows = programWindows();
const cold = windows.calculator('cold room'), ice = windows.calculator('ice bank');

let browser, server;
before(async () => {
    browser = await launch();
    server = await serve(process.env.PAGE_FOLDER);
});
after(async () => {
    await browser.close();
    await server.stop();
});

async function start(calculator)
{
    const program = await ProgramPage.open(browser, `${server.origin}/coolingload.html`, Desktop);
    if (calculator === 'ice bank') await program.click(ice.option);
    await program.click(windows.continue);
    return program;
}

// Chooses a list's item by its text, through the open list.
async function choose(program, list, item)
{
    await program.click(list);
    const row = await program.page.evaluate(`[...document.querySelectorAll('.rows .row')]
        .findIndex(row => row.textContent.replaceAll('\\u200e', '') === ${JSON.stringify(item)})`);
    assert.ok(row >= 0, `${list} holds no item ${item}`);
    await program.clickRow(row);
}

async function typeInto(program, field, text)
{
    await program.click(field);
    await program.type(text);
}

async function enterRoom(program, c)
{
    for (const [list, item] of Object.entries(c.before ?? {})) await choose(program, cold.inInput(list), item);
    if (c.process !== 'chilled') {
        await program.click(cold.inInput('ComboBox1'));
        await program.clickRow(Processes[c.process]);
    }
    for (const [i, field] of ['Edit2', 'Edit3', 'Edit4'].map(cold.inInput).entries()) await typeInto(program, field, c.sides[i]);
    for (const [list, item] of Object.entries(c.lists ?? {})) await choose(program, cold.inInput(list), item);
    if (c.capacity) await typeInto(program, cold.inInput('Edit1'), c.capacity);
    if (c.paste) {
        await program.click(cold.inInput('Edit1'));
        await program.paste(c.paste);
    }
    if (c.suggest) {
        await program.click(cold.inInput('Button2'));
        await program.press('Enter');
        assert.equal(await program.text(cold.inInput('Edit1')), c.suggest);
    }
}

for (const c of ColdRoomCases) {
    test(`cold room: ${c.what}`, async () => {
        const program = await start('cold room');
        await enterRoom(program, c);
        await program.click(cold.calculate);
        assert.equal(await program.active(), cold.sheet);
        if (c.sheet) {
            const shown = [];
            for (const label of SheetRows) shown.push(await program.text(cold.onSheet(label)));
            assert.deepEqual(shown, c.sheet);
        }
        for (const [label, text] of Object.entries(c.labels ?? {}))
            assert.equal(await program.text(cold.onSheet(label)), text, label);
        assert.deepEqual(await program.page.pageErrors(), []);
        await program.close();
    });
}

// The handler waits for the notice: the field keeps what the user typed until the notice is
// closed, and then takes the suggestion whole.
test('cold room: the suggested capacity comes after its notice', async () => {
    const program = await start('cold room');
    for (const c of SuggestionCases) {
        await program.click(cold.inInput('ComboBox1'));
        await program.clickRow(Processes[c.process]);
        for (const [i, field] of ['Edit2', 'Edit3', 'Edit4'].map(cold.inInput).entries()) {
            await program.click(field);
            await program.type('\b\b' + c.sides[i]);
        }
        await typeInto(program, cold.inInput('Edit1'), '\b'.repeat(10) + '7');
        await program.click(cold.inInput('Button2'));
        assert.deepEqual(await program.box(), {caption: 'Information', text: SuggestionNotice});
        assert.equal(await program.text(cold.inInput('Edit1')), '7');
        await program.click('Box.OK');
        assert.equal(await program.box(), null);
        assert.equal(await program.text(cold.inInput('Edit1')), c.capacity, c.sides.join(' x '));
    }
    await program.close();
});

test('cold room: an empty side, then an empty capacity, is refused', async () => {
    const program = await start('cold room');
    await typeInto(program, cold.inInput('Edit2'), '10');
    await program.click(cold.calculate);
    assert.deepEqual(await program.box(), {caption: 'Error', text: DimensionsError});
    await program.press('Enter');
    for (const [field, text] of [[cold.inInput('Edit3'), '5'], [cold.inInput('Edit4'), '3']]) {
        await typeInto(program, field, '\b' + text);
    }
    await program.click(cold.calculate);
    assert.deepEqual(await program.box(), {caption: 'Error', text: CapacityError});
    await program.press('Escape');
    assert.equal(await program.active(), cold.input);
    assert.equal(await program.text(cold.inInput('Edit1')), '0');
    await program.close();
});

for (const c of IceBankCases) {
    test(`ice bank: ${c.volume} l from ${c.inlet} C in ${c.hours} h, ${TubeSizes[c.tube]}`, async () => {
        const program = await start('ice bank');
        await typeInto(program, ice.inInput('Edit1'), c.volume);
        await program.click(ice.inInput('ComboBox1'));
        await program.clickRow(c.tube);
        await choose(program, ice.inInput('ComboBox2'), c.hours);
        await choose(program, ice.inInput('ComboBox3'), c.inlet);
        await program.click(ice.calculate);
        assert.equal(await program.active(), ice.sheet);
        const expected = {Label6: `${c.capacity}  وات`, Label28: `${c.count}  عدد`, Label29: `${c.hp}  اسب`,
                          Label30: `Bitzer ${c.model}`, Label22: `${c.surface}  متر مربع`, Label2: `${c.tube_m}  متر`,
                          Label4: '1 درجه سانتيگراد', Label31: 'R22    ,   DT = 10C', Label32: 'Cond. temp = 40C'};
        for (const [label, text] of Object.entries(expected))
            assert.equal(await program.text(ice.onSheet(label)), text, label);
        assert.deepEqual(await program.page.pageErrors(), []);
        await program.close();
    });
}

test('ice bank: tanks below a thousand litres are refused', async () => {
    const program = await start('ice bank');
    await program.click(ice.calculate);
    assert.deepEqual(await program.box(), {caption: 'Error', text: VolumeTooSmall});
    await program.press('Enter');
    await typeInto(program, ice.inInput('Edit1'), '\b999');
    await program.click(ice.calculate);
    assert.deepEqual(await program.box(), {caption: 'Error', text: VolumeTooSmall});
    await program.press('Enter');
    assert.equal(await program.text(ice.onSheet('Label6')), '');
    await program.close();
});

// The sheet's menu holds its commands with their keys.
test('cold room: the sheet\'s menu', async () => {
    const program = await start('cold room');
    await enterRoom(program, ColdRoomCases[0]);
    await program.click(cold.calculate);
    await program.page.rightClick(`[data-name="${cold.onSheet('Label12')}"]`);
    await program.settle();
    assert.deepEqual(await program.page.evaluate(`[...document.querySelectorAll('[data-name="${cold.onSheet('Menu')}"] .item')]
        .map(item => item.textContent)`), ['کپيCtrl+C', 'چاپCtrl+P']);
    // Where the browser refuses the Clipboard API, the copy goes through the copy command.
    await program.page.evaluate('navigator.clipboard.writeText = () => Promise.reject(new Error("refused"))');
    await program.page.click(`[data-name="${cold.onSheet('Menu')}"] [data-action="copy-sheet"]`);
    assert.ok((await program.clipboard()).includes('مجموع کل بارها: 4691  وات\n'));
    // Where neither takes it, the user is told.
    await program.page.evaluate('document.execCommand = () => false');
    await program.press('Ctrl+C');
    assert.deepEqual(await program.box(), {caption: 'Error', text: CopyFailed});
    await program.press('Enter');
    assert.equal(await program.active(), cold.sheet);
    await program.close();
});
