// SPDX-License-Identifier: GPL-3.0-or-later
// A result sheet's commands: copy, print and share, from its menu, its keys, or its buttons on
// a narrow page or a touch screen.

// A narrow page or a touch screen has no right button, no menu key and often no keyboard: a
// sheet's commands stand on it as buttons, with the phone's own share where the browser offers
// it.
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

function shareSheet(window)
{
    navigator.share({title: window.element.getAttribute('aria-label'), text: sheetText(window)}).catch(() => {});
}

// A sheet's menu opens by the right button, the menu key, or a finger held on the sheet for
// holdTime without moving; a browser that opens it on its own for a held finger as well
// (Chrome on Android) opens it once.
const holdTime = 500, holdSlack = 10;
function listenForMenu(window)
{
    const element = window.element;
    let held = null, heldOpen = false;
    const release = () => {
        clearTimeout(held?.timer);
        held = null;
    };
    element.addEventListener('pointerdown', event => {
        release();
        heldOpen = false;
        if (event.pointerType !== 'touch' || !event.isPrimary) return;
        const {pageX, pageY, clientX, clientY} = event;
        held = {clientX, clientY, timer: setTimeout(() => {
            held = null;
            heldOpen = true;
            sheetMenu({pageX, pageY, preventDefault() {}}, window);
        }, holdTime)};
    });
    element.addEventListener('pointermove', event => {
        if (held && Math.hypot(event.clientX - held.clientX, event.clientY - held.clientY) > holdSlack) release();
    });
    for (const type of ['pointerup', 'pointercancel']) element.addEventListener(type, release);
    element.addEventListener('contextmenu', event => {
        if (heldOpen && menu) event.preventDefault();
        else sheetMenu(event, window);
    });
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
    // Where it was asked for, moved in as far as keeps it on the screen.
    menu.style.zIndex = front + 5;
    const [pageWidth, pageHeight] = pageSize();
    const left = Math.max(0, Math.min(event.pageX - scrollX, pageWidth - menu.offsetWidth));
    const top = Math.max(0, Math.min(event.pageY - scrollY, pageHeight - menu.offsetHeight));
    menu.style.left = `${left + scrollX}px`;
    menu.style.top = `${top + scrollY}px`;
    menu.querySelector('button').focus();
}

function closeMenu()
{
    menu?.remove();
    menu = null;
}

// The sheet's commands as the rules give them: action, text, key.
const sheetCommands = () => ask('WebSheetCommands').split('\n').map(line => line.split('\t'));

document.addEventListener('pointerdown', event => {
    if (!menu?.contains(event.target)) closeMenu();
}, true);
