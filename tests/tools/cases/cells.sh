# Cells as the server holds them, in each format: doubles with exponents and
# the largest unsigned integers stay JSON numbers, empty bytes are not NULL,
# zero dates print as the server's text without a warning, and ZEROFILL and
# YEAR keep their padding.
cells="SELECT 1e20 AS big, 2.5e-300 AS tiny, 0.5 + 0 AS half, CAST(18446744073709551615 AS UNSIGNED) AS max_unsigned,
              x'' AS empty_bytes, CAST(0 AS BINARY(0)) AS empty_binary, b'' AS no_bits, CAST('0000-00-00' AS DATE) AS zero_date,
              CAST('2024-01-00 10:00:00.5' AS DATETIME(1)) AS partial, LPAD(7, 3, '0') + 0 AS seven, '{}' AS braces"
run query --format json -e "$cells"
run query --format csv -e "$cells"
run query -e "CREATE TEMPORARY TABLE padded (z INT(5) UNSIGNED ZEROFILL, y YEAR);
              INSERT INTO padded VALUES (42, 0), (7, 2024);
              SELECT z, y FROM padded ORDER BY y"
