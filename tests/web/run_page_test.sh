#!/usr/bin/env bash
# run_page_test.sh WORK_FOLDER: installs puppeteer-core from the lockfile into
# WORK_FOLDER (again only when the lockfile changed; never a browser: the
# test drives Debian's /usr/bin/chromium) and runs page_test.mjs there with
# node's test runner. GRIDLY_TOOL, GRIDLY_CLUE_LISTS and GRIDLY_WORDS come
# from CTest.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
work=$1
mkdir -p "$work"
if ! cmp -s "$here/package-lock.json" "$work/package-lock.json" || [ ! -d "$work/node_modules/puppeteer-core" ]; then
    rm -f "$work/package-lock.json"
    cp "$here/package.json" "$work/package.json"
    cp "$here/package-lock.json" "$work/package-lock.json.new"
    mv "$work/package-lock.json.new" "$work/package-lock.json"
    (cd "$work" && PUPPETEER_SKIP_DOWNLOAD=1 npm ci --no-audit --no-fund --loglevel=error) || {
        rm -f "$work/package-lock.json"
        exit 1
    }
fi
cp "$here/page_test.mjs" "$work/page_test.mjs"
cd "$work"
exec node --test page_test.mjs
