// SPDX-License-Identifier: GPL-3.0-or-later
// What a control holds and shows: its text, its selection, a list's items, its state, its
// place, and its text measured in its face.

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

// The room a field's text has: its box less its padding and a pixel for the caret; a banner's
// title, its box less a pixel either side for the ink, and in a column, where the banner is as
// wide as the page, a margin either side too.
const bannerMargin = 8;
function textRoom(number, index)
{
    const window = windows[number];
    const control = window.controls[index];
    if (control.kind === 'banner')
        return (window.column ? pageSize()[0] - 2 * bannerMargin
                              : parseFloat(control.element.style.getPropertyValue('--width'))) - 2;
    const field = control.element;
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

Object.assign(WebFace, {
    text, setText, selection, setSelection, clearItems, addItem, setEnabled, setHidden, place,
    textSize, textRoom, textWidth, setTextHeight, setCaret,
});
