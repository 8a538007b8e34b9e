"""Pythonic helpers for ProvidersContracts, loaded by PyGObject itself.

Introspection cannot say what a libgee list holds, so its get() answers a
bare pointer. The properties added here wrap the lists of columns, tables,
values, organizations, groups and servers as live Python sequences of
objects; changing a sequence changes the list the object itself holds.

Text arguments reach C cut at the first NUL character, so a statement with
one would run as a different, shorter statement: the statement operations
refuse such text instead.
"""
from collections.abc import MutableSequence

from gi.module import get_introspection_module
from gi.overrides import override
from gi.repository import GObject

ProvidersContracts = get_introspection_module("ProvidersContracts")
_GObject = get_introspection_module("GObject")

__all__ = []


def _export(cls):
    overridden = override(cls)
    __all__.append(cls.__name__)
    return overridden


class ObjectList(MutableSequence):
    """A live view of a libgee array list of objects.

    Reads answer the objects themselves, writes go to the list. When the
    list holds the items of a list model (a data set's tables, a row's
    values), changes made through the view emit that model's
    items-changed, so bound views follow.
    """

    def __init__(self, gee_list, model=None):
        self._list = gee_list
        self._type = gee_list.props.g_type
        self._model = model

    def __len__(self):
        return self._list.get_size()

    def _index(self, index):
        size = len(self)
        if not isinstance(index, int):
            raise TypeError(f"list indices must be integers or slices, not {type(index).__name__}")
        if index < 0:
            index += size
        # libgee aborts the process on a position outside the list.
        if not 0 <= index < size:
            raise IndexError("list index out of range")
        return index

    def _wrap(self, pointer):
        # get and remove_at hand a reference over with the pointer; the
        # Python object holds its own, so that one is given back.
        value = GObject.Value()
        value.init(self._type)
        value.set_instance(pointer)
        item = value.get_object()
        value.unset()
        _GObject.Object.unref(item)
        return item

    def _pointer(self, item):
        # Refuses anything that is not of the list's element type.
        return GObject.Value(self._type, item)

    def _changed(self, position, removed, added):
        if self._model is not None:
            self._model.items_changed(position, removed, added)

    def __getitem__(self, index):
        if isinstance(index, slice):
            return [self[i] for i in range(*index.indices(len(self)))]
        return self._wrap(self._list.get(self._index(index)))

    def __setitem__(self, index, item):
        if isinstance(index, slice):
            raise TypeError("slice assignment is not supported")
        index = self._index(index)
        value = self._pointer(item)
        self._list.set(index, value.peek_pointer())
        value.unset()
        self._changed(index, 1, 1)

    def __delitem__(self, index):
        if isinstance(index, slice):
            for i in sorted(range(*index.indices(len(self))), reverse=True):
                del self[i]
            return
        index = self._index(index)
        self._wrap(self._list.remove_at(index))
        self._changed(index, 1, 0)

    def insert(self, index, item):
        size = len(self)
        if index < 0:
            index = max(0, index + size)
        index = min(index, size)
        value = self._pointer(item)
        self._list.insert(index, value.peek_pointer())
        value.unset()
        self._changed(index, 0, 1)

    def clear(self):
        size = len(self)
        self._list.clear()
        self._changed(0, size, 0)

    def index(self, item, start=0, stop=None):
        # By identity, as the library's lists compare their elements; the
        # answer is a position from the front, also for a negative start.
        start, stop, _ = slice(start, stop).indices(len(self))
        for i in range(start, stop):
            if self[i] == item:
                return i
        raise ValueError(f"{item!r} is not in list")

    def __contains__(self, item):
        return any(candidate == item for candidate in self)

    def __iter__(self):
        for i in range(len(self)):
            yield self[i]

    def __repr__(self):
        return f"ObjectList({list(self)!r})"

    @property
    def gee_list(self):
        """The libgee list itself, for functions that take one."""
        return self._list


__all__.append("ObjectList")


def _check_statement(statement):
    if isinstance(statement, str) and "\0" in statement:
        raise ValueError(
            f"the SQL text has a NUL character at offset {statement.index(chr(0))}; "
            "the library would read it only up to there and run the shorter statement")


class IProvider(ProvidersContracts.IProvider):
    def execute_model(self, statement, reserved=0):
        _check_statement(statement)
        return super().execute_model(statement, reserved)

    def execute_affect(self, statement, reserved=0):
        _check_statement(statement)
        return super().execute_affect(statement, reserved)

    def execute_scalar(self, statement, reserved=0):
        _check_statement(statement)
        return super().execute_scalar(statement, reserved)

    def execute_statements(self, statements, reserved=0):
        _check_statement(statements)
        return super().execute_statements(statements, reserved)

    def execute_reader(self, statement):
        _check_statement(statement)
        return super().execute_reader(statement)


IProvider = _export(IProvider)


class TableModel(ProvidersContracts.TableModel):
    @property
    def columns(self):
        """The table's ColumnModels, in order. Removing columns here does not
        change the rows: keep both in step."""
        return ObjectList(self.get_columns())


TableModel = _export(TableModel)


class RowModel(ProvidersContracts.RowModel):
    @property
    def values(self):
        """The row's values; changes emit the row's items-changed. A table
        bound to views hears nothing of them."""
        return ObjectList(self.get_values(), self)


RowModel = _export(RowModel)


class DataSetModel(ProvidersContracts.DataSetModel):
    @property
    def tables(self):
        """The data set's tables; changes emit the data set's items-changed."""
        return ObjectList(self.get_tables(), self)


DataSetModel = _export(DataSetModel)


class ServerSetting(ProvidersContracts.ServerSetting):
    @property
    def organizations(self):
        return ObjectList(self.get_organizations())

    @property
    def groups(self):
        """The groups outside any organization."""
        return ObjectList(self.get_groups())

    @property
    def servers(self):
        """The servers outside any group."""
        return ObjectList(self.get_servers())


ServerSetting = _export(ServerSetting)


class Organization(ProvidersContracts.Organization):
    @property
    def groups(self):
        return ObjectList(self.get_groups())


Organization = _export(Organization)


class ServerGroup(ProvidersContracts.ServerGroup):
    @property
    def servers(self):
        return ObjectList(self.get_servers())


ServerGroup = _export(ServerGroup)
