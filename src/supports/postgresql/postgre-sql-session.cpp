/* PostgreSQLProvider's session: whether it holds state of the caller's
 * own that a new session would lack (settings, temporary objects, prepared
 * statements, cursors kept past their transaction, listened channels,
 * advisory locks, a role), learnt from each statement's command tag, from
 * the settings the server reports and from the words of the text for what
 * neither shows; and the refusal to make such a session again silently. */
#include "supports/postgresql/postgre-sql-provider-private.h"

#include <cstring>
#include <string>

#include "supports/common/statement-words-internal.h"

namespace providers::postgresql {

namespace {

using providers::home::any_word_start;
using providers::home::match_words;
using providers::home::starts_with_any;

/* The settings the server reports whenever they change: one that differs
 * from what it was when the session began was set by the caller, in a
 * text or in a function the text called. */
constexpr const char *kReportedSettings[] = {
  "TimeZone",       "search_path",    "session_authorization", "is_superuser",    "standard_conforming_strings",
  "DateStyle",      "IntervalStyle",  "client_encoding",       "application_name", "default_transaction_read_only",
};

std::string
reported_settings (PGconn *connection)
{
  std::string all;
  for (const char *name : kReportedSettings) {
    const char *value = PQparameterStatus (connection, name);
    all += value != nullptr ? value : "\x01";
    all += '\0';
  }
  return all;
}

/* A SET that outlives its transaction: not SET LOCAL, SET TRANSACTION
 * or SET CONSTRAINTS (an UPDATE's SET counts too, to the safe side). */
bool
sets_session (const char *text)
{
  return any_word_start (text, [] (const char *p) {
    const char *end = match_words (p, "set ");
    return end != nullptr && !starts_with_any (end, {"local ", "transaction ", "constraints "});
  });
}

/* What no command tag shows: advisory locks and set_config called in a
 * query (whatever set_config's third argument), temporary objects (made
 * by CREATE ... TEMP, SELECT ... INTO TEMP or in pg_temp). */
bool
takes_untagged_state (const char *text)
{
  return any_word_start (text, [] (const char *p) {
    return starts_with_any (p, {"pg_advisory_lock", "pg_try_advisory_lock", "set_config", "pg_temp", "create temp",
                                "create local temp", "create global temp", "create or replace temp", "into temp",
                                "into local temp", "into global temp"});
  });
}

}  // namespace

void
begin_session (Private *priv)
{
  priv->session_marked = false;
  priv->settings_at_start = reported_settings (priv->connection.get ());
}

void
note_statement_end (Private *priv, const PGresult *end, const char *text)
{
  const char *tag = PQcmdStatus (const_cast<PGresult *> (end));
  if (tag == nullptr)
    return;
  /* DISCARD ALL ends everything the mark stands for; RESET ALL only the
   * settings, so it leaves the mark. */
  if (std::strcmp (tag, "DISCARD ALL") == 0) {
    priv->session_marked = false;
    return;
  }
  /* A procedure or a DO block may take any state where no text of the
   * caller's shows it. */
  if (std::strcmp (tag, "PREPARE") == 0 || std::strcmp (tag, "LISTEN") == 0 || std::strcmp (tag, "CALL") == 0
      || std::strcmp (tag, "DO") == 0)
    priv->session_marked = true;
  else if (std::strcmp (tag, "SET") == 0 && sets_session (text))
    priv->session_marked = true;
  /* Without HOLD a cursor ends with its transaction. */
  else if (std::strcmp (tag, "DECLARE CURSOR") == 0
           && any_word_start (text, [] (const char *p) { return match_words (p, "with hold") != nullptr; }))
    priv->session_marked = true;
}

void
note_text_end (Private *priv, const char *text)
{
  /* Also after a failure: a session advisory lock outlives the rollback
   * of the statement that took it. */
  if (takes_untagged_state (text))
    priv->session_marked = true;
  note_reported_settings (priv);
}

void
note_reported_settings (Private *priv)
{
  /* Inside a transaction a change may still be undone, and a loss there
   * is refused anyway: what counts is what the session keeps after it. */
  PGconn *connection = priv->connection.get ();
  if (!priv->in_transaction && PQstatus (connection) == CONNECTION_OK
      && reported_settings (connection) != priv->settings_at_start)
    priv->session_marked = true;
}

bool
refuse_lost_state (Private *priv, GError **error)
{
  if (!priv->session_marked)
    return false;
  priv->lost = kLostSessionState;
  set_client_error (error, nullptr, kLostSessionState);
  return true;
}

}  // namespace providers::postgresql
