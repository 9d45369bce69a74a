// SPDX-License-Identifier: GPL-3.0-or-later
// The window rules' scenarios played on the browser face: the program's page in the engine
// that ENGINE names (engines.mjs), the user played through the browser's own key and pointer
// input, and what the page shows read back from its elements. The scenarios are the suite's own rows, written
// out by the suite's program (ScenarioRows.cpp).
import assert from 'node:assert/strict';
import {execFileSync} from 'node:child_process';
import {after, before, test} from 'node:test';

import {Desktop, engine, launch} from '../engines.mjs';
import {ProgramPage, programWindows, serve} from './program-page.mjs';

const scenarios = JSON.parse(execFileSync(process.execPath, [process.env.SCENARIO_ROWS], {encoding: 'utf8'}));
const windows = programWindows().windows;
let browser, server;

before(async () => {
    browser = await launch();
    server = await serve(process.env.PAGE_FOLDER);
});
after(async () => {
    await browser.close();
    await server.stop();
});

// Typing on a list seeks afresh after this many milliseconds (Shell::TypeAheadPause).
const typeAheadPause = 1000;
// Notches enough to turn any window's client area from one end to the other.
const wheelToTheEnd = 40;
const inside = (box, area) => box.left >= area.left && box.top >= area.top &&
                              box.left + box.width <= area.left + area.width && box.top + box.height <= area.top + area.height;
const print = box => `${box.left},${box.top} ${box.width}x${box.height}`;

const lines = text => text.split(/\r\n|\r|\n/);
const sameLines = (seen, expected) => JSON.stringify(lines(seen)) === JSON.stringify(lines(expected));
// Whether the lines wanted are said, in their order, among those said.
const inOrder = (wanted, said) => said.reduce((at, line) => at + (at < wanted.length && line === wanted[at]), 0) === wanted.length;

// Plays one scenario and returns what was not seen as its rows say, one line each.
async function play(scenario)
{
    const failures = [];
    let program = null;
    let announced = [], heardFrom = 0;  // what the live region said; the first no Announced row matched
    for (const [i, row] of scenario.rows.entries()) {
        const window = row.target.split('.')[0];
        const fail = seen => failures.push(`${scenario.name}, row ${i + 1} (${row.target} ${row.text}): ${seen}`);
        const expect = (held, seen) => { if (!held) fail(seen); };
        switch (row.what) {
        case 'Start':
            await program?.close();
            program = await ProgramPage.open(browser, `${server.origin}/coolingload.html`, Desktop);
            [announced, heardFrom] = [[], 0];
            break;
        case 'Press': await program.press(row.text); break;
        case 'Type': await program.type(row.text); break;
        case 'Paste': await program.paste(row.text); break;
        case 'Click':
        case 'OpenList': await program.click(row.target); break;
        case 'ClickRow': await program.clickRow(Number(row.text)); break;
        case 'CloseBox': await program.closeBox(window); break;
        case 'Pause': await new Promise(resolve => setTimeout(resolve, typeAheadPause + 100)); break;
        case 'DecimalComma': await program.decimalComma(); break;
        case 'Text': {
            const seen = await program.text(row.target);
            expect(seen === row.text, `shows "${seen}"`);
            break;
        }
        case 'Selected': {
            const seen = await program.selected(row.target);
            expect(seen === row.text, `"${seen}" is selected`);
            break;
        }
        case 'Focus': {
            const seen = await program.focused();
            expect(seen === row.target, `the focus is on "${seen}"`);
            break;
        }
        case 'Active': {
            const seen = await program.active();
            expect(seen === row.target, `the user works in "${seen}"`);
            break;
        }
        case 'Box':
        case 'BoxCaption': {
            const box = await program.box();
            if (!box) {
                fail('no box stands open');
                break;
            }
            const seen = row.what === 'Box' ? box.text : box.caption;
            expect(sameLines(seen, row.text), `the box says "${seen}"`);
            break;
        }
        case 'NoBox': {
            const box = await program.box();
            expect(!box, `a box stands open: "${box?.text}"`);
            break;
        }
        case 'Clipboard': {
            const seen = await program.clipboard();
            expect(lines(seen).includes(row.text), `the clipboard holds "${seen}"`);
            break;
        }
        case 'InkAt':
        case 'RowsAt': {
            const seen = row.what === 'InkAt' ? await program.inkOf(row.target) : await program.rowsOfOpenList();
            expect(seen === row.text, `the ink stands ${seen}`);
            break;
        }
        case 'Whole': expect(await program.drawnWhole(row.target), 'the text is cut'); break;
        case 'Ended': expect(await program.ended(), 'the program still runs'); break;
        case 'Wheel': await program.wheel(window, row.text === 'up' ? -wheelToTheEnd : wheelToTheEnd); break;
        case 'OnScreen': {
            const box = await program.boxOf(row.target), shown = await program.boxOf(window, {shown: true});
            const work = await program.workArea();
            expect(inside(box, shown) && inside(box, work),
                   `it stands at ${print(box)}, the window shows ${print(shown)}, the page ${print(work)}`);
            break;
        }
        case 'InWorkArea': {
            const frame = await program.boxOf(window), work = await program.workArea();
            expect(frame.top >= work.top && frame.top + frame.height <= work.top + work.height,
                   `its frame stands at ${print(frame)}, the page shows ${print(work)}`);
            break;
        }
        case 'ListOnScreen': {
            const seen = await program.openListOnScreen();
            if (!seen) {
                fail('no list stands open');
                break;
            }
            const work = await program.workArea(), placed = await program.rowsPlaced(seen, work);
            expect(inside(seen.box, work) && seen.rows >= placed,
                   `it stands at ${print(seen.box)} showing ${seen.rows} rows, not ${placed} inside ${print(work)}`);
            break;
        }
        case 'Named':
        case 'HeardValue': {
            const heard = await program.heard(row.target);
            const said = row.what === 'Named' ? heard.name : heard.value;
            expect(said === row.text, `heard "${said}"`);
            break;
        }
        case 'InputsNamed':
            for (const input of windows.find(described => described.name === window).inputs) {
                const heard = await program.heard(`${window}.${input.control}`);
                if (!heard.shown) continue;
                let caption = (await program.text(`${window}.${input.captionLabel}`)).trim();
                if (input.unitLabel) caption += ` ${(await program.text(`${window}.${input.unitLabel}`)).trim()}`;
                expect(heard.name === caption, `${input.control} is heard "${heard.name}", not "${caption}"`);
            }
            break;
        case 'Announced': {
            announced.push(...await program.announcements());
            const found = announced.findIndex((said, at) => at >= heardFrom && inOrder(lines(row.text), said.split('\n')));
            if (found >= 0) heardFrom = found + 1;
            else fail(announced.length > heardFrom ? `announced "${announced.slice(heardFrom).join('" "')}"` : 'nothing was announced');
            break;
        }
        default: fail(`no such row: ${row.what}`);
        }
    }
    assert.deepEqual(await program.page.pageErrors(), [], `${scenario.name}: the page reported errors`);
    await program.close();
    return failures;
}

// Rows that only Chromium's remote control can read back, from the browser's accessibility tree:
// Firefox's and WebKitGTK's give no computed name or value. Their scenarios are skipped in the
// other engines, named in the test's report.
const heardRows = ['Named', 'HeardValue', 'InputsNamed', 'Announced'];

for (const scenario of scenarios) {
    const skip = engine !== 'chromium' && scenario.rows.some(row => heardRows.includes(row.what)) &&
                 `what a screen reader is told: ${engine}'s remote control cannot read its accessibility tree`;
    test(scenario.name, {skip}, async () => assert.deepEqual(await play(scenario), []));
}
