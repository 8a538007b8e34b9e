#!/usr/bin/python3
"""Getting started: a profile, the provider that serves it, and each of the
five statement shapes, on an SQLite database file.

    getting-started.py DATABASE_FILE

The file is made when it does not exist, and the table "fruit" in it is
made anew on each run.
"""
import sys

import gi

gi.require_version("ProvidersContracts", "0.1")
gi.require_version("ProvidersSQLite", "0.1")
from gi.repository import GLib  # noqa: E402
from gi.repository import ProvidersContracts as Contracts  # noqa: E402
from gi.repository import ProvidersSQLite  # noqa: E402


def text(value):
    """A value as its class prints it; a database null as NULL."""
    return "NULL" if value.get_is_null() else value.to_string()


def run(provider):
    # execute_statements: a text of several statements, one result each.
    results = provider.execute_statements(
        "DROP TABLE IF EXISTS fruit;"
        "CREATE TABLE fruit (id INTEGER PRIMARY KEY, name VARCHAR(40) NOT NULL, price DECIMAL(8, 2));"
        "INSERT INTO fruit VALUES (1, 'apple', 0.45), (2, 'pear', 0.6), (3, 'quince', NULL);"
        "SELECT name FROM fruit WHERE price IS NULL")
    print(f"execute_statements: {len(results)} results")
    for result in results:
        if isinstance(result, Contracts.TableModel):
            print(f"  a table of {result.get_n_items()} rows")
        elif isinstance(result, Contracts.ValueUInt64):
            print(f"  {result.props.itsvalue} rows changed")
        elif isinstance(result, Contracts.ValueError):
            print(f"  failed: {result.props.itsvalue}")

    # execute_affect: the number of rows a statement changed.
    changed = provider.execute_affect("UPDATE fruit SET price = 0.5 WHERE name = 'pear'")
    print(f"execute_affect: {changed} row changed")

    # execute_scalar: the first cell of the result, typed as its column.
    count = provider.execute_scalar("SELECT count(*) FROM fruit")
    print(f"execute_scalar: {text(count)} rows")

    # execute_model: the whole result as a table of rows of values.
    table = provider.execute_model("SELECT id, name, price FROM fruit ORDER BY id")
    print("execute_model:")
    print("  " + " | ".join(column.get_name() for column in table.columns))
    for row in table:
        print("  " + " | ".join(text(row.get_value_at(c)) for c in range(len(table.columns))))

    # execute_reader: one row at a time, read with typed getters.
    reader = provider.execute_reader("SELECT name, price FROM fruit ORDER BY name")
    print("execute_reader:")
    while reader.read():
        name = reader.get_string(0)
        if reader.is_null(1):
            print(f"  {name} has no price")
        else:
            print(f"  {name} costs {reader.get_decimal(1):.2f}")
    reader.close()


def main(argv):
    if len(argv) != 2:
        sys.exit(f"usage: {argv[0]} DATABASE_FILE")

    # The profile: which provider serves it and where its database is.
    profile = Contracts.Server.new_with_provider("SQLite")
    profile.props.filename = argv[1]
    profile.props.options = "create=true"

    # The provider, opened on the profile; every call below runs on it.
    provider = ProvidersSQLite.SQLiteProvider.new()
    try:
        provider.open(profile, "")
        run(provider)
    except GLib.Error as error:
        sys.exit(f"{error.message} (domain {error.domain}, code {error.code})")
    finally:
        provider.close()
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
