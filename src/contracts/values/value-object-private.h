/* Pieces shared by the value classes: the standard read-only properties
 * every value class installs for itself. */
#pragma once

#include "libproviders/values/value-core.h"

namespace providers::values {

/* The property ids of every value class. Each class installs the
 * properties it has under these numbers, so that get_property and
 * set_property tell them apart by id, whichever class installed them. */
enum ValueProperty : guint {
  PROP_0,
  PROP_NAME,
  PROP_ITSVALUE,
  PROP_DATA_TYPE,
  PROP_IS_NULL,
};

/* "name": read-only string, answered through get_name. */
GParamSpec *name_pspec ();
/* "data-type": read-only DataType, answered through get_data_type. */
GParamSpec *data_type_pspec ();
/* "is-null": read-only boolean, answered through get_is_null. */
GParamSpec *is_null_pspec ();

/* Answers "name", "data-type" or "is-null" for any value object by its
 * virtuals; returns false for any other property. */
bool get_standard_property (GObject *object, guint prop_id, GValue *value);

}  // namespace providers::values
