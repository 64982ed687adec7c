// SPDX-License-Identifier: GPL-3.0-or-later
// The web edition's folder served on 127.0.0.1, and Debian's Chromium to open it in.
import { createServer } from 'node:http';
import { readFile } from 'node:fs/promises';
import { execFileSync } from 'node:child_process';
import path from 'node:path';
import { chromium } from 'playwright-core';

const types = { '.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css', '.wasm': 'application/wasm',
  '.svg': 'image/svg+xml', '.woff2': 'font/woff2', '.json': 'application/json', '.webmanifest': 'application/manifest+json' };

// A static server, as any web server serves the folder.
export async function serve(root, served = () => {}) {
  const server = createServer(async (request, response) => {
    const name = decodeURIComponent(new URL(request.url, 'http://x').pathname);
    const file = path.join(root, name.endsWith('/') ? `${name}index.html` : name);
    try {
      const body = await readFile(file);
      served(name, body.length);
      response.writeHead(200, { 'Content-Type': types[path.extname(file)] ?? 'application/octet-stream' });
      response.end(body);
    } catch {
      response.writeHead(404).end();
    }
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  return { server, url: `http://127.0.0.1:${server.address().port}/` };
}

export const launch = () => chromium.launch({
  executablePath: execFileSync('sh', ['-c', 'command -v chromium'], { encoding: 'utf8' }).trim(),
  args: ['--no-sandbox', '--autoplay-policy=no-user-gesture-required'],
});

