/* SQLiteProvider: the database file of a profile (its name, the options
 * text, open and close) and the GObject around it. Running a text is
 * sq-lite-text.cpp, the statement shapes sq-lite-statements.cpp,
 * transactions sq-lite-transactions.cpp. */
#include "libproviders/sqlite/sq-lite-provider.h"

#include <string>
#include <string_view>

#include "common/check.h"
#include "common/gobject-ref.h"
#include "common/private-data.h"
#include "supports/common/engine/internals-lookup-internal.h"
#include "supports/common/options-text-internal.h"
#include "supports/common/provider-slots-internal.h"
#include "supports/common/text-cells-internal.h"
#include "supports/sqlite/sq-lite-provider-private.h"

namespace {

using providers::sqlite::Provider;
using providers::sqlite::provider_priv;
using providers::sqlite::ProviderLock;
using providers::sqlite::set_own_error;

/* Two providers on one file wait this long for each other's lock before a
 * statement fails with SQLITE_BUSY. */
constexpr int kDefaultBusyTimeoutMilliseconds = 5000;

/* The keys of the profile's options text that this engine knows. */
constexpr std::string_view kOptionCreate = "create";
constexpr std::string_view kOptionReadOnly = "read_only";
constexpr std::string_view kOptionBusyTimeout = "busy_timeout";

constexpr char kMemoryName[] = ":memory:";
constexpr char kUriPrefix[] = "file:";

void torvanix_providers_supports_sq_lite_provider_iprovider_init (TorvanixProvidersContractsIProviderInterface *iface);

}  // namespace

PROVIDERS_DEFINE_TYPE_WITH_CODE (TorvanixProvidersSupportsSQLiteProvider, torvanix_providers_supports_sq_lite_provider,
                                 G_TYPE_OBJECT,
                                 G_IMPLEMENT_INTERFACE (TORVANIX_PROVIDERS_CONTRACTS_TYPE_IPROVIDER,
                                                        torvanix_providers_supports_sq_lite_provider_iprovider_init))

namespace providers::sqlite {

Private *
provider_priv (Provider *self)
{
  return torvanix_providers_supports_sq_lite_provider_get_instance_private (self);
}

}  // namespace providers::sqlite

namespace {

/* What the profile asks of the database file. */
struct FileRequest {
  std::string name; /* as SQLite takes it: a path, ":memory:" or a URI */
  bool create = false;
  bool read_only = false;
  int busy_timeout = kDefaultBusyTimeoutMilliseconds;
  bool must_exist = true; /* a plain path, which open checks itself */
};

bool
boolean_option (const providers::home::OptionsText &options, std::string_view key, bool &value,
                GError **error)
{
  const std::string *text = options.find (key);
  if (text == nullptr)
    return true;
  if (g_ascii_strcasecmp (text->c_str (), "true") == 0) {
    value = true;
    return true;
  }
  if (g_ascii_strcasecmp (text->c_str (), "false") == 0) {
    value = false;
    return true;
  }
  std::string message = "The profile's options: " + std::string (key) + " is \"" + *text + "\", not true or false.";
  set_own_error (error, message.c_str ());
  return false;
}

bool
timeout_option (const providers::home::OptionsText &options, int &value, GError **error)
{
  const std::string *text = options.find (kOptionBusyTimeout);
  if (text == nullptr)
    return true;
  guint64 milliseconds = 0;
  if (!g_ascii_string_to_unsigned (text->c_str (), 10, 0, G_MAXINT, &milliseconds, nullptr)) {
    std::string message = "The profile's options: busy_timeout is \"" + *text +
                          "\", not a number of milliseconds from 0 to 2147483647.";
    set_own_error (error, message.c_str ());
    return false;
  }
  value = static_cast<int> (milliseconds);
  return true;
}

bool
request_of (TorvanixProvidersContractsServer *server, FileRequest &request, GError **error)
{
  const gchar *options_text = torvanix_providers_contracts_server_get_options (server);
  providers::home::OptionsText options (options_text != nullptr ? options_text : "",
                                            {kOptionCreate, kOptionReadOnly, kOptionBusyTimeout});
  if (!options.ok ()) {
    std::string message = "The profile's options: " + options.problem () + ".";
    set_own_error (error, message.c_str ());
    return false;
  }
  if (!boolean_option (options, kOptionCreate, request.create, error) ||
      !boolean_option (options, kOptionReadOnly, request.read_only, error) ||
      !timeout_option (options, request.busy_timeout, error))
    return false;

  const gchar *filename = torvanix_providers_contracts_server_get_filename (server);
  if (filename == nullptr || *filename == '\0') {
    set_own_error (error, "The profile names no database file: its \"filename\" is empty.");
    return false;
  }
  if (g_str_equal (filename, kMemoryName) || g_str_has_prefix (filename, kUriPrefix)) {
    request.name = filename;
    request.must_exist = false;
    return true;
  }
  const gchar *location = torvanix_providers_contracts_server_get_location (server);
  if (location != nullptr && *location != '\0' && !g_path_is_absolute (filename)) {
    providers::GUnique<gchar> path (g_build_filename (location, filename, nullptr));
    request.name = path.get ();
  } else {
    request.name = filename;
  }
  request.must_exist = !request.create;
  return true;
}

/* sqlite3_open_v2 succeeds on any file, and so does a statement that reads
 * none of it: reading the schema is what finds a file that is not a
 * database or whose schema pages are damaged. Nothing is written. */
bool
read_schema (sqlite3 *database, GError **error)
{
  sqlite3_stmt *raw = nullptr;
  int rc = sqlite3_prepare_v2 (database, "SELECT count(*) FROM sqlite_schema", -1, &raw, nullptr);
  providers::sqlite::Statement statement (raw);
  if (rc == SQLITE_OK)
    rc = sqlite3_step (statement.get ());
  if (rc == SQLITE_ROW || rc == SQLITE_DONE)
    return true;
  providers::sqlite::set_engine_error (error, database);
  return false;
}

bool
open_database (Provider *self, TorvanixProvidersContractsServer *server, GError **error)
{
  auto *priv = provider_priv (self);
  priv->database.reset ();
  /* Built against another libproviders, the library must not call it. */
  if (!providers::home::internals_match (TORVANIX_PROVIDERS_SUPPORTS_SQ_LITE_ERROR,
                                         TORVANIX_PROVIDERS_SUPPORTS_SQ_LITE_ERROR_PROVIDER, error))
    return false;
  /* Every class a cell may become, made on the thread that opens: threads
   * that share the provider later meet them ready. */
  providers::home::prepare_value_classes ();
  FileRequest request;
  if (!request_of (server, request, error))
    return false;
  if (request.must_exist && !g_file_test (request.name.c_str (), G_FILE_TEST_EXISTS)) {
    std::string message = "The database file \"" + request.name +
                          "\" does not exist; the option create=true makes a new one.";
    set_own_error (error, message.c_str ());
    return false;
  }
  /* NOMUTEX: the provider's lock already keeps every use of the handle to
   * one thread at a time. */
  int flags = SQLITE_OPEN_URI | SQLITE_OPEN_NOMUTEX;
  if (request.read_only)
    flags |= SQLITE_OPEN_READONLY;
  else
    flags |= SQLITE_OPEN_READWRITE | (request.create ? SQLITE_OPEN_CREATE : 0);
  sqlite3 *raw = nullptr;
  int rc = sqlite3_open_v2 (request.name.c_str (), &raw, flags, nullptr);
  providers::sqlite::Database database (raw);
  if (database == nullptr) {
    set_own_error (error, "SQLite could not allocate a database handle.");
    return false;
  }
  sqlite3_extended_result_codes (database.get (), 1);
  if (rc != SQLITE_OK) {
    providers::sqlite::set_engine_error (error, database.get ());
    return false;
  }
  sqlite3_busy_timeout (database.get (), request.busy_timeout);
  if (!read_schema (database.get (), error))
    return false;
  priv->database = std::move (database);
  return true;
}

void
close_database (Provider *self)
{
  provider_priv (self)->database.reset ();
}

/* What the common connection slots run for this engine. */
struct Engine {
  using Provider = providers::sqlite::Provider;
  using Lock = ProviderLock;
  static Provider *cast (TorvanixProvidersContractsIProvider *base) { return TORVANIX_PROVIDERS_SUPPORTS_SQ_LITE_PROVIDER (base); }
  static GQuark domain () { return TORVANIX_PROVIDERS_SUPPORTS_SQ_LITE_ERROR; }
  static constexpr auto open_locked = open_database;
  static constexpr auto close_locked = close_database;
  static constexpr const char kClosedLog[] = "SQLite database closed.";
  static constexpr auto begin = providers::sqlite::begin_transaction;
  static constexpr auto commit = providers::sqlite::commit_transaction;
  static constexpr auto rollback = providers::sqlite::rollback_transaction;
};

gboolean
provider_get_is_opened (TorvanixProvidersContractsIProvider *base) noexcept
{
  auto *self = TORVANIX_PROVIDERS_SUPPORTS_SQ_LITE_PROVIDER (base);
  ProviderLock lock (self);
  return provider_priv (self)->database != nullptr;
}

void
torvanix_providers_supports_sq_lite_provider_iprovider_init (TorvanixProvidersContractsIProviderInterface *iface)
{
  providers::home::install_connection_slots<Engine> (iface);
  iface->get_is_opened = provider_get_is_opened;
  providers::sqlite::install_statements (iface);
}

}  // namespace

static void
torvanix_providers_supports_sq_lite_provider_class_init (TorvanixProvidersSupportsSQLiteProviderClass *klass)
{
  providers::home::install_is_opened (G_OBJECT_CLASS (klass));
  /* The reader's class is made here, on the thread that makes the first
   * provider: threads that use the provider later meet it ready. */
  g_type_class_unref (g_type_class_ref (providers::sqlite::reader_type ()));
}

PROVIDERS_DEFINE_PROVIDER_CONSTRUCTORS (SQLite, sq_lite, SQ_LITE)
