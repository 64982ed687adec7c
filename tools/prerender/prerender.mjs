// SPDX-License-Identifier: GPL-3.0-or-later
// node tools/prerender/prerender.mjs DIR: the web edition in DIR gets its main window in
// index.html, as the page's own scripts draw it, so that the browser shows it as soon as
// the style sheet and the faces are there, while the scripts are still on their way. The
// program's scripts replace it with the window they draw, the same to the pixel.
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync, writeFileSync, appendFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { pathToFileURL } from 'node:url';

const folder = path.resolve(process.argv[2]);
const page = readFileSync(path.join(folder, 'index.html'), 'utf8');
// The page itself, from the folder, without its policy, which file URLs do not pass.
const work = mkdtempSync(path.join(tmpdir(), 'geomira-prerender-'));
const capture = new URL('capture.js', import.meta.url);
writeFileSync(path.join(work, 'index.html'), page
  .replace(/<meta http-equiv="Content-Security-Policy"[^>]*>\n/, '')
  .replace('<head>', `<head>\n<base href="${pathToFileURL(folder)}/">`)
  .replace('</body>', `<script src="${capture}" defer></script>\n</body>`));
const dumped = execFileSync('chromium', ['--headless', '--no-sandbox', '--allow-file-access-from-files',
  '--window-size=1280,1024', '--dump-dom', pathToFileURL(path.join(work, 'index.html')).href],
{ encoding: 'utf8', stdio: ['ignore', 'pipe', 'ignore'] });
rmSync(work, { recursive: true });
const found = dumped.match(/<pre id="prerendered">([A-Za-z0-9+/=]+)<\/pre>/);
if (!found) throw new Error('the main window was not drawn in Chromium');
const { markup, rules, width, height, room } = JSON.parse(Buffer.from(found[1], 'base64').toString('utf8'));

if (!page.includes('<div id="desk"></div>')) throw new Error('index.html has no empty desk');
writeFileSync(path.join(folder, 'index.html'), page.replace('<div id="desk"></div>', `<div id="desk">${markup}</div>`));
// Centred on whole pixels as the script centres a window, and only where it fits unscaled.
appendFileSync(path.join(folder, 'geomira.css'), `
/* The main window in index.html, until the program's scripts draw it. */
.window.prerendered {
  left: calc((100vw - ${width}px) / 2); top: calc((100vh - ${height}px) / 2);
  left: round((100vw - ${width}px) / 2, 1px); top: round((100vh - ${height}px) / 2, 1px); filter: none;
}
@media (scripting: none), (width < ${room[0]}px), (height < ${room[1]}px) { .window.prerendered { display: none; } }
${rules.join('\n')}
`);
