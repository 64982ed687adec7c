// SPDX-License-Identifier: GPL-3.0-or-later
// The page's start: the program begins once its WebAssembly is ready; a page
// that cannot start says so instead of staying blank.
'use strict';

function failed(why) {
  desk().replaceChildren();
  const failure = document.getElementById('failure');
  failure.textContent = `Geomira non può partire: ${why}. Ricarica la pagina; se non basta, usa un browser aggiornato.`;
  failure.hidden = false;
}

// Defined before the program's script, whose start reads it.
var Module = {
  onRuntimeInitialized() {
    call('start');
  },
  onAbort() {
    failed('il programma si è interrotto');
  },
};

if (typeof WebAssembly !== 'object') failed('questo browser non esegue WebAssembly');
addEventListener('error', (event) => {
  if (event.target instanceof HTMLScriptElement) failed(`manca il file ${event.target.src.split('/').pop()}`);
}, true);
// Kept for the next visit with the network off.
if ('serviceWorker' in navigator) navigator.serviceWorker.register('sw.js').catch(() => {});
document.querySelector('#ended button').addEventListener('click', () => location.reload());
