#!/usr/bin/env python3
"""Makes the differential test's database and prints every cell as the file
holds it, read back by Python's sqlite3 module, an exact client: one line
per cell, "<table> <row> <column> <storage> <payload>", the payload the
decimal digits of an INTEGER, the shortest repr of a REAL, the hexadecimal
digits of every byte of a TEXT or BLOB ("sha256:" and the digits of its
SHA-256 for one longer than 4096 bytes), "-" for NULL and for no bytes."""

import hashlib
import sqlite3
import sys

# Declared types: every affinity, a column without one, and the names with
# classes of their own.
COLUMNS = [
    ("c_integer", "INTEGER"), ("c_bigint", "UNSIGNED BIG INT"), ("c_text", "TEXT"),
    ("c_varchar", "VARCHAR(10)"), ("c_blob", "BLOB"), ("c_real", "REAL"),
    ("c_double", "DOUBLE PRECISION"), ("c_numeric", "NUMERIC"), ("c_money", "MONEY"),
    ("c_none", ""), ("c_date", "DATE"), ("c_datetime", "DATETIME"),
    ("c_timestamp", "TIMESTAMP"), ("c_time", "TIME"), ("c_boolean", "BOOLEAN"),
    ("c_decimal", "DECIMAL(10, 2)"), ("c_json", "JSON"), ("c_uuid", "UUID"),
]

# (SQL expression, parameter): what goes into every column of one row.
VALUES = [
    ("?", None), ("?", 0), ("?", 1), ("?", 2), ("?", -1),
    ("?", 2**63 - 1), ("?", -2**63), ("?", 2**53 + 1), ("?", 1700000000),
    ("?", 0.1), ("?", 2.5), ("?", -0.0), ("?", 1e308), ("?", 5e-324),
    ("?", 2.2250738585072014e-308), ("?", 123456789.123456789), ("?", 1e999),
    ("?", 3.0), ("?", 1.0e16),
    ("?", ""), ("?", "abc"), ("?", "42"), ("?", " 42 "), ("?", "4.50"), ("?", "1e3"),
    ("?", "0x1F"), ("?", "9223372036854775808"),
    ("?", "2024-01-15"), ("?", "2024-13-45"), ("?", "2023-02-29"),
    ("?", "2024-02-29 18:05:12"), ("?", "2024-02-29T18:05:12"), ("?", "2024-02-29 18:05:12.250"),
    ("?", "09:30:00"), ("?", "24:00:00"), ("?", "true"),
    ("?", '{"a": [1, 2.5, null]}'), ("?", "6ba7b810-9dad-11d1-80b4-00c04fd430c8"),
    ("?", "6BA7B810-9DAD-11D1-80B4-00C04FD430C8"),
    ("?", "héllo wörld"), ("?", "源氏物語"), ("?", "\U0001F600 emoji"),
    ("?", "a\x00b"), ("?", "tail\x00"), ("?", "x" * 100000),
    ("CAST(? AS TEXT)", b"\xff\xfe"), ("CAST(? AS TEXT)", b"\xed\xa0\x80"),
    ("CAST(? AS TEXT)", b"ok\xc3"),
    ("?", b""), ("?", b"\x00"), ("?", b"\x89PNG\r\n\x1a\n"), ("?", bytes(range(256))),
    ("?", b"abc"), ("?", bytes((i * 7) & 0xFF for i in range(4 * 1024 * 1024))),
]


def make(path):
    db = sqlite3.connect(path)
    declared = ", ".join(f"{name} {decl}".strip() for name, decl in COLUMNS)
    db.execute(f"CREATE TABLE cells ({declared})")
    names = ", ".join(name for name, _ in COLUMNS)
    for expression, parameter in VALUES:
        marks = ", ".join([expression] * len(COLUMNS))
        db.execute(f"INSERT INTO cells ({names}) VALUES ({marks})", [parameter] * len(COLUMNS))
    db.commit()
    db.close()


def dump(path):
    db = sqlite3.connect(path)
    db.text_factory = bytes  # every byte of a TEXT, UTF-8 or not
    out = sys.stdout
    names = ", ".join(name for name, _ in COLUMNS)
    for row_number, row in enumerate(db.execute(f"SELECT {names} FROM cells ORDER BY rowid")):
        for column, cell in enumerate(row):
            if cell is None:
                storage, payload = "null", "-"
            elif isinstance(cell, int):
                storage, payload = "integer", str(cell)
            elif isinstance(cell, float):
                storage, payload = "real", repr(cell)
            else:
                kind = db.execute(f"SELECT typeof({COLUMNS[column][0]}) FROM cells WHERE rowid = ?",
                                  [row_number + 1]).fetchone()[0]
                storage = "text" if kind == b"text" else "blob"
                if len(cell) > 4096:
                    payload = "sha256:" + hashlib.sha256(cell).hexdigest()
                else:
                    payload = cell.hex().upper() or "-"
            out.write(f"cells {row_number} {column} {storage} {payload}\n")
    db.close()


if __name__ == "__main__":
    make(sys.argv[1])
    dump(sys.argv[1])
