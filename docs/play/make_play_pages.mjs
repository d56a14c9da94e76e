// The pictures and figures of docs/play/, made by docs/make_play_pages.sh.
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync, statSync, writeFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';

const require = createRequire(join(process.env.NODE_PATH, 'x.js'));
const puppeteer = require('puppeteer-core');
const [cli, out, wordsFile] = process.argv.slice(2);
const STRIDE = 50;
const scratch = mkdtempSync(join(tmpdir(), 'quillmaze-docs-'));
const run = (...args) => execFileSync(cli, args, { cwd: scratch, encoding: 'utf8' });
const cellOf = (n) => ({ row: Math.floor((n - 1) / STRIDE) + 1, col: ((n - 1) % STRIDE) + 1 });

async function offline(browser, file, viewport) {
  const page = await browser.newPage();
  await page.setViewport(viewport);
  const url = pathToFileURL(file).href;
  await page.setRequestInterception(true);
  page.on('request', (request) => (request.url() === url ? request.continue() : request.abort()));
  await page.goto(url, { waitUntil: 'load' });
  return page;
}

async function centre(page, cell) {
  const element = await page.$(`[data-row="${cell.row}"][data-col="${cell.col}"]`);
  await element.scrollIntoView();
  const box = await element.boundingBox();
  return { x: box.x + box.width / 2, y: box.y + box.height / 2 };
}

async function findHalf(page, record) {
  const placed = [];
  for (let i = 0; i < record.WordCount; ++i) if (record.Placed[i]) placed.push(i);
  for (const i of placed.slice(0, Math.ceil(placed.length / 2))) {
    const a = await centre(page, cellOf(record.StartCell[i]));
    const b = await centre(page, cellOf(record.EndCell[i]));
    await page.mouse.move(a.x, a.y);
    await page.mouse.down();
    await page.mouse.move(b.x, b.y, { steps: 4 });
    await page.mouse.up();
  }
  await page.evaluate(() => window.scrollTo(0, 0));
}

const browser = await puppeteer.launch({ executablePath: '/usr/bin/chromium', headless: true,
  args: ['--no-sandbox', '--hide-scrollbars', '--font-render-hinting=none'] });
try {
  const sample = join(scratch, 'SAMPLE.QZ3');
  run('sample', sample);
  const web = join(scratch, 'web');
  const book = JSON.parse(run('book', sample, '--web', web, '--seed', '1'));
  const first = book.puzzles[0];
  const record = JSON.parse(run('dump', sample, String(first.index)));

  const index = await offline(browser, book.index, { width: 1024, height: 640 });
  await index.screenshot({ path: join(out, 'index.png') });
  await index.close();
  for (const [name, viewport] of [['desktop-half-solved.png', { width: 1280, height: 800 }],
    ['phone-half-solved.png', { width: 390, height: 844, isMobile: true, hasTouch: true, deviceScaleFactor: 2 }]]) {
    const page = await offline(browser, first.file, viewport);
    await page.evaluate(() => localStorage.clear());
    await page.reload({ waitUntil: 'load' });
    await findHalf(page, record);
    await page.screenshot({ path: join(out, name), fullPage: name.startsWith('phone') });
    await page.close();
  }

  // The largest puzzle: 330 words with clues on a 30 x 30 grid.
  const words = readFileSync(wordsFile, 'utf8').split(/\r?\n/).filter((word) => word.length > 0).slice(0, 330);
  const clued = join(scratch, 'words330.txt');
  writeFileSync(clued, words.map((word) => `${word}:A word of ${word.length} letters`).join('\n') + '\n');
  const big = join(scratch, 'BIG.QZ3');
  run('create', '--collection', big, '--title', 'Three Hundred and Thirty Words', '--category', 'Benchmarks',
    '--words', clued, '--clues', '--size', '30x30', '--attempts', '100', '--seed', '330', '--keep-excluded');
  const bigPage = join(scratch, 'big.html');
  run('export', big, '0', '--format', 'play', '--out', bigPage);
  const bigRecord = JSON.parse(run('dump', big, '0'));
  const timings = [];
  for (let k = 0; k < 5; ++k) {
    const page = await offline(browser, bigPage, { width: 1280, height: 800 });
    timings.push(await page.evaluate(() => new Promise((resolve) => {
      const navigation = performance.getEntriesByType('navigation')[0];
      new PerformanceObserver((list) => {
        const paint = list.getEntries().find((entry) => entry.name === 'first-contentful-paint') || list.getEntries()[0];
        resolve({ load: navigation.loadEventEnd, paint: paint.startTime });
      }).observe({ type: 'paint', buffered: true });
    })));
    await page.close();
  }
  const median = (values) => values.sort((a, b) => a - b)[Math.floor(values.length / 2)];
  const figures = {
    listed_words: words.length,
    words: bigRecord.WordCount,
    placed: bigRecord.Placed.filter(Boolean).length,
    bytes: statSync(bigPage).size,
    load_ms: Math.round(median(timings.map((t) => t.load)) * 10) / 10,
    first_paint_ms: Math.round(median(timings.map((t) => t.paint)) * 10) / 10,
    chromium: await browser.version(),
  };
  writeFileSync(join(out, 'largest-puzzle.json'), JSON.stringify(figures, null, 2) + '\n');
  console.log(JSON.stringify(figures));
} finally {
  await browser.close();
  rmSync(scratch, { recursive: true, force: true });
}
