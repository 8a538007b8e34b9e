/* The cell layer's numbers: every spelling a server or a caller may put in
 * a cell reads as GLib's parsers and from_chars read it, the shortcut for
 * plain digits included, down to the last bit of a double. */
#include "supports/common/text-cells-internal.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace {

using providers::home::double_parse;
using providers::home::long_parse;
using providers::home::ulong_parse;

/* How a double cell read before any shortcut: from_chars to the end, else
 * GLib's parser. */
double
reference_double (const std::string &text)
{
  double value = 0;
  auto [stop, ec] = std::from_chars (text.data (), text.data () + text.size (), value);
  if (ec == std::errc () && stop == text.data () + text.size ())
    return value;
  return g_ascii_strtod (text.c_str (), nullptr);
}

std::vector<std::string>
spellings ()
{
  std::vector<std::string> all = {
      "0", "-0", "00", "007", "-007", "42", "-42", "+42", " 42", "42 ", "4 2", "42x", "x42", "", "-", "+", "--1", "-+1",
      ".", "-.", "5.", ".5", "-.5", "1.5", "-1.5", "1..5", "1.5.", "0.1", "0.2", "0.3", "-0.00", "12.50", "1e3", "1E-3",
      "0x10", "nan", "inf", "-inf", "1.7976931348623157e308", "4.9e-324",
      /* Where 64 bits and the shortcut's digit counts end. */
      "99999999999999999", "999999999999999999", "-999999999999999999", "1000000000000000000", "9223372036854775807",
      "-9223372036854775807", "9223372036854775808", "-9223372036854775808", "-9223372036854775809",
      "18446744073709551615", "18446744073709551616", "-18446744073709551615", "000000000000000000042",
      "123456789012345", "1234567890123456", "12345678901234567", "1234567890.12345", "1234567890.123456",
      "0.000000000000001", "0.0000000000000001", "999999999999999", "9999999999999999", "9007199254740993",
      "0.123456789012345", "-99999999999999.9", "100000000000000000000000",
      /* Seventeen digits whose whole number is no exact double: one
       * division of it rounds twice, and wrongly. */
      "14104964.507621545", "4291926294263.9716", "1150182.2450236735", "712089280411.82307", "81698347546858.198",
      "90.518377779528486"};
  /* Decimals of every length and point position, and the neighbours of
   * powers of ten, where a rounding slip would show. */
  std::mt19937_64 random (7);
  for (int i = 0; i < 20000; ++i) {
    const int length = 1 + static_cast<int> (random () % 20);
    std::string digits;
    for (int d = 0; d < length; ++d)
      digits.push_back (static_cast<char> ('0' + random () % 10));
    if (random () % 2)
      digits.insert (random () % (digits.size () + 1), ".");
    if (random () % 3 == 0)
      digits.insert (0, "-");
    all.push_back (digits);
  }
  for (int e = 0; e <= 22; ++e)
    for (const char *around : {"1", "9", "10", "11", "99"}) {
      std::string text = around + std::string (static_cast<std::size_t> (e), '0');
      all.push_back (text);
      all.push_back ("0." + std::string (static_cast<std::size_t> (e), '0') + around);
    }
  return all;
}

TEST (CellNumbers, EverySpellingReadsAsTheGeneralParsersReadIt)
{
  for (const std::string &text : spellings ()) {
    SCOPED_TRACE ("\"" + text + "\"");
    EXPECT_EQ (long_parse (text.c_str (), "long_parse"), g_ascii_strtoll (text.c_str (), nullptr, 10));
    EXPECT_EQ (ulong_parse (text.c_str (), "ulong_parse"), g_ascii_strtoull (text.c_str (), nullptr, 10));
    const double expected = reference_double (text);
    const double got = double_parse (text.c_str (), "double_parse");
    /* Bit for bit: -0 stays -0 and NaN stays NaN. */
    EXPECT_EQ (std::memcmp (&got, &expected, sizeof got), 0) << got << " against " << expected;
  }
}

}  // namespace
