#!/usr/bin/env bash
# What the web page's test needs: Chromium with its WebDriver; Firefox ESR,
# which puppeteer-core drives; WebKit's WebDriver and MiniBrowser, on Xvfb,
# with xclip to read what it copies; a Russian locale for the last two; and
# axe-core and puppeteer-core at the versions pinned in tests/web. With
# --lighthouse, also Lighthouse for
# bench/web (about 200 packages more, pinned in bench/lighthouse; its lock
# file wants an npm newer than Debian 12's).
#
# usage: tests/web_setup.sh [--lighthouse]
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/common.sh"

folders=(tests/web)
if [[ ${1-} == --lighthouse ]]; then folders+=(bench/lighthouse); fi

install_packages chromium chromium-driver python3-selenium firefox-esr webkit2gtk-driver xvfb xclip
generate_russian_locale
# Any Node with its npm will do; Debian's npm brings Debian's Node.
command -v npm >/dev/null || install_packages npm
for folder in "${folders[@]}"; do
  if ! npm ci --prefix "$folder" --no-audit --no-fund --loglevel=error >/dev/null; then
    echo "npm could not install $folder's packages; is the npm registry reachable?" >&2
    exit 1
  fi
done
