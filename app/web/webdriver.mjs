// SPDX-License-Identifier: GPL-3.0-or-later
// What Firefox (WebDriver BiDi) and WebKitGTK (WebDriver over HTTP) share: the page's input as
// WebDriver's actions, which both take in the same form, and the page's half of a tab: values
// of expressions, waiting, the pointer and the keys. A driver's page gives `evaluate` and
// `perform` (one list of action sequences); the rest is here and in engines.mjs.
import {PageBase} from './engines.mjs';

// WebDriver's codes of the keys that type no character.
const specialKeys = {Enter: '\uE007', Escape: '\uE00C', Tab: '\uE004', Backspace: '\uE003', Space: ' ',
                     ArrowUp: '\uE013', ArrowDown: '\uE015', ArrowLeft: '\uE012', ArrowRight: '\uE014',
                     KeyC: 'c', KeyP: 'p', KeyV: 'v', KeyA: 'a', Home: '\uE011', End: '\uE010', PageUp: '\uE00E',
                     PageDown: '\uE00F', Insert: '\uE016', Control: '\uE009', Alt: '\uE00A', Shift: '\uE008'};

const keys = values => ({type: 'key', id: 'keyboard',
                         actions: values.flatMap(value => [{type: 'keyDown', value}, {type: 'keyUp', value}])});

export class WebDriverPage extends PageBase {
    /// A click of the mouse's `button` (0 left, 2 right) in the middle of the element, or at `at`.
    async click(selector, at = undefined, button = 0)
    {
        const {x, y} = at ?? await this.centreOf(selector);
        await this.perform([{type: 'pointer', id: 'mouse', parameters: {pointerType: 'mouse'}, actions: [
            {type: 'pointerMove', x: Math.round(x), y: Math.round(y), origin: 'viewport', duration: 0},
            {type: 'pointerDown', button}, {type: 'pointerUp', button}]}]);
    }

    async rightClick(selector) { await this.click(selector, undefined, 2); }

    /// A notch of the mouse wheel at a point of the viewport, down where `deltaY` is positive.
    async wheel(x, y, deltaY)
    {
        await this.perform([{type: 'wheel', id: 'wheel', actions: [
            {type: 'scroll', x: Math.round(x), y: Math.round(y), deltaX: 0, deltaY, origin: 'viewport', duration: 0}]}]);
    }

    /// Types the characters one key at a time; a backspace on Backspace.
    async type(text)
    {
        await this.perform([keys([...text].map(character => character === '\b' ? specialKeys.Backspace : character))]);
    }

    /// Presses and releases a named key (as chromium.mjs names them) with the modifiers held.
    async press(name, {ctrl = false, alt = false, shift = false} = {})
    {
        const held = [ctrl && specialKeys.Control, alt && specialKeys.Alt, shift && specialKeys.Shift].filter(Boolean);
        const actions = [...held.map(value => ({type: 'keyDown', value})), {type: 'keyDown', value: specialKeys[name]},
                         {type: 'keyUp', value: specialKeys[name]}, ...held.reverse().map(value => ({type: 'keyUp', value}))];
        await this.perform([{type: 'key', id: 'keyboard', actions}]);
    }
}
