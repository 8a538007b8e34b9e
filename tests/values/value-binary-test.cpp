/* The binary values: text forms, copies, stream writes and file operations. */
#include <libproviders/providers.h>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>

#include "support/gobject-test.h"
#include "support/log-capture.h"
#include "support/notify-counter.h"
#include "values/async-run.h"

using providers::testing::assertion_text;
using providers::testing::io_error;
using providers::testing::LogCapture;
using providers::testing::NotifyCounter;
using providers::testing::file_operation;
using providers::testing::outcome_of;
using providers::testing::own;
using providers::testing::patterned_bytes;
using providers::testing::run_in_worker_thread;
using providers::testing::run_on_new_context;
using providers::testing::ScratchDir;
using providers::testing::take_string;

/* An output stream that takes at most three bytes a call, as pipes and
 * sockets may, and keeps what it was given. */
struct TrickleStream {
  GOutputStream parent_instance;
  GByteArray *received;
  int calls;
};
struct TrickleStreamClass {
  GOutputStreamClass parent_class;
};

G_DEFINE_TYPE (TrickleStream, trickle_stream, G_TYPE_OUTPUT_STREAM)

static gssize trickle_stream_write (GOutputStream *stream, const void *buffer, gsize count, GCancellable *, GError **)
{
  auto *self = reinterpret_cast<TrickleStream *> (stream);
  gsize taken = MIN (count, 3);
  g_byte_array_append (self->received, static_cast<const guint8 *> (buffer), guint (taken));
  ++self->calls;
  return gssize (taken);
}

static void trickle_stream_finalize (GObject *object)
{
  g_byte_array_unref (reinterpret_cast<TrickleStream *> (object)->received);
  G_OBJECT_CLASS (trickle_stream_parent_class)->finalize (object);
}

static void trickle_stream_class_init (TrickleStreamClass *klass)
{
  G_OUTPUT_STREAM_CLASS (klass)->write_fn = trickle_stream_write;
  G_OBJECT_CLASS (klass)->finalize = trickle_stream_finalize;
}

static void trickle_stream_init (TrickleStream *self) { self->received = g_byte_array_new (); }

namespace {

using Binary = TorvanixProvidersContractsValueBinary;

Binary *as_binary (gpointer value) { return TORVANIX_PROVIDERS_CONTRACTS_VALUE_BINARY (value); }

TorvanixProvidersContractsIValue *as_ivalue (gpointer value) { return TORVANIX_PROVIDERS_CONTRACTS_IVALUE (value); }

Binary *binary_of (const std::string &bytes)
{
  return torvanix_providers_contracts_value_binary_new (reinterpret_cast<const guint8 *> (bytes.data ()), gint (bytes.size ()));
}

/* The held bytes, or "<none>" for a missing buffer. */
std::string held (gpointer value)
{
  GBytes *bytes = torvanix_providers_contracts_value_binary_get_itsvalue (as_binary (value));
  if (bytes == nullptr) return "<none>";
  gsize length = 0;
  const void *data = g_bytes_get_data (bytes, &length);
  return std::string (static_cast<const char *> (data), length);
}

std::string load (Binary *value, const std::string &path, bool in_worker = false)
{
  return file_operation (value, path, torvanix_providers_contracts_value_binary_load, torvanix_providers_contracts_value_binary_load_finish, in_worker);
}

std::string save (Binary *value, const std::string &path, bool in_worker = false)
{
  return file_operation (value, path, torvanix_providers_contracts_value_binary_save, torvanix_providers_contracts_value_binary_save_finish, in_worker);
}

TEST (ValueBinary, BinaryAndBlobAnswerTheirNamesAndDataTypes)
{
  auto binary = own (binary_of ("x"));
  auto blob = own (torvanix_providers_contracts_value_blob_new (reinterpret_cast<const guint8 *> ("x"), 1));
  EXPECT_STREQ (G_OBJECT_TYPE_NAME (binary.get ()), "TorvanixProvidersContractsValueBinary");
  EXPECT_STREQ (G_OBJECT_TYPE_NAME (blob.get ()), "TorvanixProvidersContractsValueBlob");
  EXPECT_EQ (g_type_parent (TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_BLOB), TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_BINARY);
  EXPECT_STREQ (torvanix_providers_contracts_ivalue_get_name (as_ivalue (binary.get ())), "binary");
  EXPECT_STREQ (torvanix_providers_contracts_ivalue_get_name (as_ivalue (blob.get ())), "blob");
  EXPECT_EQ (torvanix_providers_contracts_ivalue_get_data_type (as_ivalue (binary.get ())), 30);
  EXPECT_EQ (torvanix_providers_contracts_ivalue_get_data_type (as_ivalue (blob.get ())), 31);
  gchar *name = nullptr;
  gint data_type = 0;
  g_object_get (blob.get (), "name", &name, "data-type", &data_type, nullptr);
  EXPECT_EQ (take_string (name), "blob");
  EXPECT_EQ (data_type, 31);
  EXPECT_EQ (held (blob.get ()), "x");
}

TEST (ValueBinary, TextFormIsUtf8UpToTheFirstZeroElseHexadecimal)
{
  struct Case {
    const char *label;
    std::string bytes;
    const char *text;
    const char *hex;
  } cases[] = {
    {"UTF-8 text", "h\xc3\xa9llo", "h\xc3\xa9llo", "68C3A96C6C6F"},
    {"not UTF-8", "AB\xff", "4142FF", "4142FF"},
    {"text then zero", std::string ("AB\0\xff", 4), "AB", "414200FF"},
    {"leading zero", std::string ("\0\xff", 2), "", "00FF"},
    {"newline and high byte", "\x0a\xff", "0AFF", "0AFF"},
    {"empty", "", "", ""},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE (c.label);
    auto value = own (binary_of (c.bytes));
    EXPECT_EQ (take_string (torvanix_providers_contracts_ivalue_to_string (as_ivalue (value.get ()))), c.text);
    EXPECT_EQ (take_string (torvanix_providers_contracts_value_binary_to_hexadecimal (value.get ())), c.hex);
    EXPECT_EQ (take_string (torvanix_providers_contracts_ivalue_dump (as_ivalue (value.get ()))),
               std::string ("TorvanixProvidersContractsValueBinary => ") + c.text);
  }
}

TEST (ValueBinary, CopiesOfTheBytes)
{
  const guint8 source[] = {1, 0, 255};
  auto value = own (torvanix_providers_contracts_value_binary_new (source, 3));
  gint length = -1;
  guint8 *copy = torvanix_providers_contracts_value_binary_to_bytes (value.get (), &length);
  ASSERT_EQ (length, 3);
  EXPECT_EQ (std::string (reinterpret_cast<char *> (copy), 3), std::string ("\1\0\xff", 3));
  EXPECT_NE (copy, g_bytes_get_data (torvanix_providers_contracts_value_binary_get_itsvalue (value.get ()), nullptr));
  g_free (copy);

  auto empty = own (torvanix_providers_contracts_value_binary_new (nullptr, 0));
  EXPECT_EQ (held (empty.get ()), "");
  length = -1;
  EXPECT_EQ (torvanix_providers_contracts_value_binary_to_bytes (empty.get (), &length), nullptr);
  EXPECT_EQ (length, 0);
  EXPECT_EQ (torvanix_providers_contracts_value_binary_to_bytes (empty.get (), nullptr), nullptr);

  GValue v = G_VALUE_INIT;
  torvanix_providers_contracts_ivalue_to_value (as_ivalue (value.get ()), &v);
  ASSERT_TRUE (G_VALUE_HOLDS (&v, G_TYPE_BYTES));
  EXPECT_TRUE (g_bytes_equal (static_cast<GBytes *> (g_value_get_boxed (&v)),
                              torvanix_providers_contracts_value_binary_get_itsvalue (value.get ())));
  g_value_unset (&v);
}

TEST (ValueBinary, ClonesOwnTheirBytesAndKeepTheClass)
{
  auto binary = own (binary_of ("abc"));
  auto blob = own (torvanix_providers_contracts_value_blob_new (reinterpret_cast<const guint8 *> ("xyz"), 3));
  for (gpointer original : {gpointer (binary.get ()), gpointer (blob.get ())}) {
    SCOPED_TRACE (G_OBJECT_TYPE_NAME (original));
    std::string before = held (original);
    auto copy = own (torvanix_providers_contracts_ivalue_clone (as_ivalue (original)));
    EXPECT_EQ (G_OBJECT_TYPE (copy.get ()), G_OBJECT_TYPE (original));
    EXPECT_EQ (held (copy.get ()), before);
    EXPECT_NE (torvanix_providers_contracts_value_binary_get_itsvalue (as_binary (copy.get ())),
               torvanix_providers_contracts_value_binary_get_itsvalue (as_binary (original)));
    GBytes *other = g_bytes_new ("changed", 7);
    torvanix_providers_contracts_value_binary_set_itsvalue (as_binary (copy.get ()), other);
    g_bytes_unref (other);
    EXPECT_EQ (held (copy.get ()), "changed");
    EXPECT_EQ (held (original), before);
  }

  torvanix_providers_contracts_value_binary_set_itsvalue (binary.get (), nullptr);
  auto copy = own (torvanix_providers_contracts_ivalue_clone (as_ivalue (binary.get ())));
  EXPECT_EQ (held (copy.get ()), "");
}

TEST (ValueBinary, SettingNotifiesEveryTimeAndKeepsOneReference)
{
  auto value = own (binary_of ("one"));
  GBytes *bytes = g_bytes_new ("two", 3);
  {
    NotifyCounter notes (value.get (), "itsvalue");
    torvanix_providers_contracts_value_binary_set_itsvalue (value.get (), bytes);
    torvanix_providers_contracts_value_binary_set_itsvalue (value.get (), bytes);
    torvanix_providers_contracts_value_binary_set_itsvalue (
        value.get (), torvanix_providers_contracts_value_binary_get_itsvalue (value.get ()));
    g_object_set (value.get (), "itsvalue", bytes, nullptr);
    EXPECT_EQ (notes.count (), 4);
  }
  g_bytes_unref (bytes);
  EXPECT_EQ (held (value.get ()), "two");

  GBytes *read_back = nullptr;
  g_object_get (value.get (), "itsvalue", &read_back, nullptr);
  EXPECT_EQ (read_back, torvanix_providers_contracts_value_binary_get_itsvalue (value.get ()));
  g_bytes_unref (read_back);
}

TEST (ValueBinary, MissingBufferPrintsEmptyAfterAWarning)
{
  auto value = own (binary_of ("x"));
  torvanix_providers_contracts_value_binary_set_itsvalue (value.get (), nullptr);
  LogCapture log;
  EXPECT_EQ (take_string (torvanix_providers_contracts_ivalue_to_string (as_ivalue (value.get ()))), "");
  EXPECT_EQ (take_string (torvanix_providers_contracts_value_binary_to_hexadecimal (value.get ())), "");
  EXPECT_EQ (log.criticals ().size (), 2u);
  EXPECT_EQ (log.criticals ().front (),
             assertion_text ("torvanix_providers_contracts_value_object_to_string", "itsvalue != NULL"));
  EXPECT_EQ (log.criticals ().back (),
             assertion_text ("torvanix_providers_contracts_value_binary_to_hexadecimal", "itsvalue != NULL"));
  log.clear ();
  gint length = -1;
  EXPECT_EQ (torvanix_providers_contracts_value_binary_to_bytes (value.get (), &length), nullptr);
  EXPECT_EQ (length, 0);
  EXPECT_TRUE (log.records ().empty ());
}

TEST (ValueBinary, WriteContinuesAfterShortWrites)
{
  std::string bytes = patterned_bytes (1000);
  auto value = own (binary_of (bytes));
  auto *stream = static_cast<TrickleStream *> (g_object_new (trickle_stream_get_type (), nullptr));
  GError *error = nullptr;
  EXPECT_TRUE (torvanix_providers_contracts_value_binary_write (value.get (), G_OUTPUT_STREAM (stream), &error));
  EXPECT_EQ (error, nullptr);
  EXPECT_EQ (std::string (reinterpret_cast<char *> (stream->received->data), stream->received->len), bytes);
  EXPECT_EQ (stream->calls, 334);
  g_object_unref (stream);

  /* The stream's own error comes back as it is. */
  GOutputStream *closed = g_memory_output_stream_new_resizable ();
  g_output_stream_close (closed, nullptr, nullptr);
  EXPECT_FALSE (torvanix_providers_contracts_value_binary_write (value.get (), closed, &error));
  ASSERT_NE (error, nullptr);
  EXPECT_TRUE (g_error_matches (error, G_IO_ERROR, G_IO_ERROR_CLOSED));
  g_error_free (error);
  g_object_unref (closed);
}

TEST (ValueBinary, FilesRoundTripByteForByte)
{
  ScratchDir dir;
  for (gsize size : {0, 1, 1023, 1024, 1025, 2500, 5 * 1024 * 1024 + 3}) {
    SCOPED_TRACE (size);
    std::string bytes = patterned_bytes (size);
    auto original = own (binary_of (bytes));
    std::string path = dir.write ("data.bin", "previous contents");
    EXPECT_EQ (save (original.get (), path), "ok");
    EXPECT_EQ (ScratchDir::read (path), bytes);

    auto loaded = own (torvanix_providers_contracts_value_blob_new (reinterpret_cast<const guint8 *> ("old"), 3));
    NotifyCounter notes (loaded.get (), "itsvalue");
    EXPECT_EQ (load (as_binary (loaded.get ()), path), "ok");
    EXPECT_EQ (held (loaded.get ()), bytes);
    EXPECT_EQ (notes.count (), 0);
  }
}

TEST (ValueBinary, OperationsCompleteOnAWorkerThreadsContext)
{
  ScratchDir dir;
  std::string bytes = patterned_bytes (3000);
  auto value = own (binary_of (bytes));
  std::string path = dir.file ("worker.bin");
  EXPECT_EQ (save (value.get (), path, true), "ok");
  auto loaded = own (binary_of (""));
  EXPECT_EQ (load (loaded.get (), path, true), "ok");
  EXPECT_EQ (held (loaded.get ()), bytes);
}

TEST (ValueBinary, FailuresPassGiosErrorsAndKeepTheBytes)
{
  ScratchDir dir;
  auto value = own (binary_of ("kept"));
  EXPECT_EQ (load (value.get (), dir.file ("absent.bin")), "ok");
  EXPECT_EQ (load (value.get (), dir.file ("")), io_error (G_IO_ERROR_IS_DIRECTORY));
  EXPECT_EQ (save (value.get (), dir.file ("no-such-dir/out.bin")), io_error (G_IO_ERROR_NOT_FOUND));
  EXPECT_EQ (save (value.get (), dir.file ("")), io_error (G_IO_ERROR_IS_DIRECTORY));
  EXPECT_EQ (held (value.get ()), "kept");

  std::string locked = dir.write ("locked.bin", "secret");
  ASSERT_EQ (g_chmod (locked.c_str (), 0), 0);
  bool root = geteuid () == 0;
  EXPECT_EQ (load (value.get (), locked), root ? "ok" : io_error (G_IO_ERROR_PERMISSION_DENIED));
  EXPECT_EQ (held (value.get ()), root ? "secret" : "kept");

  /* An empty file gives an empty buffer, not a missing one. */
  EXPECT_EQ (load (value.get (), dir.write ("empty.bin", "")), "ok");
  EXPECT_EQ (held (value.get ()), "");
}

/* A file larger than a value can hold (sparse, so nothing is written or
 * read) is refused at once, for bytes and for text, instead of growing a
 * buffer until the process aborts. */
TEST (ValueBinary, AFileLargerThanAValueIsRefusedUnread)
{
  ScratchDir dir;
  std::string path = dir.file ("huge.bin");
  int fd = g_open (path.c_str (), O_CREAT | O_WRONLY, 0600);
  ASSERT_GE (fd, 0);
  ASSERT_EQ (ftruncate (fd, static_cast<off_t> (G_MAXINT) + 1), 0);
  close (fd);

  auto value = own (binary_of ("kept"));
  EXPECT_EQ (load (value.get (), path), io_error (G_IO_ERROR_NOT_SUPPORTED));
  EXPECT_EQ (held (value.get ()), "kept");

  auto text = own (torvanix_providers_contracts_value_string_new ("kept"));
  auto start = [&] (GAsyncReadyCallback done, gpointer data) {
    torvanix_providers_contracts_value_string_load (text.get (), path.c_str (), done, data);
  };
  EXPECT_EQ (outcome_of (run_on_new_context (start), torvanix_providers_contracts_value_string_load_finish, text.get ()),
             io_error (G_IO_ERROR_NOT_SUPPORTED));
  EXPECT_STREQ (torvanix_providers_contracts_value_string_get_itsvalue (text.get ()), "kept");
}

TEST (ValueBinary, AFailedSaveKeepsTheOldFile)
{
  /* A file size limit makes the second write come up short and the third
   * fail, as a full disk would. */
  ScratchDir dir;
  std::string path = dir.write ("kept.bin", "old contents");
  auto value = own (binary_of (patterned_bytes (5000)));
  struct rlimit saved;
  ASSERT_EQ (getrlimit (RLIMIT_FSIZE, &saved), 0);
  struct rlimit limited = saved;
  limited.rlim_cur = 2000;
  void (*old_handler) (int) = signal (SIGXFSZ, SIG_IGN);
  ASSERT_EQ (setrlimit (RLIMIT_FSIZE, &limited), 0);
  std::string outcome = save (value.get (), path);
  setrlimit (RLIMIT_FSIZE, &saved);
  signal (SIGXFSZ, old_handler);

  EXPECT_EQ (outcome.rfind (g_quark_to_string (G_IO_ERROR), 0), 0u) << outcome;
  EXPECT_EQ (ScratchDir::read (path), "old contents");
  GDir *listing = g_dir_open (dir.file ("").c_str (), 0, nullptr);
  int files = 0;
  while (g_dir_read_name (listing)) ++files;
  g_dir_close (listing);
  EXPECT_EQ (files, 1) << "no partial file is left behind";
}

TEST (ValueBinary, SavingWithoutABufferLeavesAnEmptyFile)
{
  ScratchDir dir;
  auto value = own (binary_of ("x"));
  torvanix_providers_contracts_value_binary_set_itsvalue (value.get (), nullptr);
  std::string path = dir.write ("emptied.bin", "before");
  EXPECT_EQ (save (value.get (), path), "ok");
  EXPECT_EQ (ScratchDir::read (path), "");
}

TEST (ValueBinary, BadArgumentsAreRefused)
{
  LogCapture log;
  auto value = own (binary_of ("v"));
  EXPECT_EQ (torvanix_providers_contracts_value_binary_new (nullptr, 3), nullptr);
  EXPECT_EQ (torvanix_providers_contracts_value_blob_new (reinterpret_cast<const guint8 *> ("x"), -1), nullptr);
  EXPECT_FALSE (torvanix_providers_contracts_value_binary_write (value.get (), nullptr, nullptr));
  EXPECT_EQ (torvanix_providers_contracts_value_binary_to_hexadecimal (nullptr), nullptr);
  torvanix_providers_contracts_value_binary_load (value.get (), nullptr, nullptr, nullptr);
  torvanix_providers_contracts_value_binary_save (nullptr, "x", nullptr, nullptr);
  EXPECT_EQ (torvanix_providers_contracts_value_blob_construct (TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_BINARY, nullptr, 0),
             nullptr);

  std::vector<std::string> expected = {
    assertion_text ("torvanix_providers_contracts_value_binary_construct", "data != NULL || length == 0"),
    assertion_text ("torvanix_providers_contracts_value_blob_construct", "length >= 0"),
    assertion_text ("torvanix_providers_contracts_value_binary_write", "stream != NULL"),
    assertion_text ("torvanix_providers_contracts_value_binary_to_hexadecimal", "self != NULL"),
    assertion_text ("torvanix_providers_contracts_value_binary_load", "filename != NULL"),
    assertion_text ("torvanix_providers_contracts_value_binary_save", "self != NULL"),
    assertion_text ("torvanix_providers_contracts_value_blob_construct",
                    "g_type_is_a (object_type, TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_BLOB)"),
  };
  EXPECT_EQ (log.criticals (), expected);
}

}  // namespace
