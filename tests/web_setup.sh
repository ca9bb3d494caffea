#!/usr/bin/env bash
# What the web page's test and figures need: Chromium with its WebDriver, and
# axe-core and Lighthouse at the versions pinned in tests/web.
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/common.sh"

install_packages chromium chromium-driver python3-selenium
# Any Node with its npm will do; Debian's npm brings Debian's Node.
command -v npm >/dev/null || install_packages npm
if ! npm ci --prefix tests/web --no-audit --no-fund --loglevel=error >/dev/null; then
  echo "npm could not install tests/web's packages; is the npm registry reachable?" >&2
  exit 1
fi
