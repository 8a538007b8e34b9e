/* What the provider's connection code and its statement code share. */
#pragma once

#include <mysql.h>

#include "libproviders/mysql/my-sql-provider.h"

struct TorvanixProvidersSupportsMySQLProviderPrivate {
  MYSQL *connection; /* owned; null before the first open and after close */
  GRecMutex lock;    /* held by every operation on the connection */
  bool in_transaction;
};

namespace providers::mysql {

TorvanixProvidersSupportsMySQLProviderPrivate *provider_priv (TorvanixProvidersSupportsMySQLProvider *self);

/* Holds the provider's lock for one operation. */
class ProviderLock {
 public:
  explicit ProviderLock (TorvanixProvidersSupportsMySQLProvider *self) : lock_ (&provider_priv (self)->lock)
  {
    g_rec_mutex_lock (lock_);
  }
  ~ProviderLock () { g_rec_mutex_unlock (lock_); }
  ProviderLock (const ProviderLock &) = delete;
  ProviderLock &operator= (const ProviderLock &) = delete;

 private:
  GRecMutex *lock_;
};

/* The provider's own failures: code -1 of the "MySQL" domain. */
void set_own_error (GError **error, const char *message);

/* raise_error on the provider's handle; answers whether an error was set.
 * `error` may be null. */
bool raise (TorvanixProvidersSupportsMySQLProvider *self, int result, GError **error);

/* The step before every statement: the handle must exist, and results a
 * previous batch left on it are discarded. Answers false with an error. */
bool clear_pending (TorvanixProvidersSupportsMySQLProvider *self, GError **error);

/* clear_pending, then sends the text. Answers false with an error. */
bool send_statement (TorvanixProvidersSupportsMySQLProvider *self, const char *statement, GError **error);

/* Fills the slots of the statements that answer data. */
void install_statements (TorvanixProvidersContractsIProviderInterface *iface);

}  // namespace providers::mysql
