/* The frame of a provider's statement slot, after the slot's own argument
 * checks: SQL text the entry checks refuse fails before anything reaches
 * the engine, and the work runs with no exception let out. The slots that
 * answer data are built on it, over each engine's own work. */
#pragma once

#include <glib.h>

#include <utility>

#include "common/boundary.h"
#include "common/check.h"
#include "libproviders/contracts/provider.h"
#include "supports/common/entry-checks-internal.h"

namespace providers::home {

/* `work` () for a `statement` the entry checks let through, else
 * `refused` with their error; both failures are errors of `domain`, an
 * escaping exception one of code -1. `function` names the slot in the
 * message of an allocation that fails. */
template <typename T, typename Work>
T
guarded_statement (const char *function, const gchar *statement, GQuark domain, GError **error, T refused,
                   Work &&work) noexcept
{
  if (!providers::home::check_sql_text (statement, -1, domain, error))
    return refused;
  return providers::guarded_error (function, error, domain, refused, std::forward<Work> (work));
}

/* The function names the statement slots report under, each null for the
 * slot's own: a failed argument check's, slot by slot, and that of an
 * allocation that fails inside one. */
struct StatementSlotNames {
  const char *scalar = nullptr;
  const char *reader = nullptr;
  const char *model = nullptr;
  const char *statements = nullptr;
  const char *allocation = nullptr;
};

namespace statement_slots {

inline const char *
name_or (const char *given, const char *own)
{
  return given != nullptr ? given : own;
}

/* The slots over an engine's work. `Engine` gives
 *
 *   Provider, cast (IProvider *), domain ()   as the connection slots' Engine
 *   kNames                                    its StatementSlotNames
 *   scalar (self, text, error), reader (self, text, error),
 *   model (self, text, error), statements (self, text, result_length, error)
 */
template <typename Engine>
TorvanixProvidersContractsIValue *
provider_execute_scalar (TorvanixProvidersContractsIProvider *base, const gchar *statement, gint,
                         GError **error) noexcept
{
  providers_return_val_if_fail_in (name_or (Engine::kNames.scalar, __func__), statement != NULL, nullptr);
  return guarded_statement (name_or (Engine::kNames.allocation, __func__), statement, Engine::domain (), error,
                            static_cast<TorvanixProvidersContractsIValue *> (nullptr),
                            [&] { return Engine::scalar (Engine::cast (base), statement, error); });
}

template <typename Engine>
TorvanixProvidersContractsIDataReader *
provider_execute_reader (TorvanixProvidersContractsIProvider *base, const gchar *statement, GError **error) noexcept
{
  providers_return_val_if_fail_in (name_or (Engine::kNames.reader, __func__), statement != NULL, nullptr);
  return guarded_statement (name_or (Engine::kNames.allocation, __func__), statement, Engine::domain (), error,
                            static_cast<TorvanixProvidersContractsIDataReader *> (nullptr),
                            [&] { return Engine::reader (Engine::cast (base), statement, error); });
}

template <typename Engine>
TorvanixProvidersContractsTableModel *
provider_execute_model (TorvanixProvidersContractsIProvider *base, const gchar *statement, gint,
                        GError **error) noexcept
{
  providers_return_val_if_fail_in (name_or (Engine::kNames.model, __func__), statement != NULL, nullptr);
  return guarded_statement (name_or (Engine::kNames.allocation, __func__), statement, Engine::domain (), error,
                            static_cast<TorvanixProvidersContractsTableModel *> (nullptr),
                            [&] { return Engine::model (Engine::cast (base), statement, error); });
}

template <typename Engine>
GObject **
provider_execute_statements (TorvanixProvidersContractsIProvider *base, const gchar *statements, gint,
                             gint *result_length, GError **error) noexcept
{
  providers_return_val_if_fail_in (name_or (Engine::kNames.statements, __func__), statements != NULL, nullptr);
  return guarded_statement (name_or (Engine::kNames.allocation, __func__), statements, Engine::domain (), error,
                            static_cast<GObject **> (nullptr),
                            [&] { return Engine::statements (Engine::cast (base), statements, result_length, error); });
}

}  // namespace statement_slots

/* Fills execute_scalar, execute_reader, execute_model and
 * execute_statements with the slots above. */
template <typename Engine>
void
install_statement_slots (TorvanixProvidersContractsIProviderInterface *iface)
{
  iface->execute_model = statement_slots::provider_execute_model<Engine>;
  iface->execute_scalar = statement_slots::provider_execute_scalar<Engine>;
  iface->execute_statements = statement_slots::provider_execute_statements<Engine>;
  iface->execute_reader = statement_slots::provider_execute_reader<Engine>;
}

}  // namespace providers::home
