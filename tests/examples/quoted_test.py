"""The getting-started pages quote the examples as the files hold them.

    quoted_test.py DOCS_DIR EXAMPLES_DIR

Every fenced block of C or Python in docs/getting-started-*.md must be a run
of whole lines of an example file in that language, and every text block a
run of lines of an output file the examples' tests compare with (an `sh`
block, a command to type, is left alone), so a page
cannot show code or output that the test command no longer runs.
"""
import glob
import os
import re
import sys

FENCE = re.compile(r"^```(\w*)\n(.*?)^```\n", re.M | re.S)
SUFFIX = {"c": ".c", "python": ".py", "text": ".out"}
# Commands to type: shown, not run.
COMMANDS = {"sh"}


def is_run_of_lines(block, text):
    return ("\n" + text).find("\n" + block) >= 0


def main(docs, examples):
    sources = {}
    for path in sorted(glob.glob(os.path.join(examples, "*"))):
        with open(path, encoding="utf-8") as f:
            sources[path] = f.read()
    pages = sorted(glob.glob(os.path.join(docs, "getting-started-*.md")))
    problems, quoted = [], 0
    for page in pages:
        with open(page, encoding="utf-8") as f:
            content = f.read()
        for match in FENCE.finditer(content):
            language, block = match.group(1), match.group(2)
            line = content.count("\n", 0, match.start()) + 1
            if language in COMMANDS:
                continue
            if language not in SUFFIX:
                problems.append(f"{page}:{line}: a block in '{language}', not c, python, text or sh")
                continue
            quoted += 1
            files = [p for p in sources if p.endswith(SUFFIX[language])]
            if not any(is_run_of_lines(block, sources[p]) for p in files):
                problems.append(f"{page}:{line}: this {language} block is in no example file as it stands")
    if not pages or not quoted:
        problems.append(f"no quoted blocks in {docs}/getting-started-*.md")
    for problem in problems:
        print(problem)
    print(f"{quoted} blocks quoted from {len(pages)} pages, {len(problems)} not as the files hold them")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
