"""The library from Python, through gi.repository only.

LocalTest needs nothing but the library; ServerTest talks to the private
test server whose server.env file PROVIDERS_TEST_SERVER_ENV names;
EngineTest loads the engine library whose namespace PROVIDERS_ENGINE_NAMESPACE
names through its own typelib.
"""
import importlib
import json
import os
import tempfile
import unittest

import gi

gi.require_version("ProvidersContracts", "0.1")
gi.require_version("ProvidersSupports", "0.1")
from gi.repository import GLib  # noqa: E402
from gi.repository import ProvidersContracts as Contracts  # noqa: E402
from gi.repository import ProvidersSupports as Supports  # noqa: E402


def settings_file(directory, text):
    """The path of a settings file holding `text` in `directory`."""
    path = os.path.join(directory, "settings.json")
    with open(path, "w") as f:
        f.write(text)
    return path


class LocalTest(unittest.TestCase):
    def test_values_of_several_types(self):
        cases = [
            (Contracts.ValueInt32.new(-42), "int32", "-42"),
            (Contracts.ValueUInt64.new(2**64 - 1), "uint64", str(2**64 - 1)),
            (Contracts.ValueDouble.new(0.5), "double", "0.50"),
            (Contracts.ValueBoolean.new(True), "bool", "true"),
            (Contracts.ValueString.new("grüße"), "string", "grüße"),
            (Contracts.ValueNull.new(), "NULL", ""),
            (Contracts.ValueError.new(1064, "syntax"), "error", "1064:syntax"),
        ]
        for value, name, text in cases:
            with self.subTest(name=name):
                print(value.dump())
                self.assertIsInstance(value, Contracts.IValue)
                self.assertEqual(value.get_name(), name)
                self.assertEqual(value.to_string(), text)
                copy = value.clone()
                self.assertIsNot(copy, value)
                self.assertEqual(type(copy), type(value))
                self.assertEqual(copy.to_string(), value.to_string())
        self.assertTrue(Contracts.ValueNull.new().get_is_null())
        self.assertEqual(Contracts.ValueInt32.new(7).props.itsvalue, 7)
        self.assertEqual(Contracts.ValueInt32.new(7).get_data_type(), Contracts.DataType.INT32)

    def test_value_changes_are_notified(self):
        value = Contracts.ValueString.new("a")
        seen = []
        value.connect("notify::itsvalue", lambda obj, spec: seen.append(obj.props.itsvalue))
        value.set_itsvalue("b")
        value.props.itsvalue = "b"
        self.assertEqual(seen, ["b", "b"])

    def test_datetime_values_carry_glib_dates(self):
        when = GLib.DateTime.new_utc(2024, 2, 29, 13, 14, 15)
        value = Contracts.ValueDateTime.new_datetime(when)
        self.assertTrue(value.get_itsvalue().equal(when))
        print(value.dump())

    def test_settings_file_round_trip(self):
        with tempfile.TemporaryDirectory() as tmp:
            path = settings_file(tmp, "{}")
            setting = Contracts.ServerSetting.new()
            self.assertTrue(setting.load(path))
            changes = []
            setting.connect("changed", lambda s: changes.append(True))
            server = Contracts.Server.new()
            server.props.title = "local"
            server.set_host("127.0.0.1")
            server.props.port = 3307
            setting.append(server, "", "")
            self.assertEqual(changes, [True])
            self.assertTrue(setting.save())
            self.assertEqual(os.stat(path).st_mode & 0o777, 0o600)

            again = Contracts.ServerSetting.new()
            again.load(path)
            servers = again.unite_servers()
            self.assertEqual([(s.props.title, s.get_host(), s.props.port) for s in servers],
                             [("local", "127.0.0.1", 3307)])
            self.assertEqual(again.get_servers().get_size(), 1)

    def test_table_model_publishes_its_rows(self):
        DataType = Contracts.DataType
        table = Contracts.TableModel.new_with_types([DataType.INT32, DataType.STRING])
        changes = []
        table.connect("items-changed", lambda model, pos, removed, added: changes.append((pos, removed, added)))
        for n, name in [(1, "one"), (2, "two"), (3, "three")]:
            row = table.new_row()
            self.assertEqual(row.get_version(), Contracts.DataVersion.INSERT)
            position = table.append(row)
            table.set_value_at(0, position, Contracts.ValueInt32.new(n))
            table.set_value_at(1, position, Contracts.ValueString.new(name))
        self.assertEqual(changes, [(0, 0, 1), (1, 0, 1), (2, 0, 1)])
        self.assertEqual(table.get_n_items(), 3)
        self.assertIsInstance(table.get_item(1), Contracts.RowModel)
        self.assertEqual(table.get_value_at(1, 2).to_string(), "three")

        removed = table.delete_at(0)
        self.assertIsInstance(removed, Contracts.RowModel)
        self.assertEqual(changes[-1], (0, 1, 0))
        self.assertEqual([table.get_value_at(1, r).to_string() for r in range(table.get_n_items())],
                         ["two", "three"])
        print([[table.get_value_at(c, r).dump() for c in range(2)] for r in range(2)])

    def test_settings_errors_are_exceptions(self):
        with tempfile.TemporaryDirectory() as tmp:
            path = settings_file(tmp, "[]")
            with self.assertRaises(GLib.Error) as caught:
                Contracts.ServerSetting.new().load(path)
            self.assertEqual(caught.exception.domain, "ServerSetting")
            self.assertEqual(caught.exception.code, -2)

    def test_a_lone_surrogate_escape_loads_as_a_replacement_that_saves(self):
        with tempfile.TemporaryDirectory() as tmp:
            path = settings_file(tmp, '{"servers": [{"title": "t", "host": "\\ud800x"}]}')
            setting = Contracts.ServerSetting.new()
            self.assertTrue(setting.load(path))
            server = setting.servers[0]
            self.assertTrue(server.get_host().startswith("\ufffd"))
            self.assertIn("Host:\ufffd", server.to_string(False))
            self.assertTrue(setting.save())

    def test_lists_are_sequences_of_objects(self):
        DataType = Contracts.DataType
        table = Contracts.TableModel.new_with_types([DataType.INT32, DataType.STRING])
        columns = table.columns
        self.assertEqual([c.props.data_type for c in columns], [DataType.INT32, DataType.STRING])
        self.assertIsInstance(columns[-1], Contracts.ColumnModel)
        first = columns[0]
        refs = first.__grefcount__
        for _ in range(3):
            self.assertIs(table.columns[0], first)
        self.assertEqual(first.__grefcount__, refs, "reading an item keeps no reference")

        columns[0].set_name("id")
        columns.append(Contracts.ColumnModel.new_full("price", DataType.DOUBLE))
        columns.insert(0, Contracts.ColumnModel.new_full("key", DataType.INT64))
        self.assertEqual([c.get_name() for c in table.columns], ["key", "id", "", "price"])
        self.assertEqual(table.get_columns().get_size(), 4)
        del columns[1]
        columns[0] = Contracts.ColumnModel.new_full("k", DataType.INT64)
        self.assertEqual([c.get_name() for c in columns], ["k", "", "price"])
        self.assertEqual([c.get_name() for c in columns[1:]], ["", "price"])
        price = columns[2]
        self.assertEqual([columns.index(price), columns.index(price, -1), columns.index(price, -2, 3)],
                         [2, 2, 2], "positions count from the front, as a list's do")
        self.assertRaises(ValueError, columns.index, price, 0, -1)
        for bad, error in [(lambda: columns[3], IndexError), (lambda: columns[-4], IndexError),
                           (lambda: columns.append(Contracts.ValueNull.new()), TypeError),
                           (lambda: columns.index(first), ValueError)]:
            with self.subTest(error=error):
                self.assertRaises(error, bad)
        self.assertEqual(len(columns), 3, "a refused change changes nothing")

    def test_list_views_of_models_tell_bound_views(self):
        data_set = Contracts.DataSetModel.new()
        row = Contracts.RowModel.new()
        changes = []
        for model in (data_set, row):
            model.connect("items-changed", lambda m, *change: changes.append((m, change)))
        tables = [Contracts.TableModel.new() for _ in range(3)]
        data_set.tables.append(tables[0])
        data_set.tables.extend(tables[1:])
        del data_set.tables[1]
        data_set.tables[0] = tables[1]
        row.values.append(Contracts.ValueInt32.new(5))
        row.values.clear()
        self.assertEqual(changes, [(data_set, (0, 0, 1)), (data_set, (1, 0, 1)), (data_set, (2, 0, 1)),
                                   (data_set, (1, 1, 0)), (data_set, (0, 1, 1)),
                                   (row, (0, 0, 1)), (row, (0, 1, 0))])
        self.assertEqual(list(data_set), [tables[1], tables[2]])
        self.assertEqual(list(data_set.tables), [tables[1], tables[2]])

    def test_settings_tree_as_objects(self):
        tree = {"organizations": [{"name": "North", "groups": [
                    {"name": "Dev", "servers": [{"title": "a"}, {"title": "b"}]}]}],
                "groups": [{"name": "Ops", "servers": [{"title": "c"}]}],
                "servers": [{"title": "d"}]}
        with tempfile.TemporaryDirectory() as tmp:
            path = os.path.join(tmp, "settings.json")
            with open(path, "w") as f:
                json.dump(tree, f)
            setting = Contracts.ServerSetting.new()
            setting.load(path)
        north = setting.organizations[0]
        self.assertIsInstance(north, Contracts.Organization)
        self.assertEqual([(g.get_name(), [s.props.title for s in g.servers]) for g in north.groups],
                         [("Dev", ["a", "b"])])
        self.assertEqual([g.get_name() for g in setting.groups], ["Ops"])
        self.assertEqual([s.props.title for s in setting.servers], ["d"])
        self.assertEqual([s.props.title for s in setting.unite_servers()], ["a", "b", "c", "d"])
        setting.groups[0].servers.remove(setting.groups[0].servers[0])
        self.assertEqual([s.props.title for s in setting.unite_servers()], ["a", "b", "d"])


def read_server_env():
    path = os.environ["PROVIDERS_TEST_SERVER_ENV"]
    with open(path) as f:
        return dict(line.rstrip("\n").split("=", 1) for line in f if "=" in line)


class ServerTest(unittest.TestCase):
    """A MySQLProvider opened from a Server profile on the private server."""

    @classmethod
    def setUpClass(cls):
        env = read_server_env()
        server = Contracts.Server.new()
        server.props.host = env["PROVIDERS_TEST_HOST"]
        server.props.port = int(env["PROVIDERS_TEST_PORT"])
        server.props.username = env["PROVIDERS_TEST_USER"]
        server.props.password = env["PROVIDERS_TEST_PASSWORD"]
        server.props.initial = env["PROVIDERS_TEST_DATABASE"]
        cls.provider = Supports.MySQLProvider.new()
        cls.provider.open(server, "")
        cls.provider.execute_affect(
            "CREATE TEMPORARY TABLE py_people (id INT PRIMARY KEY, name VARCHAR(40), born DATE, "
            "photo BLOB, score DOUBLE)", 0)
        cls.provider.execute_affect(
            "INSERT INTO py_people VALUES (1, 'Ada', '1815-12-10', x'00FF10', 1.25), "
            "(2, 'Grace', NULL, NULL, NULL)", 0)

    @classmethod
    def tearDownClass(cls):
        cls.provider.close()

    def test_is_a_provider(self):
        self.assertIsInstance(self.provider, Contracts.IProvider)
        self.assertTrue(self.provider.get_is_opened())

    def test_execute_model(self):
        table = self.provider.execute_model("SELECT id, name, born, photo, score FROM py_people ORDER BY id", 0)
        self.assertIsInstance(table, Contracts.TableModel)
        self.assertEqual(table.get_n_items(), 2)
        cells = [[table.get_value_at(c, r) for c in range(5)] for r in range(2)]
        for row in cells:
            print(" | ".join(cell.dump() for cell in row))
        ada, grace = cells
        self.assertIsInstance(ada[0], Contracts.ValueInt32)
        self.assertEqual(ada[0].props.itsvalue, 1)
        self.assertEqual(ada[1].to_string(), "Ada")
        self.assertIsInstance(ada[2], Contracts.ValueDate)
        self.assertEqual(ada[2].to_string(), "1815-12-10")
        self.assertEqual(ada[3].to_bytes(), b"\x00\xff\x10")
        self.assertEqual(ada[4].props.itsvalue, 1.25)
        self.assertEqual([cell.get_is_null() for cell in grace], [False, False, True, True, True])

    def test_execute_reader(self):
        reader = self.provider.execute_reader("SELECT id, name FROM py_people ORDER BY id")
        self.assertEqual(reader.get_field_count(), 2)
        self.assertEqual(reader.get_name(1), "name")
        names = []
        while reader.read():
            names.append((reader.get_int32(0), reader.get_string(1)))
        self.assertEqual(names, [(1, "Ada"), (2, "Grace")])
        reader.close()

    def test_execute_scalar(self):
        self.assertEqual(self.provider.execute_scalar("SELECT COUNT(*) FROM py_people", 0).to_string(), "2")
        self.assertTrue(self.provider.execute_scalar("SELECT born FROM py_people WHERE id = 2", 0).get_is_null())
        affected = self.provider.execute_scalar("UPDATE py_people SET score = score WHERE id > 0", 0)
        self.assertIsInstance(affected, Contracts.ValueUInt64)

    def test_execute_statements(self):
        results = self.provider.execute_statements(
            "UPDATE py_people SET name = name WHERE id = 1; SELECT name FROM py_people ORDER BY id", 0)
        self.assertEqual([type(r).__name__ for r in results], ["ValueUInt64", "TableModel"])
        self.assertEqual(results[1].get_value_at(0, 1).to_string(), "Grace")

    def test_errors_are_exceptions_with_the_server_number(self):
        with self.assertRaises(GLib.Error) as caught:
            self.provider.execute_model("SELECT * FROM py_nowhere", 0)
        self.assertEqual(caught.exception.domain, "MySQL")
        self.assertEqual(caught.exception.code, 1146)

    def test_statements_with_a_nul_character_are_refused(self):
        calls = [self.provider.execute_model, self.provider.execute_affect, self.provider.execute_scalar,
                 self.provider.execute_statements, self.provider.execute_reader]
        for call in calls:
            with self.subTest(call=call.__name__):
                with self.assertRaisesRegex(ValueError, "NUL character at offset 21"):
                    call("DELETE FROM py_people\0 WHERE id = 2")
        self.assertEqual(self.provider.execute_scalar("SELECT COUNT(*) FROM py_people").to_string(), "2")


def postgresql_refused():
    """A profile of a port that nothing listens on."""
    server = Contracts.Server.new()
    server.props.host = "127.0.0.1"
    server.props.port = 1
    return server


def postgresql_type_map(module):
    return (module.postgre_sql_type_name(1184), module.postgre_sql_type_data_type(1700)), \
        ("timestamptz", Contracts.DataType.DECIMAL)


def sqlite_type_map(module):
    return module.sq_lite_type_data_type("unsigned big int"), Contracts.DataType.INT64


# Per engine library: its provider's class, its error domain, a profile
# it refuses without a server, and a call of its type map with the answer
# expected.
ENGINES = {
    "ProvidersPostgreSQL": ("PostgreSQLProvider", "PostgreSQL", postgresql_refused, postgresql_type_map),
    "ProvidersSQLite": ("SQLiteProvider", "SQLite", Contracts.Server.new, sqlite_type_map),
}


class EngineTest(unittest.TestCase):
    """An engine library through its own typelib, on top of libproviders'."""

    @classmethod
    def setUpClass(cls):
        cls.namespace = os.environ["PROVIDERS_ENGINE_NAMESPACE"]
        gi.require_version(cls.namespace, "0.1")
        cls.module = importlib.import_module("gi.repository." + cls.namespace)
        cls.class_name, cls.domain, refused, type_map = ENGINES[cls.namespace]
        cls.refused, cls.type_map = staticmethod(refused), staticmethod(type_map)

    def test_the_provider_is_an_iprovider_of_the_contracts(self):
        provider_class = getattr(self.module, self.class_name)
        provider = provider_class.new()
        self.assertIsInstance(provider, Contracts.IProvider)
        self.assertIsInstance(provider_class.construct(provider_class.__gtype__), provider_class)
        self.assertFalse(provider.props.is_opened)

    def test_a_refused_open_raises_the_engines_error(self):
        provider = getattr(self.module, self.class_name).new()
        with self.assertRaises(GLib.Error) as caught:
            provider.open(self.refused(), "")
        self.assertEqual(caught.exception.domain, self.domain)

    def test_the_type_map(self):
        answer, expected = self.type_map(self.module)
        self.assertEqual(answer, expected)


if __name__ == "__main__":
    unittest.main()
