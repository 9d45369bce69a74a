// SPDX-License-Identifier: GPL-3.0-or-later
// The page's half of the browser face, in files that the page's packer joins in one closure in
// a fixed order (app/web/CMakeLists.txt), so that they share its names as one script would:
// this file first, with the face's state and small helpers; each file then puts on `WebFace`
// what the program (Window.cpp, Printing.cpp) or the tools call from it.
//
// The face makes each window's elements as Window.cpp describes them, draws what the page
// draws (frames, title bars, lists, boxes, the banner), and hands the user's input to the
// program, asking the program's rules (Rules.h, through Window.cpp's exports) what each key
// does, where Tab stops, what a list's change is and how far typing goes. It knows no window,
// no control and no text of the program.
//
// Every control's element carries its window's and its own name ("Form2.Edit1"), and every
// window its window's name, so that tests find them as the program names them.

const program = (name, ...args) => Module['_' + name](...args);
const windows = [];  // by their numbers
const modals = [];   // the windows shown modally, the last on top
const boxes = [];    // the message boxes standing open, the last on top
let keyNumbers = null;
let ended = false;
let front = 10;      // the stacking order of the window brought to the front last
const backdrop = Object.assign(document.createElement('div'), {className: 'backdrop', hidden: true});

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

function setBox(element, left, top, width, height)
{
    element.style.setProperty('--left', `${left}px`);
    element.style.setProperty('--top', `${top}px`);
    element.style.setProperty('--width', `${width}px`);
    element.style.setProperty('--height', `${height}px`);
}
