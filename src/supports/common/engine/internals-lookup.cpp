/* The builders' table as an engine library finds it: on the IProvider
 * interface type, where libproviders put it, checked before first use. */
#include "supports/common/engine/internals-lookup-internal.h"

#include "contracts/internals-private.h"
#include "libproviders/contracts/provider.h"

#include <atomic>

namespace providers::home {

namespace {

/* Set once a handed-out table matched; a mismatch is looked at again on
 * the next open, which fails the same way, and costs nothing per cell. */
std::atomic<const contracts::Internals *> matched{nullptr};

}  // namespace

bool
internals_match (GQuark domain, gint code, GError **error)
{
  if (matched.load (std::memory_order_acquire) != nullptr)
    return true;
  const auto *table = static_cast<const contracts::Internals *> (
      g_type_get_qdata (torvanix_providers_contracts_iprovider_get_type (),
                        g_quark_from_static_string (contracts::kInternalsQuark)));
  if (table == nullptr) {
    g_set_error (error, domain, code,
                 "The libproviders loaded hands out no builders for engine libraries; this engine library was "
                 "built with libproviders %s. Install both from one build.",
                 PROVIDERS_VERSION);
    return false;
  }
  if (table->version != contracts::kInternalsVersion || table->size != sizeof (contracts::Internals)) {
    /* A table of every layout begins with these three members. */
    g_set_error (error, domain, code,
                 "This engine library was built with libproviders %s (builders version %u, %" G_GSIZE_FORMAT
                 " bytes), but the libproviders loaded is %s (builders version %u, %" G_GSIZE_FORMAT
                 " bytes). Install both from one build.",
                 PROVIDERS_VERSION, contracts::kInternalsVersion, sizeof (contracts::Internals),
                 table->library_version ? table->library_version : "unknown", table->version, table->size);
    return false;
  }
  matched.store (table, std::memory_order_release);
  return true;
}

const contracts::Internals &
internals () noexcept
{
  return *matched.load (std::memory_order_acquire);
}

}  // namespace providers::home
