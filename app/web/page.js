// SPDX-License-Identifier: GPL-3.0-or-later
// The program's start in its page: its faces are read at once, and the program starts once
// they are in, so that its windows are measured in them; the page says when it has started.
Module.faces = Promise.all(['19px Nazli', 'bold 19px Nazli'].map(face => document.fonts.load(face, '\u0627')));
Module.preRun = [() => {
    addRunDependency('faces');
    Module.faces.finally(() => removeRunDependency('faces'));
}];
Module.postRun = [() => {
    performance.mark('program-started');
    document.body.dataset.ready = 'yes';
}];
