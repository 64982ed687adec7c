// SPDX-License-Identifier: GPL-3.0-or-later
// The web view: any window of the program as elements of the page, kept equal
// to its model, with the user's actions sent to the model's entry points; and
// the page's side of the platform: messages, the beep, printing, the end.
'use strict';

const desk = () => document.getElementById('desk');
const windows = new Map(); // by the number the program gives each window it opens

// The program runs one thing at a time: while a handler waits for a message's OK,
// the user's other actions and the timers' ticks wait their turn behind it. Until the
// program has started, what the user does on the main window drawn before it waits too.
let behind = null;
let early = [];
function call(entry, ...args) {
  if (early) return new Promise((resolve) => early.push(() => resolve(call(entry, ...args))));
  const run = () => Module[entry](...args);
  if (!behind) {
    const result = run();
    return result instanceof Promise ? track(result) : result;
  }
  return track(behind.then(run));
}
function track(promise) {
  const mine = promise.finally(() => {
    if (behind === mine) behind = null;
  });
  behind = mine;
  return promise;
}
const then = (result, next) => (result instanceof Promise ? result.then(next) : next(result));

// The character code that a key gives a box, as the desktop's KeyPress sees it (0: none).
function characterCode(event) {
  if (event.ctrlKey && !event.altKey && /^[a-z]$/i.test(event.key)) return event.key.toLowerCase().charCodeAt(0) - 96;
  if (event.ctrlKey || event.altKey || event.metaKey) return 0;
  if (event.key === 'Backspace') return 8;
  if (event.key === 'Enter') return 13;
  if (event.key === 'Escape') return 27;
  return [...event.key].length === 1 ? event.key.codePointAt(0) : 0;
}

// Enter and Escape never reach the window; only a multi-line box takes Enter, as a line break.
function take(box, row, typed) {
  if (typed === 8) {
    document.execCommand('delete');
  } else if (typed !== 0 && typed !== 27 && (typed !== 13 || (row.multiLine && !row.locked))) {
    document.execCommand('insertText', false, typed === 13 ? '\n' : String.fromCodePoint(typed));
  }
}

function wireBox(id, box, row) {
  box.addEventListener('keydown', (event) => {
    const code = characterCode(event);
    if (code === 0 || event.isComposing) return;
    event.preventDefault();
    then(call('keyPress', id, row.name, code), (typed) => {
      if (document.activeElement !== box) box.focus();
      take(box, row, typed);
    });
  });
  // Typing, pasting, cutting and undoing: one Change when the text is another.
  box.addEventListener('input', () => call('edit', id, row.name, toModelLines(box.value)));
}

function wireControl(id, element, row) {
  if (row.role === 'result') offerCopy(element);
  switch (row.kind) {
    case 'textbox':
      wireBox(id, element, row);
      break;
    case 'button':
    case 'label':
      element.addEventListener('click', () => call('click', id, row.name));
      break;
    case 'tabs':
      element.firstChild.childNodes.forEach((tab, page) => tab.addEventListener('click', () => call('showPage', id, row.name, page)));
      break;
    default:
      break;
  }
  if (row.mouseMove) element.addEventListener('mousemove', () => call('mouseMove', id, row.name));
}

function paintGradient(client, design) {
  const gradient = document.createElement('div');
  gradient.className = 'gradient';
  gradient.setAttribute('aria-hidden', 'true');
  // Bands 1 to 255 of the scale run from bright blue to black, each one colour on whole
  // pixels; below them the back colour stays.
  const edge = (band) => Math.trunc((band * design.height) / design.scaleHeight);
  const bands = Array.from({ length: 255 }, (_, band) => `rgb(0 0 ${254 - band}) ${edge(band)}px ${edge(band + 1)}px`);
  bands.push(`transparent ${edge(255)}px`);
  Object.assign(gradient.style, { width: `${design.width}px`, height: `${design.height}px`, backgroundImage: `linear-gradient(${bands})` });
  client.append(gradient);
}

// The timers of a window tick while they are enabled, until the window goes.
function runTimer(id, win, row, state) {
  const running = win.timers.get(row.name);
  const wanted = state.enabled && row.interval > 0 && windows.has(id);
  if (wanted && !running) {
    win.timers.set(row.name, setInterval(() => call('timerElapsed', id, row.name), row.interval));
  } else if (!wanted && running) {
    clearInterval(running);
    win.timers.delete(row.name);
  }
}

function containerOf(win, row) {
  if (!row.container) return win.client;
  const holder = win.controls.get(row.container).element;
  return row.kind !== 'menu' && holder.classList.contains('tabs') ? holder.querySelector(`:scope > [data-page="${row.page}"]`) : holder;
}

// The room a window keeps around it on the screen, where it is scaled down to fit.
const windowMargin = 8;

// Scaled down to fit the viewport, never up: a phone shows the whole window.
function fit(win) {
  const scale = Math.min(1, (innerWidth - windowMargin) / win.element.offsetWidth, (innerHeight - windowMargin) / win.element.offsetHeight);
  win.element.style.setProperty('--scale', Math.max(scale, 0.1));
  // Centred on whole pixels, so that the window's pixels fall on the screen's.
  win.element.style.left = `${Math.round((innerWidth - win.element.offsetWidth * scale) / 2)}px`;
  win.element.style.top = `${Math.round((innerHeight - win.element.offsetHeight * scale) / 2)}px`;
}

// The tab page that a control is on ('tabs/page'), also through a frame on it; '' for none.
function pageOf(win, row) {
  if (!row.container || row.kind === 'menu' || row.kind === 'timer') return '';
  const holder = win.controls.get(row.container);
  return holder.row.kind === 'tabs' ? `${row.container}/${row.page}` : holder.page;
}

// A window is built with the controls that it shows: those on a tab page that is not shown
// come after its first frame, or at once when the user turns to their page. Until then they
// keep the state that the program gave them last.
function buildControls(id, win) {
  for (const row of win.design.controls) {
    win.controls.set(row.name, { row, element: null, built: false, state: row, page: pageOf(win, row) });
  }
  buildReady(id, win);
}

// Containers come before their controls in the table, so one pass builds a page's frames and
// tabs with what they hold, and the shown page of tabs built on the way.
function buildReady(id, win) {
  win.building = true;
  fittingLabelsOnce(() => {
    for (const control of win.controls.values()) {
      if (control.built || (control.page && !win.allPages && !win.pages.has(control.page))) continue;
      const { row } = control;
      control.built = true;
      control.element = buildControl(row);
      if (control.element) {
        containerOf(win, row).append(control.element);
        wireControl(id, control.element, row);
      }
      showControl(id, win, control.state);
    }
  });
  win.building = false;
}

// Once the element is on the screen: an intersection observer hears of it after the frame
// that first laid it out.
function afterFirstFrame(element) {
  return new Promise((resolve) => {
    const seen = new IntersectionObserver(() => {
      seen.disconnect();
      resolve();
    });
    seen.observe(element);
  });
}

// The other pages of a window with tabs, once its first frame is on the screen; the window is
// busy until then.
function buildRestLater(id, win) {
  if ([...win.controls.values()].every((control) => control.built)) return;
  win.element.setAttribute('aria-busy', 'true');
  afterFirstFrame(win.element).then(() => {
    if (windows.get(id) !== win) return;
    win.allPages = true;
    buildReady(id, win);
    win.element.removeAttribute('aria-busy');
  });
}

function showControl(id, win, state) {
  const control = win.controls.get(state.name);
  if (!control) return;
  control.state = state;
  if (!control.built) return;
  if (control.row.kind === 'menu') win.menuBar.show(state);
  else if (control.row.kind === 'timer') runTimer(id, win, control.row, state);
  else showState(control.element, control.row, state);
  if (control.row.kind === 'tabs') showPage(id, win, `${state.name}/${state.currentPage}`);
}

function showPage(id, win, page) {
  if (win.pages.has(page)) return;
  win.pages.add(page);
  if (!win.building) buildReady(id, win);
}

// The program gives a window's design, and each change of a control's state, as JSON.
const geomiraPage = {
  openWindow(id, json) {
    // The main window drawn before the program started is the program's own, if it is the same.
    const drawn = windows.get(id);
    if (drawn?.json === json) return;
    if (drawn) {
      drawn.element.remove();
      windows.delete(id);
    }
    const design = JSON.parse(json);
    const element = document.createElement('div');
    element.className = 'window';
    element.dataset.name = design.name;
    // The first window is the program's main one; the others are modal over it.
    if (windows.size) {
      element.setAttribute('role', 'dialog');
      element.setAttribute('aria-modal', 'true');
    } else {
      element.setAttribute('role', 'main');
    }
    element.setAttribute('aria-label', design.accessibleName);
    // Laid out, so that labels can fit their texts, but not seen until the program shows it.
    element.classList.add('unshown');
    const win = { json, design, element, controls: new Map(), pages: new Set(), allPages: false, building: false, timers: new Map(), menuBar: null };
    // A window without a border has no title bar to show, but keeps its caption, as on the desktop.
    const bar = document.createElement('div');
    bar.className = 'titlebar';
    bar.hidden = !design.titleBar;
    const caption = document.createElement('span');
    caption.textContent = design.caption;
    const close = document.createElement('button');
    close.type = 'button';
    close.className = 'closebox';
    close.tabIndex = -1;
    close.setAttribute('aria-label', 'Chiudi');
    close.addEventListener('click', () => call('closeBox', id));
    bar.append(caption, close);
    element.append(bar);
    const menus = design.controls.filter((row) => row.kind === 'menu');
    if (menus.length) {
      win.menuBar = buildMenuBar(id, menus);
      element.append(win.menuBar.element);
    }
    win.client = document.createElement('div');
    win.client.className = 'client';
    Object.assign(win.client.style, { width: `${design.width}px`, height: `${design.height}px`, backgroundColor: cssColour(design.back) });
    // The units of the window's own vertical scale, which its controls' Top counts in.
    if (design.scaleHeight) win.client.dataset.scaleHeight = design.scaleHeight;
    if (design.gradient) paintGradient(win.client, design);
    if (design.mouseMove) {
      win.client.addEventListener('mousemove', (event) => {
        if (event.target === win.client || event.target.classList.contains('gradient')) call('backgroundMouseMove', id);
      });
    }
    element.append(win.client);
    desk().append(element);
    windows.set(id, win);
    buildControls(id, win);
  },

  mirror(id, json) {
    const win = windows.get(id);
    if (win) showControl(id, win, JSON.parse(json));
  },

  showWindow(id) {
    const win = windows.get(id);
    if (win.drawnEarly) {
      win.drawnEarly = false;
      win.element.removeAttribute('aria-busy');
    } else {
      display(id, win);
      buildRestLater(id, win);
    }
    call('activated', id);
  },

  closeWindow(id) {
    const win = windows.get(id);
    windows.delete(id);
    for (const timer of win.timers.values()) clearInterval(timer);
    win.element.remove();
    if (history.state?.window === id) history.back();
    const last = [...windows.keys()].pop();
    if (last !== undefined) {
      windows.get(last).element.inert = false;
      focusFirst(windows.get(last).element);
      queueMicrotask(() => windows.has(last) && call('activated', last));
    }
  },

  beep,
  showMessage,
  print: printWindow,

  // The program has ended: its windows go at once, and the page offers to start it again.
  ended() {
    const end = document.getElementById('ended');
    end.hidden = false;
    for (const [id, win] of windows) {
      for (const timer of win.timers.values()) clearInterval(timer);
      windows.delete(id);
    }
    desk().replaceChildren();
    end.querySelector('button').focus();
  },
};
globalThis.geomiraPage = geomiraPage;

function display(id, win) {
  for (const [other, shown] of windows) shown.element.inert = other !== id;
  win.element.classList.remove('unshown');
  fit(win);
  if (windows.size > 1) history.pushState({ window: id }, '');
  focusFirst(win.element);
}

// The main window as the program showed it when the page was built, on the screen before the
// program has loaded, and busy until the program shows it as its own. It takes the place of
// its copy in the page's markup, in the same frame.
function drawFirstWindow(calls) {
  desk().querySelector('.prerendered')?.remove();
  for (const [name, id, json] of calls) {
    if (name !== 'showWindow') {
      geomiraPage[name](id, json);
      continue;
    }
    const win = windows.get(id);
    display(id, win);
    win.drawnEarly = true;
    win.element.setAttribute('aria-busy', 'true');
  }
}

// The program starts and takes over the main window; then come the user's actions on it so far.
function startProgram() {
  const waiting = early;
  early = null;
  call('start');
  waiting.forEach((run) => run());
}

function focusFirst(element) {
  const reachable = [...element.querySelectorAll('input, textarea, button:not(.closebox)')].filter(
    (control) => !control.disabled && control.tabIndex > 0 && control.offsetParent !== null,
  );
  reachable.sort((a, b) => a.tabIndex - b.tabIndex);
  if (reachable.length) reachable[0].focus();
  else element.querySelector('button, input, textarea')?.focus();
}

addEventListener('resize', () => windows.forEach(fit));
// A face that arrives after the labels that it writes were fitted changes their widths.
document.fonts.addEventListener('loadingdone', () => windows.forEach((win) => fitLabels(
  [...win.controls.values()].filter(({ row, built }) => row.kind === 'label' && built).map(({ row, element }) => [element, row]))));
// Back closes the open child window, as its close box would, instead of leaving the page.
// A child that closes itself takes its step of the history with it, so Back is not lost on it.
addEventListener('popstate', () => {
  const last = [...windows.keys()].pop();
  if (windows.size > 1 && history.state?.window !== last) call('closeBox', last);
});
