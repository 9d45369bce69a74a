// SPDX-License-Identifier: GPL-3.0-or-later
// Windows: each window's frame, title bar and client area, shown, hidden and stacked; only the
// window the user works in takes input.

function makeWindow(number, name, kind, caption, width, height, border, buttons)
{
    const element = make('section', `window ${kind} ${border}`);
    element.dataset.name = name;
    element.hidden = true;
    element.setAttribute('role', 'dialog');
    element.setAttribute('aria-label', caption);
    element.setAttribute('lang', 'fa');
    const title = make('div', 'title', element);
    title.dir = 'ltr';
    const captionText = make('span', 'caption', title);
    captionText.dir = 'rtl';
    captionText.textContent = caption;
    const titleButtons = make('span', 'title-buttons', title);
    titleButtons.setAttribute('aria-hidden', 'true');
    if (buttons === 'minimize-close') make('span', 'minimize', titleButtons);
    const close = make('button', 'close', titleButtons);
    close.tabIndex = -1;
    close.dataset.name = `${name}.CloseBox`;
    close.addEventListener('click', () => program('WebCloseBox', number));
    const client = make('div', 'client', element);
    client.dir = 'rtl';
    client.style.width = `${width}px`;
    client.style.height = `${height}px`;
    const window = {number, name, kind, border, element, client, width, height, controls: [], inputs: [], rows: [],
                    notes: [], shown: false, modal: false, closing: null, lastFocus: -1, openList: null,
                    column: false};
    windows[number] = window;
    document.body.append(element);
    element.addEventListener('focusin', event => {
        const index = indexOf(window, event.target);
        if (index >= 0) window.lastFocus = index;
    });
    if (kind === 'sheet') listenForMenu(window);
}

function indexOf(window, element)
{
    return window.controls.findIndex(control => control.element.contains(element));
}

// A window goes where the program places it on the part of the page that shows: a sheet
// shown over a window the user scrolled down (a column on a tablet) opens in view, not above it.
function moveTo(number, left, top)
{
    const window = windows[number];
    window.left = left;
    window.top = top;
    window.element.style.left = window.column ? '' : `${left + scrollX}px`;
    window.element.style.top = window.column ? '' : `${top + scrollY}px`;
}

function show(number, modal)
{
    const window = windows[number];
    // The page may show a copy of this window while the program starts; the window itself
    // takes its place now.
    document.querySelector('[data-snapshot]')?.remove();
    layOut(window);
    window.shown = true;
    window.element.hidden = false;
    window.element.style.zIndex = front += 2;
    if (modal && !window.modal) {
        window.modal = true;
        window.element.setAttribute('aria-modal', 'true');
        let resolve;
        window.closing = new Promise(done => { resolve = done; });
        window.closing.resolve = resolve;
        modals.push(window);
    }
    updateInert();
}

function hide(number)
{
    const window = windows[number];
    if (window.openList) closeList(window);
    window.shown = false;
    window.element.hidden = true;
    if (window.modal) {
        window.modal = false;
        window.element.removeAttribute('aria-modal');
        modals.splice(modals.indexOf(window), 1);
        window.closing.resolve();
    }
    updateInert();
    refocus();
}

const closing = number => windows[number].closing;

// The window the user works in: the top modal one, else the one shown last.
function activeWindow()
{
    if (modals.length) return modals[modals.length - 1];
    let active = null;
    for (const window of windows)
        if (window?.shown && (!active || +window.element.style.zIndex > +active.element.style.zIndex))
            active = window;
    return active;
}

// Only the window the user works in takes input: a modal sheet or box blocks the others.
function updateInert()
{
    const active = boxes.length ? null : activeWindow();
    const blocking = boxes.length > 0 || modals.length > 0;
    for (const window of windows)
        if (window) window.element.inert = blocking && window !== active;
    backdrop.hidden = !blocking;
    const top = boxes.length ? boxes[boxes.length - 1].element : active?.element;
    backdrop.style.zIndex = top ? +top.style.zIndex - 1 : 0;
    if (!backdrop.isConnected) document.body.append(backdrop);
}

Object.assign(WebFace, {makeWindow, show, hide, closing, moveTo});
