// SPDX-License-Identifier: GPL-3.0-or-later
// Headless Chromium driven through its own DevTools protocol over a pipe: keys, pointer and
// touch go in as the browser's own input events, screenshots come out, and every request the
// page makes is counted. Needs nothing but Debian's chromium and node; no port is opened, so
// several tests can run side by side.
import {spawn} from 'node:child_process';
import {mkdtempSync, rmSync, writeFileSync} from 'node:fs';
import {tmpdir} from 'node:os';
import {join} from 'node:path';

const chromiumPath = process.env.CHROMIUM || '/usr/bin/chromium';

import {Desktop, PageBase} from './engines.mjs';
export {Desktop, Phone} from './engines.mjs';

export class Browser {
    static async launch()
    {
        const profile = mkdtempSync(join(tmpdir(), 'coolingload-chromium-'));
        const args = [
            '--headless', '--disable-gpu', '--remote-debugging-pipe', `--user-data-dir=${profile}`,
            // This machine's network is closed: Chromium asks for nothing of its own.
            '--disable-background-networking', '--disable-component-update', '--disable-sync',
            '--no-first-run', '--disable-quic', '--no-default-browser-check', '--disable-extensions',
            '--hide-scrollbars', '--mute-audio', 'about:blank',
        ];
        // As root Chromium refuses to start inside its sandbox.
        if (process.getuid && process.getuid() === 0) args.unshift('--no-sandbox');
        const child = spawn(chromiumPath, args, {stdio: ['ignore', 'ignore', 'pipe', 'pipe', 'pipe']});
        let log = '';
        child.stderr.on('data', chunk => { log += chunk; });
        const browser = new Browser(child, profile, () => log);
        await browser.send('Target.setDiscoverTargets', {discover: true});
        browser.version = `Chromium ${(await browser.send('Browser.getVersion')).product.split('/')[1]}`;
        return browser;
    }

    constructor(child, profile, log)
    {
        this.child = child;
        this.profile = profile;
        this.log = log;
        this.nextId = 1;
        this.pending = new Map();
        this.listeners = [];
        let buffer = '';
        child.stdio[4].on('data', chunk => {
            buffer += chunk.toString('utf8');
            let end;
            while ((end = buffer.indexOf('\0')) >= 0) {
                const message = JSON.parse(buffer.slice(0, end));
                buffer = buffer.slice(end + 1);
                this.dispatch(message);
            }
        });
        child.on('exit', () => {
            for (const {reject} of this.pending.values()) reject(new Error(`Chromium ended:\n${log()}`));
            this.pending.clear();
        });
    }

    dispatch(message)
    {
        if (message.id !== undefined) {
            const waiting = this.pending.get(message.id);
            this.pending.delete(message.id);
            if (!waiting) return;
            if (message.error)
                waiting.reject(new Error(`${waiting.method}: ${message.error.message}`));
            else
                waiting.resolve(message.result);
            return;
        }
        for (const listener of this.listeners) listener(message);
    }

    send(method, params = {}, sessionId = undefined)
    {
        const id = this.nextId++;
        const message = {id, method, params};
        if (sessionId) message.sessionId = sessionId;
        return new Promise((resolve, reject) => {
            this.pending.set(id, {resolve, reject, method});
            this.child.stdio[3].write(JSON.stringify(message) + '\0');
        });
    }

    /// A new tab the size of `device`, its requests and failures recorded from the start.
    async newPage(device = Desktop)
    {
        const {targetId} = await this.send('Target.createTarget', {url: 'about:blank'});
        const {sessionId} = await this.send('Target.attachToTarget', {targetId, flatten: true});
        const page = new Page(this, sessionId, targetId);
        await page.start(device);
        return page;
    }

    async close()
    {
        const ended = new Promise(resolve => {
            if (this.child.exitCode !== null) resolve();
            this.child.on('exit', resolve);
        });
        this.send('Browser.close').catch(() => {});  // Chromium may end before it answers
        const killer = setTimeout(() => this.child.kill('SIGKILL'), 5000);
        await ended;
        clearTimeout(killer);
        rmSync(this.profile, {recursive: true, force: true, maxRetries: 5});
    }
}

export class Page extends PageBase {
    constructor(browser, sessionId, targetId)
    {
        super();
        this.browser = browser;
        this.sessionId = sessionId;
        this.targetId = targetId;
        /// Every request the page made, its own document's included.
        this.requests = [];
        /// Uncaught exceptions, console errors and refused requests.
        this.errors = [];
        this.events = new Map();
        browser.listeners.push(message => {
            if (message.sessionId !== sessionId) return;
            const {method, params} = message;
            if (method === 'Network.requestWillBeSent') this.requests.push(params.request.url);
            if (method === 'Runtime.exceptionThrown') this.errors.push(params.exceptionDetails.exception?.description ?? params.exceptionDetails.text);
            if (method === 'Runtime.consoleAPICalled' && params.type === 'error')
                this.errors.push(params.args.map(arg => arg.value ?? arg.description).join(' '));
            if (method === 'Log.entryAdded' && params.entry.level === 'error') this.errors.push(params.entry.text);
            const waiting = this.events.get(method);
            if (waiting) {
                this.events.delete(method);
                waiting(params);
            }
        });
    }

    send(method, params = {}) { return this.browser.send(method, params, this.sessionId); }

    async start(device)
    {
        this.device = device;
        await Promise.all([this.send('Page.enable'), this.send('Runtime.enable'), this.send('Network.enable'),
                           this.send('Log.enable')]);
        await this.send('Emulation.setDeviceMetricsOverride', {
            width: device.width, height: device.height, deviceScaleFactor: device.deviceScaleFactor,
            mobile: device.mobile, screenWidth: device.width, screenHeight: device.height});
        if (device.touch) await this.send('Emulation.setTouchEmulationEnabled', {enabled: true, maxTouchPoints: 5});
    }

    nextEvent(method) { return new Promise(resolve => this.events.set(method, resolve)); }

    /// Opens `url` and returns once its load event has fired; a page served by this machine
    /// may use the clipboard.
    async open(url)
    {
        const {origin} = new URL(url);
        if (origin.startsWith('http'))
            await this.browser.send('Browser.grantPermissions',
                                    {origin, permissions: ['clipboardReadWrite', 'clipboardSanitizedWrite']});
        const loaded = this.nextEvent('Page.loadEventFired');
        const {errorText} = await this.send('Page.navigate', {url});
        if (errorText) throw new Error(`${url}: ${errorText}`);
        await loaded;
    }

    /// The value of a JavaScript expression in the page, promises awaited.
    async evaluate(expression)
    {
        const {result, exceptionDetails} =
            await this.send('Runtime.evaluate', {expression, awaitPromise: true, returnByValue: true});
        if (exceptionDetails) throw new Error(`${expression}: ${exceptionDetails.exception?.description ?? exceptionDetails.text}`);
        return result.value;
    }

    /// A left click in the middle of the element, as the mouse makes it, or at `at` (pixels
    /// from the viewport's top-left corner).
    async click(selector, at = undefined)
    {
        const {x, y} = at ?? await this.centreOf(selector);
        await this.send('Input.dispatchMouseEvent', {type: 'mouseMoved', x, y});
        await this.send('Input.dispatchMouseEvent', {type: 'mousePressed', x, y, button: 'left', clickCount: 1});
        await this.send('Input.dispatchMouseEvent', {type: 'mouseReleased', x, y, button: 'left', clickCount: 1});
    }

    async rightClick(selector)
    {
        const {x, y} = await this.centreOf(selector);
        await this.send('Input.dispatchMouseEvent', {type: 'mousePressed', x, y, button: 'right', clickCount: 1});
        await this.send('Input.dispatchMouseEvent', {type: 'mouseReleased', x, y, button: 'right', clickCount: 1});
    }

    /// A finger's tap in the middle of the element, or at `at`.
    async tap(selector, at = undefined)
    {
        const {x, y} = at ?? await this.centreOf(selector);
        await this.send('Input.dispatchTouchEvent', {type: 'touchStart', touchPoints: [{x, y}]});
        await this.send('Input.dispatchTouchEvent', {type: 'touchEnd', touchPoints: []});
    }

    /// A notch of the mouse wheel at a point of the viewport, down where `deltaY` is positive.
    async wheel(x, y, deltaY)
    {
        await this.send('Input.dispatchMouseEvent', {type: 'mouseWheel', x, y, deltaX: 0, deltaY});
    }

    /// Types the characters one key at a time into the focused element, each on the key that
    /// types it: a Persian or an Arabic-Indic digit on its digit's key, as a Persian keyboard
    /// has it; a backspace on Backspace.
    async type(text)
    {
        for (const character of text) {
            if (character === '\b') {
                await this.press('Backspace');
                continue;
            }
            if (character === ' ') {
                await this.press('Space');
                continue;
            }
            const point = character.codePointAt(0);
            const digit = /[0-9]/.test(character) ? point - 0x30
                        : point >= 0x6F0 && point <= 0x6F9 ? point - 0x6F0
                        : point >= 0x660 && point <= 0x669 ? point - 0x660 : -1;
            const code = digit >= 0 ? `Digit${digit}` : /[a-z]/i.test(character) ? `Key${character.toUpperCase()}`
                       : {'-': 'Minus', '.': 'Period', '+': 'Equal', '/': 'Slash'}[character] ?? '';
            const virtualKey = digit >= 0 ? 0x30 + digit : /[a-z]/i.test(character) ? character.toUpperCase().charCodeAt(0)
                             : {'-': 189, '.': 190, '+': 187, '/': 191}[character] ?? 0;
            const key = {key: character, code, text: character, unmodifiedText: character,
                         windowsVirtualKeyCode: virtualKey, nativeVirtualKeyCode: virtualKey};
            await this.send('Input.dispatchKeyEvent', {type: 'keyDown', ...key});
            await this.send('Input.dispatchKeyEvent', {type: 'keyUp', ...key});
        }
    }

    /// Presses and releases a named key with the modifiers held: Enter, Escape, Tab, Space,
    /// Backspace, ArrowUp, ArrowDown, ArrowLeft, ArrowRight, KeyC, KeyP, KeyV, KeyA, Home, End,
    /// PageUp, PageDown; `commands` are the editing commands the key runs where the page lets it
    /// (["paste"]).
    async press(name, {ctrl = false, alt = false, shift = false, commands = undefined} = {})
    {
        const keys = {Enter: [13, '\r', 'Enter'], Escape: [27, '', 'Escape'], Tab: [9, '', 'Tab'],
                      Backspace: [8, '', 'Backspace'], Space: [32, ' ', ' '], ArrowUp: [38, '', 'ArrowUp'],
                      ArrowDown: [40, '', 'ArrowDown'], ArrowLeft: [37, '', 'ArrowLeft'],
                      ArrowRight: [39, '', 'ArrowRight'], KeyC: [67, 'c', 'c'], KeyP: [80, 'p', 'p'],
                      KeyV: [86, 'v', 'v'], KeyA: [65, 'a', 'a'], Home: [36, '', 'Home'], End: [35, '', 'End'],
                      PageUp: [33, '', 'PageUp'], PageDown: [34, '', 'PageDown'],
                      Paste: [0, '', 'Paste']};
        const [virtualKey, typed, keyName] = keys[name];
        const modifiers = (alt ? 1 : 0) | (ctrl ? 2 : 0) | (shift ? 8 : 0);
        // A key held with Ctrl or Alt types nothing.
        const text = ctrl || alt ? '' : typed;
        const key = {key: keyName, code: name, windowsVirtualKeyCode: virtualKey, nativeVirtualKeyCode: virtualKey,
                     modifiers};
        await this.send('Input.dispatchKeyEvent', {type: text ? 'keyDown' : 'rawKeyDown', ...key, text,
                                                   unmodifiedText: text, commands});
        await this.send('Input.dispatchKeyEvent', {type: 'keyUp', ...key});
    }

    /// Puts a text on the clipboard and pastes it into the focused field, as its menu's Paste
    /// does.
    async paste(text)
    {
        await this.evaluate(`navigator.clipboard.writeText(${JSON.stringify(text)})`);
        await this.press('Paste', {commands: ['paste']});
    }

    clipboard() { return this.evaluate('navigator.clipboard.readText()'); }

    async pageErrors() { return this.errors; }

    setLocale(locale) { return this.send('Emulation.setLocaleOverride', {locale}); }

    /// Saves what the page shows as a PNG; the whole page, beyond the screen too, where asked.
    async screenshot(path, {wholePage = false} = {})
    {
        const options = {format: 'png'};
        if (wholePage) {
            const {cssContentSize: {width, height}} = await this.send('Page.getLayoutMetrics');
            Object.assign(options, {captureBeyondViewport: true, clip: {x: 0, y: 0, width, height, scale: 1}});
        }
        const {data} = await this.send('Page.captureScreenshot', options);
        writeFileSync(path, Buffer.from(data, 'base64'));
    }

    async close() { await this.browser.send('Target.closeTarget', {targetId: this.targetId}); }
}
