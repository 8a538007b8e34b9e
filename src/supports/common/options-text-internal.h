/* The profile's "options" text, one grammar for every engine.
 *
 *   options = [ pair *( ";" pair ) [ ";" ] ]
 *   pair    = key "=" value
 *   key     = ASCII letter *( ASCII letter / digit / "_" / "-" )
 *   value   = bare / quoted
 *   bare    = any characters but ";" and '"'
 *   quoted  = '"' *( any character but '"' and "\" / "\\" / "\"" ) '"'
 *
 * Blanks (space, tab, line breaks) around keys, "=", values and ";" are
 * not part of them. Keys are compared without regard to ASCII case and
 * answered in lower case; a key given twice, or one the engine does not
 * know, is an error. An empty or blank text holds no options.
 *
 *   application_name = "report; nightly" ; connect_timeout=5
 */
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace providers::home {

struct OptionPair {
  std::string key;
  std::string value;
};

class OptionsText {
 public:
  /* Parses `text` and checks every key against `known_keys` (lower case).
   * A text that breaks the grammar leaves no options and a problem. */
  OptionsText (std::string_view text, std::initializer_list<std::string_view> known_keys);

  bool ok () const noexcept { return problem_.empty (); }
  /* What is wrong with the text, for an error message; "" when ok. */
  const std::string &problem () const noexcept { return problem_; }
  const std::vector<OptionPair> &pairs () const noexcept { return pairs_; }
  /* The value of `key`, or null when the text does not give it. */
  const std::string *find (std::string_view key) const noexcept;

 private:
  std::vector<OptionPair> pairs_;
  std::string problem_;
};

}  // namespace providers::home
