// SPDX-License-Identifier: GPL-3.0-or-later
// A result sheet's commands: copy, print and share, from its menu, its keys, or its buttons on
// a narrow page.

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

document.addEventListener('pointerdown', event => {
    if (!menu?.contains(event.target)) closeMenu();
}, true);
