#!/usr/bin/python3
"""A result browser: type SQL, see the result, edit rows in memory.

Built on the library's public interface through introspection and on GTK 4
only. Statements run on a worker thread so the window keeps painting; the
result is a TableModel shown in a Gtk.ColumnView, one column per
ColumnModel. Editing a cell (double click), inserting, deleting and undoing
go through the table's own operations; nothing is written back to the
server.

    browser.py --settings FILE --profile TITLE [-e SQL]
    browser.py -H HOST -P PORT -u USER [-D DATABASE] [-p] [-e SQL]
    browser.py --postgresql -H HOST [-P PORT] -u USER [-D DATABASE] [-p] [-e SQL]
    browser.py --sqlite FILE [-e SQL]

A profile's "provider" chooses the provider that opens it: "PostgreSQL" or
"SQLite", MySQL's for any other.

The password comes from the profile, from $PROVIDERS_PASSWORD, or, with -p,
from a prompt on the terminal.
"""
import argparse
import getpass
import importlib
import os
import struct
import sys
import threading
import time

import gi

gi.require_version("Gtk", "4.0")
gi.require_version("ProvidersContracts", "0.1")
gi.require_version("ProvidersSupports", "0.1")
from gi.repository import GLib, GObject, Gtk  # noqa: E402
from gi.repository import ProvidersContracts as Contracts  # noqa: E402
from gi.repository import ProvidersSupports as Supports  # noqa: E402

# The "provider" of the profiles that an engine library's provider serves,
# and the introspection namespace and class of that provider.
SQLITE_PROVIDER = "SQLite"
POSTGRESQL_PROVIDER = "PostgreSQL"
ENGINE_PROVIDERS = {
    SQLITE_PROVIDER.lower(): ("ProvidersSQLite", "SQLiteProvider"),
    POSTGRESQL_PROVIDER.lower(): ("ProvidersPostgreSQL", "PostgreSQLProvider"),
}

DataType = Contracts.DataType
DataVersion = Contracts.DataVersion

NUMERIC = {DataType.INT8, DataType.INT16, DataType.INT32, DataType.INT64, DataType.UINT8,
           DataType.UINT16, DataType.UINT32, DataType.UINT64, DataType.FLOAT, DataType.DOUBLE,
           DataType.DECIMAL, DataType.MONEY}
# Cells shown as the server spelled them.
SERVER_DIGITS = {DataType.DECIMAL, DataType.MONEY}

# The edit state of a row: a mark for the state column and a style for its cells.
STATES = {
    int(DataVersion.INSERT): ("+", "inserted"),
    int(DataVersion.UPDATE): ("✎", "updated"),
    int(DataVersion.DELETE): ("✕", "deleted"),
}

CSS = b"""
.null { font-style: italic; color: alpha(currentColor, 0.45); }
.inserted { color: #26a269; }
.updated { color: #c64600; }
.deleted { text-decoration-line: line-through; color: alpha(currentColor, 0.55); }
row:selected .inserted, row:selected .updated { color: inherit; }
.state { font-weight: bold; }
.status { padding: 4px 8px; }
"""


def shortest_text(number, single):
    """The fewest significant digits that read back to the same number: to
    the same 32-bit float when single, else to the same double."""
    for digits in range(1, 18):
        text = "%.*g" % (digits, number)
        back = float(text)
        try:
            if single:
                back = struct.unpack("f", struct.pack("f", back))[0]
        except OverflowError:
            continue
        if back == number:
            return text
    return repr(number)


def cell_text(value):
    """A cell as text, or None for a database null. A DECIMAL or MONEY cell
    shows its own text, the server's digits, which its double would round;
    floating numbers and bytes come from the held value: the values' own
    text forms round them to two places and cut bytes at the first zero."""
    if value is None or value.get_is_null():
        return None
    data_type = value.get_data_type()
    if data_type in SERVER_DIGITS:
        return value.to_string()
    held = value.to_value()
    if isinstance(held, float):
        return shortest_text(held, data_type == DataType.FLOAT)
    if isinstance(held, GLib.Bytes):
        data = held.get_data() or b""
        try:
            text = data.decode()
            if text.isprintable():
                return text
        except UnicodeDecodeError:
            pass
        return "0x" + data.hex().upper()
    return value.to_string()


def version_state(row):
    return STATES.get(int(row.get_version()), ("", None))


class RowCell(Gtk.Label):
    """A label that follows the edit state of the row it shows."""

    def __init__(self, **props):
        super().__init__(**props)
        self.row = None
        self.handler = 0
        self.style = None

    def follow(self, row):
        self.row = row
        self.handler = row.connect("notify::version", lambda *_: self.refresh())

    def leave(self):
        if self.row is not None:
            self.row.disconnect(self.handler)
        self.row, self.handler = None, 0

    def set_style(self, style):
        if self.style:
            self.remove_css_class(self.style)
        self.style = style
        if style:
            self.add_css_class(style)

    def refresh(self):
        raise NotImplementedError


class StateCell(RowCell):
    def __init__(self):
        super().__init__(xalign=0.5, width_chars=2)
        self.add_css_class("state")

    def refresh(self):
        mark, style = version_state(self.row)
        self.set_text(mark)
        self.set_style(style)
        self.set_tooltip_text(style)


class ValueCell(RowCell):
    def __init__(self, position, numeric, edit=None):
        super().__init__(xalign=1.0 if numeric else 0.0, ellipsize=3, max_width_chars=40)
        self.position = position
        if edit is not None:
            # A double click edits the cell in a popover; Enter keeps the text.
            click = Gtk.GestureClick()
            click.connect("pressed", lambda g, n, x, y: n == 2 and self.start_editing(edit))
            self.add_controller(click)

    def start_editing(self, edit):
        text = cell_text(self.row.get_item(self.position))
        entry = Gtk.Entry(text="" if text is None else text, width_chars=30,
                          placeholder_text="NULL when empty")
        popover = Gtk.Popover(child=entry)
        popover.set_parent(self)
        popover.connect("closed", lambda p: GLib.idle_add(p.unparent))

        def commit(entry):
            row = self.row
            popover.popdown()
            if row is not None:
                edit(row, self.position, entry.get_text() or None)
        entry.connect("activate", commit)
        popover.popup()
        return entry

    def refresh(self):
        text = cell_text(self.row.get_item(self.position))
        self.set_text("NULL" if text is None else text)
        self.set_style(version_state(self.row)[1])
        if text is None:
            self.add_css_class("null")
        else:
            self.remove_css_class("null")


def cell_factory(make_cell):
    factory = Gtk.SignalListItemFactory()
    factory.connect("setup", lambda f, item: item.set_child(make_cell()))

    def bind(f, item):
        cell = item.get_child()
        cell.follow(item.get_item())
        cell.refresh()
    factory.connect("bind", bind)
    factory.connect("unbind", lambda f, item: item.get_child().leave())
    return factory


def run_in_worker(work, done):
    """Calls work() on a thread of its own and done(result, error, seconds)
    on the main context. PyGObject lets go of the interpreter lock while the
    library runs, so the window keeps painting meanwhile."""
    started = time.monotonic()

    def thread():
        try:
            result, error = work(), None
        except (GLib.Error, ValueError) as e:
            result, error = None, e
        GLib.idle_add(done, result, error, time.monotonic() - started)
    threading.Thread(target=thread, daemon=True).start()


class Browser(Gtk.ApplicationWindow):
    __gsignals__ = {
        # The result of a statement is on screen (or its error in the status line).
        "finished": (GObject.SignalFlags.RUN_LAST, None, ()),
    }

    def __init__(self, provider, server, statement="", **props):
        super().__init__(title="Result browser", default_width=960, default_height=440, **props)
        self.provider, self.server = provider, server
        self.table = None
        self.undo_steps = []
        self.timing = ""

        css = Gtk.CssProvider()
        css.load_from_data(CSS)
        Gtk.StyleContext.add_provider_for_display(self.get_display(), css,
                                                  Gtk.STYLE_PROVIDER_PRIORITY_APPLICATION)

        self.sql = Gtk.Entry(text=statement, hexpand=True, placeholder_text="SQL statements")
        self.sql.connect("activate", lambda *_: self.run_statement())
        self.run_button = Gtk.Button(label="Run")
        self.run_button.add_css_class("suggested-action")
        self.run_button.connect("clicked", lambda *_: self.run_statement())
        self.insert_button = Gtk.Button(label="Insert row", sensitive=False)
        self.insert_button.connect("clicked", lambda *_: self.insert_row())
        self.delete_button = Gtk.Button(label="Delete row", sensitive=False)
        self.delete_button.connect("clicked", lambda *_: self.delete_row())
        self.undo_button = Gtk.Button(label="Undo", sensitive=False)
        self.undo_button.connect("clicked", lambda *_: self.undo())

        bar = Gtk.Box(spacing=6, margin_start=6, margin_end=6, margin_top=6, margin_bottom=6)
        for widget in (self.sql, self.run_button, self.insert_button, self.delete_button, self.undo_button):
            bar.append(widget)

        self.selection = Gtk.SingleSelection(autoselect=False, can_unselect=True)
        self.selection.connect("notify::selected", lambda *_: self.update_buttons())
        self.view = Gtk.ColumnView(model=self.selection, show_row_separators=True,
                                   show_column_separators=True, reorderable=False)
        scroller = Gtk.ScrolledWindow(child=self.view, vexpand=True)
        self.status = Gtk.Label(xalign=0, selectable=True)
        self.status.add_css_class("status")

        box = Gtk.Box(orientation=Gtk.Orientation.VERTICAL)
        box.append(bar)
        box.append(scroller)
        box.append(self.status)
        self.set_child(box)
        self.set_status("Type a statement and press Enter.")

    # Running statements

    def run_statement(self, text=None):
        text = self.sql.get_text() if text is None else text
        if not text.strip() or not self.run_button.get_sensitive():
            return
        self.run_button.set_sensitive(False)
        self.set_status("Running…")
        provider, server = self.provider, self.server

        def work():
            if not provider.get_is_opened():
                provider.open(server, "")
            return provider.execute_statements(text)
        run_in_worker(work, self.finish)

    def finish(self, results, error, seconds):
        self.run_button.set_sensitive(True)
        self.timing = f"{seconds * 1000:.0f} ms"
        if isinstance(error, GLib.Error):
            self.set_status(f"ERROR {error.code}: {error.message}")
        elif error is not None:
            self.set_status(f"ERROR: {error}")
        else:
            tables = [r for r in results if isinstance(r, Contracts.TableModel)]
            errors = [r for r in results if isinstance(r, Contracts.ValueError)]
            affected = sum(r.props.itsvalue for r in results if isinstance(r, Contracts.ValueUInt64))
            if tables:
                self.show_table(tables[-1])
            if errors:
                self.set_status(f"ERROR: {errors[0].to_string()}")
            elif not tables:
                self.set_status(f"{affected} rows affected · {self.timing}")
        self.emit("finished")
        return GLib.SOURCE_REMOVE

    # The table on screen

    def show_table(self, table):
        if self.table is not None:
            self.table.disconnect(self.table_handler)
        self.table = table
        self.undo_steps.clear()
        self.selection.set_model(None)
        for column in list(self.view.get_columns()):
            self.view.remove_column(column)

        state = Gtk.ColumnViewColumn(title="", factory=cell_factory(StateCell))
        self.view.append_column(state)
        for position, column in enumerate(table.columns):
            title = column.get_title() or column.get_name()
            numeric = column.get_data_type() in NUMERIC
            factory = cell_factory(lambda p=position, n=numeric: ValueCell(p, n, self.edit_cell))
            self.view.append_column(Gtk.ColumnViewColumn(title=title, factory=factory, resizable=True))

        self.table_handler = table.connect("items-changed", lambda *_: self.set_status())
        self.selection.set_model(table)
        self.selection.set_selected(Gtk.INVALID_LIST_POSITION)
        self.set_status()

    def selected_position(self):
        position = self.selection.get_selected()
        return None if position == Gtk.INVALID_LIST_POSITION else position

    def insert_row(self):
        """A new row (holding each column's default value) after the
        selected one, or at the end."""
        position = self.selected_position()
        row = self.table.new_row()
        position = self.table.insert(-1 if position is None else position + 1, row)
        self.undo_steps.append(("insert", row, None))
        self.selection.set_selected(position)
        self.update_buttons()
        self.set_status()

    def delete_row(self):
        """Marks a row read from the server deleted; a row inserted here
        was never on the server, and the table drops it."""
        position = self.selected_position()
        if position is None:
            return
        row = self.table.get_item(position)
        self.undo_steps.append(("delete", row, (position, row.get_version())))
        self.table.update_row_version(position, DataVersion.DELETE)
        self.update_buttons()
        self.set_status()

    def edit_cell(self, row, column, text):
        """Replaces a cell by a value of its column's type made from `text`
        (a database null for None) and marks a row as read updated."""
        found, position = self.table.find(row)
        if not found:
            return
        data_type = self.table.columns[column].get_data_type()
        value = Contracts.ValueNull.new() if text is None else Contracts.ivalue_factory(data_type, text)
        self.undo_steps.append(("edit", row, (column, self.table.get_value_at(column, position),
                                              row.get_version())))
        self.table.set_value_at(column, position, value)
        self.table.update_row_version(position, DataVersion.UPDATE)
        # A new value emits nothing: views bind the row again when told.
        self.table.items_changed(position, 1, 1)
        self.update_buttons()
        self.set_status()

    def undo(self):
        if not self.undo_steps:
            return
        action, row, detail = self.undo_steps.pop()
        found, position = self.table.find(row)
        if action == "insert" and found:
            self.table.delete_at(position)
        elif action == "delete" and found:
            row.set_version(detail[1])
        elif action == "delete":
            self.table.insert(detail[0], row)
        elif action == "edit" and found:
            column, value, version = detail
            self.table.set_value_at(column, position, value)
            row.set_version(version)
            self.table.items_changed(position, 1, 1)
        self.update_buttons()
        self.set_status()

    def update_buttons(self):
        loaded = self.table is not None
        self.insert_button.set_sensitive(loaded)
        self.delete_button.set_sensitive(loaded and self.selected_position() is not None)
        self.undo_button.set_sensitive(bool(self.undo_steps))

    def set_status(self, text=None):
        if text is None and self.table is not None:
            # Only the rows edited here can have changed: walking every row
            # on each change would cost a big table dearly.
            counts, edited = {}, []
            for _, row, _ in self.undo_steps:
                if row not in edited and self.table.find(row)[0]:
                    edited.append(row)
                    style = version_state(row)[1]
                    if style:
                        counts[style] = counts.get(style, 0) + 1
            n = self.table.get_n_items()
            text = f"{n} row{'' if n == 1 else 's'} · {self.timing}"
            if counts:
                text += " · " + ", ".join(f"{count} {style}" for style, count in sorted(counts.items()))
        self.status.set_text(text or "")


def server_from_arguments(args):
    if args.sqlite:
        # A database kept in a file: nothing to log in to.
        server = Contracts.Server.new_with_provider(SQLITE_PROVIDER)
        server.props.filename = args.sqlite
        return server
    if args.settings:
        setting = Contracts.ServerSetting.new()
        setting.load(args.settings)
        servers = [s for s in setting.unite_servers() if args.profile in (s.props.title, s.props.uuid)]
        if not servers:
            sys.exit(f"no profile titled {args.profile!r} in {args.settings}")
        server = servers[0]
    else:
        if args.postgresql:
            server = Contracts.Server.new_with_provider(POSTGRESQL_PROVIDER)
        else:
            server = Contracts.Server.new()
        server.props.host = args.host
        # Port 0 is the provider's own default: 5432 for PostgreSQL.
        server.props.port = args.port if args.port is not None else 0 if args.postgresql else 3306
        server.props.username = args.user
        server.props.initial = args.database
        server.props.password = os.environ.get("PROVIDERS_PASSWORD", "")
        if args.prompt:
            server.props.password = getpass.getpass(f"Password for {args.user}@{args.host}: ")
    return server


def provider_for(server):
    """The provider the profile names: an engine library's, MySQL's for every other name."""
    engine = ENGINE_PROVIDERS.get((server.props.provider or "").lower())
    if engine is None:
        return Supports.MySQLProvider.new()
    namespace, class_name = engine
    gi.require_version(namespace, "0.1")
    module = importlib.import_module("gi.repository." + namespace)
    return getattr(module, class_name).new()


def parse_arguments(argv=None):
    parser = argparse.ArgumentParser(description="Browse the results of SQL statements.")
    parser.add_argument("--settings", help="a settings file of server profiles")
    parser.add_argument("--profile", help="the profile to open, by title or identifier")
    parser.add_argument("-H", "--host", default="127.0.0.1")
    parser.add_argument("-P", "--port", type=int, help="the server's port (3306, 5432 for PostgreSQL)")
    parser.add_argument("-u", "--user", default=os.environ.get("USER", ""))
    parser.add_argument("-D", "--database", default="")
    parser.add_argument("-p", "--prompt", action="store_true", help="ask for the password")
    engine = parser.add_mutually_exclusive_group()
    engine.add_argument("--postgresql", action="store_true", help="the server is a PostgreSQL server")
    engine.add_argument("--sqlite", metavar="FILE", help="open this SQLite database file instead of a server")
    parser.add_argument("-e", "--execute", default="", help="a statement to run at once")
    args = parser.parse_args(argv)
    if bool(args.settings) != bool(args.profile):
        parser.error("--settings and --profile go together")
    return args


def main(argv=None):
    args = parse_arguments(argv)
    server = server_from_arguments(args)

    app = Gtk.Application(application_id="org.example.ProvidersBrowser")
    provider = provider_for(server)

    def activate(app):
        window = Browser(provider, server, args.execute, application=app)
        window.present()
        window.run_statement()
    app.connect("activate", activate)
    try:
        return app.run([sys.argv[0]])
    except KeyboardInterrupt:
        return 130


if __name__ == "__main__":
    sys.exit(main())
