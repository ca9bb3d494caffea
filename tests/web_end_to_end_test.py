#!/usr/bin/python3
"""Drives the web page in the three browser engines, Chromium, Firefox and
WebKit, served over http on the loopback, in an English and a Russian locale:
the worked values, the rows that show how sides are read and areas shown, an
error report, the keys, the copy, a narrow screen, a browser below the floor,
Exit, a new version put on the host, and a reload with no server at all. In
Chromium also what a screen reader gets, the colours, a phone's screen, a tap
and larger text, and axe-core's WCAG 2.2 A and AA rules.

usage: web_end_to_end_test.py SITE-FOLDER [ENGINE...]
"""
import json
import os
import shutil
import sys
import tempfile

sys.dont_write_bytecode = True

from selenium.common.exceptions import WebDriverException  # noqa: E402
from selenium.webdriver.common.keys import Keys  # noqa: E402

from web_session import (AXE, COLOURS_OF, Browser, Firefox, Site, WebKit,  # noqa: E402
                         contrast, form_controls, tab_order, wait_for)

ENGINES = {"chromium": Browser, "firefox": Firefox, "webkit": WebKit}

LOCALES = (("ru-RU", ","), ("en-US", "."))
PREFIX = "Площадь треугольника= "
REFUSAL = "Треугольника не существует"
START_CAPTION = "Результат вычислений"
CONTROLS = form_controls()

# Sides, what follows the prefix with "." for the separator (None: refused),
# and how the command is given. No two rows in a row give the same caption,
# so that each row's caption is known to be new.
CASES = [
    (("3", "4", "5"), "6.", "Enter in a box"),
    (("2", "3", "4"), "2.905", "Space on the button"),
    (("5", "5", "8"), "12.", "click"),
    (("1", "1", "3"), None, "click"),
    (("2,5", "2,5", "2,5"), "1.732", "click"),
    (("-1", "-1", "-1"), None, "Enter on the button"),
    (("100000", "100000", "100000"), "4330127018.922", "click"),
    (("", "", ""), ".", "click"),
    (("&H10", "&H10", "&H10"), "110.851", "click"),
    (("1 2", "5cm", "13"), "30.", "click"),
    (("1", "2", "3"), ".", "click"),
    (("1", "1", "1"), ".433", "click"),
]

# The keys a user copies the whole result with, wherever the focus is (the
# desktop's Ctrl+Shift+C opens a browser's developer tools).
COPY_KEYS = (Keys.ALT, "c")

# Accessibility rules the page is held to; the stored red on the light
# background is the one decided exception.
AXE_TAGS = ["wcag2a", "wcag2aa", "wcag21a", "wcag21aa", "wcag22aa"]
ACCEPTED = {("light", "color-contrast", "#Label4")}


def caption_of(shown, separator):
    return REFUSAL if shown is None else PREFIX + shown.replace(".", separator)


class Page:
    def __init__(self, browser, site):
        self.browser, self.site = browser, site

    def evaluate(self, expression):
        return self.browser.evaluate(expression)

    def result(self):
        return self.evaluate("document.getElementById('Label4').innerText")

    def focused(self):
        return self.evaluate("document.activeElement.id")

    def focus(self, name):
        self.evaluate(f"document.getElementById('{name}').focus()")

    def open(self, query=""):
        url = self.site.url + query
        try:
            self.browser.open(url)
            wait_for("the form", lambda: self.evaluate("!!document.getElementById('Command2')"))
        except (AssertionError, WebDriverException) as failure:
            raise AssertionError(f"opening {url}: {reason(failure)}; {self.shown()}") from None

    def shown(self):
        """What the browser shows, for a page that did not open."""
        descriptor, path = tempfile.mkstemp(prefix=f"web-test-{self.browser.name}-", suffix=".png")
        os.close(descriptor)
        try:
            url, title, text = self.browser.shows(path)
        except (AssertionError, WebDriverException) as failure:
            return f"nothing can be read from the browser: {reason(failure)}"
        return f"the browser shows {url}, «{title}», «{' '.join(text.split())[:300]}», {path}"

    def type_sides(self, sides):
        for number, side in enumerate(sides, 1):
            self.browser.fill(f"Text{number}", side)

    def give_command(self, how):
        if how == "Enter in a box":
            self.focus("Text3")
            self.browser.press(Keys.ENTER)
        elif how == "click" or not self.browser.keys_press_buttons:
            self.browser.click("Command2")
        else:
            self.focus("Command2")
            self.browser.press(Keys.SPACE if how.startswith("Space") else Keys.ENTER)

    def calculate(self, sides, caption, how="click"):
        self.type_sides(sides)
        self.give_command(how)
        wait_for(f"«{caption}» for {sides}", lambda: self.result() == caption)

    def copies(self, what, caption, action):
        self.browser.clipboard("-")
        action()
        wait_for(f"{what} to copy «{caption[:40]}…»",
                 lambda: self.browser.clipboard() == caption)


class Checks:
    def __init__(self):
        self.passed = 0
        self.failed = []

    def run(self, name, check, *args):
        try:
            check(*args)
        except AssertionError as failure:
            self.failed.append(name)
            print(f"FAIL: {name}: {failure}")
        except WebDriverException as failure:  # one of Chromium's or WebKit's
            self.failed.append(name)
            print(f"FAIL: {name}: {type(failure).__name__}: {failure.msg}")
        else:
            self.passed += 1
            print(f"ok: {name}")


def reason(failure):
    if isinstance(failure, WebDriverException):
        return f"{type(failure).__name__}: {failure.msg}" if failure.msg else type(failure).__name__
    return str(failure)


def expect(condition, message):
    if not condition:
        raise AssertionError(message)


def check_start(page):
    """The form as served, before the module: title, language, start-up
    texts, focus, tab order, and the stored layout at a desktop width."""
    title, lang = page.evaluate("[document.title, document.documentElement.lang]")
    expect(title == "Form1", f"the title is «{title}»")
    expect(lang == "ru", f"the language is «{lang}»")
    shown = page.evaluate("Object.fromEntries([...document.querySelectorAll('#Form1 [id]')].map("
                          "(e) => [e.id, {text: e.localName === 'input' ? e.value : e.innerText, "
                          "rect: e.getBoundingClientRect().toJSON()}]))")
    for control in CONTROLS:
        text = shown[control["name"]]["text"]
        expect(text == control["caption"], f"{control['name']} shows «{text}»")
    # Autofocus is applied when the first frame is drawn, which in WebKit may
    # come after the load event.
    first = page.evaluate("new Promise((drawn) => requestAnimationFrame("
                          "() => drawn(document.activeElement.id)))")
    expect(first == "Command2", f"focus starts on «{first}»")
    order = tab_order(CONTROLS)
    for name in order[1:]:
        page.browser.press(Keys.TAB)
        expect(page.focused() == name, f"Tab goes to «{page.focused()}», not {name}")
    page.browser.press(Keys.SHIFT, Keys.TAB)
    expect(page.focused() == order[-2], f"Shift+Tab goes back to «{page.focused()}»")
    origin = min(shown[c["name"]]["rect"]["x"] for c in CONTROLS), \
        min(shown[c["name"]]["rect"]["y"] for c in CONTROLS)
    stored_origin = min(c["place"][0] for c in CONTROLS), min(c["place"][1] for c in CONTROLS)
    for control in CONTROLS:
        rect = shown[control["name"]]["rect"]
        place = (rect["x"] - origin[0] + stored_origin[0], rect["y"] - origin[1] + stored_origin[1],
                 rect["width"], rect["height"])
        # A label's height follows its text, which may wrap as on the desktop;
        # the result label spans the row, so that a long result wraps later.
        compared = 2 if control["name"] == "Label4" else 3 if control["kind"] == "Label" else 4
        expect(all(abs(a - b) < 0.5 for a, b in zip(place[:compared], control["place"])),
               f"{control['name']} is at {place}, not {control['place']}")


def check_early_click(page, separator):
    """A click before the module is ready gives its result once it is."""
    wait_for("the module to be asked for", page.site.module_asked.is_set)
    page.browser.click("Command2")
    shown = page.result()
    expect(shown == START_CAPTION, f"before the module, the result reads «{shown}»")
    page.site.release_module()
    caption = caption_of(".433", separator)
    wait_for(f"«{caption}» after the module came", lambda: page.result() == caption)


def check_cases(page, separator):
    for sides, shown, how in CASES:
        page.calculate(sides, caption_of(shown, separator), how)


def check_error(page, separator):
    """An area past the largest double is reported in a modal dialog; the
    result keeps its caption, Escape or Enter closes the report, focus comes
    back and the page goes on."""
    for closing_key, how in ((Keys.ESCAPE, "click"), (Keys.ENTER, "Enter in a box")):
        if closing_key == Keys.ENTER and not page.browser.keys_press_buttons:
            continue
        start = "Command2" if how == "click" else "Text3"
        before = page.result()
        page.type_sides(("1e155",) * 3)
        page.give_command(how)
        report = wait_for(f"the error dialog from {start}", lambda: page.evaluate(
            "document.querySelector('dialog[open]')?.innerText"))
        expect("Ошибка выполнения 6:" in report and "Переполнение" in report,
               f"the dialog says «{report}»")
        expect(page.evaluate("document.querySelector('dialog[open]').matches(':modal')"),
               "the dialog is not modal")
        expect(page.result() == before, f"the result became «{page.result()}»")
        page.browser.press(closing_key)
        wait_for("the dialog to close", lambda: not page.evaluate(
            "document.querySelector('dialog[open]')"))
        expect(page.focused() == start, f"after the dialog, focus is on «{page.focused()}»")
    page.calculate(("3", "4", "5"), caption_of("6.", separator))


def check_copy(page, separator):
    """The result of sides 1e154, wider than the window, is copied whole and
    as shown: selected with the mouse and Ctrl+C, and with the copy keys."""
    page.type_sides(("1e154",) * 3)
    page.browser.click("Command2")
    caption = wait_for("the area of sides 1e154", lambda: (
        lambda text: text if text.startswith(PREFIX + "4330127018") and len(text) > 300 else None)(
        page.result()))
    expect("\n" not in caption and separator in caption, f"the result reads «{caption[:60]}…»")
    width, height = page.evaluate(
        "(({width, height}) => [width, height])(document.getElementById('Label4')"
        ".getBoundingClientRect())")

    def select_and_copy():
        page.browser.drag("Label4", (-width / 2 + 1, -height / 2 + 2),
                          (width / 2 - 1, height / 2 - 2))
        page.browser.press(Keys.CONTROL, "c")

    page.copies("selecting with the mouse and Ctrl+C", caption, select_and_copy)
    page.copies("the copy keys from a side box", caption, lambda: (
        page.browser.click("Text1"), page.browser.press(*COPY_KEYS)))


def ax_nodes(browser):
    browser.cdp("Accessibility.enable")
    return browser.cdp("Accessibility.getFullAXTree")["nodes"]


def backend_ids(browser):
    """The DOM's backend node ids by element id."""
    ids = {}

    def walk(node):
        attributes = node.get("attributes", [])
        for name, value in zip(attributes[::2], attributes[1::2]):
            if name == "id":
                ids[value] = node["backendNodeId"]
        for child in node.get("children", []) + node.get("shadowRoots", []):
            walk(child)
    walk(browser.cdp("DOM.getDocument", depth=-1, pierce=True)["root"])
    return ids


def check_screen_reader(page, separator):
    """What the accessibility tree gives a screen reader: the boxes named by
    their captions, and the result in a live region with its zero."""
    page.calculate(("1", "1", "1"), caption_of(".433", separator))
    spoken = PREFIX + "0" + separator + "433"
    nodes = ax_nodes(page.browser)
    by_backend = {node.get("backendDOMNodeId"): node for node in nodes}
    ids = backend_ids(page.browser)
    for number in (1, 2, 3):
        node = by_backend.get(ids[f"Text{number}"])
        name = node and node.get("name", {}).get("value")
        caption = next(c["caption"] for c in CONTROLS if c["name"] == f"Label{number}")
        expect(name == caption, f"Text{number} is named «{name}», not «{caption}»")

    by_id = {node["nodeId"]: node for node in nodes}

    def text(node):
        if node.get("role", {}).get("value") == "StaticText":
            return node.get("name", {}).get("value", "")
        return "".join(text(by_id[child]) for child in node.get("childIds", []) if child in by_id)

    def live(node):
        return any(p["name"] == "live" and p["value"].get("value") in ("polite", "assertive")
                   for p in node.get("properties", []))
    live_texts = [text(node) for node in nodes if live(node)]
    expect(any(spoken in text for text in live_texts),
           f"no live region says «{spoken}»; live regions say {live_texts}")


def colours(page, name):
    found = page.evaluate(f"({COLOURS_OF})('{name}')")
    return [round(channel) for channel in found["text"]], found["background"]


# Media features, the controls whose colours they set, and what those must
# then be: the stored colours exactly, or at least 7:1 against their
# background. A dark scheme tints the stored colours, as the desktop does;
# asking for more contrast, or forcing colours, holds for every control.
SCHEMES = [
    ("light", [{"name": "prefers-color-scheme", "value": "light"}], "labels", "stored"),
    ("dark", [{"name": "prefers-color-scheme", "value": "dark"}], "labels", 7.0),
    ("more contrast", [{"name": "prefers-contrast", "value": "more"}], "all", 7.0),
    ("dark, more contrast", [{"name": "prefers-color-scheme", "value": "dark"},
                             {"name": "prefers-contrast", "value": "more"}], "all", 7.0),
    ("forced colours", [{"name": "forced-colors", "value": "active"}], "all", 7.0),
]
STORED = {"blue": [0, 0, 255], "red": [255, 0, 0]}


def check_colours(page, features, which, wanted):
    page.browser.cdp("Emulation.setEmulatedMedia", features=features)
    try:
        for control in CONTROLS:
            if which == "labels" and control["kind"] != "Label":
                continue
            text, background = colours(page, control["name"])
            if wanted == "stored":
                expect(text == STORED[control["colour"]],
                       f"{control['name']} is drawn in {text}, not the stored {control['colour']}")
            else:
                ratio = contrast(text, background)
                expect(ratio >= wanted, f"{control['name']}: {text} on {background} is "
                                        f"{ratio:.2f}:1, under {wanted}:1")
    finally:
        page.browser.cdp("Emulation.setEmulatedMedia", features=[])


def check_axe(page, scheme, features):
    """axe-core's WCAG 2.2 A and AA rules, with a result shown."""
    if not page.browser.evaluate("typeof axe !== 'undefined'"):
        with open(AXE, encoding="utf-8") as source:
            page.browser.evaluate(source.read())
    page.browser.cdp("Emulation.setEmulatedMedia", features=features)
    try:
        violations = page.browser.evaluate(
            "axe.run(document, {runOnly: {type: 'tag', values: %s}}).then((r) => ({passes: "
            "r.passes.length, violations: r.violations.map((v) => ({id: v.id, help: v.help, "
            "nodes: v.nodes.map((n) => ({target: n.target.join(' '), summary: "
            "n.failureSummary}))}))}))" % json.dumps(AXE_TAGS))
    finally:
        page.browser.cdp("Emulation.setEmulatedMedia", features=[])
    expect(violations["passes"] > 10, f"axe-core passed only {violations['passes']} rules")
    unexpected = []
    for violation in violations["violations"]:
        for node in violation["nodes"]:
            line = f"axe {scheme}: {violation['id']} at {node['target']}: {violation['help']}"
            if (scheme, violation["id"], node["target"]) in ACCEPTED:
                print(f"note: {line} (the decided exception)")
            else:
                print(f"  {line}\n    {node['summary']}".replace("\n", "\n    "))
                unexpected.append(violation["id"])
    expect(not unexpected, f"{len(unexpected)} violations: {sorted(set(unexpected))}")


# Screens, as width and height in CSS pixels, the browser's text size (16 px
# unless the user makes it larger), and whether it is a phone's, used by
# touch; on each the form must fit. Other engines than Chromium have a narrow
# window only: WebKit's is at its narrowest, 447 px.
SCREENS = [
    ("a 360 px screen", 360, 640, 16, False),
    ("text at 200%", 1024, 640, 32, False),
    ("a 360 px screen, text at 200%", 360, 640, 32, False),
    ("a phone upright", 360, 740, 16, True),
    ("a phone on its side", 740, 360, 16, True),
]

# Each control's overflow of its own box and of the screen, in pixels, and
# its text size.
CUT = """[...document.querySelectorAll('#Form1 [id]')].map((e) => {
  const box = e.getBoundingClientRect();
  return {id: e.id, cut: Math.max(e.scrollWidth - e.clientWidth, e.scrollHeight - e.clientHeight),
          off: Math.max(-box.left, box.right - innerWidth),
          kind: e.tagName, size: parseFloat(getComputedStyle(e).fontSize)};
})"""


def tap(page, name):
    centre = page.evaluate("(({x, y, width, height}) => ({x: x + width / 2, y: y + height / 2}))"
                           f"(document.getElementById('{name}').getBoundingClientRect())")
    for kind, points in (("touchStart", [centre]), ("touchEnd", [])):
        page.browser.cdp("Input.dispatchTouchEvent", type=kind, touchPoints=points)


def check_screen(page, width, height, text_size, phone):
    """Nothing scrolls sideways, every control lies on the screen and none
    cuts its text. Where the form is laid out for a phone, the boxes' text is
    16 px at least (Safari zooms the page into a smaller one when it gets the
    focus), and on a phone a tap on the button computes."""
    if page.browser.name != "chromium":
        page.browser.resize(width, height)
    else:
        page.browser.cdp("Emulation.setDeviceMetricsOverride", width=width, height=height,
                         deviceScaleFactor=2, mobile=phone or width < 600)
        page.browser.cdp("Emulation.setTouchEmulationEnabled", enabled=phone)
        page.browser.cdp("Page.setFontSizes", fontSizes={"standard": text_size})
    try:
        sideways = page.browser.evaluate(
            "document.documentElement.scrollWidth - document.documentElement.clientWidth")
        expect(sideways <= 0, f"the page scrolls {sideways} px sideways")
        controls = page.browser.evaluate(CUT)
        expect(len(controls) == len(CONTROLS), f"the form has {len(controls)} controls")
        flowing = page.evaluate("getComputedStyle(Form1).display === 'flex'")
        for control in controls:
            expect(control["off"] <= 0,
                   f"{control['id']} lies {control['off']:.0f} px off the screen")
            expect(control["cut"] <= 1, f"{control['id']} cuts {control['cut']} px of its text")
            expect(control["size"] >= 16 or not (phone or flowing) or control["kind"] != "INPUT",
                   f"{control['id']}'s text is {control['size']} px in a phone's layout")
        if phone:
            page.type_sides(("3", "4", "5"))
            page.evaluate("document.getElementById('Label4').textContent = ''")
            tap(page, "Command2")
            wait_for("a tap's result", lambda: page.result() == caption_of("6.", "."))
    finally:
        if page.browser.name != "chromium":
            page.browser.resize(1024, 768)
        else:
            page.browser.cdp("Page.setFontSizes", fontSizes={"standard": 16})
            page.browser.cdp("Emulation.setTouchEmulationEnabled", enabled=False)
            page.browser.cdp("Emulation.clearDeviceMetricsOverride")


def check_installable(page):
    """Chromium finds the page installable, as an app with a Russian name, the
    program's icon at 192 and 512 px, a window of its own, and colours."""
    errors = page.browser.cdp("Page.getInstallabilityErrors")["installabilityErrors"]
    expect(not errors, f"not installable: {errors}")
    reply = page.browser.cdp("Page.getAppManifest")
    expect(not reply["errors"], f"the manifest has errors: {reply['errors']}")
    manifest = reply["manifest"]
    name = manifest.get("name", "")
    expect(any("а" <= letter <= "я" for letter in name.lower()), f"the app is named «{name}»")
    expect(manifest.get("display") == "kStandalone", f"the app shows as {manifest.get('display')}")
    sizes = {icon["sizes"] for icon in manifest.get("icons", []) if icon["type"] == "image/png"}
    expect({"192x192", "512x512"} <= sizes, f"the app's PNG icons are {sizes}")
    expect(manifest.get("backgroundColor") and manifest.get("themeColor"), "the app has no colours")


def check_nothing_kept(page):
    """Every request stays on the site's origin; nothing is stored beyond
    the service worker's cache."""
    found = page.browser.evaluate("""(async () => ({
      elsewhere: performance.getEntriesByType('resource').map((entry) => entry.name)
        .filter((url) => new URL(url).origin !== location.origin),
      cookies: document.cookie, local: localStorage.length, session: sessionStorage.length,
      databases: (await indexedDB.databases()).map((database) => database.name)}))()""")
    expect(not found["elsewhere"], f"requests to other origins: {found['elsewhere']}")
    expect(not (found["cookies"] or found["local"] or found["session"] or found["databases"]),
           f"the page keeps {found}")


def check_exit(page):
    """Exit in a tab: the form gives way to a Russian note; a reload starts
    the program again."""
    page.browser.click("Command1")
    wait_for("the form to go", lambda: page.evaluate("!document.getElementById('Form1')"))
    note = page.evaluate("document.body.innerText.trim()")
    expect(note and any("а" <= letter <= "я" for letter in note.lower()),
           f"the page says «{note}»")
    page.open()
    expect(page.evaluate("document.getElementById('Command2').getClientRects().length > 0"),
           "a reload does not bring the form back")


def attribute_on_root(page, name):
    try:
        return page.browser.evaluate(f"document.documentElement.hasAttribute('{name}')")
    except (WebDriverException, AssertionError):  # between two documents
        return False


def check_new_version(page, separator):
    """A new version of the site, put on the host, is what the next visit
    shows (it may reload itself once), and it computes."""
    page.evaluate("navigator.serviceWorker.ready.then(() => true)")
    index = os.path.join(page.site.root, "index.html")
    with open(index, encoding="utf-8") as old:
        html = old.read()
    expect('<html lang="ru">' in html, "index.html has no <html lang=\"ru\">")
    with open(index, "w", encoding="utf-8") as new:
        new.write(html.replace('<html lang="ru">', '<html lang="ru" data-next-version>'))
    with open(os.path.join(page.site.root, "sw.js"), "a", encoding="utf-8") as worker:
        worker.write("\n// the next version\n")
    page.open()
    wait_for("the next version", lambda: attribute_on_root(page, "data-next-version"), 15)
    wait_for("the form", lambda: page.evaluate("!!document.getElementById('Command2')"))
    page.calculate(("2", "3", "4"), caption_of("2.905", separator))


def check_offline(page, separator):
    """After one visit the page opens and computes with the server gone."""
    page.evaluate("navigator.serviceWorker.ready.then(() => true)")
    page.site.stop()
    page.open()
    wait_for("the start-up texts", lambda: page.result() == START_CAPTION)
    page.calculate(("2", "3", "4"), caption_of("2.905", separator))


# A browser below the floor, made so before the page's scripts run, at an
# address of its own: one with no WebAssembly, and one that refuses the
# module, as an engine without its exceptions or its policy keyword does.
BELOW_FLOOR = [
    ("no WebAssembly", "delete globalThis.WebAssembly;"),
    ("the module refused", "for (const name of ['compile', 'compileStreaming', 'instantiate', "
                           "'instantiateStreaming']) WebAssembly[name] = () => Promise.reject("
                           "new WebAssembly.CompileError('no exceptions'));"),
]


def check_below_floor(page, number, source):
    """At load, with no click: the form stays and a Russian note says which
    browsers run the program; nothing says to reload, and neither the button
    nor Enter in a box reloads the page."""
    page.browser.before_scripts(f"if (location.search === '?below={number}') {{ {source} }}")
    page.open(f"?below={number}")
    note = wait_for("the note", lambda: page.evaluate(
        "(note => !note.hidden && note.innerText)(document.getElementById('unsupported'))"))
    expect("Firefox" in note and "Safari" in note and "обнов" not in note.lower(),
           f"the note says «{note}»")
    expect(page.evaluate("Command2.disabled && Form1.getClientRects().length > 0"),
           "the form is gone, or its button can still be pressed")
    page.focus("Text3")
    page.browser.press(Keys.ENTER)
    expect(not page.evaluate("location.search.includes('Text') || document.querySelector("
                             "'dialog[open]')"),
           "Enter in a box reloads the page or reports an error")


def run_engine(engine, site_folder, checks):
    """Every check the engine can make, on a copy of the site that a new
    version can be put into, with a browser of its own for each locale."""
    scratch = tempfile.mkdtemp(prefix="web-test-site-")
    shutil.copytree(site_folder, os.path.join(scratch, "site"))
    site = Site(os.path.join(scratch, "site"))
    try:
        for locale, separator in LOCALES:
            browser = ENGINES[engine](locale=locale)
            try:
                run_locale(engine, Page(browser, site), locale, separator,
                           lambda name, *args: checks.run(f"{engine}: {name}", *args))
            finally:
                browser.quit()
    finally:
        site.stop()
        shutil.rmtree(scratch)


def run_locale(engine, page, locale, separator, run):
    chromium, site, browser = engine == "chromium", page.site, page.browser
    if chromium:
        browser.cdp("Browser.grantPermissions", origin=site.url.rstrip("/"),
                    permissions=["clipboardReadWrite", "clipboardSanitizedWrite"])
        browser.cdp("Emulation.setFocusEmulationEnabled", enabled=True)
    if locale == LOCALES[0][0]:
        site.hold_module()
        page.open()
        run("the form as served, focus and tab order", check_start, page)
        run("a click before the module is ready", check_early_click, page, separator)
        site.release_module()
    page.open()
    run(f"{locale}: worked values and catalogue rows", check_cases, page, separator)
    run(f"{locale}: an error report", check_error, page, separator)
    run(f"{locale}: copying the result", check_copy, page, separator)
    if chromium:
        run(f"{locale}: what a screen reader gets", check_screen_reader, page, separator)
    if locale != LOCALES[-1][0]:
        return
    if chromium:
        for scheme, features, which, wanted in SCHEMES:
            run(f"colours in the {scheme} scheme", check_colours, page, features, which, wanted)
        for scheme, features, _, _ in SCHEMES[:2]:
            run(f"axe-core WCAG 2.2 A/AA, {scheme}", check_axe, page, scheme, features)
    for screen, width, height, text_size, phone in SCREENS:
        if chromium or (text_size == 16 and not phone):
            run(screen, check_screen, page, width, height, text_size, phone)
    if chromium:
        run("installability", check_installable, page)
        run("no other origin, nothing kept", check_nothing_kept, page)
    if engine != "webkit":
        for number, (below, source) in enumerate(BELOW_FLOOR):
            run(f"below the floor, {below}", check_below_floor, page, number, source)
    run("Exit", check_exit, page)
    run("a new version at the next visit", check_new_version, page, ".")
    run("offline, with the server stopped", check_offline, page, ".")


def main():
    site_folder = os.path.abspath(sys.argv[1])
    if not os.path.exists(os.path.join(site_folder, "index.html")):
        raise SystemExit(f"no site in {site_folder}: build it with scripts/build-web")
    if not os.path.exists(AXE):
        raise SystemExit(f"no {AXE}: run tests/web_setup.sh")
    checks = Checks()
    for engine in sys.argv[2:] or ENGINES:
        run_engine(engine, site_folder, checks)
    if checks.failed:
        print("failed: " + "; ".join(checks.failed))
    print(f"{checks.passed} passed, {len(checks.failed)} failed")
    return 1 if checks.failed else 0


if __name__ == "__main__":
    sys.exit(main())
