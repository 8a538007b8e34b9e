/* The one table from each DataType to its value class and the ways a value
 * of it is built: from a text (the value factory), from a reader's typed
 * getter (the reader's default get_value) and from a provider's cell. A
 * provider reads its own notation into the row's cell form and hands the
 * result to the row's builder; nothing here knows an engine. */
#pragma once

#include "libproviders/contracts/data-reader.h"
#include "libproviders/values/data-type.h"
#include "libproviders/values/value-core.h"

namespace providers::values {

using IValue = TorvanixProvidersContractsIValue;

/* What a provider hands a data type's builder, once it has read the cell in
 * its own notation. */
enum class CellForm : guint8 {
  kNull,     /* no value: the cell is a null value */
  kSigned,   /* an integer: signed_cell */
  kUnsigned, /* a non-negative integer: unsigned_cell */
  kFloating, /* a binary floating-point number: floating_cell */
  kExact,    /* an exact number with the server's digits: exact_cell */
  kDate,     /* a calendar day: a date-time of value_type */
  kTime,     /* a time of day: a date-time of value_type */
  kDateTime, /* a day and a time: a date-time of value_type */
  kText,     /* text: text_cell */
  kSpatial,  /* a spatial value as text (the provider chooses how it spells the server's form): text_cell */
  kBytes,    /* bytes, zero bytes and all: bytes_cell */
};

struct ValueClassRow {
  TorvanixProvidersContractsDataType data_type;
  /* The GLib type that data_type_get_glib_type answers. */
  GType (*glib_type) ();
  /* The class of the data type's values. */
  GType (*value_type) ();
  /* The value factory's value of `text`; null `text` asks for the default value. */
  gpointer (*from_text) (const gchar *text);
  /* The reader's value of a cell that is not null, through the data type's
   * typed getter; null with `error` set when the getter failed. */
  IValue *(*from_reader) (TorvanixProvidersContractsIDataReader *reader, guint16 ordinal, GError **error);

  /* How a provider's cell becomes a value; the builder of the form is set,
   * the others are null. Builders take what they are given as it is and
   * never notify. */
  CellForm cell_form;
  IValue *(*signed_cell) (gint64 value);
  IValue *(*unsigned_cell) (guint64 value);
  IValue *(*floating_cell) (gdouble value);
  /* The number and the server's `length` bytes of `digits`, which it prints. */
  IValue *(*exact_cell) (gdouble value, const gchar *digits, gsize length);
  /* The first `length` bytes of `text`, up to a zero byte among them. */
  IValue *(*text_cell) (const gchar *text, gsize length);
  IValue *(*bytes_cell) (const guint8 *data, gsize length);
};

/* The row of `data_type`; a number that names no data type (C may pass any
 * int) gets the row of UNKNOWN. */
const ValueClassRow &value_class_row (TorvanixProvidersContractsDataType data_type) noexcept;

/* Initialises every value class of the table, once: GLib would do it on
 * first use, also on another thread, and builder threads that start after
 * this meet only classes that are ready. */
void prepare_value_classes ();

}  // namespace providers::values
