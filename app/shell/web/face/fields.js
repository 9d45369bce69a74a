// SPDX-License-Identifier: GPL-3.0-or-later
// Number fields: what is typed, composed, deleted or pasted goes through the window's key
// handler and its typing limit, one character at a time; a field that takes the focus shows its
// whole text selected, as the rules say.

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
    field.addEventListener('input', () => {
        if (!composed) program('WebEdited', number, index);
    });
    // An input method (a phone's keyboard among them) writes its text into the field while it
    // composes it, which the page cannot stop; once the text is committed the field gets back
    // what it held, and the text goes through the key handler as typed keys do. A browser that
    // lets the page take the committed text (insertFromComposition) hands it over there.
    let composed = null;
    field.addEventListener('compositionstart', () => {
        composed = {value: field.value, start: field.selectionStart, end: field.selectionEnd, taken: false};
    });
    field.addEventListener('beforeinput', event => {
        if (event.inputType !== 'insertFromComposition' || !composed) return;
        event.preventDefault();
        composed.taken = true;
        if (event.data) type(window, index, event.data);
    });
    field.addEventListener('compositionend', event => {
        const was = composed;
        composed = null;
        if (!was || was.taken) return;
        field.value = was.value;
        field.setSelectionRange(was.start, was.end);
        if (event.data) type(window, index, event.data);
        program('WebEdited', number, index);
    });
    // The focus comes with the whole text selected, so that what is typed replaces it: by Tab,
    // from the program, and by a click or a tap, after which the browser would place the caret
    // where the pointer was (WebKit places it as the button comes up, after the click, unless
    // the button's coming up is kept from it); a press in a field that held the focus places
    // the caret.
    let heldFocus = true;
    field.addEventListener('pointerdown', () => { heldFocus = document.activeElement === field; });
    field.addEventListener('mouseup', event => {
        if (ask('WebFieldPress', +heldFocus) === 'select-whole') event.preventDefault();
    });
    field.addEventListener('focus', () => field.select());
    field.addEventListener('click', () => {
        if (ask('WebFieldPress', +heldFocus) === 'select-whole') field.select();
        heldFocus = true;
    });
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
