// SPDX-License-Identifier: GPL-3.0-or-later
// Keys and focus: what each key does, as the rules say, where the focus goes, and a button
// pressed.

// A control takes the focus; in a column, the page scrolls to show it, as the user moves on.
function focusControl(window, index, scroll = window.column)
{
    const control = window.controls[index];
    if (control) control.focusable.focus({preventScroll: !scroll});
}

// A window shown opens at its top (a sheet at its first row, an input window at its banner),
// wherever the control that takes the focus stands in a column: once the handler that shows it
// has ended, and the window it follows is hidden.
function focusWhenShown(number, index)
{
    const window = windows[number];
    focusControl(window, index >= 0 ? index : window.lastFocus, false);
    if (!window.column) return;
    if (window.kind === 'sheet') window.element.scrollTop = 0;
    else setTimeout(() => scrollTo(scrollX, window.element.getBoundingClientRect().top + scrollY));
}

// The focus goes back where it was in the window the user works in now.
function refocus()
{
    if (boxes.length) {
        boxes[boxes.length - 1].ok.focus();
        return;
    }
    const window = activeWindow();
    if (window && !window.element.contains(document.activeElement)) focusControl(window, window.lastFocus);
}

function focusedIndex(window)
{
    return window.element.contains(document.activeElement) ? indexOf(window, document.activeElement) : -1;
}

function press(window, index)
{
    if (index < 0 || ended) return;
    const control = window.controls[index];
    if (control.element.hidden || control.focusable.disabled) return;
    program('WebClicked', window.number, index);
}

function moveFocus(window, from, step)
{
    const count = window.controls.length;
    for (let i = 1; i <= count; ++i) {
        const at = ((from < 0 ? (step > 0 ? -1 : 0) : from) + step * i + count * 2) % count;
        if (program('WebIsTabStop', window.number, at)) {
            focusControl(window, at);
            return;
        }
    }
}

document.addEventListener('keydown', event => {
    if (ended) return;
    if (menu) {
        if (event.key === 'Escape') closeMenu();
        event.preventDefault();
        return;
    }
    if (boxes.length) {
        if (program('WebClosesBox', ...stroke(event))) {
            event.preventDefault();
            closeBox();
        } else if (event.key === 'Tab') {
            event.preventDefault();  // OK is the box's only control
        }
        return;
    }
    const window = activeWindow();
    if (!window) return;
    const focused = focusedIndex(window);
    const action = ask('WebKeyAction', window.number, ...stroke(event), focused, window.openList ? 1 : 0);
    if (action !== 'toolkit') event.preventDefault();
    switch (action) {
    case 'toolkit': toolkit(event, window, focused); break;
    case 'press-focused': press(window, focused); break;
    case 'press-default': press(window, program('WebDefaultButton', window.number)); break;
    case 'choose-item': choose(window); break;
    case 'keep-item': closeList(window); break;
    case 'copy-sheet': copySheet(window); break;
    case 'print-sheet': printSheet(window); break;
    case 'select-all': window.controls[focused].element.select(); break;
    }
}, true);

// What the keys do that the rules leave to the toolkit: Tab between the stops, the arrows
// in the lists; the page does the rest (typing, Space on a button, the arrows between the
// options).
function toolkit(event, window, focused)
{
    if (event.key === 'Tab' && !event.ctrlKey && !event.altKey) {
        event.preventDefault();
        closeList(window);
        moveFocus(window, focused, event.shiftKey ? -1 : 1);
        return;
    }
    const control = window.controls[focused];
    if (control?.kind === 'list') listKey(event, window, focused);
    if (control?.kind === 'edit') fieldKey(event, window, focused);
}

Object.assign(WebFace, {focusWhenShown});
