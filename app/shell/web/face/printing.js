// SPDX-License-Identifier: GPL-3.0-or-later
// Printing: the report laid out by the program, drawn in the page for a printout.

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

Object.assign(WebFace, {measureRun, startReport, reportPage, reportShape, reportRun, printReport});
