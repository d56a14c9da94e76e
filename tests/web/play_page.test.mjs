// The play pages in headless Chromium with the network cut off: every placed word of every
// sample puzzle found by dragging (half of them backwards), a drag one letter short, the solved
// state, progress kept over a reload, the keyboard alone, touch, and a hostile title.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';
import puppeteer from 'puppeteer-core';

const cli = process.env.QM_CLI;
const chromium = process.env.QM_CHROMIUM || '/usr/bin/chromium';
const STRIDE = 50;

let folder;
let browser;
const leaked = [];  // every request that was not for the page's own file
const dialogs = [];

function run(...args) {
  return execFileSync(cli, args, { cwd: folder, encoding: 'utf8' });
}

function cellOf(number) {
  return { row: Math.floor((number - 1) / STRIDE) + 1, col: ((number - 1) % STRIDE) + 1 };
}

// The puzzles of a collection that can be played, each with its words as the record holds them.
function playablePuzzles(collection) {
  const listing = JSON.parse(run('list', collection));
  const puzzles = [];
  for (const entry of listing.puzzles ?? listing.Puzzles ?? []) {
    const index = entry.index ?? entry.Index;
    const record = JSON.parse(run('dump', collection, String(index)));
    if (!record.Generated) continue;
    const file = join(folder, `puzzle-${index}.html`);
    run('export', collection, String(index), '--format', 'play', '--out', file);
    const words = [];
    for (let i = 0; i < record.WordCount; ++i)
      if (record.Placed[i]) words.push({ number: i + 1, start: cellOf(record.StartCell[i]), end: cellOf(record.EndCell[i]) });
    puzzles.push({ index, file, words });
  }
  return puzzles;
}

async function open(file, options = {}) {
  const page = await browser.newPage();
  if (options.touch) await page.setViewport({ width: 412, height: 900, hasTouch: true, isMobile: true });
  else await page.setViewport({ width: 1280, height: 2000 });
  const url = pathToFileURL(file).href;
  await page.setRequestInterception(true);
  page.on('request', (request) => {
    if (request.url() === url) request.continue();
    else { leaked.push(request.url()); request.abort(); }
  });
  page.on('dialog', async (dialog) => { dialogs.push(dialog.message()); await dialog.dismiss(); });
  await page.goto(url);
  return page;
}

async function centre(page, cell, scroll = true) {
  const element = await page.$(`[data-row="${cell.row}"][data-col="${cell.col}"]`);
  assert.ok(element, `no cell at ${cell.row},${cell.col}`);
  if (scroll) await element.scrollIntoView();
  const box = await element.boundingBox();
  return { x: box.x + box.width / 2, y: box.y + box.height / 2 };
}

async function drag(page, from, to) {
  await page.$eval('.grid', (grid) => grid.scrollIntoView({ block: 'center' }));
  const a = await centre(page, from, false);
  const b = await centre(page, to, false);
  await page.mouse.move(a.x, a.y);
  await page.mouse.down();
  await page.mouse.move((a.x + b.x) / 2, (a.y + b.y) / 2, { steps: 3 });
  await page.mouse.move(b.x, b.y, { steps: 3 });
  await page.mouse.up();
}

function found(page, number) {
  return page.$eval(`[data-word="${number}"]`, (item) => item.dataset.found);
}
function solved(page) { return page.$eval('body', (body) => body.dataset.solved); }

// One cell back from the end towards the start.
function oneShort(word) {
  const step = (a, b) => Math.sign(b - a);
  return { row: word.end.row - step(word.start.row, word.end.row), col: word.end.col - step(word.start.col, word.end.col) };
}

let puzzles;

before(() => {
  folder = mkdtempSync(join(tmpdir(), 'quillmaze-play-'));
  run('sample', join(folder, 'SAMPLE.QZ3'));
  puzzles = playablePuzzles(join(folder, 'SAMPLE.QZ3'));
  assert.ok(puzzles.length > 0);
});

before(async () => {
  browser = await puppeteer.launch({ executablePath: chromium, headless: true, args: ['--no-sandbox'] });
});

after(async () => {
  if (browser) await browser.close();
  if (folder) rmSync(folder, { recursive: true, force: true });
});

test('every placed word of every sample puzzle is found by dragging, half of them backwards', async () => {
  for (const puzzle of puzzles) {
    const page = await open(puzzle.file);
    assert.equal(await solved(page), 'false');
    const first = puzzle.words[0];
    if (first.start.row !== first.end.row || first.start.col !== first.end.col) {
      await drag(page, first.start, oneShort(first));
      assert.equal(await found(page, first.number), 'false', `puzzle ${puzzle.index}: a drag one letter short`);
      assert.equal(await page.$$eval('[data-found="true"]', (items) => items.length), 0);
    }
    for (const [k, word] of puzzle.words.entries()) {
      if (k % 2 === 0) await drag(page, word.start, word.end);
      else await drag(page, word.end, word.start);
      assert.equal(await found(page, word.number), 'true',
        `puzzle ${puzzle.index}, word ${word.number} from ${JSON.stringify(word.start)} to ${JSON.stringify(word.end)}`);
      if (k < puzzle.words.length - 1) assert.equal(await solved(page), 'false');
    }
    assert.equal(await solved(page), 'true', `puzzle ${puzzle.index}`);
    assert.equal(await page.$eval('#solved', (text) => text.hidden), false);
    await page.close();
  }
});

test('a reload keeps the words found, and Start again clears them', async () => {
  const puzzle = puzzles[0];
  const page = await open(puzzle.file);
  await page.click('#restart');
  const [a, b] = puzzle.words;
  await drag(page, a.start, a.end);
  await drag(page, b.end, b.start);
  await page.reload();
  assert.equal(await found(page, a.number), 'true');
  assert.equal(await found(page, b.number), 'true');
  assert.match(await page.$eval('#found', (text) => text.textContent), /^Found 2 of /);
  await page.click('#restart');
  await page.reload();
  assert.equal(await page.$$eval('[data-found="true"]', (items) => items.length), 0);
  await page.close();
});

test('the keyboard alone finds a word, and Escape drops a mark', async () => {
  const puzzle = puzzles[0];
  const page = await open(puzzle.file);
  await page.click('#restart');
  const word = puzzle.words[0];
  const moveTo = async (target) => {
    for (let presses = 0; presses < 200; ++presses) {
      const at = await page.evaluate(() => ({ row: Number(document.activeElement.dataset.row),
        col: Number(document.activeElement.dataset.col) }));
      if (at.row === target.row && at.col === target.col) return;
      const key = at.row < target.row ? 'ArrowDown' : at.row > target.row ? 'ArrowUp'
        : at.col < target.col ? 'ArrowRight' : 'ArrowLeft';
      await page.keyboard.press(key);
    }
    assert.fail(`the keyboard did not reach ${target.row},${target.col}`);
  };
  await page.focus('[data-row]');
  await moveTo(word.start);
  await page.keyboard.press('Enter');
  await page.keyboard.press('Escape');
  await moveTo(word.end);
  await page.keyboard.press('Space');  // a first mark again, at the end: found either way round
  await moveTo(word.start);
  await page.keyboard.press('Enter');
  assert.equal(await found(page, word.number), 'true');
  assert.match(await page.$eval('#announce', (live) => live.textContent), /^Found /);
  await page.close();
});

test('touch finds a word at a phone width', async () => {
  const puzzle = puzzles[puzzles.length - 1];
  const page = await open(puzzle.file, { touch: true });
  await page.click('#restart');
  const word = puzzle.words[0];
  const a = await centre(page, word.start);
  const b = await centre(page, word.end);
  await page.touchscreen.touchStart(a.x, a.y);
  await page.touchscreen.touchMove((a.x + b.x) / 2, (a.y + b.y) / 2);
  await page.touchscreen.touchMove(b.x, b.y);
  await page.touchscreen.touchEnd();
  assert.equal(await found(page, word.number), 'true');
  await page.close();
});

test('a hostile title shows as text and runs nothing', async () => {
  const hostile = '<img src=x onerror=alert(1)>';
  const words = join(folder, 'words.txt');
  writeFileSync(words, 'CAT\nDOG\nHEN\n');
  const collection = join(folder, 'HOSTILE.QZ3');
  run('create', '--collection', collection, '--title', hostile, '--category', '</script>', '--words', words,
    '--size', '8x8', '--seed', '7');
  const file = join(folder, 'hostile.html');
  run('export', collection, '0', '--format', 'play', '--out', file);
  const page = await open(file);
  assert.equal(await page.$eval('h1', (heading) => heading.textContent), hostile);
  assert.equal(await page.title(), hostile);
  assert.equal(await page.$$eval('img', (images) => images.length), 0);
  assert.equal(await page.$eval('body', (body) => body.dataset.solved), 'false');  // the page's own script ran
  await page.close();
  assert.deepEqual(dialogs, []);
});

test('no request left any page', () => {
  assert.deepEqual(leaked, []);
});
