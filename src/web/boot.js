// SPDX-License-Identifier: GPL-3.0-or-later
// The program's start, in geomira.js after the view's scripts: the main window is
// drawn from its record, once its copy in the page's markup is on the screen, or at
// once where the screen has no room for the copy; once the window is on the screen the
// program's WebAssembly is fetched and compiled, and the program takes the window over
// when it is ready.
'use strict';

let geomiraProgram = null;
if (typeof WebAssembly === 'object') {
  const copy = document.querySelector('#desk > .prerendered');
  geomiraProgram = (copy && getComputedStyle(copy).display !== 'none' ? afterFirstFrame(copy) : Promise.resolve())
    .then(() => {
      drawFirstWindow(geomiraFirstWindow);
      return afterFirstFrame(document.querySelector('#desk > .window'));
    })
    .then(() => WebAssembly.compileStreaming(fetch('geomira.wasm')));
}

var Module = {
  instantiateWasm(imports, receive) {
    geomiraProgram
      .then((program) => WebAssembly.instantiate(program, imports).then((instance) => receive(instance, program)))
      .catch(() => failed('il file geomira.wasm manca o non si può leggere'));
    return {};
  },
  onRuntimeInitialized() {
    startProgram();
    // Once the main window is on the screen: the page is kept for the next visit with the network
    // off, the other windows' faces load now, not at their first opening, and so does their code,
    // one window at a time while the page is idle.
    requestAnimationFrame(() => setTimeout(() => {
      if ('serviceWorker' in navigator) navigator.serviceWorker.register('sw.js').catch(() => {});
      document.fonts.forEach((face) => face.load().catch(() => {}));
      prepareWindows(0);
    }));
  },
  onAbort() {
    failed('il programma si è interrotto');
  },
};

const whenIdle = globalThis.requestIdleCallback ?? ((run) => setTimeout(run, 50));
function prepareWindows(index) {
  whenIdle(() => then(call('prepare', index), (more) => more && prepareWindows(index + 1)));
}

document.querySelector('#ended button').addEventListener('click', () => location.reload());
