// SPDX-License-Identifier: GPL-3.0-or-later
// node driver.mjs DIR: the scenario runner's hands on the web edition in DIR.
// It serves the folder on 127.0.0.1, runs Debian's Chromium headless, and
// answers one request per line on stdin (a JSON array: the step and its
// arguments) with one JSON value per line on stdout; an error is a string
// starting with "!".
import { readFile } from 'node:fs/promises';
import { createInterface } from 'node:readline';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { launch, serve } from './browser.mjs';

const folder = path.resolve(process.argv[2] ?? 'build/web');
const here = path.dirname(fileURLToPath(import.meta.url));
const observer = await readFile(path.join(here, 'observer.js'), 'utf8');
const { url } = await serve(folder);
const browser = await launch();
let page = null;
let cdp = null;
let starts = 0;
const problems = [];

const inPage = (fn, ...args) => page.evaluate(fn, args);
const control = (name) => page.locator(`#desk > .window:not(.unshown):not([inert]) [data-name="${name}"]`).first();

// Whether the user can reach the control now: shown, enabled, on the page shown, in the active window.
async function reachable(name) {
  const found = await inPage(([name]) => {
    const element = scenarioDriver.find(name);
    return element.checkVisibility() && !element.disabled && !element.classList.contains('disabled');
  }, name);
  return found;
}

// Each handler runs to its end: every message box it shows is read and answered with OK.
async function settle() {
  for (;;) {
    const open = await inPage(() => document.getElementById('message').open);
    if (!open) break;
    await page.keyboard.press('Enter');
  }
  await page.mouse.move(0, 0);
  // A window with tabs builds its other pages once it is on the screen.
  await page.waitForFunction(() => !document.querySelector('#desk > .window[aria-busy]'));
}

// The key that types the character code into the focused box.
async function press(code) {
  const named = { 8: 'Backspace', 13: 'Enter', 27: 'Escape' }[code];
  if (named) return page.keyboard.press(named);
  if (code >= 1 && code <= 26) return page.keyboard.press(`Control+${String.fromCharCode(96 + code)}`);
  // Any character, also one that no key of a US keyboard gives, as the browser's own key event.
  const text = String.fromCodePoint(code);
  await cdp.send('Input.dispatchKeyEvent', { type: 'keyDown', key: text, text, unmodifiedText: text });
  return cdp.send('Input.dispatchKeyEvent', { type: 'keyUp', key: text });
}

async function focusAtEnd(name) {
  await control(name).focus();
  await inPage(([name]) => {
    const box = scenarioDriver.find(name);
    box.setSelectionRange(box.value.length, box.value.length);
  }, name);
}

const steps = {
  // A fresh program: the page loaded again, on a clock that moves only with `wait`.
  async start() {
    if (!page) {
      const context = await browser.newContext({ viewport: { width: 1024, height: 768 } });
      // A step that the page cannot take fails soon, not after Playwright's 30 s.
      context.setDefaultTimeout(3000);
      page = await context.newPage();
      cdp = await context.newCDPSession(page);
      page.on('console', (message) => message.type() === 'error' && problems.push(message.text()));
      page.on('pageerror', (error) => problems.push(error.message));
      await page.clock.install({ time: 0 });
      await page.addInitScript(observer);
    }
    // The page's clock stands still, so that its timers tick only through `wait`.
    await page.clock.pauseAt((starts += 1) * 3600000);
    await page.goto(url);
    // Until the program has taken it over, the main window is busy.
    await page.waitForSelector('#desk > .window:not(.unshown):not([aria-busy])');
    await inPage(() => scenarioDriver.take());
  },
  async menu(item) {
    const path = await inPage(([item]) => {
      const main = document.querySelector('#desk > .window');
      const found = main?.querySelector(`.menubar [data-name="${item}"]`);
      if (!found || main.inert || found.disabled || found.hidden) return null;
      const chain = [found.dataset.name];
      for (let menu = found.parentElement.closest('.menu'); menu; menu = menu.parentElement.closest('.menu')) {
        chain.unshift(menu.previousElementSibling.dataset.name);
      }
      return chain;
    }, item);
    if (!path) return;
    for (const name of path) await page.locator(`.menubar [data-name="${name}"]`).click();
  },
  async key(name, code) {
    if (!(await reachable(name))) return;
    if (await inPage(([name]) => scenarioDriver.find(name).matches('input, textarea'), name)) await focusAtEnd(name);
    else await control(name).focus();
    await press(code);
  },
  async paste(name, text) {
    if (!(await reachable(name))) return;
    await focusAtEnd(name);
    await page.keyboard.insertText(text);
  },
  async clear(name) {
    if (!(await reachable(name))) return;
    await control(name).selectText();
    await page.keyboard.press('Delete');
  },
  async click(name) {
    if (await reachable(name)) await control(name).click();
  },
  async mousemove(name) {
    if (name !== 'form') {
      if (await reachable(name)) await control(name).hover();
      return;
    }
    // A point of the window's background that no control covers.
    const point = await inPage(() => {
      const client = document.querySelector('#desk > .window:not(.unshown):not([inert]) .client');
      const box = client.getBoundingClientRect();
      for (let y = box.top + 1; y < box.bottom; y += 4) {
        for (let x = box.left + 1; x < box.right; x += 4) {
          const under = document.elementFromPoint(x, y);
          if (under === client || under?.classList.contains('gradient')) return { x, y };
        }
      }
      return null;
    });
    if (point) await page.mouse.move(point.x, point.y);
  },
  async tab(index) {
    const tabs = page.locator('#desk > .window:not(.unshown):not([inert]) [role=tablist]').first();
    if (!(await tabs.count())) throw new Error('the window has no tab control');
    await tabs.locator('[role=tab]').nth(index).click();
  },
  // The title bar's close box; a window without one closes, if at all, with the browser's Back.
  async close() {
    const box = page.locator('#desk > .window:not(.unshown):not([inert]) .titlebar:not([hidden]) .closebox');
    if (await box.count()) await box.click();
    else if (await inPage(() => history.state !== null)) {
      // Back closes a child window once the page has heard of it.
      await inPage(() => new Promise((done) => {
        addEventListener('popstate', done, { once: true });
        history.back();
      }));
    }
  },
  // The colour that the page shows for a system colour.
  colour: (code) => inPage(([code]) => cssColour(Number(code)), code).then((css) => {
    const hex = (at) => css.slice(at, at + 2).toUpperCase();
    return `0x00${hex(5)}${hex(3)}${hex(1)}`;
  }),
  printer: (on) => inPage(([on]) => scenarioDriver.setPrinter(on), on),
  wait: (ms) => page.clock.runFor(ms),
  active: () => inPage(() => scenarioDriver.activeWindow()),
  read: (name, property) => inPage(([name, property]) => scenarioDriver.read(name, property), name, property),
  events: () => inPage(() => scenarioDriver.take()),
};

const acting = new Set(['menu', 'key', 'paste', 'clear', 'click', 'mousemove', 'tab', 'close', 'wait']);
const lines = createInterface({ input: process.stdin });
for await (const line of lines) {
  const [step, ...args] = JSON.parse(line);
  let answer;
  try {
    answer = (await steps[step](...args)) ?? 'ok';
    if (acting.has(step)) await settle();
    // An error on the page's console fails the step that caused it.
    if (problems.length) answer = `!the page reported: ${problems.splice(0).join('; ')}`;
  } catch (error) {
    answer = `!${error.message.split('\n')[0]}`;
  }
  process.stdout.write(`${JSON.stringify(answer)}\n`);
}
await browser.close();
process.exit(0);
