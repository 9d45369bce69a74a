// SPDX-License-Identifier: GPL-3.0-or-later
// The program's start in its page: its faces are read first, so that its windows are measured
// in them, and the page says when the program has started.
Module.preRun = [() => {
    addRunDependency('faces');
    Promise.all(['19px Nazli', 'bold 19px Nazli'].map(face => document.fonts.load(face, '\u0627')))
        .finally(() => removeRunDependency('faces'));
}];
Module.postRun = [() => { document.body.dataset.ready = 'yes'; }];
