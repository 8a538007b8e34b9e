"""The models bound to GTK 4's own views, and the example browser, under Xvfb.

Every model operation that emits items-changed runs with the models bound
to list, grid and column views through selection, sort, filter and flatten
models; after each, GTK must have logged nothing at WARNING or above and
every view's model must hold the source model's items in order. The
private test server (PROVIDERS_TEST_SERVER_ENV) supplies the tables;
PROVIDERS_SCREENSHOT names the PNG the browser's window is saved to.
"""
import os
import re
import sys
import tempfile
import time
import unittest
from unittest import mock

import gi

gi.require_version("Gtk", "4.0")
gi.require_version("ProvidersContracts", "0.1")
gi.require_version("ProvidersSupports", "0.1")
from gi.repository import GLib, GObject, Gtk  # noqa: E402
from gi.repository import ProvidersContracts as Contracts  # noqa: E402
from gi.repository import ProvidersSupports as Supports  # noqa: E402

sys.path.insert(0, os.environ["PROVIDERS_BROWSER_DIR"])
import browser  # noqa: E402
from screenshot import save_png  # noqa: E402

DataVersion = Contracts.DataVersion


class LogWatch:
    """Collects what GLib's default log writer prints (it writes to file
    descriptor 2) and passes it on to the real standard error."""
    # Also the exceptions Python prints when a callback from GTK raises.
    serious = re.compile(r"-(WARNING|CRITICAL|ERROR) \*\*|^\*\* \(|^Traceback ", re.M)

    def __init__(self):
        sys.stderr.flush()
        self.saved = os.dup(2)
        self.file = tempfile.TemporaryFile()
        os.dup2(self.file.fileno(), 2)
        self.offset = 0

    def new_problems(self, expected=None):
        """Lines at WARNING or above since the last call, but those that
        match the regular expression `expected`."""
        self.file.seek(self.offset)
        text = self.file.read().decode(errors="replace")
        self.offset += len(text.encode(errors="replace"))
        os.write(self.saved, text.encode())
        return [line for line in text.splitlines()
                if self.serious.search(line) and not (expected and re.search(expected, line))]

    def close(self):
        os.dup2(self.saved, 2)
        os.close(self.saved)


def wait_until(condition, seconds=20):
    context = GLib.MainContext.default()
    deadline = time.monotonic() + seconds
    while not condition():
        if time.monotonic() > deadline:
            raise TimeoutError("the main loop did not get there in time")
        context.iteration(True)


def settle(window):
    """Runs the main loop until the window has laid out and painted once
    more and nothing else is pending."""
    painted = []
    clock = window.get_frame_clock()
    handler = clock.connect("after-paint", lambda *_: painted.append(True))
    window.queue_draw()
    wait_until(lambda: painted)
    clock.disconnect(handler)
    context = GLib.MainContext.default()
    while context.pending():
        context.iteration(False)


def widgets(root, kind):
    child = root.get_first_child()
    while child is not None:
        if isinstance(child, kind):
            yield child
        yield from widgets(child, kind)
        child = child.get_next_sibling()


def drawn(window, row, position):
    """The text the browser's window shows for one cell."""
    item = window.table.get_item(row)
    return next(c.get_text() for c in widgets(window.view, browser.ValueCell)
                if c.row == item and c.position == position)


def label_factory(text):
    factory = Gtk.SignalListItemFactory()
    factory.connect("setup", lambda f, item: item.set_child(Gtk.Label()))
    factory.connect("bind", lambda f, item: item.get_child().set_text(str(text(item.get_item()))))
    return factory


def cell(row, column):
    value = row.get_item(column)
    return browser.cell_text(value) if value is not None else None


def cell_text(table, column, row):
    return browser.cell_text(table.get_value_at(column, row))


def row_id(row):
    value = row.get_item(0)
    return value.props.itsvalue if value is not None else -1


def read_server_env(variable="PROVIDERS_TEST_SERVER_ENV"):
    with open(os.environ[variable]) as f:
        return dict(line.rstrip("\n").split("=", 1) for line in f if "=" in line)


def read_server():
    env = read_server_env()
    server = Contracts.Server.new()
    server.props.host = env["PROVIDERS_TEST_HOST"]
    server.props.port = int(env["PROVIDERS_TEST_PORT"])
    server.props.username = env["PROVIDERS_TEST_USER"]
    server.props.password = env["PROVIDERS_TEST_PASSWORD"]
    server.props.initial = env["PROVIDERS_TEST_DATABASE"]
    return server


def numbers(count, start=1):
    return (f"SELECT seq AS id, CONCAT('name ', seq) AS name, seq * 0.25 AS price "
            f"FROM seq_{start}_to_{start + count - 1}")


class ViewsTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.log = LogWatch()
        Gtk.init()
        cls.server = read_server()
        cls.provider = Supports.MySQLProvider.new()
        cls.provider.open(cls.server, "")
        sample = os.environ.get("PROVIDERS_SAMPLE_SQL")
        if sample:
            with open(sample) as f:
                cls.provider.execute_statements(f.read())

    @classmethod
    def tearDownClass(cls):
        cls.provider.close()
        cls.log.close()

    def setUp(self):
        self.window = Gtk.Window(default_width=1000, default_height=700)
        self.grid = Gtk.Grid(column_homogeneous=True, row_homogeneous=True)
        self.window.set_child(self.grid)
        self.views = []  # (name, list model the view shows, what it must hold)

    def tearDown(self):
        self.window.destroy()
        self.views.clear()
        context = GLib.MainContext.default()
        while context.pending():
            context.iteration(False)
        self.assertEqual(self.log.new_problems(), [])

    def bind(self, name, view, model, expected):
        self.grid.attach(Gtk.ScrolledWindow(child=view, min_content_height=120),
                         len(self.views) % 4, len(self.views) // 4, 1, 1)
        self.views.append((name, model, expected))

    def check(self, step):
        settle(self.window)
        self.assertEqual(self.log.new_problems(), [], f"GTK complained after {step}")
        for name, model, expected in self.views:
            with self.subTest(step=step, view=name):
                self.assertEqual(list(model), expected())

    def bind_table(self, table, every=2):
        """The table in a column view of the browser's cells, a grid view,
        a drop-down and a list view over filter and sort models, which
        keep the rows whose id is a multiple of `every`.

        Python can make no GtkExpression (PyGObject cannot hold one), so
        sorting and filtering call back into Python for every row or
        comparison: a big table is filtered down to a few rows first."""
        selection = Gtk.SingleSelection(model=table)
        view = Gtk.ColumnView(model=selection)
        view.append_column(Gtk.ColumnViewColumn(title="", factory=browser.cell_factory(browser.StateCell)))
        for position in range(len(table.columns)):
            view.append_column(Gtk.ColumnViewColumn(
                title=table.columns[position].get_name(),
                factory=browser.cell_factory(lambda p=position: browser.ValueCell(p, False))))
        self.bind("column view", view, selection, lambda: list(table))
        grid = Gtk.GridView(model=Gtk.NoSelection(model=table), factory=label_factory(lambda r: cell(r, 1)))
        self.bind("grid view", grid, grid.get_model(), lambda: list(table))
        drop_down = Gtk.DropDown(model=table, factory=label_factory(lambda r: cell(r, 1)))
        self.bind("drop-down", drop_down, drop_down.get_model(), lambda: list(table))
        # Highest id first.
        sorter = Gtk.CustomSorter.new(lambda a, b, _: row_id(b) - row_id(a))
        kept = Gtk.CustomFilter.new(lambda r: row_id(r) % every == 0)
        sorted_model = Gtk.SortListModel(model=Gtk.FilterListModel(model=table, filter=kept), sorter=sorter)
        listed = Gtk.ListView(model=Gtk.MultiSelection(model=sorted_model),
                              factory=label_factory(row_id))
        self.bind("filtered, sorted list view", listed, listed.get_model(), lambda: sorted(
            (r for r in table if row_id(r) % every == 0), key=row_id, reverse=True))
        return view

    def new_row(self, table, number):
        row = table.new_row()
        row.values[0] = Contracts.ValueInt32.new(number)
        row.values[1] = Contracts.ValueString.new(f"new {number}")
        return row

    def test_table_operations(self):
        table = self.provider.execute_model(numbers(6), 0)
        column_view = self.bind_table(table)
        self.window.present()
        self.check("binding")

        rows = {}
        steps = [
            ("append", lambda: table.append(rows.setdefault(10, self.new_row(table, 10)))),
            ("insert at 0", lambda: table.insert(0, rows.setdefault(12, self.new_row(table, 12)))),
            ("insert at -1", lambda: table.insert(-1, rows.setdefault(14, self.new_row(table, 14)))),
            ("insert at 2", lambda: table.insert(2, rows.setdefault(16, self.new_row(table, 16)))),
            ("delete", lambda: table.delete(rows[12])),
            ("delete_at", lambda: table.delete_at(1)),
            ("update_row_version delete of an inserted row",
             lambda: table.update_row_version(table.find(rows[16])[1], DataVersion.DELETE)),
            ("update_row_version delete of a read row", lambda: table.update_row_version(0, DataVersion.DELETE)),
            ("update_row_version update", lambda: table.update_row_version(3, DataVersion.UPDATE)),
            ("set_value_at, then items-changed of that row", lambda: (
                table.set_value_at(1, 2, Contracts.ValueString.new("changed")), table.items_changed(2, 1, 1))),
            ("clear rows", lambda: table.clear(False)),
            ("append after clear", lambda: table.append(self.new_row(table, 20))),
            ("clear rows and columns", lambda: table.clear(True)),
        ]
        for step, operation in steps:
            operation()
            self.check(step)
            # The edit state on screen follows notify::version.
            for state in widgets(column_view, browser.StateCell):
                if state.row is not None:
                    self.assertEqual(state.get_text(), browser.version_state(state.row)[0], step)
        self.assertEqual(len(table.columns), 0)

    def test_row_operations(self):
        row = self.provider.execute_model(numbers(1), 0).get_item(0)
        selection = Gtk.SingleSelection(model=row)
        self.bind("list view", Gtk.ListView(model=selection, factory=label_factory(browser.cell_text)),
                  selection, lambda: list(row))
        not_null = Gtk.CustomFilter.new(lambda value: not value.get_is_null())
        by_text = Gtk.CustomSorter.new(lambda a, b, _: (a.to_string() > b.to_string()) - (a.to_string() < b.to_string()))
        sorted_model = Gtk.SortListModel(model=Gtk.FilterListModel(model=row, filter=not_null), sorter=by_text)
        self.bind("filtered, sorted list view", Gtk.ListView(model=Gtk.NoSelection(model=sorted_model),
                                                            factory=label_factory(browser.cell_text)),
                  sorted_model, lambda: sorted((v for v in row if not v.get_is_null()), key=lambda v: v.to_string()))
        self.window.present()
        self.check("binding")
        steps = [
            ("append", lambda: row.values.append(Contracts.ValueString.new("b"))),
            ("insert", lambda: row.values.insert(0, Contracts.ValueNull.new())),
            ("replace", lambda: row.values.__setitem__(1, Contracts.ValueString.new("a"))),
            ("remove", lambda: row.values.__delitem__(2)),
            ("clear", lambda: row.values.clear()),
        ]
        for step, operation in steps:
            operation()
            self.check(step)

    def test_data_set_operations(self):
        data_set = Contracts.DataSetModel.new()
        tables = [self.provider.execute_model(numbers(3, start), 0) for start in (1, 11, 21)]
        selection = Gtk.SingleSelection(model=data_set)
        self.bind("list view", Gtk.ListView(model=selection,
                                            factory=label_factory(lambda t: f"{t.get_n_items()} rows")),
                  selection, lambda: list(data_set))
        flat = Gtk.FlattenListModel(model=data_set)
        view = Gtk.ColumnView(model=Gtk.NoSelection(model=flat))
        view.append_column(Gtk.ColumnViewColumn(factory=browser.cell_factory(
            lambda: browser.ValueCell(1, False))))
        self.bind("column view of every table's rows", view, flat,
                  lambda: [r for t in data_set for r in t])
        self.window.present()
        self.check("binding")
        steps = [
            ("append", lambda: data_set.tables.append(tables[0])),
            ("insert", lambda: data_set.tables.insert(0, tables[1])),
            ("append a row to a table inside", lambda: tables[0].append(self.new_row(tables[0], 30))),
            ("replace", lambda: data_set.tables.__setitem__(1, tables[2])),
            ("remove", lambda: data_set.tables.__delitem__(0)),
            ("clear", lambda: data_set.tables.clear()),
        ]
        for step, operation in steps:
            operation()
            self.check(step)

    def test_drop_a_bound_big_table(self):
        table = self.provider.execute_model(numbers(50000), 0)
        self.bind_table(table, every=1000)
        self.window.present()
        self.check("binding 50,000 rows")
        self.assertEqual(len(list(self.views[-1][1])), 50)
        gone = []
        watch = table.weak_ref(lambda: gone.append(True))
        unbinding = time.monotonic()
        views = [scroller.get_child() for scroller in widgets(self.grid, Gtk.ScrolledWindow)]
        views = [view.get_child() if isinstance(view, Gtk.Viewport) else view for view in views]
        for view in views:
            view.set_model(None)
        self.views.clear()
        dropping = time.monotonic()
        del table, views
        dropped = time.monotonic()
        at_once = bool(gone)
        wait_until(lambda: gone, 10)
        print(f"50,000-row table: views unbound in {(dropping - unbinding) * 1000:.0f} ms, "
              f"dropped in {(dropped - dropping) * 1000:.0f} ms, finalized "
              f"{'at once' if at_once else f'{(time.monotonic() - dropping) * 1000:.0f} ms later'}")
        self.check("dropping the table")


class BrowserTest(unittest.TestCase):
    """The example browser: a query on its worker thread, row edits, the
    status line, and the window saved as a PNG."""

    statement = ("SELECT b.id, a.name AS author, b.title, b.price, b.added, a.born, b.cover "
                 "FROM demo_books b JOIN demo_authors a ON a.id = b.author_id ORDER BY b.id")

    @classmethod
    def setUpClass(cls):
        cls.log = LogWatch()
        Gtk.init()

    @classmethod
    def tearDownClass(cls):
        cls.log.close()

    def run_in(self, window, text, expected_log=None):
        done = []
        handler = window.connect("finished", lambda *_: done.append(True))
        window.run_statement(text)
        wait_until(lambda: done)
        window.disconnect(handler)
        settle(window)
        self.assertEqual(self.log.new_problems(expected_log), [], text)

    def test_browse_edit_and_save_a_picture(self):
        window = browser.Browser(Supports.MySQLProvider.new(), read_server(), self.statement)
        window.present()
        settle(window)

        # A big result replaced by a small one: the bound table is dropped.
        started = time.monotonic()
        self.run_in(window, numbers(50000))
        print(f"50,000 rows on screen {(time.monotonic() - started) * 1000:.0f} ms after Run;"
              f" status: {window.status.get_text()}")
        self.assertRegex(window.status.get_text(), r"^50000 rows · \d+ ms$")
        # The provider logs each failure's connection options as a warning.
        self.run_in(window, "SELECT title FROM demo_nowhere", r"providers-WARNING \*\*: .* error:\d+: Connection options:")
        self.assertRegex(window.status.get_text(), r"^ERROR 1146: Table '.*demo_nowhere' doesn't exist$")
        self.run_in(window, "SELECT 1\0; DELETE FROM demo_books")
        self.assertRegex(window.status.get_text(), "^ERROR: the SQL text has a NUL character at offset 8")

        # Floating cells as drawn: the fewest digits that read back to the
        # same double, or to the same float for a FLOAT.
        self.run_in(window, "SELECT 1.7976931348623157e308 AS largest, 1 / 3e0 AS third, 0.1e0 AS tenth,"
                            " CAST(1.4013e-45 AS FLOAT) AS smallest_single, CAST(0.1 AS FLOAT) AS tenth_single")
        self.assertEqual([drawn(window, 0, p) for p in range(5)],
                         ["1.7976931348623157e+308", "0.3333333333333333", "0.1", "1e-45", "0.1"])

        self.run_in(window, self.statement)
        table = window.table
        self.assertEqual([drawn(window, r, 3) for r in range(5)], ["12.50", "9.99", "NULL", "30.00", "5.00"],
                         "DECIMAL prices as drawn keep the server's digits")
        self.assertEqual([c.get_name() for c in table.columns],
                         ["id", "author", "title", "price", "added", "born", "cover"])
        self.assertEqual(table.get_n_items(), 5)
        nulls = [cell.get_text() for cell in widgets(window.view, browser.ValueCell) if cell.has_css_class("null")]
        self.assertEqual(len(nulls), 6)
        self.assertEqual(set(nulls), {"NULL"})

        window.selection.set_selected(3)
        window.delete_row()
        window.selection.set_selected(4)
        window.delete_row()
        window.undo()
        window.selection.set_selected(1)
        window.insert_row()
        settle(window)
        # Editing through the cell's popover, then straight through the window.
        title = next(c for c in widgets(window.view, browser.ValueCell) if c.row == table.get_item(0) and c.position == 2)
        entry = title.start_editing(window.edit_cell)
        settle(window)
        entry.set_text("Notes, edited")
        entry.emit("activate")
        settle(window)
        window.edit_cell(table.get_item(0), 3, None)
        window.edit_cell(table.get_item(3), 3, "1.5")
        window.undo()
        settle(window)
        self.assertEqual(self.log.new_problems(), [])
        self.assertEqual([cell_text(table, c, 0) for c in (2, 3)], ["Notes, edited", None])
        self.assertEqual(cell_text(table, 3, 3), None, "the undone edit is gone")
        self.assertEqual([int(r.get_version()) for r in table], [8, 0, 4, 0, 2, 0])
        self.assertRegex(window.status.get_text(), r"^6 rows · \d+ ms · 1 deleted, 1 inserted, 1 updated$")
        shown = {(cell.row.get_version(), cell.get_text())
                 for cell in widgets(window.view, browser.StateCell) if cell.row is not None}
        self.assertEqual(shown, {(DataVersion.INITIAL, ""), (DataVersion.INSERT, "+"),
                                 (DataVersion.DELETE, "✕"), (DataVersion.UPDATE, "✎")})
        edited = [c.get_text() for c in widgets(window.view, browser.ValueCell) if c.row == table.get_item(0)]
        self.assertIn("Notes, edited", edited, "the view shows the new value")

        window.selection.set_selected(Gtk.INVALID_LIST_POSITION)
        window.sql.set_position(0)
        window.view.grab_focus()
        settle(window)
        path = os.environ["PROVIDERS_SCREENSHOT"]
        save_png(window, path)
        with open(path, "rb") as f:
            self.assertEqual(f.read(8), b"\x89PNG\r\n\x1a\n")
        self.assertGreater(os.path.getsize(path), 10000)
        print(f"browser window saved to {path}")
        self.assertEqual(self.log.new_problems(), [])
        window.destroy()

    @unittest.skipUnless(os.environ.get("PROVIDERS_PG_TEST_SERVER_ENV"), "built without the PostgreSQL provider")
    def test_a_postgresql_profile(self):
        env = read_server_env("PROVIDERS_PG_TEST_SERVER_ENV")
        args = browser.parse_arguments(["--postgresql", "-H", env["PROVIDERS_TEST_HOST"], "-P", env["PROVIDERS_TEST_PORT"],
                                        "-u", env["PROVIDERS_TEST_USER"], "-D", env["PROVIDERS_TEST_DATABASE"]])
        with mock.patch.dict(os.environ, {"PROVIDERS_PASSWORD": env["PROVIDERS_TEST_PASSWORD"]}):
            server = browser.server_from_arguments(args)
        provider = browser.provider_for(server)
        self.assertEqual(type(provider).__name__, "PostgreSQLProvider")
        # A profile of a settings file is served by the provider it names.
        self.assertEqual(type(browser.provider_for(Contracts.Server.new_with_provider("postgresql"))).__name__,
                         "PostgreSQLProvider")

        window = browser.Browser(provider, server, "")
        window.present()
        settle(window)
        self.run_in(window, "SELECT 12.50::numeric(6, 2) AS price, CAST(0.000100 AS DECIMAL(9, 6)) AS small,"
                            " 123456789012345678901234567890.5::numeric AS wide, NULL::numeric AS none")
        self.assertEqual([c.get_data_type() for c in window.table.columns], [Contracts.DataType.DECIMAL] * 4)
        self.assertEqual([drawn(window, 0, p) for p in range(4)],
                         ["12.50", "0.000100", "123456789012345678901234567890.5", "NULL"],
                         "DECIMAL and NUMERIC cells as drawn keep the server's digits")
        self.assertRegex(window.status.get_text(), r"^1 row · \d+ ms$")
        window.destroy()


if __name__ == "__main__":
    unittest.main()
