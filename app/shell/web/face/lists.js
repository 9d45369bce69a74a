// SPDX-License-Identifier: GPL-3.0-or-later
// Lists: a list's rows opened where the rules place them, highlighted, chosen by pointer or key.

function openList(window, index)
{
    const control = window.controls[index];
    if (control.element.hidden || control.element.classList.contains('disabled')) return;
    if (window.openList) closeList(window);
    control.element.focus();
    const rowHeight = window.column ? 48 : program('WebListRowHeight');
    // Where the rules place it: below its field where its rows fit, else above, else where most
    // of them show, always inside the part of the page on the screen (a phone's zoom and its
    // keyboard leave less of it).
    const box = control.element.getBoundingClientRect();
    const seen = globalThis.visualViewport;
    const [pageWidth, pageHeight] = pageSize();
    const visible = seen ? [seen.offsetLeft, seen.offsetTop, Math.min(seen.width, pageWidth), Math.min(seen.height, pageHeight)]
                         : [0, 0, pageWidth, pageHeight];
    const field = [Math.round(box.left), Math.round(box.top), Math.round(box.width), Math.round(box.height)];
    const [left, top, width, height, shownRows] =
        ask('WebPlaceOpenList', ...field, control.items.length, rowHeight, ...visible.map(Math.floor), 2)
            .split(',').map(Number);
    const rows = make('div', 'rows');
    rows.dataset.name = `${control.name}.Rows`;
    rows.id = `${control.name}.Rows`;
    rows.setAttribute('role', 'listbox');
    rows.dir = 'rtl';
    rows.style.font = control.font;
    rows.style.setProperty('--row', `${rowHeight}px`);
    rows.classList.toggle('scrolls', control.items.length > shownRows);
    control.shownItems.forEach((item, position) => {
        const row = make('div', 'row', rows);
        row.setAttribute('role', 'option');
        row.id = `${rows.id}.${position}`;
        row.dataset.row = position;
        row.textContent = item;
        row.addEventListener('pointermove', () => highlight(window, position));
        row.addEventListener('click', () => {
            highlight(window, position);
            choose(window);
        });
    });
    rows.addEventListener('pointerdown', event => event.preventDefault());
    rows.style.left = `${left + globalThis.scrollX}px`;
    rows.style.top = `${top + globalThis.scrollY}px`;
    rows.style.width = `${width}px`;
    rows.style.height = `${height}px`;
    rows.style.zIndex = +window.element.style.zIndex + 1;
    document.body.append(rows);
    window.openList = {index, rows, highlight: -1};
    control.element.setAttribute('aria-expanded', 'true');
    control.element.setAttribute('aria-controls', rows.id);
    highlight(window, Math.max(control.selected, 0));
}

function highlight(window, position)
{
    const open = window.openList;
    const rows = open.rows.children;
    if (position < 0 || position >= rows.length) return;
    rows[open.highlight]?.classList.remove('highlight');
    rows[open.highlight]?.removeAttribute('aria-selected');
    open.highlight = position;
    rows[position].classList.add('highlight');
    rows[position].setAttribute('aria-selected', 'true');
    // The focus stays on the list's field; a screen reader follows the highlighted row, and
    // hears it as the list's new item once the user moves there.
    const field = window.controls[open.index].element;
    if (field.hasAttribute('aria-activedescendant')) announce(window.controls[open.index].items[position]);
    field.setAttribute('aria-activedescendant', rows[position].id);
    const top = rows[position].offsetTop, bottom = top + rows[position].offsetHeight;
    if (top < open.rows.scrollTop) open.rows.scrollTop = top;
    if (bottom > open.rows.scrollTop + open.rows.clientHeight) open.rows.scrollTop = bottom - open.rows.clientHeight;
}

function closeList(window)
{
    const open = window.openList;
    if (!open) return;
    window.openList = null;
    open.rows.remove();
    const field = window.controls[open.index].element;
    field.setAttribute('aria-expanded', 'false');
    field.removeAttribute('aria-activedescendant');
    field.removeAttribute('aria-controls');
}

// The open list takes its highlighted row, the user's choice, and closes.
function choose(window)
{
    const {index, highlight: position} = window.openList;
    closeList(window);
    pick(window, index, position, false);
}

function pick(window, index, position, listOpen)
{
    const had = window.controls[index].selected;
    setSelection(window.number, index, position);
    program('WebPicked', window.number, index, had, listOpen ? 1 : 0);
}

// Keys on a list, open or closed, as the rules move it: the arrows a row, PageUp and PageDown
// the open list's rows, Home and End to its ends; Left and Right a row, as the page's lists did
// before. Typing seeks the first item that starts with what was typed.
function listKey(event, window, index)
{
    const control = window.controls[index];
    const open = window.openList;
    const toggles = (event.altKey && (event.key === 'ArrowDown' || event.key === 'ArrowUp')) || event.key === 'F4';
    if (toggles || (!open && event.key === ' ')) {
        event.preventDefault();
        if (open) closeList(window);
        else openList(window, index);
        return;
    }
    if (event.ctrlKey || event.altKey) return;
    const from = open ? open.highlight : control.selected;
    const last = control.items.length - 1;
    let position = program('WebListRowAfterKey', ...stroke(event), from, control.items.length);
    if (event.key === 'ArrowLeft') position = Math.max(from - 1, 0);
    if (event.key === 'ArrowRight') position = Math.min(from + 1, last);
    if (position < 0) position = seek(window, control, event);
    if (position < 0) return;
    event.preventDefault();
    if (open) highlight(window, position);
    else if (position !== control.selected) pick(window, index, position, false);
}

// What typing on a list seeks: the characters typed on it within the rules' pause of each other.
function seek(window, control, event)
{
    const character = [...event.key].length === 1 ? event.key.codePointAt(0) : 0;
    if (!character || !program('WebSeeksItem', character)) return -1;
    const now = event.timeStamp, before = control.typedAhead ?? {typed: '', at: -Infinity};
    const typed = (now - before.at > program('WebTypeAheadPause') ? '' : before.typed) + event.key;
    control.typedAhead = {typed, at: now};
    const [items, sought] = [allocateUTF8(control.items.join('\n')), allocateUTF8(typed)];
    const found = program('WebItemStartingWith', items, sought);
    _free(items);
    _free(sought);
    return found;
}

document.addEventListener('pointerdown', event => {
    for (const window of windows) {
        const open = window?.openList;
        if (open && !open.rows.contains(event.target) &&
            !window.controls[open.index].element.contains(event.target))
            closeList(window);
    }
}, true);
