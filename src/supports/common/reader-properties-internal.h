/* The properties every reader class overrides from the reader interface,
 * answered through the class's own slots. */
#pragma once

#include <glib-object.h>

namespace providers::home {

/* Overrides "field-count" and "is-closed" on a reader class and answers
 * them from its get_field_count and get_is_closed slots. */
void reader_properties (GObjectClass *object_class);

}  // namespace providers::home
