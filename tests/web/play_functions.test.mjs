// The play page script's own rules, without a browser: lines between cells, the snapping of a
// drag to the eight directions, matches either way round, and the answers' encoding.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { createRequire } from 'node:module';

const play = createRequire(import.meta.url)('../../src/output/play/play_page.js');

test('cells between two ends lie on one of the eight lines', () => {
  assert.deepEqual(play.cellsBetween({ row: 1, col: 1 }, { row: 3, col: 3 }),
    [{ row: 1, col: 1 }, { row: 2, col: 2 }, { row: 3, col: 3 }]);
  assert.deepEqual(play.cellsBetween({ row: 4, col: 2 }, { row: 2, col: 2 }),
    [{ row: 4, col: 2 }, { row: 3, col: 2 }, { row: 2, col: 2 }]);
  assert.equal(play.cellsBetween({ row: 1, col: 1 }, { row: 2, col: 3 }), null);
  assert.deepEqual(play.cellsBetween({ row: 2, col: 2 }, { row: 2, col: 2 }), [{ row: 2, col: 2 }]);
});

test('a drag snaps to the nearest direction and stays in the grid', () => {
  const start = { row: 5, col: 5 };
  assert.deepEqual(play.snappedEnd(start, { row: 6, col: 9 }, 10, 10), { row: 5, col: 9 });
  assert.deepEqual(play.snappedEnd(start, { row: 8, col: 9 }, 10, 10), { row: 9, col: 9 });
  assert.deepEqual(play.snappedEnd(start, { row: 1, col: 4 }, 10, 10), { row: 1, col: 5 });
  assert.deepEqual(play.snappedEnd(start, { row: 9, col: 1 }, 10, 10), { row: 9, col: 1 });
  // A diagonal that would leave a 6-row grid is shortened to its last cell inside.
  assert.deepEqual(play.snappedEnd(start, { row: 9, col: 9 }, 6, 10), { row: 6, col: 6 });
  assert.deepEqual(play.snappedEnd(start, start, 10, 10), start);
});

test('answers decode with their key and match either way round', () => {
  const key = play.answerKey([67, 65, 84, 0, 88]);
  const cells = (3 << 12) | 1;
  const encoded = ((cells ^ play.answerMask(key, 1)) >>> 0).toString(36);
  const answers = play.decodeWords('- ' + encoded, key);
  assert.equal(answers[0], null);
  assert.deepEqual(answers[1], { start: 3, end: 1 });
  assert.equal(play.matchingSlot(answers, { row: 1, col: 1 }, { row: 1, col: 3 }), 1);
  assert.equal(play.matchingSlot(answers, { row: 1, col: 3 }, { row: 1, col: 1 }), 1);
  assert.equal(play.matchingSlot(answers, { row: 1, col: 1 }, { row: 1, col: 2 }), -1);
  assert.notEqual(play.decodeWords(encoded, key + 1)[0].start, 3);
  // Two words on the same cells: the one not found yet.
  const twice = [answers[1], answers[1]];
  assert.equal(play.matchingSlot(twice, { row: 1, col: 1 }, { row: 1, col: 3 }, new Set([0])), 1);
  const phrase = ((104 ^ play.answerMask(key, 1000)) >>> 0).toString(36);
  assert.deepEqual(play.decodePhrase(phrase, key), [104]);
});

test('the clock shows minutes and seconds', () => {
  assert.equal(play.clockText(0), '0:00');
  assert.equal(play.clockText(75), '1:15');
  assert.equal(play.clockText(3600), '60:00');
});
