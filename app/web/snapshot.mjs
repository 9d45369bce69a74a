// SPDX-License-Identifier: GPL-3.0-or-later
// The window a page's program shows first, as the program drew it, copied out of the page in
// headless Chromium, for the packed page to show while its program starts: the page's first
// paint then waits for its faces only, not for the WebAssembly. The copy takes no input and is
// named by nothing; the program removes it as it shows its own window in the same place.
// Written as JSON: {style, markup}, the copy's own style (its elements' inline styles as rules,
// which the page's policy allows only in its style sheet) and its markup.
// Usage: node snapshot.mjs PAGE.html OUT.json
import {writeFileSync} from 'node:fs';
import {pathToFileURL} from 'node:url';

import {Browser, Desktop} from './chromium.mjs';

const [page, output] = process.argv.slice(2);
const browser = await Browser.launch();
const tab = await browser.newPage(Desktop);
await tab.open(pathToFileURL(page).href);
await tab.waitFor('document.body.dataset.ready === "yes"');
const snapshot = await tab.evaluate(`(() => {
    const shown = document.querySelector('section.window:not([hidden])');
    const [width, height] = WebFace.framedSizeOf(shown.dataset.name);
    const copy = shown.cloneNode(true);
    copy.style.removeProperty('left');
    copy.style.removeProperty('top');
    copy.style.removeProperty('z-index');
    const rules = [];
    for (const element of [copy, ...copy.querySelectorAll('*')]) {
        element.removeAttribute('data-name');
        element.removeAttribute('id');
        element.removeAttribute('aria-describedby');
        // What the program set as properties, written as the markup's attributes.
        if (element.checked) element.setAttribute('checked', '');
        if (element.tagName === 'INPUT' && element.value) element.setAttribute('value', element.value);
        const style = element.getAttribute('style');
        element.removeAttribute('style');
        if (!style) continue;
        element.classList.add('snapshot-' + rules.length);
        rules.push('.snapshot-' + rules.length + '{' + style + '}');
    }
    copy.dataset.snapshot = '';
    copy.setAttribute('inert', '');
    copy.setAttribute('aria-hidden', 'true');
    copy.hidden = false;
    // Centred on the page as the program places a window that fits it; on a page too narrow
    // for it, the program lays it out otherwise, so the copy stays away.
    rules.push('[data-snapshot]{left:max(0px,round(down,(100% - ' + width + 'px) / 2,1px));' +
               'top:max(0px,round(down,(100% - ' + height + 'px) / 2,1px))}');
    rules.push('@media (max-width:' + (width - 1) + 'px){[data-snapshot]{display:none}}');
    return {style: rules.join('\\n'), markup: copy.outerHTML};
})()`);
await browser.close();
writeFileSync(output, JSON.stringify(snapshot));
