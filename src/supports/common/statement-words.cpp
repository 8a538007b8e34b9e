/* The words of a statement's text, matched ignoring case and the width of
 * the blanks between them. */
#include "supports/common/statement-words-internal.h"

#include <glib.h>

namespace providers::home {

bool
is_word_character (char c)
{
  return g_ascii_isalnum (c) || c == '_' || c == '$';
}

const char *
match_words (const char *text, const char *words)
{
  for (; *words != '\0'; ++words) {
    if (*words == ' ') {
      if (!g_ascii_isspace (*text))
        return nullptr;
      while (g_ascii_isspace (*text))
        ++text;
      continue;
    }
    if (g_ascii_tolower (*text) != *words)
      return nullptr;
    ++text;
  }
  return text;
}

bool
starts_with_any (const char *text, std::initializer_list<const char *> phrases)
{
  for (const char *phrase : phrases) {
    if (match_words (text, phrase) != nullptr)
      return true;
  }
  return false;
}

}  // namespace providers::home
