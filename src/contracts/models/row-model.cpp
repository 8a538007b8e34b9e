/* RowModel: the values of one row, in column order, and its edit version.
 * A row is also a read-only list model of its values.
 *
 * A result holds a row per record, and few callers ever ask a row for its
 * list object: a row keeps its values in a plain array and makes the
 * GeeArrayList only when asked for it ("values", get_values). The array
 * is handed to the list, which from then on is the one truth (callers may
 * add and remove through it); every other path reads whichever holds the
 * values. */
#include "libproviders/models/row-model.h"

#include <gio/gio.h>

#include <atomic>
#include <cstring>

#include "common/check.h"
#include "common/private-data.h"
#include "common/compat-texts.h"
#include "contracts/models/list-access-internal.h"
#include "contracts/models/model-internal.h"
#include "common/property-helpers.h"

struct TorvanixProvidersContractsRowModelPrivate {
  /* Null until someone asks for the list; set once, atomically, since a
   * getter may be called on a shared row from two threads. */
  GeeArrayList *values = nullptr;
  gpointer *items = nullptr; /* the values until then: one reference each */
  guint count = 0;
  guint version = 0; /* DataVersion flags, kept as the caller's bits */
  /* Whether a caller ever reached the row or one of its values (one was
   * handed out or put in, or the row itself was): a dropped table then
   * checks this row's values one by one before another thread may release
   * them. Written by getters, so possibly by two threads at once: relaxed
   * atomics. */
  guint lent = 0;

  TorvanixProvidersContractsRowModelPrivate () = default;
  TorvanixProvidersContractsRowModelPrivate (const TorvanixProvidersContractsRowModelPrivate &) = delete;
  /* Whichever holds the values goes. */
  ~TorvanixProvidersContractsRowModelPrivate ();
};

namespace {

enum { PROP_0, PROP_VERSION, PROP_VALUES, N_PROPS };
GParamSpec *props[N_PROPS];

void row_list_model_init (GListModelInterface *iface);

}  // namespace

PROVIDERS_DEFINE_TYPE_WITH_CODE (TorvanixProvidersContractsRowModel, torvanix_providers_contracts_row_model, G_TYPE_OBJECT,
                                 G_IMPLEMENT_INTERFACE (G_TYPE_LIST_MODEL, row_list_model_init))

namespace {

TorvanixProvidersContractsRowModelPrivate *
priv_of (TorvanixProvidersContractsRowModel *self)
{
  return static_cast<TorvanixProvidersContractsRowModelPrivate *> (
      torvanix_providers_contracts_row_model_get_instance_private (self));
}

using providers::models::RowCells;

GeeArrayList *
list_of (TorvanixProvidersContractsRowModelPrivate *priv)
{
  return static_cast<GeeArrayList *> (g_atomic_pointer_get (&priv->values));
}

void
mark_lent (TorvanixProvidersContractsRowModelPrivate *priv)
{
  std::atomic_ref<guint> lent (priv->lent);
  if (lent.load (std::memory_order_relaxed) == 0) lent.store (1, std::memory_order_relaxed);
}

/* The list object, made on first request: it adopts the array (and the
 * reference to each value) as its storage. Two threads may both get here
 * for one row; the first to publish its list wins and the other puts its
 * own list back to empty before dropping it, so the array has one owner. */
GeeArrayList *
materialise (TorvanixProvidersContractsRowModel *self)
{
  auto *priv = priv_of (self);
  if (GeeArrayList *list = list_of (priv)) return list;
  mark_lent (priv);
  GeeArrayList *list = providers::new_object_list (TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_OBJECT);
  if (priv->count > 0) providers::models::list_adopt_storage (list, priv->items, priv->count);
  if (g_atomic_pointer_compare_and_exchange (&priv->values, nullptr, list)) return list;
  /* Lost the race: the array stays the row's until the winner's list. */
  guint count = 0;
  if (priv->count > 0) providers::models::list_steal_storage (list, &count);
  g_object_unref (list);
  return list_of (priv);
}

void
free_items (gpointer *items, guint count)
{
  for (guint i = 0; i < count; ++i)
    if (items[i]) g_object_unref (items[i]);
  g_free (items);
}

}  // namespace

TorvanixProvidersContractsRowModelPrivate::~TorvanixProvidersContractsRowModelPrivate ()
{
  if (GeeArrayList *list = list_of (this))
    g_object_unref (list);
  else
    free_items (items, count);
}

namespace {

GType
row_item_type (GListModel *)
{
  return TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_OBJECT;
}

guint
row_n_items (GListModel *model)
{
  return providers::models::row_cells (TORVANIX_PROVIDERS_CONTRACTS_ROW_MODEL (model)).count;
}

gpointer
row_item (GListModel *model, guint position)
{
  return providers::models::row_ref_at (TORVANIX_PROVIDERS_CONTRACTS_ROW_MODEL (model), position);
}

void
row_list_model_init (GListModelInterface *iface)
{
  iface->get_item_type = row_item_type;
  iface->get_n_items = row_n_items;
  iface->get_item = row_item;
}

TorvanixProvidersContractsRowModel *
row_real_clone (TorvanixProvidersContractsRowModel *self)
{
  const RowCells source = providers::models::row_cells (self);
  /* The values' own clone operations see them, and a subclass's may keep
   * a reference. */
  mark_lent (priv_of (self));
  auto *copies = g_new (gpointer, source.count);
  for (guint i = 0; i < source.count; ++i) {
    gpointer value_copy = torvanix_providers_contracts_ivalue_clone (static_cast<TorvanixProvidersContractsIValue *> (source.items[i]));
    /* A value that cannot copy itself (it has already said why) still
     * takes its place, so later cells stay under their columns. */
    copies[i] = value_copy ? value_copy : torvanix_providers_contracts_value_null_new ();
  }
  auto *copy = providers::models::row_adopting_array (copies, source.count);
  torvanix_providers_contracts_row_model_set_version (copy, torvanix_providers_contracts_row_model_get_version (self));
  return copy;
}

void
row_get_property (GObject *object, guint prop_id, GValue *value, GParamSpec *pspec)
{
  auto *priv = priv_of (TORVANIX_PROVIDERS_CONTRACTS_ROW_MODEL (object));
  switch (prop_id) {
    case PROP_VERSION: g_value_set_flags (value, priv->version); break;
    case PROP_VALUES: g_value_set_object (value, materialise (TORVANIX_PROVIDERS_CONTRACTS_ROW_MODEL (object))); break;
    default: G_OBJECT_WARN_INVALID_PROPERTY_ID (object, prop_id, pspec);
  }
}

void
row_set_property (GObject *object, guint prop_id, const GValue *value, GParamSpec *pspec)
{
  if (prop_id == PROP_VERSION)
    torvanix_providers_contracts_row_model_set_version (
        TORVANIX_PROVIDERS_CONTRACTS_ROW_MODEL (object),
        static_cast<TorvanixProvidersContractsDataVersion> (g_value_get_flags (value)));
  else
    G_OBJECT_WARN_INVALID_PROPERTY_ID (object, prop_id, pspec);
}

}  // namespace

static void
torvanix_providers_contracts_row_model_class_init (TorvanixProvidersContractsRowModelClass *klass)
{
  GObjectClass *object_class = G_OBJECT_CLASS (klass);
  object_class->get_property = row_get_property;
  object_class->set_property = row_set_property;
  klass->clone = row_real_clone;

  props[PROP_VERSION] = g_param_spec_flags ("version", "version", "version", TORVANIX_PROVIDERS_CONTRACTS_TYPE_DATA_VERSION,
                                            TORVANIX_PROVIDERS_CONTRACTS_DATA_VERSION_INITIAL,
                                            static_cast<GParamFlags> (G_PARAM_READWRITE | G_PARAM_EXPLICIT_NOTIFY | G_PARAM_STATIC_STRINGS));
  props[PROP_VALUES] = providers::list_pspec ("values");
  g_object_class_install_properties (object_class, N_PROPS, props);
}

extern "C" TorvanixProvidersContractsRowModel *
torvanix_providers_contracts_row_model_construct (GType object_type)
{
  providers_return_val_if_fail_subtype (object_type, TORVANIX_PROVIDERS_CONTRACTS_TYPE_ROW_MODEL, nullptr);
  return static_cast<TorvanixProvidersContractsRowModel *> (g_object_new (object_type, nullptr));
}

extern "C" TorvanixProvidersContractsRowModel *
torvanix_providers_contracts_row_model_new (void)
{
  return torvanix_providers_contracts_row_model_construct (TORVANIX_PROVIDERS_CONTRACTS_TYPE_ROW_MODEL);
}

extern "C" TorvanixProvidersContractsValueObject *
torvanix_providers_contracts_row_model_get_value_at (TorvanixProvidersContractsRowModel *self, gint position)
{
  providers_return_val_if_fail (self != NULL, nullptr);
  providers_return_val_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_ROW_MODEL (self), nullptr);
  if (position < 0) return nullptr;
  return static_cast<TorvanixProvidersContractsValueObject *> (
      providers::models::row_ref_at (self, static_cast<guint> (position)));
}

extern "C" void
torvanix_providers_contracts_row_model_set_value_at (TorvanixProvidersContractsRowModel *self, gint position,
                                                     TorvanixProvidersContractsValueObject *value)
{
  providers_return_if_fail (self != NULL);
  providers_return_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_ROW_MODEL (self));
  providers_return_if_fail (value != NULL);
  providers_return_if_fail_text (position >= 0 && static_cast<guint> (position) < providers::models::row_cells (self).count,
                                 PROVIDERS_TEXT_ROW_POSITION);
  providers::models::row_replace_at (self, static_cast<guint> (position), value);
}

extern "C" TorvanixProvidersContractsRowModel *
torvanix_providers_contracts_row_model_clone (TorvanixProvidersContractsRowModel *self)
{
  providers_return_val_if_fail (self != NULL, nullptr);
  providers_return_val_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_ROW_MODEL (self), nullptr);
  auto *klass = TORVANIX_PROVIDERS_CONTRACTS_ROW_MODEL_GET_CLASS (self);
  return klass->clone ? klass->clone (self) : nullptr;
}

extern "C" TorvanixProvidersContractsDataVersion
torvanix_providers_contracts_row_model_get_version (TorvanixProvidersContractsRowModel *self)
{
  providers_return_val_if_fail (self != NULL, TORVANIX_PROVIDERS_CONTRACTS_DATA_VERSION_INITIAL);
  providers_return_val_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_ROW_MODEL (self), TORVANIX_PROVIDERS_CONTRACTS_DATA_VERSION_INITIAL);
  return static_cast<TorvanixProvidersContractsDataVersion> (priv_of (self)->version);
}

extern "C" void
torvanix_providers_contracts_row_model_set_version (TorvanixProvidersContractsRowModel *self,
                                                    TorvanixProvidersContractsDataVersion value)
{
  providers_return_if_fail (self != NULL);
  providers_return_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_ROW_MODEL (self));
  auto *priv = priv_of (self);
  auto raw = static_cast<guint> (providers::raw_enum (value));
  if (priv->version == raw) return;
  priv->version = raw;
  g_object_notify_by_pspec (G_OBJECT (self), props[PROP_VERSION]);
}

extern "C" GeeArrayList *
torvanix_providers_contracts_row_model_get_values (TorvanixProvidersContractsRowModel *self)
{
  providers_return_val_if_fail (self != NULL, nullptr);
  providers_return_val_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_ROW_MODEL (self), nullptr);
  return materialise (self);
}

namespace providers::models {

RowCells
row_cells (TorvanixProvidersContractsRowModel *row)
{
  auto *priv = priv_of (row);
  const bool lent = std::atomic_ref<guint> (priv->lent).load (std::memory_order_relaxed) != 0;
  if (GeeArrayList *list = list_of (priv)) return { list->_items, list_size (list), list, lent };
  return { priv->items, priv->count, nullptr, lent };
}

void
row_prefetch (gpointer row)
{
  /* Only addresses: nothing is read, so any object will do. */
  __builtin_prefetch (row);
  __builtin_prefetch (priv_of (static_cast<TorvanixProvidersContractsRowModel *> (row)));
}

void
row_mark_lent (TorvanixProvidersContractsRowModel *row)
{
  /* A C caller may put anything into a table's row list. */
  if (TORVANIX_PROVIDERS_CONTRACTS_IS_ROW_MODEL (row)) mark_lent (priv_of (row));
}

gpointer
row_ref_at (TorvanixProvidersContractsRowModel *row, guint position)
{
  const RowCells cells = row_cells (row);
  if (!cells.lent) mark_lent (priv_of (row));
  gpointer item = position < cells.count ? cells.items[position] : nullptr;
  return item ? g_object_ref (item) : nullptr;
}

void
row_replace_at (TorvanixProvidersContractsRowModel *row, guint position, gpointer value)
{
  const RowCells cells = row_cells (row);
  if (!cells.lent) mark_lent (priv_of (row));
  /* Through the list once there is one, so its iterators see the change. */
  if (cells.list) {
    gee_abstract_list_set (GEE_ABSTRACT_LIST (cells.list), static_cast<gint> (position), value);
    return;
  }
  gpointer old = cells.items[position];
  cells.items[position] = g_object_ref (value);
  if (old) g_object_unref (old);
}

TorvanixProvidersContractsRowModel *
row_adopting_array (gpointer *items, guint count)
{
  auto *row = torvanix_providers_contracts_row_model_new ();
  auto *priv = priv_of (row);
  priv->items = items;
  priv->count = count;
  return row;
}

TorvanixProvidersContractsRowModel *
row_adopting (gpointer *values, guint count)
{
  auto *items = g_new (gpointer, count);
  if (count > 0) std::memcpy (items, values, count * sizeof *items);
  return row_adopting_array (items, count);
}

}  // namespace providers::models
