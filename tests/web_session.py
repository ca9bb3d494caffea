"""What the web page's test and figures share: the site served on the loopback
by a server that can hold the WebAssembly module back, the three browser
engines driven alike (headless Chromium through WebDriver and its DevTools
protocol, headless Firefox over WebDriver BiDi, WebKit's MiniBrowser through
WebDriver on a private X display), and the form as stored."""
import functools
import http.server
import json
import os
import re
import shutil
import subprocess
import sysconfig
import tempfile
import threading
import time

from selenium import webdriver
from selenium.common.exceptions import TimeoutException
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.webkitgtk.service import Service as WebKitService

SOURCE = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
CHROMIUM = "/usr/bin/chromium"
CHROMEDRIVER = "/usr/bin/chromedriver"
CHROMIUM_FLAGS = ["--headless=new", "--no-sandbox", "--disable-gpu",
                  "--disable-background-networking", "--disable-component-update",
                  "--disable-sync", "--no-first-run"]
AXE = os.path.join(SOURCE, "tests", "web", "node_modules", "axe-core", "axe.min.js")
FIREFOX = "/usr/bin/firefox-esr"
FIREFOX_DRIVER = os.path.join(SOURCE, "tests", "web", "firefox.mjs")
MINIBROWSER = f"/usr/lib/{sysconfig.get_config_var('MULTIARCH')}/webkit2gtk-4.1/MiniBrowser"
# How long a page may take to load, in each engine (puppeteer's own default
# for Firefox); the drivers' default is five minutes.
PAGE_LOAD_SECONDS = 30


def form_controls():
    """The controls of Form1 from the table every front end reads: name, kind,
    caption, place in CSS pixels (left, top, width, height), tab index, colour."""
    with open(os.path.join(SOURCE, "window", "form1_description.h"), encoding="utf-8") as table:
        text = table.read()
    rows = re.findall(r'\{"(\w+)", Kind::(\w+), u"([^"]*)", \{(\d+), (\d+), (\d+), (\d+)\}, '
                      r'(\d+), (\w+)\}', text)
    if len(rows) != 9:
        raise SystemExit(f"form1_description.h: read {len(rows)} controls, not 9")
    twips = int(re.search(r"twips_per_pixel = (\d+);", text).group(1))
    return [{"name": name, "kind": kind, "caption": caption,
             "place": tuple(int(value) / twips for value in place),
             "tab_index": int(tab), "colour": colour}
            for name, kind, caption, *place, tab, colour in rows]


def tab_order(controls):
    return [control["name"] for control in sorted(controls, key=lambda c: c["tab_index"])
            if control["kind"] != "Label"]


def wait_for(what, probe, seconds=10.0):
    deadline = time.monotonic() + seconds
    while True:
        try:
            result = probe()
        except TimeoutException:  # a script that a navigation cut short (WebKit)
            result = None
        if result:
            return result
        if time.monotonic() > deadline:
            raise AssertionError(f"timed out waiting for {what}")
        time.sleep(0.02)


class _Handler(http.server.SimpleHTTPRequestHandler):
    site = None  # set on each server's own subclass

    def do_GET(self):
        if self.path.split("?")[0].endswith(".wasm"):
            self.site.module_asked.set()
            self.site.module_gate.wait(30)
        super().do_GET()
        self.site.requests.append(self.path.split("?")[0])
        self.site.answers.append((self.path.split("?")[0], self.answer))

    def send_response(self, code, message=None):
        self.answer = code
        super().send_response(code, message)

    def log_message(self, *args):
        pass


class Site:
    """The built site served over http on 127.0.0.1, on a free port, from a
    thread of this process. hold_module() keeps every .wasm request waiting
    until release_module(), as a slow network would."""

    def __init__(self, root):
        self.root = root
        self.requests = []
        self.answers = []  # path and status, for each request
        self.module_gate = threading.Event()
        self.module_gate.set()
        self.module_asked = threading.Event()
        handler = type("Handler", (_Handler,), {"site": self})
        self._server = http.server.ThreadingHTTPServer(
            ("127.0.0.1", 0), functools.partial(handler, directory=root))
        self._server.daemon_threads = True
        self.url = f"http://127.0.0.1:{self._server.server_address[1]}/"
        self._thread = threading.Thread(target=self._server.serve_forever, daemon=True)
        self._thread.start()

    def hold_module(self):
        self.module_asked.clear()
        self.module_gate.clear()

    def release_module(self):
        self.module_gate.set()

    def stop(self):
        if self._thread.is_alive():
            self.module_gate.set()
            self._server.shutdown()
            self._server.server_close()
            self._thread.join()


class _Selenium:
    """What Chromium and WebKit do alike through WebDriver; each engine's
    class has the same methods. Keys are WebDriver's; press() holds all but
    the last down; drag() goes between offsets from an element's centre."""
    keys_press_buttons = True

    def open(self, url):
        self.driver.get(url)

    def click(self, name):
        self.driver.find_element(By.ID, name).click()

    def fill(self, name, text):
        box = self.driver.find_element(By.ID, name)
        box.clear()
        if text:  # WebKit's driver refuses to type nothing
            box.send_keys(text)

    def press(self, *keys):
        actions = ActionChains(self.driver)
        for key in keys[:-1]:
            actions.key_down(key)
        actions.send_keys(keys[-1])
        for key in reversed(keys[:-1]):
            actions.key_up(key)
        actions.perform()

    def drag(self, name, start, end):
        element = self.driver.find_element(By.ID, name)
        ActionChains(self.driver).move_to_element_with_offset(element, *start).click_and_hold() \
            .move_to_element_with_offset(element, *end).release().perform()

    def shows(self, path):
        """The address, title and text the window shows, with a screenshot put
        in path. A load that has not ended holds every command, here briefly."""
        self.driver.set_page_load_timeout(5)
        try:
            self.driver.save_screenshot(path)
            return self.driver.execute_script(
                "return [location.href, document.title, document.body?.innerText ?? '']")
        finally:
            self.driver.set_page_load_timeout(PAGE_LOAD_SECONDS)


class Browser(_Selenium):
    """Headless Chromium with a fresh profile, driven by chromedriver."""
    name = "chromium"

    def __init__(self, width=1024, height=768, extra_flags=(), locale=None):
        self.profile = tempfile.mkdtemp(prefix="web-test-profile-")
        options = webdriver.ChromeOptions()
        options.binary_location = CHROMIUM
        for flag in [*CHROMIUM_FLAGS, *extra_flags, f"--user-data-dir={self.profile}",
                     f"--window-size={width},{height}"]:
            options.add_argument(flag)
        # A page whose module is held back must not hold the navigation too.
        options.page_load_strategy = "eager"
        options.set_capability("goog:loggingPrefs", {"performance": "ALL"})
        try:
            self.driver = webdriver.Chrome(service=Service(CHROMEDRIVER, log_path=os.devnull),
                                           options=options)
        except Exception:
            shutil.rmtree(self.profile, ignore_errors=True)
            raise
        self.driver.set_page_load_timeout(PAGE_LOAD_SECONDS)
        if locale:
            self.cdp("Emulation.setLocaleOverride", locale=locale)

    def cdp(self, command, **parameters):
        return self.driver.execute_cdp_cmd(command, parameters)

    def evaluate(self, expression):
        """The value of a JavaScript expression, awaited; through the DevTools
        protocol, which the page's Content-Security-Policy does not bind."""
        reply = self.cdp("Runtime.evaluate", expression=expression, awaitPromise=True,
                         returnByValue=True, userGesture=True)
        if "exceptionDetails" in reply:
            raise AssertionError(f"{expression[:60]}…: {reply['exceptionDetails']}")
        return reply["result"].get("value")

    def before_scripts(self, source):
        self.cdp("Page.addScriptToEvaluateOnNewDocument", source=source)

    def clipboard(self, text=None):
        return self.evaluate("navigator.clipboard." + (
            f"writeText({json.dumps(text)})" if text is not None else "readText()"))

    def quit(self):
        try:
            self.driver.quit()
        finally:
            shutil.rmtree(self.profile, ignore_errors=True)


def _lang(locale):
    lang = locale.replace("-", "_") + ".UTF-8"
    return {"LANG": lang, "LC_ALL": lang}


class Firefox:
    """Headless Firefox with a fresh profile, in the locale of its
    environment, driven by puppeteer-core: tests/web/firefox.mjs has the same
    methods as the other engines' classes."""
    name = "firefox"
    # Over BiDi, a synthesized Enter or Space does not press a button.
    keys_press_buttons = False

    def __init__(self, locale="en-US"):
        self._node = subprocess.Popen(["node", FIREFOX_DRIVER, FIREFOX], stdin=subprocess.PIPE,
                                      stdout=subprocess.PIPE, text=True,
                                      env=dict(os.environ, **_lang(locale)))

    def __getattr__(self, verb):
        def call(*args):
            self._node.stdin.write(json.dumps([verb, *args]) + "\n")
            self._node.stdin.flush()
            answer = json.loads(self._node.stdout.readline() or '{"error": "Firefox has ended"}')
            if "error" in answer:
                raise AssertionError(f"{verb}: {answer['error']}")
            return answer["value"]
        return call

    def quit(self):
        self._node.stdin.close()
        self._node.wait(30)


class WebKit(_Selenium):
    """WebKit's MiniBrowser on a private Xvfb display, in the locale of its
    environment, driven by WebKitWebDriver; its window is 447 px at the
    narrowest."""
    name = "webkit"

    def __init__(self, locale="en-US"):
        self._xvfb = subprocess.Popen(["Xvfb", "-displayfd", "1", "-screen", "0", "1280x1024x24",
                                       "-nolisten", "tcp"], stdout=subprocess.PIPE,
                                      stderr=subprocess.DEVNULL, text=True)
        self.env = dict(os.environ, DISPLAY=":" + self._xvfb.stdout.readline().strip(),
                        **_lang(locale))
        options = webdriver.WebKitGTKOptions()
        options.binary_location = MINIBROWSER
        options.add_argument("--automation")
        # Every command first waits for a load under way; an "eager" wait begun
        # after the page's DOMContentLoaded but before its load event ends only
        # at the page load timeout. A held module does not hold WebKit's load.
        options.page_load_strategy = "normal"
        self._service = WebKitService("WebKitWebDriver", log_path=os.devnull, env=self.env)
        try:
            self._service.start()
            self.driver = webdriver.Remote(self._service.service_url, options=options)
        except Exception:
            self.quit()
            raise
        self.resize(1024, 768)
        self.driver.set_page_load_timeout(PAGE_LOAD_SECONDS)
        # A script cut short by a navigation answers only when it times out.
        self.driver.set_script_timeout(5)

    def evaluate(self, expression):
        """The value of a JavaScript expression, awaited; a rejection times out."""
        return self.driver.execute_async_script(
            f"Promise.resolve({expression}).then(arguments[arguments.length - 1])")

    def resize(self, width, height):
        self.driver.set_window_size(width, height)

    def clipboard(self, text=None):
        """The X display's, which WebKit copies to (its driver cannot read the page's)."""
        command = ["xclip", "-selection", "clipboard"] + ([] if text is not None else ["-o"])
        return subprocess.run(command, input=text, env=self.env, capture_output=text is None,
                              text=True, check=True).stdout

    def quit(self):
        try:
            if hasattr(self, "driver"):
                self.driver.quit()
            self._service.stop()
        finally:
            self._xvfb.terminate()
            self._xvfb.wait()


def luminance(rgb):
    def linear(channel):
        channel /= 255
        return channel / 12.92 if channel <= 0.04045 else ((channel + 0.055) / 1.055) ** 2.4
    red, green, blue = (linear(channel) for channel in rgb)
    return 0.2126 * red + 0.7152 * green + 0.0722 * blue


def contrast(first, second):
    light, dark = sorted((luminance(first), luminance(second)), reverse=True)
    return (light + 0.05) / (dark + 0.05)


# The colours a text is drawn in and on, as the page computes them: the
# background is the first opaque one among the element and its ancestors,
# blended with any translucent ones above it, or the canvas's.
COLOURS_OF = """
(id) => {
  const rgba = (text) => {
    const [r, g, b, a = 1] = text.match(/[\\d.]+/g).map(Number);
    return [r, g, b, a];
  };
  const canvas = () => {
    const probe = document.createElement('i');
    probe.style.cssText = 'color: Canvas; forced-color-adjust: none';
    document.body.append(probe);
    const colour = rgba(getComputedStyle(probe).color);
    probe.remove();
    return colour;
  };
  const element = document.getElementById(id);
  const layers = [];
  for (let node = element; node; node = node.parentElement) {
    const layer = rgba(getComputedStyle(node).backgroundColor);
    if (layer[3] > 0) layers.push(layer);
    if (layer[3] === 1) break;
  }
  if (!layers.length || layers.at(-1)[3] < 1) layers.push(canvas());
  let background = layers.pop().slice(0, 3);
  for (const [r, g, b, a] of layers.reverse()) {
    background = [r, g, b].map((channel, i) => channel * a + background[i] * (1 - a));
  }
  return {text: rgba(getComputedStyle(element).color).slice(0, 3), background};
}
"""
