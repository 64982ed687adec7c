// SPDX-License-Identifier: GPL-3.0-or-later
// A window's menu bar from its menu items: an item with items under it opens a
// menu, the others are commands. Alt and the access key open a menu; the arrow
// keys move, Enter chooses, Escape closes.
'use strict';

function buildMenuBar(id, rows) {
  const bar = document.createElement('div');
  bar.className = 'menubar';
  bar.setAttribute('role', 'menubar');
  const items = new Map();
  const menus = new Map();
  const opensMenu = (row) => rows.some((other) => other.container === row.name);

  const closeAll = () => {
    for (const menu of menus.values()) menu.hidden = true;
    for (const { element } of items.values()) element.setAttribute('aria-expanded', 'false');
  };
  const entries = (holder) => [...holder.children].filter((item) => !item.hidden && item.getAttribute('role') === 'menuitem');
  const open = (item, focusFirst) => {
    const menu = menus.get(item.dataset.name);
    menu.hidden = false;
    item.setAttribute('aria-expanded', 'true');
    // Layout offsets, which the window's scale leaves alone.
    const inBar = item.parentElement === bar;
    Object.assign(menu.style, {
      left: `${inBar ? item.offsetLeft : item.offsetWidth}px`,
      top: `${inBar ? bar.offsetHeight : item.offsetTop}px`,
    });
    if (focusFirst) entries(menu)[0]?.focus();
  };
  const choose = (row) => {
    closeAll();
    call('click', id, row.name);
  };

  for (const row of rows) {
    const item = document.createElement('button');
    item.type = 'button';
    item.setAttribute('role', 'menuitem');
    item.dataset.name = row.name;
    item.tabIndex = -1;
    const holder = row.container ? menus.get(row.container) : bar;
    holder.append(item);
    items.set(row.name, { row, element: item });
    if (opensMenu(row)) {
      item.setAttribute('aria-haspopup', 'menu');
      item.setAttribute('aria-expanded', 'false');
      const menu = document.createElement('div');
      menu.className = 'menu';
      menu.setAttribute('role', 'menu');
      menu.hidden = true;
      (row.container ? holder : bar).append(menu);
      menus.set(row.name, menu);
      // An item of the bar opens or closes its menu; one within a menu opens it, as hovering does.
      item.addEventListener('click', () => (row.container || menus.get(row.name).hidden ? open(item, false) : closeAll()));
      item.addEventListener('mouseenter', () => {
        if (row.container) {
          for (const [name, other] of menus) if (other.parentElement === holder && name !== row.name) other.hidden = true;
          open(item, false);
        }
      });
    } else {
      item.addEventListener('click', () => choose(row));
    }
  }
  if (entries(bar).length) entries(bar)[0].tabIndex = 0;

  bar.addEventListener('keydown', (event) => {
    const item = event.target.closest('[role=menuitem]');
    if (!item) return;
    const holder = item.parentElement;
    const list = entries(holder);
    const at = list.indexOf(item);
    const inBar = holder === bar;
    const step = (by) => list[(at + by + list.length) % list.length].focus();
    const parentItem = inBar ? null : bar.querySelector(`[data-name="${[...menus].find(([, m]) => m === holder)[0]}"]`);
    const keys = {
      ArrowDown: () => (inBar ? item.getAttribute('aria-haspopup') && open(item, true) : step(1)),
      ArrowUp: () => !inBar && step(-1),
      ArrowRight: () => (inBar ? step(1) : item.getAttribute('aria-haspopup') ? open(item, true) : null),
      ArrowLeft: () => (inBar ? step(-1) : parentItem && (menus.get(parentItem.dataset.name).hidden = true, parentItem.focus())),
      Escape: () => {
        closeAll();
        (inBar ? item : entries(bar).find((top) => top.contains(item) || menus.get(top.dataset.name)?.contains(item)))?.focus();
      },
    };
    if (keys[event.key]) {
      event.preventDefault();
      keys[event.key]();
    }
  });
  bar.addEventListener('focusout', (event) => !bar.contains(event.relatedTarget) && closeAll());

  // Alt with an item's access key opens its menu, or chooses it.
  document.addEventListener('keydown', (event) => {
    if (!event.altKey || event.ctrlKey || bar.closest('[inert]') || !bar.isConnected) return;
    const found = entries(bar).find((item) => accessKeyOf(items.get(item.dataset.name).row.text) === event.key.toLowerCase());
    if (!found || found.disabled) return;
    event.preventDefault();
    if (found.getAttribute('aria-haspopup')) open(found, true);
    else choose(items.get(found.dataset.name).row);
  });

  return {
    element: bar,
    show(state) {
      const { element } = items.get(state.name);
      showCaption(element, state.text);
      element.hidden = !state.visible;
      element.disabled = !state.enabled;
    },
  };
}
