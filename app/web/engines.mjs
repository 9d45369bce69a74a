// SPDX-License-Identifier: GPL-3.0-or-later
// The three engines every browser is built on, each driven through its own remote control
// behind one interface: Chromium (chromium.mjs), Firefox (firefox.mjs) and WebKit (webkit.mjs).
// A browser launches, gives its `version`, makes pages (`newPage(device)`) and closes; a page
// opens an address, evaluates an expression, waits for one to hold, clicks (a right click
// too), turns the mouse wheel, types, presses keys, pastes, reads the clipboard, changes the
// user's locale, reports its errors (`pageErrors`) and takes screenshots. Only Chromium taps and records the page's requests.

/// A desktop screen and a phone's, as the pages are tried on.
export const Desktop = {width: 1280, height: 800, deviceScaleFactor: 1, mobile: false, touch: false};
export const Phone = {width: 412, height: 915, deviceScaleFactor: 2.625, mobile: true, touch: true};

/// The engine named by ENGINE ("chromium", "firefox" or "webkit"; Chromium where none is).
export const engine = process.env.ENGINE || 'chromium';

export async function launch(name = engine)
{
    const {Browser} = await import(`./${name}.mjs`);
    return Browser.launch();
}

/// What every engine's page does alike, on its `evaluate`.
export class PageBase {
    /// Waits until the expression is true, and fails after `milliseconds`.
    async waitFor(expression, milliseconds = 5000)
    {
        const end = Date.now() + milliseconds;
        while (!(await this.evaluate(expression))) {
            if (Date.now() > end) throw new Error(`still false after ${milliseconds} ms: ${expression}`);
            await new Promise(resolve => setTimeout(resolve, 20));
        }
    }

    /// The centre of the element that `selector` finds, in CSS pixels of the viewport, once the
    /// page is scrolled to show it, as a person scrolls to what they reach for.
    async centreOf(selector)
    {
        const box = await this.evaluate(`(() => { const e = document.querySelector(${JSON.stringify(selector)});
            if (!e) return null; e.scrollIntoView({block: 'nearest', inline: 'nearest'});
            const r = e.getBoundingClientRect(); return {x: r.x + r.width / 2, y: r.y + r.height / 2}; })()`);
        if (!box) throw new Error(`no element ${selector}`);
        return box;
    }
}
