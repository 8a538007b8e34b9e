"""The library from Python, through gi.repository only.

LocalTest needs nothing but the library; ServerTest talks to the private
test server whose server.env file PROVIDERS_TEST_SERVER_ENV names.
"""
import os
import tempfile
import unittest

import gi

gi.require_version("ProvidersContracts", "0.1")
gi.require_version("ProvidersSupports", "0.1")
from gi.repository import GLib  # noqa: E402
from gi.repository import ProvidersContracts as Contracts  # noqa: E402
from gi.repository import ProvidersSupports as Supports  # noqa: E402,F401


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
            path = os.path.join(tmp, "settings.json")
            with open(path, "w") as f:
                f.write("{}")
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

    def test_settings_errors_are_exceptions(self):
        with tempfile.TemporaryDirectory() as tmp:
            path = os.path.join(tmp, "settings.json")
            with open(path, "w") as f:
                f.write("[]")
            with self.assertRaises(GLib.Error) as caught:
                Contracts.ServerSetting.new().load(path)
            self.assertEqual(caught.exception.domain, "ServerSetting")
            self.assertEqual(caught.exception.code, -2)


if __name__ == "__main__":
    unittest.main()
