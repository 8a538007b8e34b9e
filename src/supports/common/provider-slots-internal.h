/* The slots and class parts that every engine's provider fills alike: open
 * and close under the provider's lock, the transaction slots inside the
 * exception boundary, and the "is-opened" property, which asks the
 * provider's own get_is_opened slot. They know no engine: `Engine` gives
 *
 *   Provider                            the instance type
 *   Lock                                holds the provider's lock, made from a Provider *
 *   cast (IProvider *)                  the instance of a slot's argument
 *   domain ()                           the engine's error domain
 *   open_locked (self, server, error)   opens under the lock; false with an error
 *   close_locked (self)                 closes under the lock
 *   kClosedLog                          the debug line of a close
 *   begin (self, error), commit (self, error), rollback (self, error)
 *   kOpenName                           optional: the function open's argument
 *                                       checks report instead of its own
 */
#pragma once

#include <glib-object.h>

#include "common/boundary.h"
#include "common/check.h"
#include "libproviders/contracts/provider.h"

namespace providers::home {

template <typename Engine>
constexpr const char *
open_check_name (const char *own)
{
  if constexpr (requires { Engine::kOpenName; })
    return Engine::kOpenName;
  else
    return own;
}

template <typename Engine>
void
provider_open (TorvanixProvidersContractsIProvider *base, TorvanixProvidersContractsServer *server,
               const gchar *connection_string, GError **error) noexcept
{
  providers_return_if_fail_in (open_check_name<Engine> (__func__), server != NULL);
  providers_return_if_fail_in (open_check_name<Engine> (__func__), connection_string != NULL);
  auto *self = Engine::cast (base);
  PROVIDERS_GUARDED_ERROR (error, Engine::domain (), false, {
    typename Engine::Lock lock (self);
    return Engine::open_locked (self, server, error);
  });
}

template <typename Engine>
void
provider_close (TorvanixProvidersContractsIProvider *base, GError **) noexcept
{
  auto *self = Engine::cast (base);
  {
    typename Engine::Lock lock (self);
    Engine::close_locked (self);
  }
  g_debug ("%s", Engine::kClosedLog);
}

template <typename Engine>
gboolean
provider_transaction (TorvanixProvidersContractsIProvider *base, GError **error) noexcept
{
  return PROVIDERS_GUARDED_ERROR (error, Engine::domain (), FALSE,
                                  { return Engine::begin (Engine::cast (base), error); });
}

template <typename Engine>
void
provider_commit (TorvanixProvidersContractsIProvider *base, GError **error) noexcept
{
  PROVIDERS_GUARDED_ERROR (error, Engine::domain (), false, {
    Engine::commit (Engine::cast (base), error);
    return true;
  });
}

template <typename Engine>
void
provider_rollback (TorvanixProvidersContractsIProvider *base, GError **error) noexcept
{
  PROVIDERS_GUARDED_ERROR (error, Engine::domain (), false, {
    Engine::rollback (Engine::cast (base), error);
    return true;
  });
}

/* Fills open, close, transaction, commit and rollback. */
template <typename Engine>
void
install_connection_slots (TorvanixProvidersContractsIProviderInterface *iface)
{
  iface->open = provider_open<Engine>;
  iface->close = provider_close<Engine>;
  iface->transaction = provider_transaction<Engine>;
  iface->commit = provider_commit<Engine>;
  iface->rollback = provider_rollback<Engine>;
}

enum { kPropIsOpened = 1 };

inline void
provider_get_property (GObject *object, guint prop_id, GValue *value, GParamSpec *pspec) noexcept
{
  if (prop_id == kPropIsOpened)
    g_value_set_boolean (value, torvanix_providers_contracts_iprovider_get_is_opened (
                                    TORVANIX_PROVIDERS_CONTRACTS_IPROVIDER (object)));
  else
    G_OBJECT_WARN_INVALID_PROPERTY_ID (object, prop_id, pspec);
}

/* The provider class's only property of its own: the interface's
 * "is-opened", read through the get_is_opened slot. */
inline void
install_is_opened (GObjectClass *object_class)
{
  object_class->get_property = provider_get_property;
  g_object_class_override_property (object_class, kPropIsOpened, "is-opened");
}

}  // namespace providers::home

/* The constructor pair of the provider class TorvanixProvidersSupports<Name>Provider
 * (`lower` and `UPPER` its other spellings): construct makes any subtype,
 * new the class itself. */
#define PROVIDERS_DEFINE_PROVIDER_CONSTRUCTORS(Name, lower, UPPER)                                                \
  extern "C" TorvanixProvidersSupports##Name##Provider *torvanix_providers_supports_##lower##_provider_construct ( \
      GType object_type)                                                                                          \
  {                                                                                                               \
    providers_return_val_if_fail_subtype (object_type, TORVANIX_PROVIDERS_SUPPORTS_TYPE_##UPPER##_PROVIDER, nullptr); \
    return static_cast<TorvanixProvidersSupports##Name##Provider *> (g_object_new (object_type, nullptr));       \
  }                                                                                                               \
  extern "C" TorvanixProvidersSupports##Name##Provider *torvanix_providers_supports_##lower##_provider_new (void) \
  {                                                                                                               \
    return torvanix_providers_supports_##lower##_provider_construct (TORVANIX_PROVIDERS_SUPPORTS_TYPE_##UPPER##_PROVIDER); \
  }
