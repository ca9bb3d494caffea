// Headless Firefox for the page's test, driven over WebDriver BiDi: reads
// calls as JSON lines, [verb, ...arguments] with the verbs of the test's other
// engines (tests/web_session.py), and answers each with {value} or {error}.
//   node firefox.mjs FIREFOX
import { createInterface } from 'node:readline';
import puppeteer from 'puppeteer-core';

const browser = await puppeteer.launch({
  browser: 'firefox',
  executablePath: process.argv[2],
  headless: true,
  defaultViewport: { width: 1024, height: 768 },
  extraPrefsFirefox: {
    // The locale's decimal separator comes from LANG, as on a user's desktop.
    'intl.regional_prefs.use_os_locales': true,
    // The test reads back what the page copied, with no paste prompt.
    'dom.events.testing.asyncClipboard': true,
  },
});
const page = (await browser.pages())[0];
const { keyboard, mouse } = page;

const verbs = {
  open: async (url) => {
    await page.goto(url, { waitUntil: 'domcontentloaded' });
  },
  evaluate: (expression) => page.evaluate(expression),
  click: (name) => page.click(`#${name}`),
  fill: async (name, text) => {
    await page.$eval(`#${name}`, (box) => {
      box.value = '';
      box.focus();
    });
    await keyboard.type(text);
  },
  // Keys are WebDriver's, which BiDi shares; all but the last are held down.
  press: async (...keys) => {
    const held = keys.slice(0, -1);
    for (const key of held) {
      await keyboard.down(key);
    }
    await keyboard.press(keys.at(-1));
    for (const key of held.reverse()) {
      await keyboard.up(key);
    }
  },
  // From one offset from the element's centre to another.
  drag: async (name, [x0, y0], [x1, y1]) => {
    const { x, y, width, height } = await page.$eval(`#${name}`,
      (element) => element.getBoundingClientRect().toJSON());
    await mouse.move(x + width / 2 + x0, y + height / 2 + y0);
    await mouse.down();
    await mouse.move(x + width / 2 + x1, y + height / 2 + y1);
    await mouse.up();
  },
  resize: async (width, height) => {
    try {
      await page.setViewport({ width, height });
    } catch (error) {
      // Firefox ESR 140 takes the viewport but not the orientation sent with it.
      if (!error.message.includes('setScreenOrientationOverride')) {
        throw error;
      }
      for (let tries = 0; (await page.evaluate('window.innerWidth')) !== width; tries++) {
        if (tries === 40) {
          throw new Error(`the viewport stays ${await page.evaluate('window.innerWidth')} px wide`);
        }
        await new Promise((resolve) => setTimeout(resolve, 50));
      }
    }
  },
  shows: async (path) => {
    await page.screenshot({ path });
    return page.evaluate("[location.href, document.title, document.body?.innerText ?? '']");
  },
  before_scripts: async (source) => {
    await page.evaluateOnNewDocument(source);
  },
  clipboard: (text) => page.evaluate(text === undefined ? 'navigator.clipboard.readText()'
    : `navigator.clipboard.writeText(${JSON.stringify(text)})`),
};

for await (const line of createInterface({ input: process.stdin })) {
  const [verb, ...args] = JSON.parse(line);
  const answer = await verbs[verb](...args).then((value) => ({ value: value ?? null }),
    (error) => ({ error: String(error?.message ?? error) }));
  process.stdout.write(`${JSON.stringify(answer)}\n`);
}
await browser.close();
