#!/usr/bin/env python3
"""Gives each function-pointer slot of a class or interface struct in a GIR
the doc its header comment has for it.

g-ir-scanner reads the `@slot:` lines of a struct's comment, and the
`Struct::slot:` blocks, but writes no <doc> for a field whose type is an
anonymous callback, so gi-docgen shows such a slot with no description.
This puts the text back: the struct comment's `@slot:` line, the short
one the struct's page lists, else the text of a `Struct::slot:` block. The GIR is
edited as text so that everything else in it stays byte for byte.

With --check it edits nothing: it names each field of a GIR that a page of
gi-docgen's would show as "No description available" and fails when there
is any; `gi-docgen check` passes such fields by.

    slot-docs.py GIR HEADER...
    slot-docs.py --check GIR...
"""
import html
import os
import re
import sys
import xml.etree.ElementTree as ET

TAG = re.compile(r'^(Returns|Return value|Since|Deprecated|Stability):', re.I)
ANNOTATIONS = re.compile(r'^(\s*\([^()]*(\([^()]*\)[^()]*)*\))+\s*:\s*')


def comment_blocks(text):
    """Yields (name, line, body lines) for each /** ... */ comment."""
    for match in re.finditer(r'/\*\*[ \t]*\n(.*?)\*/', text, re.S):
        lines = [re.sub(r'^[ \t]*\*[ \t]?', '', l) for l in match.group(1).split('\n')]
        while lines and not lines[-1].strip():
            lines.pop()
        if not lines:
            continue
        head = re.match(r'^\s*([\w:]+):', lines[0])
        if head:
            yield head.group(1), text.count('\n', 0, match.start()) + 2, lines[1:]


def strip_annotations(text):
    return ANNOTATIONS.sub('', text, count=1).strip()


def parse_block(lines, first_line):
    """Splits a block's lines into its @parameters and its own text, each
    as (text, line)."""
    params = {}
    current = None
    index = 0
    for index, line in enumerate(lines):
        param = re.match(r'^@(\w+):\s*(.*)$', line)
        if param:
            current = param.group(1)
            params[current] = [strip_annotations(param.group(2)), first_line + 1 + index]
        elif current and line.strip():
            params[current][0] += '\n' + line.strip()
        else:
            break
    else:
        index = len(lines)
    body = []
    for line in lines[index:]:
        if TAG.match(line):
            break
        body.append(line.rstrip())
    description = '\n'.join(body).strip('\n')
    body_line = first_line + 1 + index
    for line in lines[index:]:
        if line.strip():
            break
        body_line += 1
    return {name: tuple(value) for name, value in params.items()}, (description, body_line)


def slot_docs(headers):
    """Maps (struct C name, slot) to (text, header, line), the header named
    as the scanner names it: relative to the folder the headers share."""
    top = os.path.commonpath([os.path.dirname(os.path.abspath(h)) for h in headers])
    docs = {}
    params = {}
    for header in headers:
        with open(header, encoding='utf-8') as f:
            text = f.read()
        relative = os.path.relpath(os.path.abspath(header), top)
        for name, line, lines in comment_blocks(text):
            block_params, (description, body_line) = parse_block(lines, line)
            if '::' in name:
                struct, slot = name.split('::', 1)
                if description:
                    docs[(struct, slot)] = (description, relative, body_line)
            else:
                for slot, (doc, doc_line) in block_params.items():
                    if doc:
                        params[(name, slot)] = (doc, relative, doc_line)
    docs.update(params)
    return docs


RECORD = re.compile(r'<record name="[^"]*"\s+c:type="([^"]*)"\s+glib:is-gtype-struct-for="[^"]*"[^>]*>'
                    r'.*?</record>', re.S)
FIELD = re.compile(r'(<field name="(\w+)"[^>]*>\n)([ \t]*)(<callback )')


def add_docs(gir, docs):
    """Answers the GIR with a <doc> on each slot that has none, and the
    number added."""
    added = 0

    def record(match):
        struct = match.group(1)

        def field(f):
            nonlocal added
            doc = docs.get((struct, f.group(2)))
            if doc is None:
                return f.group(0)
            added += 1
            text, filename, line = doc
            indent = f.group(3)
            return (f'{f.group(1)}{indent}<doc xml:space="preserve"\n'
                    f'{indent}     filename="{html.escape(filename)}"\n'
                    f'{indent}     line="{line}">{html.escape(text, quote=False)}</doc>\n'
                    f'{indent}{f.group(4)}')

        return FIELD.sub(field, match.group(0))

    return RECORD.sub(record, gir), added


CORE = '{http://www.gtk.org/introspection/core/1.0}'


def undocumented_fields(gir):
    """Answers `Record.field` for each field of a record in the GIR text
    with neither a doc nor the private mark: the fields gi-docgen describes
    are a record's own and a class struct's, which it lists on its class's
    page."""
    found = []
    namespace = ET.fromstring(gir).find(CORE + 'namespace')
    for owner in namespace.findall(CORE + 'record'):
        for field in owner.findall(CORE + 'field'):
            if field.get('private') != '1' and field.find(CORE + 'doc') is None:
                found.append(f"{owner.get('name')}.{field.get('name')}")
    return found


def check(paths):
    failed = False
    for path in paths:
        with open(path, encoding='utf-8') as f:
            fields = undocumented_fields(f.read())
        for field in fields:
            print(f'{os.path.basename(path)}: field {field} has no description', file=sys.stderr)
        failed = failed or bool(fields)
    return 1 if failed else 0


def main(argv):
    if argv[:1] == ['--check']:
        return check(argv[1:])
    if len(argv) < 2:
        sys.stderr.write(__doc__)
        return 2
    gir_path, headers = argv[0], argv[1:]
    with open(gir_path, encoding='utf-8') as f:
        gir = f.read()
    gir, _ = add_docs(gir, slot_docs(headers))
    with open(gir_path + '.tmp', 'w', encoding='utf-8') as f:
        f.write(gir)
    os.replace(gir_path + '.tmp', gir_path)
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
