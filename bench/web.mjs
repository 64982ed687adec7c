// SPDX-License-Identifier: GPL-3.0-or-later
// node bench/web.mjs [DIR]: the web edition in DIR (default build/web) in headless
// Chromium against a bare page that loads a minimal WebAssembly module: from
// navigation to the main window painted (median of interleaved first visits),
// each menu item to its window built and laid out, and what a first visit transfers.
// Not a test: its figures vary from run to run by a fifth.
import { mkdtemp, writeFile, stat } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { launch, serve } from '../tests/web/browser.mjs';

const folder = path.resolve(process.argv[2] ?? 'build/web');
const runs = 21;
const bare = await mkdtemp(path.join(tmpdir(), 'geomira-bare-'));
await writeFile(path.join(bare, 'index.html'), '<!DOCTYPE html><html lang="it"><title>bare</title><p id="shown" hidden>bare</p><script src="bare.js"></script>');
await writeFile(path.join(bare, 'bare.js'), "WebAssembly.instantiateStreaming(fetch('bare.wasm')).then(() => { document.getElementById('shown').hidden = false; });");
await writeFile(path.join(bare, 'bare.wasm'), Buffer.from([0, 0x61, 0x73, 0x6d, 1, 0, 0, 0]));

let transferred = 0;
const site = await serve(folder, (name, bytes) => { transferred += bytes; });
const barePage = await serve(bare);
const browser = await launch();

// Milliseconds from the navigation's start to the end of the first frame after each selector
// shows with no face of the page still on its way, seen from inside the page, where the test's
// own round trips do not count. A frame drawn before the style sheet or a face has come shows
// no text in that face: the faces that a frame's text needs are loading once it is drawn.
async function firstPaint(url, selectors) {
  const context = await browser.newContext();
  const page = await context.newPage();
  await page.addInitScript((selectors) => {
    const frameDrawn = () => new Promise((next) => requestAnimationFrame(() => setTimeout(next)));
    window.painted = selectors.map((selector) => new Promise((done) => {
      const observer = new MutationObserver(async () => {
        if (!document.querySelector(selector)) return;
        observer.disconnect();
        await frameDrawn();
        for (let loading; (loading = [...document.fonts].filter((face) => face.status === 'loading')).length;) {
          await Promise.all(loading.map((face) => face.loaded));
          await frameDrawn();
        }
        done(performance.now());
      });
      observer.observe(document, { subtree: true, childList: true, attributes: true });
    }));
  }, selectors);
  await page.goto(url);
  const painted = await page.evaluate(() => Promise.all(window.painted));
  await context.close();
  return painted;
}
const median = (values) => values.sort((a, b) => a - b)[Math.floor(values.length / 2)];

// The main window is drawn before the program has loaded, and busy until the program takes it over.
const [painted, ready, plain] = [[], [], []];
for (let run = 0; run < runs; ++run) {
  plain.push((await firstPaint(barePage.url, ['#shown:not([hidden])']))[0]);
  const [shown, taken] = await firstPaint(site.url, ['#desk > .window:not(.unshown)', '#desk > .window:not(.unshown):not([aria-busy])']);
  painted.push(shown);
  ready.push(taken);
}
const [p, r, b] = [median(painted), median(ready), median(plain)];
console.log(`navigation to the main window painted: ${p.toFixed(1)} ms, bare page ${b.toFixed(1)} ms, ratio ${(p / b).toFixed(2)} (at most 1.5)`);
console.log(`navigation to the program ready on it: ${r.toFixed(1)} ms, ratio ${(r / b).toFixed(2)}`);

transferred = 0;
const context = await browser.newContext();
const page = await context.newPage();
await page.goto(site.url);
await page.evaluate(() => navigator.serviceWorker.ready);
await page.waitForTimeout(500);
const items = await page.evaluate(() => [...document.querySelectorAll('.menubar [data-name]')]
  .filter((item) => !item.getAttribute('aria-haspopup') && !/^-+$/.test(item.textContent) && item.dataset.name !== 'mnuChiudi')
  .map((item) => item.dataset.name));
// The click runs the handler, which builds the window; the layout is the rest of the way to its
// paint. Each window opens five times: the first, and the median of the five.
const openings = 5;
let slowest = 0;
for (const item of items) {
  const times = [];
  for (let opening = 0; opening < openings; ++opening) {
    times.push(await page.evaluate((item) => {
      const start = performance.now();
      document.querySelector(`[data-name="${item}"]`).click();
      [...document.querySelectorAll('#desk > .window')].pop().getBoundingClientRect();
      return performance.now() - start;
    }, item));
    await page.evaluate(() => history.back());
    await page.waitForFunction(() => document.querySelectorAll('#desk > .window').length === 1);
  }
  const first = times[0];
  const typical = median(times);
  slowest = Math.max(slowest, typical);
  console.log(`${item.padEnd(14)} first ${first.toFixed(1)} ms, median ${typical.toFixed(1)} ms`);
}
console.log(`slowest menu item to its window, median: ${slowest.toFixed(1)} ms (under 16)`);
const program = (await stat(path.join(folder, 'geomira.wasm'))).size + (await stat(path.join(folder, 'geomira.js'))).size;
console.log(`first visit, the service worker's copy included: ${(transferred / 1024).toFixed(0)} kB (at most 1536)`);
console.log(`WebAssembly and its JavaScript: ${(program / 1024).toFixed(0)} kB (at most 600)`);
await browser.close();
process.exit(0);
