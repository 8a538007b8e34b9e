/* The parser of the profile's "options" text (grammar in options-text-internal.h). */
#include "supports/common/options-text-internal.h"

#include <algorithm>

namespace providers::home {

namespace {

bool is_blank (char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
bool is_letter (char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool is_key_char (char c) { return is_letter (c) || (c >= '0' && c <= '9') || c == '_' || c == '-'; }
char lower (char c) { return c >= 'A' && c <= 'Z' ? static_cast<char> (c - 'A' + 'a') : c; }

class Parser {
 public:
  explicit Parser (std::string_view text) : text_ (text) {}

  /* Fills `pairs`; answers "" or what is wrong. */
  std::string parse (std::vector<OptionPair> &pairs)
  {
    for (;;) {
      skip_blanks ();
      if (at_end ())
        return "";
      if (peek () == ';') {
        ++at_;
        continue;
      }
      OptionPair pair;
      if (std::string problem = parse_pair (pair); !problem.empty ())
        return problem;
      for (const OptionPair &earlier : pairs) {
        if (earlier.key == pair.key)
          return "the key \"" + pair.key + "\" is given twice";
      }
      pairs.push_back (std::move (pair));
      skip_blanks ();
      if (!at_end () && peek () != ';')
        return where ("\";\" expected after the value of \"" + pairs.back ().key + "\"");
    }
  }

 private:
  std::string parse_pair (OptionPair &pair)
  {
    if (!is_letter (peek ()))
      return where ("a key expected");
    while (!at_end () && is_key_char (peek ()))
      pair.key += lower (text_[at_++]);
    skip_blanks ();
    if (at_end () || peek () != '=')
      return where ("\"=\" expected after the key \"" + pair.key + "\"");
    ++at_;
    skip_blanks ();
    if (!at_end () && peek () == '"')
      return parse_quoted (pair);
    size_t start = at_;
    while (!at_end () && peek () != ';' && peek () != '"')
      ++at_;
    if (!at_end () && peek () == '"')
      return where ("a quote inside the bare value of \"" + pair.key + "\"");
    size_t end = at_;
    while (end > start && is_blank (text_[end - 1]))
      --end;
    pair.value.assign (text_.substr (start, end - start));
    return "";
  }

  std::string parse_quoted (OptionPair &pair)
  {
    size_t open = at_++;
    while (!at_end ()) {
      char c = text_[at_++];
      if (c == '"')
        return "";
      if (c == '\\') {
        if (at_end () || (peek () != '"' && peek () != '\\'))
          return where ("only \\\" and \\\\ may follow a backslash in the value of \"" + pair.key + "\"");
        c = text_[at_++];
      }
      pair.value += c;
    }
    at_ = open;
    return where ("the quoted value of \"" + pair.key + "\" is not closed");
  }

  std::string where (const std::string &what) const { return what + " at byte " + std::to_string (at_); }
  void skip_blanks ()
  {
    while (!at_end () && is_blank (peek ()))
      ++at_;
  }
  bool at_end () const { return at_ >= text_.size (); }
  char peek () const { return at_end () ? '\0' : text_[at_]; }

  std::string_view text_;
  size_t at_ = 0;
};

}  // namespace

OptionsText::OptionsText (std::string_view text, std::initializer_list<std::string_view> known_keys)
{
  problem_ = Parser (text).parse (pairs_);
  for (const OptionPair &pair : pairs_) {
    if (!problem_.empty ())
      break;
    if (std::find (known_keys.begin (), known_keys.end (), pair.key) == known_keys.end ()) {
      problem_ = "unknown key \"" + pair.key + "\"; the known keys are";
      const char *separator = " ";
      for (std::string_view known : known_keys) {
        problem_.append (separator).append (known);
        separator = ", ";
      }
      if (known_keys.size () == 0)
        problem_ += " none";
    }
  }
  if (!problem_.empty ())
    pairs_.clear ();
}

const std::string *
OptionsText::find (std::string_view key) const noexcept
{
  for (const OptionPair &pair : pairs_) {
    if (pair.key == key)
      return &pair.value;
  }
  return nullptr;
}

}  // namespace providers::home
