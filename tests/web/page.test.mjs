// SPDX-License-Identifier: GPL-3.0-or-later
// The page itself in Chromium: it starts offline after one visit, loads nothing
// it may not and logs no error, names every control for a screen reader, shows
// every window at its size at 1x and 2x, shows the main window from its markup until
// its scripts draw the same, and says so when it cannot start.
// GEOMIRA_WEB_EDITION is the folder; GEOMIRA_SHOTS, if set, receives the pictures.
import assert from 'node:assert/strict';
import { mkdir } from 'node:fs/promises';
import { after, before, test } from 'node:test';
import { launch, serve } from './browser.mjs';

const folder = process.env.GEOMIRA_WEB_EDITION ?? 'build/web';
const menuItems = { frmFormule: 'mnuAreaVolume', frmCono: 'mnuCono', frmCilindro: 'mnuCilindro', frmSfera: 'mnuSfera',
  frmTri: 'mnuTricirc', frmQua: 'mnuQuadrato', frmTrap: 'mnuTrapezio', frmRad: 'mnuRadici', frmFori: 'mnuFori', frmIo: 'mnuInfo' };
// A page that never gets where a test waits fails it, rather than holding the run.
const within = { timeout: 60000 };
let browser;
let site;

before(async () => {
  browser = await launch();
  site = await serve(folder);
});
after(async () => {
  await browser.close();
  site.server.close();
});

async function open(options = {}) {
  const context = await browser.newContext({ viewport: { width: 1024, height: 768 }, ...options });
  const page = await context.newPage();
  const problems = [];
  page.on('console', (message) => message.type() === 'error' && problems.push(message.text()));
  page.on('pageerror', (error) => problems.push(error.message));
  await page.addInitScript(() => document.addEventListener('securitypolicyviolation', (event) => console.error(`CSP: ${event.violatedDirective}`)));
  return { context, page, problems };
}

const mainShown = (page) => page.waitForSelector('#desk > .window[data-name=frmGeomira]:not(.unshown):not([aria-busy])');

const shownWindow = (page, name) => page.locator(`#desk > .window[data-name=${name}]:not(.unshown)`);

// A menu item chosen with the mouse, through the menus that hold it.
async function choose(page, item) {
  const chain = await page.evaluate((item) => {
    const path = [item];
    for (let menu = document.querySelector(`[data-name="${item}"]`).closest('.menu'); menu; menu = menu.parentElement.closest('.menu')) {
      path.unshift(menu.previousElementSibling.dataset.name);
    }
    return path;
  }, item);
  for (const step of chain) await page.click(`.menubar [data-name="${step}"]`);
}

// The files that the pattern matches are held back until the function returned is called.
async function holdBack(page, pattern) {
  let release;
  const released = new Promise((resolve) => { release = resolve; });
  await page.route(pattern, async (route) => {
    await released;
    await route.continue();
  });
  return release;
}

// Each window in turn, chosen from its menu with the mouse and closed with Back.
async function everyWindow(page, visit) {
  await mainShown(page);
  for (const [name, item] of Object.entries(menuItems)) {
    await choose(page, item);
    const win = shownWindow(page, name);
    await win.waitFor();
    await visit(name, win);
    await page.goBack({ waitUntil: 'commit' });
    await win.waitFor({ state: 'detached' });
  }
}

async function openCone(page) {
  await mainShown(page);
  await choose(page, 'mnuCono');
  await shownWindow(page, 'frmCono').waitFor();
}

test('after one visit the page starts with the network off', within, async () => {
  const { context, page } = await open();
  await page.goto(site.url);
  await page.evaluate(() => navigator.serviceWorker.ready);
  await context.setOffline(true);
  await page.reload();
  await mainShown(page);
  await context.close();
});

test('every window opens without an error or a refused load, and every control has a name', within, async () => {
  const { context, page, problems } = await open();
  await page.goto(site.url);
  const cdp = await context.newCDPSession(page);
  const named = ['textbox', 'button', 'tab', 'menuitem', 'status', 'dialog', 'image', 'main', 'tabpanel'];
  await everyWindow(page, async (name) => {
    const { nodes } = await cdp.send('Accessibility.getFullAXTree');
    const nameless = nodes.filter((node) => !node.ignored && named.includes(node.role?.value) && !node.name?.value);
    assert.deepEqual(nameless.map((node) => `${node.role.value} ${node.backendDOMNodeId}`), [], name);
  });
  assert.deepEqual(problems, []);
  await context.close();
});

test('the main window shows before the program has loaded, and what the user chose there meanwhile is done', within, async () => {
  const { context, page, problems } = await open();
  const program = await holdBack(page, '**/geomira.wasm');
  await page.goto(site.url);
  const main = shownWindow(page, 'frmGeomira');
  assert.equal(await main.getAttribute('aria-busy'), 'true');
  await choose(page, 'mnuCono');
  program();
  await shownWindow(page, 'frmCono').waitFor();
  assert.equal(await main.getAttribute('aria-busy'), null);
  assert.deepEqual(problems, []);
  await context.close();
});

// The copy of the main window in the page's markup shows while the scripts are on their
// way; the window that they draw in its place is the same to the pixel, also where the
// screen's width is odd.
for (const [scale, width, height] of [[1, 1024, 768], [2, 1024, 768], [1, 1001, 601]]) {
  test(`the main window in the page's markup is the one its scripts draw, at ${scale}x in ${width}×${height}`, within, async () => {
    const { context, page, problems } = await open({ deviceScaleFactor: scale, viewport: { width, height } });
    const scripts = await holdBack(page, '**/geomira.js');
    await page.goto(site.url, { waitUntil: 'commit' });
    await page.locator('#desk > .prerendered').waitFor();
    await page.evaluate(() => document.fonts.ready);
    const copy = await page.screenshot();
    scripts();
    await mainShown(page);
    await page.evaluate(() => document.activeElement.blur());
    assert.ok(copy.equals(await page.screenshot()));
    assert.equal(await page.locator('#desk > .window').count(), 1);
    assert.deepEqual(problems, []);
    await context.close();
  });
}

test('the copy stays hidden where the scripts cannot run, or where the window would be scaled down', within, async () => {
  for (const options of [{ javaScriptEnabled: false }, { viewport: { width: 480, height: 360 } }]) {
    const { context, page } = await open(options);
    await holdBack(page, '**/geomira.js');
    await page.goto(site.url, { waitUntil: 'commit' });
    await page.locator('#desk > .prerendered').waitFor({ state: 'attached' });
    assert.equal(await page.locator('#desk > .prerendered').isVisible(), false);
    await context.close();
  }
});

test('a window with tabs shows its first page at once, and a page turned to before the rest is built shows too', within, async () => {
  const { context, page, problems } = await open();
  await page.goto(site.url);
  await mainShown(page);
  const seen = await page.evaluate(() => {
    document.querySelector('[data-name="mnuFori"]').click();
    const win = document.querySelector('#desk > .window[data-name=frmFori]');
    const before = [win.hasAttribute('aria-busy'), win.querySelector('[data-name=Text1]').checkVisibility(), !win.querySelector('[data-name=Text3]')];
    win.querySelectorAll('[role=tab]')[2].click();
    return [...before, win.querySelector('[data-name=Text3]')?.checkVisibility() ?? false];
  });
  assert.deepEqual(seen, [true, true, true, true]);
  await page.waitForSelector('#desk > .window[data-name=frmFori]:not([aria-busy]) [data-name=Text9]', { state: 'attached' });
  assert.deepEqual(problems, []);
  await context.close();
});

test('labels fitted before their face arrived are fitted again when it does', within, async () => {
  const { context, page } = await open();
  const arrive = await holdBack(page, '**/LiberationSans-Regular.woff2');
  const fitted = () => page.locator('.window[data-name=frmCono] .label').evaluateAll((labels) => labels.map((label) => (
    `${label.dataset.name} ${label.className} ${label.style.getPropertyValue('--condense')} ${label.style.fontSize}`)));
  await page.goto(site.url, { waitUntil: 'commit' });
  await openCone(page);
  arrive();
  await page.evaluate(() => document.fonts.ready);
  const late = await fitted();
  await page.reload();
  await openCone(page);
  assert.deepEqual(late, await fitted());
  await context.close();
});

test('the message box is an alert with the focus on OK, which Escape answers too', within, async () => {
  const { context, page } = await open();
  await page.goto(site.url);
  await openCone(page);
  await page.click('[data-name=cmdCalc]');
  const box = page.getByRole('alertdialog');
  assert.equal(await box.locator('.message-prompt').textContent(), 'Inserire i dati (Raggio)');
  assert.equal(await page.evaluate(() => document.activeElement.textContent), 'OK');
  await page.keyboard.press('Escape');
  await box.waitFor({ state: 'hidden' });
  await context.close();
});

test('Back after a window closed by its Chiudi leaves the page at once', within, async () => {
  const { context, page } = await open();
  await page.goto('about:blank');
  await page.goto(site.url);
  await openCone(page);
  await page.click('[data-name=cmdChiudi]');
  await page.locator('.window[data-name=frmCono]').waitFor({ state: 'detached' });
  await page.goBack();
  assert.equal(page.url(), 'about:blank');
  await context.close();
});

// Where there is no right click, a long press offers the same menu, which stays once the finger lifts.
const presses = {
  'a right click': (page, point) => page.mouse.click(point.x, point.y, { button: 'right' }),
  'a long press': async (page, point, cdp) => {
    await cdp.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: [point] });
    await page.getByRole('menuitem', { name: 'Copia' }).waitFor();
    await cdp.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] });
  },
};
for (const [way, press] of Object.entries(presses)) {
  test(`${way} on a result offers "Copia", which copies what the result shows`, within, async () => {
    const { context, page, problems } = await open({ hasTouch: true });
    await context.grantPermissions(['clipboard-read', 'clipboard-write']);
    await page.goto(site.url);
    await openCone(page);
    await page.fill('[data-name=txtRag]', '3');
    await page.fill('[data-name=txtAlt]', '4');
    await page.click('[data-name=cmdCalc]');
    const box = await page.locator('[data-name=lblVcono]').boundingBox();
    await press(page, { x: box.x + box.width / 2, y: box.y + box.height / 2 }, await context.newCDPSession(page));
    await page.waitForTimeout(100);
    await page.getByRole('menuitem', { name: 'Copia' }).click();
    assert.equal(await page.evaluate(() => navigator.clipboard.readText()), '37,6992');
    assert.deepEqual(problems, []);
    await context.close();
  });
}

for (const scale of [1, 2]) {
  test(`every window at ${scale}x is as large as its design, its short labels on one line`, within, async () => {
    const { context, page } = await open({ deviceScaleFactor: scale });
    const shots = process.env.GEOMIRA_SHOTS && `${process.env.GEOMIRA_SHOTS}/${scale}x`;
    if (shots) await mkdir(shots, { recursive: true });
    await page.goto(site.url);
    await mainShown(page);
    // The main window's gradient covers its client from top to bottom.
    const covered = await page.locator('#desk > .window[data-name=frmGeomira] .client').evaluate((client) => [
      client, client.querySelector('.gradient')].map((element) => element.getBoundingClientRect()).map(({ width, height }) => [width, height]));
    assert.deepEqual(covered[1], covered[0]);
    await everyWindow(page, async (name, win) => {
      const client = win.locator('.client');
      const size = await client.evaluate((element) => [element.style.width, element.style.height].map(parseFloat));
      const picture = await client.screenshot({ path: shots && `${shots}/${name}.png` });
      assert.deepEqual([picture.readUInt32BE(16), picture.readUInt32BE(20)], size.map((pixels) => pixels * scale), name);
      // A label lower than two lines shows its text on one line, within its width, as on the desktop.
      const spilt = await win.evaluate((element) => [...element.querySelectorAll('.label:not(.result):not(.echo)')].filter((label) => {
        const text = document.createRange();
        text.selectNodeContents(label);
        const lines = [...text.getClientRects()].filter((line) => line.width > 0);
        const box = label.getBoundingClientRect();
        return lines.length > 0 && box.height < 2 * lines[0].height
          && (new Set(lines.map((line) => Math.round(line.top))).size > 1 || Math.max(...lines.map((line) => line.right)) > box.right + 1);
      }).map((label) => label.dataset.name));
      assert.deepEqual(spilt, [], name);
    });
    await context.close();
  });
}

// Printed, a window is its client alone, at its own size even where the screen scales it down;
// the page is as it was once the browser's print dialog returns.
test('Stampa prints the window\'s client alone, at its size', within, async () => {
  const { context, page, problems } = await open({ viewport: { width: 480, height: 360 } });
  await page.addInitScript(() => {
    window.print = () => {
      const client = document.querySelector('.client.printed');
      const others = [...document.querySelectorAll('body *')].filter((element) => element.getClientRects().length
        && !element.contains(client) && !client.contains(element)).map((element) => element.dataset.name ?? element.className);
      window.printed = { others, width: client.getBoundingClientRect().width, design: parseFloat(client.style.width) };
    };
  });
  await page.goto(site.url);
  await openCone(page);
  await page.emulateMedia({ media: 'print' });
  await page.click('[data-name=cmdStampa]');
  const { others, width, design } = await page.evaluate(() => window.printed);
  assert.deepEqual(others, []);
  assert.equal(width, design);
  assert.equal(await page.locator('body.printing, .printed').count(), 0);
  assert.deepEqual(problems, []);
  await context.close();
});

// The longest text a number is written with shows whole in every result, on every page: the
// label shrinks, but keeps a legible size by growing to the right over free space, and takes its
// own box again for a short number. Its place stays the model's. A chord's dimension line crosses
// the right of four of the holes' results: they keep room for the widest spacing.
test('the longest number shows whole in every result, at a legible size', within, async () => {
  const { context, page, problems } = await open();
  await page.goto(site.url);
  let grown = 0;
  await everyWindow(page, async (name, win) => {
    await page.locator(`#desk > .window[data-name=${name}]:not([aria-busy])`).waitFor();
    const seen = await win.evaluate((element) => {
      const [id, shown] = [...windows].find(([, open]) => open.element === element);
      const crossed = element.dataset.name === 'frmFori' ? ['Label27', 'Label28', 'Label31', 'Label32'] : [];
      const show = (name, text) => geomiraPage.mirror(id, JSON.stringify({ ...shown.controls.get(name).state, text }));
      const faults = [];
      let widened = 0;
      const tabs = [...element.querySelectorAll('[role=tab]')];
      for (const tab of tabs.length ? tabs : [null]) {
        tab?.click();
        for (const { row, element: label } of shown.controls.values()) {
          if (row.role !== 'result' || !label.getClientRects().length) continue;
          const place = () => [label.offsetLeft, label.offsetTop, label.offsetHeight].join();
          const placed = place();
          for (const text of ['-1,79769313486232E+308', crossed.includes(row.name) ? '86602999999999,9' : '-1,79769313486232E+308']) {
            show(row.name, text);
            if (label.scrollWidth > label.clientWidth) faults.push(`${row.name} cuts ${text}`);
            if (place() !== placed) faults.push(`${row.name} moved`);
          }
          if (parseFloat(label.style.fontSize) < 7) faults.push(`${row.name} at ${label.style.fontSize}`);
          widened += label.offsetWidth > row.width;
          show(row.name, '2');
          if (label.offsetWidth !== row.width) faults.push(`${row.name} kept its growth`);
        }
      }
      return { faults, widened };
    });
    assert.deepEqual(seen.faults, [], name);
    grown += seen.widened;
  });
  assert.ok(grown > 0);
  assert.deepEqual(problems, []);
  await context.close();
});

// A page that cannot start says why, the first reason it met, in Italian.
const failures = {
  'its program is missing': [(page) => page.route('**/geomira.wasm', (route) => route.fulfill({ status: 404 })), 'il file geomira.wasm manca'],
  'the browser runs no WebAssembly': [(page) => page.addInitScript(() => delete globalThis.WebAssembly), 'questo browser non esegue WebAssembly'],
};
for (const [failure, [make, reason]] of Object.entries(failures)) {
  test(`a page that cannot start because ${failure} says so`, within, async () => {
    const { context, page } = await open();
    await make(page);
    await page.goto(site.url);
    await page.getByRole('alert').waitFor();
    assert.match(await page.getByRole('alert').textContent(), new RegExp(`^Geomira non può partire: ${reason}`));
    assert.equal(await page.locator('#desk > .window').count(), 0);
    await context.close();
  });
}
