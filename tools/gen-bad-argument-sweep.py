#!/usr/bin/env python3
"""Generates the bad-argument sweep: a GoogleTest source that calls every
exported function of the manifest (abi/symbols/*.txt) with each argument it
must refuse, as the public headers declare them.

For each function it emits, where the parameters allow:
  - null for the object (self) and for every text, object, list, buffer or
    value parameter that its documentation does not mark (nullable) or
    (optional): one CRITICAL "<function>: assertion '<param> != NULL'
    failed" (a `new` function reports through its `construct` twin), no
    error set, and the zero value of the result;
  - null for each parameter marked (nullable)/(optional): no CRITICAL;
  - a type that is not the class for each `construct` function;
  - a plain GObject for the object (self) of every method: one CRITICAL
    "<function>: assertion '<MODULE>_IS_<TYPE> (self)' failed", the type
    check of GLib's own libraries, and the zero value of the result;
  - -1 and 1000 for each enumeration: no crash, whatever is logged;
  - -1, the count and INT_MAX for each position (row, col, position,
    ordinal) on an object holding items: one CRITICAL naming the function
    and the position, and the zero value.

Functions left out, and why, are listed with --unchecked; the hand-kept
tables below say where a function departs from the pattern.

    gen-bad-argument-sweep.py SOURCE_DIR OUTPUT.cpp
    gen-bad-argument-sweep.py SOURCE_DIR --unchecked
"""

import pathlib
import re
import sys

POSITION_NAMES = {"ordinal", "position", "row", "col"}

# Objects of GLib types the fixture knows how to make.
GLIB_OBJECTS = {
    "GObject": "fx.gobject ()",
    "GeeArrayList": "fx.list ()",
    "GDateTime": "fx.date_time ()",
    "GDate": "fx.date ()",
    "GBytes": "fx.bytes ()",
    "GOutputStream": "fx.output_stream ()",
    "GAsyncResult": "fx.async_result ()",
    "GValue": "fx.gvalue ()",
    "GCancellable": "fx.cancellable ()",
}

# Positions that are not checked, by design.
POSITION_UNCHECKED = {
    "torvanix_providers_contracts_table_model_insert":
        "a position outside the table appends the row",
}

# Column ordinals are checked by the reader implementation behind the
# interface: swept once the provider's reader, which the fixture uses for
# them, is exported.
READER_FOR_ORDINALS = "torvanix_providers_supports_my_sql_reader_new"

# What a reader answers for a column it does not have is the
# implementation's choice; it must not read outside the row. The interface
# functions are swept for that alone: no crash, no memory error, at most one
# CRITICAL.
READER_DISPATCH = "torvanix_providers_contracts_idata_reader_"

# Interface functions whose argument checks, but for self, belong to the
# implementation: the CRITICAL names the provider's own function. Swept once
# the implementation is there (the provider's last exports mark it).
PROVIDER = "torvanix_providers_supports_my_sql_provider_real_"
CHECKED_BY_IMPLEMENTATION = {
    "torvanix_providers_contracts_iprovider_open": (PROVIDER + "open", None),
    "torvanix_providers_contracts_iprovider_execute_affect": (PROVIDER + "execute_affect", None),
    "torvanix_providers_contracts_iprovider_execute_model": (PROVIDER + "execute_model", READER_FOR_ORDINALS),
    "torvanix_providers_contracts_iprovider_execute_scalar": (PROVIDER + "execute_scalar", READER_FOR_ORDINALS),
    "torvanix_providers_contracts_iprovider_execute_reader": (PROVIDER + "execute_reader", READER_FOR_ORDINALS),
    "torvanix_providers_contracts_iprovider_execute_statements": (PROVIDER + "execute_statements", READER_FOR_ORDINALS),
}

# Positions that a query answers with null, silently, as documented.
POSITION_QUIET = {
    "torvanix_providers_contracts_row_model_get_value_at": "null outside the row",
    "torvanix_providers_contracts_table_model_get_value_at": "null outside the table",
    "torvanix_providers_contracts_table_model_delete_at": "null and no change outside the table",
}

# Checks whose text is not "<param> != NULL".
CHECK_TEXTS = {
    ("torvanix_providers_contracts_value_string_load_finish", "result"): "g_task_is_valid (result, self)",
    ("torvanix_providers_contracts_value_string_save_finish", "result"): "g_task_is_valid (result, self)",
    ("torvanix_providers_contracts_value_binary_load_finish", "result"): "g_task_is_valid (result, self)",
    ("torvanix_providers_contracts_value_binary_save_finish", "result"): "g_task_is_valid (result, self)",
}

# Calls with a null nullable argument that would do real work beyond the
# sweep's reach.
ALLOWED_NULL_SKIPPED = {
    "torvanix_providers_contracts_iprovider_open":
        "opening connects to a server; the provider tests cover it",
}

INTEGER_TYPES = {
    "gint", "guint", "gint8", "guint8", "gint16", "guint16", "gint32", "guint32",
    "gint64", "guint64", "glong", "gulong", "gsize", "gssize", "gchar", "guchar",
    "gunichar2", "GTimeSpan",
}
FLOAT_TYPES = {"gdouble", "gfloat"}


class Header:
    def __init__(self, path):
        self.path = path
        self.text = path.read_text()


def parse(source):
    include = source / "include" / "libproviders"
    types = {}      # C type -> (get_type function, kind)
    global TYPE_CHECKS
    TYPE_CHECKS = {}  # C type -> its instance check, MODULE_IS_OBJ_NAME
    enums = set()
    docs = {}       # function -> {"params": {name: text}, "returns": text}
    protos = {}     # function -> (return type, [(type, name)], header stem)
    for path in sorted(include.rglob("*.h")):
        text = path.read_text()
        for m in re.finditer(r"G_DECLARE_(DERIVABLE_TYPE|FINAL_TYPE|INTERFACE)\s*\(\s*(\w+)\s*,\s*(\w+)", text):
            types[m.group(2)] = (m.group(3) + "_get_type", "interface" if m.group(1) == "INTERFACE" else "class")
        for m in re.finditer(r"G_DECLARE_(?:DERIVABLE_TYPE|FINAL_TYPE|INTERFACE)\s*\(\s*(\w+)\s*,\s*\w+\s*,\s*(\w+)\s*,\s*(\w+)", text):
            TYPE_CHECKS[m.group(1)] = f"{m.group(2)}_IS_{m.group(3)}"
        for m in re.finditer(r"typedef\s+enum[^{]*\{[^}]*\}\s*(\w+)\s*;", text):
            enums.add(m.group(1))
        for m in re.finditer(r"/\*\*\s*\n\s*\*\s*(\w+):\s*\n(.*?)\*/", text, re.S):
            params, returns, current = {}, "", None
            for line in m.group(2).splitlines():
                line = re.sub(r"^\s*\*\s?", "", line)
                pm = re.match(r"@(\w+):\s*(.*)", line)
                if pm:
                    current = pm.group(1)
                    params[current] = pm.group(2)
                elif line.startswith("Returns:"):
                    current = "__returns__"
                    returns = line
                elif current == "__returns__":
                    returns += " " + line
                elif current and line.startswith(" "):
                    params[current] += " " + line.strip()
                else:
                    current = None
            docs[m.group(1)] = {"params": params, "returns": returns}
        flat = re.sub(r"/\*.*?\*/", " ", text, flags=re.S)
        # The export macro before G_DECLARE_* exports the get_type it declares.
        for m in re.finditer(r"PROVIDERS_API\s+G_DECLARE_\w+\s*\(\s*\w+\s*,\s*(\w+)", flat):
            protos[m.group(1) + "_get_type"] = ("GType", [], path.stem)
        for m in re.finditer(r"PROVIDERS_API\s+([^;]*?)\s*\(([^;]*?)\)\s*(G_GNUC_CONST\s*)?;", flat, re.S):
            head = " ".join(m.group(1).split())
            hm = re.match(r"(.*?)(\w+)$", head)
            ret, name = hm.group(1).strip(), hm.group(2)
            params = []
            raw = " ".join(m.group(2).split())
            if raw and raw != "void":
                for p in raw.split(","):
                    pm = re.match(r"(.*?)(\w+)$", p.strip())
                    params.append((" ".join(pm.group(1).replace("*", " * ").split()).replace("* *", "**"), pm.group(2)))
            protos[name] = (ret, params, path.stem)
    return types, enums, docs, protos


def manifest(source):
    names = []
    for path in sorted((source / "abi" / "symbols").glob("*.txt")):
        for line in path.read_text().splitlines():
            line = line.split("#", 1)[0].strip()
            if line:
                names.append(line)
    return names


def base_type(ctype):
    return ctype.replace("const", "").replace("*", "").strip()


def stars(ctype):
    return ctype.count("*")


class Param:
    def __init__(self, index, ctype, name, doc, types, enums):
        self.index, self.ctype, self.name = index, ctype, name
        self.doc = doc or ""
        self.nullable = any(a in self.doc for a in ("(nullable)", "(optional)", "(allow-none)"))
        self.out = "(out" in self.doc
        base = base_type(ctype)
        self.base = base
        n = stars(ctype)
        if ctype == "GError **":
            self.kind = "error"
        elif ctype == "GType":
            self.kind = "gtype"
        elif base == "GAsyncReadyCallback":
            self.kind = "callback"
        elif base == "gpointer" and n == 0 and name in ("user_data", "_user_data_"):
            self.kind = "userdata"
        elif base == "gpointer" and n == 0:
            self.kind = "pointer"
        elif base == "gchar" and n == 1:
            self.kind = "text"
        elif base == "gchar" and n == 2:
            self.kind = "strv"
        elif n == 1 and base in types:
            self.kind = "object"
        elif n == 1 and base in GLIB_OBJECTS:
            self.kind = "glib"
        elif n == 1 and self.out:
            self.kind = "out"
        elif n == 1:
            self.kind = "buffer"
        elif n == 0 and base in enums:
            self.kind = "enum"
        elif n == 0 and base in FLOAT_TYPES:
            self.kind = "float"
        elif n == 0 and base in ("gboolean",):
            self.kind = "bool"
        elif n == 0 and base in INTEGER_TYPES and name in POSITION_NAMES:
            self.kind = "position"
        elif n == 0 and base in INTEGER_TYPES:
            self.kind = "integer"
        else:
            raise SystemExit(f"unknown parameter type {ctype} {name}")
        m = re.search(r"\(array length=(\w+)\)", self.doc)
        self.length_param = m.group(1) if m else None
        self.transfer_full = "(transfer full)" in self.doc

    @property
    def refusable(self):
        """A null the conventions require the function to refuse."""
        return self.kind in ("text", "strv", "object", "glib", "buffer", "pointer", "out") and not self.nullable


class Function:
    def __init__(self, name, proto, doc, types, enums, symbols):
        self.name = name
        self.ret, raw, self.header = proto
        pdocs = doc["params"] if doc else {}
        self.returns_doc = doc["returns"] if doc else ""
        self.params = [Param(i, t, n, pdocs.get(n), types, enums) for i, (t, n) in enumerate(raw)]
        twin = name.replace("_new", "_construct", 1)
        self.owner_of_checks = twin if "_new" in name and twin != name and twin in symbols else name
        self.lengths = {p.length_param for p in self.params if p.length_param}
        # The class a construct function builds, or the class of its `self`.
        self.class_type = None
        if self.params and self.params[0].kind == "gtype":
            prefix = re.sub(r"_construct.*$", "", name)
            for ctype, (getter, kind) in types.items():
                if getter == prefix + "_get_type":
                    self.class_type = ctype


def value_of(fn, p, types, bad=None, case=""):
    """The C++ expression passed for `p`; `bad` replaces it."""
    if bad is not None:
        return bad
    if p.name in fn.lengths:
        return "2"
    k = p.kind
    if k == "error":
        return "&error"
    if k == "gtype":
        return types[fn.class_type][0] + " ()"
    if k in ("callback", "userdata"):
        return "nullptr"
    if k == "pointer":
        return f'fx.pointer ("{fn.name}", "{p.name}")'
    if k == "text":
        return f'fx.text ("{fn.name}", "{p.name}")'
    if k == "strv":
        return f"const_cast<{p.ctype}> (fx.strv ())"
    if k == "object":
        return f"static_cast<{p.base} *> (fx.object ({types[p.base][0]} ()))"
    if k == "glib":
        return GLIB_OBJECTS[p.base]
    if k == "out":
        return f"reinterpret_cast<{p.ctype}> (fx.out ())"
    if k == "buffer":
        taken = "true" if p.transfer_full and case == "allowed" else "false"
        return f"reinterpret_cast<{p.ctype}> (fx.buffer (\"{p.base}\", {taken}))"
    if k == "enum":
        return f"static_cast<{p.base}> (0)"
    if k == "float":
        return "1.0"
    if k == "bool":
        return "FALSE"
    if k == "position":
        return "0"
    if k == "integer":
        return "1"
    raise AssertionError(k)


def zero_check(fn):
    r = fn.ret
    if r == "void":
        return None
    if "*" in r:
        return "EXPECT_EQ (result, nullptr)"
    if base_type(r) in FLOAT_TYPES:
        return "EXPECT_EQ (result, 0.0)"
    return "EXPECT_EQ (static_cast<gint64> (result), 0)"


def call(fn, args):
    joined = ", ".join(args)
    if fn.ret == "void":
        return f"{fn.name} ({joined});"
    return f"auto result = {fn.name} ({joined});"


def release(fn, types):
    """Frees what an accepted call returned, where the header says how."""
    r = fn.ret
    if r == "void" or "(transfer full)" not in fn.returns_doc:
        return ""
    base = base_type(r)
    is_object = base in types or base in ("GObject",)
    if stars(r) == 1 and is_object:
        return "fx.release_object (result);"
    if stars(r) == 1:
        return "g_free (result);"
    if base == "gchar":
        return "g_strfreev (result);"
    return "fx.release_vector (reinterpret_cast<gpointer *> (result));"


def cases(fn, types, symbols, pending):
    out = []
    params = fn.params
    if not params:
        return out
    reader_swept = READER_FOR_ORDINALS in symbols
    first = params[0]
    if first.name == "self" and first.kind == "object" and not first.nullable:
        # An object of another class: refused by the type check, before
        # anything reads the instance.
        args = [value_of(fn, q, types, f"reinterpret_cast<{q.ctype}> (fx.gobject ())" if q is first else None)
                for q in params]
        out.append(("wrong-type", first, args, f"{TYPE_CHECKS[first.base]} (self)", fn.name))
    for p in params:
        if p.refusable and p.index > 0 and fn.name in CHECKED_BY_IMPLEMENTATION:
            owner, needs = CHECKED_BY_IMPLEMENTATION[fn.name]
            if needs and needs not in symbols:
                pending.append((fn.name, f"null {p.name}: checked by the provider, which does not implement it yet"))
                continue
            args = [value_of(fn, q, types, "nullptr" if q is p else None) for q in params]
            out.append(("null", p, args, f"{p.name} != NULL", owner))
        elif p.refusable:
            args = [value_of(fn, q, types, "nullptr" if q is p else None) for q in params]
            out.append(("null", p, args, CHECK_TEXTS.get((fn.name, p.name), f"{p.name} != NULL")))
        elif p.nullable and p.kind in ("text", "strv", "object", "glib", "buffer", "out", "pointer"):
            if fn.name in ALLOWED_NULL_SKIPPED:
                continue
            # A missing array comes with a length of 0.
            args = [value_of(fn, q, types, "nullptr" if q is p else ("0" if q.name == p.length_param else None), "allowed")
                    for q in params]
            out.append(("allowed", p, args, None))
        elif p.kind == "gtype" and fn.class_type:
            args = [value_of(fn, q, types, "G_TYPE_OBJECT" if q is p else None) for q in params]
            out.append(("type", p, args, "g_type_is_a (object_type, "))
        elif p.kind == "enum":
            # C callers may pass any int: no crash, whatever the answer.
            for bad in ("-1", "1000"):
                raw = f"enum_from_int<{p.base}> ({bad})"
                args = [value_of(fn, q, types, raw if q is p else None, "allowed") for q in params]
                out.append(("enum-range", p, args, bad))
        elif p.kind == "position" and p.name == "ordinal" and not reader_swept:
            pending.append((fn.name, "ordinal: checked by the provider's reader, not exported yet"))
        elif p.kind == "position":
            free = fn.name in POSITION_UNCHECKED
            kind = "position-free" if free else "position-quiet" if fn.name in POSITION_QUIET else "position"
            if fn.name.startswith(READER_DISPATCH):
                kind = "position-reader"
            for label, bad in (("-1", "-1"), ("count", f'fx.count ("{fn.name}", "{p.name}")'), ("INT_MAX", "G_MAXINT")):
                args = [value_of(fn, q, types, f"static_cast<{p.base}> ({bad})" if q is p else None) for q in params]
                out.append((kind, p, args, label))
    return out


def zero_lines(fn):
    """The check that a refused call answered its zero value, where it has
    one."""
    zc = zero_check(fn)
    return ["    " + zc + ";"] if zc else []


def settle(fn):
    """The lines after an accepted call: free what it returned (or mark the
    result used) and drop any error it set."""
    rel = release(fn, TYPES)
    if rel:
        out = ["    " + rel]
    elif fn.ret != "void":
        out = ["    (void) result;"]
    else:
        out = []
    return out + ["    g_clear_error (&error);"]


def emit_case(fn, kind, p, args, detail, owner=None):
    owner = owner or fn.owner_of_checks
    lines = [f"  {{  // {fn.name}: {kind} {p.name} {detail or ''}".rstrip()]
    lines.append(f'    SCOPED_TRACE ("{fn.name} ({p.name}: {kind} {detail or ""})");')
    lines.append("    GError *error = nullptr;")
    lines.append("    (void) error;")
    lines.append("    LogCapture log;")
    lines.append("    " + call(fn, args))
    if kind in ("null", "wrong-type"):
        lines.append(f'    expect_refused (log, "{owner}", "{detail}");')
        lines.extend(zero_lines(fn))
        lines.append("    EXPECT_EQ (error, nullptr);")
    elif kind == "type":
        lines.append(f'    expect_refused_prefix (log, "{owner}", "{detail}");')
        lines.extend(zero_lines(fn))
    elif kind == "position":
        lines.append(f'    expect_refused_mentioning (log, "{owner}", "{p.name}");')
        lines.extend(zero_lines(fn))
        lines.append("    EXPECT_EQ (error, nullptr);")
    elif kind == "enum-range":
        lines.extend(settle(fn))
    elif kind == "position-reader":
        lines.append("    expect_at_most_one_assertion (log);")
        lines.extend(settle(fn))
    elif kind == "position-quiet":
        lines.append("    expect_accepted (log);")
        lines.append("    " + zero_check(fn) + ";")
    else:  # allowed, position-free: accepted without a complaint
        lines.append("    expect_accepted (log);")
        lines.extend(settle(fn))
    lines.append("  }")
    return "\n".join(lines)


def suite_name(header):
    return "".join(part.capitalize() for part in re.split(r"[-_]", header))


def main(argv):
    source = pathlib.Path(argv[1])
    types, enums, docs, protos = parse(source)
    global TYPES
    TYPES = types
    names = manifest(source)
    symbols = set(names)
    functions, unchecked, pending = [], [], []
    for name in names:
        if name.isupper():
            continue  # the vendor name arrays: data, not functions
        if name not in protos:
            raise SystemExit(f"{name}: exported but declared in no public header")
        ret, params, header = protos[name]
        fn = Function(name, protos[name], docs.get(name), types, enums, symbols)
        cs = cases(fn, types, symbols, pending)
        if not cs:
            if any(n == name for n, _ in pending):
                continue
            if not fn.params:
                why = "takes no argument"
            else:
                why = "takes only numbers, every one of them valid input"
            unchecked.append((name, why))
            continue
        functions.append((fn, cs))
    if argv[2] == "--unchecked":
        for name, why in unchecked:
            print(f"{name}: {why}")
        for name, why in sorted(POSITION_UNCHECKED.items()):
            print(f"{name} (position): {why}")
        for name, why in sorted(POSITION_QUIET.items()):
            print(f"{name} (position, no CRITICAL): {why}")
        for name, why in sorted(ALLOWED_NULL_SKIPPED.items()):
            print(f"{name} (nullable argument not called with null): {why}")
        for name, why in pending:
            print(f"{name} (pending): {why}")
        return
    by_header = {}
    for fn, cs in functions:
        by_header.setdefault(fn.header, []).append((fn, cs))
    out = [
        "/* Generated by tools/gen-bad-argument-sweep.py from abi/symbols and the",
        " * public headers at build time; do not edit. */",
        '#include "sweep-support.h"',
        "",
        "using namespace providers::sweep;",
        "using providers::testing::LogCapture;",
        "",
    ]
    total_cases = 0
    for header, entries in sorted(by_header.items()):
        out.append(f"TEST (BadArguments, {suite_name(header)})")
        out.append("{")
        out.append("  Fixture fx;")
        for fn, cs in entries:
            for case in cs:
                out.append(emit_case(fn, *case))
                total_cases += 1
        out.append("}")
        out.append("")
    out.append(f"/* {len(functions)} functions swept in {total_cases} calls; {len(unchecked)} without an argument to refuse. */")
    out.append(f"const int kSweptFunctions = {len(functions)};")
    out.append(f"const int kSweptCalls = {total_cases};")
    text = "\n".join(out) + "\n"
    target = pathlib.Path(argv[2])
    if not target.exists() or target.read_text() != text:
        target.write_text(text)


if __name__ == "__main__":
    main(sys.argv)
