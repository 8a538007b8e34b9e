"""An engine page's type table is what the provider answers.

    type_tables_test.py ENGINE PAGE [--print]

ENGINE is mysql, postgresql or sqlite; a server's address comes from the
file PROVIDERS_TEST_SERVER_ENV names, an SQLite database is a scratch file.
Each row of the page's table headed "| Column type | Cell | Data type |
Value class |" makes a table with one column of that type, inserts the cell
and reads it back with execute_model: the column's data type and the
value's class must be the row's. With --print the rows are printed as the
provider answers them instead.
"""
import os
import re
import sys
import tempfile

import gi

gi.require_version("ProvidersContracts", "0.1")
from gi.repository import ProvidersContracts as Contracts  # noqa: E402

HEADER = "| Column type | Cell | Data type | Value class |"
ROW = re.compile(r"^\| `([^`]+)` \| `([^`]+)` \| `(\w+)` \| `(\w+)` \|$")


def rows_of(page):
    with open(page, encoding="utf-8") as f:
        lines = f.read().splitlines()
    start = lines.index(HEADER) + 2
    rows = []
    for line in lines[start:]:
        if not line.startswith("|"):
            break
        match = ROW.match(line)
        if not match:
            raise ValueError(f"{page}: a row of the type table not of the form `type` | `cell` | `DATA` | `Class`: {line}")
        rows.append(match.groups())
    return rows


def server_profile():
    with open(os.environ["PROVIDERS_TEST_SERVER_ENV"]) as f:
        env = dict(line.rstrip("\n").split("=", 1) for line in f if "=" in line)
    profile = Contracts.Server.new()
    profile.props.host = env["PROVIDERS_TEST_HOST"]
    profile.props.port = int(env["PROVIDERS_TEST_PORT"])
    profile.props.username = env["PROVIDERS_TEST_USER"]
    profile.props.password = env["PROVIDERS_TEST_PASSWORD"]
    profile.props.initial = env["PROVIDERS_TEST_DATABASE"]
    return profile


def open_provider(engine, folder):
    if engine == "mysql":
        gi.require_version("ProvidersSupports", "0.1")
        from gi.repository import ProvidersSupports
        provider, profile = ProvidersSupports.MySQLProvider.new(), server_profile()
    elif engine == "postgresql":
        gi.require_version("ProvidersPostgreSQL", "0.1")
        from gi.repository import ProvidersPostgreSQL
        provider, profile = ProvidersPostgreSQL.PostgreSQLProvider.new(), server_profile()
    else:
        gi.require_version("ProvidersSQLite", "0.1")
        from gi.repository import ProvidersSQLite
        provider = ProvidersSQLite.SQLiteProvider.new()
        profile = Contracts.Server.new_with_provider("SQLite")
        profile.props.filename = os.path.join(folder, "types.db")
        profile.props.options = "create=true"
    provider.open(profile, "")
    return provider


def answered(provider, column_type, cell):
    provider.execute_affect("DROP TABLE IF EXISTS page_types")
    provider.execute_affect(f"CREATE TABLE page_types (c {column_type})")
    provider.execute_affect(f"INSERT INTO page_types VALUES ({cell})")
    table = provider.execute_model("SELECT c FROM page_types")
    data_type = table.columns[0].get_data_type().value_nick.replace("-", "_").upper()
    value = table.get_value_at(0, 0)
    return data_type, type(value).__name__


def main(engine, page, printing=False):
    rows = rows_of(page)
    wrong = 0
    with tempfile.TemporaryDirectory() as folder:
        provider = open_provider(engine, folder)
        try:
            for column_type, cell, data_type, value_class in rows:
                found = answered(provider, column_type, cell)
                if printing:
                    print(f"| `{column_type}` | `{cell}` | `{found[0]}` | `{found[1]}` |")
                elif found != (data_type, value_class):
                    wrong += 1
                    print(f"{column_type} ({cell}): the page says {data_type}, {value_class}; "
                          f"the provider answers {found[0]}, {found[1]}")
            provider.execute_affect("DROP TABLE IF EXISTS page_types")
        finally:
            provider.close()
    if not printing:
        print(f"{len(rows)} types of {page}, {wrong} not as the page says")
    return 1 if wrong or not rows else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2], "--print" in sys.argv[3:]))
