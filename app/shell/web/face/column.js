// SPDX-License-Identifier: GPL-3.0-or-later
// The one-column layout: a window wider than the page stands in one column, and every window
// shown is placed anew as the page changes its size.

const pageSize = () => [document.documentElement.clientWidth, document.documentElement.clientHeight];

// A window's size with its frame and title bar, as face.css draws them: a dialog frame is 3
// pixels of the window's face and a line around them, a single frame a line.
// A sheet's commands on a touch screen stand under its client area, commandsHeight high.
const frames = {dialog: 4, single: 1}, titleHeight = 22, commandsHeight = 56;
const framedSize = window => [window.width + 2 * frames[window.border],
                              window.height + titleHeight + 2 * frames[window.border] +
                                  (window.commands && !window.commands.hidden && !window.column ? commandsHeight : 0)];

// A touch-first device: its primary pointer is a finger.
const touchFirst = () => globalThis.matchMedia?.('(pointer: coarse)').matches ?? false;

// A window narrower than the page keeps its pixels; on a narrower page it stands in one
// column, its inputs under their captions. A sheet's commands stand on it as buttons in a
// column, and on a touch screen whatever its width, under its client area.
function layOut(window)
{
    window.column = framedSize(window)[0] > pageSize()[0];
    window.element.classList.toggle('column', window.column);
    document.body.classList.toggle('column-page', windows.some(shown => shown?.column));
    // A banner's title fits the banner's width, as wide as the page in a column.
    window.controls.forEach((control, index) => {
        if (control.kind === 'banner') program('WebFit', window.number, index);
    });
    if (window.kind !== 'sheet') return;
    const commands = window.column || touchFirst();
    if (commands && !window.commands) addSheetCommands(window);
    if (!window.commands) return;
    window.commands.hidden = !commands;
    (window.column ? window.client : window.element).append(window.commands);
}

function outerSize(number)
{
    layOut(windows[number]);
    return framedSize(windows[number]);
}

// A window shown stays in its place as the page changes its size: placed anew, or laid
// out in one column where it no longer fits.
addEventListener('resize', () => {
    for (const window of windows) {
        if (!window?.shown) continue;
        closeList(window);
        layOut(window);
        program('WebPlace', window.number);
    }
});

Object.assign(WebFace, {pageSize, outerSize});
