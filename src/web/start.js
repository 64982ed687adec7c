// SPDX-License-Identifier: GPL-3.0-or-later
// The page's first script, before the program's: a page that cannot start says
// so instead of staying blank, giving the first reason it met.
'use strict';

function failed(why) {
  const failure = document.getElementById('failure');
  if (!failure.hidden) return;
  document.getElementById('desk').replaceChildren();
  failure.textContent = `Geomira non può partire: ${why}. Ricarica la pagina; se non basta, usa un browser aggiornato.`;
  failure.hidden = false;
}

if (typeof WebAssembly !== 'object') failed('questo browser non esegue WebAssembly');
addEventListener('error', (event) => {
  if (event.target instanceof HTMLScriptElement) failed(`manca il file ${event.target.src.split('/').pop()}`);
}, true);
