/* TableModel: a whole result in memory, a list model of its rows that
 * also keeps each row's edit version. */
#include "libproviders/models/table-model.h"

#include <gio/gio.h>

#include <atomic>

#include "common/check.h"
#include "common/compat-texts.h"
#include "common/gobject-ref.h"
#include "common/private-data.h"
#include "contracts/models/list-access-internal.h"
#include "contracts/models/model-internal.h"
#include "common/property-helpers.h"
#include "contracts/models/table-release-internal.h"

struct TorvanixProvidersContractsTableModelPrivate {
  providers::GRef<GeeArrayList> rows =
      providers::adopt_ref (providers::new_object_list (TORVANIX_PROVIDERS_CONTRACTS_TYPE_ROW_MODEL));
  providers::GRef<GeeArrayList> columns =
      providers::adopt_ref (providers::new_object_list (TORVANIX_PROVIDERS_CONTRACTS_TYPE_COLUMN_MODEL));
  /* The row list itself was handed out: a caller may have reached any
   * row, so a dropped table checks each one. */
  std::atomic<bool> rows_lent{false};

  TorvanixProvidersContractsTableModelPrivate () = default;
  TorvanixProvidersContractsTableModelPrivate (const TorvanixProvidersContractsTableModelPrivate &) = delete;
  /* A big table's rows go to the release thread before the lists go. */
  ~TorvanixProvidersContractsTableModelPrivate ()
  {
    providers::models::release_rows (rows.get (), providers::models::list_size (columns.get ()),
                                     rows_lent.load (std::memory_order_relaxed));
  }
};

namespace {

enum { PROP_0, PROP_ROWS, PROP_COLUMNS, N_PROPS };
GParamSpec *props[N_PROPS];

void table_list_model_init (GListModelInterface *iface);

}  // namespace

PROVIDERS_DEFINE_TYPE_WITH_CODE (TorvanixProvidersContractsTableModel, torvanix_providers_contracts_table_model, G_TYPE_OBJECT,
                                 G_IMPLEMENT_INTERFACE (TORVANIX_PROVIDERS_CONTRACTS_TYPE_IRESULT, nullptr)
                                 G_IMPLEMENT_INTERFACE (G_TYPE_LIST_MODEL, table_list_model_init))

using Table = TorvanixProvidersContractsTableModel;
using Row = TorvanixProvidersContractsRowModel;

namespace {

TorvanixProvidersContractsTableModelPrivate *
priv_of (Table *self)
{
  return static_cast<TorvanixProvidersContractsTableModelPrivate *> (
      torvanix_providers_contracts_table_model_get_instance_private (self));
}

GeeArrayList *
rows_of (gpointer self)
{
  return priv_of (TORVANIX_PROVIDERS_CONTRACTS_TABLE_MODEL (self))->rows.get ();
}

/* The list model's item: a row the caller now reaches. */
gpointer
table_get_item (GListModel *model, guint position)
{
  gpointer row = providers::models::list_ref_at (rows_of (model), position);
  if (row) providers::models::row_mark_lent (static_cast<Row *> (row));
  return row;
}

void
table_list_model_init (GListModelInterface *iface)
{
  providers::models::publish_list<torvanix_providers_contracts_row_model_get_type, rows_of> (iface);
  iface->get_item = table_get_item;
}

GeeArrayList *
lend_rows (TorvanixProvidersContractsTableModelPrivate *priv)
{
  if (!priv->rows_lent.load (std::memory_order_relaxed)) priv->rows_lent.store (true, std::memory_order_relaxed);
  return priv->rows.get ();
}

void
table_get_property (GObject *object, guint prop_id, GValue *value, GParamSpec *pspec)
{
  auto *priv = priv_of (TORVANIX_PROVIDERS_CONTRACTS_TABLE_MODEL (object));
  switch (prop_id) {
    case PROP_ROWS: g_value_set_object (value, lend_rows (priv)); break;
    case PROP_COLUMNS: g_value_set_object (value, priv->columns.get ()); break;
    default: G_OBJECT_WARN_INVALID_PROPERTY_ID (object, prop_id, pspec);
  }
}

/* Removes the row at a valid position, tells bound views, and hands the
 * list's reference to the row to the caller. */
Row *
take_row_at (Table *self, guint position)
{
  auto *row = static_cast<Row *> (gee_abstract_list_remove_at (GEE_ABSTRACT_LIST (priv_of (self)->rows.get ()), position));
  g_list_model_items_changed (G_LIST_MODEL (self), position, 1, 0);
  return row;
}

}  // namespace

static void
torvanix_providers_contracts_table_model_class_init (TorvanixProvidersContractsTableModelClass *klass)
{
  GObjectClass *object_class = G_OBJECT_CLASS (klass);
  object_class->get_property = table_get_property;
  props[PROP_ROWS] = providers::list_pspec ("rows");
  props[PROP_COLUMNS] = providers::list_pspec ("columns");
  g_object_class_install_properties (object_class, N_PROPS, props);
}

extern "C" Table *
torvanix_providers_contracts_table_model_construct (GType object_type)
{
  providers_return_val_if_fail_subtype (object_type, TORVANIX_PROVIDERS_CONTRACTS_TYPE_TABLE_MODEL, nullptr);
  return static_cast<Table *> (g_object_new (object_type, nullptr));
}

extern "C" Table *
torvanix_providers_contracts_table_model_new (void)
{
  return torvanix_providers_contracts_table_model_construct (TORVANIX_PROVIDERS_CONTRACTS_TYPE_TABLE_MODEL);
}

extern "C" Table *
torvanix_providers_contracts_table_model_construct_with_types (GType object_type, TorvanixProvidersContractsDataType *types,
                                                               gint types_length)
{
  providers_return_val_if_fail (types != NULL || types_length <= 0, nullptr);
  providers_return_val_if_fail_subtype (object_type, TORVANIX_PROVIDERS_CONTRACTS_TYPE_TABLE_MODEL, nullptr);
  auto *self = static_cast<Table *> (g_object_new (object_type, nullptr));
  auto *columns = GEE_ABSTRACT_COLLECTION (priv_of (self)->columns.get ());
  for (gint i = 0; i < types_length; ++i) {
    /* Read as the caller's number: C may pass one the enumeration lacks. */
    auto type = static_cast<TorvanixProvidersContractsDataType> (providers::raw_enum (types[i]));
    auto *column = torvanix_providers_contracts_column_model_new_with_type (type);
    gee_abstract_collection_add (columns, column);
    g_object_unref (column);
  }
  return self;
}

extern "C" Table *
torvanix_providers_contracts_table_model_new_with_types (TorvanixProvidersContractsDataType *types, gint types_length)
{
  return torvanix_providers_contracts_table_model_construct_with_types (TORVANIX_PROVIDERS_CONTRACTS_TYPE_TABLE_MODEL, types,
                                                                        types_length);
}

extern "C" GeeArrayList *
torvanix_providers_contracts_table_model_get_rows (Table *self)
{
  providers_return_val_if_fail (self != NULL, nullptr);
  providers_return_val_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_TABLE_MODEL (self), nullptr);
  return lend_rows (priv_of (self));
}

extern "C" GeeArrayList *
torvanix_providers_contracts_table_model_get_columns (Table *self)
{
  providers_return_val_if_fail (self != NULL, nullptr);
  providers_return_val_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_TABLE_MODEL (self), nullptr);
  return priv_of (self)->columns.get ();
}

extern "C" TorvanixProvidersContractsValueObject *
torvanix_providers_contracts_table_model_get_value_at (Table *self, gint col, gint row)
{
  providers_return_val_if_fail (self != NULL, nullptr);
  providers_return_val_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_TABLE_MODEL (self), nullptr);
  if (row < 0) return nullptr;
  auto *target = static_cast<Row *> (providers::models::list_peek_at (priv_of (self)->rows.get (), static_cast<guint> (row)));
  if (target == nullptr || col < 0) return nullptr;
  return static_cast<TorvanixProvidersContractsValueObject *> (providers::models::row_ref_at (target, static_cast<guint> (col)));
}

extern "C" void
torvanix_providers_contracts_table_model_set_value_at (Table *self, gint col, gint row,
                                                       TorvanixProvidersContractsValueObject *value)
{
  providers_return_if_fail (self != NULL);
  providers_return_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_TABLE_MODEL (self));
  providers_return_if_fail (value != NULL);
  GeeArrayList *rows = priv_of (self)->rows.get ();
  providers_return_if_fail_text (row >= 0 && static_cast<guint> (row) < providers::models::list_size (rows),
                                 PROVIDERS_TEXT_TABLE_ROW);
  auto *target = static_cast<Row *> (providers::models::list_peek_at (rows, static_cast<guint> (row)));
  providers_return_if_fail_text (col >= 0 && static_cast<guint> (col) < providers::models::row_cells (target).count,
                                 PROVIDERS_TEXT_TABLE_COL);
  providers::models::row_replace_at (target, static_cast<guint> (col), value);
}

extern "C" gint
torvanix_providers_contracts_table_model_append (Table *self, Row *row)
{
  providers_return_val_if_fail (self != NULL, 0);
  providers_return_val_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_TABLE_MODEL (self), 0);
  providers_return_val_if_fail (row != NULL, 0);
  GeeArrayList *rows = priv_of (self)->rows.get ();
  providers::models::row_mark_lent (row);
  gee_abstract_collection_add (GEE_ABSTRACT_COLLECTION (rows), row);
  /* The row is where it was put, also when the table already held it
   * elsewhere: that is the position views must be told. */
  guint position = providers::models::list_size (rows) - 1;
  g_list_model_items_changed (G_LIST_MODEL (self), position, 0, 1);
  return static_cast<gint> (position);
}

extern "C" gint
torvanix_providers_contracts_table_model_insert (Table *self, gint position, Row *row)
{
  providers_return_val_if_fail (self != NULL, 0);
  providers_return_val_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_TABLE_MODEL (self), 0);
  providers_return_val_if_fail (row != NULL, 0);
  GeeArrayList *rows = priv_of (self)->rows.get ();
  if (position < 0 || static_cast<guint> (position) >= providers::models::list_size (rows))
    return torvanix_providers_contracts_table_model_append (self, row);
  providers::models::row_mark_lent (row);
  gee_abstract_list_insert (GEE_ABSTRACT_LIST (rows), position, row);
  g_list_model_items_changed (G_LIST_MODEL (self), static_cast<guint> (position), 0, 1);
  return position;
}

extern "C" void
torvanix_providers_contracts_table_model_delete (Table *self, Row *row)
{
  providers_return_if_fail (self != NULL);
  providers_return_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_TABLE_MODEL (self));
  providers_return_if_fail (row != NULL);
  gint position = providers::models::list_find (priv_of (self)->rows.get (), row);
  if (position >= 0) g_object_unref (take_row_at (self, static_cast<guint> (position)));
}

extern "C" Row *
torvanix_providers_contracts_table_model_delete_at (Table *self, gint position)
{
  providers_return_val_if_fail (self != NULL, nullptr);
  providers_return_val_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_TABLE_MODEL (self), nullptr);
  if (position < 0 || static_cast<guint> (position) >= providers::models::list_size (priv_of (self)->rows.get ())) return nullptr;
  return take_row_at (self, static_cast<guint> (position));
}

extern "C" gboolean
torvanix_providers_contracts_table_model_find (Table *self, Row *row, gint *position)
{
  providers_return_val_if_fail (self != NULL, FALSE);
  providers_return_val_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_TABLE_MODEL (self), FALSE);
  providers_return_val_if_fail (row != NULL, FALSE);
  gint found = providers::models::list_find (priv_of (self)->rows.get (), row);
  if (position) *position = found >= 0 ? found : 0;
  return found >= 0;
}

extern "C" void
torvanix_providers_contracts_table_model_clear (Table *self, gboolean columns)
{
  providers_return_if_fail (self != NULL);
  providers_return_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_TABLE_MODEL (self));
  auto *priv = priv_of (self);
  guint removed = providers::models::list_size (priv->rows.get ());
  gee_abstract_collection_clear (GEE_ABSTRACT_COLLECTION (priv->rows.get ()));
  if (columns) gee_abstract_collection_clear (GEE_ABSTRACT_COLLECTION (priv->columns.get ()));
  g_list_model_items_changed (G_LIST_MODEL (self), 0, removed, 0);
}

extern "C" void
torvanix_providers_contracts_table_model_update_row_version (Table *self, gint position,
                                                             TorvanixProvidersContractsDataVersion version)
{
  providers_return_if_fail (self != NULL);
  providers_return_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_TABLE_MODEL (self));
  GeeArrayList *rows = priv_of (self)->rows.get ();
  providers_return_if_fail_text (position >= 0 && static_cast<guint> (position) < providers::models::list_size (rows),
                                 PROVIDERS_TEXT_VERSION_POSITION);
  auto *row = static_cast<Row *> (providers::models::list_peek_at (rows, static_cast<guint> (position)));
  const int current = providers::raw_enum (torvanix_providers_contracts_row_model_get_version (row));
  switch (providers::raw_enum (version)) {
    case TORVANIX_PROVIDERS_CONTRACTS_DATA_VERSION_DELETE:
      /* A row inserted since the table was read was never on the server:
       * deleting it just drops it, and views must hear of that. */
      if (current == TORVANIX_PROVIDERS_CONTRACTS_DATA_VERSION_INSERT)
        g_object_unref (take_row_at (self, static_cast<guint> (position)));
      else
        torvanix_providers_contracts_row_model_set_version (row, TORVANIX_PROVIDERS_CONTRACTS_DATA_VERSION_DELETE);
      break;
    case TORVANIX_PROVIDERS_CONTRACTS_DATA_VERSION_UPDATE:
      if (current == TORVANIX_PROVIDERS_CONTRACTS_DATA_VERSION_INITIAL)
        torvanix_providers_contracts_row_model_set_version (row, TORVANIX_PROVIDERS_CONTRACTS_DATA_VERSION_UPDATE);
      break;
    default:
      break;
  }
}

namespace providers::models {

void
table_adopt_rows (Table *table, Row **rows, guint count)
{
  /* Nobody iterates a table still being filled. */
  list_append_adopted (priv_of (table)->rows.get (), reinterpret_cast<gpointer const *> (rows), count);
}

}  // namespace providers::models
