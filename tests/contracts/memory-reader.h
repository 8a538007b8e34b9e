/* A data reader over rows held in memory, for tests.
 *
 * It fills only the slots an implementation must fill (bulk to get_binary,
 * get_field_count, get_is_closed) and leaves every later slot to the
 * interface's defaults, so the defaults are exercised exactly as behind a
 * real provider. Cells are given as text (NULL for a database null) and
 * converted by each typed getter.
 */
#pragma once

#include <libproviders/providers.h>

G_BEGIN_DECLS

typedef struct {
  const gchar *name;
  const gchar *dbms_type;
  TorvanixProvidersContractsDataType data_type;
  gint32 size;
} MemoryReaderColumn;

/* Which call a planted failure hits. */
typedef enum {
  MEMORY_READER_FAIL_IS_NULL,
  MEMORY_READER_FAIL_DATA_TYPE,
  MEMORY_READER_FAIL_GETTER,
} MemoryReaderStep;

#define MEMORY_TYPE_READER (memory_reader_get_type ())
G_DECLARE_FINAL_TYPE (MemoryReader, memory_reader, MEMORY, READER, GObject)

/* A reader with these columns (copied) and no rows. */
MemoryReader *memory_reader_new (const MemoryReaderColumn *columns, guint n_columns);
/* Appends a row of n_columns cells (copied); a NULL cell is a null. */
void memory_reader_add_row (MemoryReader *self, const gchar *const *cells);
/* Serves the stored rows round and round until `rows` rows were read. */
void memory_reader_set_repeat (MemoryReader *self, guint64 rows);
/* Answers `count` as the field count; ordinals past the described columns
 * read as the last column. */
void memory_reader_set_field_count (MemoryReader *self, gint count);
/* Every `step` call on `ordinal` fails from now on (G_IO_ERROR_FAILED). */
void memory_reader_fail (MemoryReader *self, MemoryReaderStep step, guint16 ordinal);
/* How many typed getters (get_boolean to get_binary) were called. */
guint memory_reader_getter_calls (MemoryReader *self);
/* The interface as the library sees it. */
TorvanixProvidersContractsIDataReader *memory_reader_as_reader (MemoryReader *self);

G_END_DECLS
