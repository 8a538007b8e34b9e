/* Opening a profile's file: its name and location, the options text, a
 * missing file, a file that is not a database or is damaged (refused at
 * open, left as it was), and the live "is-opened". */
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "sqlite-test-calls.h"
#include "support/log-capture.h"

namespace providers::testing {
namespace {

std::string
contents (const std::string &path)
{
  std::ifstream in (path, std::ios::binary);
  return std::string (std::istreambuf_iterator<char> (in), std::istreambuf_iterator<char> ());
}

void
write_file (const std::string &path, const std::string &bytes)
{
  std::ofstream out (path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

gboolean
is_opened (const SQLiteProvider &provider)
{
  gboolean property = FALSE;
  g_object_get (provider.get (), "is-opened", &property, nullptr);
  EXPECT_EQ (property, torvanix_providers_contracts_iprovider_get_is_opened (as_provider (provider)));
  return property;
}

TEST (SQLiteOpen, MissingFileFailsUnlessTheOptionsAskForANewOne)
{
  ScratchFolder folder;
  const std::string path = folder.file ("new.db");
  SQLiteProvider provider = own (torvanix_providers_supports_sq_lite_provider_new ());
  Outcome o = open_file (provider, path);
  EXPECT_TRUE (o.failed);
  EXPECT_EQ (o.code, TORVANIX_PROVIDERS_SUPPORTS_SQ_LITE_ERROR_PROVIDER);
  EXPECT_NE (o.message.find ("does not exist"), std::string::npos) << o.message;
  EXPECT_NE (o.message.find ("create=true"), std::string::npos) << o.message;
  EXPECT_FALSE (g_file_test (path.c_str (), G_FILE_TEST_EXISTS));
  EXPECT_FALSE (is_opened (provider));

  o = open_file (provider, path, "create = true");
  EXPECT_FALSE (o.failed) << o.message;
  EXPECT_TRUE (g_file_test (path.c_str (), G_FILE_TEST_EXISTS));
  EXPECT_TRUE (is_opened (provider));
  torvanix_providers_contracts_iprovider_close (as_provider (provider), nullptr);
  EXPECT_FALSE (is_opened (provider));
}

TEST (SQLiteOpen, FilenameIsTakenRelativeToTheLocation)
{
  ScratchFolder folder;
  {
    SQLiteProvider writer = opened (folder.file ("here.db"));
    EXPECT_FALSE (affect (writer, "CREATE TABLE t (a); INSERT INTO t VALUES (7)").failed);
  }
  SQLiteProvider provider = own (torvanix_providers_supports_sq_lite_provider_new ());
  Outcome o = open_with (provider, profile_of ("here.db", "", folder.path ()).get ());
  ASSERT_FALSE (o.failed) << o.message;
  EXPECT_EQ (scalar (provider, "SELECT a FROM t"), "ValueInt64 7");
  /* An absolute name leaves the location aside. */
  o = open_with (provider, profile_of (folder.file ("here.db"), "", "/nowhere").get ());
  EXPECT_FALSE (o.failed) << o.message;
}

TEST (SQLiteOpen, MemoryAndUriNamesAreSQLites)
{
  SQLiteProvider memory = opened (":memory:", "");
  EXPECT_EQ (scalar (memory, "CREATE TABLE t (a); INSERT INTO t VALUES (1), (2); SELECT count(*) FROM t"),
             "ValueUInt64 0");
  EXPECT_EQ (scalar (memory, "SELECT count(*) FROM t"), "ValueInt64 2");

  ScratchFolder folder;
  {
    SQLiteProvider writer = opened (folder.file ("u.db"));
    EXPECT_FALSE (affect (writer, "CREATE TABLE t (a)").failed);
  }
  SQLiteProvider reader = opened ("file:" + folder.file ("u.db") + "?mode=ro", "");
  Outcome o = affect (reader, "INSERT INTO t VALUES (1)");
  EXPECT_TRUE (o.failed);
  EXPECT_EQ (o.code, SQLITE_READONLY) << o.message;
}

TEST (SQLiteOpen, OptionsFollowTheSharedGrammarAndRefuseWhatTheyDoNotKnow)
{
  struct Case {
    const char *options;
    const char *message_part; /* null: opens */
  };
  const Case cases[] = {
    {"create=true; busy_timeout=250; read_only=false", nullptr},
    {"CREATE=TRUE;", nullptr},
    {"create=true; journal=wal", "journal"},
    {"create=yes", "not true or false"},
    {"create=true; busy_timeout=-1", "busy_timeout"},
    {"create=true; busy_timeout=5s", "busy_timeout"},
    {"create=true; create=false", "create"},
    {"create", "="},
  };
  ScratchFolder folder;
  for (const Case &c : cases) {
    SQLiteProvider provider = own (torvanix_providers_supports_sq_lite_provider_new ());
    Outcome o = open_file (provider, folder.file ("o.db"), c.options);
    if (c.message_part == nullptr) {
      EXPECT_FALSE (o.failed) << c.options << ": " << o.message;
      continue;
    }
    EXPECT_TRUE (o.failed) << c.options;
    EXPECT_EQ (o.code, TORVANIX_PROVIDERS_SUPPORTS_SQ_LITE_ERROR_PROVIDER) << c.options;
    EXPECT_NE (o.message.find (c.message_part), std::string::npos) << c.options << ": " << o.message;
    EXPECT_FALSE (is_opened (provider));
  }
}

TEST (SQLiteOpen, AFileThatIsNotADatabaseOrIsDamagedFailsAtOpenAndStaysAsItWas)
{
  ScratchFolder folder;
  const std::string text_file = folder.file ("notes.db");
  write_file (text_file, std::string ("These are notes, not a database.\n") + std::string (4096, 'x'));

  const std::string damaged = folder.file ("damaged.db");
  {
    SQLiteProvider writer = opened (damaged);
    EXPECT_FALSE (affect (writer, "CREATE TABLE t (a TEXT); INSERT INTO t VALUES ('kept')").failed);
  }
  /* The schema's page keeps its header; what follows it is overwritten. */
  std::string bytes = contents (damaged);
  ASSERT_GT (bytes.size (), 4096u);
  for (std::size_t i = 100; i < 4096; ++i)
    bytes[i] = static_cast<char> (0xA5);
  write_file (damaged, bytes);

  struct Case {
    std::string path;
    int code;
    const char *message;
  };
  const Case cases[] = {
    {text_file, SQLITE_NOTADB, "file is not a database"},
    {damaged, SQLITE_CORRUPT, "database disk image is malformed"},
  };
  for (const Case &c : cases) {
    const std::string before = contents (c.path);
    SQLiteProvider provider = own (torvanix_providers_supports_sq_lite_provider_new ());
    Outcome o = open_file (provider, c.path, "");
    EXPECT_TRUE (o.failed) << c.path;
    EXPECT_EQ (o.code & 0xff, c.code) << o.message;
    EXPECT_EQ (o.message, c.message);
    EXPECT_FALSE (is_opened (provider));
    EXPECT_TRUE (contents (c.path) == before) << c.path << " was changed";
  }
}

TEST (SQLiteOpen, StatementsOnAClosedProviderFailWithTheProvidersError)
{
  SQLiteProvider provider = own (torvanix_providers_supports_sq_lite_provider_new ());
  Outcome o = affect (provider, "SELECT 1");
  EXPECT_TRUE (o.failed);
  EXPECT_EQ (o.code, TORVANIX_PROVIDERS_SUPPORTS_SQ_LITE_ERROR_PROVIDER);
  EXPECT_EQ (o.message, "The database is not open.");
  EXPECT_EQ (open_with (provider, profile_of ("").get ()).message,
             "The profile names no database file: its \"filename\" is empty.");
}

TEST (SQLiteOpen, TheConstructorRefusesATypeThatIsNoProvider)
{
  LogCapture log;
  EXPECT_EQ (torvanix_providers_supports_sq_lite_provider_construct (G_TYPE_OBJECT), nullptr);
  EXPECT_EQ (log.criticals (), (std::vector<std::string>{assertion_text (
                                   "torvanix_providers_supports_sq_lite_provider_construct",
                                   "g_type_is_a (object_type, TORVANIX_PROVIDERS_SUPPORTS_TYPE_SQ_LITE_PROVIDER)")}));
  SQLiteProvider provider = own (torvanix_providers_supports_sq_lite_provider_new ());
  EXPECT_EQ (G_OBJECT_TYPE (provider.get ()), TORVANIX_PROVIDERS_SUPPORTS_TYPE_SQ_LITE_PROVIDER);
}

}  // namespace
}  // namespace providers::testing
