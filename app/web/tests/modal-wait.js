// SPDX-License-Identifier: GPL-3.0-or-later
// The page's side of ModalWait.cpp: Enter in the field runs the handler, a box waits for OK.
const field = document.getElementById('field');
const backdrop = document.getElementById('backdrop');
var Page = {
    showBox(caption, text) {
        document.getElementById('caption').textContent = caption;
        document.getElementById('text').textContent = text;
        backdrop.hidden = false;
        const ok = document.getElementById('ok');
        ok.focus();
        return new Promise(resolve => {
            ok.onclick = () => {
                backdrop.hidden = true;
                field.focus();
                resolve();
            };
        });
    },
    setField(text) { field.value = text; },
};
let running = false;
field.addEventListener('keydown', event => {
    // One handler at a time, as a modal box blocks the window under it.
    if (event.key !== 'Enter' || running) return;
    // Otherwise the same Enter, once the box has the focus, presses its OK at once.
    event.preventDefault();
    running = true;
    Module.ccall('Entered', null, ['string'], [field.value], {async: true}).then(() => { running = false; });
});
Module.onRuntimeInitialized = () => {
    document.body.dataset.ready = 'yes';
    field.focus();
};
