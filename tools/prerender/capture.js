// SPDX-License-Identifier: GPL-3.0-or-later
// Runs in headless Chromium after the page's own scripts have drawn the main window: a
// copy of the window becomes markup whose styles are rules of their own, as the page's
// policy allows no style attributes, and the result is left in the page for
// prerender.mjs to read.
'use strict';

const win = document.querySelector('#desk > .window');
const copy = win.cloneNode(true);
// The window's place and scale depend on the screen; the style sheet gives them.
copy.removeAttribute('style');
copy.classList.add('prerendered');
copy.inert = true;
const rules = [];
copy.querySelectorAll('[style]').forEach((element, index) => {
  element.dataset.prerendered = index;
  rules.push(`#desk [data-prerendered="${index}"] { ${element.getAttribute('style')} }`);
  element.removeAttribute('style');
});
// What the boxes hold is in their properties; markup keeps it in attributes.
const boxes = win.querySelectorAll('input, textarea');
copy.querySelectorAll('input, textarea').forEach((box, index) => {
  if (box.localName === 'textarea') box.textContent = boxes[index].value;
  else box.setAttribute('value', boxes[index].value);
});
// The smallest screen that holds the window unscaled, as fit() places it.
const room = [win.offsetWidth, win.offsetHeight].map((side) => side + windowMargin);
const json = JSON.stringify({ markup: copy.outerHTML, rules, width: win.offsetWidth, height: win.offsetHeight, room });
const result = document.createElement('pre');
result.id = 'prerendered';
result.textContent = btoa(String.fromCodePoint(...new TextEncoder().encode(json)));
document.body.append(result);
