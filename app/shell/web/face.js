// SPDX-License-Identifier: GPL-3.0-or-later
// The page's half of the browser face: it makes each window's elements as Window.cpp describes
// them, draws what the page draws (frames, title bars, lists, boxes, the banner), and hands the
// user's input to the program, asking the program's rules (Rules.h, through Window.cpp's
// exports) what each key does, where Tab stops, what a list's change is and how far typing
// goes. It knows no window, no control and no text of the program.
//
// Every control's element carries its window's and its own name ("Form2.Edit1"), and every
// window its window's name, so that tests find them as the program names them.
var WebFace = (() => {
    'use strict';

    const program = (name, ...args) => Module['_' + name](...args);
    const windows = [];  // by their numbers
    const modals = [];   // the windows shown modally, the last on top
    const boxes = [];    // the message boxes standing open, the last on top
    let keyNumbers = null;
    let ended = false;
    let front = 10;      // the stacking order of the window brought to the front last
    const backdrop = Object.assign(document.createElement('div'), {className: 'backdrop', hidden: true});

    // ---- Small helpers --------------------------------------------------------------------

    const make = (tag, className, parent) => {
        const element = document.createElement(tag);
        if (className) element.className = className;
        if (parent) parent.append(element);
        return element;
    };
    const characters = text => [...text].length;
    // A position in UTF-16 units as the program counts: in characters.
    const characterAt = (text, units) => characters(text.slice(0, units));
    const takeString = pointer => {
        const text = UTF8ToString(pointer);
        _free(pointer);
        return text;
    };
    const ask = (name, ...args) => UTF8ToString(program(name, ...args));

    // The program's key numbers by the names the page's key events give.
    function keyNumber(event)
    {
        if (!keyNumbers) keyNumbers = ask('WebKeyNames').split(',');
        const code = event.code === 'NumpadEnter' ? 'Enter' : event.code || event.key;
        const number = keyNumbers.indexOf(code);
        return number >= 0 ? number : keyNumbers.length;
    }
    const stroke = event => [keyNumber(event), +event.ctrlKey, +event.altKey, +event.shiftKey];

    // A text's width in a font, and the height of the font's line, as the page sets them:
    // measured on a canvas, which lays nothing out.
    const measurer = document.createElement('canvas').getContext('2d');
    function measure(text, font)
    {
        measurer.font = font;
        measurer.direction = 'rtl';
        const metrics = measurer.measureText(text);
        return [metrics.width, metrics.fontBoundingBoxAscent + metrics.fontBoundingBoxDescent];
    }

    // ---- Windows --------------------------------------------------------------------------

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
        if (kind === 'sheet') element.addEventListener('contextmenu', event => sheetMenu(event, window));
    }

    function indexOf(window, element)
    {
        return window.controls.findIndex(control => control.element.contains(element));
    }

    function setBox(element, left, top, width, height)
    {
        element.style.setProperty('--left', `${left}px`);
        element.style.setProperty('--top', `${top}px`);
        element.style.setProperty('--width', `${width}px`);
        element.style.setProperty('--height', `${height}px`);
    }

    function makeControl(number, index, described)
    {
        const window = windows[number];
        const control = {kind: described.kind, name: `${window.name}.${described.name}`, font: described.font, items: [],
                         shownItems: [], selected: -1};
        let element;
        switch (described.kind) {
        case 'label':
            element = make('div', 'label');
            control.text = make('span', 'text', element);
            control.text.textContent = described.text;
            break;
        case 'edit':
            element = make('input', 'edit');
            element.type = 'text';
            element.inputMode = 'numeric';
            element.autocomplete = 'off';
            element.spellcheck = false;
            element.dir = 'ltr';
            listenToField(window, index, element);
            break;
        case 'list':
            element = make('div', 'list');
            element.tabIndex = 0;
            element.setAttribute('role', 'combobox');
            element.setAttribute('aria-haspopup', 'listbox');
            element.setAttribute('aria-expanded', 'false');
            control.text = make('span', 'value', element);
            make('span', 'arrow', element).setAttribute('aria-hidden', 'true');
            element.addEventListener('pointerdown', event => {
                if (event.button !== 0) return;
                event.preventDefault();
                if (window.openList?.index === index)
                    closeList(window);
                else
                    openList(window, index);
            });
            break;
        case 'option': {
            element = make('label', 'option');
            const button = make('input', '', element);
            button.type = 'radio';
            button.name = window.name;
            control.button = button;
            control.text = make('span', 'text', element);
            control.text.textContent = described.text;
            break;
        }
        case 'button':
        case 'ok':
            element = make('button', described.kind === 'ok' ? 'button ok' : 'button');
            element.type = 'button';
            if (described.kind === 'ok') element.innerHTML = okGlyph;
            control.text = make('span', 'text', element);
            control.text.textContent = described.text;
            if (described.isDefault) element.classList.add('default');
            element.addEventListener('click', () => press(window, index));
            break;
        case 'banner':
            element = make('div', 'banner');
            element.setAttribute('role', 'img');
            element.setAttribute('aria-label', described.text);
            control.text = make('span', 'text', element);
            control.text.textContent = described.text;
            break;
        default:
            element = make('div', 'rule');
        }
        element.dataset.name = control.name;
        element.style.font = described.font;
        if (described.colour) element.style.color = described.colour;
        element.classList.add(described.align === 'centre' ? 'centred' : 'right');
        if (described.kind === 'label') element.dir = described.reading;
        if (described.width === 0 && described.height === 0) element.classList.add('sized-to-text');
        setBox(element, described.left, described.top, described.width, described.height);
        // The column a narrow page shows a window in: its inputs (addInput) and then its buttons
        // in the tab order, a sheet's rows from top to bottom; the banner first.
        const button = described.kind === 'button' || described.kind === 'ok';
        const order = described.kind === 'banner' ? -1 : button ? 100000 + index : window.kind === 'sheet' ? 4 * described.top
                                                                                                     : 2 * index;
        element.style.setProperty('--order', order);
        element.hidden = described.hidden;
        control.element = element;
        control.focusable = control.button ?? element;
        window.controls[index] = control;
        window.client.append(element);
    }

    // The stock OK glyph: a green tick.
    const okGlyph = '<svg class="glyph" viewBox="0 0 16 16" width="16" height="16" aria-hidden="true">' +
                    '<path d="M2 8.5l4 4 8-9" fill="none" stroke="#080" stroke-width="2.5"/></svg>';

    function drawBanner(number, index, skyTop, skyBottom, opacity, stroke, lines)
    {
        const banner = windows[number].controls[index].element;
        const width = parseFloat(banner.style.getPropertyValue('--width'));
        const height = parseFloat(banner.style.getPropertyValue('--height'));
        let strokes = '';
        for (let i = 0; i < lines.length; i += 4)
            strokes += `M${lines[i].toFixed(2)} ${lines[i + 1].toFixed(2)}L${lines[i + 2].toFixed(2)} ${lines[i + 3].toFixed(2)}`;
        const sky = `banner-sky-${number}`;
        banner.insertAdjacentHTML('afterbegin',
            `<svg class="sky" viewBox="0 0 ${width} ${height}" preserveAspectRatio="xMidYMid slice" aria-hidden="true">` +
            `<defs><linearGradient id="${sky}" x1="0" y1="0" x2="0" y2="1"><stop offset="0" stop-color="${skyTop}"/>` +
            `<stop offset="1" stop-color="${skyBottom}"/></linearGradient></defs>` +
            `<rect width="${width}" height="${height}" fill="url(#${sky})"/>` +
            `<path d="${strokes}" stroke="white" stroke-opacity="${opacity}" stroke-width="${stroke}" fill="none"/></svg>`);
    }

    function addInput(number, control, caption, unit)
    {
        const window = windows[number];
        const input = window.controls[control];
        // Above the input in a narrow page's column: the caption with its unit.
        input.columnCaption = make('div', 'column-caption');
        input.columnCaption.style.font = window.controls[caption].font;
        input.columnCaption.style.color = window.controls[caption].element.style.color;
        // In the order a copy lists the inputs, each under its caption.
        input.columnCaption.style.setProperty('--order', 2 * window.inputs.length);
        input.element.style.setProperty('--order', 2 * window.inputs.length + 1);
        input.columnCaption.setAttribute('aria-hidden', 'true');
        input.columnCaption.hidden = input.element.hidden;
        window.client.append(input.columnCaption);
        window.controls[caption].element.classList.add('input-caption');
        if (unit >= 0) window.controls[unit].element.classList.add('input-caption');
        window.inputs.push({control, caption, unit});
    }

    function addRow(number, caption, value)
    {
        const window = windows[number];
        window.rows.push({caption, value});
        // The value says the whole row to a screen reader, as one line.
        window.controls[caption].element.setAttribute('aria-hidden', 'true');
        window.controls[value].text.setAttribute('aria-hidden', 'true');
        window.controls[value].reading = make('span', 'reading', window.controls[value].element);
        const order = +window.controls[caption].element.style.getPropertyValue('--order');
        window.controls[value].element.style.setProperty('--order', order + 1);
    }

    function addNote(number, control)
    {
        windows[number].notes.push(control);
        windows[number].controls[control].element.classList.add('note');
    }

    function nameControl(number, index, name)
    {
        const control = windows[number].controls[index];
        if (control.reading) control.reading.textContent = name;
        else control.focusable.setAttribute('aria-label', name);
        if (control.columnCaption) control.columnCaption.textContent = name;
    }

    // ---- Controls' contents ---------------------------------------------------------------

    function text(number, index)
    {
        const control = windows[number].controls[index];
        if (control.kind === 'edit') return control.element.value;
        if (control.kind === 'list') return control.items[control.selected] ?? '';
        return control.text?.textContent ?? '';
    }

    function setText(number, index, value)
    {
        const control = windows[number].controls[index];
        if (control.kind === 'edit')
            control.element.value = value;
        else if (control.text)
            control.text.textContent = value;
    }

    function selection(number, index)
    {
        const control = windows[number].controls[index];
        if (control.kind === 'option') return control.button.checked ? 1 : 0;
        return control.selected;
    }

    function setSelection(number, index, position)
    {
        const control = windows[number].controls[index];
        if (control.kind === 'option') {
            control.button.checked = position !== 0;
            return;
        }
        control.selected = position >= 0 && position < control.items.length ? position : -1;
        control.text.textContent = control.shownItems[control.selected] ?? '';
    }

    function clearItems(number, index)
    {
        const control = windows[number].controls[index];
        control.items = [];
        control.shownItems = [];
        setSelection(number, index, -1);
    }

    function addItem(number, index, item, shown)
    {
        const control = windows[number].controls[index];
        control.items.push(item);
        control.shownItems.push(shown);
    }

    function setEnabled(number, index, enabled)
    {
        const control = windows[number].controls[index];
        control.element.classList.toggle('disabled', !enabled);
        if ('disabled' in control.focusable) control.focusable.disabled = !enabled;
        else {
            control.element.setAttribute('aria-disabled', String(!enabled));
            control.element.tabIndex = enabled ? 0 : -1;
        }
        if (!enabled && windows[number].openList?.index === index) closeList(windows[number]);
    }

    function setHidden(number, index, hidden)
    {
        const control = windows[number].controls[index];
        control.element.hidden = hidden;
        if (control.columnCaption) control.columnCaption.hidden = hidden;
    }

    function place(number, index, left, top, width, height)
    {
        setBox(windows[number].controls[index].element, left, top, width, height);
    }

    function textSize(number, index)
    {
        const control = windows[number].controls[index];
        return measure(control.text.textContent, control.element.style.font);
    }

    // The room a field's text has: its box less its padding and a pixel for the caret.
    function textRoom(number, index)
    {
        const field = windows[number].controls[index].element;
        const style = getComputedStyle(field);
        const width = parseFloat(field.style.getPropertyValue('--width')) - parseFloat(style.borderLeftWidth) -
                      parseFloat(style.borderRightWidth) - parseFloat(style.paddingLeft) -
                      parseFloat(style.paddingRight);
        return Math.floor((windows[number].column ? field.clientWidth : width) - 1);
    }

    function fontAt(font, height) { return font.replace(/\d+px/, `${height}px`); }

    function textWidth(number, index, height)
    {
        const control = windows[number].controls[index];
        const shown = control.kind === 'edit' ? control.element.value : control.text.textContent;
        return measure(shown, fontAt(control.font, height))[0];
    }

    function setTextHeight(number, index, height)
    {
        const control = windows[number].controls[index];
        control.element.style.font = fontAt(control.font, height);
    }

    function setCaret(number, index, position)
    {
        const field = windows[number].controls[index].element;
        const units = [...field.value].slice(0, position).join('').length;
        field.setSelectionRange(units, units);
    }

    // ---- Showing, hiding, placing -------------------------------------------------------

    const pageSize = () => [document.documentElement.clientWidth, document.documentElement.clientHeight];

    // A window's size with its frame and title bar, as face.css draws them: a dialog frame is 3
    // pixels of the window's face and a line around them, a single frame a line.
    const frames = {dialog: 4, single: 1}, titleHeight = 22;
    const framedSize = window => [window.width + 2 * frames[window.border],
                                  window.height + titleHeight + 2 * frames[window.border]];

    // A window narrower than the page keeps its pixels; on a narrower page it stands in one
    // column, its inputs under their captions.
    function layOut(window)
    {
        window.column = framedSize(window)[0] > pageSize()[0];
        window.element.classList.toggle('column', window.column);
        document.body.classList.toggle('column-page', windows.some(shown => shown?.column));
        if (window.column && window.kind === 'sheet' && !window.commands) addSheetCommands(window);
    }

    // A narrow page has no right button, no menu key and often no keyboard: a sheet's commands
    // stand on it as buttons, with the phone's own share where the browser offers it.
    function addSheetCommands(window)
    {
        window.commands = make('div', 'sheet-commands', window.client);
        const command = (name, text, run) => {
            const button = make('button', 'button', window.commands);
            button.type = 'button';
            button.dataset.name = `${window.name}.${name}`;
            make('span', 'text', button).textContent = text;
            button.addEventListener('click', () => run(window));
        };
        for (const [action, text] of sheetCommands()) {
            if (action === 'copy-sheet') command('Copy', text, copySheet);
            if (action === 'print-sheet' && canPrint()) command('Print', text, printSheet);
        }
        if (navigator.share) command('Share', ask('WebShareText'), shareSheet);
    }

    function outerSize(number)
    {
        layOut(windows[number]);
        return framedSize(windows[number]);
    }

    function moveTo(number, left, top)
    {
        const window = windows[number];
        window.left = left;
        window.top = top;
        window.element.style.left = window.column ? '' : `${left}px`;
        window.element.style.top = window.column ? '' : `${top}px`;
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

    function focusControl(window, index)
    {
        const control = window.controls[index];
        if (control) control.focusable.focus({preventScroll: !window.column});
    }

    function focusWhenShown(number, index)
    {
        const window = windows[number];
        focusControl(window, index >= 0 ? index : window.lastFocus);
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

    // ---- Number fields --------------------------------------------------------------------

    function listenToField(window, index, field)
    {
        const number = window.number;
        field.addEventListener('beforeinput', event => {
            switch (event.inputType) {
            case 'insertText':
            case 'insertReplacementText':
                event.preventDefault();
                if (event.data) type(window, index, event.data);
                break;
            case 'deleteContentBackward':
                // Backspace goes through the window's key handler as the character it types.
                if (!program('WebTyped', number, index, 8)) event.preventDefault();
                break;
            case 'insertFromPaste':
            case 'insertFromDrop':
            case 'insertLineBreak':
            case 'insertParagraph':
                event.preventDefault();
                break;
            }
        });
        field.addEventListener('input', () => program('WebEdited', number, index));
        field.addEventListener('paste', event => {
            event.preventDefault();
            const pasted = event.clipboardData.getData('text/plain');
            const value = field.value;
            const start = characterAt(value, field.selectionStart);
            const length = characterAt(value, field.selectionEnd) - start;
            const pointer = allocateUTF8(pasted);
            program('WebPasted', number, index, start, length, pointer);
            _free(pointer);
        });
        field.addEventListener('drop', event => event.preventDefault());
    }

    // Typed characters, one by one through the window's key handler and the typing limit.
    function type(window, index, typed)
    {
        const field = window.controls[index].element;
        for (const character of typed) {
            const key = program('WebTyped', window.number, index, character.codePointAt(0));
            if (!key) continue;
            const value = field.value;
            let start = field.selectionStart, end = field.selectionEnd;
            if (key === 8) {
                if (start === end && start > 0) start -= value.slice(0, start).match(/.$/u)[0].length;
                field.setRangeText('', start, end, 'end');
                program('WebEdited', window.number, index);
                continue;
            }
            const kept = characters(value) - characters(value.slice(start, end));
            if (kept >= program('WebTypingLimit', window.number, index)) continue;
            field.setRangeText(String.fromCodePoint(key), start, end, 'end');
            program('WebEdited', window.number, index);
        }
    }

    // A Ctrl shortcut types its control character into a field, and the window's key handler
    // sees it like any other.
    function fieldKey(event, window, index)
    {
        if (!event.ctrlKey || event.altKey || !/^Key[A-Z]$/.test(event.code)) return;
        const control = event.code.charCodeAt(3) - 64;
        if (!program('WebTyped', window.number, index, control)) event.preventDefault();
    }

    // ---- Lists ----------------------------------------------------------------------------

    function openList(window, index)
    {
        const control = window.controls[index];
        if (control.element.hidden || control.element.classList.contains('disabled')) return;
        if (window.openList) closeList(window);
        control.element.focus();
        const rowHeight = window.column ? 48 : program('WebListRowHeight');
        const shownRows = Math.min(control.items.length, program('WebOpenListRows'));
        const rows = make('div', 'rows');
        rows.dataset.name = `${control.name}.Rows`;
        rows.setAttribute('role', 'listbox');
        rows.dir = 'rtl';
        rows.style.font = control.font;
        rows.style.setProperty('--row', `${rowHeight}px`);
        rows.style.height = `${shownRows * rowHeight + 2}px`;
        rows.classList.toggle('scrolls', !!program('WebListShowsScrollBar', control.items.length));
        control.shownItems.forEach((item, position) => {
            const row = make('div', 'row', rows);
            row.setAttribute('role', 'option');
            row.dataset.row = position;
            row.textContent = item;
            row.addEventListener('pointermove', () => highlight(window, position));
            row.addEventListener('click', () => {
                highlight(window, position);
                choose(window);
            });
        });
        rows.addEventListener('pointerdown', event => event.preventDefault());
        // Below the list where the page has room, else above it.
        const box = control.element.getBoundingClientRect();
        const height = shownRows * rowHeight + 2;
        const below = box.bottom + height <= pageSize()[1];
        rows.style.left = `${box.left + globalThis.scrollX}px`;
        rows.style.width = `${box.width}px`;
        rows.style.top = `${(below ? box.bottom : box.top - height) + globalThis.scrollY}px`;
        rows.style.zIndex = +window.element.style.zIndex + 1;
        document.body.append(rows);
        window.openList = {index, rows, highlight: -1};
        control.element.setAttribute('aria-expanded', 'true');
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
        window.controls[open.index].element.setAttribute('aria-expanded', 'false');
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

    function listKey(event, window, index)
    {
        const control = window.controls[index];
        const open = window.openList;
        const back = event.key === 'ArrowUp' || event.key === 'ArrowLeft';
        const forth = event.key === 'ArrowDown' || event.key === 'ArrowRight';
        const toggles = (event.altKey && (event.key === 'ArrowDown' || event.key === 'ArrowUp')) || event.key === 'F4';
        if (toggles || (!open && event.key === ' ')) {
            event.preventDefault();
            if (open) closeList(window);
            else openList(window, index);
            return;
        }
        if (event.ctrlKey || event.altKey) return;
        const last = control.items.length - 1;
        let position = open ? open.highlight : control.selected;
        if (back) position = Math.max(position - 1, 0);
        else if (forth) position = Math.min(position + 1, last);
        else if (event.key === 'Home' || event.key === 'PageUp') position = 0;
        else if (event.key === 'End' || event.key === 'PageDown') position = last;
        else return;
        event.preventDefault();
        if (open) highlight(window, position);
        else pick(window, index, position, false);
    }

    document.addEventListener('pointerdown', event => {
        for (const window of windows) {
            const open = window?.openList;
            if (open && !open.rows.contains(event.target) &&
                !window.controls[open.index].element.contains(event.target))
                closeList(window);
        }
        if (!menu?.contains(event.target)) closeMenu();
    }, true);

    // ---- Keys -----------------------------------------------------------------------------

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

    // ---- Message boxes --------------------------------------------------------------------

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

    // ---- Result sheets: copy, print, their menu ------------------------------------------

    // Puts a text on the clipboard: through the Clipboard API, and where the page may not use
    // it (an older browser, a page opened from a file somewhere), through a copy command;
    // `refused` runs where neither took it.
    function copyText(copied, refused)
    {
        const byCommand = () => {
            let taken = false;
            const put = event => {
                event.clipboardData.setData('text/plain', copied);
                event.preventDefault();
                taken = true;
            };
            document.addEventListener('copy', put);
            taken = document.execCommand('copy') && taken;
            document.removeEventListener('copy', put);
            if (!taken) refused();
        };
        if (navigator.clipboard?.writeText)
            navigator.clipboard.writeText(copied).catch(byCommand);
        else
            byCommand();
    }

    const sheetText = window => takeString(program('WebSheetText', window.number));
    const copySheet = window => copyText(sheetText(window), () => program('WebCopyRefused', window.number));
    const canPrint = () => typeof print === 'function';
    const printSheet = window => program('WebPrintSheet', window.number);

    // The report, laid out by the program on its paper: one page after another, each run and
    // shape at its pixels; only a printout shows it.
    let report = null;
    function startReport(title, width, height)
    {
        report?.remove();
        report = make('div', 'report', document.body);
        report.dataset.title = title;
        report.style.setProperty('--paper-width', `${width}px`);
        report.style.setProperty('--paper-height', `${height}px`);
    }
    const reportPage = () => make('div', 'paper', report);
    const hexColour = colour => `#${colour.toString(16).padStart(6, '0')}`;
    function reportShape(left, top, width, height, colour)
    {
        const shape = make('div', 'shape', report.lastChild);
        setBox(shape, left, top, width, height);
        shape.style.background = hexColour(colour);
    }
    function reportRun(text, font, colour, rightToLeft, left, top, width, height)
    {
        const run = make('div', 'run', report.lastChild);
        setBox(run, left, top, width, height);
        run.style.font = font;
        run.style.color = hexColour(colour);
        run.dir = rightToLeft ? 'rtl' : 'ltr';
        run.textContent = text;
    }
    const measureRun = (text, font) => measure(text, font);
    function printReport()
    {
        // A PDF saved from the dialog is named after the page's title.
        const title = document.title;
        document.title = report.dataset.title;
        print();
        document.title = title;
    }
    function shareSheet(window)
    {
        navigator.share({title: window.element.getAttribute('aria-label'), text: sheetText(window)}).catch(() => {});
    }

    let menu = null;
    function sheetMenu(event, window)
    {
        event.preventDefault();
        closeMenu();
        menu = make('div', 'menu', document.body);
        menu.setAttribute('role', 'menu');
        menu.dir = 'rtl';
        menu.dataset.name = `${window.name}.Menu`;
        for (const [action, name, shortcut] of sheetCommands()) {
            const item = make('button', 'item', menu);
            item.type = 'button';
            item.setAttribute('role', 'menuitem');
            item.dataset.action = action;
            make('span', 'name', item).textContent = name;
            make('span', 'shortcut', item).textContent = shortcut;
            item.addEventListener('click', () => {
                closeMenu();
                if (action === 'copy-sheet') copySheet(window);
                else printSheet(window);
            });
        }
        menu.style.left = `${event.pageX}px`;
        menu.style.top = `${event.pageY}px`;
        menu.style.zIndex = front + 5;
        menu.querySelector('button').focus();
    }

    function closeMenu()
    {
        menu?.remove();
        menu = null;
    }

    // The sheet's commands as the rules give them: action, text, key.
    const sheetCommands = () => ask('WebSheetCommands').split('\n').map(line => line.split('\t'));

    // ---- The program ----------------------------------------------------------------------

    function decimalSeparator()
    {
        return new Intl.NumberFormat().formatToParts(1.5).find(part => part.type === 'decimal')?.value ?? '.';
    }

    function quit()
    {
        ended = true;
        for (const box of boxes.splice(0)) box.element.remove();
        for (const window of windows) if (window) { closeList(window); window.element.hidden = true; window.shown = false; }
        backdrop.hidden = true;
        document.body.dataset.ended = 'yes';
    }

    // Once the page has shown its first text, the window's, as the browser reports it; where it
    // reports none (a page opened behind others paints nothing), a second on.
    function afterFirstPaint(number, token)
    {
        let done = false;
        const then = () => {
            if (done) return;
            done = true;
            setTimeout(() => program('WebAfterPaint', token));
        };
        if (PerformanceObserver.supportedEntryTypes?.includes('paint'))
            new PerformanceObserver((entries, observer) => {
                if (!entries.getEntriesByName('first-contentful-paint').length) return;
                observer.disconnect();
                then();
            }).observe({type: 'paint', buffered: true});
        else
            requestAnimationFrame(() => requestAnimationFrame(then));
        setTimeout(then, 1000);
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

    return {
        makeWindow, makeControl, drawBanner, addInput, addRow, addNote, nameControl,
        text, setText, selection, setSelection, clearItems, addItem, setEnabled, setHidden, place,
        textSize, textRoom, textWidth, setTextHeight, setCaret,
        show, hide, closing, focusWhenShown, pageSize, outerSize, moveTo,
        showBox, boxClosing, decimalSeparator, quit, afterFirstPaint,
        measureRun, startReport, reportPage, reportShape, reportRun, printReport,
        // For the tools and tests, which read what the page shows as a person reads it.
        framedSizeOf: name => framedSize(windows.find(window => window?.name === name)),
        activeWindow: () => boxes.length ? 'Box' : activeWindow()?.name ?? '',
        ended: () => ended,
    };
})();
