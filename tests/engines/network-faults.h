/* The network breaking between a provider and its server, through the
 * tests' fault proxy: what a case is, the operations it breaks, and what
 * the engine under test says of its server and its errors. */
#pragma once

#include <libproviders/providers.h>

#include <gtest/gtest.h>

#include <iosfwd>
#include <string>
#include <vector>

#include "fault-proxy.h"
#include "support/gobject-test.h"

namespace providers::testing {

using IProvider = TorvanixProvidersContractsIProvider;

/* What an operation ended with: its error, or for a batch the error item
 * it ended with. */
struct FaultOutcome {
  bool answered = false; /* a result other than the failure value */
  GQuark domain = 0;
  int code = 0;
  std::string message;
};

/* What the fault cases need of an engine beyond its context. */
struct NetworkEngine {
  /* The domain of the provider's errors, and whether a code of it is the
   * engine's error for a lost connection. */
  GQuark domain;
  bool (*lost) (int code);
  /* The private server's port, and a profile for it; the cases point its
   * host and port at the proxy. */
  int (*server_port) ();
  Owned<TorvanixProvidersContractsServer> (*profile) ();
  /* A provider not yet open. */
  Owned<GObject> (*make) ();
  /* The first cell of a statement run through a connection of the test's
   * own. */
  std::string (*observe) (const std::string &statement);
  /* A table of the cases' own: CREATE TABLE <name> followed by this. */
  const char *table_columns;
  /* Rows enough that their result is far from whole when the cut comes,
   * two columns wide. */
  const char *big_result;
  /* A statement whose first cell says that a new session is in its
   * default transaction mode, and that cell. */
  const char *session_check;
  const char *session_expected;
  /* The packet, counted from the arming, that ends a transaction: the
   * COMMIT or ROLLBACK itself, or what the provider sends before it. */
  std::size_t end_packet;
};

/* The engine's, defined by its program. */
const NetworkEngine &network_engine ();

FaultOutcome from_error (bool answered, GError *error);
FaultOutcome run_open (IProvider *p, TorvanixProvidersContractsServer *profile);
/* The profile of the engine's server, reached through `proxy`. */
Owned<TorvanixProvidersContractsServer> profile_through (const FaultProxy &proxy);
int count_rows (const std::string &table);

/* The operations a case breaks; `table` is the case's table. */
using Operation = FaultOutcome (*) (IProvider *, const std::string &table);
FaultOutcome model (IProvider *p, const std::string &table);
FaultOutcome scalar (IProvider *p, const std::string &table);
FaultOutcome reader (IProvider *p, const std::string &table);
FaultOutcome affect (IProvider *p, const std::string &table);
FaultOutcome insert_long (IProvider *p, const std::string &table);
FaultOutcome batch (IProvider *p, const std::string &table);
FaultOutcome commit (IProvider *p, const std::string &table);
FaultOutcome rollback (IProvider *p, const std::string &table);

struct FaultCase {
  const char *name;
  /* Before the fault is armed, on an open provider: the work that a
   * commit would carry, inside a transaction when `transaction`. */
  bool transaction;
  FaultProxy::Fault fault;
  /* Arm the fault before open, for the connect itself. */
  bool at_open;
  Operation operation;
  /* Rows of the table the server must hold afterwards. */
  const char *rows;
  /* The longest the operation may take. */
  int seconds;
  /* Outside a transaction the same provider goes on without a new open:
   * the client library connects again for the next statement. */
  bool goes_on;
};

/* The engine's faults of the connect, each armed before open, defined by
 * its program (connect_case makes them). */
std::vector<FaultCase> connect_fault_cases ();
/* Every case the engine runs: those of its connect, then the shared ones. */
const std::vector<FaultCase> &network_fault_cases ();

/* The cases every engine with a server shares: the cuts in the middle of
 * a result and of a batch and while a long statement is sent, counted in
 * bytes from the arming; and the faults around COMMIT and ROLLBACK,
 * striking `end_packet`, the packet that ends the transaction. */
std::vector<FaultCase> mid_result_cases ();
std::vector<FaultCase> transaction_end_cases (std::size_t end_packet);

inline FaultProxy::Fault fault (FaultProxy::Direction direction, FaultProxy::Action action, std::size_t bytes,
                                std::size_t packet = 0, int stall_ms = 60 * 1000)
{
  return {direction, action, bytes, packet, stall_ms};
}

/* A fault of the connect: open fails within `seconds`, and the row the
 * case's table starts with stays. */
inline FaultCase connect_case (const char *name, FaultProxy::Fault fault, int seconds)
{
  return {name, false, fault, true, nullptr, "1", seconds, false};
}

/* Test names say which case it is; the bytes of the case say nothing. */
void PrintTo (const FaultCase &c, std::ostream *out);

}  // namespace providers::testing
