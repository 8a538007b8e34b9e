/* How a dropped table's rows are released, and how a new result waits for
 * the last dropped one (table-release.cpp says why). */
#pragma once

#include <gee.h>

namespace providers::models {

/* Called by a finalizing table with its own row list and its number of
 * columns: when the table is big, the list its own alone and the release
 * thread free, takes the list's rows (leaving it empty), releases here
 * every object whose release could run the application's code, and hands
 * the rest to the release thread. Otherwise leaves the list as it is, for
 * the table to release where it is dropped. `rows_lent`: the row list was
 * handed out, so a caller may have reached any row. */
void release_rows (GeeArrayList *rows, guint columns, bool rows_lent);

/* Releases, on the calling thread and beside the release thread, what is
 * left of the table in flight, and returns once it is all gone. Called by
 * the statements that build a new result, before they build it. */
void finish_release_in_flight ();

}  // namespace providers::models
