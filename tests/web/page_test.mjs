// The exported web page played in a real browser: Debian's Chromium,
// headless, driven by puppeteer-core. Each puzzle is made and exported by
// gridly-tool, opened from a file:// address with every other request
// refused, and held against what Gridly's play mode shows of the same .gly
// (play_clue_lists, built on the program's own clue list code).
//
// Environment: GRIDLY_TOOL, GRIDLY_CLUE_LISTS (the two programs),
// GRIDLY_WORDS (the forty-word list).
import { after, before, describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { pathToFileURL } from 'node:url';
import puppeteer from 'puppeteer-core';

const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'gridly-web-'));
const tool = (...args) => execFileSync(process.env.GRIDLY_TOOL, args, { cwd: folder, encoding: 'utf8' });

// Blanks, "&" and "-" in words; a clue that tries to end the data block and
// run a script, and clues with markup characters.
const SMALL_WORDS = [
  'ice cream\t</script><img src=x onerror=alert(1)>',
  'r&b\tSalt & pepper',
  'x-ray\tHot </b> drink',
  'tea\tIt is brewed',
  'cat\tA pet',
  'oven\tIt bakes',
].join('\n');

let browser;
before(async () => {
  browser = await puppeteer.launch({
    executablePath: '/usr/bin/chromium',
    headless: true,
    args: ['--no-sandbox', '--headless', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync',
      '--host-resolver-rules=MAP * ~NOTFOUND'],
    userDataDir: fs.mkdtempSync(path.join(folder, 'profile-')),
  });
});
after(async () => {
  await browser?.close();
  fs.rmSync(folder, { recursive: true, force: true });
});

// The page of a puzzle, opened with every request but its own refused and
// recorded, with its errors and dialogs recorded too.
async function open(name, viewport = { width: 1024, height: 900 }) {
  const page = await browser.newPage();
  await page.setViewport(viewport);
  const url = pathToFileURL(path.join(folder, name + '.html')).href;
  const seen = { requests: [], errors: [], dialogs: [] };
  await page.setRequestInterception(true);
  page.on('request', (request) => {
    if (request.url() === url) return request.continue();
    seen.requests.push(request.url());
    return request.abort();
  });
  page.on('pageerror', (error) => seen.errors.push(String(error)));
  page.on('console', (message) => {
    if (message.type() === 'error') seen.errors.push(message.text());
  });
  page.on('dialog', async (dialog) => {
    seen.dialogs.push(dialog.message());
    await dialog.accept();
  });
  await page.goto(url, { waitUntil: 'load' });
  return { page, seen };
}

const text = (page, selector) => page.$eval(selector, (el) => el.textContent);
const texts = (page, selector) => page.$$eval(selector, (els) => els.map((el) => el.textContent));

// The letter shown in each cell of a word, blank for an empty cell.
function lettersOf(page, word) {
  return page.evaluate((w) => {
    const rows = document.querySelectorAll('#grid .row');
    let out = '';
    for (let k = 0; k < w.length; k++) {
      const c = w.across ? w.col + k : w.col, r = w.across ? w.row : w.row + k;
      out += rows[r - 1].children[c - 1].querySelector('.letter').textContent;
    }
    return out;
  }, word);
}

async function chooseClue(page, item) {
  const buttons = await page.$$('#across .clue, #down .clue');
  for (const button of buttons)
    if ((await button.evaluate((el) => el.textContent)) === item.text.trimEnd()) return button.click();
  throw new Error('no clue ' + item.text);
}

function accessibleNodes(node, out = []) {
  out.push(node);
  for (const child of node.children ?? []) accessibleNodes(child, out);
  return out;
}

for (const [name, make] of [
  ['everyday', () => tool('make', process.env.GRIDLY_WORDS, 'everyday.gly', '--connected', '--seed', '7')],
  ['small', () => {
    fs.writeFileSync(path.join(folder, 'small.txt'), SMALL_WORDS);
    tool('make', 'small.txt', 'small.gly', '--seed', '3');
  }],
]) {
  describe(name, () => {
    let play, clues, score0;
    before(() => {
      make();
      tool('export', name + '.gly', name + '.html');
      play = JSON.parse(execFileSync(process.env.GRIDLY_CLUE_LISTS, [path.join(folder, name + '.gly')], {
        encoding: 'utf8',
      }));
      clues = play.across.slice(1).concat(play.down.slice(1));
      score0 = ' 0 out of  ' + clues.length + ' words are Correct!';
    });

    test('the page is one file under 60 KB that shows what play mode shows and requests nothing', async () => {
      const size = fs.statSync(path.join(folder, name + '.html')).size;
      console.log(`# ${name}.html: ${clues.length} words, ${size} bytes`);
      assert.ok(size < 60 * 1024, `${size} bytes`);
      const { page, seen } = await open(name);
      assert.deepEqual(await texts(page, '#acrosshead, #downhead'),
        [play.across[0].text.trim(), play.down[0].text.trim()]);
      assert.deepEqual(await texts(page, '#across .clue'), play.across.slice(1).map((c) => c.text.trimEnd()));
      assert.deepEqual(await texts(page, '#down .clue'), play.down.slice(1).map((c) => c.text.trimEnd()));
      const numbers = await page.$$eval('#grid .row', (rows) => rows.flatMap((row, r) =>
        [...row.children].flatMap((cell, c) => {
          const n = cell.querySelector('.number');
          return n ? [`${c + 1},${r + 1}:${n.textContent}`] : [];
        })));
      const expected = [...new Set(clues.map((w) => `${w.col},${w.row}:${w.number}`))];
      assert.deepEqual(numbers.sort(), expected.sort());
      assert.equal(await text(page, '#score'), score0);
      assert.equal(await page.$$eval('img', (els) => els.length), 0);
      assert.deepEqual(seen, { requests: [], errors: [], dialogs: [] });
      await page.close();
    });

    test('typing every answer with the keyboard alone, clue after clue, completes the puzzle', async () => {
      const { page, seen } = await open(name);
      await page.keyboard.press('Tab');  // into the grid: the first clue
      for (const [i, word] of clues.entries()) {
        await page.keyboard.type(word.answer);
        if (i + 1 < clues.length) await page.keyboard.press(i % 2 ? 'Enter' : 'Tab');
      }
      assert.equal(await text(page, '#score'), 'Crossword Completed!!!');
      assert.equal(await page.$$eval('.clue:disabled', (els) => els.length), clues.length);
      await page.click('#clearall');
      assert.equal(await text(page, '#score'), score0);
      assert.deepEqual(seen, { requests: [], errors: [], dialogs: ['Clear All Words From Play Grid'] });
      await page.close();
    });

    test('Check Puzzle marks a wrong letter, a cell chooses its word, Reveal Word fills it, a reload keeps the letters', async () => {
      const { page } = await open(name);
      const first = play.across[1], down = play.down[1];
      const wrongLetter = first.answer[0] === 'Q' ? 'X' : 'Q';
      await chooseClue(page, first);
      await page.keyboard.type(wrongLetter + first.answer.slice(1));
      await page.click('#checkpuzzle');
      assert.deepEqual(await page.$$eval('.cell.wrong .letter', (els) => els.map((el) => el.textContent)),
        [wrongLetter]);
      // A cell chooses a word through it, the same cell again the word crossing there.
      const cell = `#grid .row:nth-child(${down.row}) .cell:nth-child(${down.col})`;
      await page.click(cell);
      if (await text(page, '#current') !== down.text.trimEnd()) await page.click(cell);
      assert.equal(await text(page, '#current'), down.text.trimEnd());
      await page.click('#revealword');
      assert.equal(await lettersOf(page, down), down.answer);
      const typed = await lettersOf(page, first);
      await page.reload({ waitUntil: 'load' });
      assert.equal(await lettersOf(page, down), down.answer);
      assert.equal(await lettersOf(page, first), typed);
      await page.click('#clearall');
      await page.close();
    });

    test('at 320 x 640 the grid fits the width and the clues go below it', async () => {
      const { page } = await open(name, { width: 320, height: 640 });
      const box = await page.$eval('#grid', (el) => el.getBoundingClientRect().toJSON());
      assert.ok(box.left >= 0 && box.right <= 320, JSON.stringify(box));
      assert.ok(await page.evaluate(() => document.documentElement.scrollWidth <= 320));
      const cluesTop = await page.$eval('.clues', (el) => el.getBoundingClientRect().top);
      assert.ok(cluesTop >= box.bottom);
      await page.close();
    });

    test('printed, the page is one worksheet page with every clue and no letter', async () => {
      const { page } = await open(name);
      await chooseClue(page, clues[0]);
      await page.keyboard.type(clues[0].answer);
      for (const format of ['A4', 'Letter']) {
        const file = path.join(folder, `${name}-${format}.pdf`);
        await page.pdf({ path: file, format });
        assert.match(execFileSync('pdfinfo', [file], { encoding: 'utf8' }), /^Pages:\s+1$/m, format);
        const printed = execFileSync('pdftotext', [file, '-'], { encoding: 'utf8' }).replace(/\s+/g, ' ');
        for (const clue of clues) assert.ok(printed.includes(clue.text.trim().replace(/\s+/g, ' ')), clue.text);
      }
      await page.emulateMediaType('print');
      assert.equal(await page.$eval('.letter', (el) => getComputedStyle(el).visibility), 'hidden');
      await page.emulateMediaType(null);
      await page.click('#clearall');
      await page.close();
    });

    test('the accessibility tree has the grid, its cells by word and letter, the clue lists and named buttons',
      async () => {
        const { page } = await open(name);
        const nodes = accessibleNodes(await page.accessibility.snapshot({ interestingOnly: false }));
        assert.equal(nodes.filter((n) => n.role === 'grid').length, 1);
        const cells = nodes.filter((n) => n.role === 'gridcell' && n.name !== 'Block').map((n) => n.name);
        const first = play.across[1];
        assert.ok(cells.some((label) => label.startsWith(
          `${first.number} Across, letter 1 of ${first.length}`)), cells.join('\n'));
        for (const label of cells) assert.match(label, /^\d+ (Across|Down), letter \d+ of \d+(; .*)?: empty$/);
        const lists = nodes.filter((n) => n.role === 'list');
        assert.deepEqual(lists.map((n) => n.children.filter((c) => c.role === 'listitem').length),
          [play.across.length - 1, play.down.length - 1]);
        const buttons = nodes.filter((n) => n.role === 'button');
        assert.ok(buttons.length >= 4 + clues.length);
        for (const button of buttons) assert.ok(button.name.trim().length > 0);
        await page.close();
      });
  });
}
