/* How the value factory reads numbers and times of day from text, for the
 * rows of the class table. */
#pragma once

#include <glib.h>

namespace providers::values {

/* Integers, read as the C library's conversions read them but wrapping
 * around modulo 2^64 instead of overflowing. Decimal, as atoi reads them: */
guint64 decimal_integer (const gchar *text);
/* With base prefixes (0x for hexadecimal, a leading 0 for octal), as
 * strtoul with base 0 reads them: */
guint64 prefixed_integer (const gchar *text);

/* Single precision rounded straight from the text, with a full stop as the
 * decimal point whatever the process locale; out-of-range text gives an
 * infinity, as strtof does. */
gfloat float_from_text (const gchar *text);

/* A ValueTime: the time of day of a full ISO 8601 date and time, midnight
 * for any other text, the present time of day for none. */
gpointer time_from_text (const gchar *text);

}  // namespace providers::values
