/* Results: the result interface, scalar and invalid results. */
#ifndef LIBPROVIDERS_CONTRACTS_RESULT_H
#define LIBPROVIDERS_CONTRACTS_RESULT_H

#include <glib-object.h>
#include <libproviders/providers-macros.h>

G_BEGIN_DECLS

/* IResult ---------------------------------------------------------------- */

#define TORVANIX_PROVIDERS_CONTRACTS_TYPE_IRESULT (torvanix_providers_contracts_iresult_get_type ())
PROVIDERS_API
G_DECLARE_INTERFACE (TorvanixProvidersContractsIResult, torvanix_providers_contracts_iresult,
                     TORVANIX_PROVIDERS_CONTRACTS, IRESULT, GObject)

/**
 * TorvanixProvidersContractsIResultInterface:
 *
 * Marks an object as the outcome of a provider operation. It declares no
 * operation.
 */
struct _TorvanixProvidersContractsIResultInterface {
  GTypeInterface parent_iface;
};

/* ScalarResult ----------------------------------------------------------- */

#define TORVANIX_PROVIDERS_CONTRACTS_TYPE_SCALAR_RESULT (torvanix_providers_contracts_scalar_result_get_type ())
PROVIDERS_API
G_DECLARE_DERIVABLE_TYPE (TorvanixProvidersContractsScalarResult, torvanix_providers_contracts_scalar_result,
                          TORVANIX_PROVIDERS_CONTRACTS, SCALAR_RESULT, GObject)

struct _TorvanixProvidersContractsScalarResultClass {
  GObjectClass parent_class;
};

/**
 * torvanix_providers_contracts_scalar_result_new:
 * @rows: the row count
 *
 * Returns: (transfer full): a result holding @rows
 */
PROVIDERS_API TorvanixProvidersContractsScalarResult *torvanix_providers_contracts_scalar_result_new (gint rows);
/**
 * torvanix_providers_contracts_scalar_result_construct:
 * @object_type: ScalarResult or a subclass
 * @rows: the row count
 *
 * Returns: (transfer full) (nullable): a new instance holding @rows
 */
PROVIDERS_API TorvanixProvidersContractsScalarResult *torvanix_providers_contracts_scalar_result_construct (GType object_type, gint rows);
PROVIDERS_API gint torvanix_providers_contracts_scalar_result_get_rows (TorvanixProvidersContractsScalarResult *self);
/**
 * torvanix_providers_contracts_scalar_result_set_rows:
 * @self: a scalar result
 * @value: the row count
 *
 * Notifies "rows" only when the count changes.
 */
PROVIDERS_API void torvanix_providers_contracts_scalar_result_set_rows (TorvanixProvidersContractsScalarResult *self, gint value);

/* InvalidResult ---------------------------------------------------------- */

#define TORVANIX_PROVIDERS_CONTRACTS_TYPE_INVALID_RESULT (torvanix_providers_contracts_invalid_result_get_type ())
PROVIDERS_API
G_DECLARE_DERIVABLE_TYPE (TorvanixProvidersContractsInvalidResult, torvanix_providers_contracts_invalid_result,
                          TORVANIX_PROVIDERS_CONTRACTS, INVALID_RESULT, GObject)

struct _TorvanixProvidersContractsInvalidResultClass {
  GObjectClass parent_class;
};

/**
 * torvanix_providers_contracts_invalid_result_new:
 * @error_code: the error code, as text; copied
 * @error_message: the error text; copied
 *
 * Returns: (transfer full) (nullable): a new invalid result, or %NULL when
 *   either text is %NULL
 */
PROVIDERS_API TorvanixProvidersContractsInvalidResult *torvanix_providers_contracts_invalid_result_new (const gchar *error_code, const gchar *error_message);
/**
 * torvanix_providers_contracts_invalid_result_construct:
 * @object_type: InvalidResult or a subclass
 * @error_code: the error code, as text; copied
 * @error_message: the error text; copied
 *
 * Returns: (transfer full) (nullable): a new instance
 */
PROVIDERS_API TorvanixProvidersContractsInvalidResult *torvanix_providers_contracts_invalid_result_construct (GType object_type, const gchar *error_code, const gchar *error_message);
/**
 * torvanix_providers_contracts_invalid_result_get_code:
 * @self: an invalid result
 *
 * Returns: (transfer none) (nullable): the stored code
 */
PROVIDERS_API const gchar *torvanix_providers_contracts_invalid_result_get_code (TorvanixProvidersContractsInvalidResult *self);
/**
 * torvanix_providers_contracts_invalid_result_set_code:
 * @self: an invalid result
 * @value: (nullable): the new code; copied
 */
PROVIDERS_API void torvanix_providers_contracts_invalid_result_set_code (TorvanixProvidersContractsInvalidResult *self, const gchar *value);
/**
 * torvanix_providers_contracts_invalid_result_get_message:
 * @self: an invalid result
 *
 * Returns: (transfer none) (nullable): the stored message
 */
PROVIDERS_API const gchar *torvanix_providers_contracts_invalid_result_get_message (TorvanixProvidersContractsInvalidResult *self);
/**
 * torvanix_providers_contracts_invalid_result_set_message:
 * @self: an invalid result
 * @value: (nullable): the new message; copied
 */
PROVIDERS_API void torvanix_providers_contracts_invalid_result_set_message (TorvanixProvidersContractsInvalidResult *self, const gchar *value);

G_END_DECLS

#endif /* LIBPROVIDERS_CONTRACTS_RESULT_H */
