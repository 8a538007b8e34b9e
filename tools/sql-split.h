/* Splits SQL text into statements. */
#ifndef PROVIDERS_QUERY_SQL_SPLIT_H
#define PROVIDERS_QUERY_SQL_SPLIT_H

#include <glib.h>

G_BEGIN_DECLS

/* The statements of @text, split at semicolons that stand outside quotes,
 * backquotes and comments, each trimmed; statements holding nothing but
 * blanks and comments are left out. Free with g_strfreev(). */
gchar **providers_sql_split (const gchar *text);

G_END_DECLS

#endif /* PROVIDERS_QUERY_SQL_SPLIT_H */
