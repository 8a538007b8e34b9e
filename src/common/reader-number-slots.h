/* The reader interface's numeric getters in one list, for the code that
 * walks them all: X (slot, C type, kind), the kind `integer` for a whole
 * number and `real` for the others. */
#pragma once

#define PROVIDERS_READER_NUMBER_SLOTS(X) \
  X (get_int8, gint8, integer)           \
  X (get_uint8, guint8, integer)         \
  X (get_int16, gint16, integer)         \
  X (get_uint16, guint16, integer)       \
  X (get_int32, gint32, integer)         \
  X (get_uint32, guint32, integer)       \
  X (get_int64, gint64, integer)         \
  X (get_uint64, guint64, integer)       \
  X (get_decimal, gdouble, real)         \
  X (get_money, gdouble, real)           \
  X (get_float, gfloat, real)            \
  X (get_double, gdouble, real)
