#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zelta contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# Puts the copyright and licence header on every tracked file that has none yet, in the
# comment style of its kind; a file that has one is left as it is, so the script can run
# again after every merge. Files that cannot hold a comment (pictures, fuzz seeds, the
# package's copyright and changelog) are covered by .reuse/dep5 instead. Ends with
# `reuse lint`, which names every file still uncovered and fails if there is one.
#   tools/annotate.sh
set -euo pipefail
cd "$(dirname "$0")/.."

# annotate STYLE LICENCE FILE...: STYLE empty lets reuse tell the style from the file name.
annotate() {
    local style=$1 licence=$2
    shift 2
    (($#)) || return 0
    reuse annotate --template zelta --copyright "Zelta contributors" --year 2026 \
        --copyright-style spdx --license "$licence" --no-replace \
        ${style:+--style "$style"} "$@" >/dev/null
}

# The tag is spelt in two halves so that reuse does not read this script's own lines as one.
tag=SPDX-License
tag+=-Identifier:
c=() hash=() html=() metadata=() other=()
while IFS= read -r -d '' f; do
    [[ -f $f ]] || continue # deleted in the work tree, not yet committed
    # reuse's own --skip-existing also skips a file that merely mentions a copyright.
    head -n 20 -- "$f" | grep -q "$tag" && continue
    case $f in
    LICENSES/* | .reuse/*) ;;
    screenshots/*.png | tests/pictures/*.png | tests/fuzz/corpus/* | packaging/copyright | packaging/changelog) ;;
    *.1 | *.1.in) ;; # manual pages carry theirs as .\" lines, written by hand
    # The AppStream metadata goes under the licence its metadata_license names.
    data/*.metainfo.xml.in) metadata+=("$f") ;;
    *.cpp | *.h) c+=("$f") ;;
    *.md | *.xml | *.xml.in) html+=("$f") ;;
    *CMakeLists.txt | *.cmake | *.sh | *.desktop | *.supp | .clang-format | .gitignore | .ci/*)
        hash+=("$f") ;;
    *) other+=("$f") ;;
    esac
done < <(git ls-files -z)

annotate c GPL-3.0-or-later "${c[@]}"
annotate python GPL-3.0-or-later "${hash[@]}"
annotate html GPL-3.0-or-later "${html[@]}"
annotate html CC0-1.0 "${metadata[@]}"
annotate "" GPL-3.0-or-later "${other[@]}"
reuse lint
