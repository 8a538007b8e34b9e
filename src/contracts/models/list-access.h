/* Reads of the models' own libgee array lists.
 *
 * The lists are always GeeArrayList instances that the models created, and
 * GeeArrayList keeps its storage in public fields, so size and element
 * reads go straight to them: the per-cell paths (get_value_at, get_item)
 * cost an index and a reference, with no virtual call.
 */
#pragma once

#include <gee.h>

namespace providers::models {

/* A list holding one reference per element, with no equality function:
 * searches compare elements by identity. */
inline GeeArrayList *
new_object_list (GType element_type)
{
  return gee_array_list_new (element_type, reinterpret_cast<GBoxedCopyFunc> (g_object_ref), g_object_unref, nullptr,
                             nullptr, nullptr);
}

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
