/* Splits SQL text into statements the way the server reads it: quotes,
 * backquoted names and comments may hold semicolons. */
#include "sql-split.h"

#include <string.h>

static void
finish (GPtrArray *statements, const gchar *start, const gchar *end, gboolean has_code)
{
  if (!has_code)
    return;
  g_autofree gchar *statement = g_strndup (start, (gsize) (end - start));
  g_ptr_array_add (statements, g_strdup (g_strstrip (statement)));
}

gchar **
providers_sql_split (const gchar *text)
{
  GPtrArray *statements = g_ptr_array_new ();
  const gchar *start = text, *p = text;
  gboolean has_code = FALSE;
  while (*p) {
    if (*p == '\'' || *p == '"' || *p == '`') {
      /* A quote ends at its unescaped twin; doubling it escapes it too. */
      gchar quote = *p++;
      while (*p) {
        if (*p == '\\' && quote != '`' && p[1])
          p += 2;
        else if (*p == quote && p[1] == quote)
          p += 2;
        else if (*p == quote)
          break;
        else
          p++;
      }
      if (*p)
        p++;
      has_code = TRUE;
    } else if (*p == '#' || (p[0] == '-' && p[1] == '-' && (p[2] == ' ' || p[2] == '\t' || p[2] == '\n' || !p[2]))) {
      p += strcspn (p, "\n");
    } else if (p[0] == '/' && p[1] == '*') {
      const gchar *close = strstr (p + 2, "*/");
      /* An executable comment, opened with a bang, is code for the server. */
      if (p[2] == '!')
        has_code = TRUE;
      p = close ? close + 2 : p + strlen (p);
    } else if (*p == ';') {
      finish (statements, start, p, has_code);
      start = ++p;
      has_code = FALSE;
    } else {
      if (!g_ascii_isspace (*p))
        has_code = TRUE;
      p++;
    }
  }
  finish (statements, start, p, has_code);
  g_ptr_array_add (statements, NULL);
  return (gchar **) g_ptr_array_free (statements, FALSE);
}
