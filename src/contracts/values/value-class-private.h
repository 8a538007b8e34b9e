/* Pieces shared by the value classes beyond the standard properties of
 * value-object-private.h. */
#pragma once

#include "libproviders/values/value-core.h"

namespace providers::values {

/* For a class that refines another value class and adds no value of its
 * own (ValueDate, ValueFlags, ValueGeography...): installs its own
 * read-only "name" and "data-type", answered by its virtuals; "itsvalue"
 * and "is-null" stay those of its ancestors. */
void install_name_and_data_type (GObjectClass *object_class);

/* "itsvalue" of a class that holds its value as text: a read-write string
 * whose setter notifies on every call. */
GParamSpec *text_itsvalue_pspec ();

/* Replaces the owned text in `slot` by a copy of `text` (null allowed),
 * which may be the very text held. */
void replace_text (gchar **slot, const gchar *text);

}  // namespace providers::values
