/* The one place that reaches into libgee's GeeArrayList storage.
 *
 * The models' lists are GeeArrayList instances that the models created,
 * and GeeArrayList keeps its storage in public fields; going to them
 * straight keeps the per-cell paths (get_value_at, get_item) at an index
 * and a reference, and lets a filled array become a list's storage
 * without a reference taken and dropped per element. Nothing else in the
 * library touches those fields.
 *
 * Assumes libgee 0.20 (the 0.8 API; Debian 12 ships 0.20.6), whose
 * GeeArrayList holds:
 * - `_items`, a g_malloc'ed array of `_items_length1` slots (mirrored in
 *   `__items_size_`), the first `_size` of them the elements, each holding
 *   one reference (the list's element functions are g_object_ref/unref);
 * - every slot past `_size` null: finalize drops each non-null slot of all
 *   `_items_length1`, and growing the list zero-fills the slots it adds;
 * - no other copy of the storage: a null `_items` with length 0 is a valid
 *   empty list (finalize and growing accept it).
 * tests/models/list-storage-test.cpp checks each of these against the
 * installed libgee through its own API; none of GLib's internals are read.
 */
#pragma once

#include <gee.h>

#include <cstring>

namespace providers::models {

inline guint
list_size (GeeArrayList *list)
{
  return list->_size > 0 ? static_cast<guint> (list->_size) : 0u;
}

/* The element at `position` (borrowed), or null past the end. */
inline gpointer
list_peek_at (GeeArrayList *list, guint position)
{
  return position < list_size (list) ? list->_items[position] : nullptr;
}

/* The element at `position` as a new reference, or null past the end. */
inline gpointer
list_ref_at (GeeArrayList *list, guint position)
{
  gpointer item = list_peek_at (list, position);
  return item ? g_object_ref (item) : nullptr;
}

/* Makes `items` (g_malloc'ed, exactly `count` long, one reference per
 * element) the storage of the empty `list`, whose own array is freed. */
inline void
list_adopt_storage (GeeArrayList *list, gpointer *items, guint count)
{
  g_free (list->_items);
  list->_items = items;
  list->_items_length1 = list->__items_size_ = list->_size = static_cast<gint> (count);
}

/* Takes the storage of `list` (one reference per element, `*count` of
 * them) and leaves the list empty, without storage. */
inline gpointer *
list_steal_storage (GeeArrayList *list, guint *count)
{
  gpointer *items = list->_items;
  *count = list_size (list);
  list->_items = nullptr;
  list->_items_length1 = list->__items_size_ = list->_size = 0;
  return items;
}

/* Appends `count` elements, adopting the reference to each, growing the
 * storage as the list itself would (the capacity doubles) and keeping the
 * slots past the end null. */
inline void
list_append_adopted (GeeArrayList *list, gpointer const *items, guint count)
{
  if (count == 0) return;
  const guint size = list_size (list);
  const guint needed = size + count;
  if (needed > static_cast<guint> (list->_items_length1)) {
    guint capacity = MAX (needed, 2u * static_cast<guint> (list->_items_length1));
    list->_items = g_renew (gpointer, list->_items, capacity);
    std::memset (list->_items + size, 0, (capacity - size) * sizeof (gpointer));
    list->_items_length1 = list->__items_size_ = static_cast<gint> (capacity);
  }
  std::memcpy (list->_items + size, items, count * sizeof (gpointer));
  list->_size = static_cast<gint> (needed);
}

/* The first position holding `item` itself, or -1. */
inline gint
list_find (GeeArrayList *list, gconstpointer item)
{
  for (guint i = 0, n = list_size (list); i < n; ++i)
    if (list->_items[i] == item) return static_cast<gint> (i);
  return -1;
}

}  // namespace providers::models

#include <gio/gio.h>

namespace providers::models {

/* Publishes one of a model's own lists as its GListModel: the item type,
 * the count, and each element as a new reference (null past the end). */
template <GType (*ItemType) (), GeeArrayList *(*ListOf) (gpointer model)>
void
publish_list (GListModelInterface *iface)
{
  iface->get_item_type = [] (GListModel *) { return ItemType (); };
  iface->get_n_items = [] (GListModel *model) { return list_size (ListOf (model)); };
  iface->get_item = [] (GListModel *model, guint position) { return list_ref_at (ListOf (model), position); };
}

}  // namespace providers::models
