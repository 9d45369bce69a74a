// SPDX-License-Identifier: GPL-3.0-or-later
// WebKitGTK (the engine of Safari) driven through WebDriver over HTTP: Debian's WebKitWebDriver
// starts its MiniBrowser on an X display of its own (Xvfb), on this machine only. One window
// serves every page, opened afresh for each.
import {spawn} from 'node:child_process';
import {existsSync, readdirSync, writeFileSync} from 'node:fs';
import {createServer} from 'node:net';

import {Desktop} from './engines.mjs';
import {WebDriverPage} from './webdriver.mjs';

const driverPath = process.env.WEBKIT_DRIVER || '/usr/bin/WebKitWebDriver';
const miniBrowser = () => readdirSync('/usr/lib').flatMap(folder => ['4.1', '4.0'].map(api => `/usr/lib/${folder}/webkit2gtk-${api}/MiniBrowser`))
    .find(path => existsSync(path));

// A child that is waited for as it ends, and killed if it lingers.
function stopped(child)
{
    if (child.exitCode !== null || child.signalCode !== null) return Promise.resolve();
    const ended = new Promise(resolve => child.on('exit', resolve));
    child.kill();
    const killer = setTimeout(() => child.kill('SIGKILL'), 5000);
    return ended.finally(() => clearTimeout(killer));
}

async function freePort()
{
    const server = createServer();
    await new Promise(resolve => server.listen(0, '127.0.0.1', resolve));
    const {port} = server.address();
    await new Promise(resolve => server.close(resolve));
    return port;
}

export class Browser {
    static async launch()
    {
        // The X server tells its display's number on a pipe once it takes clients.
        const display = spawn('Xvfb', ['-displayfd', '3', '-nolisten', 'tcp', '-screen', '0', '1600x1200x24'],
                              {stdio: ['ignore', 'ignore', 'pipe', 'pipe']});
        const number = await new Promise((resolve, reject) => {
            display.stdio[3].once('data', chunk => resolve(chunk.toString().trim()));
            display.on('exit', () => reject(new Error('Xvfb ended')));
        });
        const port = await freePort();
        const driver = spawn(driverPath, [`--port=${port}`], {stdio: ['ignore', 'ignore', 'pipe'],
                                                              env: {...process.env, DISPLAY: `:${number}`}});
        const browser = new Browser(display, driver, `http://127.0.0.1:${port}`);
        const end = Date.now() + 10000;
        while (!(await fetch(`${browser.address}/status`).then(r => r.ok, () => false))) {
            if (Date.now() > end) throw new Error('WebKitWebDriver does not answer');
            await new Promise(resolve => setTimeout(resolve, 50));
        }
        await browser.startSession();
        return browser;
    }

    constructor(display, driver, address)
    {
        this.display = display;
        this.driver = driver;
        this.address = address;
    }

    /// A browser in the locale `locale` ("de_DE", which the system must hold), or the machine's.
    async startSession(locale = undefined)
    {
        const options = locale ? {binary: '/usr/bin/env', args: [`LC_ALL=${locale}.UTF-8`, miniBrowser(), '--automation']} : {};
        const {sessionId, capabilities} =
            await this.call('POST', '/session', {capabilities: {alwaysMatch: {'webkitgtk:browserOptions': options}}});
        this.session = `/session/${sessionId}`;
        this.version = `WebKitGTK ${capabilities.browserVersion}`;
    }

    async call(method, path, body = undefined)
    {
        const response = await fetch(this.address + path, {method, headers: {'Content-Type': 'application/json'},
                                                            body: body && JSON.stringify(body)});
        const {value} = await response.json();
        if (value?.error) throw new Error(`${path}: ${value.error}: ${value.message}`);
        return value;
    }

    send(method, path, body) { return this.call(method, this.session + path, body); }

    /// The window, its page the size of `device`.
    async newPage(device = Desktop)
    {
        if (device.touch) throw new Error('touch is tried in Chromium only');
        const page = new Page(this, device);
        await page.fit();
        return page;
    }

    async close()
    {
        await this.call('DELETE', this.session).catch(() => {});
        await stopped(this.driver);
        await stopped(this.display);
    }
}

// Clicks closer in time than this are a double click to GTK, with a margin.
const doubleClickTime = 500;

class Page extends WebDriverPage {
    constructor(browser, device)
    {
        super();
        this.browser = browser;
        this.device = device;
    }

    /// The window sized so that its page is the device's size, beside the browser's own bars.
    async fit()
    {
        const {width, height} = this.device;
        await this.browser.send('POST', '/window/rect', {width, height});
        const [inner, outer] = await this.evaluate('[[innerWidth, innerHeight], [outerWidth, outerHeight]]');
        await this.browser.send('POST', '/window/rect', {width: width + outer[0] - inner[0], height: height + outer[1] - inner[1]});
    }

    /// Opens `url` and records the page's errors from then on.
    async open(url)
    {
        this.url = url;
        await this.browser.send('POST', '/url', {url});
        await this.evaluate(`(() => { const errors = window.pageErrors = [];
            addEventListener('error', event => errors.push(event.message));
            addEventListener('unhandledrejection', event => errors.push(String(event.reason)));
            const log = console.error; console.error = (...args) => { errors.push(args.join(' ')); log(...args); }; })()`);
    }

    /// The value of a JavaScript expression in the page, promises awaited, as JSON carries it.
    async evaluate(expression)
    {
        const {value, error} = await this.browser.send('POST', '/execute/async', {args: [], script: `
            const done = arguments[arguments.length - 1];
            Promise.resolve().then(() => (${expression})).then(value => done({value: JSON.stringify(value)}),
                                                            error => done({error: String(error?.stack ?? error)}));`});
        if (error) throw new Error(`${expression}: ${error}`);
        return value === undefined ? undefined : JSON.parse(value);
    }

    perform(actions) { return this.browser.send('POST', '/actions', {actions}); }

    /// A click, as webdriver.mjs gives it; a second click at the same place waits out GTK's
    /// double-click time (400 ms), which WebKitGTK would take as a double click, selecting a
    /// word, where the user clicked twice.
    async click(selector, at = undefined, button = 0)
    {
        const point = at ?? await this.centreOf(selector), last = this.lastClick;
        if (last && Math.hypot(point.x - last.x, point.y - last.y) < 8)
            await new Promise(resolve => setTimeout(resolve, Math.max(0, last.at + doubleClickTime - Date.now())));
        await super.click(selector, point, button);
        this.lastClick = {...point, at: Date.now()};
    }

    pageErrors() { return this.evaluate('window.pageErrors ?? []'); }

    /// Pastes a text into the focused field: WebKit lets no script put a text on the clipboard,
    /// so the paste event the browser sends is sent with the text in it.
    async paste(text)
    {
        await this.evaluate(`(() => { const data = new DataTransfer(); data.setData('text/plain', ${JSON.stringify(text)});
            document.activeElement.dispatchEvent(new ClipboardEvent('paste', {clipboardData: data, bubbles: true,
                                                                              cancelable: true})); })()`);
    }

    /// What the clipboard holds: WebKit lets no script read it, so Ctrl+V pastes it into a
    /// field of the test's own, before the page sees the key; the focus then goes back.
    async clipboard()
    {
        await this.evaluate(`(() => { const field = document.createElement('textarea'), before = document.activeElement;
            document.body.append(field);
            field.focus();
            const keys = event => event.stopImmediatePropagation();
            addEventListener('keydown', keys, true);
            addEventListener('paste', event => {
                window.pastedClipboard = event.clipboardData.getData('text/plain');
                event.preventDefault();
                event.stopImmediatePropagation();
                removeEventListener('keydown', keys, true);
                field.remove();
                before?.focus();
            }, {capture: true, once: true}); })()`);
        await this.press('KeyV', {ctrl: true});
        await this.waitFor('window.pastedClipboard !== undefined');
        return this.evaluate('(() => { const text = window.pastedClipboard; delete window.pastedClipboard; return text; })()');
    }

    /// WebKitGTK takes the user's locale from the system's only: the page opens anew in a
    /// browser started in it.
    async setLocale(locale)
    {
        await this.browser.call('DELETE', this.browser.session);
        await this.browser.startSession(locale.replace('-', '_'));
        await this.fit();
        await this.open(this.url);
        return 'reopened';
    }

    async screenshot(path)
    {
        writeFileSync(path, Buffer.from(await this.browser.send('GET', '/screenshot'), 'base64'));
    }

    async close() { await this.browser.send('POST', '/url', {url: 'about:blank'}); }
}
