/* A reader over a result whose cells arrive as text, held whole in the
 * client: the cursor, the column descriptions, the typed getters through
 * the common cell layer and the whole-row get_values with its
 * build-ahead thread. An engine gives the rows (TextRows) and its reader
 * class; the slots find the reader's state through the engine's accessor,
 * so that each engine keeps its own GObject type. */
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "common/compat-texts.h"
#include "common/gobject-ref.h"
#include "libproviders/contracts.h"
#include "supports/common/row-values-internal.h"
#include "supports/common/text-cells-internal.h"
#include "supports/common/values-ahead-internal.h"

namespace providers::home {

/* The rows of one result, as the engine's client holds them. */
class TextRows {
 public:
  virtual ~TextRows () = default;
  /* Makes the next row current; false past the last one. */
  virtual bool next () = 0;
  /* Reads past every row left, for a reader closed mid-result. */
  virtual void skip_rest () {}
  /* The current row's cell in column `index` (below the field count), in
   * the cell layer's notation; valid until the next call. */
  virtual Cell cell (guint index) = 0;
  /* What the reader answers for the column's size. */
  virtual gint32 size (guint index) = 0;
  /* The stored rows after the current one, `rows_read` rows having been
   * read (0 when the result is not held whole). */
  virtual guint64 rows_after (guint64 rows_read) = 0;
  /* Those rows, from the next one on, for the build-ahead thread; null
   * when there are none. */
  virtual std::unique_ptr<StoredRows> rest () = 0;
};

/* A column as the reader describes it: its name, the server's name of its
 * type and how its cells become values. */
struct ReaderField {
  std::string name;
  std::string dbms_type;
  Column column;
};

/* The function names that the reader's CRITICALs report. */
struct ReaderNames {
  const char *get_name;
  const char *get_dbms_type;
  const char *get_data_type;
  const char *get_size;
  const char *get_date;
  const char *get_value;
};

/* Built whole with its reader and destroyed whole with it: members go in
 * the reverse order of these lines, so the build-ahead thread, which reads
 * the rows, is joined before the rows go. */
class TextReader {
 public:
  TextReader (std::unique_ptr<TextRows> rows, std::vector<ReaderField> fields, const ReaderNames &names);

  TextReader (const TextReader &) = delete;
  TextReader &operator= (const TextReader &) = delete;

  /* The slots' work. */
  bool read ();
  void close ();
  /* The cell of the current row; no cell when there is none. */
  Cell cell (guint index);
  /* A column the result has; else the CRITICAL of `function`, false. */
  bool has_column (const char *function, guint16 ordinal) const;
  TorvanixProvidersContractsIValue *value (guint16 ordinal);
  TorvanixProvidersContractsIValue **values (gint *length, GError **error);

  guint field_count () const { return static_cast<guint> (fields.size ()); }

  const std::unique_ptr<TextRows> rows;
  const std::vector<ReaderField> fields;
  const ReaderNames &names;
  std::vector<Column> columns;
  /* Looked up once: GLib reads the zone files on every lookup. */
  GUnique<GTimeZone> local_zone;
  bool has_row = false; /* a current row: after a read that answered one */
  bool closed = false;  /* read answered false, or close was called */
  guint64 rows_read = 0; /* the current row is the last of them */
  RowValues ahead;
};

using ReaderOf = TextReader &(*) (TorvanixProvidersContractsIDataReader *);

/* The slots' work on a reader's state, each as its slot answers. */
namespace text_slots {

using IValue = TorvanixProvidersContractsIValue;
using DataType = TorvanixProvidersContractsDataType;

gboolean bulk (TextReader &, GError **);
gboolean read (TextReader &r, GError **);
void close (TextReader &r, GError **);
gchar *get_name (TextReader &r, guint16 ordinal, GError **);
gchar *get_dbms_type (TextReader &r, guint16 ordinal, GError **);
DataType get_data_type (TextReader &r, guint16 ordinal, GError **);
gint32 get_size (TextReader &r, guint16 ordinal, GError **);
gboolean is_null (TextReader &r, guint16 ordinal, GError **);
/* The numeric getters: each its cell parsed by `parse`, a null cell
 * reported under `step`, and cast to its type. */
#define PROVIDERS_TEXT_NUMBER_GETTERS(X)                            \
  X (get_int8, gint8, long_parse, PROVIDERS_STEP_LONG_PARSE)        \
  X (get_int16, gint16, long_parse, PROVIDERS_STEP_LONG_PARSE)      \
  X (get_int32, gint32, long_parse, PROVIDERS_STEP_LONG_PARSE)      \
  X (get_uint8, guint8, ulong_parse, PROVIDERS_STEP_ULONG_PARSE)    \
  X (get_uint16, guint16, ulong_parse, PROVIDERS_STEP_ULONG_PARSE)  \
  X (get_uint32, guint32, ulong_parse, PROVIDERS_STEP_ULONG_PARSE)  \
  X (get_int64, gint64, long_parse, PROVIDERS_STEP_INT64_PARSE)     \
  X (get_uint64, guint64, ulong_parse, PROVIDERS_STEP_UINT64_PARSE) \
  X (get_float, gfloat, double_parse, PROVIDERS_STEP_FLOAT_PARSE)   \
  X (get_double, gdouble, double_parse, PROVIDERS_STEP_DOUBLE_PARSE)
#define PROVIDERS_TEXT_DECLARE_NUMBER_GETTER(name, type, ...) type name (TextReader &r, guint16 ordinal, GError **);
PROVIDERS_TEXT_NUMBER_GETTERS (PROVIDERS_TEXT_DECLARE_NUMBER_GETTER)
#undef PROVIDERS_TEXT_DECLARE_NUMBER_GETTER
void get_date (TextReader &r, guint16 ordinal, GDate *result, GError **);
GDateTime *get_time (TextReader &r, guint16 ordinal, GError **);
GDateTime *get_datetime (TextReader &r, guint16 ordinal, GError **);
gchar *get_text (TextReader &r, guint16 ordinal, GError **);
gchar *get_hex (TextReader &r, guint16 ordinal, GError **);
gchar *get_string16 (TextReader &r, guint16 ordinal, GError **);
guint8 *get_binary (TextReader &r, guint16 ordinal, gint *length, GError **);
IValue *get_value (TextReader &r, guint16 ordinal, GError **);
IValue **get_values (TextReader &r, gint *length, GError **error);
gint get_field_count (TextReader &r);
gboolean get_is_closed (TextReader &r);

/* A slot calling `work` on the state `of` finds. */
template <ReaderOf of, auto work>
struct Slot;
template <ReaderOf of, typename R, typename... A, R (*work) (TextReader &, A...)>
struct Slot<of, work> {
  static R call (TorvanixProvidersContractsIDataReader *self, A... args) { return work (of (self), args...); }
};

}  // namespace text_slots

/* Fills every slot of `iface` that a text reader answers the same way in
 * every engine, `of` finding a reader's state; the engine fills the rest
 * (get_boolean, get_timespan, get_geometry, and whichever it answers
 * otherwise) after it. */
template <ReaderOf of>
void
install_text_reader (TorvanixProvidersContractsIDataReaderInterface *iface)
{
  using namespace text_slots;
  iface->bulk = Slot<of, bulk>::call;
  iface->read = Slot<of, read>::call;
  iface->close = Slot<of, close>::call;
  iface->get_name = Slot<of, get_name>::call;
  iface->get_dbms_type = Slot<of, get_dbms_type>::call;
  iface->get_data_type = Slot<of, get_data_type>::call;
  iface->get_size = Slot<of, get_size>::call;
  iface->is_null = Slot<of, is_null>::call;
#define PROVIDERS_TEXT_INSTALL_NUMBER_GETTER(name, ...) iface->name = Slot<of, name>::call;
  PROVIDERS_TEXT_NUMBER_GETTERS (PROVIDERS_TEXT_INSTALL_NUMBER_GETTER)
#undef PROVIDERS_TEXT_INSTALL_NUMBER_GETTER
  iface->get_decimal = Slot<of, get_double>::call;
  iface->get_money = Slot<of, get_double>::call;
  iface->get_date = Slot<of, get_date>::call;
  iface->get_time = Slot<of, get_time>::call;
  iface->get_datetime = Slot<of, get_datetime>::call;
  iface->get_timestamp = Slot<of, get_datetime>::call;
  iface->get_string = Slot<of, get_text>::call;
  iface->get_string16 = Slot<of, get_string16>::call;
  iface->get_guid = Slot<of, get_text>::call;
  iface->get_enum = Slot<of, get_text>::call;
  iface->get_set = Slot<of, get_text>::call;
  iface->get_json = Slot<of, get_text>::call;
  iface->get_binary = Slot<of, get_binary>::call;
  iface->get_value = Slot<of, get_value>::call;
  iface->get_values = Slot<of, get_values>::call;
  iface->get_field_count = Slot<of, get_field_count>::call;
  iface->get_is_closed = Slot<of, get_is_closed>::call;
}

}  // namespace providers::home
