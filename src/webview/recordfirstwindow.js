// SPDX-License-Identifier: GPL-3.0-or-later
// Put before the program that runs under Node.js while the page is built: the
// program starts as it does on the page, and what it asks of the page until
// its main window shows is written out, as a script, for the page to replay.
'use strict';

const calls = [];
globalThis.geomiraPage = {
  openWindow: (id, design) => calls.push(['openWindow', id, design]),
  mirror: (id, state) => calls.push(['mirror', id, state]),
  showWindow: (id) => calls.push(['showWindow', id]),
};
Module.onRuntimeInitialized = () => {
  Module.start();
  if (!calls.length || calls[calls.length - 1][0] !== 'showWindow') throw new Error('the program showed no main window at its start');
  process.stdout.write('// The main window as the program first shows it, written when the page was built.\n'
    + `var geomiraFirstWindow = ${JSON.stringify(calls)};\n`);
};
