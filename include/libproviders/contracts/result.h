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
 * TorvanixProvidersContractsIResult:
 *
 * Marks an object as the outcome of a provider operation:
 * #TorvanixProvidersContractsTableModel, #TorvanixProvidersContractsScalarResult
 * and #TorvanixProvidersContractsInvalidResult implement it. It declares no
 * operation and keeps no state.
 */

/**
 * TorvanixProvidersContractsIResultInterface:
 * @parent_iface: the parent interface
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

/**
 * TorvanixProvidersContractsScalarResult:
 *
 * The outcome of a statement that answers a count instead of rows. An
 * application or a provider of its own makes one; it holds a number only,
 * and belongs to one thread at a time.
 */

/**
 * TorvanixProvidersContractsScalarResult:rows:
 *
 * The count, from %G_MININT32 to %G_MAXINT32; 0 by default. Notifies only
 * when it changes.
 */

/**
 * TorvanixProvidersContractsScalarResultClass:
 * @parent_class: the parent class
 *
 * The class of #TorvanixProvidersContractsScalarResult; it adds no virtual
 * functions.
 */
struct _TorvanixProvidersContractsScalarResultClass {
  GObjectClass parent_class;
};

/**
 * torvanix_providers_contracts_scalar_result_new:
 * @rows: the row count
 *
 * Makes a scalar result holding @rows.
 *
 * Returns: (transfer full): a result holding @rows
 */
PROVIDERS_API TorvanixProvidersContractsScalarResult *torvanix_providers_contracts_scalar_result_new (gint rows);
/**
 * torvanix_providers_contracts_scalar_result_construct:
 * @object_type: ScalarResult or a subclass
 * @rows: the row count
 *
 * Makes a scalar result of @object_type, for a subclass's constructor. A
 * wrong @object_type logs a CRITICAL naming this function.
 *
 * Returns: (transfer full) (nullable): a new instance holding @rows, or
 *   %NULL for a wrong @object_type
 */
PROVIDERS_API TorvanixProvidersContractsScalarResult *torvanix_providers_contracts_scalar_result_construct (GType object_type, gint rows);
/**
 * torvanix_providers_contracts_scalar_result_get_rows:
 * @self: a scalar result
 *
 * Gets #TorvanixProvidersContractsScalarResult:rows.
 * A %NULL or wrong @self logs a CRITICAL naming this function and
 * answers 0.
 *
 * Returns: the count
 */
PROVIDERS_API gint torvanix_providers_contracts_scalar_result_get_rows (TorvanixProvidersContractsScalarResult *self);
/**
 * torvanix_providers_contracts_scalar_result_set_rows:
 * @self: a scalar result
 * @value: the row count
 *
 * Sets #TorvanixProvidersContractsScalarResult:rows, notifying it only when
 * the count changes.
 * A %NULL or wrong @self logs a CRITICAL naming this function.
 */
PROVIDERS_API void torvanix_providers_contracts_scalar_result_set_rows (TorvanixProvidersContractsScalarResult *self, gint value);

/* InvalidResult ---------------------------------------------------------- */

#define TORVANIX_PROVIDERS_CONTRACTS_TYPE_INVALID_RESULT (torvanix_providers_contracts_invalid_result_get_type ())
PROVIDERS_API
G_DECLARE_DERIVABLE_TYPE (TorvanixProvidersContractsInvalidResult, torvanix_providers_contracts_invalid_result,
                          TORVANIX_PROVIDERS_CONTRACTS, INVALID_RESULT, GObject)

/**
 * TorvanixProvidersContractsInvalidResult:
 *
 * The outcome of a statement that failed, as a code and a message, for a
 * caller that gathers outcomes instead of stopping at the first error. Its
 * getters return strings it keeps (transfer none); it belongs to one
 * thread at a time.
 */

/**
 * TorvanixProvidersContractsInvalidResult:code:
 *
 * The error code, as text (such as "1146"); %NULL by default. Notifies only
 * when it changes.
 */

/**
 * TorvanixProvidersContractsInvalidResult:message:
 *
 * The error text; %NULL by default. Notifies only when it changes.
 */

/**
 * TorvanixProvidersContractsInvalidResultClass:
 * @parent_class: the parent class
 *
 * The class of #TorvanixProvidersContractsInvalidResult; it adds no virtual
 * functions.
 */
struct _TorvanixProvidersContractsInvalidResultClass {
  GObjectClass parent_class;
};

/**
 * torvanix_providers_contracts_invalid_result_new:
 * @error_code: the error code, as text; copied
 * @error_message: the error text; copied
 *
 * Makes an invalid result holding a code and a message. A %NULL text logs a
 * CRITICAL naming this function.
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
 * Makes an invalid result of @object_type, for a subclass's constructor. A
 * %NULL text or a wrong @object_type logs a CRITICAL naming this function.
 *
 * Returns: (transfer full) (nullable): a new instance, or %NULL for a wrong
 *   argument
 */
PROVIDERS_API TorvanixProvidersContractsInvalidResult *torvanix_providers_contracts_invalid_result_construct (GType object_type, const gchar *error_code, const gchar *error_message);
/**
 * torvanix_providers_contracts_invalid_result_get_code:
 * @self: an invalid result
 *
 * Gets #TorvanixProvidersContractsInvalidResult:code.
 * A %NULL or wrong @self logs a CRITICAL naming this function and
 * answers %NULL.
 *
 * Returns: (transfer none) (nullable): the stored code
 */
PROVIDERS_API const gchar *torvanix_providers_contracts_invalid_result_get_code (TorvanixProvidersContractsInvalidResult *self);
/**
 * torvanix_providers_contracts_invalid_result_set_code:
 * @self: an invalid result
 * @value: (nullable): the new code; copied
 *
 * Sets #TorvanixProvidersContractsInvalidResult:code, notifying it when it
 * changes.
 * A %NULL or wrong @self logs a CRITICAL naming this function.
 */
PROVIDERS_API void torvanix_providers_contracts_invalid_result_set_code (TorvanixProvidersContractsInvalidResult *self, const gchar *value);
/**
 * torvanix_providers_contracts_invalid_result_get_message:
 * @self: an invalid result
 *
 * Gets #TorvanixProvidersContractsInvalidResult:message.
 * A %NULL or wrong @self logs a CRITICAL naming this function and
 * answers %NULL.
 *
 * Returns: (transfer none) (nullable): the stored message
 */
PROVIDERS_API const gchar *torvanix_providers_contracts_invalid_result_get_message (TorvanixProvidersContractsInvalidResult *self);
/**
 * torvanix_providers_contracts_invalid_result_set_message:
 * @self: an invalid result
 * @value: (nullable): the new message; copied
 *
 * Sets #TorvanixProvidersContractsInvalidResult:message, notifying it when
 * it changes.
 * A %NULL or wrong @self logs a CRITICAL naming this function.
 */
PROVIDERS_API void torvanix_providers_contracts_invalid_result_set_message (TorvanixProvidersContractsInvalidResult *self, const gchar *value);

G_END_DECLS

#endif /* LIBPROVIDERS_CONTRACTS_RESULT_H */
