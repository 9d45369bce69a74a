// SPDX-License-Identifier: GPL-3.0-or-later
// The program: the user's decimal separator, its first paint, its end; and what the tools and
// tests read of the page.

function decimalSeparator()
{
    return new Intl.NumberFormat().formatToParts(1.5).find(part => part.type === 'decimal')?.value ?? '.';
}

// The program has ended: its windows go, and the page says so under the program's title, with
// a button that starts the program again, as its icon on a desktop would.
function quit(endedText, againText)
{
    ended = true;
    for (const box of boxes.splice(0)) box.element.remove();
    for (const window of windows) if (window) { closeList(window); window.element.hidden = true; window.shown = false; }
    backdrop.hidden = true;
    document.body.dataset.ended = 'yes';
    const page = make('section', 'ended', document.body);
    page.dataset.name = 'Ended';
    make('h1', 'caption', page).textContent = document.title;
    make('p', 'line', page).textContent = endedText;
    const again = make('button', 'button', page);
    again.type = 'button';
    again.dataset.name = 'Ended.Again';
    make('span', 'text', again).textContent = againText;
    again.addEventListener('click', () => location.reload());
    again.focus();
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

Object.assign(WebFace, {
    decimalSeparator, quit, afterFirstPaint,
    // For the tools and tests, which read what the page shows as a person reads it.
    framedSizeOf: name => framedSize(windows.find(window => window?.name === name)),
    activeWindow: () => boxes.length ? 'Box' : activeWindow()?.name ?? '',
    ended: () => ended,
});
