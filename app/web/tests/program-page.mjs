// SPDX-License-Identifier: GPL-3.0-or-later
// The program's page in a browser (engines.mjs), driven as a person drives it: windows found in
// the program's list of them, controls by the names their elements carry ("Window.Control"),
// keys, clicks and taps through the browser's own input, and what the page shows read back from
// its elements.
import {readFileSync} from 'node:fs';
import {createServer} from 'node:http';
import {extname, join} from 'node:path';

/// A folder's files over HTTP on a port of the system's choosing, on this machine only.
export async function serve(folder)
{
    const types = {'.html': 'text/html', '.js': 'text/javascript', '.webmanifest': 'application/manifest+json',
                   '.svg': 'image/svg+xml', '.png': 'image/png'};
    const server = createServer((request, response) => {
        const name = new URL(request.url, 'http://localhost').pathname.slice(1) || 'index.html';
        try {
            const content = readFileSync(join(folder, ...name.split('/').filter(part => part && part !== '..')));
            response.writeHead(200, {'Content-Type': types[extname(name)] ?? 'application/octet-stream'});
            response.end(content);
        } catch {
            response.writeHead(404).end();
        }
    });
    await new Promise(resolve => server.listen(0, '127.0.0.1', resolve));
    server.unref();  // a test that fails before it stops the server still ends
    server.origin = `http://127.0.0.1:${server.address().port}`;
    server.stop = () => {
        server.closeAllConnections();
        return new Promise(resolve => server.close(resolve));
    };
    return server;
}

const selector = name => `[data-name="${name}"]`;

// The calculators by the word that their option in the start dialog names them with.
const CalculatorWords = {'cold room': 'سردخانه', 'ice bank': 'آيس بانک'};

/// The program's windows as the program lists them (program-windows.json, which its build
/// writes beside the page), so that a test finds a window by what it is: the start dialog with
/// its Continue, and each calculator's option, input window, Calculate, Exit, sheet and Back,
/// with the sample run its pictures show.
/// Controls go by their window's name and their own ("Window.Control"), as the page names them.
export function programWindows(folder = process.env.PAGE_FOLDER)
{
    const list = JSON.parse(readFileSync(join(folder, 'program-windows.json'), 'utf8'));
    const named = name => list.windows.find(window => window.name === name);
    const start = list.windows.find(window => window.kind === 'MainDialog');
    const calculators = start.opens.map(({by, window}) => {
        const input = named(window), sheet = named(input.sheet);
        return {name: input.calculator, option: `${start.name}.${by}`, input: input.name, sheet: sheet.name,
                calculate: `${input.name}.${input.calculate}`, exit: `${input.name}.${input.exit}`,
                back: `${sheet.name}.${sheet.back}`, sample: input.sample,
                inInput: control => `${input.name}.${control}`, onSheet: control => `${sheet.name}.${control}`};
    });
    return {
        ...list, start: start.name, continue: `${start.name}.${start.continue}`, calculators,
        /// A calculator by what it calculates: "cold room" or "ice bank".
        calculator(what)
        {
            const found = calculators.filter(calculator => calculator.name.includes(CalculatorWords[what]));
            if (found.length !== 1) throw new Error(`the program has no one calculator of ${what}`);
            return found[0];
        },
    };
}

export class ProgramPage {
    /// The program started afresh in a new tab of `browser` the size of `device`.
    static async open(browser, url, device)
    {
        const page = await browser.newPage(device);
        await page.open(url);
        const program = new ProgramPage(page, device);
        await program.started();
        return program;
    }

    constructor(page, device)
    {
        this.page = page;
        this.device = device;
    }

    close() { return this.page.close(); }

    async started()
    {
        await this.page.waitFor('document.body.dataset.ready === "yes"');
        await this.settle();
    }

    /// Waits until the page has handled what it was given: its handlers ran, or wait for a box.
    settle() { return this.page.evaluate('new Promise(done => requestAnimationFrame(() => setTimeout(done)))'); }

    // ---- What the user does

    /// Clicks a control, or taps it on a touch screen. An edit box is clicked just inside its
    /// right edge, after its right-aligned text, so that the caret stands at the text's end.
    async click(name)
    {
        const at = await this.page.evaluate(`(() => {
            const e = document.querySelector(${JSON.stringify(selector(name))});
            if (!e) return null;
            e.scrollIntoView({block: 'nearest', inline: 'nearest'});
            const r = e.getBoundingClientRect();
            const x = e.tagName === 'INPUT' ? r.right - 4 : r.x + r.width / 2;
            return {x, y: r.y + r.height / 2}; })()`);
        if (!at) throw new Error(`no element ${name}`);
        if (this.device.touch) await this.page.tap(null, at);
        else await this.page.click(null, at);
        await this.settle();
    }

    /// Clicks row `row` of the list standing open.
    async clickRow(row)
    {
        const rows = `.rows [data-row="${row}"]`;
        // Scrolled to first where the list holds more rows than it shows, as a person does.
        await this.page.evaluate(`document.querySelector('${rows}').scrollIntoView({block: 'nearest'})`);
        if (this.device.touch) await this.page.tap(rows);
        else await this.page.click(rows);
        await this.settle();
    }

    /// A key by the conformance suite's name: "Enter", "Shift+Tab", "Ctrl+C", "Alt+Down", ...
    async press(name)
    {
        const parts = name.split('+');
        const key = parts.pop();
        const held = {ctrl: parts.includes('Ctrl'), alt: parts.includes('Alt'), shift: parts.includes('Shift')};
        const keys = {Up: 'ArrowUp', Down: 'ArrowDown', Left: 'ArrowLeft', Right: 'ArrowRight', C: 'KeyC', P: 'KeyP',
                      V: 'KeyV', A: 'KeyA'};
        await this.page.press(keys[key] ?? key, held);
        await this.settle();
    }

    /// Types a text: on a touch screen as its on-screen keyboard does, a character at a time
    /// composed and committed, with no key behind it; elsewhere key by key.
    async type(text)
    {
        if (this.device.touch) {
            for (const character of text) {
                if (character === '\b') {
                    await this.page.press('Backspace');
                    continue;
                }
                await this.page.send('Input.imeSetComposition', {text: character, selectionStart: 1, selectionEnd: 1});
                await this.page.send('Input.insertText', {text: character});
            }
        } else {
            await this.page.type(text);
        }
        await this.settle();
    }

    /// Pastes a text into the focused field.
    async paste(text)
    {
        await this.page.paste(text);
        await this.settle();
    }

    /// The user's settings turn to a language that writes a decimal comma; where the browser
    /// takes them only as it starts, the program starts anew.
    async decimalComma()
    {
        if (await this.page.setLocale('de-DE') === 'reopened') await this.started();
    }

    async closeBox(window) { await this.click(`${window}.CloseBox`); }

    // ---- What the page shows

    /// A control's text as it reads, without the marks that only set its direction.
    text(name)
    {
        return this.page.evaluate(`(() => {
            const e = document.querySelector(${JSON.stringify(selector(name))});
            if (!e) return null;
            const shown = e.tagName === 'INPUT' ? e.value : (e.querySelector('.text, .value') ?? e).textContent;
            return shown.replaceAll('\\u200e', ''); })()`);
    }

    /// What the page's live region announced since this was last asked: each announcement's
    /// lines joined by a line feed.
    announcements()
    {
        return this.page.evaluate(`[...document.querySelectorAll('[aria-live] > div:not([data-read])')].map(said => {
            said.dataset.read = '';
            return [...said.children].map(line => line.textContent).join('\\n'); })`);
    }

    /// A field's selected text, "" where the caret stands alone.
    selected(name)
    {
        return this.page.evaluate(`(e => e.value.slice(e.selectionStart, e.selectionEnd))(
            document.querySelector(${JSON.stringify(selector(name))}))`);
    }

    /// "Window.Control" holding the focus, "Box.OK", or "".
    focused()
    {
        return this.page.evaluate(`document.activeElement?.closest('[data-name]')?.dataset.name ?? ''`);
    }

    /// The window the user works in: the box standing open, else the window on top that takes input.
    active()
    {
        return this.page.evaluate(`(() => {
            if (document.querySelector('.box')) return 'Box';
            let top = null;
            for (const w of document.querySelectorAll('section.window:not([hidden])'))
                if (!w.inert && (!top || +w.style.zIndex > +top.style.zIndex)) top = w;
            return top?.dataset.name ?? ''; })()`);
    }

    /// The box standing open: its caption and its lines split by a carriage return.
    box()
    {
        return this.page.evaluate(`(() => {
            const boxes = document.querySelectorAll('.box');
            const box = boxes[boxes.length - 1];
            if (!box) return null;
            return {caption: box.querySelector('.title .caption').textContent,
                    text: [...box.querySelectorAll('.line')].map(line => line.textContent).join('\\r')}; })()`);
    }

    clipboard() { return this.page.clipboard(); }

    /// Where the ink of a control's text stands in its box: "left", "centre" or "right".
    inkOf(name)
    {
        return this.page.evaluate(`(() => {
            const e = document.querySelector(${JSON.stringify(selector(name))});
            const text = e.querySelector('.text') ?? e;
            const range = document.createRange();
            range.selectNodeContents(text);
            const ink = range.getBoundingClientRect(), box = e.getBoundingClientRect();
            const left = ink.left - box.left, right = box.right - ink.right;
            return Math.abs(left - right) <= 3 ? 'centre' : left < right ? 'left' : 'right'; })()`);
    }

    /// Where the rows of the list standing open stand.
    rowsOfOpenList()
    {
        return this.page.evaluate(`(() => {
            const row = document.querySelector('.rows .row');
            if (!row) return null;
            const style = getComputedStyle(row);
            const range = document.createRange();
            range.selectNodeContents(row);
            const ink = range.getBoundingClientRect(), box = row.getBoundingClientRect();
            const left = ink.left - box.left - parseFloat(style.paddingLeft);
            const right = box.right - ink.right - parseFloat(style.paddingRight);
            return Math.abs(left - right) <= 3 ? 'centre' : left < right ? 'left' : 'right'; })()`);
    }

    /// Whether a control's text is drawn whole inside its box.
    drawnWhole(name)
    {
        return this.page.evaluate(`(() => {
            const e = document.querySelector(${JSON.stringify(selector(name))});
            if (e.tagName === 'INPUT') return e.scrollWidth <= e.clientWidth;
            const range = document.createRange();
            range.selectNodeContents(e.querySelector('.text') ?? e);
            const ink = range.getBoundingClientRect(), box = e.getBoundingClientRect();
            return ink.left >= box.left - 1 && ink.right <= box.right + 1; })()`);
    }

    /// Whether the program has ended, and the page says so with its button that starts the
    /// program again at hand.
    ended()
    {
        return this.page.evaluate('document.body.dataset.ended === "yes" && document.activeElement?.dataset.name === "Ended.Again"');
    }

    /// The texts that the page draws in any of `fonts` with a face other than its own (those it
    /// holds as data), each with its font and the faces that draw it: none where its own faces
    /// hold every letter.
    async drawnInOtherFaces(texts, fonts)
    {
        await this.page.send('DOM.enable');
        await this.page.send('CSS.enable');
        await this.page.evaluate(`(async () => {
            const probe = document.createElement('div');
            probe.id = 'face-probe';
            for (const font of ${JSON.stringify(fonts)}) {
                for (const text of ${JSON.stringify(texts)}) {
                    const line = document.createElement('div');
                    line.style.font = font;
                    line.textContent = text;
                    probe.append(line);
                }
            }
            document.body.append(probe);
            await document.fonts.ready; })()`);
        const {root} = await this.page.send('DOM.getDocument', {depth: 0});
        const {nodeIds} = await this.page.send('DOM.querySelectorAll', {nodeId: root.nodeId, selector: '#face-probe > div'});
        const others = [];
        for (const [i, nodeId] of nodeIds.entries()) {
            const {fonts: faces} = await this.page.send('CSS.getPlatformFontsForNode', {nodeId});
            const foreign = faces.filter(face => !face.isCustomFont).map(face => face.familyName);
            if (foreign.length)
                others.push({text: texts[i % texts.length], font: fonts[Math.floor(i / texts.length)], faces: foreign});
        }
        await this.page.evaluate('document.getElementById("face-probe").remove()');
        return others;
    }

    // ---- Whole on the screen: boxes in the page's pixels, from the top-left corner of what shows

    /// Turns the mouse wheel over a window, `notches` notches down (up where negative).
    async wheel(window, notches)
    {
        const {x, y} = await this.page.centreOf(`${selector(window)} .client`);
        for (let i = 0; i < Math.abs(notches); ++i)
            await this.page.wheel(x, y, Math.sign(notches) * 120);
        await this.settle();
    }

    /// The part of the page that shows: the browser's window, less a phone's zoom and keyboard.
    workArea()
    {
        return this.page.evaluate(`(() => {
            const v = globalThis.visualViewport;
            return v ? {left: Math.floor(v.offsetLeft), top: Math.floor(v.offsetTop), width: Math.floor(v.width), height: Math.floor(v.height)}
                     : {left: 0, top: 0, width: innerWidth, height: innerHeight}; })()`);
    }

    /// The box of an element the name finds: a window's frame, a control's box; for a window's
    /// shown part (`shown`), its client area as far as the window shows it.
    boxOf(name, {shown = false} = {})
    {
        return this.page.evaluate(`(() => {
            const e = document.querySelector(${JSON.stringify(selector(name))});
            const box = r => ({left: Math.round(r.left), top: Math.round(r.top), width: Math.round(r.width), height: Math.round(r.height)});
            if (!${shown}) return box(e.getBoundingClientRect());
            const c = e.querySelector('.client').getBoundingClientRect(), w = e.getBoundingClientRect();
            const top = Math.max(c.top, w.top), bottom = Math.min(c.bottom, w.bottom);
            return box({left: c.left, top, width: c.width, height: bottom - top}); })()`);
    }

    /// The list standing open: its box, its field's, its items, its rows' height and how many
    /// rows show; and where the shared rule opens it on what shows of the page.
    openListOnScreen()
    {
        return this.page.evaluate(`(() => {
            const rows = document.querySelector('.rows');
            if (!rows) return null;
            const field = document.querySelector('[data-name="' + rows.dataset.name.replace(/\.Rows$/, '') + '"]');
            const box = r => ({left: Math.round(r.left), top: Math.round(r.top), width: Math.round(r.width), height: Math.round(r.height)});
            const rowHeight = rows.firstChild.offsetHeight;
            return {box: box(rows.getBoundingClientRect()), field: box(field.getBoundingClientRect()),
                    items: rows.children.length, rowHeight, rows: Math.floor(rows.clientHeight / rowHeight)}; })()`);
    }

    /// How many rows the shared rule shows of a list opened for `field` on `area`.
    rowsPlaced({field, items, rowHeight, box, rows}, area)
    {
        const numbers = [field.left, field.top, field.width, field.height, items, rowHeight, area.left, area.top,
                         area.width, area.height, box.height - rows * rowHeight];
        return this.page.evaluate(`+Module.UTF8ToString(Module._WebPlaceOpenList(${numbers.join(',')})).split(',')[4]`);
    }

    /// What a screen reader gets of a control, from the browser's accessibility tree (Chromium's,
    /// whose remote control alone gives it): its name, its value, whether it is heard at all
    /// (`shown`), and the text of what it holds that is not hidden from it.
    async heard(name)
    {
        const {root} = await this.page.send('DOM.getDocument', {depth: 0});
        const {nodeId} = await this.page.send('DOM.querySelector', {nodeId: root.nodeId, selector: selector(name)});
        const {nodes} = await this.page.send('Accessibility.getPartialAXTree', {nodeId, fetchRelatives: false});
        const own = nodes.find(node => !node.ignored) ?? nodes[0];
        const texts = [];
        const {nodes: all} = await this.page.send('Accessibility.queryAXTree', {nodeId, role: 'StaticText'});
        for (const node of all) if (!node.ignored) texts.push(node.name?.value ?? '');
        return {name: own.name?.value ?? '', value: own.value?.value ?? '', role: own.role?.value ?? '',
                shown: !own.ignored, text: texts.join('')};
    }
}
