#!/usr/bin/env bash
# Counts the program's code (C++ and JavaScript under core/, forms/, hosts/)
# and the test code (C++, JavaScript, shell and Python under tests/) as
# lines that are neither blank nor only a comment, prints both and their
# ratio, and fails when the test code is not between 0.25 and 0.40 of the
# program's.
# Usage: scripts/test-ratio.sh [--report]   (--report: print, never fail)
set -euo pipefail
cd "$(dirname "$0")/.."
exec python3 - "$@" <<'EOF'
import os, re, sys

LOW, HIGH = 0.25, 0.40
if sys.argv[1:] not in ([], ["--report"]):
    sys.exit("usage: scripts/test-ratio.sh [--report]")

def cpp_lines(text):
    """Lines holding C++ code: comments (// and /* */) and blanks removed.
    Quotes are followed so that "//" or "/*" inside a string is code."""
    count, in_block = 0, False
    for line in text.splitlines():
        code, i, quote = [], 0, None
        while i < len(line):
            c = line[i]
            if in_block:
                if line.startswith("*/", i):
                    in_block, i = False, i + 2
                else:
                    i += 1
                continue
            if quote:
                code.append(c)
                if c == "\\" and i + 1 < len(line):
                    code.append(line[i + 1])
                    i += 1
                elif c == quote:
                    quote = None
                i += 1
                continue
            if line.startswith("//", i):
                break
            if line.startswith("/*", i):
                in_block, i = True, i + 2
                continue
            if c in "\"'" and not (c == "'" and i > 0 and line[i - 1].isalnum()):
                # A quote after a digit or letter is a digit separator
                # (1'000) or a literal prefix; raw strings stay on one line here.
                quote = c
            code.append(c)
            i += 1
        if "".join(code).strip():
            count += 1
    return count

def hash_lines(text):
    """Lines of shell or Python that are not blank and not only a comment."""
    return sum(1 for l in text.splitlines() if l.strip() and not l.strip().startswith("#"))

def count(roots, kinds):
    total = 0
    for root in roots:
        for folder, dirs, files in os.walk(root):
            dirs.sort()
            for name in sorted(files):
                # A template (sw.js.in) counts as what it makes.
                ext = os.path.splitext(name[:-3] if name.endswith(".in") else name)[1]
                if ext not in kinds:
                    continue
                with open(os.path.join(folder, name), encoding="utf-8") as f:
                    total += kinds[ext](f.read())
    return total

# JavaScript (the web page and its browser tests) has the same comments.
cpp = {".cpp": cpp_lines, ".h": cpp_lines, ".js": cpp_lines, ".mjs": cpp_lines}
program = count(["core", "forms", "hosts"], cpp)
tests = count(["tests"], dict(cpp, **{".sh": hash_lines, ".py": hash_lines}))
if program == 0:
    sys.exit("test-ratio: no program code found under core/, forms/, hosts/")
ratio = tests / program
print(f"Test code: {tests} lines; program: {program} lines; ratio {ratio:.2f}")
if sys.argv[1:] == ["--report"]:
    sys.exit(0)
if not LOW <= ratio <= HIGH:
    print(f"test-ratio: the test code should be between {LOW:.2f} and {HIGH:.2f} "
          "of the program's", file=sys.stderr)
    sys.exit(1)
EOF
