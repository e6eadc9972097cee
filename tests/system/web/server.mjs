// SPDX-License-Identifier: GPL-3.0-or-later
// A small static server for the browser's Abacolo, on 127.0.0.1 only, as a school's web server would
// serve build-web/dist/: each file with its type (the program as application/wasm, the manifest as
// application/manifest+json), and its brotli or gzip copy, when one lies beside it, to a browser that
// accepts that encoding. Files are revalidated on every use (ETag), so that what a browser keeps for
// itself is always the server's. It counts the bytes it sends.
//   node server.mjs DIR [PORT]   serves DIR until stopped; also used by proof.mjs as a module
import {createReadStream, statSync} from 'node:fs';
import {createServer} from 'node:http';
import {extname, join, normalize, sep} from 'node:path';

const TYPES = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.wasm': 'application/wasm',
  '.webmanifest': 'application/manifest+json',
  '.json': 'application/json',
  '.png': 'image/png',
  '.svg': 'image/svg+xml',
  '.txt': 'text/plain; charset=utf-8',
  '.xz': 'application/x-xz',
};
// Copies beside a file, best first: the header's name and the copy's suffix.
const ENCODINGS = [['br', '.br'], ['gzip', '.gz']];

function fileAt(path) {
  try {
    const stat = statSync(path);
    return stat.isFile() ? stat : null;
  } catch {
    return null;
  }
}

// Serves DIR; resolves to {port, sent, close()}, where sent lists {path, status, encoding, bytes}.
export function serve(dir, port = 0) {
  const root = normalize(dir + sep);
  const sent = [];
  const server = createServer((request, response) => {
    const url = new URL(request.url, 'http://localhost');
    let path = normalize(join(root, decodeURIComponent(url.pathname)));
    if (!path.startsWith(root)) {
      response.writeHead(403).end();
      return;
    }
    if (path.endsWith(sep) && fileAt(join(path, 'index.html')))
      path = join(path, 'index.html');
    const stat = fileAt(path);
    const record = {path: url.pathname, status: 404, encoding: '', bytes: 0};
    sent.push(record);
    if (!stat || (request.method !== 'GET' && request.method !== 'HEAD')) {
      response.writeHead(stat ? 405 : 404, {'Content-Type': 'text/plain; charset=utf-8'}).end();
      return;
    }
    const accepted = (request.headers['accept-encoding'] ?? '').split(',').map(part => part.trim().split(';')[0]);
    let body = path;
    let bodyStat = stat;
    const headers = {
      'Content-Type': TYPES[extname(path)] ?? 'application/octet-stream',
      'Cache-Control': 'no-cache',
      'Vary': 'Accept-Encoding',
    };
    for (const [name, suffix] of ENCODINGS) {
      const copy = fileAt(path + suffix);
      if (accepted.includes(name) && copy) {
        body = path + suffix;
        bodyStat = copy;
        headers['Content-Encoding'] = record.encoding = name;
        break;
      }
    }
    // One tag for each copy: the file's size and time, and the encoding sent.
    headers.ETag = `"${stat.size.toString(16)}-${Math.floor(stat.mtimeMs).toString(16)}-${record.encoding || 'identity'}"`;
    if (request.headers['if-none-match'] === headers.ETag) {
      record.status = 304;
      response.writeHead(304, headers).end();
      return;
    }
    headers['Content-Length'] = bodyStat.size;
    record.status = 200;
    response.writeHead(200, headers);
    if (request.method === 'HEAD') {
      response.end();
      return;
    }
    record.bytes = bodyStat.size;
    createReadStream(body).pipe(response);
  });
  return new Promise((resolve, reject) => {
    server.on('error', reject);
    server.listen(port, '127.0.0.1', () => resolve({
      port: server.address().port,
      sent,
      // Stops answering at once: the open connections are cut, as when the network goes.
      close: () => new Promise(done => {
        server.close(() => done());
        server.closeAllConnections();
      }),
    }));
  });
}

if (import.meta.url === `file://${process.argv[1]}`) {
  const [dir, port] = process.argv.slice(2);
  if (!dir) {
    console.error('usage: node server.mjs DIR [PORT]');
    process.exit(2);
  }
  const {port: listening} = await serve(dir, Number(port ?? 0));
  console.log(`serving ${dir} on http://127.0.0.1:${listening}/`);
}
