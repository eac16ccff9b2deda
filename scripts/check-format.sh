#!/usr/bin/env bash
# Checks that every C++ file follows .clang-format (clang-format 14, as on Debian 12). Changes
# nothing: lists the files clang-format would change and exits 1 when there is any.
#   bash scripts/check-format.sh              the list of unformatted files
#   bash scripts/check-format.sh --verbose    also what clang-format would change in each
# CLANG_FORMAT=/path/to/clang-format picks another clang-format.
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$PWD

verbose=0
if [[ ${1:-} == --verbose || ${1:-} == -v ]]; then verbose=1; fi

CLANG_FORMAT=${CLANG_FORMAT:-clang-format}
if ! command -v "$CLANG_FORMAT" >/dev/null; then
    echo "check-format: $CLANG_FORMAT not found (bash scripts/setup.sh installs it)." >&2
    exit 2
fi

# The tracked files in a git checkout (untracked scratch files are not checked); otherwise, as in
# a source archive, the C++ files of the source folders.
files=()
if [[ $(git rev-parse --show-toplevel 2>/dev/null) == "$ROOT" ]]; then
    while IFS= read -r -d '' f; do files+=("$f"); done < <(git ls-files -z -- '*.cpp' '*.h')
else
    while IFS= read -r -d '' f; do files+=("$f"); done < <(
        find src tests bench tools -type f \( -name '*.cpp' -o -name '*.h' \) -print0 2>/dev/null | sort -z)
fi

unformatted=()
for f in "${files[@]}"; do
    if ! out=$("$CLANG_FORMAT" --dry-run --Werror "$f" 2>&1); then
        unformatted+=("$f")
        if ((verbose)); then printf '%s\n' "$out" >&2; fi
    fi
done

if ((${#unformatted[@]} > 0)); then
    echo "check-format: ${#unformatted[@]} of ${#files[@]} files are not formatted with $("$CLANG_FORMAT" --version):" >&2
    printf '  %s\n' "${unformatted[@]}" >&2
    echo "Format them with: $CLANG_FORMAT -i <file>..." >&2
    exit 1
fi
echo "check-format: ${#files[@]} files formatted."
