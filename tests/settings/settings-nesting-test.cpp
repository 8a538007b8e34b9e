/* How deep a settings file may nest: json-glib parses recursively, so a
 * file nested too deep must fail with the depth error however its brackets
 * are spelled, and the bound must be json-glib's own idea of depth. */
#include <libproviders/providers.h>

#include <gtest/gtest.h>

#include <json-glib/json-glib.h>

#include <fstream>
#include <random>
#include <string>

#include "settings/setting-fixtures.h"

namespace {

using namespace providers::testing;

constexpr unsigned kMaxNesting = 512;

std::string
repeated (const std::string &piece, size_t times)
{
  std::string text;
  text.reserve (piece.size () * times);
  for (size_t i = 0; i < times; ++i) text += piece;
  return text;
}

struct Outcome {
  bool loaded = false;
  bool too_deep = false;
  std::string message;
};

Outcome
load_text (const TempDir &dir, const std::string &text)
{
  std::string path = dir.file ("settings.json");
  std::ofstream (path, std::ios::binary | std::ios::trunc) << text;
  auto setting = own (torvanix_providers_contracts_server_setting_new ());
  GError *error = nullptr;
  Outcome outcome;
  outcome.loaded = torvanix_providers_contracts_server_setting_load (setting.get (), path.c_str (), &error);
  if (error) {
    outcome.message = error->message;
    outcome.too_deep = g_error_matches (error, JSON_PARSER_ERROR, JSON_PARSER_ERROR_PARSE) &&
                       outcome.message == path + ": Parse error: nested deeper than 512 levels";
    g_error_free (error);
  }
  return outcome;
}

/* Files that once went past the guard, behind comments and quotes that
 * json-glib reads and a plain scan for double quotes does not, and on to a
 * stack overflow in the parser. */
TEST (SettingsNesting, TooDeepFailsWithTheDepthErrorHoweverItIsSpelled)
{
  const size_t deep = 100000;
  const std::string arrays = repeated ("[", deep) + repeated ("]", deep);
  const std::string objects = repeated ("{\"a\":", deep) + "1" + repeated ("}", deep);
  const struct {
    const char *what;
    std::string text;
  } cases[] = {
      {"block comments holding a quote", "{\"servers\": /* \" */ " + arrays + " /* \" */ }"},
      {"single-quoted names holding a quote", "{'x\"': 1, \"servers\": " + arrays + ", 'y\"': 2}"},
      {"slash comments holding a quote", "{\"servers\": / \" / " + arrays + " / \" / }"},
      {"objects behind a single-quoted text", "{\"a\": '\"', \"b\": " + objects + ", \"c\": '\"'}"},
      {"unclosed", "{\"servers\": " + repeated ("[{\"s\": ", deep)},
  };
  TempDir dir;
  for (const auto &c : cases) {
    SCOPED_TRACE (c.what);
    Outcome outcome = load_text (dir, c.text);
    EXPECT_FALSE (outcome.loaded);
    EXPECT_TRUE (outcome.too_deep) << outcome.message;
  }
}

/* The depth json-glib's own signals reach while it parses `text`. */
struct ParserDepth {
  guint depth = 0;
  guint deepest = 0;
  bool parsed = false;
};

ParserDepth
parser_depth (const std::string &text)
{
  ParserDepth seen;
  auto parser = own (json_parser_new ());
  auto start = +[] (JsonParser *, gpointer data) {
    auto *s = static_cast<ParserDepth *> (data);
    if (++s->depth > s->deepest) s->deepest = s->depth;
  };
  auto end = +[] (JsonParser *, gpointer, gpointer data) { --static_cast<ParserDepth *> (data)->depth; };
  g_signal_connect (parser.get (), "array-start", G_CALLBACK (start), &seen);
  g_signal_connect (parser.get (), "object-start", G_CALLBACK (start), &seen);
  g_signal_connect (parser.get (), "array-end", G_CALLBACK (end), &seen);
  g_signal_connect (parser.get (), "object-end", G_CALLBACK (end), &seen);
  seen.parsed = json_parser_load_from_data (parser.get (), text.data (), static_cast<gssize> (text.size ()), nullptr);
  return seen;
}

/* Random spellings of a nesting close to the bound: between the tokens sit
 * the comments and quoted texts json-glib accepts, full of brackets and
 * quotes, and now and then a flaw that stops the parse. */
class Spelling {
 public:
  explicit Spelling (unsigned seed) : random_ (seed) {}

  std::string file (unsigned levels)
  {
    text_.clear ();
    flaw_at_ = chance (25) ? std::uniform_int_distribution<unsigned> (1, levels) (random_) : kNoFlaw;
    text_ += "{";
    filler ();
    name ();
    text_ += ":";
    nest (levels - 1);
    filler ();
    text_ += "}";
    return text_;
  }

 private:
  bool chance (unsigned percent) { return std::uniform_int_distribution<unsigned> (0, 99) (random_) < percent; }
  const char *pick (std::initializer_list<const char *> choices)
  {
    auto at = std::uniform_int_distribution<size_t> (0, choices.size () - 1) (random_);
    return choices.begin ()[at];
  }

  void filler ()
  {
    while (chance (30))
      text_ += pick ({" ", "\n", "/* [ \" { */", "/*]}'*/", "/ [ \" /", "/{'/", "//", "\t"});
  }
  void name () { text_ += pick ({"\"k\"", "'k\"['", "\"k\\\"{\"", "'{\"'", "\"[\\\\\"", "'\\'"}); }
  void scalar ()
  {
    text_ += pick ({"1", "'x\"['", "\"y\\\"]\"", "\"\\u005b\"", "true", "null", "-2.5", "'}'", "\"/*\""});
  }
  void flaw () { text_ += pick ({"\"", "'", "/*", "]", ",,", ":", "/", "\\"}); }

  void nest (unsigned levels)
  {
    filler ();
    if (levels == flaw_at_) flaw ();
    if (levels == 0) {
      scalar ();
      return;
    }
    bool array = chance (60);
    text_ += array ? "[" : "{";
    if (chance (30)) {
      filler ();
      if (!array) {
        name ();
        text_ += ":";
      }
      scalar ();
      text_ += ",";
    }
    filler ();
    if (!array) {
      name ();
      filler ();
      text_ += ":";
    }
    nest (levels - 1);
    filler ();
    text_ += array ? "]" : "}";
  }

  std::mt19937 random_;
  std::string text_;
  static constexpr unsigned kNoFlaw = ~0u;
  unsigned flaw_at_ = kNoFlaw; /* the level that holds a flaw */
};

/* For every file json-glib parses, the guard refuses exactly those whose
 * depth, as json-glib's signals count it, passes the bound; a file that
 * json-glib refuses earlier keeps json-glib's error. */
TEST (SettingsNesting, TheBoundIsTheDepthJsonGlibReaches)
{
  TempDir dir;
  Spelling spelling (20261209);
  std::mt19937 levels_of (7);
  unsigned parsed = 0, refused_deep = 0;
  for (int i = 0; i < 200; ++i) {
    unsigned levels = std::uniform_int_distribution<unsigned> (kMaxNesting - 6, kMaxNesting + 6) (levels_of);
    std::string text = spelling.file (levels);
    SCOPED_TRACE ("file " + std::to_string (i) + " of " + std::to_string (levels) + " levels");
    ParserDepth json_glib = parser_depth (text);
    Outcome outcome = load_text (dir, text);
    if (json_glib.deepest > kMaxNesting) {
      ++refused_deep;
      EXPECT_TRUE (outcome.too_deep) << json_glib.deepest << " levels: " << outcome.message;
      EXPECT_FALSE (outcome.loaded);
    } else {
      EXPECT_FALSE (outcome.too_deep) << json_glib.deepest << " levels";
      EXPECT_EQ (outcome.loaded, json_glib.parsed) << outcome.message;
      parsed += json_glib.parsed;
    }
  }
  /* Both sides of the bound, and files that parse, are well represented. */
  EXPECT_GT (parsed, 40u);
  EXPECT_GT (refused_deep, 40u);
}

}  // namespace
