/* Words of a statement's text, looked for without parsing it: what a
 * provider tells from the text of the session state its server does not
 * report. A name, a string or a comment holding the words counts too,
 * which only ever errs on the safe side (a session thought to hold state
 * is never made again silently). */
#pragma once

#include <initializer_list>

namespace providers::home {

/* Whether `c` may be part of a name. */
bool is_word_character (char c);

/* The letters of `words` (lower case; a space stands for a run of one or
 * more blanks) at `text`, ignoring case; answers the end of the match or
 * null. */
const char *match_words (const char *text, const char *words);

/* Whether one of `phrases` (as match_words reads them) is at `text`. */
bool starts_with_any (const char *text, std::initializer_list<const char *> phrases);

/* Whether `at` answers true for a place of `text` where a word starts
 * (after a character that cannot be part of a name). */
template <typename At>
bool
any_word_start (const char *text, At &&at)
{
  for (const char *p = text; *p != '\0'; ++p) {
    if (p != text && is_word_character (p[-1]))
      continue;
    if (at (p))
      return true;
  }
  return false;
}

}  // namespace providers::home
