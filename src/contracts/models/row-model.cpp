/* RowModel: the values of one row, in column order, and its edit version.
 * A row is also a read-only list model of its values. */
#include "libproviders/models/row-model.h"

#include <gio/gio.h>

#include "common/check.h"
#include "contracts/models/list-access.h"
#include "contracts/models/model-internal.h"
#include "contracts/models/property-helpers.h"

struct TorvanixProvidersContractsRowModelPrivate {
  GeeArrayList *values;
  guint version; /* DataVersion flags, kept as the caller's bits */
};

namespace {

enum { PROP_0, PROP_VERSION, PROP_VALUES, N_PROPS };
GParamSpec *props[N_PROPS];

void row_list_model_init (GListModelInterface *iface);

}  // namespace

G_DEFINE_TYPE_WITH_CODE (TorvanixProvidersContractsRowModel, torvanix_providers_contracts_row_model, G_TYPE_OBJECT,
                         G_ADD_PRIVATE (TorvanixProvidersContractsRowModel)
                         G_IMPLEMENT_INTERFACE (G_TYPE_LIST_MODEL, row_list_model_init))

namespace {

TorvanixProvidersContractsRowModelPrivate *
priv_of (TorvanixProvidersContractsRowModel *self)
{
  return static_cast<TorvanixProvidersContractsRowModelPrivate *> (
      torvanix_providers_contracts_row_model_get_instance_private (self));
}

GeeArrayList *
values_of (gpointer self)
{
  return priv_of (TORVANIX_PROVIDERS_CONTRACTS_ROW_MODEL (self))->values;
}

void
row_list_model_init (GListModelInterface *iface)
{
  providers::models::publish_list<torvanix_providers_contracts_value_object_get_type, values_of> (iface);
}

TorvanixProvidersContractsRowModel *
row_real_clone (TorvanixProvidersContractsRowModel *self)
{
  auto *copy = torvanix_providers_contracts_row_model_new ();
  torvanix_providers_contracts_row_model_set_version (copy, torvanix_providers_contracts_row_model_get_version (self));
  GeeArrayList *source = priv_of (self)->values;
  auto *target = GEE_ABSTRACT_COLLECTION (priv_of (copy)->values);
  for (guint i = 0, n = providers::models::list_size (source); i < n; ++i) {
    auto *value = TORVANIX_PROVIDERS_CONTRACTS_IVALUE (providers::models::list_peek_at (source, i));
    gpointer value_copy = torvanix_providers_contracts_ivalue_clone (value);
    /* A value that cannot copy itself (it has already said why) still
     * takes its place, so later cells stay under their columns. */
    if (value_copy == nullptr) value_copy = torvanix_providers_contracts_value_null_new ();
    gee_abstract_collection_add (target, value_copy);
    g_object_unref (value_copy);
  }
  return copy;
}

void
row_get_property (GObject *object, guint prop_id, GValue *value, GParamSpec *pspec)
{
  auto *priv = priv_of (TORVANIX_PROVIDERS_CONTRACTS_ROW_MODEL (object));
  switch (prop_id) {
    case PROP_VERSION: g_value_set_flags (value, priv->version); break;
    case PROP_VALUES: g_value_set_object (value, priv->values); break;
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

void
row_finalize (GObject *object)
{
  g_clear_object (&priv_of (TORVANIX_PROVIDERS_CONTRACTS_ROW_MODEL (object))->values);
  G_OBJECT_CLASS (torvanix_providers_contracts_row_model_parent_class)->finalize (object);
}

}  // namespace

static void
torvanix_providers_contracts_row_model_class_init (TorvanixProvidersContractsRowModelClass *klass)
{
  GObjectClass *object_class = G_OBJECT_CLASS (klass);
  object_class->get_property = row_get_property;
  object_class->set_property = row_set_property;
  object_class->finalize = row_finalize;
  klass->clone = row_real_clone;

  props[PROP_VERSION] = g_param_spec_flags ("version", "version", "version", TORVANIX_PROVIDERS_CONTRACTS_TYPE_DATA_VERSION,
                                            TORVANIX_PROVIDERS_CONTRACTS_DATA_VERSION_INITIAL,
                                            static_cast<GParamFlags> (G_PARAM_READWRITE | G_PARAM_EXPLICIT_NOTIFY | G_PARAM_STATIC_STRINGS));
  props[PROP_VALUES] = providers::models::list_pspec ("values", GEE_TYPE_ARRAY_LIST);
  g_object_class_install_properties (object_class, N_PROPS, props);
}

static void
torvanix_providers_contracts_row_model_init (TorvanixProvidersContractsRowModel *self)
{
  priv_of (self)->values = providers::models::new_object_list (TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_OBJECT);
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
  if (position < 0) return nullptr;
  return static_cast<TorvanixProvidersContractsValueObject *> (
      providers::models::list_ref_at (priv_of (self)->values, static_cast<guint> (position)));
}

extern "C" void
torvanix_providers_contracts_row_model_set_value_at (TorvanixProvidersContractsRowModel *self, gint position,
                                                     TorvanixProvidersContractsValueObject *value)
{
  providers_return_if_fail (self != NULL);
  providers_return_if_fail (value != NULL);
  GeeArrayList *values = priv_of (self)->values;
  providers_return_if_fail_text (position >= 0 && static_cast<guint> (position) < providers::models::list_size (values),
                                 "0 <= position && position < m_values.size");
  gee_abstract_list_set (GEE_ABSTRACT_LIST (values), position, value);
}

extern "C" TorvanixProvidersContractsRowModel *
torvanix_providers_contracts_row_model_clone (TorvanixProvidersContractsRowModel *self)
{
  providers_return_val_if_fail (self != NULL, nullptr);
  auto *klass = TORVANIX_PROVIDERS_CONTRACTS_ROW_MODEL_GET_CLASS (self);
  return klass->clone ? klass->clone (self) : nullptr;
}

extern "C" TorvanixProvidersContractsDataVersion
torvanix_providers_contracts_row_model_get_version (TorvanixProvidersContractsRowModel *self)
{
  providers_return_val_if_fail (self != NULL, TORVANIX_PROVIDERS_CONTRACTS_DATA_VERSION_INITIAL);
  return static_cast<TorvanixProvidersContractsDataVersion> (priv_of (self)->version);
}

extern "C" void
torvanix_providers_contracts_row_model_set_version (TorvanixProvidersContractsRowModel *self,
                                                    TorvanixProvidersContractsDataVersion value)
{
  providers_return_if_fail (self != NULL);
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
  return priv_of (self)->values;
}

namespace providers::models {

TorvanixProvidersContractsRowModel *
row_adopting (gpointer *values, guint count)
{
  auto *row = torvanix_providers_contracts_row_model_new ();
  auto *list = GEE_ABSTRACT_COLLECTION (priv_of (row)->values);
  for (guint i = 0; i < count; ++i) {
    gee_abstract_collection_add (list, values[i]);
    if (values[i]) g_object_unref (values[i]);
  }
  return row;
}

}  // namespace providers::models
