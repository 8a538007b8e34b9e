/* The provider interface and database objects. */
#ifndef LIBPROVIDERS_CONTRACTS_PROVIDER_H
#define LIBPROVIDERS_CONTRACTS_PROVIDER_H

#include <glib-object.h>
#include <libproviders/providers-macros.h>
#include <libproviders/contracts/data-reader.h>
#include <libproviders/contracts/result.h>
#include <libproviders/models/table-model.h>
#include <libproviders/settings/server.h>

G_BEGIN_DECLS

/* The types the operations exchange, named here as well so that this
 * header compiles whichever of their headers is read first. */
typedef struct _TorvanixProvidersContractsServer TorvanixProvidersContractsServer;
typedef struct _TorvanixProvidersContractsTableModel TorvanixProvidersContractsTableModel;
typedef struct _TorvanixProvidersContractsIDataReader TorvanixProvidersContractsIDataReader;

/* DBObject --------------------------------------------------------------- */

/**
 * TorvanixProvidersContractsDBObject:
 * @TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_UNKNOWN: a kind not known
 * @TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_AGGREGATE: an aggregate function
 * @TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_ASSEMBLY: an assembly
 * @TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_BACKUP: a backup
 * @TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_CHECK: a check constraint
 * @TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_CAST: a cast
 * @TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_CLASS: a class
 * @TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_CLASSIFIER: a classifier
 * @TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_COLUMN: a column
 * @TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_CONTRAINT: a constraint
 * @TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_CONVERSION: a conversion
 * @TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_DATABASE: a database
 * @TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_DEVICE: a device
 * @TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_DOMAIN: a domain
 * @TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_ENDPOINT: an endpoint
 * @TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_EVENT: an event
 * @TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_EXCLUDE: an exclusion constraint
 * @TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_FOREIGN: a foreign key
 * @TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_FUNCTION: a function
 * @TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_INDEX: an index
 * @TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_JOB: a job
 * @TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_LANGUAGE: a language
 * @TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_MATERIALIZED: a materialized view
 * @TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_OPERATOR: an operator
 * @TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_PACKAGE: a package
 * @TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_PARTITION_FUNCTION: a partition function
 * @TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_PARTITION_SCHEME: a partition scheme
 * @TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_PRIMARY: a primary key
 * @TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_PROCEDURE: a procedure
 * @TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_QUERY: a query
 * @TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_REPORT: a report
 * @TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_ROLE: a role
 * @TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_ROUTINE: a routine
 * @TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_RULE: a rule
 * @TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_SCHEMA: a schema
 * @TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_SEQUENCE: a sequence
 * @TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_SERVER: a server
 * @TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_STATISTICS: a statistics object
 * @TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_SYNONYM: a synonym
 * @TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_TABLE: a table
 * @TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_TABLESPACE: a tablespace
 * @TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_TRIGGER: a trigger
 * @TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_TYPE: a user-defined type
 * @TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_UNIQUE: a unique key
 * @TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_USER: a user
 * @TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_VIEW: a view
 *
 * Kinds of database objects, offered to applications that list a server's
 * contents. The numbers are stable.
 */
typedef enum {
  TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_UNKNOWN = 0,
  TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_AGGREGATE = 1,
  TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_ASSEMBLY = 2,
  TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_BACKUP = 3,
  TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_CHECK = 4,
  TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_CAST = 5,
  TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_CLASS = 6,
  TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_CLASSIFIER = 7,
  TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_COLUMN = 8,
  TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_CONTRAINT = 9,
  TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_CONVERSION = 10,
  TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_DATABASE = 11,
  TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_DEVICE = 12,
  TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_DOMAIN = 13,
  TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_ENDPOINT = 14,
  TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_EVENT = 15,
  TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_EXCLUDE = 16,
  TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_FOREIGN = 17,
  TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_FUNCTION = 18,
  TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_INDEX = 19,
  TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_JOB = 20,
  TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_LANGUAGE = 21,
  TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_MATERIALIZED = 22,
  TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_OPERATOR = 23,
  TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_PACKAGE = 24,
  TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_PARTITION_FUNCTION = 25,
  TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_PARTITION_SCHEME = 26,
  TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_PRIMARY = 27,
  TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_PROCEDURE = 28,
  TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_QUERY = 29,
  TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_REPORT = 30,
  TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_ROLE = 31,
  TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_ROUTINE = 32,
  TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_RULE = 33,
  TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_SCHEMA = 34,
  TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_SEQUENCE = 35,
  TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_SERVER = 36,
  TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_STATISTICS = 37,
  TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_SYNONYM = 38,
  TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_TABLE = 39,
  TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_TABLESPACE = 40,
  TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_TRIGGER = 41,
  TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_TYPE = 42,
  TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_UNIQUE = 43,
  TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_USER = 44,
  TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_VIEW = 45,
} TorvanixProvidersContractsDBObject;

#define TORVANIX_PROVIDERS_CONTRACTS_TYPE_DB_OBJECT (torvanix_providers_contracts_db_object_get_type ())
PROVIDERS_API GType torvanix_providers_contracts_db_object_get_type (void) G_GNUC_CONST;
/**
 * torvanix_providers_contracts_db_object_to_string:
 * @self: a kind of database object
 *
 * Names a kind of database object by its nick, which stays the same
 * across releases.
 *
 * Returns: (transfer full) (nullable): the value's nick, such as
 *   "partition-function"; null for a number outside the enumeration
 */
PROVIDERS_API gchar *torvanix_providers_contracts_db_object_to_string (TorvanixProvidersContractsDBObject self);

/* IProvider -------------------------------------------------------------- */

#define TORVANIX_PROVIDERS_CONTRACTS_TYPE_IPROVIDER (torvanix_providers_contracts_iprovider_get_type ())
PROVIDERS_API
G_DECLARE_INTERFACE (TorvanixProvidersContractsIProvider, torvanix_providers_contracts_iprovider,
                     TORVANIX_PROVIDERS_CONTRACTS, IPROVIDER, GObject)

/**
 * TorvanixProvidersContractsIProvider:
 *
 * A connection to one database, and the statements it runs. Each
 * engine's provider implements it: #TorvanixProvidersSupportsMySQLProvider
 * for MySQL and MariaDB, and, in libraries of their own, the providers for
 * PostgreSQL and SQLite. The application makes the provider, opens it on
 * a #TorvanixProvidersContractsServer and closes it. Whatever the
 * operations return belongs to the caller (transfer full). Failures are
 * #GError values of the engine's own domain ("MySQL", "PostgreSQL",
 * "SQLite"): a negative code for the provider's own refusals, such as SQL
 * text that is not valid UTF-8, and the engine's own number otherwise (the
 * client library's error number, the SQLSTATE read as a number, SQLite's
 * extended result code); each engine's error domain lists them. A provider
 * serialises its operations with a lock of its own, so one provider may
 * be called from several threads; the results it hands out belong to the
 * thread that received them.
 */

/**
 * TorvanixProvidersContractsIProvider:is-opened:
 *
 * Whether the connection is alive; reading it may ping the server, and a
 * connection found gone is made again when the session held no state of
 * its own. %FALSE until the provider is opened; read-only.
 */

/**
 * TorvanixProvidersContractsIProviderInterface:
 * @parent_iface: the parent interface
 * @open: connects as the profile describes
 * @close: closes the connection
 * @execute_model: runs a query and answers its whole result as a table
 * @execute_affect: runs a statement and answers the affected-row count
 * @execute_scalar: runs a statement and answers its first cell or count
 * @execute_statements: runs a batch and answers one result per statement
 * @execute_reader: runs a query and answers a forward-only reader
 * @transaction: begins a transaction
 * @commit: commits the open transaction
 * @rollback: rolls the open transaction back
 * @get_is_opened: getter of "is-opened": whether the connection is alive
 *
 * A connection to one database server. The interface fills no slot
 * itself; the slot order is part of the interface.
 */

/**
 * TorvanixProvidersContractsIProviderInterface::execute_statements:
 * @self: a provider
 * @statements: SQL text holding one or more statements, never %NULL
 * @reserved: what the caller passed
 * @result_length: where to store the number of results, or %NULL
 * @error: return location for an error
 *
 * The implementation of
 * torvanix_providers_contracts_iprovider_execute_statements(), which says
 * what it answers: a new array of one object per statement, each the
 * caller's reference, followed by a %NULL slot, or %NULL with @error set
 * when the text could not be sent at all. The slot checks @statements
 * itself, and its CRITICAL names its own function.
 *
 * Returns: the results, or %NULL on failure
 */
struct _TorvanixProvidersContractsIProviderInterface {
  GTypeInterface parent_iface;

  void (*open) (TorvanixProvidersContractsIProvider *self, TorvanixProvidersContractsServer *server,
                const gchar *connection_string, GError **error);
  void (*close) (TorvanixProvidersContractsIProvider *self, GError **error);
  TorvanixProvidersContractsTableModel *(*execute_model) (TorvanixProvidersContractsIProvider *self,
                                                          const gchar *statement, gint reserved, GError **error);
  gint64 (*execute_affect) (TorvanixProvidersContractsIProvider *self, const gchar *statement, gint reserved,
                            GError **error);
  TorvanixProvidersContractsIValue *(*execute_scalar) (TorvanixProvidersContractsIProvider *self,
                                                       const gchar *statement, gint reserved, GError **error);
  GObject **(*execute_statements) (TorvanixProvidersContractsIProvider *self, const gchar *statements,
                                   gint reserved, gint *result_length, GError **error);
  TorvanixProvidersContractsIDataReader *(*execute_reader) (TorvanixProvidersContractsIProvider *self,
                                                            const gchar *statement, GError **error);
  gboolean (*transaction) (TorvanixProvidersContractsIProvider *self, GError **error);
  void (*commit) (TorvanixProvidersContractsIProvider *self, GError **error);
  void (*rollback) (TorvanixProvidersContractsIProvider *self, GError **error);
  gboolean (*get_is_opened) (TorvanixProvidersContractsIProvider *self);
};

/**
 * torvanix_providers_contracts_iprovider_open:
 * @self: a provider
 * @server: the profile to connect as
 * @connection_string: reserved text; connection parameters come from @server
 * @error: return location for an error
 *
 * Connects as @server describes (host, port, user, password, database,
 * options); a provider already open is closed first. A port outside
 * 0–65535 fails without dialling; a server that cannot be reached or
 * refuses the login fails with the engine's error. A %NULL or wrong @self
 * logs a CRITICAL naming this function; a %NULL @server or
 * @connection_string logs one naming the implementation's own function.
 */
PROVIDERS_API void torvanix_providers_contracts_iprovider_open (TorvanixProvidersContractsIProvider *self,
                                                              TorvanixProvidersContractsServer *server,
                                                              const gchar *connection_string, GError **error);
/**
 * torvanix_providers_contracts_iprovider_close:
 * @self: a provider
 * @error: return location for an error
 *
 * Closes the connection; an open transaction is rolled back by the server.
 * Closing a provider that is not open does nothing.
 * A %NULL or wrong @self logs a CRITICAL naming this function.
 */
PROVIDERS_API void torvanix_providers_contracts_iprovider_close (TorvanixProvidersContractsIProvider *self,
                                                               GError **error);
/**
 * torvanix_providers_contracts_iprovider_execute_model:
 * @self: a provider
 * @statement: SQL text
 * @reserved: passed through to the implementation
 * @error: return location for an error
 *
 * Runs @statement and reads its whole result into a new table, one
 * #TorvanixProvidersContractsColumnModel per column and one row per row; a
 * statement without rows answers an empty table. On failure @error is set
 * in the engine's domain.
 * A %NULL or wrong @self logs a CRITICAL naming this function, a %NULL
 * @statement one naming the implementation's own function; both answer %NULL.
 *
 * Returns: (transfer full) (nullable): the result as a table; null on failure
 */
PROVIDERS_API TorvanixProvidersContractsTableModel *torvanix_providers_contracts_iprovider_execute_model (
    TorvanixProvidersContractsIProvider *self, const gchar *statement, gint reserved, GError **error);
/**
 * torvanix_providers_contracts_iprovider_execute_affect:
 * @self: a provider
 * @statement: SQL text
 * @reserved: passed through to the implementation
 * @error: return location for an error
 *
 * Runs @statement and counts the rows it changed (for a statement with
 * rows, the rows it answered). On failure @error is set in the engine's
 * domain.
 * A %NULL or wrong @self logs a CRITICAL naming this function, a %NULL
 * @statement one naming the implementation's own function; both answer 0.
 *
 * Returns: the number of affected rows; -1 on failure
 */
PROVIDERS_API gint64 torvanix_providers_contracts_iprovider_execute_affect (TorvanixProvidersContractsIProvider *self,
                                                                           const gchar *statement, gint reserved,
                                                                           GError **error);
/**
 * torvanix_providers_contracts_iprovider_execute_scalar:
 * @self: a provider
 * @statement: SQL text
 * @reserved: passed through to the implementation
 * @error: return location for an error
 *
 * Runs @statement and answers one value: its first cell, typed as its
 * column, or the affected-row count of a statement without rows. On
 * failure @error is set in the engine's domain.
 * A %NULL or wrong @self logs a CRITICAL naming this function, a %NULL
 * @statement one naming the implementation's own function; both answer %NULL.
 *
 * Returns: (transfer full) (nullable): the first cell of the first row, or
 *   the affected-row count of a statement without rows; null on failure
 */
PROVIDERS_API TorvanixProvidersContractsIValue *torvanix_providers_contracts_iprovider_execute_scalar (
    TorvanixProvidersContractsIProvider *self, const gchar *statement, gint reserved, GError **error);
/**
 * torvanix_providers_contracts_iprovider_execute_statements:
 * @self: a provider
 * @statements: SQL text holding one or more statements
 * @reserved: passed through to the implementation
 * @result_length: (out) (optional): the number of results
 * @error: return location for an error
 *
 * Runs every statement of @statements in turn and answers one object per
 * statement: a #TorvanixProvidersContractsTableModel for one with rows, a
 * #TorvanixProvidersContractsValueUInt64 holding the affected-row count
 * for one without, and a #TorvanixProvidersContractsValueError for the one
 * that failed, which ends the batch. @error is set only when the text
 * could not be sent at all.
 * A %NULL or wrong @self logs a CRITICAL naming this function, a %NULL
 * @statements one naming the implementation's own function; both answer %NULL.
 *
 * Returns: (transfer full) (array length=result_length) (nullable): one
 *   object per statement result, followed by a null slot; null on failure
 */
PROVIDERS_API GObject **torvanix_providers_contracts_iprovider_execute_statements (
    TorvanixProvidersContractsIProvider *self, const gchar *statements, gint reserved, gint *result_length,
    GError **error);
/**
 * torvanix_providers_contracts_iprovider_execute_reader:
 * @self: a provider
 * @statement: SQL text
 * @error: return location for an error
 *
 * Runs @statement and answers a forward-only reader over its result,
 * fetched whole into client memory; the reader belongs to the caller and
 * may outlive the next statement. On failure @error is set in the engine's
 * domain.
 * A %NULL or wrong @self logs a CRITICAL naming this function, a %NULL
 * @statement one naming the implementation's own function; both answer %NULL.
 *
 * Returns: (transfer full) (nullable): a reader over the result; null on
 *   failure
 */
PROVIDERS_API TorvanixProvidersContractsIDataReader *torvanix_providers_contracts_iprovider_execute_reader (
    TorvanixProvidersContractsIProvider *self, const gchar *statement, GError **error);
/**
 * torvanix_providers_contracts_iprovider_transaction:
 * @self: a provider
 * @error: return location for an error
 *
 * Begins a transaction on the connection; until it is committed or rolled
 * back, a lost connection is not made again silently. On failure @error is
 * set in the engine's domain.
 * A %NULL or wrong @self logs a CRITICAL naming this function and
 * answers %FALSE.
 *
 * Returns: whether a transaction was begun
 */
PROVIDERS_API gboolean torvanix_providers_contracts_iprovider_transaction (TorvanixProvidersContractsIProvider *self,
                                                                         GError **error);
/**
 * torvanix_providers_contracts_iprovider_commit:
 * @self: a provider
 * @error: return location for an error
 *
 * Commits the open transaction. A commit whose reply was lost fails with an
 * error saying that the outcome is unknown; one whose connection was gone
 * before COMMIT was sent says that nothing was committed; a transaction the
 * server rolled back by itself (a deadlock, a full lock table) fails with
 * that error's number and commits nothing.
 * A %NULL or wrong @self logs a CRITICAL naming this function.
 */
PROVIDERS_API void torvanix_providers_contracts_iprovider_commit (TorvanixProvidersContractsIProvider *self,
                                                                GError **error);
/**
 * torvanix_providers_contracts_iprovider_rollback:
 * @self: a provider
 * @error: return location for an error
 *
 * Rolls the open transaction back. On failure @error is set in the
 * engine's domain.
 * A %NULL or wrong @self logs a CRITICAL naming this function.
 */
PROVIDERS_API void torvanix_providers_contracts_iprovider_rollback (TorvanixProvidersContractsIProvider *self,
                                                                  GError **error);
/**
 * torvanix_providers_contracts_iprovider_get_is_opened:
 * @self: a provider
 *
 * Gets #TorvanixProvidersContractsIProvider:is-opened, pinging the
 * server.
 * A %NULL or wrong @self logs a CRITICAL naming this function and
 * answers %FALSE.
 *
 * Returns: whether the connection is alive
 */
PROVIDERS_API gboolean torvanix_providers_contracts_iprovider_get_is_opened (TorvanixProvidersContractsIProvider *self);

G_END_DECLS

#endif /* LIBPROVIDERS_CONTRACTS_PROVIDER_H */
