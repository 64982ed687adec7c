// SPDX-License-Identifier: GPL-3.0-or-later
// The "Copia" menu of a result: a right click offers it, and so does a long
// press where there is no right click; it copies what the result shows.
'use strict';

// The open "Copia" menu's close, which runs once: removing the menu takes its focus, and
// losing the focus asks again. Chosen or dismissed with Escape, it gives the focus back.
let closeCopyMenu = null;

function showCopyMenu(label, x, y) {
  closeCopyMenu?.(false);
  const menu = document.createElement('div');
  menu.className = 'popup';
  menu.setAttribute('role', 'menu');
  const item = document.createElement('button');
  item.type = 'button';
  item.setAttribute('role', 'menuitem');
  item.textContent = 'Copia';
  item.disabled = label.textContent === '';
  const text = label.textContent;
  const before = document.activeElement;
  const close = (giveBack) => {
    if (closeCopyMenu !== close) return;
    closeCopyMenu = null;
    menu.remove();
    if (giveBack && before?.isConnected) before.focus();
  };
  closeCopyMenu = close;
  item.addEventListener('click', () => {
    navigator.clipboard.writeText(text).catch(() => {});
    close(true);
  });
  menu.addEventListener('keydown', (event) => event.key === 'Escape' && close(true));
  menu.addEventListener('focusout', (event) => !menu.contains(event.relatedTarget) && close(false));
  menu.append(item);
  Object.assign(menu.style, { left: `${x}px`, top: `${y}px` });
  document.body.append(menu);
  item.focus();
}

// A right click on a result offers "Copia", and so does a long press where there is no
// right click. A press that offered it ends there: no click, and the menu keeps the focus.
function offerCopy(label) {
  label.addEventListener('contextmenu', (event) => {
    event.preventDefault();
    showCopyMenu(label, event.clientX, event.clientY);
  });
  let press = null;
  let start = null;
  let offered = false;
  const release = () => {
    clearTimeout(press);
    start = null;
  };
  label.addEventListener('pointerdown', (event) => {
    offered = false;
    if (event.pointerType === 'mouse') return;
    start = [event.clientX, event.clientY];
    press = setTimeout(() => {
      offered = true;
      showCopyMenu(label, ...start);
    }, 500);
  });
  // A finger that moves is scrolling the page, not pressing.
  label.addEventListener('pointermove', (event) => {
    if (start && Math.hypot(event.clientX - start[0], event.clientY - start[1]) > 8) release();
  });
  for (const end of ['pointerup', 'pointercancel']) label.addEventListener(end, release);
  label.addEventListener('touchend', (event) => offered && event.cancelable && event.preventDefault());
  label.addEventListener('click', (event) => {
    if (!offered) return;
    offered = false;
    event.stopImmediatePropagation();
  }, true);
}
