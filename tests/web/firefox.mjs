// Headless Firefox for the page's test, driven over WebDriver BiDi: reads
// calls as JSON lines, [object, method, ...arguments] on puppeteer's page,
// keyboard or mouse, and answers each with a line {value} or {error}.
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
const objects = { page, keyboard: page.keyboard, mouse: page.mouse };

for await (const line of createInterface({ input: process.stdin })) {
  const [object, method, ...args] = JSON.parse(line);
  let answer;
  try {
    const value = await objects[object][method](...args);
    // Puppeteer's own objects, such as a navigation's response, stay here.
    const plain = value === undefined || value === null || typeof value !== 'object'
      || Array.isArray(value) || Object.getPrototypeOf(value) === Object.prototype;
    answer = { value: plain ? value ?? null : null };
  } catch (error) {
    answer = { error: String(error?.message ?? error) };
  }
  process.stdout.write(`${JSON.stringify(answer)}\n`);
}
await browser.close();
