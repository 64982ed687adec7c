// SPDX-License-Identifier: GPL-3.0-or-later
// The program's start, at the head of geomira.js: the WebAssembly that start.js
// compiled is instantiated, and the main window opens once it is ready.
'use strict';

var Module = {
  instantiateWasm(imports, receive) {
    geomiraProgram
      .then((program) => WebAssembly.instantiate(program, imports).then((instance) => receive(instance, program)))
      .catch(() => failed('il file geomira.wasm manca o non si può leggere'));
    return {};
  },
  onRuntimeInitialized() {
    call('start');
    // Kept for the next visit with the network off; fetched once the main window is on the screen.
    if ('serviceWorker' in navigator) requestAnimationFrame(() => setTimeout(() => navigator.serviceWorker.register('sw.js').catch(() => {})));
  },
  onAbort() {
    failed('il programma si è interrotto');
  },
};

document.querySelector('#ended button').addEventListener('click', () => location.reload());
