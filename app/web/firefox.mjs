// SPDX-License-Identifier: GPL-3.0-or-later
// Headless Firefox driven through its own remote control, WebDriver BiDi, on the port it opens
// on this machine (--remote-debugging-port=0, the system's choice): no driver program between.
// Needs Debian's firefox-esr and node (a WebSocket client is below: Debian's node has none).
import {spawn} from 'node:child_process';
import {randomBytes} from 'node:crypto';
import {mkdtempSync, rmSync, writeFileSync} from 'node:fs';
import {request} from 'node:http';
import {tmpdir} from 'node:os';
import {join} from 'node:path';

import {Desktop} from './engines.mjs';
import {WebDriverPage} from './webdriver.mjs';

const firefoxPath = process.env.FIREFOX || '/usr/bin/firefox-esr';

// This machine's network is closed: Firefox asks for nothing of its own. The page may read
// back what it put on the clipboard, as the tests do, with no prompt.
const preferences = {
    'browser.shell.checkDefaultBrowser': false, 'app.update.disabledForTesting': true,
    'datareporting.policy.dataSubmissionEnabled': false, 'toolkit.telemetry.reportingpolicy.firstRun': false,
    'browser.safebrowsing.update.enabled': false, 'network.captive-portal-service.enabled': false,
    'network.connectivity-service.enabled': false, 'extensions.update.enabled': false,
    'dom.events.testing.asyncClipboard': true,
};

// A WebSocket as small as the remote control needs: text messages to and from this machine.
class WebSocketClient {
    static connect(address)
    {
        return new Promise((resolve, reject) => {
            const asked = request(address.replace(/^ws:/, 'http:'), {headers: {
                Connection: 'Upgrade', Upgrade: 'websocket', 'Sec-WebSocket-Version': '13',
                'Sec-WebSocket-Key': randomBytes(16).toString('base64')}});
            asked.on('upgrade', (response, socket, head) => resolve(new WebSocketClient(socket, head)));
            asked.on('response', response => reject(new Error(`${address}: ${response.statusCode}`)));
            asked.on('error', reject);
            asked.end();
        });
    }

    constructor(socket, head)
    {
        this.socket = socket;
        this.buffer = head;
        this.parts = [];
        socket.on('error', () => {});  // Firefox ending as it is closed
        socket.on('data', chunk => {
            this.buffer = Buffer.concat([this.buffer, chunk]);
            this.read();
        });
    }

    // The server's frames, unmasked: a message in one frame or more; a ping is answered.
    read()
    {
        for (;;) {
            const frame = this.buffer;
            if (frame.length < 2) return;
            let length = frame[1] & 0x7f, start = 2;
            if (length === 126 && frame.length >= 4) [length, start] = [frame.readUInt16BE(2), 4];
            else if (length === 127 && frame.length >= 10) [length, start] = [Number(frame.readBigUInt64BE(2)), 10];
            else if (length >= 126) return;
            if (frame.length < start + length) return;
            const opcode = frame[0] & 0x0f, payload = frame.subarray(start, start + length);
            this.buffer = frame.subarray(start + length);
            if (opcode === 8) return this.socket.end();
            if (opcode === 9) this.write(10, payload);
            if (opcode > 2) continue;
            this.parts.push(payload);
            if (frame[0] & 0x80) {
                const text = Buffer.concat(this.parts).toString('utf8');
                this.parts = [];
                this.onmessage({data: text});
            }
        }
    }

    send(text) { this.write(1, Buffer.from(text, 'utf8')); }

    // A client's frame, masked as the protocol asks.
    write(opcode, payload)
    {
        const length = payload.length;
        const header = Buffer.alloc(length < 126 ? 2 : length < 65536 ? 4 : 10);
        header[0] = 0x80 | opcode;
        header[1] = 0x80 | (length < 126 ? length : length < 65536 ? 126 : 127);
        if (length >= 65536) header.writeBigUInt64BE(BigInt(length), 2);
        else if (length >= 126) header.writeUInt16BE(length, 2);
        const mask = randomBytes(4);
        const masked = Buffer.from(payload.map((byte, i) => byte ^ mask[i % 4]));
        this.socket.write(Buffer.concat([header, mask, masked]));
    }
}

export class Browser {
    static async launch()
    {
        const profile = mkdtempSync(join(tmpdir(), 'coolingload-firefox-'));
        writeFileSync(join(profile, 'user.js'),
                      Object.entries(preferences).map(([name, value]) => `user_pref("${name}", ${JSON.stringify(value)});\n`).join(''));
        const child = spawn(firefoxPath, ['--headless', '--remote-debugging-port=0', '--no-remote', '--profile', profile,
                                          'about:blank'], {stdio: ['ignore', 'ignore', 'pipe']});
        let log = '';
        const address = await new Promise((resolve, reject) => {
            child.stderr.on('data', chunk => {
                log += chunk;
                const found = /WebDriver BiDi listening on (ws:\/\/\S+)/.exec(log);
                if (found) resolve(found[1]);
            });
            child.on('exit', () => reject(new Error(`Firefox ended:\n${log}`)));
        });
        const socket = await WebSocketClient.connect(`${address}/session`);
        const browser = new Browser(child, profile, socket);
        const {capabilities} = await browser.send('session.new', {capabilities: {}});
        browser.version = `Firefox ${capabilities.browserVersion}`;
        await browser.send('session.subscribe', {events: ['log.entryAdded']});
        return browser;
    }

    constructor(child, profile, socket)
    {
        this.child = child;
        this.profile = profile;
        this.socket = socket;
        this.nextId = 1;
        this.pending = new Map();
        this.listeners = [];
        socket.onmessage = event => {
            const message = JSON.parse(event.data);
            const waiting = this.pending.get(message.id);
            if (message.type === 'event') {
                for (const listener of this.listeners) listener(message);
            } else if (waiting) {
                this.pending.delete(message.id);
                if (message.type === 'error') waiting.reject(new Error(`${waiting.method}: ${message.message}`));
                else waiting.resolve(message.result);
            }
        };
    }

    send(method, params = {})
    {
        const id = this.nextId++;
        return new Promise((resolve, reject) => {
            this.pending.set(id, {resolve, reject, method});
            this.socket.send(JSON.stringify({id, method, params}));
        });
    }

    /// A new tab the size of `device`, whose errors are recorded from the start.
    async newPage(device = Desktop)
    {
        if (device.touch) throw new Error('touch is tried in Chromium only');
        const {context} = await this.send('browsingContext.create', {type: 'tab'});
        const page = new Page(this, context);
        await this.send('browsingContext.setViewport', {context, viewport: {width: device.width, height: device.height},
                                                        devicePixelRatio: device.deviceScaleFactor});
        return page;
    }

    async close()
    {
        const ended = new Promise(resolve => {
            if (this.child.exitCode !== null) resolve();
            this.child.on('exit', resolve);
        });
        this.send('browser.close').catch(() => {});
        const killer = setTimeout(() => this.child.kill('SIGKILL'), 5000);
        await ended;
        clearTimeout(killer);
        rmSync(this.profile, {recursive: true, force: true, maxRetries: 5});
    }
}

class Page extends WebDriverPage {
    constructor(browser, context)
    {
        super();
        this.browser = browser;
        this.context = context;
        this.errorLog = [];
        browser.listeners.push(({method, params}) => {
            if (method === 'log.entryAdded' && params.level === 'error' && params.source.context === context)
                this.errorLog.push(params.text);
        });
    }

    async open(url) { await this.browser.send('browsingContext.navigate', {context: this.context, url, wait: 'complete'}); }

    /// The value of a JavaScript expression in the page, promises awaited, as JSON carries it.
    async evaluate(expression)
    {
        const {result, exceptionDetails} = await this.browser.send('script.evaluate', {
            expression: `(async () => JSON.stringify(await (${expression})))()`, target: {context: this.context},
            awaitPromise: true, userActivation: true});
        if (exceptionDetails) throw new Error(`${expression}: ${exceptionDetails.text}`);
        return result.type === 'string' ? JSON.parse(result.value) : undefined;
    }

    perform(actions) { return this.browser.send('input.performActions', {context: this.context, actions}); }

    async pageErrors() { return this.errorLog; }

    /// Puts a text on the clipboard and pastes it into the focused field, by Shift+Insert, which
    /// pastes as the field's menu does (Ctrl+V is the program's, which types a control character).
    async paste(text)
    {
        await this.evaluate(`navigator.clipboard.writeText(${JSON.stringify(text)})`);
        await this.press('Insert', {shift: true});
    }

    clipboard() { return this.evaluate('navigator.clipboard.readText()'); }

    setLocale(locale) { return this.browser.send('emulation.setLocaleOverride', {locale, contexts: [this.context]}); }

    async screenshot(path)
    {
        const {data} = await this.browser.send('browsingContext.captureScreenshot', {context: this.context});
        writeFileSync(path, Buffer.from(data, 'base64'));
    }

    close() { return this.browser.send('browsingContext.close', {context: this.context}); }
}
