"""Saves what a realized widget shows as a PNG file.

PyGObject cannot hold GTK's render nodes (they are not GObjects), so the
three calls that pass one are made through ctypes; the objects at either
end are handed over by address through a GValue.
"""
import ctypes

from gi.repository import GObject

_gtk = ctypes.CDLL("libgtk-4.so.1")
for name, restype, argtypes in [
        ("gtk_snapshot_new", ctypes.c_void_p, []),
        ("gtk_snapshot_free_to_node", ctypes.c_void_p, [ctypes.c_void_p]),
        ("gdk_paintable_snapshot", None, [ctypes.c_void_p, ctypes.c_void_p, ctypes.c_double, ctypes.c_double]),
        ("gsk_renderer_render_texture", ctypes.c_void_p, [ctypes.c_void_p, ctypes.c_void_p, ctypes.c_void_p]),
        ("gsk_render_node_unref", None, [ctypes.c_void_p]),
        ("gdk_texture_save_to_png", ctypes.c_bool, [ctypes.c_void_p, ctypes.c_char_p]),
        ("g_object_unref", None, [ctypes.c_void_p])]:
    function = getattr(_gtk, name)
    function.restype, function.argtypes = restype, argtypes


def save_png(widget, path):
    from gi.repository import Gtk
    paintable = GObject.Value(GObject.Object, Gtk.WidgetPaintable.new(widget))
    renderer = GObject.Value(GObject.Object, widget.get_native().get_renderer())
    snapshot = _gtk.gtk_snapshot_new()
    _gtk.gdk_paintable_snapshot(paintable.peek_pointer(), snapshot, widget.get_width(), widget.get_height())
    node = _gtk.gtk_snapshot_free_to_node(snapshot)
    if not node:
        raise RuntimeError("the widget painted nothing")
    texture = _gtk.gsk_renderer_render_texture(renderer.peek_pointer(), node, None)
    _gtk.gsk_render_node_unref(node)
    saved = _gtk.gdk_texture_save_to_png(texture, str(path).encode())
    _gtk.g_object_unref(texture)
    if not saved:
        raise OSError(f"could not write {path}")
