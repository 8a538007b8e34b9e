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
 * TorvanixProvidersSupportsMySQLProviderClass:
 *
 * A provider for MySQL and MariaDB servers. Every operation on its
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
 * statement's failure is that operation's error. When the connection is
 * lost while committing, the error says that the outcome is unknown; a
 * commit that the server acknowledged is never reported failed.
 */
struct _TorvanixProvidersSupportsMySQLProviderClass {
  GObjectClass parent_class;
};

/**
 * torvanix_providers_supports_my_sql_provider_new:
 *
 * Returns: (transfer full): a new provider, closed
 */
PROVIDERS_API TorvanixProvidersSupportsMySQLProvider *torvanix_providers_supports_my_sql_provider_new (void);
/**
 * torvanix_providers_supports_my_sql_provider_construct:
 * @object_type: the provider class or a subclass of it
 *
 * Returns: (transfer full) (nullable): a new instance, closed
 */
PROVIDERS_API TorvanixProvidersSupportsMySQLProvider *torvanix_providers_supports_my_sql_provider_construct (GType object_type);

G_END_DECLS

#endif /* LIBPROVIDERS_MYSQL_MY_SQL_PROVIDER_H */
