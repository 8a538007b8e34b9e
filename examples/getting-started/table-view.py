#!/usr/bin/python3
"""A query's table shown in a GTK 4 column view: the table is a GListModel
of rows, so the view takes it as it is, one column for each of its columns,
each cell a label that shows a value as its class prints it.

    table-view.py DATABASE_FILE SQL [--print]

With --print the program prints what the window shows, row by row, once it
is drawn, and quits.
"""
import sys

import gi

gi.require_version("Gtk", "4.0")
gi.require_version("ProvidersContracts", "0.1")
gi.require_version("ProvidersSQLite", "0.1")
from gi.repository import Gtk  # noqa: E402
from gi.repository import ProvidersContracts as Contracts  # noqa: E402
from gi.repository import ProvidersSQLite  # noqa: E402


def cell_factory(position):
    """Each item of the table is a row; the factory knows which of its
    values its column shows."""
    factory = Gtk.SignalListItemFactory()
    factory.connect("setup", lambda f, item: item.set_child(Gtk.Label()))

    def bind(factory, item):
        value = item.get_item().get_value_at(position)
        item.get_child().set_text("NULL" if value.get_is_null() else value.to_string())
    factory.connect("bind", bind)
    return factory


def column_view_of(table):
    view = Gtk.ColumnView(model=Gtk.NoSelection(model=table))
    for position, column in enumerate(table.columns):
        view.append_column(Gtk.ColumnViewColumn(title=column.get_name(), factory=cell_factory(position)))
    return view


def print_labels(window, widget, line=None):
    """The labels under `widget`, in the order they are drawn, a line for
    each height in `window` they are drawn at: the titles, then each row."""
    child = widget.get_first_child()
    while child is not None:
        # The point of the label in the window; None when it is not in it.
        placed = child.translate_coordinates(window, 0, 0) if isinstance(child, Gtk.Label) else None
        if placed is not None:
            y = placed[1]
            print((" | " if y == line else "\n" if line is not None else "") + child.get_text(), end="")
            line = y
        line = print_labels(window, child, line)
        child = child.get_next_sibling()
    return line


def main(argv):
    if len(argv) not in (3, 4) or argv[3:] not in ([], ["--print"]):
        sys.exit(f"usage: {argv[0]} DATABASE_FILE SQL [--print]")
    path, sql, printing = argv[1], argv[2], len(argv) == 4

    profile = Contracts.Server.new_with_provider("SQLite")
    profile.props.filename = path
    provider = ProvidersSQLite.SQLiteProvider.new()
    provider.open(profile, "")
    table = provider.execute_model(sql)
    # The table holds its values itself: the provider may go.
    provider.close()

    def activate(application):
        window = Gtk.ApplicationWindow(application=application, title=sql, default_width=480, default_height=240)
        window.set_child(Gtk.ScrolledWindow(child=column_view_of(table)))
        window.present()
        if printing:
            clock = window.get_frame_clock()

            def print_and_quit(clock):
                clock.disconnect(handler)
                try:
                    print_labels(window, window)
                    print()
                finally:
                    window.destroy()
            handler = clock.connect("after-paint", print_and_quit)

    application = Gtk.Application(flags=0)
    application.connect("activate", activate)
    return application.run([argv[0]])


if __name__ == "__main__":
    sys.exit(main(sys.argv))
