/* The MySQL/MariaDB provider. */
#ifndef LIBPROVIDERS_MYSQL_MY_SQL_PROVIDER_H
#define LIBPROVIDERS_MYSQL_MY_SQL_PROVIDER_H

#include <glib-object.h>
#include <libproviders/providers-macros.h>
#include <libproviders/contracts/provider.h>
#include <libproviders/mysql/my-sql-error.h>

G_BEGIN_DECLS

#define TORVANIX_PROVIDERS_SUPPORTS_TYPE_MY_SQL_PROVIDER (torvanix_providers_supports_my_sql_provider_get_type ())
PROVIDERS_API
G_DECLARE_DERIVABLE_TYPE (TorvanixProvidersSupportsMySQLProvider, torvanix_providers_supports_my_sql_provider,
                          TORVANIX_PROVIDERS_SUPPORTS, MY_SQL_PROVIDER, GObject)

/**
 * TorvanixProvidersSupportsMySQLProvider:
 *
 * A provider for MySQL and MariaDB servers, over MariaDB Connector/C. The
 * application makes it with torvanix_providers_supports_my_sql_provider_new(),
 * opens it on a #TorvanixProvidersContractsServer and runs statements through
 * the #TorvanixProvidersContractsIProvider operations; what they return
 * belongs to the caller (transfer full).
 *
 * Every operation on its
 * connection holds the provider's own recursive lock, so one provider may
 * be called from several threads. Every operation on its
 * connection holds the provider's own recursive lock, so one provider may
 * be called from several threads. It implements
 * #TorvanixProvidersContractsIProvider and
 * #TorvanixProvidersSupportsIMySQLError.
 *
 * Reaching the server, its greeting and the login have 10 seconds; a
 * single read or write on an open connection has an hour, as a long query
 * is legitimate. A peer that vanishes without closing the connection is
 * found by TCP keepalive within about two minutes (probes after 60 s of
 * silence, every 10 s, 6 unanswered or data unacknowledged for 120 s end
 * it), and the operation then fails with a "MySQL" error.
 *
 * Every operation takes all the results of its own text: a later
 * statement's failure is that operation's error.
 *
 * A connection found gone (the server restarted, the session killed,
 * wait_timeout expired) is made again silently, by a statement or by the
 * ping of get_is_opened, only when the session holds no state of its own;
 * the statement then runs once, on the new session. A session holds state
 * while it is in a transaction (begun with transaction (), START
 * TRANSACTION or SET autocommit = 0), and from the moment one of these
 * happened since it connected until it ends:
 *
 * - a reply of the server marked the session's state changed (a session or
 *   user variable SET, a temporary table, PREPARE, USE, also a stored
 *   function called by a query, whose mark ends its rows; the provider
 *   asks for the marks with session_track_state_change at each connect);
 * - a statement text took state the server does not mark: the text assigns
 *   a user variable (`:=`, or `INTO` followed by `@`), names GET_LOCK,
 *   LOCK TABLE(S), READ LOCK, BACKUP LOCK, HANDLER or SET TRANSACTION, or
 *   calls a procedure (CALL), which may do any of these. The rule reads the
 *   whole text, string literals and comments too, so that it errs towards
 *   keeping a session rather than losing its state.
 *
 * A transaction that was committed or rolled back leaves nothing behind.
 * Otherwise a lost connection is the error of the call that found it, and
 * every later operation fails with error 2006 (CR_SERVER_GONE_ERROR) of the
 * "MySQL" domain, saying to open the provider again, until open is called,
 * with or without close; get_is_opened answers false meanwhile.
 *
 * After an error that ends the transaction on the server (a deadlock
 * (1213), a full lock table (1206), or a lock wait timeout (1205) when the
 * server runs with innodb_rollback_on_timeout, which commit asks it), commit
 * fails with that error's number and a message saying that the server rolled
 * the transaction back, and rolls back what ran after it: nothing of the
 * transaction is committed. A commit whose connection was already gone before
 * COMMIT was sent fails with 2006 and says that nothing was committed; one
 * whose connection was lost after COMMIT was sent says that the outcome is
 * unknown; a commit that the server acknowledged is never reported failed.
 */
/**
 * TorvanixProvidersSupportsMySQLProviderClass:
 * @parent_class: the parent class
 *
 * The class of #TorvanixProvidersSupportsMySQLProvider; it adds no virtual
 * functions.
 */
struct _TorvanixProvidersSupportsMySQLProviderClass {
  GObjectClass parent_class;
};

/**
 * torvanix_providers_supports_my_sql_provider_new:
 *
 * Makes a MySQL provider that is not connected yet; open it with
 * torvanix_providers_contracts_iprovider_open().
 *
 * Returns: (transfer full): a new provider, closed
 */
PROVIDERS_API TorvanixProvidersSupportsMySQLProvider *torvanix_providers_supports_my_sql_provider_new (void);
/**
 * torvanix_providers_supports_my_sql_provider_construct:
 * @object_type: the provider class or a subclass of it
 *
 * Makes a provider of @object_type, for a subclass's own constructor. A type
 * that is not the provider class or a subclass of it logs a CRITICAL naming
 * this function and answers %NULL.
 *
 * Returns: (transfer full) (nullable): a new instance, closed, or %NULL for
 *   a wrong @object_type
 */
PROVIDERS_API TorvanixProvidersSupportsMySQLProvider *torvanix_providers_supports_my_sql_provider_construct (GType object_type);

G_END_DECLS

#endif /* LIBPROVIDERS_MYSQL_MY_SQL_PROVIDER_H */
