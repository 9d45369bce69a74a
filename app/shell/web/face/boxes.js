// SPDX-License-Identifier: GPL-3.0-or-later
// Message boxes: a box over the window that opened it, closed by its OK or a key.

const boxIcons = {
    error: '<svg viewBox="0 0 32 32" width="32" height="32" aria-hidden="true"><circle cx="16" cy="16" r="15" fill="#d22"/>' +
           '<path d="M10 10l12 12M22 10L10 22" stroke="white" stroke-width="3.5"/></svg>',
    information: '<svg viewBox="0 0 32 32" width="32" height="32" aria-hidden="true"><circle cx="16" cy="16" r="15" fill="#27c"/>' +
                 '<circle cx="16" cy="9" r="2.3" fill="white"/><path d="M16 14v11" stroke="white" stroke-width="4"/></svg>',
};

function showBox(kind, caption, lines, font, reading)
{
    const element = make('section', `box ${kind}`);
    element.dataset.name = 'Box';
    element.setAttribute('role', 'alertdialog');
    element.setAttribute('aria-modal', 'true');
    const title = make('div', 'title', element);
    title.dir = 'ltr';
    const captionText = make('span', 'caption', title);
    captionText.textContent = caption;
    const body = make('div', 'body', element);
    body.dir = 'ltr';
    body.insertAdjacentHTML('afterbegin', boxIcons[kind]);
    const text = make('div', 'lines', body);
    text.style.font = font;
    text.id = `box-text-${boxes.length}`;
    element.setAttribute('aria-describedby', text.id);
    element.setAttribute('aria-label', caption);
    // Each line on its own, in the reading the rules give box lines (left to right, as the
    // texts were composed).
    lines.forEach((line, i) => {
        const shown = make('div', 'line', text);
        shown.dir = reading;
        shown.dataset.name = `Box.${i + 1}`;
        shown.textContent = line;
    });
    const ok = make('button', 'button default', element);
    ok.type = 'button';
    ok.dataset.name = 'Box.OK';
    ok.textContent = 'OK';
    ok.addEventListener('click', () => closeBox());
    let resolve;
    const box = {element, ok, closed: new Promise(done => { resolve = done; })};
    box.resolve = resolve;
    element.style.zIndex = front += 2;
    boxes.push(box);
    document.body.append(element);
    for (const window of windows) if (window) closeList(window);
    updateInert();
    ok.focus();
}

const boxClosing = () => boxes[boxes.length - 1].closed;

function closeBox()
{
    const box = boxes.pop();
    box.element.remove();
    updateInert();
    refocus();
    box.resolve();
}

Object.assign(WebFace, {showBox, boxClosing});
