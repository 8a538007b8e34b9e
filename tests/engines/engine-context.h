/* What a suite run against every engine needs to know of one: how to open
 * a provider on the engine's private server or file, and the SQL of the
 * results it reads. Each engine's test program links the context of its
 * engine alone, so a suite is written once and built once per engine. */
#pragma once

#include <libproviders/providers.h>

#include <string>

#include "support/gobject-test.h"

namespace providers::testing {

struct EngineContext {
  const char *name;
  /* A provider open on the engine's private server or file; null (and the
   * test failed) when it cannot be opened. */
  Owned<GObject> (*open) ();
  /* `rows` rows of four columns: the row's number from 1, the text
   * "row <number>", NULL on every fifth row and half the number on the
   * others, and a timestamp. */
  std::string (*long_result) (int rows);
  /* Whether the engine's readers build the rows of a long result ahead on
   * a thread of their own. */
  bool builds_ahead;
  /* Whether the provider answers readers at all; the reader suites skip an
   * engine that does not yet. */
  bool has_readers;
};

/* The context of the engine this test program runs against. */
const EngineContext &engine ();

inline TorvanixProvidersContractsIProvider *as_iprovider (const Owned<GObject> &provider)
{
  return TORVANIX_PROVIDERS_CONTRACTS_IPROVIDER (provider.get ());
}

}  // namespace providers::testing
