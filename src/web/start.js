// SPDX-License-Identifier: GPL-3.0-or-later
// The page's start, before anything else loads: the program's WebAssembly
// compiles while the rest of the page arrives, and a page that cannot start
// says so instead of staying blank.
'use strict';

var geomiraProgram = typeof WebAssembly === 'object' ? WebAssembly.compileStreaming(fetch('geomira.wasm')) : null;
geomiraProgram?.catch(() => {}); // geomira.js says what went wrong

function failed(why) {
  if (document.readyState === 'loading') {
    document.addEventListener('DOMContentLoaded', () => failed(why), { once: true });
    return;
  }
  document.getElementById('desk').replaceChildren();
  const failure = document.getElementById('failure');
  failure.textContent = `Geomira non può partire: ${why}. Ricarica la pagina; se non basta, usa un browser aggiornato.`;
  failure.hidden = false;
}

if (!geomiraProgram) failed('questo browser non esegue WebAssembly');
addEventListener('error', (event) => {
  if (event.target instanceof HTMLScriptElement) failed(`manca il file ${event.target.src.split('/').pop()}`);
}, true);
