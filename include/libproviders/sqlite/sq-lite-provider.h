/* The SQLite provider. */
#ifndef LIBPROVIDERS_SQLITE_SQ_LITE_PROVIDER_H
#define LIBPROVIDERS_SQLITE_SQ_LITE_PROVIDER_H

#include <glib-object.h>
#include <libproviders/contracts/provider.h>
#include <libproviders/sqlite/sq-lite-macros.h>
#include <libproviders/sqlite/sq-lite-error.h>

G_BEGIN_DECLS

#define TORVANIX_PROVIDERS_SUPPORTS_TYPE_SQ_LITE_PROVIDER (torvanix_providers_supports_sq_lite_provider_get_type ())
PROVIDERS_SQLITE_API
G_DECLARE_DERIVABLE_TYPE (TorvanixProvidersSupportsSQLiteProvider, torvanix_providers_supports_sq_lite_provider,
                          TORVANIX_PROVIDERS_SUPPORTS, SQ_LITE_PROVIDER, GObject)

/**
 * TorvanixProvidersSupportsSQLiteProvider:
 *
 * A provider for a database kept in a file, over the system's SQLite 3.
 * Every operation on its database holds the provider's own recursive
 * lock, so one provider may be called from several threads. It implements
 * #TorvanixProvidersContractsIProvider.
 *
 * `open` reads the profile's "filename", taken relative to its "location"
 * when that is set and the name is not absolute. The name ":memory:" opens
 * a private database in memory that goes with the provider; a name that
 * begins with "file:" is an SQLite URI (`file:data.db?mode=ro`,
 * `file:shared?mode=memory&cache=shared`), read by SQLite with its own
 * parameters, "location" left aside. A file that does not exist fails
 * `open` instead of becoming a new empty database, unless the options
 * ask for one. `open` reads the database's schema, so a file that is not a
 * database, or whose first pages are damaged, fails there with SQLite's
 * own text; nothing is written to such a file.
 *
 * The profile's "options" text has the grammar every engine shares
 * (`key=value` pairs separated by `;`, a value in double quotes when it
 * holds a `;`) and these keys; another key fails `open`:
 *
 * - `create`: `true` makes the file when it does not exist (default
 *   `false`);
 * - `read_only`: `true` opens the database for reading only (default
 *   `false`);
 * - `busy_timeout`: how long, in milliseconds, a statement waits for a
 *   lock another connection holds on the file before it fails with
 *   SQLITE_BUSY (default 5000; 0 fails at once).
 *
 * A text of several statements runs statement by statement; outside a
 * transaction each one that succeeds stands. The first that fails ends
 * the text and is the call's error: the statements before it have taken
 * effect, those after it have not run. `execute_statements` answers one
 * result per statement: a table for each statement that answers columns,
 * a #TorvanixProvidersContractsValueUInt64 of its changed rows for each
 * other. The other operations answer from the first statement (its
 * changed rows, or a query's rows read for `execute_affect`), and run the
 * rest. A reader holds its result's rows whole before it is handed out, so
 * no statement stays open on the database behind it.
 *
 * `transaction` begins with BEGIN IMMEDIATE, which takes the file's write
 * lock at once (waiting for it up to the busy timeout), so two providers
 * that write one file wait for each other instead of one failing at its
 * COMMIT; inside a transaction already it answers %TRUE and begins none.
 * `commit` and `rollback` fail with SQLite's error when no transaction is
 * open, also when SQLite ended one itself after an error.
 *
 * Cells: SQLite keeps each cell in a storage class of its own (INTEGER,
 * REAL, TEXT, BLOB), whatever its column declares. A column's data type
 * follows its declared type
 * (torvanix_providers_supports_sq_lite_type_data_type()). A cell that the
 * column's class holds exactly becomes a value of it: an INTEGER 0 or 1
 * of a BOOLEAN column, an INTEGER or REAL of a DECIMAL column, a TEXT of a
 * DATE, TIME, DATETIME, TIMESTAMP, UUID or JSON column that the class reads
 * and prints back as the very same text. Every other cell becomes a value
 * of its own storage class, so that it keeps and prints what the file
 * holds: a #TorvanixProvidersContractsValueInt64 (every 64-bit integer
 * exact), a #TorvanixProvidersContractsValueDouble (the very same double),
 * a #TorvanixProvidersContractsValueString, a
 * #TorvanixProvidersContractsValueBlob. A TEXT cell holding a zero byte,
 * or bytes that are not valid UTF-8, cannot be a text value: it becomes a
 * #TorvanixProvidersContractsValueBinary of every byte the cell holds
 * (sqlite3_column_bytes()). BLOBs keep every byte.
 */

/**
 * TorvanixProvidersSupportsSQLiteProviderClass:
 * @parent_class: the parent class
 *
 * The class of #TorvanixProvidersSupportsSQLiteProvider.
 */
struct _TorvanixProvidersSupportsSQLiteProviderClass {
  GObjectClass parent_class;
};

/**
 * torvanix_providers_supports_sq_lite_provider_new:
 *
 * Makes a provider; `open` gives it a database.
 *
 * Returns: (transfer full): a new provider, closed
 */
PROVIDERS_SQLITE_API TorvanixProvidersSupportsSQLiteProvider *torvanix_providers_supports_sq_lite_provider_new (void);
/**
 * torvanix_providers_supports_sq_lite_provider_construct:
 * @object_type: the provider class or a subclass of it
 *
 * Makes a provider of @object_type; `open` gives it a database.
 *
 * Returns: (transfer full) (nullable): a new instance, closed
 */
PROVIDERS_SQLITE_API TorvanixProvidersSupportsSQLiteProvider *
torvanix_providers_supports_sq_lite_provider_construct (GType object_type);

G_END_DECLS

#endif /* LIBPROVIDERS_SQLITE_SQ_LITE_PROVIDER_H */
