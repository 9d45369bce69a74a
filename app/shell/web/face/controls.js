// SPDX-License-Identifier: GPL-3.0-or-later
// Controls: each control's element made from its description, where it stands in a narrow
// page's column, and what a screen reader is told of it.

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

// The page's one polite live region: what the program announces is added to it, each
// announcement its own element, a line each, so that a screen reader says the new one alone.
// The last few stay; older ones go unsaid.
const heard = make('div', 'heard');
heard.setAttribute('aria-live', 'polite');
function announce(text)
{
    if (!text) return;
    if (!heard.isConnected) document.body.append(heard);
    const said = make('div', '', heard);
    for (const line of text.split('\n')) make('div', '', said).textContent = line;
    while (heard.children.length > 8) heard.firstElementChild.remove();
}

Object.assign(WebFace, {makeControl, drawBanner, addInput, addRow, addNote, nameControl, announce});
